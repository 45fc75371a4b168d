// The export's backup store, recording every image it was given.
#pragma once

#include <string>
#include <vector>

#include "params/unit_backup.h"

namespace orvane::testing {

class RecordingBackups final : public params::UnitBackups {
  public:
    params::BackupOutcome save(const params::ParameterSet& unitMemory) override {
        saved.push_back(unitMemory);
        return {!failing, "/saves/Backup/unit.ovn"};
    }

    bool failing = false;
    std::vector<params::ParameterSet> saved;
};

}  // namespace orvane::testing
