// What happened, as the journal files it: one kind per event the program remembers, each
// with a stable English word that the journal's CSV writes and that never changes once
// released (scripts filter on it). The text of an event is in the operator's language; the
// word is not: each kind's headline is a catalogue row. Constant data; any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/message_catalogue.h"

namespace orvane::journal {

enum class EventKind : std::uint8_t {
    // The link
    linkStarted,
    linkStopped,
    openingError,
    communicationError,
    communicationOk,  // after an error
    firmwareError,
    reconnecting,  // the port's device went away; it is tried again every second
    reconnected,   // the device is back and polling goes on
    // The unit's lamps
    lampRaised,
    lampCleared,
    // Commands to the unit
    commandRequested,
    commandRefused,
    commandSent,  // the unit answered it
    commandNotAnswered,
    commandDropped,  // cleared unsent: the link stopped, or another command took its place
    // The parameter memory and files
    importDone,
    importFailed,
    exportDone,
    exportFailed,
    transferRefused,    // the unit's firmware forbids import and export
    transferCancelled,  // the operator cancelled an import, comparison or export
    parametersRefused,  // a value failed its check: nothing exported or saved
    fileSaved,
    fileSaveFailed,
    fileLoaded,
    fileLoadFailed,  // unreadable: the file's defaults were taken
    // The program's own files
    recordingStarted,
    recordingStopped,
    recordingFailed,
    journalExported,
    chartExported,
    fileExportFailed,
    // Older events than the journal keeps were dropped
    eventsDropped,
};

struct EventKindWord {
    EventKind kind;
    std::string_view word;
    int headlineRow;  // what the event is, in the operator's language ("Spia accesa")
};

namespace row = catalogue::row;
inline constexpr std::array EventKindWords{
    EventKindWord{EventKind::linkStarted, "linkStarted", row::LinkStartedEvent},
    EventKindWord{EventKind::linkStopped, "linkStopped", row::LinkStoppedEvent},
    EventKindWord{EventKind::openingError, "openingError", row::OpeningErrorEvent},
    EventKindWord{EventKind::communicationError, "communicationError", row::CommunicationError},
    EventKindWord{EventKind::communicationOk, "communicationOk", row::CommunicationOk},
    EventKindWord{EventKind::firmwareError, "firmwareError", row::FirmwareVersionError},
    EventKindWord{EventKind::reconnecting, "reconnecting", row::ReconnectingEvent},
    EventKindWord{EventKind::reconnected, "reconnected", row::ReconnectedEvent},
    EventKindWord{EventKind::lampRaised, "lampRaised", row::LampOnEvent},
    EventKindWord{EventKind::lampCleared, "lampCleared", row::LampOffEvent},
    EventKindWord{EventKind::commandRequested, "commandRequested", row::CommandRequestedEvent},
    EventKindWord{EventKind::commandRefused, "commandRefused", row::CommandRefusedEvent},
    EventKindWord{EventKind::commandSent, "commandSent", row::CommandSentEvent},
    EventKindWord{EventKind::commandNotAnswered, "commandNotAnswered",
                  row::CommandNotAnsweredEvent},
    EventKindWord{EventKind::commandDropped, "commandDropped", row::CommandDroppedEvent},
    EventKindWord{EventKind::importDone, "importDone", row::ImportDone},
    EventKindWord{EventKind::importFailed, "importFailed", row::ImportFailed},
    EventKindWord{EventKind::exportDone, "exportDone", row::ExportDone},
    EventKindWord{EventKind::exportFailed, "exportFailed", row::ExportFailed},
    EventKindWord{EventKind::transferRefused, "transferRefused", row::TransferRefusedEvent},
    EventKindWord{EventKind::transferCancelled, "transferCancelled", row::TransferCancelledEvent},
    EventKindWord{EventKind::parametersRefused, "parametersRefused", row::ParametersRefusedEvent},
    EventKindWord{EventKind::fileSaved, "fileSaved", row::FileSavedEvent},
    EventKindWord{EventKind::fileSaveFailed, "fileSaveFailed", row::DataSavingError},
    EventKindWord{EventKind::fileLoaded, "fileLoaded", row::FileLoadedEvent},
    EventKindWord{EventKind::fileLoadFailed, "fileLoadFailed", row::FileUnreadableEvent},
    EventKindWord{EventKind::recordingStarted, "recordingStarted", row::RecordingStartedEvent},
    EventKindWord{EventKind::recordingStopped, "recordingStopped", row::RecordingStoppedEvent},
    EventKindWord{EventKind::recordingFailed, "recordingFailed", row::RecordingErrorEvent},
    EventKindWord{EventKind::journalExported, "journalExported", row::JournalExportedEvent},
    EventKindWord{EventKind::chartExported, "chartExported", row::ChartExportedEvent},
    EventKindWord{EventKind::fileExportFailed, "fileExportFailed", row::CannotWriteFile},
    EventKindWord{EventKind::eventsDropped, "eventsDropped", row::EventsDroppedEvent},
};
inline constexpr std::size_t EventKindCount = EventKindWords.size();

constexpr std::string_view WordOf(EventKind kind) {
    return EventKindWords[static_cast<std::size_t>(kind)].word;
}
constexpr int HeadlineRowOf(EventKind kind) {
    return EventKindWords[static_cast<std::size_t>(kind)].headlineRow;
}

static_assert(
    [] {
        for (std::size_t i = 0; i < EventKindWords.size(); ++i) {
            if (static_cast<std::size_t>(EventKindWords[i].kind) != i)
                return false;
            for (std::size_t j = i + 1; j < EventKindWords.size(); ++j)
                if (EventKindWords[i].word == EventKindWords[j].word)
                    return false;
        }
        return static_cast<std::size_t>(EventKind::eventsDropped) + 1 == EventKindWords.size();
    }(),
    "one word per kind, in enum order, each its own");

}  // namespace orvane::journal
