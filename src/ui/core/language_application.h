// Writes the texts of the current language into the whole window and re-establishes what
// depends on the language: list contents, trend chart settings, and the grid-service
// parts that exist only in Italian. Runs when the window is shown and at every language
// change; window thread.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "monitor/poll_state.h"

namespace orvane::ui {

// `linkStarted` chooses the start/stop caption. Resets the firmware version to 0.0.0 so
// the label shows the next version answer.
void ApplyLanguage(frontend::Screen& screen, const catalogue::Language& language, bool linkStarted,
                   monitor::PollState& poll);

}  // namespace orvane::ui
