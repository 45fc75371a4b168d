// What the journal learns from each tick's snapshot: every lamp that changes state (with its
// caption in the current language, whichever page shows it) and every change of the link's
// condition (communication error, firmware error, and communication OK once an error is
// over). A link start begins afresh, so an error that outlives a stop is reported again.
// Lamps start off, as the window shows them before the first answer. Owned by the session;
// window thread only.
#pragma once

#include <array>
#include <string>

#include "catalogue/message_catalogue.h"
#include "journal/event_sink.h"
#include "monitor/snapshot_sink.h"

namespace orvane::journal {

class SnapshotEvents final : public monitor::SnapshotSink {
  public:
    // Both must outlive this object.
    SnapshotEvents(EventSink& events, const catalogue::Language& language);

    void take(const monitor::UnitSnapshot& snapshot) override;

  private:
    void followLink(const monitor::UnitSnapshot& snapshot);

    EventSink& events_;
    const catalogue::Language& language_;
    std::array<bool, monitor::UnitLampCount> lamps_{};
    bool communicationError_ = false;
    bool firmwareError_ = false;
};

// The lamp's caption as the journal names it: "Allarme Termico", or with its group where
// several lamps share the caption ("Mancanza Fase (Fase S)").
std::string LampCaption(monitor::UnitLamp lamp, const catalogue::Language& language);

}  // namespace orvane::journal
