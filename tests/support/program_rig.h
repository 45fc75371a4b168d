// A whole program on one test's or benchmark's stack, built by the composition root exactly
// as the window builds it, over fakes: a recording screen, scripted message boxes and file
// dialogs, the poll timer as a flag, fixed clocks, the in-memory port, recorded waits, a
// recording progress dialog, the
// real file system in a scratch working directory of the rig's own, and the serial devices
// in `devices`. A rig over a real line, or one whose screen must cost nothing, passes its
// own services in `Substitutes`; they must outlive the rig. Test thread only.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "support/fake_progress.h"
#include "support/fake_screen.h"
#include "support/fake_serial_port.h"
#include "support/recording_backups.h"
#include "support/recording_snapshots.h"
#include "support/scratch_directory.h"
#include "support/simulated_loop.h"
#include "support/storage_fakes.h"
#include "ui/core/program.h"

namespace orvane::testing {

// Services that take the place of the rig's fakes; each left empty is the fake.
struct Substitutes {
    frontend::Screen* screen = nullptr;
    const frontend::ScreenReader* input = nullptr;
    link::SerialPort* port = nullptr;
    link::Delay* delay = nullptr;
    const monitor::LocalClock* clock = nullptr;
    // The reset snapshots and the export's backups recorded (`snapshots`, `backups`) instead
    // of written to files.
    bool recordedStores = false;
    // The link runs on a simulated event loop over the in-memory port (`FakeServices::loop`)
    // instead of blocking. Suites built with ORVANE_EVENT_DRIVEN_RIGS start from this.
#ifdef ORVANE_EVENT_DRIVEN_RIGS
    bool eventDriven = true;
#else
    bool eventDriven = false;
#endif
    // A real loop (over a real `port`) for the link to run on; the test turns it through
    // `FakeServices::runOwnLoop`.
    link::LinkEvents* linkEvents = nullptr;
};

// Every service of the program as a fake.
struct FakeServices {
    ScratchDirectory folder;
    FakeWorkingDirectory cwd{folder.path()};
    FakeFileDialogs fileDialogs{cwd};
    FaultyFileSystem files;
    FakeScreen screen;
    FakeCharts charts;
    FakeOperator dialogs;
    FakePollTimer timer;
    FakeClock clock;
    FakeMonotonicClock steadyClock;  // moves only when the test moves it
    FakeSerialPort port;
    FakeDelay delay;
    RecordingSnapshots snapshots;
    RecordingBackups backups;
    FakeProgress progress;
    std::vector<link::SerialDevice> devices;  // what the port list finds on the machine
    std::optional<SimulatedLoop> loop;        // with an event-driven link only
    // Turns a loop of the test's own (`Substitutes::linkEvents`) until the link is idle.
    std::function<void()> runOwnLoop;

    // Runs the link's loop until the exchange or pause under way has ended (nothing without a
    // loop: the blocking link has ended it before returning).
    void settle() {
        if (loop)
            loop->runUntilIdle();
        else if (runOwnLoop)
            runOwnLoop();
    }

    ui::ProgramServices services(const Substitutes& own = {}) {
        if (own.eventDriven && own.port == nullptr)
            loop.emplace(port, own.delay == nullptr ? &delay : nullptr);
        ui::ProgramServices s{own.screen != nullptr ? *own.screen : screen,
                              own.input != nullptr ? *own.input : screen,
                              charts,
                              dialogs,
                              fileDialogs,
                              timer,
                              own.clock != nullptr ? *own.clock : clock,
                              steadyClock,
                              own.port != nullptr ? *own.port : port,
                              own.delay != nullptr ? *own.delay : delay,
                              files,
                              cwd,
                              [this] { return devices; },
                              own.recordedStores ? &snapshots : nullptr,
                              own.recordedStores ? &backups : nullptr};
        s.linkEvents = loop ? &*loop : own.linkEvents;
        s.progress = &progress;
        return s;
    }
};

struct ProgramRig : FakeServices {
    explicit ProgramRig(const Substitutes& own = {}) : program(services(own)) {}
    ui::Program program;
};

}  // namespace orvane::testing
