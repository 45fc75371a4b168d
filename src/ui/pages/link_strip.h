// The strip under the page control: the serial link (`Grp_Sel_Com`: port list, start/stop
// button, link lamp), the program version, the device name with the LED-matrix line of the
// link state under the bus health line, and the unit's firmware version (`Gruppo_Firmware`).
// Builds its controls only; the window finds them by object name and wires them.
// Owned by the window; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui {

class LinkStrip : public QWidget {
    Q_OBJECT

  public:
    explicit LinkStrip(QWidget* parent = nullptr);
};

}  // namespace orvane::ui
