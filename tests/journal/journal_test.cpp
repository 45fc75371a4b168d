// The journal of the run: order, time stamps, the unit's identifier, the cap with its
// marker, clearing, and the CSV export as a standard parser reads it back.
#include "journal/journal.h"

#include <gtest/gtest.h>

#include <fstream>

#include "journal/journal_csv.h"
#include "support/fake_screen.h"
#include "support/python_csv.h"
#include "support/scratch_directory.h"

namespace orvane::journal {
namespace {

using testing::FakeClock;

class AJournal : public ::testing::Test {
  protected:
    void at(int second) { clock.time.second = second; }
    std::optional<testing::CsvRows> exported() {
        const std::string path = folder.file("journal.csv");
        std::ofstream(path, std::ios::binary) << JournalCsv(journal, language);
        return testing::ParsedByPythonCsv(path);
    }

    FakeClock clock;
    catalogue::Language language;
    Journal journal{clock, 3};
    testing::ScratchDirectory folder;
};

TEST_F(AJournal, listsNewestFirstWithTheTimeOfEachEventAndTheUnitOnceAnImportNamedIt) {
    at(1);
    journal.record(EventKind::linkStarted, "COM 1");
    journal.identifyUnit(4711);
    at(2);
    journal.record(EventKind::importDone, {});

    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal.newest(0).kind, EventKind::importDone);
    EXPECT_EQ(journal.newest(0).time.second, 2);
    EXPECT_EQ(journal.newest(0).unitId, 4711u);
    EXPECT_EQ(journal.newest(1).details, "COM 1");
    EXPECT_EQ(journal.newest(1).unitId, std::nullopt);
    EXPECT_FALSE(journal.dropped());
}

TEST_F(AJournal, atItsCapacityDropsTheOldestAndCountsThemUntilCleared) {
    for (int i = 1; i <= 5; ++i) {
        at(i);
        journal.record(EventKind::lampRaised, "lamp " + std::to_string(i));
    }
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal.newest(0).details, "lamp 5");
    EXPECT_EQ(journal.oldest(0).details, "lamp 3");
    ASSERT_TRUE(journal.dropped());
    EXPECT_EQ(journal.dropped()->count, 2u);
    EXPECT_EQ(journal.dropped()->newestTime.second, 2);

    journal.clear();
    EXPECT_EQ(journal.size(), 0u);
    EXPECT_FALSE(journal.dropped());
    journal.record(EventKind::linkStopped, {});
    EXPECT_EQ(journal.newest(0).kind, EventKind::linkStopped);
}

TEST(JournalCapacity, keepsAHundredThousandEventsAndMarksTheFirstOneDropped) {
    FakeClock clock;
    Journal journal(clock);
    for (int i = 0; i <= 100'000; ++i)
        journal.record(EventKind::commandSent, {});
    EXPECT_EQ(journal.size(), 100'000u);
    ASSERT_TRUE(journal.dropped());
    EXPECT_EQ(journal.dropped()->count, 1u);
}

TEST_F(AJournal, exportReadsBackOldestFirstWithStableKindsAndTextsInTheLanguageOfTheMoment) {
    clock.time.utcOffsetSeconds = 3600;
    at(1);
    journal.record(EventKind::lampRaised, "Mancanza Fase (Fase S)");
    at(2);
    journal.record(EventKind::parametersRefused, "Errore n\u00B0 3, \"Capacit\u00E0\"\nriga 2");
    journal.identifyUnit(7);
    at(3);
    journal.record(EventKind::communicationError, {});
    at(4);
    journal.record(EventKind::communicationOk, {});  // the first event goes
    language.LanguageIndex = catalogue::English;

    const auto rows = exported();
    ASSERT_TRUE(rows);
    const testing::CsvRows expected{
        {"time", "kind", "text", "unitId"},
        {"2024-12-09T14:05:01+01:00", "eventsDropped", "Older events dropped: 1", ""},
        {"2024-12-09T14:05:02+01:00", "parametersRefused",
         "Parameters refused: Errore n\u00B0 3, \"Capacit\u00E0\"\nriga 2", ""},
        {"2024-12-09T14:05:03+01:00", "communicationError", "Communication Error", "7"},
        {"2024-12-09T14:05:04+01:00", "communicationOk", "Comunication OK", "7"},
    };
    EXPECT_EQ(*rows, expected);
}

}  // namespace
}  // namespace orvane::journal
