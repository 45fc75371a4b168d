// The window's presenter of the live link: the one place that puts a tick's snapshot on the
// controls, in the order of `SnapshotWrites`: fields, trend channels (values, and the
// Trend_1 channels drawn while their boxes are ticked), lamps, error numbers and clock
// digits, then the firmware label and, when it changes, the LED-matrix line. Writes every
// control on every tick; the widgets repaint only what changed. Qt-free; owned by the
// window's live display; window thread only.
#pragma once

#include <string>

#include "frontend/screen.h"
#include "monitor/snapshot_sink.h"

namespace orvane::ui {

class SnapshotView final : public monitor::SnapshotSink {
  public:
    // Both must outlive the view. `trendBoxes` answers the Trend_1 channel boxes.
    SnapshotView(frontend::Screen& screen, const frontend::ScreenReader& trendBoxes);

    void take(const monitor::UnitSnapshot& snapshot) override;

  private:
    void showLinkState(const monitor::LinkState& link);

    frontend::Screen& screen_;
    const frontend::ScreenReader& trendBoxes_;
};

// "%2d.%2d.%2d": each number right-aligned in two characters (" 1. 7. 3").
std::string FirmwareLabel(const monitor::UnitFirmware& firmware);

}  // namespace orvane::ui
