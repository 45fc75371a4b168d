// The composition root: the program's whole object graph, built from the services the
// outside world gives it. Every object of the program is constructed here and only here, in
// the order the members stand, each handed the others it works with; adding a constructor
// parameter to a core class touches this file alone. No Qt: the window (through its
// session), the test rigs, the benchmarks and a program without a window each build one
// with their own services (a windowless one gives a `frontend::NullScreen`). It lives beside
// the window's Qt-free presenter, which it builds over the screen it is given; everything it
// uses lies below this folder.
//
// The program owns every member for its whole life; the services are borrowed and must
// outlive it. Window thread only (the thread that runs the handlers).
#pragma once

#include <functional>
#include <vector>

#include "catalogue/message_catalogue.h"
#include "frontend/chart_contents.h"
#include "frontend/file_dialogs.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "frontend/transfer_progress.h"
#include "journal/file_export.h"
#include "journal/journal.h"
#include "journal/journal_buttons.h"
#include "journal/recorder.h"
#include "journal/snapshot_events.h"
#include "link/delay.h"
#include "link/device_link.h"
#include "link/monotonic_clock.h"
#include "link/port_table.h"
#include "link/serial_port.h"
#include "monitor/bus_health.h"
#include "monitor/bus_health_line.h"
#include "monitor/device_commands.h"
#include "monitor/link_control.h"
#include "monitor/local_clock.h"
#include "monitor/poll_state.h"
#include "monitor/poll_timer.h"
#include "monitor/realtime_data.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_compare.h"
#include "params/parameter_defaults.h"
#include "params/parameter_editor.h"
#include "params/parameter_export.h"
#include "params/parameter_import.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "params/range_marks.h"
#include "storage/file_system.h"
#include "storage/parameter_files.h"
#include "storage/program_settings.h"
#include "storage/safe_write_files.h"
#include "storage/working_directory.h"
#include "ui/core/chart_export.h"
#include "ui/core/live_display.h"

namespace orvane::ui {

// What the program needs from outside: the window (or a stand-in), the operator, the
// machine. Plain references; each must outlive the program.
struct ProgramServices {
    frontend::Screen& screen;
    const frontend::ScreenReader& input;
    const frontend::ChartContents& charts;  // what the trend charts hold and show
    frontend::OperatorDialogs& dialogs;
    frontend::FileDialogs& fileDialogs;
    monitor::PollTimer& pollTimer;
    const monitor::LocalClock& clock;
    const link::MonotonicClock& monotonicClock;  // times the exchanges and the poll cycles
    link::SerialPort& port;
    link::Delay& delay;
    storage::FileSystem& files;
    storage::WorkingDirectory& workingDirectory;
    // The serial devices present now, for the port list; empty: none are looked for.
    std::function<std::vector<link::SerialDevice>()> presentDevices;
    // Where the resets keep the last values received and the export the unit's memory;
    // nothing: the program's own files under the working directory.
    monitor::ResetSnapshots* resetSnapshots = nullptr;
    params::UnitBackups* unitBackups = nullptr;
    // The loop that moves the link's exchanges on without blocking; nothing: every exchange
    // blocks until its answer is in (the reference path, and programs without a loop).
    link::LinkEvents* linkEvents = nullptr;
    // The dialog the transfers show while they run; nothing: none.
    frontend::TransferProgress* progress = nullptr;
    // Further takers of each tick's snapshot, after the window's presenter (a program
    // without a window reads the unit through them).
    std::vector<monitor::SnapshotSink*> snapshotSinks = {};
};

// The members are the graph itself, public so that the window's sequences, the handlers and
// the tests reach each object by its plain name. They are built in the order they stand.
class Program {
  public:
    explicit Program(const ProgramServices& services);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const ProgramServices services;

    // The program's state for the whole run.
    catalogue::Language language;
    storage::ProgramSettings settings;
    link::PortTable ports;
    link::DeviceLink link;
    monitor::PollState poll;
    monitor::RealtimeData data;
    params::ParameterSet parameters;
    monitor::BusHealth busHealth;  // told of every exchange by the link, of every cycle

    // What the program remembers of the run: the journal, fed by every operation below and
    // by each snapshot; the recording; the exports of the journal and the charts.
    journal::Journal journal;
    journal::ExportServices exports;
    journal::SnapshotEvents snapshotEvents;
    journal::Recorder recorder;
    journal::JournalButtons journalButtons;
    ChartExport chartExport;

    // The objects that work on it.
    LiveDisplay live;  // Timer1Timer: the unit's tick, its presenter, the PC clock
    monitor::LinkControl linkControl;
    monitor::BusHealthLine busLine;  // refreshed by the window a few times a second
    storage::SnapshotFiles snapshotFiles;
    monitor::ResetSnapshots& snapshots;  // the files unless the services bring a store
    monitor::DeviceCommands commands;
    params::FreeConfigurationLayout freeConfiguration;
    params::ParameterEditor editor;
    params::RangeMarks marks;
    params::ParameterDefaults defaults;
    frontend::NoProgress noProgress;  // for a program whose services bring no dialog
    params::TransferContext transfer;
    params::ParameterImport parameterImport;
    storage::BackupFiles backupFiles;
    params::UnitBackups& backups;  // the files unless the services bring a store
    params::ParameterExport parameterExport;
    params::ParameterCompare parameterCompare;
    storage::SettingsStore settingsStore;
    storage::ParameterFiles parameterFiles;
};

}  // namespace orvane::ui
