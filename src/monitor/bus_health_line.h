// The bus health as the window shows it: a compact line in the strip (`Lb_Stato_Bus`, e.g.
// "Bus 99.8% · 452 ms/ciclo") with the details in its tip, in the current language. The
// window refreshes it a few times a second; it writes only what changed. Owned by the
// program root; window thread only.
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "monitor/bus_health.h"

namespace orvane::monitor {

// "Bus 99.8% · 452 ms/ciclo"; the period left out until it is measured; a neutral text
// before the first exchange.
std::string BusLineText(const BusHealthFigures& figures, const catalogue::Language& language);
// One line each: since when, the exchanges by outcome, the period, the longest exchange,
// the last failure's date and time.
std::string BusDetailsText(const BusHealthFigures& figures, const catalogue::Language& language);

class BusHealthLine {
  public:
    // Every reference must outlive this object.
    BusHealthLine(const BusHealth& health, frontend::Screen& screen,
                  const catalogue::Language& language);

    // Shows the figures as they are now.
    void refresh();

  private:
    const BusHealth& health_;
    frontend::Screen& screen_;
    const catalogue::Language& language_;
    std::string shownLine_;
    std::string shownDetails_;
};

}  // namespace orvane::monitor
