// Reading the unit's parameter memory as the import does: block by block, each read followed
// by the pause the unit needs before the next request. The import, the backup before an
// export, the read-back after it and the comparison with the unit all read this way.
// Window thread (it uses the port).
#pragma once

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

}  // namespace orvane::params
