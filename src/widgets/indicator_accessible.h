// The accessible interface of the indicator widgets (see accessibility.h), and of the
// numeric fields built on it. Made by the factory for one widget and owned by Qt's
// accessibility cache; window thread only.
#pragma once

#include <QAccessibleWidget>

#include "widgets/accessibility.h"

class QLineEdit;

namespace orvane::widgets {

class IndicatorAccessible : public QAccessibleWidget {
  public:
    IndicatorAccessible(QWidget* widget, const AccessibleIndicator* indicator);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

  protected:
    const AccessibleIndicator* indicator() const { return indicator_; }

  private:
    const AccessibleIndicator* indicator_;
};

// A numeric field: its shown text through the text interfaces (typing goes through the
// field's own checks, as from the keyboard) and the number it holds through the value one.
class FieldAccessible final : public IndicatorAccessible,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface,
                              public QAccessibleValueInterface {
  public:
    FieldAccessible(QLineEdit* field, const AccessibleIndicator* indicator);

    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    using IndicatorAccessible::text;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // QAccessibleValueInterface
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    QLineEdit* field() const;
    bool editable() const;
};

}  // namespace orvane::widgets
