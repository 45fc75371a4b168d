// What a screen nobody looks at drops: the writes only an operator watching the window would
// notice (the matrix's scrolling, out-of-range marks, tips and the charts). The base of the
// screens of programs without a window. Stateless; as its subclass.
#pragma once

#include "frontend/screen.h"

namespace orvane::frontend {

class UnseenScreen : public Screen {
  public:
    void setAutoScroll(MatrixControl, bool) override {}
    void setOutOfRange(Control<ControlKind::NumericField>, std::string_view) override {}
    void setTip(TipControl, std::string_view) override {}
    void setTrendValue(Chart, int, float) override {}
    void setTrendVisible(Chart, int, bool) override {}
    void setTrendRange(Chart, int, double, double) override {}
    void setTrendUnit(Chart, int, std::string_view) override {}
    void setTrendScales(Chart, int, int) override {}
    void setTrendRecording(bool) override {}
};

}  // namespace orvane::frontend
