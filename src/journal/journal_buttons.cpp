#include "journal/journal_buttons.h"

#include "journal/journal_csv.h"

namespace orvane::journal {

JournalButtons::JournalButtons(Journal& journal, const ExportServices& services)
    : journal_(journal), s_(services) {}

void JournalButtons::Bt_Esporta_RegistroClick() {
    if (const std::optional<std::string> path = ChooseFileToWrite(s_, "Orvane_Registro", "csv"))
        WriteWholeFile(s_, *path, JournalCsv(journal_, s_.language), EventKind::journalExported);
}

void JournalButtons::Bt_Pulisci_RegistroClick() {
    if (s_.dialogs.askYesNo(s_.language.text(catalogue::row::ConfirmClearJournal)))
        journal_.clear();
}

}  // namespace orvane::journal
