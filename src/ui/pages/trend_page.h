// The trend page (`Tab_Trend`): the live values and status lamps on the left, the chart
// `Trend_1` on the right with its scale list, view buttons, the recording button and the
// chart's export buttons under it.
// Builds its groups and controls only; the window finds them by object name and wires them.
// Owned by the window's page control; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class TrendPage : public QWidget {
    Q_OBJECT

  public:
    explicit TrendPage(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
