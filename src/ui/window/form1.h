// The program's one window: the page control `Pg_Controllo` with its seven pages, the link
// strip under it and the poll timer `Timer1`. It only wires: the pages build the controls
// from the control table, QtScreen lets the cores write and read them by handle, the timer
// runs while the link control says so, and every event handler forwards to the session,
// which owns the program's state and logic.
//
// Construction builds the controls and runs FormCreate (settings, lists, position, skin);
// the first show runs FormShow (defaults, texts, start state); closing runs FormCloseQuery.
// Owned by the program's entry point; GUI thread only.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "link/monotonic_clock.h"
#include "link/port_table.h"
#include "monitor/poll_timer.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"
#include "ui/core/session.h"
#include "ui/core/window_frame.h"

class QTabWidget;

namespace orvane::link {
class SerialPort;
class Delay;
class LinkEvents;
}  // namespace orvane::link

namespace orvane::ui {

class JournalTableModel;
class QtDialogs;
class QtScreen;
class QtTransferProgress;
class SkinSwitcher;

// What a test may put in place of the real machine; each left empty is the real one.
struct Form1Options {
    link::SerialPort* port = nullptr;              // the termios port
    link::Delay* delay = nullptr;                  // real sleeps
    frontend::OperatorDialogs* dialogs = nullptr;  // Qt message boxes
    frontend::FileDialogs* fileDialogs = nullptr;  // Qt file dialogs
    const monitor::LocalClock* clock = nullptr;    // the PC's clock
    // The link that blocks the window until each answer is in, as it once did (kept to
    // compare against); otherwise the link runs on the window's event loop.
    bool blockingLink = false;
    // The serial devices present; empty: the devices this machine has.
    std::function<std::vector<link::SerialDevice>()> presentDevices;
};

class Form1 final : public QWidget, private WindowFrame, private monitor::PollTimer {
    Q_OBJECT

  public:
    static constexpr int kPollIntervalMs = 75;
    // The bus health line follows a few times a second, whatever the link is doing.
    static constexpr int kBusLineIntervalMs = 250;

    explicit Form1(SkinSwitcher& skins, Form1Options options = {});
    ~Form1() override;

    Session& session() { return *session_; }
    QtScreen& screen() { return *screen_; }
    QTimer& timer1() { return timer1_; }
    QTabWidget& pages() { return *pages_; }
    QtTransferProgress& progress() { return *progress_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // WindowFrame
    void moveTo(int left, int top) override;
    int left() const override;
    int top() const override;
    bool applySkin(std::string_view name) override;
    // monitor::PollTimer
    void setRunning(bool running) override;

    void buildLayout();
    void connectHandlers();
    void labelPortEntries();
    void Timer1Timer();
    void refreshAccessibleNames();
    // Starts a parameter transfer; on the blocking link it runs to its end under the wait
    // cursor.
    void runTransfer(const std::function<void()>& transfer);

    SkinSwitcher& skins_;
    QTabWidget* pages_ = nullptr;
    QTimer timer1_;
    QTimer busLineTimer_;
    bool inTick_ = false;
    bool shown_ = false;

    std::unique_ptr<QtScreen> screen_;
    std::unique_ptr<QtDialogs> qtDialogs_;
    std::unique_ptr<link::SerialPort> ownPort_;
    std::unique_ptr<link::Delay> ownDelay_;
    std::unique_ptr<link::LinkEvents> linkEvents_;
    std::unique_ptr<QtTransferProgress> progress_;
    std::unique_ptr<monitor::LocalClock> ownClock_;
    link::SteadyClock steadyClock_;
    storage::PosixFileSystem files_;
    storage::ProcessWorkingDirectory workingDirectory_;
    std::unique_ptr<Session> session_;
    JournalTableModel* journalModel_ = nullptr;  // the journal table's, owned by the window
};

}  // namespace orvane::ui
