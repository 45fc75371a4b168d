// A large coloured push button for the unit's operating commands. Its face is a gradient of
// its colour; the caption turns fuchsia while the pointer is over it. Owned by its parent
// widget; window thread only.
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class LargeButton : public QAbstractButton, public AccessibleIndicator {
    Q_OBJECT

  public:
    explicit LargeButton(const QString& caption = {}, const QColor& colour = QColor(0, 128, 128),
                         QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    bool isHovered() const { return hovered_; }
    QColor captionColour() const;  // what the caption is drawn in right now

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    QString accessibleValue() const override { return text(); }
    void addAccessibleState(QAccessible::State& state) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setHovered(bool hovered);

    QColor colour_;
    bool hovered_ = false;
};

}  // namespace orvane::widgets
