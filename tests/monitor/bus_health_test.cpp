// The bus health: what it counts from the exchanges and the poll cycles, when a start clears
// it, and the strip line and tip that show it in both languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "live_rig.h"
#include "monitor/bus_health.h"
#include "monitor/bus_health_line.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

using namespace std::chrono_literals;
using link::ExchangeOutcome;
using enum link::ExchangeOutcome;

struct Health {
    testing::FakeMonotonicClock clock;
    testing::FakeClock localClock;
    BusHealth health{clock, localClock};

    void exchange(ExchangeOutcome outcome, std::chrono::microseconds took) {
        clock.advance(took);
        health.exchangeFinished(outcome, took);
    }
};

TEST(BusHealth, countsEachOutcomeKeepsTheLongestExchangeAndWhenTheLastFailureEnded) {
    Health h;
    h.exchange(Answered, 20ms);
    h.localClock.time = {2026, 12, 10, 18, 5, 1};
    h.exchange(NoAnswer, 70ms);
    h.exchange(Answered, 38ms);
    h.localClock.time = {2026, 12, 10, 18, 5, 9};
    h.exchange(WrongAnswer, 5ms);
    h.exchange(BadFrame, 12ms);
    h.localClock.time = {2026, 12, 10, 18, 6, 0};
    h.exchange(Answered, 21ms);

    const BusHealthFigures& f = h.health.figures();
    EXPECT_EQ(f.count(Answered), 3u);
    EXPECT_EQ(f.count(NoAnswer), 1u);
    EXPECT_EQ(f.count(BadFrame), 1u);
    EXPECT_EQ(f.count(WrongAnswer), 1u);
    EXPECT_EQ(f.answeredPerMille(), 500u);
    EXPECT_EQ(f.longestExchange, 70ms);
    ASSERT_TRUE(f.lastFailure);
    EXPECT_EQ(f.lastFailure->second, 9) << "the good exchange after it does not move it";
}

TEST(BusHealth, anyFailureKeepsTheShareBelowAHundredPercent) {
    Health h;
    EXPECT_FALSE(h.health.figures().answeredPerMille()) << "no exchange yet";
    for (int i = 0; i < 1999; ++i)
        h.health.exchangeFinished(Answered, 1ms);
    h.health.exchangeFinished(NoAnswer, 1ms);
    EXPECT_EQ(h.health.figures().answeredPerMille(), 999u);
}

TEST(BusHealth, thePeriodRunsFromOneCompletedCycleToTheNext) {
    Health h;
    h.health.cycleCompleted();
    EXPECT_FALSE(h.health.figures().cyclePeriod) << "one completion measures nothing";
    h.clock.advance(452ms);
    h.health.cycleCompleted();
    EXPECT_EQ(h.health.figures().cyclePeriod, 452ms);
    h.clock.advance(530ms);
    h.health.cycleCompleted();
    EXPECT_EQ(h.health.figures().cyclePeriod, 530ms) << "the latest cycle";
}

TEST(BusHealth, aResetClearsEveryFigureAndTheTimeStoppedIsNoCycle) {
    Health h;
    h.health.cycleCompleted();
    h.exchange(NoAnswer, 70ms);
    h.health.cycleCompleted();
    h.health.reset();
    EXPECT_EQ(h.health.figures().total(), 0u);
    EXPECT_EQ(h.health.figures().longestExchange, 0us);
    EXPECT_FALSE(h.health.figures().lastFailure);
    EXPECT_FALSE(h.health.figures().cyclePeriod);
    h.clock.advance(1h);  // stopped meanwhile
    h.health.cycleCompleted();
    EXPECT_FALSE(h.health.figures().cyclePeriod);
}

// The line and its tip, as the window shows them.
struct LineCase {
    const char* name;
    int language;
    std::vector<std::pair<ExchangeOutcome, int>> exchanges;  // outcome, count
    bool twoCycles;                                          // 452 ms apart
    const char* line;
    const char* details;
};

class BusLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(BusLine, showsTheShareAndThePeriodWithTheDetailsInItsTip) {
    const LineCase& c = GetParam();
    Health h;
    h.localClock.time = {2026, 3, 4, 9, 7, 5};
    if (c.twoCycles) {
        h.health.cycleCompleted();
        h.clock.advance(452ms);
        h.health.cycleCompleted();
    }
    for (const auto& [outcome, count] : c.exchanges)
        for (int i = 0; i < count; ++i)
            h.health.exchangeFinished(outcome, outcome == NoAnswer ? 70ms : 37600us);
    const catalogue::Language language{c.language};
    testing::FakeScreen screen;
    BusHealthLine line(h.health, screen, language);
    line.refresh();
    EXPECT_EQ(screen.text(controls::Lb_Stato_Bus), c.line);
    EXPECT_EQ(screen.tips[controls::Lb_Stato_Bus], c.details);
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, BusLine,
    ::testing::Values(
        LineCase{"italianBeforeAnyExchange",
                 catalogue::Italian,
                 {},
                 false,
                 "Bus: nessuno scambio",
                 "Stato del bus dall'ultimo avvio\nScambi riusciti: 0\nSenza risposta: 0\n"
                 "Lunghezza o checksum errati: 0\nFunzione errata o risposta corta: "
                 "0\nRiconnessioni: 0\n"
                 "Periodo del ciclo: non ancora misurato\nScambio pi\u00F9 lungo: 0 ms\n"
                 "Ultimo errore: nessuno"},
        LineCase{"englishBeforeAnyExchange",
                 catalogue::English,
                 {},
                 false,
                 "Bus: no exchange yet",
                 "Bus health since the last start\nExchanges answered: 0\nNo answer: 0\n"
                 "Bad length or checksum: 0\nWrong function or short answer: 0\nReconnects: 0\n"
                 "Poll cycle period: not measured yet\nLongest exchange: 0 ms\n"
                 "Last failure: none"},
        LineCase{"italianWithFailures",
                 catalogue::Italian,
                 {{Answered, 996}, {NoAnswer, 2}, {BadFrame, 1}, {WrongAnswer, 1}},
                 true,
                 "Bus 99.6% \u00B7 452 ms/ciclo",
                 "Stato del bus dall'ultimo avvio\nScambi riusciti: 996\nSenza risposta: 2\n"
                 "Lunghezza o checksum errati: 1\nFunzione errata o risposta corta: "
                 "1\nRiconnessioni: 0\n"
                 "Periodo del ciclo: 452 ms\nScambio pi\u00F9 lungo: 70 ms\n"
                 "Ultimo errore: 04/03/2026 09:07:05"},
        LineCase{"englishAllAnsweredBeforeTheSecondCycle",
                 catalogue::English,
                 {{Answered, 5}},
                 false,
                 "Bus 100.0%",
                 "Bus health since the last start\nExchanges answered: 5\nNo answer: 0\n"
                 "Bad length or checksum: 0\nWrong function or short answer: 0\nReconnects: 0\n"
                 "Poll cycle period: not measured yet\nLongest exchange: 38 ms\n"
                 "Last failure: none"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BusLine, writesTheScreenOnlyWhenWhatItShowsChanged) {
    Health h;
    catalogue::Language language;
    testing::FakeScreen screen;
    BusHealthLine line(h.health, screen, language);
    line.refresh();
    const long first = screen.writes;
    line.refresh();
    EXPECT_EQ(screen.writes, first);
    language.LanguageIndex = catalogue::English;
    line.refresh();
    EXPECT_EQ(screen.text(controls::Lb_Stato_Bus), "Bus: no exchange yet");
}

// The poll cycle tells its watcher when a pass is complete: back at the firmware step after
// the idle or command step, never when five failures restart it.
TEST(BusHealthInTheProgram, countsThePollAndMeasuresTheCycleInTicks) {
    testing::LiveRig rig;
    rig.control.StartLink();
    rig.tick(12);  // two cycles of five exchanges and an idle tick
    const BusHealthFigures& f = rig.program.busHealth.figures();
    EXPECT_EQ(f.count(Answered), 10u);
    EXPECT_EQ(f.cyclePeriod, 6 * 75ms);

    rig.commands.Bt_BloccoClick();  // the operating command and the idle tick after it
    rig.tick(7);
    EXPECT_EQ(f.cyclePeriod, 7 * 75ms);

    rig.unit.silent = true;
    rig.tick(20);  // restarts after five failures complete no cycle
    EXPECT_EQ(f.count(NoAnswer), 20u);
    EXPECT_EQ(f.cyclePeriod, 7 * 75ms);
    rig.unit.silent = false;
    rig.tick(6);
    EXPECT_EQ(f.cyclePeriod, 26 * 75ms) << "the silent spell lengthened that cycle";
}

TEST(BusHealthInTheProgram, eachStartCountsAfreshAndAFailedOpenKeepsTheFigures) {
    testing::LiveRig rig;
    rig.unit.silent = true;
    rig.control.StartLink();
    rig.tick(3);
    rig.control.StopLink();
    rig.port.failNextOpen(link::OpenError::Busy);
    rig.control.StartLink();
    EXPECT_EQ(rig.program.busHealth.figures().count(NoAnswer), 3u);
    rig.control.StartLink();
    EXPECT_EQ(rig.program.busHealth.figures().total(), 0u);
}

}  // namespace
}  // namespace orvane::monitor
