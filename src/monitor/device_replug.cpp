#include "monitor/device_replug.h"

#include "monitor/link_state.h"

namespace orvane::monitor {

namespace {
constexpr auto Matrix = frontend::controls::Vr_String;
// "Avviato" for two ticks once the device is back, as after a start.
constexpr std::uint8_t StartingTicks = 3;
}  // namespace

DeviceReplug::DeviceReplug(link::DeviceLink& link, PollState& poll, frontend::Screen& screen,
                           const catalogue::Language& language, BusHealth& health,
                           journal::EventSink& events)
    : link_(link),
      poll_(poll),
      screen_(screen),
      language_(language),
      health_(health),
      events_(events) {}

void DeviceReplug::BeforeTick() {
    if (!waiting_) {
        if (!link_.PortHungUp())
            return;
        // A hung-up descriptor stays hung up: only a new open reaches the device again.
        link_.ClosePort();
        events_.record(journal::EventKind::reconnecting, link_.openedDevice());
        waiting_ = true;
        ticksToAttempt_ = ReplugAttemptTicks;
        screen_.setText(Matrix, language_.text(catalogue::row::Reconnecting));
        return;
    }
    if (--ticksToAttempt_ > 0)
        return;
    ticksToAttempt_ = ReplugAttemptTicks;
    if (!link_.OpenDevice(link_.openedDevice()))
        return;
    waiting_ = false;
    health_.reconnected();
    events_.record(journal::EventKind::reconnected, link_.openedDevice());
    poll_.LinkOkDelay = StartingTicks;
    poll_.LinkShown = LinkCondition::starting;
    screen_.setText(Matrix, LinkText(LinkCondition::starting, language_));
}

}  // namespace orvane::monitor
