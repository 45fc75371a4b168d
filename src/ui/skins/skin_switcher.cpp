#include "ui/skins/skin_switcher.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "ui/skins/skin_colours.h"
#include "ui/skins/skin_palette.h"
#include "ui/skins/skin_style_sheet.h"

namespace orvane::ui {
namespace {

const QString kSkinStyle = QStringLiteral("Fusion");

// Replacing the style re-polishes every widget; skip it when the style stays the same.
void useStyle(const QString& name) {
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* style = QStyleFactory::create(name))
        QApplication::setStyle(style);
}

// Removing a style sheet gives every widget back the palette it had when the sheet polished
// it, which is the previous skin's. Dropping the sheet before the palette changes lets the
// new palette reach every widget that exists.
void dropStyleSheet() {
    if (!qApp->styleSheet().isEmpty())
        qApp->setStyleSheet(QString());
}

}  // namespace

void MarkFixedColour(QWidget* widget) {
    widget->setProperty(kFixedColourProperty, true);
}

bool HasFixedColour(const QWidget* widget) {
    return widget->property(kFixedColourProperty).toBool();
}

QString StyleNotFoundMessage(const QString& name) {
    return QStringLiteral("Style '%1' not found").arg(name);
}

SkinSwitcher::SkinSwitcher()
    : platformStyle_(QApplication::style()->name()),
      platformPalette_(QApplication::palette()),
      platformStyleSheet_(qApp->styleSheet()),
      current_(kPlatformSkin.toString()) {}

bool SkinSwitcher::apply(QStringView name) {
    if (name == kPlatformSkin) {
        applyPlatformLook();
        current_ = name.toString();
        return true;
    }
    const SkinColours* colours = FindSkinColours(name.toString().toStdString());
    if (!colours)
        return false;
    dropStyleSheet();
    useStyle(kSkinStyle);
    QApplication::setPalette(SkinPalette(*colours));
    qApp->setStyleSheet(SkinStyleSheet(*colours));
    current_ = name.toString();
    return true;
}

void SkinSwitcher::applyPlatformLook() {
    dropStyleSheet();
    useStyle(platformStyle_);
    QApplication::setPalette(platformPalette_);
    // The sheet's farewell left each widget the last skin's palette as if set by hand, and
    // without a new sheet nothing polishes it away: hand those widgets back to the
    // application palette. Palettes the program set itself (the fixed colours) stay.
    for (QWidget* widget : QApplication::allWidgets())
        if (!widget->testAttribute(Qt::WA_SetPalette) && !HasFixedColour(widget))
            widget->setPalette(QPalette());
    qApp->setStyleSheet(platformStyleSheet_);
}

}  // namespace orvane::ui
