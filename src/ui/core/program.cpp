#include "ui/core/program.h"

namespace orvane::ui {

namespace {
// The program's own sinks, then those its services bring.
std::vector<monitor::SnapshotSink*> ProgramSinks(std::vector<monitor::SnapshotSink*> own,
                                                 const std::vector<monitor::SnapshotSink*>& more) {
    own.insert(own.end(), more.begin(), more.end());
    return own;
}
}  // namespace

Program::Program(const ProgramServices& s)
    : services(s),
      link(s.port, ports, s.delay, s.linkEvents),
      busHealth(s.monotonicClock, s.clock),
      journal(s.clock),
      exports{s.fileDialogs, s.dialogs, s.files, s.workingDirectory, s.clock, language, journal},
      snapshotEvents(journal, language),
      recorder(exports, s.screen),
      journalButtons(journal, exports),
      chartExport(exports, s.charts),
      live(link, poll, data, s.screen, s.input, s.clock, language, busHealth,
           ProgramSinks({&snapshotEvents, &recorder}, s.snapshotSinks), journal),
      linkControl(link, poll, s.screen, s.input, s.pollTimer, s.dialogs, language, busHealth,
                  live.replug(), journal),
      busLine(busHealth, s.screen, language),
      snapshotFiles(poll, data, parameters, s.files, s.workingDirectory, s.clock),
      snapshots(s.resetSnapshots != nullptr ? *s.resetSnapshots : snapshotFiles),
      commands(poll, link, s.dialogs, language, snapshots, journal),
      freeConfiguration(s.screen, s.input, language),
      editor(parameters, s.screen, s.input, freeConfiguration),
      marks(s.screen, s.input, language),
      defaults(parameters, s.screen, language, freeConfiguration, editor, s.dialogs),
      transfer{link,        s.delay, poll,
               linkControl, s.input, s.dialogs,
               language,    journal, s.progress != nullptr ? *s.progress : noProgress},
      parameterImport(transfer, parameters, editor),
      backupFiles(s.files, s.workingDirectory, s.clock),
      backups(s.unitBackups != nullptr ? *s.unitBackups : backupFiles),
      parameterExport(transfer, parameters, editor, backups),
      parameterCompare(transfer, parameters, editor),
      settingsStore(s.files, s.workingDirectory, s.dialogs, language),
      parameterFiles(parameters, editor, defaults, s.input, s.fileDialogs, s.dialogs, s.files,
                     s.workingDirectory, s.clock, language, journal) {
    link.setClock(s.monotonicClock);
    link.setObserver(&busHealth);
}

}  // namespace orvane::ui
