// `Bt_Scrivi_Eeprom`: after a confirmation, collects the controls into the blocks, checks
// them and writes them into the unit's parameter memory, then tells the unit to commit
// them to its EEPROM. Takes the port from the poll link and leaves the link stopped. Owned
// by the program root; window thread only; blocks the window for the whole transfer.
#pragma once

#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"

namespace orvane::params {

class ParameterExport {
  public:
    // Every reference must outlive this object.
    ParameterExport(const TransferContext& context, ParameterSet& set, ParameterEditor& editor);

    // The grid-service block is written only while its page is shown (the Italian-only
    // CEI 0-21 settings), the network block and the name only with the Ethernet export
    // authorization ticked. A set failing any check sends nothing.
    void ExportParameters();
    void Bt_Scrivi_EepromClick() { ExportParameters(); }

  private:
    bool transfer();

    TransferContext c_;
    ParameterSet& set_;
    ParameterEditor& editor_;
};

}  // namespace orvane::params
