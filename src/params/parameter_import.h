// `Bt_Importa`: reads the six blocks out of the unit's parameter memory and shows them. Takes
// the port from the poll link and leaves the link stopped. Owned by the program root; window
// thread only; blocks the window for the whole transfer (about 1.4 s).
#pragma once

#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"

namespace orvane::params {

class ParameterImport {
  public:
    // Every reference must outlive this object.
    ParameterImport(const TransferContext& context, ParameterSet& set, ParameterEditor& editor);

    // Refused while the unit's firmware is not the required one. Otherwise every block
    // that was read keeps its new content, but the controls are refreshed only when all six
    // arrived, so a broken transfer never shows a mixture.
    TransferOutcome ImportParameters();
    void Bt_ImportaClick() { ImportParameters(); }

  private:
    TransferContext c_;
    ParameterSet& set_;
    ParameterEditor& editor_;
};

}  // namespace orvane::params
