// The order in which the program comes up and goes down, and the two settings the operator
// changes from the window, with Charger.INI on the real disk and everything else faked.
#include "ui/core/session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_rig.h"

namespace orvane::ui {

namespace controls = orvane::frontend::controls;
namespace {

using testing::FakeOperator;

// The window's frame: where it stands and which skins were applied, with the settings file
// as it was on disk at the moment each skin was applied.
class FakeFrame final : public WindowFrame {
  public:
    explicit FakeFrame(const testing::ScratchDirectory& folder) : folder_(folder) {}
    void moveTo(int l, int t) override {
        left_ = l;
        top_ = t;
        ++moves;
    }
    int left() const override { return left_; }
    int top() const override { return top_; }
    bool applySkin(std::string_view name) override {
        skins.emplace_back(name);
        settingsWhenSkinApplied = folder_.read("Charger.INI").value_or("");
        return true;
    }
    std::vector<std::string> skins;
    std::string settingsWhenSkinApplied;
    int moves = 0;

  private:
    const testing::ScratchDirectory& folder_;
    int left_ = 464;
    int top_ = 5;
};

class StartingTheProgram : public ::testing::Test, protected testing::FakeServices {
  protected:
    StartingTheProgram() { devices = {{"/dev/ttyUSB0", "FTDI USB-RS485"}}; }
    void settings(const std::string& ini) { folder.write("Charger.INI", ini); }
    void start() {
        session.FormCreate();
        session.FormShow();
    }
    std::string savedSettings() const { return folder.read("Charger.INI").value_or(""); }

    FakeFrame frame{folder};
    Session session{services(), frame};
};

TEST_F(StartingTheProgram, firstRunInAnEmptyFolderComesUpWithTheDefaultsAndWritesThemOnClose) {
    start();
    EXPECT_EQ(frame.left(), 100);
    EXPECT_EQ(frame.top(), 100);
    EXPECT_EQ(frame.skins, std::vector<std::string>{"Windows"});
    EXPECT_EQ(screen.text(controls::Form1), " Orvane Configurator Trifase");
    EXPECT_EQ(screen.text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Porta), 0);
    EXPECT_EQ(screen.lists[controls::Cb_Sel_Porta].size(), 11u);
    EXPECT_EQ(screen.lists[controls::Cb_Sel_Porta][0].rfind("COM 1", 0), 0u);
    EXPECT_NE(screen.lists[controls::Cb_Sel_Porta][0].find("/dev/ttyUSB0"), std::string::npos);
    EXPECT_EQ(screen.listIndex(controls::Combo_Skin), 0);
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Lingua), 0);
    EXPECT_EQ(screen.text(controls::Lb_Id_Orvane), "Id  Orvane ");
    EXPECT_FALSE(screen.visible[controls::Gr_Nascosti]);
    EXPECT_TRUE(screen.visible[controls::Grp_Dati_Accumulo]);
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(session.program().link.IsPortOpen());
    EXPECT_TRUE(dialogs.boxes.empty());

    frame.moveTo(321, 123);
    EXPECT_TRUE(session.FormCloseQuery());
    EXPECT_EQ(savedSettings(),
              "[GENERALE]\r\nCOM_232=0\r\nLEFT=321\r\nTOP=123\r\nSKIN=0\r\nLINGUA=0\r\n");
}

TEST_F(StartingTheProgram, parameterFieldsStartFromTheDefaultsWhateverTheLastRunLoaded) {
    start();
    const auto shown = screen.numbers;
    screen.numbers.clear();
    session.program().defaults.LoadDefaultParameters();
    EXPECT_FALSE(shown.empty());
    EXPECT_EQ(shown.count(controls::Ed_Capacita), 1u);
    EXPECT_EQ(shown.at(controls::Ed_Capacita),
              session.program().parameters.get(params::Field::capacityAh));
}

struct StoredLanguage {
    const char* lingua;
    const char* title;
    int selected;
    bool gridServicePage;
};

class StoredLanguages : public StartingTheProgram,
                        public ::testing::WithParamInterface<StoredLanguage> {};

TEST_P(StoredLanguages, theStoredLanguageChoosesTheTextsAndOutOfRangeMeansItalian) {
    settings(std::string("[GENERALE]\r\nLINGUA=") + GetParam().lingua + "\r\n");
    start();
    EXPECT_EQ(screen.text(controls::Form1), GetParam().title);
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Lingua), GetParam().selected);
    EXPECT_EQ(screen.visible[controls::Tab_Cei_021], GetParam().gridServicePage);
    EXPECT_EQ(session.program().language.LanguageIndex, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Lingua, StoredLanguages,
    ::testing::Values(StoredLanguage{"1", " Orvane Treephase Configurator", 1, false},
                      StoredLanguage{"0", " Orvane Configurator Trifase", 0, true},
                      StoredLanguage{"7", " Orvane Configurator Trifase", 0, true},
                      StoredLanguage{"-1", " Orvane Configurator Trifase", 0, true}));

