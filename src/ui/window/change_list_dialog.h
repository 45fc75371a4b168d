// The list of fields a transfer would change (or that differ), as a dialog: the message
// above a read-only table (caption, both values with their units) and Yes/No or OK. A
// screen reader reads the table as a table, its cells in order, and the message as the
// dialog's description. Sized for long lists: as wide as its columns and as tall as its
// rows, within most of the screen, scrolling beyond. Colours are the skin's palette, so it
// reads as the rest of the program. Owned by whoever shows it; window thread only.
#pragma once

#include <QDialog>

#include "frontend/operator_dialogs.h"

namespace orvane::ui {

class ChangeListDialog final : public QDialog {
    Q_OBJECT

  public:
    enum class Buttons { YesNo, Ok };

    ChangeListDialog(const frontend::ChangeList& changes, Buttons buttons, QWidget* parent);
};

}  // namespace orvane::ui
