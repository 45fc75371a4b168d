#include "widgets/trend_chart_painter.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

#include "widgets/number_format.h"
#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {

const QColor kPanelTop(46, 51, 60);
const QColor kPanelBottom(24, 27, 32);
const QColor kPlotBackground(6, 9, 12);
const QColor kPlotBorder(78, 86, 98);
const QColor kGridLine(34, 66, 48);
const QColor kScaleText(200, 206, 214);
const QColor kCaptionText(236, 240, 244);
const QColor kSeparator(170, 170, 190);
constexpr int kScaleDivisions = 10;
constexpr int kMargin = 8;

QColor toColor(TrendRgb c) {
    return {c.red, c.green, c.blue};
}

QString scaleNumber(double value) {
    return QString::fromStdString(formatNumber(value, "#0.#"));
}

QString channelText(const TrendChannel& c, float value) {
    QString text = QString::fromStdString(formatNumber(value, c.format));
    if (!c.unit.empty())
        text += QLatin1Char(' ') + QString::fromStdString(c.unit);
    return text;
}

QString timeText(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

// Time of a grid position: a record's own stamp, or extrapolated past either end.
std::int64_t timeAt(const TrendModel& m, int index) {
    const auto& r = m.records();
    if (r.empty())
        return 0;
    const int last = m.recordCount() - 1;
    if (index <= 0)
        return r.front().timeMs + std::int64_t{index} * m.recordIntervalMs();
    if (index >= last)
        return r.back().timeMs + std::int64_t{index - last} * m.recordIntervalMs();
    return r[static_cast<std::size_t>(index)].timeMs;
}

int scaleWidth(const QFontMetrics& fm) {
    return fm.horizontalAdvance(QStringLiteral("-16000.0")) + 10;
}

// y of value on a channel whose range fills the plot; out-of-range values are held at
// just beyond the border so they read as "off the scale" instead of vanishing.
double yOf(double value, const TrendChannel& c, const QRectF& plot) {
    const double span = c.rangeTo - c.rangeFrom;
    const double fraction = span != 0.0 ? (value - c.rangeFrom) / span : 0.5;
    const double y = plot.bottom() - fraction * plot.height();
    return std::clamp(y, plot.top() - 1.0, plot.bottom() + 1.0);
}

void drawPanel(QPainter& p, const QRect& area) {
    p.fillRect(area, kPanelBottom);
    p.fillRect(area, verticalGradient(area, kPanelTop, kPanelBottom));
}

void drawCaptionAndLegend(QPainter& p, const TrendLayout& l, const QFont& font, const TrendModel& m,
                          const TrendLook& look) {
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(font.pointSizeF() * 1.15);
    p.setFont(bold);
    p.setPen(kCaptionText);
    const QFontMetrics bfm(bold);
    p.drawText(l.caption, Qt::AlignLeft | Qt::AlignVCenter, look.caption);

    // Legend: the newest record's value of each drawn channel, from the right.
    p.setFont(font);
    const QFontMetrics fm(font);
    if (m.records().empty())
        return;
    const TrendRecord& newest = m.records().back();
    int right = l.caption.right();
    const int minLeft = l.caption.left() + bfm.horizontalAdvance(look.caption) + 16;
    for (int ch = kTrendChannels; ch >= 1; --ch) {
        const TrendChannel& c = m.channel(ch);
        if (!c.visible)
            continue;
        const QString text = channelText(c, newest.values[static_cast<std::size_t>(ch - 1)]);
        const int w = fm.horizontalAdvance(text);
        const int swatch = fm.height() - 4;
        const int left = right - w - swatch - 4;
        if (left < minLeft)
            break;
        const int cy = l.caption.center().y();
        p.setPen(Qt::NoPen);
        p.setBrush(toColor(c.colour));
        p.drawRoundedRect(QRectF(left, cy - swatch / 2.0, swatch, swatch), 2, 2);
        p.setPen(kScaleText);
        p.drawText(QRect(left + swatch + 4, l.caption.top(), w + 1, l.caption.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        right = left - 12;
    }
}

void drawScale(QPainter& p, const QRect& band, const QRect& plot, const QFontMetrics& fm,
               const TrendModel& m, int channel, bool onLeft) {
    const TrendScale s = m.scaleOf(channel);
    const QColor colour = s.channel == 0 ? kScaleText : toColor(m.channel(s.channel).colour);
    p.setPen(colour);
    const int h = fm.height();
    for (int i = 0; i <= kScaleDivisions; ++i) {
        const double fraction = static_cast<double>(i) / kScaleDivisions;
        const int y = qRound(plot.bottom() - fraction * plot.height());
        const QString text = scaleNumber(s.from + fraction * (s.to - s.from));
        const QRect box(band.left() + 4, y - h / 2, band.width() - 8, h);
        p.drawText(box, (onLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
        const int tickX = onLeft ? plot.left() : plot.right() + 1;
        p.drawLine(onLeft ? tickX - 3 : tickX, y, onLeft ? tickX - 1 : tickX + 2, y);
    }
    if (!s.unit.empty()) {
        const QRect unitBox(band.left() + 4, plot.top() - h - 4, band.width() - 8, h);
        p.drawText(unitBox, (onLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom,
                   QString::fromStdString(s.unit));
    }
}

void drawGrid(QPainter& p, const QRectF& plot, const TrendModel& m) {
    QPen pen(kGridLine, 1.0, Qt::DotLine);
    p.setPen(pen);
    for (int i = 1; i < kScaleDivisions; ++i) {
        const double y = std::round(plot.bottom() - i * plot.height() / kScaleDivisions) + 0.5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const int start = m.viewStart();
    const std::int64_t grid = m.gridWidth();
    for (int i = 0; i < m.viewCapacity(); ++i) {
        if ((m.serialOf(start + i)) % grid != 0)
            continue;
        const double x = plot.left() + i + 0.5;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void drawTimeAxis(QPainter& p, const QRect& band, const QRectF& plot, const QFontMetrics& fm,
                  const TrendModel& m) {
    if (m.records().empty())
        return;
    p.setPen(kScaleText);
    const int start = m.viewStart();
    const std::int64_t grid = m.gridWidth();
    const int labelWidth = fm.horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    int lastRight = band.left() - 1000;
    for (int i = 0; i < m.viewCapacity(); ++i) {
        if (m.serialOf(start + i) % grid != 0)
            continue;
        const int x = qRound(plot.left() + i);
        const QRect box(x - labelWidth / 2, band.top() + 2, labelWidth, band.height() - 2);
        // Labels stay clear of the scale numbers beside the plot's corners.
        if (box.left() < lastRight || box.left() < band.left() - 4 ||
            box.right() > band.right() + 4) {
            continue;
        }
        p.drawLine(x, qRound(plot.bottom()) + 1, x, qRound(plot.bottom()) + 3);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, timeText(timeAt(m, start + i)));
        lastRight = box.right() + 4;
    }
}

void drawChannels(QPainter& p, const QRectF& plot, const TrendModel& m, const TrendLook& look) {
    const auto& records = m.records();
    const int start = m.viewStart();
    const int end = std::min(m.recordCount(), start + m.viewCapacity());
    if (end - start <= 0)
        return;

    // Segments rather than polylines: the raster engine draws solid flat-capped segments on
    // its fast line path at any pixel ratio, while wide polylines go through the slow stroker.
    QVarLengthArray<QLineF, 1024> segments;
    segments.reserve(end - start);
    for (int ch = 1; ch <= kTrendChannels; ++ch) {
        const TrendChannel& c = m.channel(ch);
        if (!c.visible)
            continue;
        QPen pen(toColor(c.colour), 1.0);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        segments.clear();
        const auto k = static_cast<std::size_t>(ch - 1);
        QPointF previous;
        bool joined = false;  // whether the previous record continues into this one
        for (int i = start; i < end; ++i) {
            const TrendRecord& r = records[static_cast<std::size_t>(i)];
            const QPointF point(plot.left() + (i - start) + 0.5, yOf(r.values[k], c, plot));
            if (joined)
                segments.append(QLineF(previous, point));
            else if (i + 1 == end || r.separatorAfter)
                segments.append(QLineF(point, point));
            previous = point;
            joined = !r.separatorAfter;  // a run ends here: the next one starts unjoined
        }
        p.drawLines(segments.constData(), static_cast<int>(segments.size()));
    }

    if (!look.separators)
        return;
    QPen dash(kSeparator, 1.0, Qt::DashLine);
    p.setPen(dash);
    for (int i = start; i < end - 1; ++i) {
        if (!records[static_cast<std::size_t>(i)].separatorAfter)
            continue;
        const double x = plot.left() + (i - start) + 1.0;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void drawCursor(QPainter& p, const QRectF& plot, const QFontMetrics& fm, const TrendModel& m,
                int cursorX) {
    const int index = m.viewStart() + static_cast<int>(std::floor(cursorX - plot.left()));
    if (index < 0 || index >= m.recordCount())
        return;
    const double x = plot.left() + (index - m.viewStart()) + 0.5;
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));

    const TrendRecord& r = m.records()[static_cast<std::size_t>(index)];
    QStringList lines{timeText(r.timeMs)};
    QList<QColor> colours{kCaptionText};
    for (int ch = 1; ch <= kTrendChannels; ++ch) {
        const TrendChannel& c = m.channel(ch);
        if (!c.visible)
            continue;
        lines << channelText(c, r.values[static_cast<std::size_t>(ch - 1)]);
        colours << toColor(c.colour);
    }
    int w = 0;
    for (const QString& s : lines)
        w = std::max(w, fm.horizontalAdvance(s));
    const int lineH = fm.height();
    QRectF box(0, plot.top() + 8, w + 16, lines.size() * lineH + 8);
    box.moveLeft(x + 8 + box.width() <= plot.right() ? x + 8 : x - 8 - box.width());
    p.setPen(QPen(QColor(120, 130, 145), 1.0));
    p.setBrush(QColor(20, 24, 30, 225));
    p.drawRoundedRect(box, 4, 4);
    for (int i = 0; i < lines.size(); ++i) {
        p.setPen(colours[i]);
        p.drawText(QRectF(box.left() + 8, box.top() + 4 + i * lineH, w + 2, lineH),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}

}  // namespace

TrendLayout layoutTrendChart(const QRect& area, const QFont& font, const TrendLook& look) {
    const QFontMetrics fm(font);
    TrendLayout l;
    const int captionH = fm.height() + 12;
    l.caption = QRect(area.left() + kMargin, area.top() + 2, area.width() - 2 * kMargin, captionH);
    const int unitRow = fm.height() + 4;
    const int top = l.caption.bottom() + 1 + unitRow;
    const int axisH = look.timeAxis ? fm.height() + 8 : kMargin;
    const int leftW = look.leftScale ? scaleWidth(fm) : kMargin;
    const int rightW = look.rightScale ? scaleWidth(fm) : kMargin;
    l.plot = QRect(QPoint(area.left() + leftW, top),
                   QPoint(area.right() - rightW, area.bottom() - axisH));
    if (l.plot.width() < 1)
        l.plot.setWidth(1);
    if (l.plot.height() < 1)
        l.plot.setHeight(1);
    l.leftScale = QRect(area.left(), top, leftW, l.plot.height());
    l.rightScale = QRect(l.plot.right() + 1, top, rightW, l.plot.height());
    l.timeAxis = QRect(l.plot.left(), l.plot.bottom() + 1, l.plot.width(), axisH);
    return l;
}

void paintTrendChart(QPainter& p, const QRect& area, const QFont& font, const TrendModel& m,
                     const TrendLook& look, std::optional<int> cursorX) {
    const TrendLayout l = layoutTrendChart(area, font, look);
    const QFontMetrics fm(font);
    p.save();
    p.setFont(font);
    drawPanel(p, area);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(l.plot, kPlotBackground);
    p.setPen(kPlotBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.plot.adjusted(-1, -1, 0, 0));

    if (look.leftScale)
        drawScale(p, l.leftScale, l.plot, fm, m, m.leftScaleChannel(), true);
    if (look.rightScale)
        drawScale(p, l.rightScale, l.plot, fm, m, m.rightScaleChannel(), false);
    if (look.timeAxis)
        drawTimeAxis(p, l.timeAxis, QRectF(l.plot), fm, m);

    const QRectF plot(l.plot);
    p.save();
    p.setClipRect(l.plot);
    if (look.grid)
        drawGrid(p, plot, m);
    if (look.upperLimit) {
        const double y = std::round(plot.bottom() - look.upperLimitPercent / 100.0 * plot.height());
        p.setPen(QPen(look.upperLimitColour, 2.0));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    drawChannels(p, plot, m, look);
    if (cursorX)
        drawCursor(p, plot, fm, m, *cursorX);
    p.restore();

    p.setRenderHint(QPainter::Antialiasing, true);
    drawCaptionAndLegend(p, l, font, m, look);
    p.restore();
}

}  // namespace orvane::widgets
