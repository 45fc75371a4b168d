// The journal of a scripted session against the unit simulator, through the real port: a
// lamp the unit raises, a command and its effect, the unit going silent and coming back.
#include <gtest/gtest.h>

#include <algorithm>

#include "journal/journal.h"
#include "link/posix_serial_port.h"
#include "monitor/live_rig.h"
#include "support/unit_sim_process.h"

namespace orvane::journal {

namespace {

// The simulator and the termios port to it, there before the program that uses them.
struct SimulatorLine {
    testing::UnitSimProcess sim;
    link::PosixSerialPort line;
};

// The whole program over the real port to the simulator; its journal is the one the page
// shows.
struct SimSession : SimulatorLine, testing::MonitorRig {
    SimSession() : MonitorRig({.port = &line}) {
        if (sim.ready())
            sim.bindTo(ports, 0);
    }
    // Ticks until the journal's newest event is `kind` with `details`; false when it never
    // comes within far more ticks than a few poll cycles take.
    bool tickUntil(EventKind kind, std::string_view details = {}) {
        for (int i = 0; i < 400; ++i) {
            tick();
            for (std::size_t e = seen; e < journal.size(); ++e) {
                const JournalEvent& event = journal.oldest(e);
                if (event.kind == kind && (details.empty() || event.details == details)) {
                    seen = e + 1;
                    return true;
                }
            }
        }
        return false;
    }

    Journal& journal = program.journal;
    std::size_t seen = 0;
};

TEST(JournalAgainstTheSimulator, recordsLampsACommandAndALinkFaultInTheOrderTheyHappened) {
    SimSession s;
    ASSERT_TRUE(s.sim.ready()) << s.sim.error();
    s.control.StartLink();
    ASSERT_TRUE(s.link.IsPortOpen());
    ASSERT_TRUE(s.tickUntil(EventKind::linkStarted));

    ASSERT_TRUE(s.sim.control("charge-fault on"));
    EXPECT_TRUE(s.tickUntil(EventKind::lampRaised, "Fault in Carica"));
    s.commands.Bt_BloccoClick();
    EXPECT_TRUE(s.tickUntil(EventKind::commandSent, "Blocca Orvane"));
    EXPECT_TRUE(s.tickUntil(EventKind::lampRaised, "In blocco"));
    ASSERT_TRUE(s.sim.control("silent on"));
    EXPECT_TRUE(s.tickUntil(EventKind::communicationError));
    ASSERT_TRUE(s.sim.control("silent off"));
    EXPECT_TRUE(s.tickUntil(EventKind::communicationOk));
    ASSERT_TRUE(s.sim.control("charge-fault off"));
    EXPECT_TRUE(s.tickUntil(EventKind::lampCleared, "Fault in Carica"));
    s.control.StopLink();

    // The whole story, as the page lists it newest first.
    const std::vector<EventKind> story{EventKind::linkStarted,        EventKind::lampRaised,
                                       EventKind::commandRequested,   EventKind::commandSent,
                                       EventKind::communicationError, EventKind::communicationOk,
                                       EventKind::lampCleared,        EventKind::linkStopped};
    std::vector<EventKind> listed;
    for (std::size_t i = s.journal.size(); i-- > 0;)
        listed.push_back(s.journal.newest(i).kind);
    auto at = listed.begin();
    for (EventKind kind : story) {
        at = std::find(at, listed.end(), kind);
        ASSERT_NE(at, listed.end()) << WordOf(kind) << " missing or out of order";
    }
    EXPECT_EQ(s.journal.newest(0).kind, EventKind::linkStopped);
}

}  // namespace
}  // namespace orvane::journal
