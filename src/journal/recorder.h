// Recording to CSV (`Bt_Registra`): a press asks for a file and starts, the next press
// stops. While recording, each snapshot that falls in a new second of the clock appends one
// row: local time, every measurement of the snapshot, every lamp as 0/1 and the link's
// condition. Snapshots come only while the link is started, so a stopped link pauses the
// recording and a started one resumes it. Each row goes to the operating system as it is
// written. A chosen file that already holds a recording with the same columns is continued;
// any other non-empty file is refused, never overwritten. The columns are those of
// recording_columns.h. The button reads "Registra..."
// or "Ferma registrazione (N righe)". Owned by the session; window thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "frontend/screen.h"
#include "journal/file_export.h"
#include "monitor/snapshot_sink.h"

namespace orvane::journal {

class Recorder final : public monitor::SnapshotSink {
  public:
    // Every reference must outlive the recorder.
    Recorder(const ExportServices& services, frontend::Screen& screen);

    void Bt_RegistraClick();
    void take(const monitor::UnitSnapshot& snapshot) override;

    // Writes the button's caption in the current language (after a language change).
    void showState();

    bool isRecording() const { return file_ != nullptr; }
    std::uint64_t rowsWritten() const { return rows_; }

  private:
    void start();
    void stop(bool failed);

    ExportServices s_;
    frontend::Screen& screen_;
    std::unique_ptr<storage::AppendingFile> file_;
    std::string path_;
    std::uint64_t rows_ = 0;
    std::optional<monitor::LocalTime> lastRow_;
};

}  // namespace orvane::journal
