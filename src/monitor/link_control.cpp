#include "monitor/link_control.h"

#include <string>

#include "monitor/device_command.h"
#include "monitor/link_state.h"
#include "monitor/opening_error.h"

namespace orvane::monitor {

namespace {
namespace controls = frontend::controls;
constexpr auto OpenButton = controls::Bt_Open;
constexpr auto Matrix = controls::Vr_String;
constexpr auto LinkLamp = controls::Led_Comunicazione;
constexpr auto PortList = controls::Cb_Sel_Porta;
// "Avviato" stays for two ticks before the link state takes over.
constexpr std::uint8_t StartingTicks = 3;
}  // namespace

LinkControl::LinkControl(link::DeviceLink& link, PollState& poll, frontend::Screen& screen,
                         const frontend::ScreenReader& input, PollTimer& timer,
                         frontend::OperatorDialogs& dialogs, const catalogue::Language& language,
                         BusHealth& health, DeviceReplug& replug, journal::EventSink& events)
    : link_(link),
      poll_(poll),
      screen_(screen),
      input_(input),
      timer_(timer),
      dialogs_(dialogs),
      language_(language),
      health_(health),
      replug_(replug),
      events_(events) {}

void LinkControl::Bt_OpenClick() {
    if (Started())
        StopLink();
    else
        StartLink();
}

void LinkControl::StartLink() {
    const int index = input_.listIndex(PortList);
    // No selection (-1) goes to the link as an index outside the list, which it refuses.
    const std::uint8_t linkIndex =
        index >= 0 && index < link::PortCount ? static_cast<std::uint8_t>(index) : 0xFF;
    if (!link_.OpenPort(linkIndex)) {
        ReportOpeningError(dialogs_, events_, language_, index, link_.lastOpenError());
        return;
    }
    health_.reset();
    events_.record(journal::EventKind::linkStarted, "COM " + std::to_string(index + 1));
    screen_.setText(OpenButton, language_.text(catalogue::row::StopButton));
    screen_.setText(Matrix, LinkText(LinkCondition::starting, language_));
    screen_.setLamp(LinkLamp, true);
    timer_.setRunning(true);
    screen_.setTrendRecording(true);
    poll_.LinkErrorFlag = false;
    poll_.FwVersionError = false;
    poll_.LinkOkDelay = StartingTicks;
    poll_.LinkShown = LinkCondition::starting;
}

void LinkControl::StopLink() {
    screen_.setText(OpenButton, language_.text(catalogue::row::StartButton));
    screen_.setText(Matrix, language_.text(catalogue::row::Stopped));
    replug_.Stop();
    link_.ClosePort();
    screen_.setLamp(LinkLamp, false);
    timer_.setRunning(false);
    screen_.setTrendRecording(false);
    // One-off resets and the clock setting survive a stop; operating commands and the
    // fault reset are meant for the moment they were pressed.
    CommandRequest& c = poll_.Commands;
    const CommandRequest pending = c;
    c.BlockRequest = c.RestartRequest = c.FullChargeRequest = c.ChargeFaultResetRequest = false;
    events_.record(journal::EventKind::linkStopped, {});
    RecordClearedCommands(pending, c, journal::EventKind::commandDropped, events_, language_);
    poll_.LinkErrorFlag = false;
    poll_.FwVersionError = false;
    poll_.LinkOkDelay = StartingTicks;
}

void LinkControl::CloseOnExit() {
    replug_.Stop();
    link_.ClosePort();
    screen_.setLamp(LinkLamp, false);
    timer_.setRunning(false);
}

}  // namespace orvane::monitor
