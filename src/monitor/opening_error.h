// The message shown when the selected port cannot be opened: "Errore in apertura " and
// the port number, plus, when the reason is one the operator can fix, a second line
// saying what to do. Used by the link start and by the parameter transfers. Pure, but for
// ReportOpeningError, which tells the operator and the journal (window thread).
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "journal/event_sink.h"
#include "link/serial_port.h"

namespace orvane::monitor {

// `portIndex` is the list index; the number shown is index + 1.
std::string OpeningErrorMessage(const catalogue::Language& language, int portIndex,
                                link::OpenError reason);

// Shows the message and journals it (on one line).
void ReportOpeningError(frontend::OperatorDialogs& dialogs, journal::EventSink& events,
                        const catalogue::Language& language, int portIndex, link::OpenError reason);

// What to do about `reason` in the current language; empty when there is nothing useful
// to suggest.
std::string_view OpeningErrorAdvice(const catalogue::Language& language, link::OpenError reason);

}  // namespace orvane::monitor
