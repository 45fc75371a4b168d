// The trend charts' export buttons: the records a chart holds, as CSV (time, then each fed
// channel as the measurement it plots, with its unit), and the chart as shown, as a PNG
// picture; each to a file the operator chooses. Owned by the session; window thread only.
#pragma once

#include <span>
#include <string>

#include "frontend/chart_contents.h"
#include "journal/file_export.h"

namespace orvane::ui {

// "time,gridPower [W],housePower [W],..." and one row per record, oldest first.
std::string ChartCsv(frontend::Chart chart, std::span<const frontend::ChartRecord> records);

class ChartExport {
  public:
    // Both must outlive this object.
    ChartExport(const journal::ExportServices& services, const frontend::ChartContents& charts);

    void saveRecords(frontend::Chart chart);
    void savePicture(frontend::Chart chart);

  private:
    journal::ExportServices s_;
    const frontend::ChartContents& charts_;
};

}  // namespace orvane::ui
