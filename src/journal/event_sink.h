// Where the operations tell what they did: the link's start and stop, the commands, the
// parameter transfers and files, the recording. Each one calls `record` at the point where it
// shows or decides its outcome, with the details already composed in the operator's language
// (a lamp's caption, a command's name, a path, the message the operator was shown; empty
// when the kind says it all). The kind's headline is the journal's.
// The journal implements it; cores built without one (tests, tools) get `NoEvents()`.
// Implementations live on the window thread and belong to whoever wires the program.
#pragma once

#include <cstdint>
#include <string_view>

#include "journal/event_kind.h"

namespace orvane::journal {

class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void record(EventKind kind, std::string_view details) = 0;
    // The identifier an import has just read from the unit; later events carry it.
    virtual void identifyUnit(std::uint32_t unitId) { (void)unitId; }
};

// Takes every event and keeps none.
inline EventSink& NoEvents() {
    struct Discard final : EventSink {
        void record(EventKind, std::string_view) override {}
    };
    static Discard discard;
    return discard;
}

}  // namespace orvane::journal
