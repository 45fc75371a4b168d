// Draws a trend chart from its model: caption and legend, scales, grid, upper limit line,
// the channel lines with breaks between recording runs, time axis and cursor. Used by the
// chart widget's paintEvent and by the benchmark; keeps no state of its own.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

#include "widgets/trend_model.h"

class QPainter;

namespace orvane::widgets {

struct TrendLook {
    QString caption;
    bool leftScale = true;
    bool rightScale = true;
    bool grid = true;
    bool timeAxis = true;
    bool cursor = true;
    bool separators = true;
    bool upperLimit = true;
    double upperLimitPercent = 90.0;  // of the plot height, on the plain 0..100 scale
    QColor upperLimitColour{128, 0, 0};
};

struct TrendLayout {
    QRect caption;
    QRect plot;
    QRect leftScale;
    QRect rightScale;
    QRect timeAxis;
};

TrendLayout layoutTrendChart(const QRect& area, const QFont& font, const TrendLook& look);

// cursorX: the pointer's x in widget coordinates, when it is over the plot.
void paintTrendChart(QPainter& painter, const QRect& area, const QFont& font,
                     const TrendModel& model, const TrendLook& look, std::optional<int> cursorX);

}  // namespace orvane::widgets
