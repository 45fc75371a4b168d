// Export: which blocks go out under which switches, the pauses and the commit, the
// validation refusals, failures half-way, and that bytes without a control survive a
// round trip through the program.
#include <gtest/gtest.h>

#include <optional>

#include "transfer_fixture.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using Kind = testing::FakeOperator::Kind;

class Export : public ::testing::Test, protected TransferWindow {
  protected:
    // Yes to the question and to the list of changes.
    void exportAnsweringYes() {
        dialogs.answers = {true, true};
        exporter.Bt_Scrivi_EepromClick();
    }
    // Function code and memory address of each write and commit sent (the reads of the
    // backup and the read-back left out).
    std::vector<std::pair<int, int>> sent() const {
        std::vector<std::pair<int, int>> out;
        for (const Bytes& f : port.written)
            if (f[5] != link::function::MemoryRead)
                out.push_back({f[5], f[3] | (f[4] << 8)});
        return out;
    }
    std::vector<Bytes> writes() const {
        std::vector<Bytes> out;
        for (const Bytes& f : port.written)
            if (f[5] != link::function::MemoryRead)
                out.push_back(f);
        return out;
    }
    // The outcome's first line (the backup's name follows).
    std::string outcome() const { return lastMessage().substr(0, lastMessage().find('\n')); }
    static Bytes Payload(const Bytes& frame) { return Bytes(frame.begin() + 6, frame.end() - 1); }
};

TEST_F(Export, withEveryBlockEnabledWritesFiveBlocksThenCommits) {
    screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;
    type(Field::capacityAh, 333);
    typeName("NEW-NAME");
    exportAnsweringYes();

    EXPECT_EQ(
        sent(),
        (std::vector<std::pair<int, int>>{
            {0xB0, 0x060}, {0xB0, 0x080}, {0xB0, 0x0C0}, {0xB0, 0x000}, {0xB0, 0x100}, {0x32, 0}}));
    EXPECT_EQ(writes().back(), (Bytes{0xEA, 0xAA, 0x09, 0x00, 0x00, 0x32, 0x55, 0xAA, 0x84}));
    EXPECT_EQ(Payload(writes()[0]), Bytes(set.ConfigBlock.begin(), set.ConfigBlock.end()));
    EXPECT_EQ(Payload(writes()[4]),
              Bytes(set.OutgoingNetbiosName.begin(), set.OutgoingNetbiosName.end()));
    EXPECT_EQ(unit.committed[0x060] | (unit.committed[0x061] << 8), 333);
    // After the backup's reads and their pauses (each read with its 3 ms turnaround), 100 ms
    // between writes; the commit follows the last write at once (3 ms is its own
    // turnaround), then the read-back's reads and pauses.
    EXPECT_EQ(delay.waits,
              (std::vector<unsigned>{3,   200, 3,   200, 3, 150, 3, 150, 3, 100, 3, 100,  // backup
                                     100, 100, 100, 100, 3,                               // writes
                                     3,   200, 3,   200, 3, 150, 3, 150, 3, 100}));
    EXPECT_EQ(dialogs.boxes.back().kind, Kind::Information);
    EXPECT_EQ(outcome(), "Dati esportati correttamente");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Export, inEnglishWithoutTheAuthorizationWritesOnlyConfigurationAndFreeParameters) {
    language.LanguageIndex = catalogue::English;
    screen.visible[controls::Tab_Cei_021] = false;  // the page exists only in Italian
    exportAnsweringYes();
    EXPECT_EQ(sent(), (std::vector<std::pair<int, int>>{{0xB0, 0x060}, {0xB0, 0x080}, {0x32, 0}}));
    EXPECT_EQ(delay.waits, (std::vector<unsigned>{3, 200, 3, 200, 3, 150, 3, 150, 3, 100, 3, 100,
                                                  100, 3, 3, 200, 3, 200}));
    EXPECT_EQ(dialogs.boxes.front().text, "DO YOU WANT TO PROCEED TO EXPORT DATA?");
    EXPECT_EQ(outcome(), "Data successfully exported");
}

TEST_F(Export, answeringNoDoesNothingAtAll) {
    linkControl.StartLink();
    type(Field::capacityAh, 20);
    const ParameterSet before = set;
    dialogs.answers = {false};
    exporter.ExportParameters();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "SI VUOLE PROCEDERE CON L' ESPORTAZIONE DATI?");
    EXPECT_TRUE(link.IsPortOpen()) << "polling goes on";
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(set.ConfigBlock, before.ConfigBlock);
}

