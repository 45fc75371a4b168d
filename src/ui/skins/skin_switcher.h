// Applies a colour skin by name to the whole program. "Windows" is the platform's own look:
// the style and palette the application had when the switcher was made. The fifteen other
// names are our own skins: Fusion underneath, a palette and the shared style sheet.
//
// Fixed colours. Some widgets carry meaning in their colour and must look the same under
// every skin: the channel swatches and the coloured caption labels of the live page, and the
// large command buttons. The window marks each of them with MarkFixedColour() (the dynamic
// property `orvaneFixedColour` = true) and gives it its colours in one of these ways:
//   - its own palette roles, e.g. Window + WindowText on a label with autoFillBackground;
//   - its own widget style sheet ("background-color: ...; color: ...");
//   - its own painting (widgets::LargeButton draws its colour itself).
// A skin changes only the application palette, whose roles never replace the ones a widget
// set itself, and the application style sheet, which selects no label, no button and no
// frame, so it never reaches a marked widget. Text on a fixed background has to be fixed too
// (set WindowText, or `color`), since the skin's text colour may be light.
//
// Owned by the program's entry point, created right after QApplication and before anything
// changes the look; GUI thread only.
#pragma once

#include <QPalette>
#include <QString>
#include <QStringView>

class QWidget;

namespace orvane::ui {

inline constexpr char kFixedColourProperty[] = "orvaneFixedColour";
inline constexpr QStringView kPlatformSkin = u"Windows";

// Marks `widget` as carrying its own colours (see above).
void MarkFixedColour(QWidget* widget);
bool HasFixedColour(const QWidget* widget);

// The text of the box shown when a skin name is unknown.
QString StyleNotFoundMessage(const QString& name);

class SkinSwitcher {
  public:
    SkinSwitcher();  // captures the platform's look; needs a QApplication
    SkinSwitcher(const SkinSwitcher&) = delete;
    SkinSwitcher& operator=(const SkinSwitcher&) = delete;

    // Changes the look of every window at once. An unknown name changes nothing and gives
    // false; the caller tells the operator.
    bool apply(QStringView name);

    // The skin applied last; "Windows" until something else is applied.
    QString current() const { return current_; }

  private:
    void applyPlatformLook();

    QString platformStyle_;
    QPalette platformPalette_;
    QString platformStyleSheet_;
    QString current_;
};

}  // namespace orvane::ui
