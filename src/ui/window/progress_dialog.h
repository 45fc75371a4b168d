// The parameter transfers' progress dialog: window-modal (the operator can start nothing
// else, the window's event loop runs and repaints), the step under way, a bar, and Cancel
// while the transfer offers it; once refused, the button goes and a line says why. Cancel,
// Escape and the close button only ask: the transfer closes the dialog at its end. Owned by
// the window; window thread only.
#pragma once

#include <memory>

#include "catalogue/message_catalogue.h"
#include "frontend/transfer_progress.h"

class QDialog;
class QWidget;

namespace orvane::ui {

class ProgressDialog;

class QtTransferProgress final : public frontend::TransferProgress {
  public:
    // `window` must outlive this object; so must the language, given before the first open
    // (it belongs to the program, built after this object).
    explicit QtTransferProgress(QWidget& window);
    void setLanguage(const catalogue::Language& language) { language_ = &language; }
    ~QtTransferProgress() override;

    void open() override;
    void show(std::string_view text, int done, int total) override;
    void refuseCancel(std::string_view why) override;
    bool cancelRequested() const override;
    void close() override;

    // The dialog while open, else null (for tests and window shots).
    QDialog* dialog() const;

  private:
    QWidget& window_;
    const catalogue::Language* language_ = nullptr;
    std::unique_ptr<ProgressDialog> dialog_;
};

}  // namespace orvane::ui
