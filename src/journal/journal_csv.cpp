#include "journal/journal_csv.h"

#include <array>

#include "journal/csv.h"

namespace orvane::journal {

namespace {

std::string Row(const monitor::LocalTime& time, EventKind kind, std::string_view text,
                const std::optional<std::uint32_t>& unitId) {
    const std::array<std::string, 4> fields{IsoLocalTime(time), std::string(WordOf(kind)),
                                            CsvField(text),
                                            unitId ? std::to_string(*unitId) : std::string()};
    return CsvLine(fields);
}

}  // namespace

std::string EventText(EventKind kind, std::string_view details,
                      const catalogue::Language& language) {
    std::string text(language.text(HeadlineRowOf(kind)));
    if (!details.empty()) {
        text += ": ";
        text += details;
    }
    return text;
}

std::string DroppedEventsText(const DroppedEvents& dropped, const catalogue::Language& language) {
    return EventText(EventKind::eventsDropped, std::to_string(dropped.count), language);
}

std::string JournalCsv(const Journal& journal, const catalogue::Language& language) {
    std::string csv = "time,kind,text,unitId\r\n";
    if (const std::optional<DroppedEvents> dropped = journal.dropped())
        csv += Row(dropped->newestTime, EventKind::eventsDropped,
                   DroppedEventsText(*dropped, language), std::nullopt);
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const JournalEvent& event = journal.oldest(i);
        csv += Row(event.time, event.kind, EventText(event.kind, event.details, language),
                   event.unitId);
    }
    return csv;
}

}  // namespace orvane::journal
