// The journal page (`Tab_Registro`): the events of the run in one table, newest first, with
// the buttons that export the journal as CSV and clear it. Builds its controls only; the
// window gives the table its model (the journal itself, no widget per row) and wires the
// buttons. Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class JournalPage : public QWidget {
    Q_OBJECT

  public:
    explicit JournalPage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
