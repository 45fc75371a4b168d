#include "ui/skins/skin_style_sheet.h"

#include <QColor>

namespace orvane::ui {
namespace {

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QColor mix(QRgb from, QRgb to, double t) {
    const QColor a(from), b(to);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Selectors name only QGroupBox, QTabWidget, QTabBar, QLineEdit and QToolTip. Spin boxes
// and combo boxes stay with Fusion: a border rule would drop their arrows. Adding a rule for
// labels, buttons (QAbstractButton and its kin) or a catch-all would paint over the widgets that
// carry their own colours: keep such rules out.
constexpr const char* kSheet = R"(
QGroupBox {
    border: 1px solid %frame%;
    border-radius: 5px;
    margin-top: 0.75em;
    padding-top: 0.35em;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 9px;
    padding: 0 3px;
    color: %title%;
}
QTabWidget::pane {
    border: 1px solid %frame%;
    border-radius: 4px;
    top: -1px;
    background: %window%;
}
QTabBar::tab {
    color: %buttonText%;
    background: %tab%;
    border: 1px solid %frame%;
    border-bottom: none;
    border-top-left-radius: 4px;
    border-top-right-radius: 4px;
    padding: 4px 12px;
    margin-right: 2px;
    margin-top: 2px;
}
QTabBar::tab:hover:!selected {
    background: %tabHover%;
}
QTabBar::tab:selected {
    color: %windowText%;
    background: %window%;
    border-top: 2px solid %accent%;
    margin-top: 0px;
}
QLineEdit {
    border: 1px solid %field%;
    border-radius: 3px;
    padding: 2px 4px;
}
QLineEdit:focus {
    border-color: %accent%;
}
QToolTip {
    color: %toolTipText%;
    background: %toolTipBase%;
    border: 1px solid %frame%;
    padding: 2px 4px;
}
)";

}  // namespace

QColor TabHoverColour(const SkinColours& s) {
    return mix(s.button, s.accent, 0.18);
}

QString SkinStyleSheet(const SkinColours& s) {
    QString sheet = QString::fromLatin1(kSheet);
    const std::pair<const char*, QColor> fills[] = {
        {"%frame%", mix(s.window, s.accent, 0.55)},
        {"%title%", QColor(s.title)},
        {"%field%", mix(s.base, s.text, 0.3)},
        {"%window%", QColor(s.window)},
        {"%windowText%", QColor(s.windowText)},
        {"%buttonText%", QColor(s.buttonText)},
        {"%tab%", QColor(s.button)},
        {"%tabHover%", TabHoverColour(s)},
        {"%accent%", QColor(s.accent)},
        {"%toolTipText%", QColor(s.toolTipText)},
        {"%toolTipBase%", QColor(s.toolTipBase)},
    };
    for (const auto& [key, colour] : fills)
        sheet.replace(QLatin1String(key), hex(colour));
    return sheet;
}

}  // namespace orvane::ui
