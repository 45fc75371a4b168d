// The port list `Cb_Sel_Porta`. Its entries name whole device paths, longer than the strip
// has room for: the closed box shows each entry's label (item data `LabelRole`, set by the
// window), cut to the box's width only where even the label does not fit; the open list
// and the tip show the whole entry. Owned by the link strip; GUI thread only.
#pragma once

#include <QComboBox>

namespace orvane::ui {

class PortList final : public QComboBox {
    Q_OBJECT

  public:
    static constexpr int LabelRole = Qt::UserRole + 1;

    explicit PortList(QWidget* parent = nullptr);

    // What the closed box shows now.
    QString shownText() const;

    // Wide enough for the longest label, within a bound that keeps the strip in the window.
    QSize sizeHint() const override;

    // Opens the list as wide as its longest entry.
    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize sizeForText(int textWidth) const;
    QRect textRect() const;
};

}  // namespace orvane::ui
