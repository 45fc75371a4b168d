// The save and load buttons: checks before saving, the proposed name and folder, what lands
// on disk, what the window shows after loading, and the working directory afterwards.
#include "storage/parameter_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "params/parameter_fixture.h"
#include "storage/parameter_file.h"

namespace orvane::storage {

namespace controls = orvane::frontend::controls;
namespace {

using params::Field;
using testing::FakeOperator;

class DiskButtons : public ::testing::Test, protected params::ParameterWindow {
  protected:
    DiskButtons() {
        std::filesystem::create_directory(folder.file("Salvataggi"));
        showDefaults();
    }
    std::string saved(const std::string& name) const {
        return folder.read("Salvataggi/" + name).value_or("<none>");
    }
    void choose(const std::string& name) { fileDialogs.chosen = folder.file("Salvataggi/" + name); }

    testing::ScratchDirectory elsewhere;
    ParameterFiles& buttons = program.parameterFiles;
};

TEST_F(DiskButtons, saveProposesTheDatedNameInSalvataggiAndAddsTheExtension) {
    fileDialogs.browseTo = elsewhere.path();
    choose("Orvane_09_12_24_14_05_33_Id_1");
    buttons.Bt_Salva_DiscoClick();

    ASSERT_EQ(fileDialogs.saves.size(), 1u);
    EXPECT_EQ(fileDialogs.saves[0].initialFolder, folder.file("Salvataggi"));
    EXPECT_EQ(fileDialogs.saves[0].proposedName, "Orvane_09_12_24_14_05_33_Id_1");
    EXPECT_EQ(fileDialogs.saves[0].extensionOrFilter, "ovn");
    EXPECT_EQ(cwd.dir, folder.path());
    EXPECT_TRUE(dialogs.boxes.empty());

    const auto ini = IniDocument::Parse(saved("Orvane_09_12_24_14_05_33_Id_1.ovn"));
    EXPECT_EQ(ini.readInteger("CONFIGURAZIONE", "CAPACITA_BATT", 0), 100);
    EXPECT_EQ(ini.readText("STRINGHE", "NETBIOS"), "Orvane000");
}

TEST_F(DiskButtons, saveWritesWhatTheWindowShowsNow) {
    type(Field::capacityAh, 250.7);
    pick(Field::insertionDelayMs, 3);
    typeName("  Casa-Rossi");
    choose("casa.ovn");
    buttons.Bt_Salva_DiscoClick();
    const auto ini = IniDocument::Parse(saved("casa.ovn"));
    EXPECT_EQ(ini.readInteger("CONFIGURAZIONE", "CAPACITA_BATT", 0), 250);
    EXPECT_EQ(ini.readInteger("SERVIZI_RETE", "RITARDO", -1), 3);
    // The edited name, not the one last loaded, imported or defaulted.
    EXPECT_EQ(ini.readText("STRINGHE", "NETBIOS"), "Casa-Rossi");
}

TEST_F(DiskButtons, failedCheckShowsOnlyTheLastFailureAndOpensNoDialog) {
    type(Field::capacityAh, 20);
    typeName("bad name");
    buttons.Bt_Salva_DiscoClick();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeOperator::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].text, "Errore in impostazione nome NetBIOS");
    EXPECT_TRUE(fileDialogs.saves.empty());
    // The set holds what the window showed, even though nothing was saved.
    EXPECT_EQ(set.get(Field::capacityAh), 20u);
}

TEST_F(DiskButtons, aValueAFieldCannotHoldIsRefusedBeforeTheDialog) {
    folder.write("Salvataggi/casa.ovn", "[RETE]\r\nIND_0=10\r\n");
    choose("casa.ovn");
    for (auto [field, message] :
         {std::pair{Field::ipAddress1,
                    "Indirizzo IP: ogni ottetto deve essere un numero da 0 a 255"},
          {Field::endChargeVoltage, "Errore n\u00B0 1  in Impostazione Parametri Liberi"}}) {
        showDefaults();
        dialogs.boxes.clear();
        typeNoNumber(field);
        buttons.Bt_Salva_DiscoClick();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, message);
    }
    EXPECT_TRUE(fileDialogs.saves.empty());
    EXPECT_EQ(saved("casa.ovn"), "[RETE]\r\nIND_0=10\r\n");
}

TEST_F(DiskButtons, anIdentifierTypedOverWithNoNumberNamesTheFileAfterTheSetsIdentifier) {
    set.set(Field::unitId, 4711);
    typeNoNumber(Field::unitId);
    buttons.Bt_Salva_DiscoClick();
    ASSERT_EQ(fileDialogs.saves.size(), 1u);
    EXPECT_EQ(fileDialogs.saves[0].proposedName, "Orvane_09_12_24_14_05_33_Id_4711");
}

