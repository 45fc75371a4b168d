#include "widgets/digit_group.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {

// Segment bits a..g (a top, then clockwise, g the middle) for 0..9 and the dash.
constexpr std::array<std::uint8_t, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                         0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr std::uint8_t kDashSegments = 0x40;

// Digit cell proportions: width to height, and the gap between digits.
constexpr double kDigitAspect = 0.56;
constexpr double kGapRatio = 0.22;
constexpr double kSkew = 0.08;  // slight forward lean, as on real displays

// One segment as a long hexagon from a to b, thick t, pulled back from the corners.
QPolygonF segmentShape(QPointF a, QPointF b, double t) {
    const bool horizontal = std::abs(b.y() - a.y()) < std::abs(b.x() - a.x());
    const double h = t / 2;
    const double gap = t * 0.18;
    QPolygonF s;
    if (horizontal) {
        const double x0 = a.x() + gap, x1 = b.x() - gap, y = a.y();
        s << QPointF(x0, y) << QPointF(x0 + h, y - h) << QPointF(x1 - h, y - h) << QPointF(x1, y)
          << QPointF(x1 - h, y + h) << QPointF(x0 + h, y + h);
    } else {
        const double y0 = a.y() + gap, y1 = b.y() - gap, x = a.x();
        s << QPointF(x, y0) << QPointF(x + h, y0 + h) << QPointF(x + h, y1 - h) << QPointF(x, y1)
          << QPointF(x - h, y1 - h) << QPointF(x - h, y0 + h);
    }
    return s;
}

void drawDigit(QPainter& p, const QRectF& cell, std::uint8_t segments) {
    const double t = cell.height() * 0.12;
    const double l = cell.left() + t / 2, r = cell.right() - t / 2;
    const double top = cell.top() + t / 2, bottom = cell.bottom() - t / 2;
    const double mid = (top + bottom) / 2;
    const std::array<std::pair<QPointF, QPointF>, 7> ends = {{
        {{l, top}, {r, top}},        // a
        {{r, top}, {r, mid}},        // b
        {{r, mid}, {r, bottom}},     // c
        {{l, bottom}, {r, bottom}},  // d
        {{l, mid}, {l, bottom}},     // e
        {{l, top}, {l, mid}},        // f
        {{l, mid}, {r, mid}},        // g
    }};
    QPainterPath path;
    for (int i = 0; i < 7; ++i) {
        if (segments & (1u << i))
            path.addPolygon(segmentShape(ends[i].first, ends[i].second, t));
    }
    path.setFillRule(Qt::WindingFill);
    // Lean the digit forward around its vertical centre.
    QTransform lean;
    lean.translate(cell.center().x(), cell.center().y());
    lean.shear(-kSkew, 0);
    lean.translate(-cell.center().x(), -cell.center().y());
    p.drawPath(lean.map(path));
}

}  // namespace

DigitGroup::DigitGroup(int digits, QWidget* parent)
    : QWidget(parent), digits_(qBound(1, digits, 9)) {
    installWidgetAccessibility();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    shown_ = textFor(value_);
}

QString DigitGroup::textFor(double value) const {
    const double rounded = std::round(value);
    const double limit = std::pow(10.0, digits_);
    if (!std::isfinite(rounded) || rounded < 0 || rounded >= limit) {
        return QString(digits_, QLatin1Char('-'));
    }
    return QStringLiteral("%1").arg(static_cast<long long>(rounded), digits_, 10, QLatin1Char('0'));
}

void DigitGroup::refresh() {
    const QString shown = textFor(value_);
    if (shown == shown_)
        return;
    shown_ = shown;
    update();
    notifyAccessibleValue(this);
}

void DigitGroup::setValue(double value) {
    value_ = value;
    refresh();
}

void DigitGroup::setDigitCount(int digits) {
    digits = qBound(1, digits, 9);
    if (digits == digits_)
        return;
    digits_ = digits;
    shown_.clear();
    updateGeometry();
    refresh();
}

void DigitGroup::setSegmentColour(const QColor& colour) {
    if (colour == segment_)
        return;
    segment_ = colour;
    update();
}

QSize DigitGroup::sizeHint() const {
    // Same proportions as paintEvent: digit height is the panel height less two margins.
    constexpr double kHeight = 34;
    const double margin = kHeight * 0.19;
    const double cellW = (kHeight - 2 * margin) * kDigitAspect;
    const double w = 2 * margin + digits_ * cellW + (digits_ - 1) * cellW * kGapRatio;
    return {static_cast<int>(std::ceil(w)) + 2, static_cast<int>(kHeight)};
}

QSize DigitGroup::minimumSizeHint() const {
    return sizeHint() / 2;
}

void DigitGroup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(verticalGradient(frame, QColor(24, 24, 24), QColor(0, 0, 0)));
    p.drawRoundedRect(frame, 3, 3);

    // Fit the digits into the panel with a margin, keeping their proportions.
    const double margin = frame.height() * 0.19;
    const double available = frame.width() - 2 * margin;
    double h = frame.height() - 2 * margin;
    double cellW = h * kDigitAspect;
    const double needed = digits_ * cellW + (digits_ - 1) * cellW * kGapRatio;
    if (needed > available) {
        cellW *= available / needed;
        h = cellW / kDigitAspect;
    }
    const double gap = cellW * kGapRatio;
    const double total = digits_ * cellW + (digits_ - 1) * gap;
    double x = frame.center().x() - total / 2;
    const double y = frame.center().y() - h / 2;

    p.setPen(Qt::NoPen);
    p.setBrush(segment_);
    for (QChar c : shown_) {
        const std::uint8_t segments =
            c.isDigit() ? kDigitSegments[static_cast<std::size_t>(c.digitValue())] : kDashSegments;
        drawDigit(p, QRectF(x, y, cellW, h), segments);
        x += cellW + gap;
    }
}

}  // namespace orvane::widgets
