// The grid-service page: the grid-connection protection settings.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class GridServicePage : public QWidget {
    Q_OBJECT

  public:
    explicit GridServicePage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
