// The two buttons of `Gr_Gestione_Disco`: save the window's parameters to a file the
// operator chooses (`Bt_Salva_Disco`) and load one into the set and the window
// (`Bt_Leggi_Disco`). Neither touches the serial link. Each returns the working directory
// to what it was before its dialog, confirmed or cancelled, and holds no file open after
// it returns. Saves, loads and refusals go to `events`. Owned by the program root; window
// thread only.
#pragma once

#include <optional>
#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/file_dialogs.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "journal/event_sink.h"
#include "monitor/local_clock.h"
#include "params/parameter_defaults.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "params/parameter_transfer.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::storage {

// Where the dialogs open, under the working directory. The program does not create it.
inline constexpr const char* ParameterFolder = "Salvataggi";
inline constexpr const char* ParameterFileFilter = "Orvane Files (*.ovn)";

class ParameterFiles {
  public:
    // Every reference must outlive this object.
    ParameterFiles(params::ParameterSet& set, params::ParameterEditor& editor,
                   const params::ParameterDefaults& defaults, const frontend::ScreenReader& window,
                   frontend::FileDialogs& fileDialogs, frontend::OperatorDialogs& dialogs,
                   FileSystem& files, WorkingDirectory& workingDirectory,
                   const monitor::LocalClock& clock, const catalogue::Language& language,
                   journal::EventSink& events = journal::NoEvents());

    // Collects and checks the window's parameters (the set is overwritten even when a check
    // fails); on a failure shows the last failing check and opens no dialog. Otherwise
    // proposes the default name and saves the chosen file as a whole, keeping whatever else
    // an existing file holds. A failed save leaves an existing file as it was and shows
    // "Errore in Salvataggio Dati" (cannot create) or "Unable to write to <path>".
    params::TransferOutcome Bt_Salva_DiscoClick();

    // Loads the chosen file into the set and shows it. Missing or unreadable values, and a
    // file that cannot be read at all, take the file's defaults; no message. The latter
    // comes back as fileFailed, for a caller that must not go on with the defaults.
    params::TransferOutcome Bt_Leggi_DiscoClick();

    // Lists the fields that loading the chosen file would change in the window, loading
    // nothing. The file is read as loading reads it (missing values take their defaults).
    void Bt_Confronta_DiscoClick();

  private:
    // The file the operator picks in the open dialog; nothing when cancelled.
    std::optional<std::string> chooseFileToOpen();

    params::ParameterSet& set_;
    params::ParameterEditor& editor_;
    const params::ParameterDefaults& defaults_;
    const frontend::ScreenReader& window_;
    frontend::FileDialogs& fileDialogs_;
    frontend::OperatorDialogs& dialogs_;
    FileSystem& files_;
    WorkingDirectory& workingDirectory_;
    const monitor::LocalClock& clock_;
    const catalogue::Language& language_;
    journal::EventSink& events_;
};

}  // namespace orvane::storage
