// Writes the texts of the current language into the whole window and re-establishes what
// depends on the language: list contents, trend chart settings, and the grid-service
// parts that exist only in Italian. Runs when the window is shown and at every language
// change; window thread.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "monitor/poll_state.h"
#include "params/free_configuration_layout.h"

namespace orvane::ui {

// `linkStarted` chooses the start/stop caption. The battery-type and inverter-type lists
// come back in the new language on the entries that were selected, since a language never
// changes a parameter (a list with nothing selected, as before its first filling, starts on
// its first entry), and the free configuration keeps its layout. Resets the firmware
// version to 0.0.0 so the label shows the next version answer.
void ApplyLanguage(frontend::Screen& screen, const frontend::ScreenReader& shown,
                   params::FreeConfigurationLayout& layout, const catalogue::Language& language,
                   bool linkStarted, monitor::PollState& poll);

}  // namespace orvane::ui
