// The link state of one tick as the LED-matrix line shows it: errors at once, the
// communication error before the firmware error and both in one line while both hold;
// "Comunicazione OK" only after three calm ticks. Window thread only.
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "monitor/poll_state.h"
#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

// Settles this tick's state from the link flags: updates `LinkOkDelay` and `LinkShown`,
// and gives what the line shows now and whether it is written this tick.
LinkState SettleLinkState(PollState& poll, const catalogue::Language& language);

// The line's text for a condition, in the language of the moment.
std::string LinkText(LinkCondition condition, const catalogue::Language& language);

}  // namespace orvane::monitor
