#include "ui/window/progress_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window/qt_dialogs.h"
#include "ui/window/qt_text.h"

namespace orvane::ui {

class ProgressDialog final : public QDialog {
  public:
    ProgressDialog(QWidget& window, const QString& cancelText) : QDialog(&window) {
        setObjectName(QStringLiteral("TransferProgress"));
        setWindowTitle(BoxTitle());
        setWindowModality(Qt::WindowModal);
        auto* layout = new QVBoxLayout(this);
        step_ = new QLabel(this);
        bar_ = new QProgressBar(this);
        note_ = new QLabel(this);
        note_->setWordWrap(true);
        note_->hide();
        cancel_ = new QPushButton(cancelText, this);
        layout->addWidget(step_);
        layout->addWidget(bar_);
        layout->addWidget(note_);
        layout->addWidget(cancel_, 0, Qt::AlignRight);
        connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);
        setMinimumWidth(360);
    }

    void show(const QString& text, int done, int total) {
        step_->setText(text);
        bar_->setRange(0, total);
        bar_->setValue(done);
    }
    void refuseCancel(const QString& why) {
        refused_ = true;
        cancel_->hide();
        note_->setText(why);
        note_->show();
    }
    bool cancelRequested() const { return cancelled_; }

    // Cancel, Escape and the close button ask; the transfer ends at its next step.
    void reject() override {
        if (refused_)
            return;
        cancelled_ = true;
        cancel_->setEnabled(false);
    }

  private:
    QLabel* step_;
    QProgressBar* bar_;
    QLabel* note_;
    QPushButton* cancel_;
    bool refused_ = false;
    bool cancelled_ = false;
};

QtTransferProgress::QtTransferProgress(QWidget& window) : window_(window) {}

QtTransferProgress::~QtTransferProgress() = default;

void QtTransferProgress::open() {
    dialog_ = std::make_unique<ProgressDialog>(
        window_,
        ToQString(language_ != nullptr ? language_->text(catalogue::row::CancelButton) : ""));
    dialog_->QDialog::show();
}

void QtTransferProgress::show(std::string_view text, int done, int total) {
    if (dialog_)
        dialog_->show(ToQString(text), done, total);
}

void QtTransferProgress::refuseCancel(std::string_view why) {
    if (dialog_)
        dialog_->refuseCancel(ToQString(why));
}

QDialog* QtTransferProgress::dialog() const {
    return dialog_.get();
}

bool QtTransferProgress::cancelRequested() const {
    return dialog_ && dialog_->cancelRequested();
}

void QtTransferProgress::close() {
    if (dialog_)
        dialog_->hide();
    // It may be in the middle of its own signal (a last click): it goes once the loop is back.
    if (dialog_)
        dialog_.release()->deleteLater();
}

}  // namespace orvane::ui
