#include "ui/pages/port_list.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace orvane::ui {

namespace {

// In average characters: the least the box shrinks to, the most it grows to.
constexpr int kNarrowest = 12;
constexpr int kWidest = 34;

}  // namespace

PortList::PortList(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kNarrowest);
}

QString PortList::shownText() const {
    QString label = currentData(LabelRole).toString();
    if (label.isEmpty())
        label = currentText();
    // The style draws the text one pixel in from each side of its field.
    return fontMetrics().elidedText(label, Qt::ElideRight, textRect().width() - 2);
}

QRect PortList::textRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QSize PortList::sizeForText(int textWidth) const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize text(textWidth + 2, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

QSize PortList::sizeHint() const {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, fontMetrics().horizontalAdvance(itemData(i, LabelRole).toString()));
    const int average = fontMetrics().averageCharWidth();
    const int bounded = qBound(kNarrowest * average, widest, kWidest * average);
    return sizeForText(bounded).expandedTo(QComboBox::minimumSizeHint());
}

void PortList::showPopup() {
    QAbstractItemView* list = view();
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(itemText(i)));
    // The item's text margins, the list's frame and room for its scroll bar.
    const int margins =
        2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    list->setMinimumWidth(widest + margins + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
    QComboBox::showPopup();
}

void PortList::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace orvane::ui
