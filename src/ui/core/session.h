// Everything the main window owns for the whole run, outside its controls: the device link,
// the poll state and decoded data, the parameter set, the program settings and the language,
// with the objects that work on them. It also owns the order in which the program comes up
// (FormCreate, FormShow) and goes down (FormCloseQuery), and what the program remembers of
// the run: the journal (fed by every operation and by each snapshot), the recording and the
// exports. The Qt window builds one, passes its own implementations of the services and
// forwards its events; tests pass fakes.
// Window thread only.
#pragma once

#include <functional>
#include <vector>

#include "catalogue/message_catalogue.h"
#include "frontend/chart_contents.h"
#include "frontend/file_dialogs.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "journal/file_export.h"
#include "journal/journal.h"
#include "journal/journal_buttons.h"
#include "journal/recorder.h"
#include "journal/snapshot_events.h"
#include "link/delay.h"
#include "link/device_link.h"
#include "link/port_table.h"
#include "link/serial_port.h"
#include "monitor/device_commands.h"
#include "monitor/link_control.h"
#include "monitor/local_clock.h"
#include "monitor/poll_state.h"
#include "monitor/poll_timer.h"
#include "monitor/realtime_data.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_defaults.h"
#include "params/parameter_editor.h"
#include "params/parameter_export.h"
#include "params/parameter_import.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "storage/file_system.h"
#include "storage/parameter_files.h"
#include "storage/program_settings.h"
#include "storage/working_directory.h"
#include "ui/core/chart_export.h"
#include "ui/core/live_display.h"
#include "ui/core/window_frame.h"

namespace orvane::ui {

// The window's side of the session. Every reference must outlive the session.
struct SessionServices {
    frontend::Screen& screen;
    const frontend::ScreenReader& input;
    frontend::OperatorDialogs& dialogs;
    frontend::FileDialogs& fileDialogs;
    WindowFrame& frame;
    monitor::PollTimer& pollTimer;
    const monitor::LocalClock& clock;
    link::SerialPort& port;
    link::Delay& delay;
    storage::FileSystem& files;
    storage::WorkingDirectory& workingDirectory;
    const frontend::ChartContents& charts;
    // The serial devices present now, asked once at start-up for the port list.
    std::function<std::vector<link::SerialDevice>()> presentDevices;
};

class Session {
  public:
    explicit Session(const SessionServices& services);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The window exists with all its controls: settings read and applied, port list and skin
    // list filled, the stored skin applied.
    void FormCreate();
    // The window is shown for the first time: defaults in the parameter fields, texts of the
    // language, link, command and filter state at their start values.
    void FormShow();
    // The operator closes the window: port closed, lamp and timer off, position stored and
    // settings written. Asks nothing and always lets the window close: a failed save has
    // already been reported, and keeping the operator in the program would not help.
    bool FormCloseQuery();

    void Cb_Sel_LinguaChange();  // the operator picked a language
    void Combo_SkinChange();     // the operator picked a skin

    // The handlers of the link, the commands and the parameter buttons.
    void Timer1Timer() { live_.Timer1Timer(); }
    monitor::LinkControl& linkControl() { return linkControl_; }
    monitor::DeviceCommands& commands() { return commands_; }
    params::ParameterImport& parameterImport() { return import_; }
    params::ParameterExport& parameterExport() { return export_; }
    params::ParameterDefaults& parameterDefaults() { return defaults_; }
    params::FreeConfigurationLayout& freeConfiguration() { return layout_; }
    storage::ParameterFiles& parameterFiles() { return files_; }
    journal::Recorder& recorder() { return recorder_; }
    journal::JournalButtons& journalButtons() { return journalButtons_; }
    ChartExport& chartExport() { return chartExport_; }
    journal::Journal& journal() { return journal_; }

    const catalogue::Language& language() const { return language_; }
    const storage::ProgramSettings& settings() const { return settings_; }
    const link::PortTable& ports() const { return ports_; }
    const link::DeviceLink& link() const { return link_; }
    const monitor::PollState& poll() const { return poll_; }
    const params::ParameterSet& parameters() const { return parameters_; }

  private:
    void fillPortList();
    void applySkinAt(int index);  // position in `SkinNames`
    void applyLanguage();

    SessionServices s_;
    catalogue::Language language_;
    journal::Journal journal_;
    journal::ExportServices exports_;
    journal::SnapshotEvents snapshotEvents_;
    journal::Recorder recorder_;
    journal::JournalButtons journalButtons_;
    ChartExport chartExport_;
    storage::ProgramSettings settings_;
    link::PortTable ports_;
    link::DeviceLink link_;
    monitor::PollState poll_;
    monitor::RealtimeData data_;
    LiveDisplay live_;
    monitor::LinkControl linkControl_;
    monitor::DeviceCommands commands_;
    params::ParameterSet parameters_;
    params::FreeConfigurationLayout layout_;
    params::ParameterEditor editor_;
    params::ParameterDefaults defaults_;
    params::TransferContext transfer_;
    params::ParameterImport import_;
    params::ParameterExport export_;
    storage::SettingsStore settingsStore_;
    storage::ParameterFiles files_;
};

}  // namespace orvane::ui
