// A whole program on one test's or benchmark's stack, built by the composition root exactly
// as the window builds it, over fakes: a recording screen, scripted message boxes and file
// dialogs, the poll timer as a flag, fixed clocks, the in-memory port, recorded waits, the
// real file system in a scratch working directory of the rig's own, and the serial devices
// in `devices`. A rig over a real line, or one whose screen must cost nothing, passes its
// own services in `Substitutes`; they must outlive the rig. Test thread only.
#pragma once

#include <vector>

#include "support/fake_screen.h"
#include "support/fake_serial_port.h"
#include "support/recording_backups.h"
#include "support/recording_snapshots.h"
#include "support/scratch_directory.h"
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
    std::vector<link::SerialDevice> devices;  // what the port list finds on the machine

    ui::ProgramServices services(const Substitutes& own = {}) {
        return {own.screen != nullptr ? *own.screen : screen,
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
    }
};

struct ProgramRig : FakeServices {
    explicit ProgramRig(const Substitutes& own = {}) : program(services(own)) {}
    ui::Program program;
};

}  // namespace orvane::testing
