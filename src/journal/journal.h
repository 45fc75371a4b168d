// The events of this run, newest last in memory and newest first to the reader: each with
// its local time, kind, details and the unit's identifier as the last import read it. At
// most `capacity` events are kept; older ones are dropped and counted, and the journal says
// so (`dropped()`). Nothing is written anywhere until the operator exports it. Owned by the
// session; window thread only. One observer (the journal page's model) hears of every change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/event_sink.h"
#include "monitor/local_clock.h"

namespace orvane::journal {

struct JournalEvent {
    monitor::LocalTime time;
    EventKind kind = EventKind::linkStarted;
    std::string details;
    std::optional<std::uint32_t> unitId;
};

// Events that no longer fit: how many, and when the newest of them happened.
struct DroppedEvents {
    std::size_t count = 0;
    monitor::LocalTime newestTime;
};

// Told before and after each change, so a view can announce it in order (a table model's
// begin and end of an insertion).
class JournalObserver {
  public:
    virtual ~JournalObserver() = default;
    // One event is about to come in as the newest; `dropsOldest`: the oldest kept one goes
    // for it.
    virtual void aboutToAdd(bool dropsOldest) = 0;
    virtual void added() = 0;
    virtual void aboutToClear() = 0;
    virtual void cleared() = 0;
};

class Journal final : public EventSink {
  public:
    static constexpr std::size_t DefaultCapacity = 100'000;

    // `clock` must outlive the journal; `capacity` is at least 1.
    explicit Journal(const monitor::LocalClock& clock, std::size_t capacity = DefaultCapacity);

    void record(EventKind kind, std::string_view details) override;
    void identifyUnit(std::uint32_t unitId) override { unitId_ = unitId; }

    std::size_t size() const { return count_; }
    std::size_t capacity() const { return capacity_; }
    // 0 is the newest event; `index` below size().
    const JournalEvent& newest(std::size_t index) const;
    // 0 is the oldest event kept; `index` below size().
    const JournalEvent& oldest(std::size_t index) const;
    std::optional<DroppedEvents> dropped() const;

    // Forgets every event and the dropped count; the unit's identifier stays.
    void clear();

    // Null: nobody listens. The observer must outlive the journal or be taken away first.
    void setObserver(JournalObserver* observer) { observer_ = observer; }

  private:
    const monitor::LocalClock& clock_;
    std::size_t capacity_;
    std::vector<JournalEvent> ring_;  // grows to capacity, then each new event replaces the oldest
    std::size_t first_ = 0;           // position of the oldest event in the ring
    std::size_t count_ = 0;
    DroppedEvents dropped_;
    std::optional<std::uint32_t> unitId_;
    JournalObserver* observer_ = nullptr;
};

}  // namespace orvane::journal
