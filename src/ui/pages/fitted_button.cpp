#include "ui/pages/fitted_button.h"

#include <QEvent>

namespace orvane::ui {

void FittedButton::relabel(const QString& text) {
    if (text == this->text())
        return;
    setText(text);  // held at a fixed size, the button does not ask for a new layout here
    fit();
}

void FittedButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fit();
}

void FittedButton::fit() {
    const QSize needed = sizeHint();
    if (minimumSize() != needed || maximumSize() != needed)
        setFixedSize(needed);
}

}  // namespace orvane::ui
