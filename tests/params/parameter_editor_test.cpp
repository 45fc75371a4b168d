// CollectParameters and ShowParameters: what a typed value becomes in the blocks, what the
// blocks show, and that nothing outside the named fields is ever touched.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "parameter_fixture.h"
#include "params/parameter_checks.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

class Editor : public ::testing::Test, protected ParameterWindow {
  protected:
    Editor() { showDefaults(); }
};

TEST_F(Editor, typedValuesAreTruncatedTowardZero) {
    struct Case {
        Field field;
        double typed;
        std::uint32_t stored;
    };
    for (const Case& c : {Case{Field::endChargeVoltage, 56.9, 56},
                          {Field::overvoltageStart, 1090.99, 1090},
                          {Field::ipAddress4, 255.7, 255},
                          {Field::maxSupplyCurrentA, -0.5, 0},
                          {Field::absorbablePercent, 255, 255}}) {
        type(c.field, c.typed);
        EXPECT_TRUE(editor.CollectParameters().refused.empty()) << Describe(c.field).name;
        EXPECT_EQ(set.get(c.field), c.stored) << Describe(c.field).name << " typed " << c.typed;
    }
}

TEST_F(Editor, valuesAFieldCannotHoldAreReportedAndLeaveItsBytesAsTheyWere) {
    struct Case {
        Field field;
        std::optional<double> typed;  // nothing: the text is no number
        Unstorable reason;
    };
    for (const Case& c : {Case{Field::panelCount, 260, Unstorable::TooLarge},
                          {Field::absorbablePercent, 266, Unstorable::TooLarge},
                          {Field::capacityAh, 65536, Unstorable::TooLarge},
                          {Field::capacityAh, -1, Unstorable::BelowZero},
                          {Field::ipAddress4, 300, Unstorable::TooLarge},
                          {Field::ipAddress1, -1, Unstorable::BelowZero},
                          {Field::localServer1, 1e30, Unstorable::TooLarge},
                          {Field::maxMpptPowerW, std::nullopt, Unstorable::NotANumber},
                          {Field::overFreqStart, std::nullopt, Unstorable::NotANumber}}) {
        showDefaults();
        const ParameterSet before = set;
        if (c.typed)
            type(c.field, *c.typed);
        else
            typeNoNumber(c.field);
        const CollectedParameters collected = editor.CollectParameters();
        ASSERT_EQ(collected.refused.size(), 1u) << Describe(c.field).name;
        EXPECT_EQ(collected.refused[0].field, c.field);
        EXPECT_EQ(collected.refused[0].reason, c.reason) << Describe(c.field).name;
        EXPECT_EQ(set.get(c.field), before.get(c.field)) << Describe(c.field).name;
    }
}

TEST_F(Editor, listsStoreTheirIndexAndNoSelectionAsAllOnes) {
    pick(Field::batteryType, -1);
    pick(Field::inverterType, 5);
    pick(Field::insertionDelayMs, 3);
    editor.CollectParameters();
    EXPECT_EQ(set.get(Field::batteryType), 255u);
    EXPECT_EQ(set.get(Field::inverterType), 5u);
    EXPECT_EQ(set.get(Field::insertionDelayMs), 150u);
    pick(Field::insertionDelayMs, -1);
    editor.CollectParameters();
    EXPECT_EQ(set.get(Field::insertionDelayMs), 65486u);
}

TEST_F(Editor, collectLeavesReservedBytesUnnamedBitsAndTheIdentityAlone) {
    FillAll(set, 0xFF);
    for (Field f : {Field::staticAddress, Field::localServerSelected, Field::supplyLimitC10,
                    Field::gridServicesEnabled, Field::overvoltageLimitEnabled,
                    Field::overFreqLimitEnabled, Field::underFreqLimitEnabled})
        tick(f, false);
    editor.CollectParameters();
    EXPECT_EQ(set.NetworkBlock[20], 0xFC);
    EXPECT_EQ(set.NetworkBlock[21], 0xFF);
    EXPECT_EQ(set.ConfigBlock[5], 0xFE);
    EXPECT_EQ(set.ConfigBlock[7], 0xFF);
    EXPECT_EQ(set.ConfigBlock[10], 0xFF);
    EXPECT_EQ(set.ConfigBlock[11], 0xFF);
    for (std::size_t i = 44; i < 64; ++i)
        EXPECT_EQ(set.FreeParamBlock[i], 0xFF) << i;
    EXPECT_EQ(set.GridServiceBlock[0], 0xF0);
    EXPECT_EQ(set.GridServiceBlock[1], 0xFF);
    EXPECT_EQ(set.GridServiceBlock[14], 0xFF);
    EXPECT_EQ(set.GridServiceBlock[15], 0xFF);
    for (std::uint8_t b : set.IdentityBlock)
        EXPECT_EQ(b, 0xFF);
    for (std::uint8_t b : set.NetbiosNameBlock)
        EXPECT_EQ(b, 0xFF) << "the received name stays";
}

TEST_F(Editor, showThenCollectGivesBackEveryByteOfTheBlocks) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        for (const BlockLayout& b : BlockLayouts)
            for (std::uint8_t& byte : set.bytes(b.block))
                byte = static_cast<std::uint8_t>(random());
        // Lists can only show the entries they have.
        set.set(Field::batteryType, random() % 7);
        set.set(Field::inverterType, random() % 6);
        set.set(Field::insertionDelayMs, 50 * (random() % 21));
        set.set(Field::absorbablePercent, random() % 256);  // typed back as a byte
        const ParameterSet shown = set;
        editor.ShowParameters();
        editor.CollectParameters();
        EXPECT_TRUE(SameBlocks(set, shown,
                               {Block::Network, Block::Config, Block::FreeParam, Block::GridService,
                                Block::Identity}));
    }
}