TEST_F(DiskButtons, saveOverAFileKeepsItsOtherContentAndReplacesKeysInAnyCase) {
    const std::string extra =
        "; Impianto Rossi, tetto sud\r\n"
        "[NOTE]\r\n"
        "Installatore=Bianchi\r\n"
        "\r\n"
        "[configurazione]\r\n"
        "capacita_batt = 999\r\n";
    folder.write("Salvataggi/rossi.ovn", extra);
    choose("rossi.ovn");
    buttons.Bt_Salva_DiscoClick();

    const std::string after = saved("rossi.ovn");
    EXPECT_TRUE(
        after.starts_with("; Impianto Rossi, tetto sud\r\n[NOTE]\r\nInstallatore=Bianchi\r\n\r\n"
                          "[configurazione]\r\ncapacita_batt=100\r\nTIPO_BATT=2\r\n"))
        << after;
    EXPECT_EQ(after.find("CAPACITA_BATT"), std::string::npos);
    EXPECT_EQ(after.find("[CONFIGURAZIONE]"), std::string::npos);
}

TEST_F(DiskButtons, failedSaveKeepsTheOldFileAndNamesTheProblem) {
    folder.write("Salvataggi/a.ovn", "[OLD]\r\n");
    choose("a.ovn");
    files.failAt = testing::FaultyFileSystem::Step::Create;  // a read-only folder
    buttons.Bt_Salva_DiscoClick();
    files.failAt = testing::FaultyFileSystem::Step::Replace;
    buttons.Bt_Salva_DiscoClick();

    EXPECT_EQ(saved("a.ovn"), "[OLD]\r\n");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].kind, FakeOperator::Kind::Error);
    EXPECT_EQ(dialogs.boxes[0].text, "Errore in Salvataggio Dati");
    EXPECT_EQ(dialogs.boxes[1].kind, FakeOperator::Kind::Error);
    EXPECT_EQ(dialogs.boxes[1].text, "Unable to write to " + folder.file("Salvataggi/a.ovn"));
}

TEST_F(DiskButtons, saveWithoutASalvataggiFolderReportsAndCreatesNothing) {
    std::filesystem::remove(folder.file("Salvataggi"));
    fileDialogs.chosen = folder.file("Salvataggi/x");
    language.LanguageIndex = catalogue::English;
    buttons.Bt_Salva_DiscoClick();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Data Saving Error");
    EXPECT_FALSE(std::filesystem::exists(folder.file("Salvataggi")));
}

TEST_F(DiskButtons, loadFillsTheSetAndShowsIt) {
    folder.write("Salvataggi/casa.ovn",
                 "[CONFIGURAZIONE]\r\nCAPACITA_BATT=300\r\nTIPO_BATT=4\r\n"
                 "[SERVIZI_RETE]\r\nRITARDO=3\r\n[RETE]\r\nDINAMICO=1\r\n"
                 "[STRINGHE]\r\nNETBIOS=  Casa\r\n");
    fileDialogs.browseTo = elsewhere.path();
    choose("casa.ovn");
    buttons.Bt_Leggi_DiscoClick();

    ASSERT_EQ(fileDialogs.opens.size(), 1u);
    EXPECT_EQ(fileDialogs.opens[0].initialFolder, folder.file("Salvataggi"));
    EXPECT_EQ(fileDialogs.opens[0].extensionOrFilter, "Orvane Files (*.ovn)");
    EXPECT_EQ(cwd.dir, folder.path());

    EXPECT_EQ(screen.number(controls::Ed_Capacita), 300);
    EXPECT_EQ(screen.listIndex(controls::Ed_Combo_Ritardo), 3);
    EXPECT_TRUE(screen.isChecked(controls::Rd_Statico));
    EXPECT_FALSE(screen.isChecked(controls::Rd_Dinamico));
    EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), "Casa");
    EXPECT_TRUE(screen.visible[controls::Gr_Conf_Libera]);  // the free configuration's layout
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DiskButtons, loadOfAFileThatDoesNotExistTakesTheFileDefaults) {
    set.set(Field::dnsServer1, 1);
    choose("typed-by-hand.ovn");
    buttons.Bt_Leggi_DiscoClick();
    EXPECT_EQ(set.get(Field::dnsServer1), 8u);
    EXPECT_EQ(screen.number(controls::Ed_Dns_1), 8);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DiskButtons, cancellingEitherDialogChangesNothing) {
    type(Field::capacityAh, 250);
    fileDialogs.browseTo = elsewhere.path();
    const params::ParameterSet before = set;

    buttons.Bt_Leggi_DiscoClick();
    EXPECT_EQ(cwd.dir, folder.path());
    EXPECT_EQ(set.ConfigBlock, before.ConfigBlock);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 250);

    buttons.Bt_Salva_DiscoClick();
    EXPECT_EQ(cwd.dir, folder.path());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Salvataggi"});
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("Salvataggi")));
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace orvane::storage
