#include "ui/window/accessible_names.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
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

}  // namespace

void RefreshAccessibleNames(QWidget& window, const QtScreen& screen) {
    QHash<const QWidget*, const QLabel*> captionOf;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            captionOf.insert(label->buddy(), label);

    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString name;
        const QVariant from = widget->property(pages::kNameFromProperty);
        if (from.isValid()) {
            name = QString::fromStdString(
                screen.captionOf(static_cast<frontend::ControlId>(from.toInt())));
            const QString suffix = widget->property(pages::kNameSuffixProperty).toString();
            if (!suffix.isEmpty())
                name = Spoken(name) + QLatin1Char(' ') + suffix;
        } else if (const QLabel* label = captionOf.value(widget)) {
            name = label->text();
        } else {
            continue;
        }
        name = Spoken(name);
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
