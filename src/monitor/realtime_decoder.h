// Turns the stored answer blocks into the window's live values on every tick: advances
// the smoothing filters once per new TrendBlock, writes every field, lamp, counter and
// clock digit, feeds the trend channels, and ends with the firmware label and link state.
// Owned by the session next to the data it reads; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "monitor/poll_state.h"
#include "monitor/realtime_data.h"

namespace orvane::monitor {

class RealtimeDecoder {
  public:
    // Every reference must outlive the decoder. `checkBoxes` answers the trend boxes.
    RealtimeDecoder(PollState& poll, RealtimeData& data, frontend::Screen& screen,
                    const frontend::ScreenReader& checkBoxes, const catalogue::Language& language);

    // One run; writes every control whether or not a new block arrived.
    void Run();

  private:
    void takeNewTrendBlock();
    void showTrendBlock();
    void showStatusBlocks();

    PollState& poll_;
    RealtimeData& data_;
    frontend::Screen& screen_;
    const frontend::ScreenReader& checkBoxes_;
    const catalogue::Language& language_;
};

}  // namespace orvane::monitor