TEST_F(Editor, radioPairsShowExactlyOneButtonChecked) {
    set.set(Field::staticAddress, 1);
    set.set(Field::localServerSelected, 0);
    editor.ShowParameters();
    EXPECT_TRUE(screen.isChecked(controls::Rd_Statico));
    EXPECT_FALSE(screen.isChecked(controls::Rd_Dinamico));
    EXPECT_FALSE(screen.isChecked(controls::Ck_Ser_Locale));
    EXPECT_TRUE(screen.isChecked(controls::Ck_Ser_Remoto));
    set.set(Field::staticAddress, 0);
    editor.ShowParameters();
    EXPECT_FALSE(screen.isChecked(controls::Rd_Statico));
    EXPECT_TRUE(screen.isChecked(controls::Rd_Dinamico));
}

TEST_F(Editor, showSelectsTheDelayEntryOfTheStoredMilliseconds) {
    for (auto [ms, index] : {std::pair{75, 1}, {0, 0}, {1000, 20}, {65486, -1}}) {
        set.set(Field::insertionDelayMs, static_cast<std::uint32_t>(ms));
        editor.ShowParameters();
        EXPECT_EQ(screen.listIndex(controls::Ed_Combo_Ritardo), index) << ms << " ms";
    }
}

TEST_F(Editor, theUnitIdentifierIsShownUnsignedAndNeverCollected) {
    set.set(Field::unitId, 0xFFFFFFFFu);
    editor.ShowParameters();
    EXPECT_EQ(screen.number(controls::Ed_Id_Orvane), 4294967295.0);
    screen.numbers[controls::Ed_Id_Orvane] = 5;
    editor.CollectParameters();
    EXPECT_EQ(set.get(Field::unitId), 0xFFFFFFFFu);
}

TEST_F(Editor, theBatteryTypeChoosesTheLayout) {
    set.set(Field::batteryType, FreeConfigurationType);
    editor.ShowParameters();
    EXPECT_TRUE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_TRUE(screen.isVisible(controls::Gr_Par_Avanzati));
    EXPECT_FALSE(screen.isVisible(controls::Immagine_Orvane));
    set.set(Field::batteryType, 2);
    editor.ShowParameters();
    EXPECT_FALSE(screen.isVisible(controls::Gr_Conf_Libera));
    EXPECT_FALSE(screen.isVisible(controls::Gr_Par_Avanzati));
    EXPECT_TRUE(screen.isVisible(controls::Immagine_Orvane));
}

// The NetBIOS name between the edit and the 16-byte blocks.
class NetbiosName : public Editor {
  protected:
    std::string outgoing() const {
        return std::string(set.OutgoingNetbiosName.begin(), set.OutgoingNetbiosName.end());
    }
};

TEST_F(NetbiosName, typedNamesBecomeTheOutgoingCopyAndAreChecked) {
    using namespace std::string_literals;
    struct Case {
        std::string typed;
        std::uint8_t result;
        std::string stored;  // all 16 bytes
    };
    for (const Case& c : {
             Case{"  \tOrvane-01", 0, "Orvane-01\0\0\0\0\0\0\0"s},
             {"", 0, std::string(16, '\0')},
             {"ABCDEFGHIJKLMNOP", 0, "ABCDEFGHIJKLMNOP"},  // exactly full, no terminator
             {"Orvane 01", 1, "Orvane 01\0\0\0\0\0\0\0"s},
             {"Orvan\u00E8", 1, "Orvan\xE8\0\0\0\0\0\0\0\0\0\0"s},
             {"my/unit", 1, "my/unit\0\0\0\0\0\0\0\0\0"s},
         }) {
        typeName(c.typed);
        EXPECT_EQ(editor.CollectParameters().nameResult, c.result) << '"' << c.typed << '"';
        EXPECT_EQ(outgoing(), c.stored) << '"' << c.typed << '"';
    }
}

TEST_F(NetbiosName, aShorterNameLeavesNothingOfTheLongerOneBehind) {
    typeName("ab,cdefghijkl");
    EXPECT_EQ(editor.CollectParameters().nameResult, 1);
    typeName("ab");
    EXPECT_EQ(editor.CollectParameters().nameResult, 0)
        << "leftovers behind the terminator would still fail";
    EXPECT_EQ(outgoing(), std::string("ab") + std::string(14, '\0'));
}

TEST_F(NetbiosName, aNameLongerThanTheBlockIsRefusedAndWritesNothing) {
    typeName("Orvane01");
    editor.CollectParameters();
    typeName("   ABCDEFGHIJKLMNOPQ");  // 17 characters once the blanks are gone
    EXPECT_EQ(editor.CollectParameters().nameResult, 1);
    EXPECT_EQ(outgoing(), std::string("Orvane01") + std::string(8, '\0'));
}

TEST_F(NetbiosName, theReceivedNameIsShownUpToItsTerminator) {
    using namespace std::string_literals;
    for (auto [bytes, shown] : {std::pair{"\0Orvane\0\0\0\0\0\0\0\0\0"s, ""s},
                                {"Casa\xE0\0xyz\0\0\0\0\0\0\0"s, "Casa\u00E0"s},
                                {"ABCDEFGHIJKLMNOP"s, "ABCDEFGHIJKLMNOP"s}}) {
        std::copy(bytes.begin(), bytes.end(), set.NetbiosNameBlock.begin());
        editor.ShowParameters();
        EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), shown);
    }
}

}  // namespace
}  // namespace orvane::params
