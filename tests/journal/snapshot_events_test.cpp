// What the journal learns from the snapshots: lamps that change, with their captions in the
// current language, and the link's condition as it changes.
#include "journal/snapshot_events.h"

#include <gtest/gtest.h>

#include "support/recorded_events.h"

namespace orvane::journal {
namespace {

using monitor::LinkCondition;
using monitor::UnitLamp;
using testing::Event;

monitor::UnitSnapshot Snapshot(LinkCondition condition, std::initializer_list<UnitLamp> lit = {}) {
    monitor::UnitSnapshot s;
    s.link.condition = condition;
    for (UnitLamp lamp : lit)
        s.lamps[static_cast<std::size_t>(lamp)] = true;
    s.firmware = {1, 8, 0, false};
    return s;
}

class SnapshotJournal : public ::testing::Test {
  protected:
    std::vector<Event> after(const monitor::UnitSnapshot& snapshot) {
        events.take(snapshot);
        return recorded.take();
    }
    testing::RecordedEvents recorded;
    catalogue::Language language;
    SnapshotEvents events{recorded, language};
};

TEST_F(SnapshotJournal, aLampIsJournaledWhenItLightsAndWhenItGoesOutInTheLanguageOfTheMoment) {
    using enum UnitLamp;
    EXPECT_EQ(after(Snapshot(LinkCondition::ok)), std::vector<Event>{});
    EXPECT_EQ(after(Snapshot(LinkCondition::ok, {thermalAlarm, noPhaseS})),
              (std::vector<Event>{{EventKind::lampRaised, "Allarme Termico"},
                                  {EventKind::lampRaised, "Mancanza Fase (Fase S)"}}));
    EXPECT_EQ(after(Snapshot(LinkCondition::ok, {thermalAlarm, noPhaseS})), std::vector<Event>{});
    language.LanguageIndex = catalogue::English;
    EXPECT_EQ(after(Snapshot(LinkCondition::ok, {noPhaseS, idDataError})),
              (std::vector<Event>{{EventKind::lampCleared, "Thermal Alarm"},
                                  {EventKind::lampRaised, "Id Data Error  Orvane"}}));
}

TEST_F(SnapshotJournal, linkErrorsAreJournaledOnceEachAndOkOnlyWhenAnErrorIsOver) {
    using C = LinkCondition;
    struct Step {
        C condition;
        std::vector<Event> expected;
    };
    const Step steps[] = {
        {C::starting, {}},
        {C::ok, {}},
        {C::communicationError, {{EventKind::communicationError, ""}}},
        {C::communicationError, {}},
        {C::communicationAndFirmwareError, {{EventKind::firmwareError, "1.8.0"}}},
        {C::firmwareError, {}},
        {C::ok, {{EventKind::communicationOk, ""}}},
        {C::ok, {}},
        {C::firmwareError, {{EventKind::firmwareError, "1.8.0"}}},
        // A stop and a new start: what still fails is reported again.
        {C::starting, {}},
        {C::firmwareError, {{EventKind::firmwareError, "1.8.0"}}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i)
        EXPECT_EQ(after(Snapshot(steps[i].condition)), steps[i].expected) << "step " << i;
}

}  // namespace
}  // namespace orvane::journal
