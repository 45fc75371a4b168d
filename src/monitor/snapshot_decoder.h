// Reads one tick's UnitSnapshot out of the stored blocks and the filters' samples, as they
// stand after the realtime decoder has taken the tick's block. Pure: it reads, it never
// advances a filter or clears a flag. Any thread that may read the inputs.
#pragma once

#include "monitor/poll_state.h"
#include "monitor/realtime_data.h"
#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

// `trendBlocks` comes from whoever takes the blocks (the decoder); the link state is left
// for its caller to fill.
UnitSnapshot DecodeSnapshot(const PollState& poll, const RealtimeData& data,
                            TrendBlockCount trendBlocks);

}  // namespace orvane::monitor
