// The real window in the test process: a scratch working directory (where Charger.INI and
// Salvataggi/ live), the unit simulator bound to "COM 1", message boxes and file dialogs
// answered by the test, and the serial devices the test lays out (none unless told) in
// place of this machine's.
// Test thread only.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_screen.h"
#include "support/scratch_directory.h"
#include "support/storage_fakes.h"
#include "support/unit_sim_process.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/form1.h"
#include "ui/window/qt_screen.h"

namespace orvane::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() : previousDirectory_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
        dialogs_.observe = [] {
            const QCursor* cursor = QApplication::overrideCursor();
            return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        };
    }
    ~WindowTest() override {
        window_.reset();
        std::filesystem::current_path(previousDirectory_);
    }

    // Charger.INI before the window is made; `withUnit` binds "COM 1" to a simulator started
    // with `simArguments`.
    void settings(const std::string& general, bool withUnit = false,
                  std::vector<std::string> simArguments = {}) {
        std::string ini = "[GENERALE]\r\n" + general;
        if (withUnit) {
            sim_ = std::make_unique<UnitSimProcess>(std::move(simArguments));
            EXPECT_TRUE(sim_->ready()) << sim_->error();
            ini += "[PORTE]\r\nCOM1=" + sim_->slavePath() + "\r\n";
        }
        folder_.write("Charger.INI", ini);
    }

    ui::Form1& open(bool realDialogs = false) {
        ui::Form1Options options;
        if (!realDialogs) {
            options.dialogs = &dialogs_;
            options.fileDialogs = &fileDialogs_;
        }
        options.presentDevices = [this] { return devices_; };
        window_ = std::make_unique<ui::Form1>(skins_, options);
        window_->show();
        return *window_;
    }

    template <class T = QWidget>
    T* control(frontend::AnyControl c) const {
        return qobject_cast<T*>(window_->screen().widget(c));
    }
    // What a control shows: its caption or text, a list its current entry.
    std::string text(frontend::AnyControl c) const { return window_->screen().captionOf(c.id()); }
    // Clicks a button and runs the handler the click queued.
    void click(frontend::AnyOf<frontend::ControlKind::Button, frontend::ControlKind::LargeButton> c)
        const {
        control<QAbstractButton>(c)->click();
        runQueuedHandlers();
    }
    static void runQueuedHandlers() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    // The operator picks entry `index` of a list.
    void pick(frontend::ListControl c, int index) const {
        QComboBox* list = control<QComboBox>(c);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Lets the event loop run (Timer1 polls the unit) until `done` holds.
    template <class Predicate>
    bool waitFor(Predicate done, int timeoutMs = 15000) const {
        return QTest::qWaitFor(done, timeoutMs);
    }
    std::string savedSettings() const { return folder_.read("Charger.INI").value_or(""); }
    bool tabShown(frontend::Control<frontend::ControlKind::Page> page) const {
        QTabWidget& pages = window_->pages();
        return pages.isTabVisible(pages.indexOf(control(page)));
    }

    ScratchDirectory folder_;
    std::unique_ptr<UnitSimProcess> sim_;
    ui::SkinSwitcher skins_;
    FakeOperator dialogs_;  // observes whether the wait cursor is up at each box
    FakeFileDialogs fileDialogs_;
    std::vector<link::SerialDevice> devices_;  // what the port list finds on the machine
    std::unique_ptr<ui::Form1> window_;

  private:
    std::filesystem::path previousDirectory_;
};

}  // namespace orvane::testing
