// Charger.INI: the five settings, the installer's port bindings, and what the operator is
// told when the file cannot be read or written.
#include "storage/program_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/skin_names.h"
#include "support/program_rig.h"

namespace orvane::storage {

namespace controls = orvane::frontend::controls;
namespace {

using testing::FakeOperator;

class ChargerIni : public ::testing::Test, protected testing::ProgramRig {
  protected:
    ProgramSettings load() {
        ProgramSettings s;
        store.LoadProgramSettings(s, ports);
        return s;
    }
    void select(int port, int skin, int language) {
        window.indices[controls::Cb_Sel_Porta] = port;
        window.indices[controls::Combo_Skin] = skin;
        window.indices[controls::Cb_Sel_Lingua] = language;
    }

    catalogue::Language& language = program.language;
    testing::FakeScreen& window = screen;
    link::PortTable& ports = program.ports;
    SettingsStore& store = program.settingsStore;
};

TEST_F(ChargerIni, firstRunTakesTheDefaultsSilentlyAndClosingCreatesTheFile) {
    const ProgramSettings s = load();
    EXPECT_EQ(s.PortIndex, 0);
    EXPECT_EQ(s.WindowLeft, 100);
    EXPECT_EQ(s.WindowTop, 100);
    EXPECT_EQ(s.SkinIndex, 0);
    EXPECT_EQ(s.LanguageIndex, 0);
    EXPECT_TRUE(dialogs.boxes.empty());

    select(0, 0, 0);
    EXPECT_TRUE(store.SaveProgramSettings({0, 321, -12, 5, 1}, window));
    EXPECT_EQ(folder.read("Charger.INI"),
              "[GENERALE]\r\nCOM_232=0\r\nLEFT=321\r\nTOP=-12\r\nSKIN=0\r\nLINGUA=0\r\n");
}

TEST_F(ChargerIni, storedValuesAreTakenAsReadAndBadOnesFallBack) {
    folder.write("Charger.INI",
                 "[generale]\r\ncom_232=3\r\nLEFT=-40\r\nTOP=abc\r\nSKIN=0x3\r\nLINGUA=7\r\n");
    const ProgramSettings s = load();
    EXPECT_EQ(s.PortIndex, 3);  // "COM 4"
    EXPECT_EQ(s.WindowLeft, -40);
    EXPECT_EQ(s.WindowTop, 100);
    EXPECT_EQ(s.SkinIndex, 3);
    EXPECT_EQ(s.LanguageIndex, 7);  // the window turns it into Italian
}

TEST_F(ChargerIni, fileThatCannotBeReadGivesTheFallbackPositionAndAnItalianMessage) {
    std::filesystem::create_directory(folder.file("Charger.INI"));
    language.LanguageIndex = catalogue::English;
    ports.setConfigured(2, "/dev/ttyS9");
    const ProgramSettings s = load();
    EXPECT_EQ(s.PortIndex, 0);
    EXPECT_EQ(s.WindowLeft, 50);
    EXPECT_EQ(s.WindowTop, 50);
    EXPECT_EQ(s.SkinIndex, 0);
    EXPECT_EQ(s.LanguageIndex, 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeOperator::Kind::Information);
    EXPECT_EQ(dialogs.boxes[0].text, "Errore inizializzazione dati");
    EXPECT_EQ(ports.devicePath(2), "/dev/ttyS9");
}

TEST_F(ChargerIni, installerPortBindingsAreReadAndSurviveEverySave) {
    const std::string installer =
        "; bound by the installer\r\n"
        "[PORTE]\r\n"
        "COM1=/dev/serial/by-id/usb-FTDI_RS485-if00\r\n"
        "com11 = /dev/ttyS0\r\n"
        "\r\n"
        "[GENERALE]\r\n"
        "SKIN=3\r\n";
    folder.write("Charger.INI", installer);
    load();
    EXPECT_EQ(ports.devicePath(0), "/dev/serial/by-id/usb-FTDI_RS485-if00");
    EXPECT_EQ(ports.devicePath(10), "/dev/ttyS0");
    EXPECT_EQ(ports.devicePath(1), std::nullopt);

    select(-1, 9, 1);
    ASSERT_TRUE(store.SaveProgramSettings({}, window));
    EXPECT_EQ(folder.read("Charger.INI"),
              "; bound by the installer\r\n"
              "[PORTE]\r\n"
              "COM1=/dev/serial/by-id/usb-FTDI_RS485-if00\r\n"
              "com11 = /dev/ttyS0\r\n"
              "\r\n"
              "[GENERALE]\r\n"
              "SKIN=9\r\n"
              "COM_232=-1\r\nLEFT=100\r\nTOP=100\r\nLINGUA=1\r\n");
}

TEST_F(ChargerIni, pathIsWorkedOutFromTheWorkingDirectoryAtEveryReadAndWrite) {
    testing::ScratchDirectory other;
    other.write("Charger.INI", "[GENERALE]\r\nLINGUA=1\r\n");
    cwd.dir = other.path();
    EXPECT_EQ(load().LanguageIndex, 1);

    cwd.dir = folder.path();
    select(2, 0, 0);
    ASSERT_TRUE(store.SaveProgramSettings({}, window));
    EXPECT_TRUE(folder.read("Charger.INI").has_value());
    EXPECT_EQ(other.read("Charger.INI"), "[GENERALE]\r\nLINGUA=1\r\n");
}

TEST_F(ChargerIni, failedSavesKeepTheOldFileAndTellTheOperator) {
    folder.write("Charger.INI", "[GENERALE]\r\nSKIN=4\r\n");
    language.LanguageIndex = catalogue::English;
    select(0, 1, 1);

    files.failAt = testing::FaultyFileSystem::Step::Create;
    EXPECT_FALSE(store.SaveProgramSettings({}, window));
    files.failAt = testing::FaultyFileSystem::Step::Write;
    EXPECT_FALSE(store.SaveProgramSettings({}, window));

    EXPECT_EQ(folder.read("Charger.INI"), "[GENERALE]\r\nSKIN=4\r\n");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeOperator::Kind::Information);
    EXPECT_EQ(dialogs.boxes[0].text, "Data Saving Error");
    EXPECT_EQ(dialogs.boxes[1].kind, FakeOperator::Kind::Error);
    EXPECT_EQ(dialogs.boxes[1].text, "Unable to write to " + folder.file("Charger.INI"));
}

TEST(SkinNames, storedPositionsNeverMove) {
    EXPECT_EQ(SkinNames[0], "Windows");
    EXPECT_EQ(SkinNames[1], "Amakrits");
    EXPECT_EQ(SkinNames[3], "Carbon");
    EXPECT_EQ(SkinNames[15], "Windows10 Dark");
    EXPECT_EQ(SkinName(16), std::nullopt);
    EXPECT_EQ(SkinName(-1), std::nullopt);
}

TEST(SkinNames, listSelectsTheStoredSkinOrNothing) {
    testing::FakeScreen window;
    FillSkinList(window, 3);
    ASSERT_EQ(window.lists[controls::Combo_Skin].size(), 16u);
    EXPECT_EQ(window.lists[controls::Combo_Skin][3], "Carbon");
    EXPECT_EQ(window.listIndex(controls::Combo_Skin), 3);
    FillSkinList(window, 16);
    EXPECT_EQ(window.listIndex(controls::Combo_Skin), -1);
}

}  // namespace
}  // namespace orvane::storage
