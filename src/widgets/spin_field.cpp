#include "widgets/spin_field.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {

class ArrowButton final : public QAbstractButton {
  public:
    ArrowButton(bool up, QWidget* parent) : QAbstractButton(parent), up_(up) {
        setFocusPolicy(Qt::NoFocus);  // the field keeps the keyboard
        setCursor(Qt::ArrowCursor);
        setAutoRepeat(true);
        setAutoRepeatDelay(SpinField::kRepeatDelayMs);
        setAutoRepeatInterval(SpinField::kRepeatIntervalMs);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor face = palette().color(QPalette::Button);
        const QColor top = isDown() ? face.darker(120) : face.lighter(112);
        const QColor bottom = isDown() ? face.darker(105) : face.darker(112);
        p.setPen(QPen(face.darker(150), 1.0));
        p.setBrush(verticalGradient(r, top, bottom));
        p.drawRoundedRect(r, 2, 2);

        const qreal w = qMin(r.width() * 0.5, r.height() * 0.9);
        const qreal h = w * 0.55;
        const QPointF c = r.center();
        QPolygonF arrow;
        if (up_) {
            arrow << QPointF(c.x() - w / 2, c.y() + h / 2) << QPointF(c.x() + w / 2, c.y() + h / 2)
                  << QPointF(c.x(), c.y() - h / 2);
        } else {
            arrow << QPointF(c.x() - w / 2, c.y() - h / 2) << QPointF(c.x() + w / 2, c.y() - h / 2)
                  << QPointF(c.x(), c.y() + h / 2);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
        p.drawPolygon(arrow);
    }

  private:
    bool up_;
};

}  // namespace

SpinField::SpinField(QWidget* parent)
    : NumericField(parent), up_(new ArrowButton(true, this)), down_(new ArrowButton(false, this)) {
    setFormat(QStringLiteral("#0#"));
    setLowerLimit(0);
    setUpperLimit(99);
    // The clock setting goes out without a check: only numbers inside the limits get in.
    refuseKeysOutsideLimits();
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    // Auto-repeat emits pressed again on every repeat, so pressed alone drives the steps.
    connect(up_, &QAbstractButton::pressed, this, &SpinField::stepUp);
    connect(down_, &QAbstractButton::pressed, this, &SpinField::stepDown);
    setTextMargins(0, 0, buttonWidth(), 0);
}

int SpinField::buttonWidth() const {
    return qMax(14, fontMetrics().height());
}

void SpinField::setStep(double step) {
    if (std::isfinite(step) && step > 0)
        step_ = step;
}

void SpinField::stepUp() {
    if (isEnabled() && !isReadOnly())
        applyOperatorValue(value() + step_);
}

void SpinField::stepDown() {
    if (isEnabled() && !isReadOnly())
        applyOperatorValue(value() - step_);
}

QSize SpinField::sizeHint() const {
    QSize hint = QLineEdit::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    hint.setWidth(digits + 2 * fontMetrics().averageCharWidth() + buttonWidth() + 8);
    return hint;
}

void SpinField::resizeEvent(QResizeEvent* event) {
    NumericField::resizeEvent(event);
    const int w = buttonWidth();
    const int inset = 2;
    const int h = (height() - 2 * inset) / 2;
    up_->setGeometry(width() - w - inset, inset, w, h);
    down_->setGeometry(width() - w - inset, inset + h, w, height() - 2 * inset - h);
}

void SpinField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            stepUp();
            return;
        case Qt::Key_Down:
            stepDown();
            return;
        default:
            NumericField::keyPressEvent(event);
    }
}

void SpinField::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta > 0)
        stepUp();
    if (delta < 0)
        stepDown();
    event->accept();
}

std::optional<AccessibleNumber> SpinField::accessibleNumber() const {
    std::optional<AccessibleNumber> number = NumericField::accessibleNumber();
    number->step = step_;
    return number;
}

}  // namespace orvane::widgets
