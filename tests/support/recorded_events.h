// What the operations told the journal, as tests read it: an event sink that keeps what it
// is told, and the same view over a program's own journal. Single-threaded.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "journal/event_sink.h"
#include "journal/journal.h"

namespace orvane::journal {
inline std::ostream& operator<<(std::ostream& os, EventKind kind) {
    return os << WordOf(kind);
}
}  // namespace orvane::journal

namespace orvane::testing {

using Event = std::pair<journal::EventKind, std::string>;

class RecordedEvents final : public journal::EventSink {
  public:
    void record(journal::EventKind kind, std::string_view details) override {
        events.emplace_back(kind, std::string(details));
    }
    void identifyUnit(std::uint32_t id) override { unitId = id; }

    // The events since the last call.
    std::vector<Event> take() {
        std::vector<Event> taken(events.begin() + static_cast<long>(seen_), events.end());
        seen_ = events.size();
        return taken;
    }
    std::vector<journal::EventKind> kinds() const {
        std::vector<journal::EventKind> k;
        for (const Event& e : events)
            k.push_back(e.first);
        return k;
    }

    std::vector<Event> events;
    std::optional<std::uint32_t> unitId;

  private:
    std::size_t seen_ = 0;
};

// A journal's events, oldest first, with the same reading as `RecordedEvents`.
class JournalEvents {
  public:
    explicit JournalEvents(const journal::Journal& journal) : journal_(journal) {}

    std::vector<Event> all() const { return from(0); }
    // The events since the last call.
    std::vector<Event> take() {
        std::vector<Event> taken = from(seen_);
        seen_ = journal_.size();
        return taken;
    }
    std::vector<journal::EventKind> kinds() const {
        std::vector<journal::EventKind> k;
        for (const Event& e : all())
            k.push_back(e.first);
        return k;
    }

  private:
    std::vector<Event> from(std::size_t first) const {
        std::vector<Event> events;
        for (std::size_t i = first; i < journal_.size(); ++i)
            events.emplace_back(journal_.oldest(i).kind, journal_.oldest(i).details);
        return events;
    }

    const journal::Journal& journal_;
    std::size_t seen_ = 0;
};

}  // namespace orvane::testing
