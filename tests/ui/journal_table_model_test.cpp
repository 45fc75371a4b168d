// The journal page's table over the journal: newest first, the marker row once events were
// dropped, headlines in the language of the moment, and every change announced so that a
// view stays consistent (Qt's model tester checks each signal against the rows it reads).
#include "ui/window/journal_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "support/fake_screen.h"

namespace orvane::ui {
namespace {

class JournalTable : public ::testing::Test {
  protected:
    QString cell(int row, int column) const {
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    }
    void record(int second, journal::EventKind kind, std::string_view details) {
        clock.time.second = second;
        journal.record(kind, details);
    }

    testing::FakeClock clock;
    catalogue::Language language;
    journal::Journal journal{clock, 3};
    JournalTableModel model{journal, language};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(JournalTable, listsTheNewestEventFirstWithItsHeadlineInTheCurrentLanguage) {
    record(1, journal::EventKind::linkStarted, "COM 1");
    record(2, journal::EventKind::parametersRefused, "first line\nsecond line");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(cell(0, JournalTableModel::TimeColumn), "2024-12-09 14:05:02");
    EXPECT_EQ(cell(0, JournalTableModel::EventColumn), "Parametri rifiutati");
    EXPECT_EQ(cell(0, JournalTableModel::DetailsColumn), "first line second line");
    EXPECT_EQ(model.data(model.index(0, JournalTableModel::DetailsColumn), Qt::ToolTipRole),
              "first line\nsecond line");
    EXPECT_EQ(cell(1, JournalTableModel::DetailsColumn), "COM 1");

    language.LanguageIndex = catalogue::English;
    model.languageChanged();
    EXPECT_EQ(cell(1, JournalTableModel::EventColumn), "Link started");
    EXPECT_EQ(model.headerData(JournalTableModel::EventColumn, Qt::Horizontal, Qt::DisplayRole),
              "Event");
}

TEST_F(JournalTable, atTheJournalsCapacityKeepsItsNewestEventsAndAMarkerRowLast) {
    for (int i = 1; i <= 5; ++i)
        record(i, journal::EventKind::lampRaised, "lamp " + std::to_string(i));
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(0, JournalTableModel::DetailsColumn), "lamp 5");
    EXPECT_EQ(cell(2, JournalTableModel::DetailsColumn), "lamp 3");
    EXPECT_EQ(cell(3, JournalTableModel::EventColumn), "Eventi pi\u00F9 vecchi non conservati");
    EXPECT_EQ(cell(3, JournalTableModel::DetailsColumn), "2");
    EXPECT_EQ(cell(3, JournalTableModel::TimeColumn), "2024-12-09 14:05:02");

    journal.clear();
    EXPECT_EQ(model.rowCount(), 0);
    record(9, journal::EventKind::linkStopped, {});
    EXPECT_EQ(model.rowCount(), 1);
}

}  // namespace
}  // namespace orvane::ui
