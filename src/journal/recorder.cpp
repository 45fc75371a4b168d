#include "journal/recorder.h"

#include <string_view>

#include "journal/recording_columns.h"

namespace orvane::journal {

namespace {

constexpr auto RecordButton = frontend::controls::Bt_Registra;
constexpr std::string_view FilePrefix = "Orvane_Registrazione";
constexpr std::string_view Extension = "csv";

bool SameSecond(const monitor::LocalTime& a, const monitor::LocalTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.utcOffsetSeconds == b.utcOffsetSeconds;
}

}  // namespace

Recorder::Recorder(const ExportServices& services, frontend::Screen& screen)
    : s_(services), screen_(screen) {}

void Recorder::Bt_RegistraClick() {
    if (isRecording())
        stop(false);
    else
        start();
}

void Recorder::start() {
    const std::optional<std::string> path = ChooseFileToWrite(s_, FilePrefix, Extension);
    if (!path)
        return;
    std::unique_ptr<storage::AppendingFile> file = s_.files.openForAppend(*path);
    if (file == nullptr) {
        ReportUnwritable(s_, *path, EventKind::recordingFailed);
        return;
    }
    const std::string header = RecordingHeader();
    const std::string_view columns(header.data(), header.size() - 2);  // without CR LF
    if (file->wasEmpty()) {
        if (!file->append(header)) {
            ReportUnwritable(s_, *path, EventKind::recordingFailed);
            return;
        }
    } else if (file->firstLine() != columns) {
        s_.events.record(EventKind::recordingFailed, *path);
        s_.dialogs.showError(std::string(s_.language.text(catalogue::row::NotARecording)) + ": " +
                             *path);
        return;
    } else if (file->endsMidLine() && !file->append("\r\n")) {
        // The row a killed recording tore stays as it is; ours start on a line of their own.
        ReportUnwritable(s_, *path, EventKind::recordingFailed);
        return;
    }
    file_ = std::move(file);
    path_ = *path;
    rows_ = 0;
    lastRow_.reset();
    s_.events.record(EventKind::recordingStarted, path_);
    showState();
}

void Recorder::stop(bool failed) {
    file_.reset();
    const std::string rows = " (" + std::to_string(rows_) + ' ' +
                             std::string(s_.language.text(catalogue::row::RowsWord)) + ')';
    if (failed)
        ReportUnwritable(s_, path_, EventKind::recordingFailed);
    else
        s_.events.record(EventKind::recordingStopped, path_ + rows);
    showState();
}

void Recorder::take(const monitor::UnitSnapshot& snapshot) {
    if (!isRecording())
        return;
    const monitor::LocalTime now = s_.clock.now();
    if (lastRow_ && SameSecond(*lastRow_, now))
        return;
    if (!file_->append(RecordingRow(snapshot, now))) {
        stop(true);
        return;
    }
    lastRow_ = now;
    ++rows_;
    showState();
}

void Recorder::showState() {
    const catalogue::Language& l = s_.language;
    if (!isRecording()) {
        screen_.setText(RecordButton, l.text(catalogue::row::RecordButton));
        return;
    }
    screen_.setText(RecordButton, std::string(l.text(catalogue::row::StopRecordingButton)) + " (" +
                                      std::to_string(rows_) + ' ' +
                                      std::string(l.text(catalogue::row::RowsWord)) + ')');
}

}  // namespace orvane::journal
