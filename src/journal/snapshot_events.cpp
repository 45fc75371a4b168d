#include "journal/snapshot_events.h"

#include <algorithm>

#include "monitor/unit_snapshot_tables.h"

namespace orvane::journal {

namespace {

using monitor::LinkCondition;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool CaptionShared(const monitor::LampDescriptor& lamp) {
    return std::count_if(monitor::LampTable.begin(), monitor::LampTable.end(),
                         [&lamp](const monitor::LampDescriptor& other) {
                             return other.captionRow == lamp.captionRow;
                         }) > 1;
}

std::string FirmwareVersion(const monitor::UnitFirmware& firmware) {
    return std::to_string(firmware.major) + '.' + std::to_string(firmware.minor) + '.' +
           std::to_string(firmware.build);
}

}  // namespace

std::string LampCaption(monitor::UnitLamp lamp, const catalogue::Language& language) {
    const monitor::LampDescriptor& d = monitor::Describe(lamp);
    std::string caption(language.text(d.captionRow));
    if (d.withProductWord)
        caption += catalogue::ProductWord;
    caption = Trimmed(caption);
    if (CaptionShared(d))
        caption += " (" + Trimmed(language.text(d.groupRow)) + ')';
    return caption;
}

SnapshotEvents::SnapshotEvents(EventSink& events, const catalogue::Language& language)
    : events_(events), language_(language) {}

void SnapshotEvents::take(const monitor::UnitSnapshot& snapshot) {
    followLink(snapshot);
    for (std::size_t i = 0; i < monitor::UnitLampCount; ++i) {
        if (snapshot.lamps[i] == lamps_[i])
            continue;
        lamps_[i] = snapshot.lamps[i];
        events_.record(lamps_[i] ? EventKind::lampRaised : EventKind::lampCleared,
                       LampCaption(static_cast<monitor::UnitLamp>(i), language_));
    }
}

void SnapshotEvents::followLink(const monitor::UnitSnapshot& snapshot) {
    const LinkCondition condition = snapshot.link.condition;
    if (condition == LinkCondition::starting) {
        communicationError_ = firmwareError_ = false;
        return;
    }
    const bool communication = condition == LinkCondition::communicationError ||
                               condition == LinkCondition::communicationAndFirmwareError;
    const bool firmware = condition == LinkCondition::firmwareError ||
                          condition == LinkCondition::communicationAndFirmwareError;
    if (communication && !communicationError_)
        events_.record(EventKind::communicationError, {});
    if (firmware && !firmwareError_)
        events_.record(EventKind::firmwareError, FirmwareVersion(snapshot.firmware));
    if (condition == LinkCondition::ok && (communicationError_ || firmwareError_))
        events_.record(EventKind::communicationOk, {});
    communicationError_ = communication;
    firmwareError_ = firmware;
}

}  // namespace orvane::journal
