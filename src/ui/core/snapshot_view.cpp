#include "ui/core/snapshot_view.h"

#include <cstdio>

#include "ui/core/snapshot_view_table.h"

namespace orvane::ui {

namespace {

namespace controls = frontend::controls;
constexpr frontend::MatrixControl Matrix = controls::Vr_String;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

SnapshotView::SnapshotView(frontend::Screen& screen, const frontend::ScreenReader& trendBoxes)
    : screen_(screen), trendBoxes_(trendBoxes) {}

void SnapshotView::take(const monitor::UnitSnapshot& snapshot) {
    for (const SnapshotWrite& write : SnapshotWrites) {
        std::visit(
            Overloaded{
                [&](const ShowNumber& n) { screen_.setNumber(n.field, snapshot.value(n.value)); },
                [&](const FeedTrend& t) {
                    const double value = snapshot.value(t.value);
                    const double plotted = t.negativeAsZero && value < 0 ? 0.0 : value;
                    screen_.setTrendValue(t.chart, t.channel, static_cast<float>(plotted));
                    if (t.drawnWhile)
                        screen_.setTrendVisible(t.chart, t.channel,
                                                trendBoxes_.isChecked(*t.drawnWhile));
                },
                [&](const ShowLamp& l) { screen_.setLamp(l.control, snapshot.lit(l.lamp)); },
                [&](const ShowDigits& d) { screen_.setDigits(d.control, snapshot.clock.*d.part); },
            },
            write);
    }
    screen_.setText(controls::Label_Ver_FW, FirmwareLabel(snapshot.firmware));
    showLinkState(snapshot.link);
}

void SnapshotView::showLinkState(const monitor::LinkState& link) {
    if (!link.lineUpdated)
        return;
    // An error text goes up, then scrolls; the OK text stands still from its first frame.
    if (link.autoScroll) {
        screen_.setText(Matrix, link.matrixText);
        screen_.setAutoScroll(Matrix, true);
    } else {
        screen_.setAutoScroll(Matrix, false);
        screen_.setText(Matrix, link.matrixText);
    }
}

std::string FirmwareLabel(const monitor::UnitFirmware& firmware) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d.%2d.%2d", firmware.major, firmware.minor, firmware.build);
    return text;
}

}  // namespace orvane::ui
