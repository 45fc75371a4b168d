// params read, diff and write: the window's import, compare and export around the
// parameter file named on the command line.
#include <optional>

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

// Runs a transfer to its end. The command line's link has no loop, so every exchange, and
// with them the transfer, ends before `start` returns.
template <class Start>
ExitStatus Transfer(Start start) {
    std::optional<params::TransferOutcome> outcome;
    start([&outcome](params::TransferOutcome ended) { outcome = ended; });
    return outcome ? ExitFor(*outcome) : ExitStatus::noAnswer;
}

}  // namespace

ExitStatus RunParamsRead(HeadlessProgram& headless, const std::string& path) {
    if (const ExitStatus probed = Probe(headless); probed != ExitStatus::done)
        return probed;
    ui::Program& p = headless.program();
    if (const ExitStatus read = Transfer([&p](params::TransferDone done) {
            p.parameterImport.ImportParameters(std::move(done));
        });
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
    return Transfer([&headless](params::TransferDone done) {
        headless.program().parameterCompare.CompareWithUnit(params::LoadedFileWording,
                                                            std::move(done));
    });
}

ExitStatus RunParamsWrite(HeadlessProgram& headless, const std::string& path) {
    if (const ExitStatus loaded = Load(headless, path); loaded != ExitStatus::done)
        return loaded;
    if (const ExitStatus probed = Probe(headless); probed != ExitStatus::done)
        return probed;
    return Transfer([&headless](params::TransferDone done) {
        headless.program().parameterExport.ExportParameters(std::move(done));
    });
}

}  // namespace orvane::cli
