// ports, info, clock sync and the command buttons.
#include <array>

#include "cli/jobs.h"
#include "cli/polling.h"
#include "cli/snapshot_text.h"
#include "journal/snapshot_events.h"
#include "monitor/clock_setting.h"
#include "monitor/unit_snapshot_tables.h"

namespace orvane::cli {

namespace {

namespace controls = frontend::controls;
using monitor::CommandRequest;
using monitor::DeviceCommands;

struct CommandButton {
    std::string_view name;
    void (DeviceCommands::*press)();
    bool CommandRequest::*flag;
};

constexpr std::array<CommandButton, std::size(CommandNames)> CommandButtons{{
    {CommandNames[0], &DeviceCommands::Bt_BloccoClick, &CommandRequest::BlockRequest},
    {CommandNames[1], &DeviceCommands::Bt_RiavvioClick, &CommandRequest::RestartRequest},
    {CommandNames[2], &DeviceCommands::Bt_Carica_CompletaClick, &CommandRequest::FullChargeRequest},
    {CommandNames[3], &DeviceCommands::Bt_Azzera_All_CaricaClick,
     &CommandRequest::ChargeFaultResetRequest},
    {CommandNames[4], &DeviceCommands::Bt_Cambio_BatteriaClick,
     &CommandRequest::BatteryResetRequest},
    {CommandNames[5], &DeviceCommands::Bt_Reset_AccumuloClick,
     &CommandRequest::StorageResetRequest},
}};

// Presses the button, then ticks until the cycle has sent its command and the unit
// answered (the flag is down again). Refusals and a No end the job with what the operator
// was told.
ExitStatus PressAndSend(HeadlessProgram& headless, const CommandButton& button,
                        const std::function<void()>& beforeEachTick = {}) {
    ui::Program& p = headless.program();
    (p.commands.*button.press)();
    const bool& raised = p.poll.Commands.*button.flag;
    if (!raised) {
        if (headless.dialogs().declined())
            return ExitStatus::cancelled;
        return ExitStatus::incompatibleFirmware;  // the only refusal while the link runs
    }
    if (beforeEachTick)
        beforeEachTick();
    bool failed = false;
    TickUntil(headless, [&] {
        failed = p.poll.LinkErrorFlag;
        if (!failed && raised && beforeEachTick)
            beforeEachTick();
        return failed || !raised;
    });
    if (failed || raised) {
        headless.dialogs().inform(p.language.text(catalogue::row::CommunicationError));
        return ExitStatus::noAnswer;
    }
    return ExitStatus::done;
}

std::string ClockSettingText(const monitor::ClockSetting& s) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", 2000 + s[2], s[1], s[0], s[3],
                  s[4], s[5]);
    return text;
}

}  // namespace

ExitStatus RunPorts(HeadlessProgram& headless) {
    const ui::Program& p = headless.program();
    std::ostream& out = headless.terminal().out;
    for (int index = 0; index < link::PortCount; ++index) {
        const std::optional<std::string> path = p.ports.devicePath(index);
        out << link::PortTable::PortName(index) << '\t'
            << (path ? *path : std::string(p.language.text(catalogue::row::NoDevice))) << '\t'
            << p.ports.description(index) << '\n';
    }
    return ExitStatus::done;
}

ExitStatus RunInfo(HeadlessProgram& headless) {
    if (const ExitStatus started = StartPolling(headless); started != ExitStatus::done)
        return started;
    if (const ExitStatus round = AwaitFullRound(headless, true); round != ExitStatus::done)
        return round;
    const ui::Program& p = headless.program();
    const catalogue::Language& language = p.language;
    const monitor::UnitSnapshot& snapshot = headless.snapshots().last();
    std::ostream& out = headless.terminal().out;
    using namespace catalogue::row;
    out << language.text(FwVersion) << '\t' << FirmwareText(snapshot.firmware) << '\n';
    out << language.text(ClockReading) << '\t' << UnitClockText(snapshot.clock) << '\n';
    for (const monitor::MeasurementDescriptor& d : monitor::MeasurementTable)
        out << MeasurementCaption(d.measurement, language) << '\t'
            << ValueText(snapshot.value(d.measurement)) << '\t' << d.unit << '\n';
    out << language.text(CliLampsOn) << '\n';
    for (const monitor::LampDescriptor& d : monitor::LampTable)
        if (snapshot.lit(d.lamp))
            out << '\t' << journal::LampCaption(d.lamp, language) << '\n';
    return ExitStatus::done;
}

ExitStatus RunClockSync(HeadlessProgram& headless) {
    if (const ExitStatus started = StartPolling(headless); started != ExitStatus::done)
        return started;
    if (const ExitStatus answered = AwaitFirmware(headless, false); answered != ExitStatus::done)
        return answered;
    ui::Program& p = headless.program();
    // The window's "follow the PC clock": each tick copies the PC's time into the fields the
    // clock command sends.
    headless.screen().setChecked(controls::Ck_Agg_Clock, true);
    monitor::FollowPcClock(headless.screen(), p.services.clock);
    const monitor::ClockSettingFields fields(headless.screen());
    monitor::ClockSetting sent = fields.clockSetting();
    const ExitStatus status = PressAndSend(
        headless, {"", &DeviceCommands::Bt_Set_ClockClick, &CommandRequest::SetClockRequest},
        [&] { sent = fields.clockSetting(); });
    if (status == ExitStatus::done)
        headless.dialogs().inform(std::string(p.language.text(catalogue::row::CliClockSent)) +
                                  ClockSettingText(sent));
    return status;
}

ExitStatus RunCommand(HeadlessProgram& headless, std::string_view name) {
    const auto button = std::find_if(CommandButtons.begin(), CommandButtons.end(),
                                     [name](const CommandButton& b) { return b.name == name; });
    if (button == CommandButtons.end())
        return ExitStatus::usage;
    if (const ExitStatus started = StartPolling(headless); started != ExitStatus::done)
        return started;
    if (const ExitStatus round = AwaitFullRound(headless, false); round != ExitStatus::done)
        return round;
    const ExitStatus status = PressAndSend(headless, *button);
    if (status == ExitStatus::done)
        headless.dialogs().inform(headless.program().language.text(catalogue::row::CliCommandSent));
    return status;
}

}  // namespace orvane::cli
