// The network page: the unit's LAN addresses and name.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class LanPage : public QWidget {
    Q_OBJECT

  public:
    explicit LanPage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
