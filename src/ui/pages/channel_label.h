// A label in a trend channel's colour: a swatch or a coloured caption of the live pages.
// Filled with the channel colour under every skin, its text black, and ringed in a colour
// that stands out from what the skin puts around it, so a light channel colour still shows
// on a light skin and a dark one on a dark skin. Marked as carrying its own colours (see
// skins/skin_switcher.h). Owned by its parent; GUI thread only.
#pragma once

#include <QLabel>

namespace orvane::ui {

class ChannelLabel final : public QLabel {
    Q_OBJECT

  public:
    ChannelLabel(const QString& text, const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const;
    // The ring's colour now: the text colour of the surroundings where it stands out from
    // them by 3:1 or more, otherwise black or white, whichever stands out more.
    QColor ringColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
};

}  // namespace orvane::ui
