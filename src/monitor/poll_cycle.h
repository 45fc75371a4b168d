// One step of the poll state machine per timer tick: at most one exchange with the unit,
// its answer stored in the poll blocks, failures counted and the cycle restarted after
// five in a row. Pending commands ride on the cycle after the clock read. An answer
// counts only when it carries the request's function code and fills what it is stored in.
// A step is decided and its request built when it begins; its answer is applied when the
// exchange ends, at once on a link without a loop, later on an event-driven one. Every
// command sent goes to the journal's events with its outcome, and so does a pending one
// whose flag the sent one cleared. Owned by the live monitor; window thread only; never runs
// while another transfer holds the port.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "catalogue/message_catalogue.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "link/frame.h"
#include "monitor/clock_setting.h"
#include "monitor/device_command.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

struct PollStepRow;

inline constexpr std::int32_t FailuresBeforeRestart = 5;

// Told each time the cycle completes a full pass: back at its first step after its idle or
// command step. The restart after five failures completes nothing. Window thread only.
class CycleWatcher {
  public:
    virtual ~CycleWatcher() = default;
    virtual void cycleCompleted() = 0;
};

class PollCycle {
  public:
    // Every reference, and the watcher when given, must outlive the cycle.
    PollCycle(link::DeviceLink& link, PollState& poll, const ClockSettingSource& clockSetting,
              const catalogue::Language& language, journal::EventSink& events,
              CycleWatcher* watcher = nullptr);

    // Begins this tick's step; `done` is told once its answer has been applied (at once when
    // the step sends nothing). A step abandoned by the link (stop, close) is never told.
    void BeginStep(std::function<void()> done);
    // The same on a link without a loop, where it ends before returning.
    void RunStep() { BeginStep({}); }

  private:
    // The row whose request is now in the buffer; null when the step sends nothing.
    const PollStepRow* prepareStep();
    // `sent`: the command flags as they stood when the request was built; `command`: the
    // command the request carried, if any.
    void applyAnswer(const PollStepRow& row, std::uint8_t result, const CommandRequest& sent,
                     std::optional<DeviceCommand> command);
    bool answerFits(const PollStepRow& row, std::size_t storedBytes) const;
    // Back to the first step at the end of a pass.
    void completeCycle();

    link::DeviceLink& link_;
    PollState& poll_;
    const ClockSettingSource& clockSetting_;
    const catalogue::Language& language_;
    journal::EventSink& events_;
    CycleWatcher* watcher_;
    // Request payload in, answer frame out; cleared at every step.
    std::array<std::uint8_t, link::MaxFrameLength> PollBuffer{};
};

// Window shown: poll members, blocks and command flags back to their start values. The
// failure count is kept: only the poll steps change it.
void ResetPollStateOnShow(PollState& poll);

}  // namespace orvane::monitor
