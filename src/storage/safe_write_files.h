// The records the safe writes keep: the unit's parameter memory before an export, as a
// parameter file in Salvataggi/Backup named like Save's default name (with the unit's own
// identifier), and the last values received before a reset, as CSV in Salvataggi/Snapshot.
// Nothing is written in the background: only when an export or a reset asks. Owned by the
// session; window thread only.
#pragma once

#include "monitor/local_clock.h"
#include "monitor/poll_state.h"
#include "monitor/realtime_data.h"
#include "monitor/reset_snapshot.h"
#include "params/parameter_set.h"
#include "params/unit_backup.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::storage {

class BackupFiles final : public params::UnitBackups {
  public:
    // Every reference must outlive this object.
    BackupFiles(FileSystem& files, const WorkingDirectory& workingDirectory,
                const monitor::LocalClock& clock);
    params::BackupOutcome save(const params::ParameterSet& unitMemory) override;

  private:
    FileSystem& files_;
    const WorkingDirectory& workingDirectory_;
    const monitor::LocalClock& clock_;
};

class SnapshotFiles final : public monitor::ResetSnapshots {
  public:
    // Every reference must outlive this object. The identifier is the set's `unitId`: the
    // unit's own after an import.
    SnapshotFiles(const monitor::PollState& poll, const monitor::RealtimeData& data,
                  const params::ParameterSet& set, FileSystem& files,
                  const WorkingDirectory& workingDirectory, const monitor::LocalClock& clock);
    bool valuesReceived() const override;
    monitor::SnapshotOutcome save(monitor::ResetKind kind) override;

  private:
    const monitor::PollState& poll_;
    const monitor::RealtimeData& data_;
    const params::ParameterSet& set_;
    FileSystem& files_;
    const WorkingDirectory& workingDirectory_;
    const monitor::LocalClock& clock_;
};

}  // namespace orvane::storage
