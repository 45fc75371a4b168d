#include "widgets/led_matrix_line.h"

#include <QPainter>
#include <cmath>

#include "widgets/dot_font.h"
#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {
constexpr int kCellColumns = kGlyphColumns + 1;  // one dark column between characters
constexpr int kFrame = 3;                        // border around the dot field, in pixels
constexpr double kDotPitch = 2.7;                // preferred distance between dot centres
}  // namespace

LedMatrixLine::LedMatrixLine(QWidget* parent) : QWidget(parent) {
    installWidgetAccessibility();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    timer_.setInterval(kDefaultScrollMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LedMatrixLine::scrollStep);
}

void LedMatrixLine::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    const QList<uint> codes = text.toUcs4();
    glyphs_.assign(codes.begin(), codes.end());
    offset_ = 0;
    updateTimer();
    update();
    notifyAccessibleValue(this);
}

void LedMatrixLine::setAutoScroll(bool on) {
    if (on == autoScroll_)
        return;
    autoScroll_ = on;
    offset_ = 0;  // a still text always stands at the start
    updateTimer();
    update();
}

void LedMatrixLine::setCellCount(int cells) {
    cells = qMax(1, cells);
    if (cells == cells_)
        return;
    cells_ = cells;
    offset_ = 0;
    updateGeometry();
    update();
}

void LedMatrixLine::setScrollIntervalMs(int ms) {
    timer_.setInterval(qMax(10, ms));
}

void LedMatrixLine::setColours(const QColor& lit, const QColor& unlit, const QColor& background) {
    if (lit == lit_ && unlit == unlit_ && background == background_)
        return;
    lit_ = lit;
    unlit_ = unlit;
    background_ = background;
    update();
}

int LedMatrixLine::period() const {
    return qMax(cells_, static_cast<int>(glyphs_.size()) + kScrollGap);
}

void LedMatrixLine::updateTimer() {
    const bool run = autoScroll_ && !glyphs_.empty();
    if (run && !timer_.isActive())
        timer_.start();
    if (!run)
        timer_.stop();
}

void LedMatrixLine::scrollStep() {
    if (!autoScroll_ || glyphs_.empty())
        return;
    offset_ = (offset_ + 1) % period();
    update();
}

QString LedMatrixLine::shownText() const {
    QString shown;
    const int ring = period();
    for (int cell = 0; cell < cells_; ++cell) {
        const int index = autoScroll_ ? (offset_ + cell) % ring : cell;
        const char32_t c = index < static_cast<int>(glyphs_.size()) ? glyphs_[index] : U' ';
        shown += QString::fromUcs4(&c, 1);
    }
    return shown;
}

QSize LedMatrixLine::sizeHint() const {
    const int w = static_cast<int>(std::ceil(cells_ * kCellColumns * kDotPitch)) + 2 * kFrame;
    const int h = static_cast<int>(std::ceil((kGlyphRows + 1) * kDotPitch)) + 2 * kFrame;
    return {w, h};
}

QSize LedMatrixLine::minimumSizeHint() const {
    return {cells_ * kCellColumns + 2 * kFrame, kGlyphRows + 2 * kFrame + 1};
}

void LedMatrixLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(background_);
    p.drawRoundedRect(frame, 3, 3);

    // The dot field keeps square dots and is centred in whatever room the layout gives.
    const QRectF field = QRectF(rect()).adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const int columns = cells_ * kCellColumns - 1;
    const double pitch = qMin(field.width() / columns, field.height() / kGlyphRows);
    const double dot = pitch * 0.78;
    const double x0 = field.center().x() - columns * pitch / 2 + (pitch - dot) / 2;
    const double y0 = field.center().y() - kGlyphRows * pitch / 2 + (pitch - dot) / 2;

    const QString shown = shownText();
    const QList<uint> codes = shown.toUcs4();
    p.setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {  // unlit dots first, then lit: two brush changes
        p.setBrush(pass == 0 ? unlit_ : lit_);
        for (int cell = 0; cell < cells_ && cell < codes.size(); ++cell) {
            const DotGlyph glyph = dotGlyph(codes[cell]);
            for (int col = 0; col < kGlyphColumns; ++col) {
                for (int row = 0; row < kGlyphRows; ++row) {
                    const bool on = (glyph[static_cast<std::size_t>(col)] >> row) & 1u;
                    if (on != (pass == 1))
                        continue;
                    const double x = x0 + (cell * kCellColumns + col) * pitch;
                    const double y = y0 + row * pitch;
                    p.drawEllipse(QRectF(x, y, dot, dot));
                }
            }
        }
    }
}

}  // namespace orvane::widgets
