// What the operator sees of the link on every tick: the firmware label and the state text
// on the LED-matrix line `Vr_String`. Run last by the realtime decoder. Window thread only.
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

// "%2d.%2d.%2d": each number right-aligned in two characters (" 1. 7. 3").
std::string FirmwareLabel(const PollState& poll);

// Errors scroll at once, the communication error before the firmware error and both in one
// line while both hold; "Comunicazione OK" comes back only after three calm ticks.
// Updates `LinkOkDelay`.
void ShowLinkState(PollState& poll, frontend::Screen& screen, const catalogue::Language& language);

}  // namespace orvane::monitor
