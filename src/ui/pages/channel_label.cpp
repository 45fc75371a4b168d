#include "ui/pages/channel_label.h"

#include <QEvent>
#include <QPainter>

#include "ui/skins/skin_palette.h"
#include "ui/skins/skin_switcher.h"

namespace orvane::ui {

namespace {

constexpr double kLeastContrast = 3.0;

}  // namespace

ChannelLabel::ChannelLabel(const QString& text, const QColor& colour, QWidget* parent)
    : QLabel(text, parent) {
    setAutoFillBackground(true);
    QPalette own = palette();
    own.setColor(QPalette::Window, colour);
    own.setColor(QPalette::WindowText, Qt::black);  // reads on every channel colour
    setPalette(own);
    // Room for the ring around the text.
    setMargin(1);
    MarkFixedColour(this);
}

QColor ChannelLabel::colour() const {
    return palette().color(QPalette::Window);
}

QColor ChannelLabel::ringColour() const {
    const QPalette around = parentWidget() != nullptr ? parentWidget()->palette() : QPalette();
    const QColor background = around.color(QPalette::Window);
    const QColor text = around.color(QPalette::WindowText);
    if (ContrastRatio(text, background) >= kLeastContrast)
        return text;
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

void ChannelLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(ringColour());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ChannelLabel::changeEvent(QEvent* event) {
    // A new skin reaches the surroundings as a palette change: draw the ring again.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        update();
    QLabel::changeEvent(event);
}

}  // namespace orvane::ui
