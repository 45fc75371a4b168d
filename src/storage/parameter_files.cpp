#include "storage/parameter_files.h"

#include "params/change_list.h"
#include "params/parameter_checks.h"
#include "params/parameter_compare.h"
#include "params/transfer_messages.h"
#include "storage/ini_file.h"
#include "storage/parameter_file.h"

namespace orvane::storage {

ParameterFiles::ParameterFiles(params::ParameterSet& set, params::ParameterEditor& editor,
                               const params::ParameterDefaults& defaults,
                               const frontend::ScreenReader& window,
                               frontend::FileDialogs& fileDialogs,
                               frontend::OperatorDialogs& dialogs, FileSystem& files,
                               WorkingDirectory& workingDirectory, const monitor::LocalClock& clock,
                               const catalogue::Language& language, journal::EventSink& events)
    : set_(set),
      editor_(editor),
      defaults_(defaults),
      window_(window),
      fileDialogs_(fileDialogs),
      dialogs_(dialogs),
      files_(files),
      workingDirectory_(workingDirectory),
      clock_(clock),
      language_(language),
      events_(events) {}

params::TransferOutcome ParameterFiles::Bt_Salva_DiscoClick() {
    using params::TransferOutcome;
    // A shown identifier typed over with something that is no number names the file after
    // the identifier the set holds.
    const std::optional<double> shownId = window_.number(
        params::Describe(params::Field::unitId).controlAs<params::NumberFieldControl>());
    const std::string proposed =
        DefaultParameterFileName(clock_.now(), shownId.value_or(set_.get(params::Field::unitId)));

    const std::string failure = params::ValidationMessage(
        language_, params::CheckCollectedParameters(set_, editor_.CollectParameters()));
    if (!failure.empty()) {
        events_.record(journal::EventKind::parametersRefused, failure);
        dialogs_.showError(failure);
        return TransferOutcome::checkFailed;
    }

    // The platform's dialog may move the working directory; Charger.INI must stay where the
    // program was started.
    const std::string home = workingDirectory_.current();
    const auto chosen = fileDialogs_.chooseSaveFile(JoinPath(home, ParameterFolder), proposed,
                                                    ParameterFileExtension);
    workingDirectory_.change(home);
    if (!chosen || chosen->empty())
        return TransferOutcome::cancelled;

    const std::string path = WithDefaultExtension(*chosen, ParameterFileExtension);
    const SaveOutcome outcome =
        UpdateIniFile(files_, path, [&](IniDocument& ini) { WriteParameterFile(set_, ini); });
    events_.record(outcome == SaveOutcome::Saved ? journal::EventKind::fileSaved
                                                 : journal::EventKind::fileSaveFailed,
                   path);
    if (outcome == SaveOutcome::CannotOpen)
        dialogs_.showError(language_.text(catalogue::row::DataSavingError));
    else if (outcome == SaveOutcome::CannotWrite)
        dialogs_.showError(UnableToWriteText(path));
    return outcome == SaveOutcome::Saved ? TransferOutcome::done : TransferOutcome::fileFailed;
}

std::optional<std::string> ParameterFiles::chooseFileToOpen() {
    const std::string home = workingDirectory_.current();
    auto chosen = fileDialogs_.chooseOpenFile(JoinPath(home, ParameterFolder), ParameterFileFilter);
    workingDirectory_.change(home);
    if (!chosen || chosen->empty())
        return std::nullopt;
    return chosen;
}

params::TransferOutcome ParameterFiles::Bt_Leggi_DiscoClick() {
    const std::optional<std::string> chosen = chooseFileToOpen();
    if (!chosen)
        return params::TransferOutcome::cancelled;

    const LoadedIni loaded = LoadIniFile(files_, *chosen);
    ReadParameterFile(loaded.document, set_, defaults_.DefaultNetbiosName());
    editor_.ShowParameters();
    events_.record(loaded.outcome == ReadOutcome::Read ? journal::EventKind::fileLoaded
                                                       : journal::EventKind::fileLoadFailed,
                   *chosen);
    return loaded.outcome == ReadOutcome::Read ? params::TransferOutcome::done
                                               : params::TransferOutcome::fileFailed;
}

void ParameterFiles::Bt_Confronta_DiscoClick() {
    using namespace catalogue::row;
    const std::optional<params::ParameterSet> window =
        params::WindowValues(set_, editor_, dialogs_, language_);
    if (!window)
        return;
    const std::optional<std::string> chosen = chooseFileToOpen();
    if (!chosen)
        return;
    // What loading would leave in the set: the file's keys over what the set holds now.
    params::ParameterSet file = *window;
    ReadParameterFile(LoadIniFile(files_, *chosen).document, file, defaults_.DefaultNetbiosName());
    const std::vector<params::Field> changes =
        params::ChangedFields(*window, file, params::AllBlocks);
    dialogs_.showChanges(params::MakeChangeList(
        std::string(language_.text(changes.empty() ? WindowSameAsFile : WindowAgainstFile)),
        WindowValueHeader, FileValueHeader, *window, file, changes, language_));
}

}  // namespace orvane::storage
