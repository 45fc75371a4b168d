// `Bt_Scrivi_Eeprom`: after a confirmation, collects the controls into the blocks, checks
// them, keeps a backup of the unit's memory, shows the fields that will change and, on the
// operator's Yes, writes them into the unit's parameter memory, tells the unit to commit
// them to its EEPROM and reads them back. Takes the port from the poll link and leaves the
// link stopped. Runs as steps on the link under the progress dialog: Cancel is offered while
// the unit's memory is read for the backup and refused from the first write on. Owned by the
// program root; window thread only.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "params/change_list.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "params/unit_backup.h"
#include "params/unit_memory.h"

namespace orvane::params {

// The blocks an export writes: the grid-service block only while its page is shown (the
// Italian-only CEI 0-21 settings), the network block and the name only with the Ethernet
// export authorization ticked.
BlockSelection WrittenBlocks(bool gridServicePageShown, bool ethernetAuthorized);

// What the unit said to the writes and what it read back after them.
struct WriteOutcome {
    bool allWritten = false;       // every write answered; false: no commit was sent
    bool refused = false;          // a write was answered with the unit's refusal
    bool committed = false;        // the commit's answer came back good
    bool readBack = false;         // every written block was read back
    std::vector<Field> differing;  // fields read back other than sent (when read back)
    ParameterSet unitAfter;        // the unit's image with the blocks read back
};

// What the writes came to: done only when committed and every field read back as sent.
TransferOutcome OutcomeOf(const WriteOutcome& outcome);

// The closing message of an export that got as far as its writes, naming the backup.
std::string ExportOutcomeMessage(const WriteOutcome& outcome, const std::string& backupPath,
                                 const catalogue::Language& language);

class ParameterExport {
  public:
    // Every reference must outlive this object.
    ParameterExport(const TransferContext& context, ParameterSet& set, ParameterEditor& editor,
                    UnitBackups& backups);

    // A set failing any check sends nothing. Nothing is written either when the unit's
    // memory cannot be read or its backup cannot be saved, or when the operator answers No
    // to the list of changes (the backup stays). `done` is told how it ended.
    void ExportParameters(TransferDone done = {});
    void Bt_Scrivi_EepromClick() { ExportParameters(); }

  private:
    // The steps, each begun by the end of the one before.
    void backupRead(ReadEnd end);
    void writeNext(std::size_t next, bool first);
    void commit();
    void finishWrites();
    // Tells the caller how the export ended.
    void report(TransferOutcome outcome);

    TransferContext c_;
    ParameterSet& set_;
    ParameterEditor& editor_;
    UnitBackups& backups_;
    // The export under way.
    TransferDone done_;
    ParameterSet unit_;  // what the unit held before
    ParameterSet sent_;  // the window's set as written
    BlockSelection blocks_{};
    BackupOutcome backup_;
    WriteOutcome outcome_;
    int written_ = 0;
    int writesTotal_ = 0;
    std::array<std::uint8_t, link::MaxFrameLength> commitBuffer_{};
};

}  // namespace orvane::params
