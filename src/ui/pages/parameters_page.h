// The parameters page: the unit's settings, the free-configuration groups and the product picture.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class ParametersPage : public QWidget {
    Q_OBJECT

  public:
    explicit ParametersPage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
