// Turns the stored answer blocks into one UnitSnapshot per tick: advances the smoothing
// filters once per new TrendBlock, reads every value, lamp, counter and clock part, and
// settles the link state the LED-matrix line shows. It writes no control: whoever takes
// the snapshot shows or keeps it. Owned by the live monitor; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "monitor/poll_state.h"
#include "monitor/realtime_data.h"
#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

class RealtimeDecoder {
  public:
    // Every reference must outlive the decoder. `language` gives the link-state texts.
    RealtimeDecoder(PollState& poll, RealtimeData& data, const catalogue::Language& language);

    // One run, whether or not a new block arrived.
    UnitSnapshot Run();

  private:
    bool takeNewTrendBlock();

    PollState& poll_;
    RealtimeData& data_;
    const catalogue::Language& language_;
};

}  // namespace orvane::monitor
