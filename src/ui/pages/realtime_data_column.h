// The live-value column of the trend page: `Gr_Gruppo_Dati` with its six groups of
// measurement rows and status lamps. Layout and named controls only; the decoder writes the
// values and lamps by name every poll tick. The caller owns the returned group; GUI thread.
#pragma once

class QGroupBox;

namespace orvane::ui::pages {

QGroupBox* BuildRealtimeDataColumn();

}  // namespace orvane::ui::pages
