// The journal as the operator exports it: a CSV file, oldest event first, with the columns
// time (ISO 8601 local time with offset), kind (the stable English word), text (headline and
// details in the language of the moment) and unitId (empty before any import). When older
// events were dropped, a first row of kind "eventsDropped" says how many, timed at the newest
// of them. Pure; window thread (it reads the journal).
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "journal/journal.h"

namespace orvane::journal {

// "Spia accesa: Allarme Termico"; the headline alone for an event without details.
std::string EventText(EventKind kind, std::string_view details,
                      const catalogue::Language& language);

// What the dropped-events line says in the journal's last place ("Eventi più vecchi non
// conservati: 12").
std::string DroppedEventsText(const DroppedEvents& dropped, const catalogue::Language& language);

std::string JournalCsv(const Journal& journal, const catalogue::Language& language);

}  // namespace orvane::journal
