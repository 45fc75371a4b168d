#include "cli/polling.h"

#include <chrono>
#include <thread>

#include "cli/stop_request.h"
#include "monitor/poll_steps.h"
#include "params/transfer_messages.h"

namespace orvane::cli {

namespace {

// After a tick: what stands in the way of going on, if anything.
std::optional<ExitStatus> Failure(HeadlessProgram& headless, bool refuseFirmware) {
    ui::Program& p = headless.program();
    if (p.poll.LinkErrorFlag) {
        headless.dialogs().inform(p.language.text(catalogue::row::CommunicationError));
        return ExitStatus::noAnswer;
    }
    if (refuseFirmware && p.poll.FwVersionError) {
        headless.dialogs().inform(params::IncompatibleFirmwareMessage(p.language));
        return ExitStatus::incompatibleFirmware;
    }
    return std::nullopt;
}

ExitStatus Await(HeadlessProgram& headless, bool refuseFirmware,
                 const std::function<bool()>& arrived) {
    std::optional<ExitStatus> failure;
    const bool done = TickUntil(headless, [&] {
        failure = Failure(headless, refuseFirmware);
        return failure.has_value() || arrived();
    });
    if (failure)
        return *failure;
    return done ? ExitStatus::done : ExitStatus::cancelled;
}

}  // namespace

ExitStatus StartPolling(HeadlessProgram& headless) {
    ui::Program& p = headless.program();
    p.linkControl.StartLink();
    return p.link.IsPortOpen() ? ExitStatus::done : ExitStatus::portNotOpened;
}

bool TickUntil(HeadlessProgram& headless, const std::function<bool()>& done) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point due = Clock::now();
    while (headless.timer().running() && !StopRequested()) {
        headless.program().live.Timer1Timer();
        if (done())
            return true;
        due += std::chrono::milliseconds(TickMs);
        const Clock::time_point now = Clock::now();
        if (due < now)
            due = now;  // a tick that ran long is not made up for
        std::this_thread::sleep_until(due);
    }
    return false;
}

ExitStatus AwaitFirmware(HeadlessProgram& headless, bool refuseFirmware) {
    const monitor::PollState& poll = headless.program().poll;
    return Await(headless, refuseFirmware,
                 [&poll] { return poll.PollStep != monitor::poll_step::FirmwareVersion; });
}

ExitStatus AwaitFullRound(HeadlessProgram& headless, bool refuseFirmware) {
    const ui::Program& p = headless.program();
    return Await(headless, refuseFirmware, [&p] {
        return monitor::MeasurementsReceived(p.data) &&
               p.poll.PollStep != monitor::poll_step::ClockRead;
    });
}

}  // namespace orvane::cli
