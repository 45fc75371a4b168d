#include "journal/journal.h"

#include <algorithm>

namespace orvane::journal {

Journal::Journal(const monitor::LocalClock& clock, std::size_t capacity)
    : clock_(clock), capacity_(std::max<std::size_t>(capacity, 1)) {}

void Journal::record(EventKind kind, std::string_view details) {
    JournalEvent event{clock_.now(), kind, std::string(details), unitId_};
    const bool full = count_ == capacity_;
    if (observer_ != nullptr)
        observer_->aboutToAdd(full);
    if (full) {
        JournalEvent& oldest = ring_[first_];
        ++dropped_.count;
        dropped_.newestTime = oldest.time;
        oldest = std::move(event);
        first_ = (first_ + 1) % capacity_;
    } else {
        ring_.push_back(std::move(event));
        ++count_;
    }
    if (observer_ != nullptr)
        observer_->added();
}

const JournalEvent& Journal::newest(std::size_t index) const {
    return oldest(count_ - 1 - index);
}

const JournalEvent& Journal::oldest(std::size_t index) const {
    return ring_[(first_ + index) % capacity_];
}

std::optional<DroppedEvents> Journal::dropped() const {
    if (dropped_.count == 0)
        return std::nullopt;
    return dropped_;
}

void Journal::clear() {
    if (observer_ != nullptr)
        observer_->aboutToClear();
    ring_.clear();
    first_ = 0;
    count_ = 0;
    dropped_ = {};
    if (observer_ != nullptr)
        observer_->cleared();
}

}  // namespace orvane::journal