TEST_F(StartingTheProgram, storedPortSkinAndPositionAreSelectedAndAppliedUnchanged) {
    settings(
        "[GENERALE]\r\nCOM_232=3\r\nLEFT=-3000\r\nTOP=4000\r\nSKIN=3\r\n"
        "[PORTE]\r\nCOM4=/dev/ttyAMA0\r\n");
    start();
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Porta), 3);
    EXPECT_NE(screen.lists[controls::Cb_Sel_Porta][3].find("/dev/ttyAMA0"), std::string::npos);
    EXPECT_EQ(frame.left(), -3000);
    EXPECT_EQ(frame.top(), 4000);
    EXPECT_EQ(frame.skins, std::vector<std::string>{"Carbon"});
    EXPECT_EQ(screen.listIndex(controls::Combo_Skin), 3);
}

TEST_F(StartingTheProgram, aSkinPositionWithoutAStyleKeepsTheLookAndSelectsNothing) {
    settings("[GENERALE]\r\nSKIN=99\r\n");
    start();
    EXPECT_TRUE(frame.skins.empty());
    EXPECT_EQ(screen.listIndex(controls::Combo_Skin), -1);
}

TEST_F(StartingTheProgram, pickingASkinWritesTheSettingsBeforeTheLookChanges) {
    start();
    frame.skins.clear();
    screen.indices[controls::Combo_Skin] = 3;
    session.Combo_SkinChange();
    EXPECT_EQ(frame.skins, std::vector<std::string>{"Carbon"});
    EXPECT_NE(frame.settingsWhenSkinApplied.find("SKIN=3\r\n"), std::string::npos);
}

TEST_F(StartingTheProgram, pickingEnglishSavesItAtOnceAndRewritesTheTexts) {
    start();
    screen.indices[controls::Cb_Sel_Lingua] = 1;
    session.Cb_Sel_LinguaChange();
    EXPECT_NE(savedSettings().find("LINGUA=1\r\n"), std::string::npos);
    EXPECT_EQ(screen.text(controls::Form1), " Orvane Treephase Configurator");
    EXPECT_FALSE(screen.visible[controls::Tab_Cei_021]);
    // The position read at start-up is what a change in between writes.
    EXPECT_NE(savedSettings().find("LEFT=100\r\nTOP=100\r\n"), std::string::npos);
}

// The port list is the window's: an entry bound to no device says so in its language.
TEST_F(StartingTheProgram, portEntriesWithoutADeviceSpeakTheWindowsLanguageAndKeepTheSelection) {
    settings("[GENERALE]\r\nCOM_232=3\r\nLINGUA=1\r\n");
    start();
    const auto entry = [this](int index) { return screen.lists[controls::Cb_Sel_Porta][index]; };
    EXPECT_EQ(entry(3), "COM 4 \u2014 none");
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Porta), 3);

    screen.indices[controls::Cb_Sel_Lingua] = 0;
    session.Cb_Sel_LinguaChange();
    EXPECT_EQ(entry(3), "COM 4 \u2014 nessuno");
    EXPECT_EQ(entry(10), "COM 11 \u2014 nessuno");
    EXPECT_NE(entry(0).find("/dev/ttyUSB0"), std::string::npos) << "a bound entry names its device";
    EXPECT_EQ(screen.listIndex(controls::Cb_Sel_Porta), 3);
}

TEST_F(StartingTheProgram, closingWhileTheLinkRunsClosesThePortAndAsksNothing) {
    start();
    screen.indices[controls::Cb_Sel_Porta] = 0;
    session.program().linkControl.Bt_OpenClick();
    ASSERT_TRUE(session.program().link.IsPortOpen());
    ASSERT_TRUE(timer.running);

    EXPECT_TRUE(session.FormCloseQuery());
    EXPECT_FALSE(session.program().link.IsPortOpen());
    EXPECT_FALSE(screen.lamps[controls::Led_Comunicazione]);
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartingTheProgram, aFailedSaveOnClosingIsReportedAndTheWindowClosesAnyway) {
    start();
    settings("[GENERALE]\r\nSKIN=5\r\n");
    files.failAt = testing::FaultyFileSystem::Step::Create;
    EXPECT_TRUE(session.FormCloseQuery());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Errore in Salvataggio Dati");
    EXPECT_EQ(savedSettings(), "[GENERALE]\r\nSKIN=5\r\n");
}

}  // namespace
}  // namespace orvane::ui
