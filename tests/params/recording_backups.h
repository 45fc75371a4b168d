// The export's backup store, recording every image it was given.
#pragma once

#include <string>
#include <vector>

#include "params/unit_backup.h"

namespace orvane::params {

class RecordingBackups final : public UnitBackups {
  public:
    BackupOutcome save(const ParameterSet& unitMemory) override {
        saved.push_back(unitMemory);
        return {!failing, "/saves/Backup/unit.ovn"};
    }

    bool failing = false;
    std::vector<ParameterSet> saved;
};

}  // namespace orvane::params
