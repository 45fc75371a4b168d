// Whoever wants each tick's picture of the unit: the window's presenter, and later a
// recorder, a journal or a command-line program. The live monitor hands every sink the same
// snapshot, in the order it was given them. Implementations live on the window thread and
// belong to whoever built the monitor; a sink copies what it keeps.
#pragma once

#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

class SnapshotSink {
  public:
    virtual ~SnapshotSink() = default;
    virtual void take(const UnitSnapshot& snapshot) = 0;
};

}  // namespace orvane::monitor
