// The charts' exports: the records a chart holds as CSV (time, then each channel the window
// feeds it, as the measurement it plots with its unit) read back by a standard parser, and
// the picture as shown; each outcome in the journal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "support/program_rig.h"
#include "support/python_csv.h"
#include "support/recorded_events.h"

namespace orvane::ui {
namespace {

using journal::EventKind;

// The records' times read as Central European winter time, whatever the machine's zone.
class InCentralEurope {
  public:
    InCentralEurope() {
        if (const char* tz = std::getenv("TZ"))
            saved_ = tz;
        ::setenv("TZ", "CET-1", 1);
        ::tzset();
    }
    ~InCentralEurope() {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

  private:
    std::optional<std::string> saved_;
};

class ChartExports : public ::testing::Test {
  protected:
    InCentralEurope zone;
    testing::ProgramRig rig;
    testing::JournalEvents events{rig.program.journal};
};

TEST_F(ChartExports, theRecordsAChartHoldsReadBackWithTheMeasurementEachChannelPlots) {
    constexpr std::int64_t noonUtc = 1733745600000;  // 2024-12-09 12:00:00 UTC
    rig.charts.records[frontend::Chart::Trifase] = {
        {noonUtc, {1500.5f, -20.25f, 0.1f}},
        {noonUtc + 1000, {1501.f, -20.f, 3e6f}},
    };
    rig.fileDialogs.chosen = rig.folder.file("phases");
    rig.program.chartExport.saveRecords(frontend::Chart::Trifase);

    EXPECT_EQ(rig.fileDialogs.saves.at(0).proposedName, "Orvane_Trifase_2024-12-09_14-05-33.csv");
    const auto rows = testing::ParsedByPythonCsv(rig.folder.file("phases.csv"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0], (std::vector<std::string>{"time", "phaseRPower [W]", "phaseSPower [W]",
                                                    "phaseTPower [W]"}));
    EXPECT_EQ((*rows)[1],
              (std::vector<std::string>{"2024-12-09T13:00:00+01:00", "1500.5", "-20.25", "0.1"}));
    EXPECT_EQ((*rows)[2],
              (std::vector<std::string>{"2024-12-09T13:00:01+01:00", "1501", "-20", "3000000"}));
    EXPECT_EQ(
        events.all(),
        (std::vector<testing::Event>{{EventKind::chartExported, rig.folder.file("phases.csv")}}));
}

TEST_F(ChartExports, aPictureIsWrittenAsShownOrTheOperatorIsToldWhyNot) {
    rig.charts.picture = std::string("\x89PNG\r\n\x1a\n", 8) + "pixels";
    rig.fileDialogs.chosen = rig.folder.file("trend.png");
    rig.program.chartExport.savePicture(frontend::Chart::Trend1);
    EXPECT_EQ(rig.folder.read("trend.png"), rig.charts.picture);

    rig.charts.picture.clear();  // the chart could not be drawn
    rig.fileDialogs.chosen = rig.folder.file("none.png");
    rig.program.chartExport.savePicture(frontend::Chart::Trend1);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text,
              "Impossibile scrivere il file: " + rig.folder.file("none.png"));
    EXPECT_EQ(events.kinds(), (std::vector{EventKind::chartExported, EventKind::fileExportFailed}));

    rig.fileDialogs.chosen.reset();  // cancelled: nothing written, nothing journaled
    rig.program.chartExport.saveRecords(frontend::Chart::Trend1);
    EXPECT_EQ(events.all().size(), 2u);
}

}  // namespace
}  // namespace orvane::ui
