#include "storage/program_settings.h"

#include "storage/ini_file.h"

namespace orvane::storage {

namespace {

constexpr const char* General = "GENERALE";
constexpr const char* Ports = "PORTE";

}  // namespace

SettingsStore::SettingsStore(FileSystem& files, const WorkingDirectory& workingDirectory,
                             frontend::OperatorDialogs& dialogs,
                             const catalogue::Language& language)
    : files_(files), workingDirectory_(workingDirectory), dialogs_(dialogs), language_(language) {}

std::string SettingsStore::path() const {
    return JoinPath(workingDirectory_.current(), SettingsFileName);
}

void SettingsStore::LoadProgramSettings(ProgramSettings& settings, link::PortTable& ports) {
    const LoadedIni loaded = LoadIniFile(files_, path());
    if (loaded.outcome == ReadOutcome::Unreadable) {
        dialogs_.inform(
            catalogue::CatalogueText(catalogue::row::SettingsReadError, catalogue::Italian));
        settings = ProgramSettings{0, 50, 50, 0, 0};
        return;
    }
    const IniDocument& ini = loaded.document;
    settings.PortIndex = ini.readInteger(General, "COM_232", 0);
    settings.WindowLeft = ini.readInteger(General, "LEFT", 100);
    settings.WindowTop = ini.readInteger(General, "TOP", 100);
    settings.SkinIndex = ini.readInteger(General, "SKIN", 0);
    settings.LanguageIndex = ini.readInteger(General, "LINGUA", 0);
    for (int index = 0; index < link::PortCount; ++index)
        ports.setConfigured(index, ini.readText(Ports, "COM" + std::to_string(index + 1), ""));
}

bool SettingsStore::SaveProgramSettings(const ProgramSettings& settings,
                                        const frontend::ScreenReader& window) {
    const std::string file = path();
    const SaveOutcome outcome = UpdateIniFile(files_, file, [&](IniDocument& ini) {
        ini.writeInteger(General, "COM_232", window.listIndex(frontend::controls::Cb_Sel_Porta));
        ini.writeInteger(General, "LEFT", settings.WindowLeft);
        ini.writeInteger(General, "TOP", settings.WindowTop);
        ini.writeInteger(General, "SKIN", window.listIndex(frontend::controls::Combo_Skin));
        ini.writeInteger(General, "LINGUA", window.listIndex(frontend::controls::Cb_Sel_Lingua));
    });
    switch (outcome) {
        case SaveOutcome::Saved:
            return true;
        case SaveOutcome::CannotOpen:
            dialogs_.inform(language_.text(catalogue::row::DataSavingError));
            return false;
        case SaveOutcome::CannotWrite:
            dialogs_.showError(UnableToWriteText(file));
            return false;
    }
    return false;
}

}  // namespace orvane::storage
