// The journal page's buttons: `Bt_Esporta_Registro` writes the journal as CSV to a file the
// operator chooses; `Bt_Pulisci_Registro` forgets every event after the operator's Yes.
// Owned by the session; window thread only.
#pragma once

#include "journal/file_export.h"
#include "journal/journal.h"

namespace orvane::journal {

class JournalButtons {
  public:
    // Every reference must outlive this object.
    JournalButtons(Journal& journal, const ExportServices& services);

    void Bt_Esporta_RegistroClick();
    void Bt_Pulisci_RegistroClick();

  private:
    Journal& journal_;
    ExportServices s_;
};

}  // namespace orvane::journal
