// A push button exactly as large as its text that asks the window for a new layout only when
// that size changes. A relabelled QPushButton always asks, and a new layout of this window
// costs a few milliseconds: the record button, whose row count changes every second, cost
// the program more than the recording itself. Owned by its page; GUI thread only.
#pragma once

#include <QPushButton>

namespace orvane::ui {

class FittedButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

    // Sets the text, then takes the size the text needs if that is not the size held.
    void relabel(const QString& text);

  protected:
    // A skin or language can change the font or the style, and with them the size needed.
    void changeEvent(QEvent* event) override;

  private:
    void fit();
};

}  // namespace orvane::ui
