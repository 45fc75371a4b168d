// A static caption drawn over a copy of itself one pixel down and right, in a highlight
// colour (engraved look) or a shadow colour (raised look), for the clock's captions and
// separators. Owned by its parent widget; window thread only.
#pragma once

#include <QColor>
#include <QWidget>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class StyledLabel : public QWidget, public AccessibleIndicator {
    Q_OBJECT

  public:
    enum class Effect { Highlight, Shadow };

    explicit StyledLabel(const QString& text = {}, Effect effect = Effect::Shadow,
                         QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    Effect effect() const { return effect_; }
    void setEffect(Effect effect);
    void setTextColour(const QColor& colour);  // invalid: the palette's window text
    void setEffectColour(const QColor& colour);
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    QString accessibleValue() const override { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static int offset() { return 1; }

    QString text_;
    Effect effect_;
    QColor textColour_;
    QColor effectColour_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

}  // namespace orvane::widgets
