// Starting and stopping the link: what each half changes, and the opening-error message
// with its advice line.
#include <gtest/gtest.h>

#include "live_rig.h"
#include "monitor/opening_error.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

using testing::FakeOperator;
using testing::LiveRig;

TEST(StartLink, opensTheSelectedPortAndShowsTheStartedLink) {
    LiveRig rig;
    rig.ports.setConfigured(3, "/dev/fake3");
    rig.screen.indices[controls::Cb_Sel_Porta] = 3;
    rig.poll.LinkErrorFlag = rig.poll.FwVersionError = true;
    rig.control.Bt_OpenClick();
    EXPECT_EQ(rig.port.openedPaths, std::vector<std::string>{"/dev/fake3"});
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Ferma");
    EXPECT_EQ(rig.matrix(), "Avviato");
    EXPECT_TRUE(rig.screen.lamps[controls::Led_Comunicazione]);
    EXPECT_TRUE(rig.timer.running);
    EXPECT_TRUE(rig.screen.recording);
    EXPECT_FALSE(rig.poll.LinkErrorFlag || rig.poll.FwVersionError);
    EXPECT_EQ(rig.poll.LinkOkDelay, 3);
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(StopLink, closesThePortAndShowsTheStoppedLink) {
    LiveRig rig;
    rig.control.Bt_OpenClick();
    rig.tick(3);
    rig.poll.FwVersionError = true;
    rig.language.LanguageIndex = catalogue::English;
    rig.control.Bt_OpenClick();
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_EQ(rig.port.closeCount, 1);
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Start");
    EXPECT_EQ(rig.matrix(), "Stopped");
    EXPECT_FALSE(rig.screen.lamps[controls::Led_Comunicazione]);
    EXPECT_FALSE(rig.timer.running);
    EXPECT_FALSE(rig.screen.recording);
    EXPECT_FALSE(rig.poll.FwVersionError);
    EXPECT_EQ(rig.poll.LinkOkDelay, 3);
}

TEST(StartLink, aPortThatWillNotOpenIsReportedAndChangesNothingElse) {
    struct Case {
        link::OpenError reason;
        int language;
        std::string message;
    };
    const Case cases[] = {
        {link::OpenError::Other, catalogue::Italian, "Errore in apertura 3"},
        {link::OpenError::ConfigureFailed, catalogue::English, "Opening Error 3"},
        {link::OpenError::PermissionDenied, catalogue::Italian,
         "Errore in apertura 3\nAccesso negato alla porta: aggiungere l'utente al gruppo "
         "dialout (sudo usermod -aG dialout $USER) e rientrare nella sessione."},
        {link::OpenError::PermissionDenied, catalogue::English,
         "Opening Error 3\nAccess to the port denied: add your user to the dialout group "
         "(sudo usermod -aG dialout $USER) and log in again."},
        {link::OpenError::NoSuchDevice, catalogue::English,
         "Opening Error 3\nDevice not found: check that the adapter is plugged in and the "
         "selected port."},
        {link::OpenError::Busy, catalogue::English,
         "Opening Error 3\nThe port is in use by another program: close it and try again."},
    };
    for (const Case& c : cases) {
        LiveRig rig;
        rig.ports.setConfigured(2, "/dev/fake2");
        rig.screen.indices[controls::Cb_Sel_Porta] = 2;
        rig.language.LanguageIndex = c.language;
        rig.port.failNextOpen(c.reason);
        rig.screen.writes = 0;
        rig.control.Bt_OpenClick();
        ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.dialogs.boxes[0].kind, FakeOperator::Kind::Information);
        EXPECT_EQ(rig.dialogs.boxes[0].text, c.message);
        EXPECT_EQ(rig.screen.writes, 0);
        EXPECT_FALSE(rig.timer.running);
        EXPECT_FALSE(rig.link.IsPortOpen());
    }
}

TEST(StartLink, anEntryWithoutADeviceSaysSo) {
    LiveRig rig;
    rig.screen.indices[controls::Cb_Sel_Porta] = 6;  // nothing bound to COM 7
    rig.control.StartLink();
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text,
              "Errore in apertura 7\nNessun dispositivo associato a questa porta: collegare "
              "l'adattatore o scegliere un'altra porta.");
    EXPECT_TRUE(rig.port.openedPaths.empty());
}

TEST(StartLink, noSelectionIsRefusedWithoutOpeningAnything) {
    LiveRig rig;
    rig.screen.indices[controls::Cb_Sel_Porta] = -1;
    rig.control.StartLink();
    EXPECT_TRUE(rig.port.openedPaths.empty());
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text,
              "Errore in apertura 0\nSelezionare una porta dall'elenco.");
}

TEST(OpeningError, reasonsWithoutAnythingToSuggestGiveOneLine) {
    catalogue::Language english{catalogue::English};
    for (auto reason :
         {link::OpenError::None, link::OpenError::Other, link::OpenError::ConfigureFailed})
        EXPECT_EQ(OpeningErrorMessage(english, 10, reason), "Opening Error 11");
}

TEST(CloseOnExit, closesThePortAndTurnsTheLampAndTimerOff) {
    LiveRig rig;
    rig.control.StartLink();
    rig.control.CloseOnExit();
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_FALSE(rig.screen.lamps[controls::Led_Comunicazione]);
    EXPECT_FALSE(rig.timer.running);
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

}  // namespace
}  // namespace orvane::monitor
