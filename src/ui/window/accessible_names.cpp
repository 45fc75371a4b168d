#include "ui/window/accessible_names.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QVariant>

#include "ui/pages/page_building.h"
#include "ui/window/qt_screen.h"
#include "widgets/spin_field.h"

namespace orvane::ui {

namespace {

// Captions carry layout blanks, mnemonic marks and colons; a name needs none of them.
QString Spoken(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption = caption.simplified();
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

// The captions of the linked controls in order, then the fixed suffix.
QString LinkedName(const QWidget& widget, const QtScreen& screen) {
    QStringList parts;
    for (const QVariant& source : widget.property(pages::kNameFromProperty).toList()) {
        const QString part = Spoken(QString::fromStdString(
            screen.captionOf(static_cast<frontend::ControlId>(source.toInt()))));
        if (!part.isEmpty())
            parts.append(part);
    }
    const QString suffix = widget.property(pages::kNameSuffixProperty).toString();
    if (!suffix.isEmpty())
        parts.append(suffix);
    return parts.join(QLatin1Char(' '));
}

}  // namespace

void RefreshAccessibleNames(QWidget& window, const QtScreen& screen) {
    QHash<const QWidget*, const QLabel*> captionOf;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            captionOf.insert(label->buddy(), label);

    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString name;
        if (widget->property(pages::kNameFromProperty).isValid())
            name = LinkedName(*widget, screen);
        else if (const QLabel* label = captionOf.value(widget))
            name = Spoken(label->text());
        else
            continue;
        if (widget->accessibleName() != name)
            widget->setAccessibleName(name);
        // A spin field's step buttons are named after the field they step.
        if (auto* spin = qobject_cast<widgets::SpinField*>(widget)) {
            spin->upButton()->setAccessibleName(name + QStringLiteral(" +"));
            spin->downButton()->setAccessibleName(name + QStringLiteral(" -"));
        }
    }
}

}  // namespace orvane::ui
