#include "storage/safe_write_files.h"

#include <cstdio>

#include "monitor/snapshot_decoder.h"
#include "params/field_table.h"
#include "storage/ini_document.h"
#include "storage/parameter_file.h"
#include "storage/record_files.h"

namespace orvane::storage {

BackupFiles::BackupFiles(FileSystem& files, const WorkingDirectory& workingDirectory,
                         const monitor::LocalClock& clock)
    : files_(files), workingDirectory_(workingDirectory), clock_(clock) {}

params::BackupOutcome BackupFiles::save(const params::ParameterSet& unitMemory) {
    // A parameter file writes the name from the outgoing copy; here that is the unit's.
    params::ParameterSet image = unitMemory;
    image.OutgoingNetbiosName = unitMemory.NetbiosNameBlock;
    IniDocument ini;
    WriteParameterFile(image, ini);
    const std::string stem =
        DefaultParameterFileName(clock_.now(), unitMemory.get(params::Field::unitId));
    const RecordFile file = WriteRecordFile(files_, workingDirectory_, BackupFolder, stem,
                                            ParameterFileExtension, ini.bytes());
    return {file.saved, file.path};
}

SnapshotFiles::SnapshotFiles(const monitor::PollState& poll, const monitor::RealtimeData& data,
                             const params::ParameterSet& set, FileSystem& files,
                             const WorkingDirectory& workingDirectory,
                             const monitor::LocalClock& clock)
    : poll_(poll),
      data_(data),
      set_(set),
      files_(files),
      workingDirectory_(workingDirectory),
      clock_(clock) {}

bool SnapshotFiles::valuesReceived() const {
    return monitor::MeasurementsReceived(data_);
}

monitor::SnapshotOutcome SnapshotFiles::save(monitor::ResetKind kind) {
    const monitor::LocalTime now = clock_.now();
    // The stored blocks and samples as the last tick decoded them: its snapshot again.
    const monitor::UnitSnapshot snapshot =
        monitor::DecodeSnapshot(poll_, data_, {false, data_.TrendBlocksTaken});
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d_", now.year, now.month,
                  now.day, now.hour, now.minute, now.second);
    const RecordFile file = WriteRecordFile(
        files_, workingDirectory_, SnapshotFolder,
        std::string(stamp) + std::string(monitor::ResetFileWord(kind)), "csv",
        monitor::ResetSnapshotCsv(kind, snapshot, now, set_.get(params::Field::unitId)));
    return {file.saved, file.path};
}

}  // namespace orvane::storage
