// The reset snapshots' store, recording what the command buttons asked it to keep.
#pragma once

#include <string>
#include <vector>

#include "monitor/reset_snapshot.h"

namespace orvane::testing {

class RecordingSnapshots final : public monitor::ResetSnapshots {
  public:
    bool valuesReceived() const override { return received; }
    monitor::SnapshotOutcome save(monitor::ResetKind kind) override {
        kept.push_back(kind);
        return {!failing, "/saves/Snapshot/kept.csv"};
    }

    bool received = true;
    bool failing = false;
    std::vector<monitor::ResetKind> kept;
};

}  // namespace orvane::testing
