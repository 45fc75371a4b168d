// Reading the unit's parameter memory as the import does: block by block, each read followed
// by the pause the unit needs before the next request. The import, the backup before an
// export, the read-back after it and the comparison with the unit all read this way: in the
// window as steps on the event-driven link, in a program without a loop at once.
// Window thread (it uses the port).
#pragma once

#include <functional>
#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/transfer_progress.h"
#include "link/delay.h"
#include "link/device_link.h"
#include "params/change_list.h"
#include "params/parameter_set.h"

namespace orvane::params {

// Reads the selected blocks in the import's order into `into` (the NetBIOS block into the
// received copy). A read is made only while every earlier one returned 0; each read made is
// followed by its pause, whatever its result. A failed read leaves its block as it was.
// True when every selected block arrived.
bool ReadBlocks(link::DeviceLink& link, link::Delay& delay, ParameterSet& into,
                const BlockSelection& blocks = AllBlocks);

enum class ReadEnd { AllRead, Failed, Cancelled };

// What a read in steps shows and whether it may stop: `progress` is told each read before it
// goes out (`stepRow`: the catalogue row that names it); with `cancellable` the operator's
// Cancel ends it between reads.
struct ReadSteps {
    frontend::TransferProgress& progress;
    const catalogue::Language& language;
    int stepRow;
    bool cancellable;
};

// ReadBlocks as steps on the link: the same reads and pauses, `done` told how it ended once
// the last pause is over (at once on a link without a loop). `into` must outlive it.
void BeginReadBlocks(link::DeviceLink& link, ParameterSet& into, const BlockSelection& blocks,
                     const ReadSteps& steps, std::function<void(ReadEnd)> done);

// "Reading block 2 of 6": the step's row, its number and the count.
std::string StepText(const catalogue::Language& language, int stepRow, int done, int total);

}  // namespace orvane::params
