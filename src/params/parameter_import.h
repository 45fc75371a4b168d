// `Bt_Importa`: reads the six blocks out of the unit's parameter memory and shows them. Takes
// the port from the poll link and leaves the link stopped. Runs as steps on the link (about
// 1.4 s) under the progress dialog, which may cancel it between reads. Owned by the program
// root; window thread only.
#pragma once

#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "params/unit_memory.h"

namespace orvane::params {

class ParameterImport {
  public:
    // Every reference must outlive this object.
    ParameterImport(const TransferContext& context, ParameterSet& set, ParameterEditor& editor);

    // Refused while the unit's firmware is not the required one. Otherwise every block
    // that was read keeps its new content, but the controls are refreshed only when all six
    // arrived, so a broken or cancelled transfer never shows a mixture. `done` is told how it
    // ended.
    void ImportParameters(TransferDone done = {});
    void Bt_ImportaClick() { ImportParameters(); }

  private:
    void finish(ReadEnd end, const TransferDone& done);

    TransferContext c_;
    ParameterSet& set_;
    ParameterEditor& editor_;
};

}  // namespace orvane::params
