// The operator's boxes and the parameter files' dialogs in their Qt form: information and
// error boxes with an OK button, Yes/No questions, the list of changes (ChangeListDialog),
// and the open and save file dialogs. A
// busy cursor set for a blocking transfer gives way to the normal one while a box waits
// for the operator. Owned by the window; window thread only; every call blocks until the
// operator answers.
#pragma once

#include <QString>

#include "frontend/file_dialogs.h"
#include "frontend/operator_dialogs.h"

class QWidget;

namespace orvane::ui {

class QtDialogs final : public frontend::OperatorDialogs, public frontend::FileDialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    void inform(std::string_view text) override;
    void showError(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askChanges(const frontend::ChangeList& changes) override;
    void showChanges(const frontend::ChangeList& changes) override;

    std::optional<std::string> chooseSaveFile(const std::string& initialFolder,
                                              const std::string& proposedName,
                                              std::string_view defaultExtension) override;
    std::optional<std::string> chooseOpenFile(const std::string& initialFolder,
                                              std::string_view filterLabel) override;

  private:
    QWidget* parent_;
    QString lastOpenFolder_;  // the open dialog keeps its last file between uses
    QString lastOpenFile_;
};

// The title of the program's message boxes. (The window title stays the program's own: an
// application display name would be appended to it by the desktop.)
QString BoxTitle();

// Shows the wait cursor for the lifetime of the object (a blocking parameter transfer).
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace orvane::ui