TEST_F(Export, asksFirstThenRefusesAnIncompatibleFirmwareAndKeepsPolling) {
    linkControl.StartLink();
    poll.FwVersionError = true;
    exportAnsweringYes();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.boxes[1].text,
              "Versione firmware incompatibile con la  1. 7. 0 impossibile procedere");
    EXPECT_TRUE(link.IsPortOpen());
    EXPECT_EQ(port.openedPaths.size(), 1u);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(Export, aSetFailingACheckShowsTheLastApplicableTextAndSendsNothing) {
    struct Case {
        const char* what;
        int language;
        std::vector<std::pair<Field, double>> typed;
        const char* name;
        bool gridPageShown;
        const char* message;
    };
    const Case cases[] = {
        {"config",
         catalogue::Italian,
         {{Field::capacityAh, 20}},
         "Orvane000",
         true,
         "Errore n\u00B0 1 in Impostazione Parametri"},
        {"free, two blanks",
         catalogue::Italian,
         {{Field::chargeCurrentDivider, 501}},
         "Orvane000",
         true,
         "Errore n\u00B0 7  in Impostazione Parametri Liberi"},
        {"free in English",
         catalogue::English,
         {{Field::chargeCurrentDivider, 19}},
         "Orvane000",
         false,
         "Error n\u00B0 7  in Free Parameters Setting"},
        {"grid beats config",
         catalogue::Italian,
         {{Field::capacityAh, 20}, {Field::overFreqStart, 500}},
         "Orvane000",
         true,
         "Errore n\u00B0 1 in Impostazione Servizi di Rete"},
        {"grid checked while its page is hidden",
         catalogue::English,
         {{Field::overvoltageStart, 1200}},
         "Orvane000",
         false,
         "Error n\u00B0 9 in Grid Services Setting"},
        {"name beats config",
         catalogue::Italian,
         {{Field::capacityAh, 20}},
         "Orvane 000",
         true,
         "Errore in impostazione nome NetBIOS"},
        {"name checked without the authorization",
         catalogue::English,
         {},
         "a name",
         true,
         "NetBIOS Name Setting Error"},
        {"name too long",
         catalogue::Italian,
         {},
         "Orvane0000000000X",
         true,
         "Errore in impostazione nome NetBIOS"},
    };
    for (const Case& c : cases) {
        showDefaults();
        dialogs.boxes.clear();
        language.LanguageIndex = c.language;
        screen.visible[controls::Tab_Cei_021] = c.gridPageShown;
        for (auto [field, value] : c.typed)
            type(field, value);
        typeName(c.name);
        exportAnsweringYes();
        ASSERT_EQ(dialogs.boxes.size(), 2u) << c.what;
        EXPECT_EQ(dialogs.boxes[1].kind, Kind::Error) << c.what;
        EXPECT_EQ(dialogs.boxes[1].text, c.message) << c.what;
        EXPECT_TRUE(port.openedPaths.empty()) << c.what;
    }
}

