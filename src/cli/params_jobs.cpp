// params read, diff and write: the window's import, compare and export around the
// parameter file named on the command line.
#include "cli/jobs.h"
#include "cli/polling.h"
#include "storage/parameter_file.h"

namespace orvane::cli {

namespace {

// Loading as `Bt_Leggi_Disco` does; a file that cannot be read at all is refused here
// (the window would go on with the defaults).
ExitStatus Load(HeadlessProgram& headless, const std::string& path) {
    headless.file().give(path);
    if (headless.program().parameterFiles.Bt_Leggi_DiscoClick() == params::TransferOutcome::done)
        return ExitStatus::done;
    headless.dialogs().showError(
        std::string(headless.program().language.text(catalogue::row::CliFileUnreadable)) + path);
    return ExitStatus::fileFailed;
}

// The link started and the firmware's answer in, so the transfer's own firmware check
// sees what the window would.
ExitStatus Probe(HeadlessProgram& headless) {
    if (const ExitStatus started = StartPolling(headless); started != ExitStatus::done)
        return started;
    return AwaitFirmware(headless, false);
}

}  // namespace

ExitStatus RunParamsRead(HeadlessProgram& headless, const std::string& path) {
    if (const ExitStatus probed = Probe(headless); probed != ExitStatus::done)
        return probed;
    ui::Program& p = headless.program();
    if (const ExitStatus read = ExitFor(p.parameterImport.ImportParameters());
        read != ExitStatus::done)
        return read;
    headless.file().give(path);
    const ExitStatus saved = ExitFor(p.parameterFiles.Bt_Salva_DiscoClick());
    if (saved == ExitStatus::done)
        headless.dialogs().inform(
            std::string(p.language.text(catalogue::row::CliParametersSaved)) +
            storage::WithDefaultExtension(path, storage::ParameterFileExtension));
    return saved;
}

ExitStatus RunParamsDiff(HeadlessProgram& headless, const std::string& path) {
    if (const ExitStatus loaded = Load(headless, path); loaded != ExitStatus::done)
        return loaded;
    if (const ExitStatus probed = Probe(headless); probed != ExitStatus::done)
        return probed;
    return ExitFor(headless.program().parameterCompare.CompareWithUnit(params::LoadedFileWording));
}

ExitStatus RunParamsWrite(HeadlessProgram& headless, const std::string& path) {
    if (const ExitStatus loaded = Load(headless, path); loaded != ExitStatus::done)
        return loaded;
    if (const ExitStatus probed = Probe(headless); probed != ExitStatus::done)
        return probed;
    return ExitFor(headless.program().parameterExport.ExportParameters());
}

}  // namespace orvane::cli
