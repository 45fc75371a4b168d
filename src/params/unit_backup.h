// Where an export keeps what the unit held before it writes: the program's parameter-file
// store implements it (a file under Salvataggi/Backup); tests record. Owned by the program root;
// window thread only.
#pragma once

#include <string>

#include "params/parameter_set.h"

namespace orvane::params {

struct BackupOutcome {
    bool saved = false;
    std::string path;  // where it went, or where it could not go
};

class UnitBackups {
  public:
    virtual ~UnitBackups() = default;
    // `unitMemory` holds all six blocks as the unit answered them (the name in the received
    // copy).
    virtual BackupOutcome save(const ParameterSet& unitMemory) = 0;
};

}  // namespace orvane::params
