// The three-phase page (`Tab_Trifase`): voltage, current and power of each phase with its
// missing-phase lamp, the totals, and the chart `Trend_Trifase` with its view and export
// buttons.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class ThreePhasePage : public QWidget {
    Q_OBJECT

  public:
    explicit ThreePhasePage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
