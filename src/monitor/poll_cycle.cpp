#include "monitor/poll_cycle.h"

#include <algorithm>

#include "monitor/poll_steps.h"

namespace orvane::monitor {

PollCycle::PollCycle(link::DeviceLink& link, PollState& poll,
                     const ClockSettingSource& clockSetting, const catalogue::Language& language,
                     journal::EventSink& events, CycleWatcher* watcher)
    : link_(link),
      poll_(poll),
      clockSetting_(clockSetting),
      language_(language),
      events_(events),
      watcher_(watcher) {}

const PollStepRow* PollCycle::prepareStep() {
    PollBuffer.fill(0);
    if (poll_.CommErrorCount >= FailuresBeforeRestart) {
        poll_.PollStep = poll_step::FirmwareVersion;
        poll_.CommErrorCount = 0;
        poll_.LinkErrorFlag = true;
    }

    const PollStepRow* row = FindPollStep(poll_.PollStep);
    // The request payload goes in from buffer byte 0; the answer frame comes back over it.
    if (row == nullptr ||
        (row->request != nullptr &&
         !row->request(poll_, clockSetting_, std::span<std::uint8_t>(PollBuffer)))) {
        completeCycle();
        return nullptr;
    }
    return row;
}

void PollCycle::BeginStep(std::function<void()> done) {
    const PollStepRow* row = prepareStep();
    if (row == nullptr) {
        if (done)
            done();
        return;
    }
    link_.BeginExchange(link::UnitAddress, link::MasterAddress, row->function, PollBuffer, row->n,
                        0, 0, row->m,
                        [this, row, sent = poll_.Commands,
                         command = row->sends != nullptr ? row->sends(poll_) : std::nullopt,
                         done = std::move(done)](std::uint8_t result) {
                            applyAnswer(*row, result, sent, command);
                            if (done)
                                done();
                        });
}

void PollCycle::applyAnswer(const PollStepRow& row, std::uint8_t result, const CommandRequest& sent,
                            std::optional<DeviceCommand> command) {
    const std::span<std::uint8_t> block =
        row.destination != nullptr ? row.destination(poll_) : std::span<std::uint8_t>();
    if (result != link::exchange_result::Ok || !answerFits(row, block.size())) {
        ++poll_.CommErrorCount;
        if (command)
            events_.record(journal::EventKind::commandNotAnswered,
                           CommandCaption(*command, language_));
        return;
    }
    poll_.CommErrorCount = 0;
    const auto answerPayload = PollBuffer.begin() + link::PayloadStart;
    std::copy_n(answerPayload, std::min<std::size_t>(block.size(), row.m), block.begin());
    if (row.onSuccess != nullptr) {
        // A button pressed while the request was on its way was not in it: its flag stays
        // for a later step.
        CommandRequest& now = poll_.Commands;
        CommandRequest pressedMeanwhile;
        for (bool CommandRequest::*flag : CommandFlags)
            pressedMeanwhile.*flag = now.*flag && !(sent.*flag);
        row.onSuccess(poll_);
        for (bool CommandRequest::*flag : CommandFlags)
            now.*flag = now.*flag || pressedMeanwhile.*flag;
    }
    poll_.LinkErrorFlag = false;
    const std::uint8_t next = row.next(poll_);
    if (next == poll_step::FirmwareVersion)
        completeCycle();
    else
        poll_.PollStep = next;
    if (command) {
        events_.record(journal::EventKind::commandSent, CommandCaption(*command, language_));
        RecordClearedCommands(sent, poll_.Commands, journal::EventKind::commandDropped, events_,
                              language_, &*command);
    }
}

void PollCycle::completeCycle() {
    poll_.PollStep = poll_step::FirmwareVersion;
    if (watcher_ != nullptr)
        watcher_->cycleCompleted();
}

bool PollCycle::answerFits(const PollStepRow& row, std::size_t storedBytes) const {
    // An intact frame may still be the late answer to an earlier request, or shorter than
    // the block it would fill (the rest would be zeros from the cleared buffer). Either
    // would put wrong values on the screen or clear a command flag the unit never saw, so
    // it counts as a failed exchange.
    const std::size_t length = PollBuffer[link::LengthByte];
    return PollBuffer[link::FunctionByte] == row.function &&
           length >= link::FrameOverhead + storedBytes;
}

void ResetPollStateOnShow(PollState& poll) {
    const std::int32_t failures = poll.CommErrorCount;
    poll = PollState{};
    poll.CommErrorCount = failures;
}

}  // namespace orvane::monitor
