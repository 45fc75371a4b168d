#include "ui/window/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/window/change_list_dialog.h"
#include "ui/window/qt_text.h"

namespace orvane::ui {

namespace {

// Takes a busy cursor away while the operator is asked something, and puts it back after.
class NormalCursorWhileAsking {
  public:
    NormalCursorWhileAsking() {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
            ++taken_;
        }
    }
    ~NormalCursorWhileAsking() {
        for (int i = 0; i < taken_; ++i)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    NormalCursorWhileAsking(const NormalCursorWhileAsking&) = delete;
    NormalCursorWhileAsking& operator=(const NormalCursorWhileAsking&) = delete;

  private:
    int taken_ = 0;
};

int ShowBox(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
            QMessageBox::StandardButtons buttons) {
    const NormalCursorWhileAsking normal;
    QMessageBox box(icon, BoxTitle(), ToQString(text), buttons, parent);
    box.setObjectName(QStringLiteral("OperatorBox"));
    return box.exec();
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
    const NormalCursorWhileAsking normal;
    // Qt's own dialog: the same on every desktop, and answerable by the window tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace

QString BoxTitle() {
    return QStringLiteral("Orvane");
}

void QtDialogs::inform(std::string_view text) {
    ShowBox(parent_, QMessageBox::Information, text, QMessageBox::Ok);
}

void QtDialogs::showError(std::string_view text) {
    ShowBox(parent_, QMessageBox::Critical, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(std::string_view text) {
    return ShowBox(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtDialogs::askChanges(const frontend::ChangeList& changes) {
    const NormalCursorWhileAsking normal;
    ChangeListDialog dialog(changes, ChangeListDialog::Buttons::YesNo, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::showChanges(const frontend::ChangeList& changes) {
    const NormalCursorWhileAsking normal;
    ChangeListDialog dialog(changes, ChangeListDialog::Buttons::Ok, parent_);
    dialog.exec();
}

std::optional<std::string> QtDialogs::chooseSaveFile(const std::string& initialFolder,
                                                     const std::string& proposedName,
                                                     std::string_view defaultExtension) {
    (void)defaultExtension;  // the caller adds it when the chosen name has none
    QFileDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("Dlg_Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The file name is the operator's choice; saving over an existing file is what "Salva"
    // with a known name means.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (QFileInfo(QString::fromStdString(initialFolder)).isDir())
        dialog.setDirectory(QString::fromStdString(initialFolder));
    dialog.selectFile(QString::fromStdString(proposedName));
    return RunFileDialog(dialog);
}

std::optional<std::string> QtDialogs::chooseOpenFile(const std::string& initialFolder,
                                                     std::string_view filterLabel) {
    QFileDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("Dlg_Apri"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQString(filterLabel));
    const QString folder = QString::fromStdString(initialFolder);
    if (QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    else if (!lastOpenFolder_.isEmpty())
        dialog.setDirectory(lastOpenFolder_);
    if (!lastOpenFile_.isEmpty())
        dialog.selectFile(lastOpenFile_);
    std::optional<std::string> chosen = RunFileDialog(dialog);
    if (chosen) {
        const QFileInfo info(QString::fromStdString(*chosen));
        lastOpenFolder_ = info.absolutePath();
        lastOpenFile_ = info.fileName();
    }
    return chosen;
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace orvane::ui
