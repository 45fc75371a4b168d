// `Charger.INI`: the program's own settings in the working directory, worked out again at
// every read and write. Section GENERALE holds the five `ProgramSettings`; section PORTE
// (keys COM1..COM11, device paths) is the installer's binding of port-list entries to
// devices, read here and never written, so every save keeps it. Owned by the program root;
// window thread only.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "link/port_table.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::storage {

inline constexpr const char* SettingsFileName = "Charger.INI";

struct ProgramSettings {
    std::int32_t PortIndex = 0;  // entry of `Cb_Sel_Porta`, 0 = "COM 1"
    std::int32_t WindowLeft = 100;
    std::int32_t WindowTop = 100;
    std::int32_t SkinIndex = 0;      // position in `SkinNames`
    std::int32_t LanguageIndex = 0;  // 0 Italian, 1 English; taken as read, range enforced
                                     // by the window
};

class SettingsStore {
  public:
    SettingsStore(FileSystem& files, const WorkingDirectory& workingDirectory,
                  frontend::OperatorDialogs& dialogs, const catalogue::Language& language);

    // Missing file or keys: the defaults, silently. A file that exists but cannot be read:
    // "Errore inizializzazione dati" (in Italian: no language is known yet) and the fallback
    // members 0 / 50 / 50 / 0 / 0; the port table is then left as it is.
    void LoadProgramSettings(ProgramSettings& settings, link::PortTable& ports);

    // Writes COM_232, SKIN and LINGUA from the selections of `Cb_Sel_Porta`, `Combo_Skin`
    // and `Cb_Sel_Lingua`, LEFT and TOP from the members. On failure the old file stays as
    // it was and the operator is told; the result says whether the file was saved.
    bool SaveProgramSettings(const ProgramSettings& settings, const frontend::ScreenReader& window);

    std::string path() const;

  private:
    FileSystem& files_;
    const WorkingDirectory& workingDirectory_;
    frontend::OperatorDialogs& dialogs_;
    const catalogue::Language& language_;
};

}  // namespace orvane::storage
