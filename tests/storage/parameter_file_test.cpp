// The parameter file format: which keys in which order, what each value becomes when a file
// is loaded, and that a save and a load give back every named field.
#include "storage/parameter_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "params/parameter_defaults.h"
#include "params/parameter_fixture.h"

namespace orvane::storage {
namespace {

using params::Field;
using params::ParameterSet;

std::string NameOf(const ParameterSet& set) {
    return params::NetbiosText(set.NetbiosNameBlock);
}

ParameterSet Loaded(const std::string& file, ParameterSet set = {}) {
    ReadParameterFile(IniDocument::Parse(file), set, "Orvane000");
    return set;
}

TEST(ParameterFileFormat, writesTheSixSectionsAndTheirKeysInOrder) {
    ParameterSet set;
    set.set(Field::unitId, 0xFFFFFFFF);
    set.set(Field::ipAddress1, 192);
    set.set(Field::staticAddress, 1);
    set.set(Field::capacityAh, 65535);
    set.set(Field::insertionDelayMs, 170);
    set.set(Field::batteryLifeCycles, 1500);
    params::StoreNetbiosText("Orvane042", set.OutgoingNetbiosName);
    params::StoreNetbiosText("Received", set.NetbiosNameBlock);
    IniDocument ini;
    WriteParameterFile(set, ini);
    EXPECT_EQ(ini.bytes(),
              "[IDENTIFICATIVO]\r\nID=-1\r\n"
              "\r\n[RETE]\r\nIND_0=192\r\nIND_1=0\r\nIND_2=0\r\nIND_3=0\r\n"
              "MSK_0=0\r\nMSK_1=0\r\nMSK_2=0\r\nMSK_3=0\r\nGTH_0=0\r\nGTH_1=0\r\nGTH_2=0\r\n"
              "GTH_3=0\r\nDNS_0=0\r\nDNS_1=0\r\nDNS_2=0\r\nDNS_3=0\r\nSRV_0=0\r\nSRV_1=0\r\n"
              "SRV_2=0\r\nSRV_3=0\r\nDINAMICO=1\r\nLOCALE=0\r\n"
              "\r\n[CONFIGURAZIONE]\r\nTIPO_BATT=0\r\nCAPACITA_BATT=65535\r\nNUM_PANNELLI=0\r\n"
              "MAX_I_EROG=0\r\nI_EROG_C_10=0\r\nTIPO_INVERTER=0\r\nMASSIMA_MPPT=0\r\n"
              "\r\n[SERVIZI_RETE]\r\nABILTAZIONE=0\r\nAB_OVERTENS=0\r\nAB_SOVRA_FREQ=0\r\n"
              "AB_SOTTO_FREQ=0\r\nINIT_SOVRA_FREQ=0\r\nSOVRA_FREQ=0\r\nMAX_V_RETE=0\r\n"
              "INIT_SOTTO_FREQ=0\r\nSOTTO_FREQ=0\r\nRITARDO=3\r\n"
              "\r\n[LIBERI]\r\nV_FINE_CARICA=0\r\nV_MANT=0\r\nV_SCARICA_COMPLETA=0\r\n"
              "V_LIM_TENS=0\r\nC_MOL_CC_EST=0\r\nC_MOL_CC_INV=0\r\nDIV_C_CARICA=0\r\n"
              "CAP_ASSORBIBILE=0\r\nC_DIV_FC_EST=0\r\nC_DIV_FC_INV=0\r\nMIN_TC_EST=0\r\n"
              "MIN_TC_INV=0\r\nMIN_CC_EST=0\r\nMIN_CC_INV=0\r\nV_EQUAL=0\r\nMIN_EQUAL_EST=0\r\n"
              "MIN_EQUAL_INV=0\r\nPERC_REND_CAR=0\r\nPERC_REND_SCAR=0\r\nV_SCARICA_PROF=0\r\n"
              "T_BLOCCO_BATT=0\r\nCICLI_VITA=1500\r\n"
              "\r\n[STRINGHE]\r\nNETBIOS=Orvane042\r\n");
}

TEST(ParameterFileFormat, emptyNameIsAnEmptyValue) {
    ParameterSet set;
    IniDocument ini;
    WriteParameterFile(set, ini);
    EXPECT_EQ(ini.readText("STRINGHE", "NETBIOS"), "");
}

class RoundTrip : public ::testing::TestWithParam<unsigned> {};

TEST_P(RoundTrip, savedSetLoadsBackIntoEveryNamedField) {
    ParameterSet saved;
    std::mt19937 random(GetParam());
    for (const params::BlockLayout& b : params::BlockLayouts)
        for (std::uint8_t& byte : saved.bytes(b.block))
            byte = static_cast<std::uint8_t>(random());
    // RITARDO keeps whole steps of the delay list only.
    saved.set(Field::insertionDelayMs, saved.get(Field::insertionDelayMs) / 50 * 50);
    params::StoreNetbiosText("Orvane-" + std::to_string(GetParam()), saved.OutgoingNetbiosName);

    IniDocument ini;
    WriteParameterFile(saved, ini);
    const ParameterSet loaded = Loaded(IniDocument::Parse(ini.bytes()).bytes());

    for (const params::FieldDescriptor& d : params::FieldTable())
        EXPECT_EQ(loaded.get(d.field), saved.get(d.field)) << d.name;
    EXPECT_EQ(NameOf(loaded), params::NetbiosText(saved.OutgoingNetbiosName));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTrip, ::testing::Values(1u, 2u, 3u, 4u, 5u));

struct LoadCase {
    const char* file;
    Field field;
    std::uint32_t expected;
};
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.file;
}

class LoadedValues : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadedValues, becomeTheFieldsBitsWithoutAnyLimitCheck) {
    EXPECT_EQ(Loaded(GetParam().file).get(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadedValues,
    ::testing::Values(
        LoadCase{"[SERVIZI_RETE]\r\nRITARDO=3\r\n", Field::insertionDelayMs, 150},
        LoadCase{"[SERVIZI_RETE]\r\nRITARDO=1311\r\n", Field::insertionDelayMs, 14},
        LoadCase{"[SERVIZI_RETE]\r\nRITARDO=-1\r\n", Field::insertionDelayMs, 65486},
        LoadCase{"[RETE]\r\nIND_0=300\r\n", Field::ipAddress1, 44},
        LoadCase{"[RETE]\r\nIND_0=-1\r\n", Field::ipAddress1, 255},
        LoadCase{"[CONFIGURAZIONE]\r\nCAPACITA_BATT=-1\r\n", Field::capacityAh, 65535},
        LoadCase{"[CONFIGURAZIONE]\r\nNUM_PANNELLI=0x1F\r\n", Field::panelCount, 31},
        LoadCase{"[CONFIGURAZIONE]\r\nCAPACITA_BATT=12abc\r\n", Field::capacityAh, 100},
        LoadCase{"[CONFIGURAZIONE]\r\nI_EROG_C_10=2\r\n", Field::supplyLimitC10, 1},
        LoadCase{"[CONFIGURAZIONE]\r\nI_EROG_C_10=yes\r\n", Field::supplyLimitC10, 1},
        LoadCase{"[CONFIGURAZIONE]\r\nI_EROG_C_10=0\r\n", Field::supplyLimitC10, 0},
        LoadCase{"[RETE]\r\nDINAMICO=1\r\n", Field::staticAddress, 1},
        // A file holds the whole field: the editor's byte cut does not apply.
        LoadCase{"[LIBERI]\r\nCAP_ASSORBIBILE=266\r\n", Field::absorbablePercent, 266},
        LoadCase{"[IDENTIFICATIVO]\r\nID=-2\r\n", Field::unitId, 0xFFFFFFFE},
        LoadCase{"[identificativo]\r\nid=0xDEADBEEF\r\n", Field::unitId, 0xDEADBEEF}));

TEST(ParameterFileLoading, emptyFileLoadsEveryDefaultOfTheFile) {
    const ParameterSet set = Loaded("");
    for (const ParameterKey& k : ParameterFileKeys()) {
        if (k.kind == KeyKind::Text)
            continue;
        EXPECT_EQ(set.get(k.field), static_cast<std::uint32_t>(k.loadingDefault)) << k.key;
    }
    EXPECT_EQ(set.get(Field::capacityAh), 100u);
    EXPECT_EQ(set.get(Field::panelCount), 12u);
    EXPECT_EQ(set.get(Field::dnsServer1), 8u);
    EXPECT_EQ(set.get(Field::dnsServer4), 8u);
    EXPECT_EQ(set.get(Field::standbyDeepDischargeVoltage), 430u);
    EXPECT_EQ(set.get(Field::insertionDelayMs), 0u);
    EXPECT_EQ(set.get(Field::supplyLimitC10), 1u);
    EXPECT_EQ(set.get(Field::unitId), 1u);
    for (int octet = 0; octet < 4; ++octet)
        EXPECT_EQ(set.NetworkBlock[16 + octet], params::DefaultLocalServer[octet]);
    EXPECT_EQ(NameOf(set), "Orvane000");
}

TEST(ParameterFileLoading, flagsChangeOnlyTheirOwnBit) {
    ParameterSet set;
    set.GridServiceBlock[0] = 0xF5;  // unnamed bits 4..7 set, enables 0 and 2 set
    set.NetworkBlock[20] = 0xFC;
    set.ConfigBlock[5] = 0xFE;
    set = Loaded(
        "[SERVIZI_RETE]\r\nABILTAZIONE=0\r\nAB_OVERTENS=1\r\nAB_SOVRA_FREQ=1\r\nAB_SOTTO_FREQ=0\r\n"
        "[RETE]\r\nDINAMICO=1\r\nLOCALE=1\r\n[CONFIGURAZIONE]\r\nI_EROG_C_10=1\r\n",
        set);
    EXPECT_EQ(set.GridServiceBlock[0], 0xF6);
    EXPECT_EQ(set.NetworkBlock[20], 0xFF);
    EXPECT_EQ(set.ConfigBlock[5], 0xFF);
}

TEST(ParameterFileLoading, reservedBytesTheRestOfTheIdentityAndTheOutgoingNameStay) {
    ParameterSet before;
    params::FillAll(before, 0xA5);
    const ParameterSet after = Loaded("", before);
    EXPECT_EQ(after.ConfigBlock[7], 0xA5);
    EXPECT_EQ(after.ConfigBlock[10], 0xA5);
    EXPECT_EQ(after.NetworkBlock[21], 0xA5);
    EXPECT_EQ(after.GridServiceBlock[1], 0xA5);
    for (std::size_t i = 44; i < 64; ++i)
        EXPECT_EQ(after.FreeParamBlock[i], 0xA5) << i;
    for (std::size_t i = 4; i < 12; ++i)
        EXPECT_EQ(after.IdentityBlock[i], 0xA5) << i;
    EXPECT_EQ(after.OutgoingNetbiosName, before.OutgoingNetbiosName);
}

TEST(ParameterFileLoading, nameGoesIntoTheReceivedCopyWithoutLeadingBlanksAndCutTo16) {
    EXPECT_EQ(NameOf(Loaded("[STRINGHE]\r\nNETBIOS=\"  \tCasa-Rossi\"\r\n")), "Casa-Rossi");
    EXPECT_EQ(NameOf(Loaded("[STRINGHE]\r\nNETBIOS=\r\n")), "");
    EXPECT_EQ(NameOf(Loaded("[STRINGHE]\r\nNETBIOS=Caf\xE9\r\n")), "Caf\u00E9");
    EXPECT_EQ(NameOf(Loaded("[RETE]\r\nIND_0=1\r\n")), "Orvane000");

    const ParameterSet longName = Loaded("[STRINGHE]\r\nNETBIOS=ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n");
    EXPECT_EQ(NameOf(longName), "ABCDEFGHIJKLMNOP");

    ParameterSet stale;
    stale.NetbiosNameBlock.fill('x');
    const ParameterSet shortName = Loaded("[STRINGHE]\r\nNETBIOS=ab\r\n", stale);
    EXPECT_EQ(shortName.NetbiosNameBlock[2], 0);
    EXPECT_EQ(shortName.NetbiosNameBlock[15], 0);
}

struct NameCase {
    monitor::LocalTime time;
    double id;
    const char* expected;
};

TEST(ParameterFileNames, carryDateTimeAndTheShownIdTruncatedTowardZero) {
    const monitor::LocalTime t{2024, 12, 9, 14, 5, 33};
    for (const NameCase& c :
         {NameCase{t, 1, "Orvane_09_12_24_14_05_33_Id_1"},
          NameCase{{2030, 1, 31, 0, 0, 9}, 4294967295.0, "Orvane_31_01_30_00_00_09_Id_4294967295"},
          NameCase{t, 7.9, "Orvane_09_12_24_14_05_33_Id_7"},
          NameCase{t, -7.9, "Orvane_09_12_24_14_05_33_Id_-7"},
          NameCase{t, std::nan(""), "Orvane_09_12_24_14_05_33_Id_0"},
          NameCase{t, 1e300, "Orvane_09_12_24_14_05_33_Id_9223372036854775807"},
          NameCase{t, -INFINITY, "Orvane_09_12_24_14_05_33_Id_-9223372036854775808"}})
        EXPECT_EQ(DefaultParameterFileName(c.time, c.id), c.expected) << c.id;
}

TEST(ParameterFileNames, extensionIsAddedOnlyWhenTheNameHasNone) {
    EXPECT_EQ(WithDefaultExtension("/w/Salvataggi/Orvane_1", "ovn"), "/w/Salvataggi/Orvane_1.ovn");
    EXPECT_EQ(WithDefaultExtension("/w/Salvataggi/casa.ovn", "ovn"), "/w/Salvataggi/casa.ovn");
    EXPECT_EQ(WithDefaultExtension("/w/Salvataggi/casa.txt", "ovn"), "/w/Salvataggi/casa.txt");
    EXPECT_EQ(WithDefaultExtension("/w/v1.2/casa", "ovn"), "/w/v1.2/casa.ovn");
    EXPECT_EQ(WithDefaultExtension("/w/.hidden", "ovn"), "/w/.hidden.ovn");
}

}  // namespace
}  // namespace orvane::storage
