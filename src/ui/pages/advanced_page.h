// The advanced page: the unit's clock, its commands and its diagnostic lamps.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class AdvancedPage : public QWidget {
    Q_OBJECT

  public:
    explicit AdvancedPage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