// A control that holds no number, or a number its field cannot hold, never reaches the unit
// as another number: the field's own check refuses it, or its row's message where the
// field has no tested range.
TEST_F(Export, aValueAFieldCannotHoldIsRefusedWithThatFieldsMessage) {
    struct Case {
        Field field;
        std::optional<double> typed;  // nothing: the text is no number
        int language;
        const char* message;
    };
    const Case cases[] = {
        {Field::capacityAh, std::nullopt, catalogue::Italian,
         "Errore n\u00B0 1 in Impostazione Parametri"},
        {Field::panelCount, 260, catalogue::Italian, "Errore n\u00B0 2 in Impostazione Parametri"},
        {Field::equalizationVoltage, -5, catalogue::Italian,
         "Errore n\u00B0 15  in Impostazione Parametri Liberi"},  // not the "0 = unused"
        {Field::overvoltageStart, 70000, catalogue::Italian,
         "Errore n\u00B0 9 in Impostazione Servizi di Rete"},
        {Field::overvoltageStart, std::nullopt, catalogue::Italian,
         "Errore n\u00B0 8 in Impostazione Servizi di Rete"},
        // Its order rule would say 6 on the bytes it kept.
        {Field::overFreqStart, std::nullopt, catalogue::Italian,
         "Errore n\u00B0 1 in Impostazione Servizi di Rete"},
        {Field::ipAddress4, 300, catalogue::Italian,
         "Indirizzo IP: ogni ottetto deve essere un numero da 0 a 255"},
        {Field::subnetMask1, -1, catalogue::English,
         "Subnet Mask: each octet must be a number from 0 to 255"},
        {Field::gateway2, std::nullopt, catalogue::English,
         "Gateway: each octet must be a number from 0 to 255"},
        {Field::dnsServer3, 256, catalogue::Italian,
         "DNS: ogni ottetto deve essere un numero da 0 a 255"},
        {Field::localServer4, std::nullopt, catalogue::English,
         "Local Server: each octet must be a number from 0 to 255"},
        {Field::maxMpptPowerW, std::nullopt, catalogue::Italian,
         "Massima Potenza Mppt: il valore deve essere un numero da 0 a 65535"},
        {Field::maxMpptPowerW, -1, catalogue::English,
         "Mppt Max. Power: the value must be a number from 0 to 65535"},
    };
    for (const Case& c : cases) {
        showDefaults();
        dialogs.boxes.clear();
        language.LanguageIndex = c.language;
        const ParameterSet before = set;
        if (c.typed)
            type(c.field, *c.typed);
        else
            typeNoNumber(c.field);
        exportAnsweringYes();
        ASSERT_EQ(dialogs.boxes.size(), 2u) << Describe(c.field).name;
        EXPECT_EQ(dialogs.boxes[1].kind, Kind::Error) << Describe(c.field).name;
        EXPECT_EQ(dialogs.boxes[1].text, c.message) << Describe(c.field).name;
        EXPECT_TRUE(port.openedPaths.empty()) << Describe(c.field).name;
        EXPECT_EQ(set.get(c.field), before.get(c.field)) << Describe(c.field).name;
    }
}

TEST_F(Export, aRefusedAddressGivesWayToACheckLaterInTheOrder) {
    type(Field::ipAddress1, 300);
    type(Field::capacityAh, 20);
    exportAnsweringYes();
    EXPECT_EQ(lastMessage(), "Errore n\u00B0 1 in Impostazione Parametri");
    type(Field::capacityAh, 200);
    exportAnsweringYes();
    EXPECT_EQ(lastMessage(), "Indirizzo IP: ogni ottetto deve essere un numero da 0 a 255");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(Export, aRefusedSetWhilePollingLeavesThePollLinkStopped) {
    linkControl.StartLink();
    type(Field::capacityAh, 20);
    exportAnsweringYes();
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(screen.text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(port.written.size(), 0u);
}

TEST_F(Export, aFailedFreeParameterWriteSendsNothingMoreAndNoCommit) {
    screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;
    unit.refuseWrite = 8;  // after the backup's six reads, the second write
    exportAnsweringYes();
    EXPECT_EQ(sent(), (std::vector<std::pair<int, int>>{{0xB0, 0x060}, {0xB0, 0x080}}));
    EXPECT_EQ(unit.committed, decltype(unit.committed){});
    EXPECT_EQ(outcome(), "Errore in esportazione parametri");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Export, aUnitSilentFromTheCommitOnIsAFailedExport) {
    unit.silentFrom = 10;  // six reads, three writes, then the commit
    exportAnsweringYes();
    EXPECT_EQ(sent().back().first, 0x32);
    EXPECT_EQ(outcome(), "Errore in esportazione parametri");
}

TEST_F(Export, whilePollingStopsThePollLinkAndLeavesItStopped) {
    linkControl.StartLink();
    exportAnsweringYes();
    EXPECT_EQ(outcome(), "Dati esportati correttamente");
    EXPECT_EQ(screen.text(controls::Bt_Open), "Avvia");
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Export, aPortThatCannotBeOpenedSendsNothing) {
    screen.indices[controls::Cb_Sel_Porta] = -1;
    exportAnsweringYes();
    EXPECT_EQ(lastMessage().substr(0, lastMessage().find('\n')), "Errore in apertura 0");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(Export, reservedBytesAndUnnamedBitsGoBackToTheUnitAsImported) {
    const ParameterSet inUnit = UnitSet();
    storeInUnit(inUnit);
    const auto before = unit.memory;
    importer.ImportParameters();
    ASSERT_EQ(lastMessage(), "Dati importati correttamente");
    screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;
    port.written.clear();
    exportAnsweringYes();
    ASSERT_EQ(outcome(), "Dati esportati correttamente");
    EXPECT_EQ(writes().size(), 6u);
    EXPECT_EQ(unit.committed, before) << "every byte of every written block came back";
}

}  // namespace
}  // namespace orvane::params
