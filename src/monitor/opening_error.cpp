#include "monitor/opening_error.h"

#include <algorithm>
#include <array>

namespace orvane::monitor {

namespace {

struct Advice {
    link::OpenError reason;
    std::string_view italian;
    std::string_view english;
};

using link::OpenError;
constexpr std::array<Advice, 6> AdviceTable{{
    {OpenError::PermissionDenied,
     "Accesso negato alla porta: aggiungere l'utente al gruppo dialout "
     "(sudo usermod -aG dialout $USER) e rientrare nella sessione.",
     "Access to the port denied: add your user to the dialout group "
     "(sudo usermod -aG dialout $USER) and log in again."},
    {OpenError::NoSuchDevice,
     "Dispositivo non trovato: controllare che l'adattatore sia collegato e la porta "
     "selezionata.",
     "Device not found: check that the adapter is plugged in and the selected port."},
    {OpenError::NotMapped,
     "Nessun dispositivo associato a questa porta: collegare l'adattatore o scegliere "
     "un'altra porta.",
     "No device is assigned to this port: plug in the adapter or choose another port."},
    {OpenError::IndexOutOfRange, "Selezionare una porta dall'elenco.",
     "Select a port from the list."},
    {OpenError::Busy, "Porta gi\u00E0 in uso da un altro programma: chiuderlo e riprovare.",
     "The port is in use by another program: close it and try again."},
    {OpenError::NotASerialPort,
     "Il dispositivo associato non \u00E8 una porta seriale: controllare l'impostazione "
     "della porta.",
     "The assigned device is not a serial port: check the port setting."},
}};

}  // namespace

std::string_view OpeningErrorAdvice(const catalogue::Language& language, link::OpenError reason) {
    for (const Advice& a : AdviceTable)
        if (a.reason == reason)
            return language.LanguageIndex == catalogue::English ? a.english : a.italian;
    return {};
}

std::string OpeningErrorMessage(const catalogue::Language& language, int portIndex,
                                link::OpenError reason) {
    std::string text(language.text(catalogue::row::OpeningError));
    text += std::to_string(portIndex + 1);
    const std::string_view advice = OpeningErrorAdvice(language, reason);
    if (!advice.empty()) {
        text += '\n';
        text += advice;
    }
    return text;
}

void ReportOpeningError(frontend::OperatorDialogs& dialogs, journal::EventSink& events,
                        const catalogue::Language& language, int portIndex,
                        link::OpenError reason) {
    const std::string message = OpeningErrorMessage(language, portIndex, reason);
    std::string oneLine = message;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    events.record(journal::EventKind::openingError, oneLine);
    dialogs.inform(message);
}

}  // namespace orvane::monitor
