// A check box drawn as a lamp with its caption: maroon while unchecked, green while
// checked. The operator toggles it by click or with the space bar. Owned by its parent
// widget; window thread only.
#pragma once

#include <QAbstractButton>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class CheckLamp : public QAbstractButton, public AccessibleIndicator {
    Q_OBJECT

  public:
    explicit CheckLamp(const QString& caption = {}, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::CheckBox; }
    QString accessibleValue() const override;
    void addAccessibleState(QAccessible::State& state) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    int lampSide() const;
};

}  // namespace orvane::widgets
