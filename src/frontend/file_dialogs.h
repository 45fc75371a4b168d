// What the parameter files ask of the window: the platform's save and open file dialogs.
// The Qt window shows real dialogs; tests answer from a script. Window thread; each call
// blocks until the operator closes the dialog. The dialogs do not ask before overwriting,
// do not require the file to exist, and do not create the initial folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::frontend {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Opens in `initialFolder` (or wherever the platform goes when it does not exist) with
    // `proposedName` filled in; nothing when cancelled. The name comes back as the operator
    // typed it: the caller adds `defaultExtension` ("ovn") when it has none.
    virtual std::optional<std::string> chooseSaveFile(const std::string& initialFolder,
                                                      const std::string& proposedName,
                                                      std::string_view defaultExtension) = 0;
    // Opens in `initialFolder` with one filter entry labelled `filterLabel`; nothing when
    // cancelled.
    virtual std::optional<std::string> chooseOpenFile(const std::string& initialFolder,
                                                      std::string_view filterLabel) = 0;
};

}  // namespace orvane::frontend
