// watch: the live values as lines, with the window's recording columns.
#include "cli/jobs.h"
#include "cli/polling.h"
#include "journal/recording_columns.h"

namespace orvane::cli {

namespace {

std::string Tabbed(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields)
        line.append(line.empty() ? "" : "\t").append(field);
    return line + '\n';
}

// Prints a line for each snapshot that brought a new measurement block, and tells the link's
// condition each time it changes.
class WatchLines final : public monitor::SnapshotSink {
  public:
    WatchLines(std::ostream& out, std::ostream& err, WatchFormat format,
               const monitor::LocalClock& clock)
        : out_(out), err_(err), format_(format), clock_(clock) {}

    void take(const monitor::UnitSnapshot& snapshot) override {
        using monitor::LinkCondition;
        if (snapshot.link.condition != condition_) {
            // The first "OK" after the start says nothing new.
            const bool news = snapshot.link.condition != LinkCondition::starting &&
                              (snapshot.link.condition != LinkCondition::ok ||
                               condition_ != LinkCondition::starting);
            condition_ = snapshot.link.condition;
            if (news)
                err_ << snapshot.link.matrixText << '\n' << std::flush;
        }
        if (!snapshot.trendBlocks.newThisTick)
            return;
        const monitor::LocalTime now = clock_.now();
        switch (format_) {
            case WatchFormat::csv:
                out_ << journal::RecordingRow(snapshot, now);
                break;
            case WatchFormat::json:
                out_ << journal::RecordingJson(snapshot, now) << '\n';
                break;
            case WatchFormat::table:
                out_ << Tabbed(journal::RecordingValues(snapshot, now));
                break;
        }
        out_ << std::flush;  // a reader at the other end of a pipe gets each line at once
        ++lines_;
    }
    std::uint64_t lines() const { return lines_; }

  private:
    std::ostream& out_;
    std::ostream& err_;
    WatchFormat format_;
    const monitor::LocalClock& clock_;
    monitor::LinkCondition condition_ = monitor::LinkCondition::starting;
    std::uint64_t lines_ = 0;
};

}  // namespace

ExitStatus RunWatch(HeadlessProgram& headless, WatchFormat format,
                    std::optional<std::uint64_t> count) {
    if (const ExitStatus started = StartPolling(headless); started != ExitStatus::done)
        return started;
    if (const ExitStatus answered = AwaitFirmware(headless, true); answered != ExitStatus::done)
        return answered;
    std::ostream& out = headless.terminal().out;
    if (format == WatchFormat::csv)
        out << journal::RecordingHeader();
    else if (format == WatchFormat::table)
        out << Tabbed(journal::RecordingColumnNames());
    out << std::flush;
    WatchLines lines(out, headless.terminal().err, format, headless.clock());
    headless.snapshots().listen(&lines);
    TickUntil(headless, [&] { return count && lines.lines() >= *count; });
    headless.snapshots().listen(nullptr);
    return ExitStatus::done;
}

}  // namespace orvane::cli
