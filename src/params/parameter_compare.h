// The comparisons that write nothing: the window's values against the unit's memory
// (`Bt_Confronta`) or against another set (a parameter file, read by the file store). Each
// shows the fields that differ as the export's list of changes does. Owned by the program root;
// window thread only.
#pragma once

#include <optional>

#include "params/change_list.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "params/unit_memory.h"

namespace orvane::params {

// The blocks the window edits: everything but the identity, which it only shows.
inline constexpr BlockSelection WindowBlocks = {true, true, true, true, true, false};

// The window's values as the set an export would write, built beside `set` (which keeps
// what it holds). Nothing when a field holds what no field can store or the name is
// refused: the refusal has then been shown, as an export would show it.
std::optional<ParameterSet> WindowValues(const ParameterSet& set, const ParameterEditor& editor,
                                         frontend::OperatorDialogs& dialogs,
                                         const catalogue::Language& language);

// How the list names the side compared with the unit: the window's values, or a file's
// loaded into it (the command line's diff).
struct CompareWording {
    int differsRow;
    int sameRow;
    int valueHeaderRow;
};
inline constexpr CompareWording WindowWording{catalogue::row::WindowAgainstUnit,
                                              catalogue::row::WindowSameAsUnit,
                                              catalogue::row::WindowValueHeader};
inline constexpr CompareWording LoadedFileWording{catalogue::row::FileAgainstUnit,
                                                  catalogue::row::FileSameAsUnit,
                                                  catalogue::row::FileValueHeader};

class ParameterCompare {
  public:
    // Every reference must outlive this object.
    ParameterCompare(const TransferContext& context, const ParameterSet& set,
                     const ParameterEditor& editor);

    // Reads the unit's memory as the import does, in steps under the progress dialog, which
    // may cancel it between reads (the link stays stopped afterwards), and lists the fields
    // in which the window differs from it. `done` is told how it ended.
    void CompareWithUnit(const CompareWording& wording = WindowWording, TransferDone done = {});
    void Bt_ConfrontaClick() { CompareWithUnit(); }

  private:
    void finish(ReadEnd end, const CompareWording& wording, const TransferDone& done);

    TransferContext c_;
    const ParameterSet& set_;
    const ParameterEditor& editor_;
    // The comparison under way: the window's values and what is read of the unit.
    std::optional<ParameterSet> window_;
    ParameterSet unit_;
};

}  // namespace orvane::params
