#include "ui/core/chart_export.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "journal/csv.h"
#include "journal/recording_columns.h"
#include "ui/core/snapshot_view_table.h"

namespace orvane::ui {

namespace {

// The channels the window feeds on `chart`, in channel order.
std::vector<FeedTrend> FedChannels(frontend::Chart chart) {
    std::vector<FeedTrend> fed;
    for (const SnapshotWrite& write : SnapshotWrites)
        if (const auto* feed = std::get_if<FeedTrend>(&write); feed && feed->chart == chart)
            fed.push_back(*feed);
    std::sort(fed.begin(), fed.end(),
              [](const FeedTrend& a, const FeedTrend& b) { return a.channel < b.channel; });
    return fed;
}

std::string_view FilePrefix(frontend::Chart chart) {
    return chart == frontend::Chart::Trend1 ? "Orvane_Trend" : "Orvane_Trifase";
}

}  // namespace

std::string ChartCsv(frontend::Chart chart, std::span<const frontend::ChartRecord> records) {
    const std::vector<FeedTrend> channels = FedChannels(chart);
    std::vector<std::string> fields{"time"};
    for (const FeedTrend& c : channels)
        fields.push_back(journal::MeasurementColumn(c.value));
    std::string csv = journal::CsvLine(fields);
    for (const frontend::ChartRecord& record : records) {
        fields.assign(1, journal::IsoLocalTime(monitor::LocalTimeAt(record.timeMs / 1000)));
        for (const FeedTrend& c : channels)
            fields.push_back(
                journal::CsvNumber(record.values[static_cast<std::size_t>(c.channel - 1)]));
        csv += journal::CsvLine(fields);
    }
    return csv;
}

ChartExport::ChartExport(const journal::ExportServices& services,
                         const frontend::ChartContents& charts)
    : s_(services), charts_(charts) {}

void ChartExport::saveRecords(frontend::Chart chart) {
    const std::optional<std::string> path =
        journal::ChooseFileToWrite(s_, FilePrefix(chart), "csv");
    if (!path)
        return;
    const std::vector<frontend::ChartRecord> records = charts_.heldRecords(chart);
    journal::WriteWholeFile(s_, *path, ChartCsv(chart, records), journal::EventKind::chartExported);
}

void ChartExport::savePicture(frontend::Chart chart) {
    const std::optional<std::string> path =
        journal::ChooseFileToWrite(s_, FilePrefix(chart), "png");
    if (!path)
        return;
    const std::string png = charts_.pictureAsPng(chart);
    if (png.empty()) {
        journal::ReportUnwritable(s_, *path, journal::EventKind::fileExportFailed);
        return;
    }
    journal::WriteWholeFile(s_, *path, png, journal::EventKind::chartExported);
}

}  // namespace orvane::ui
