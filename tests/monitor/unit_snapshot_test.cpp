// The unit snapshot: it holds exactly what the decoder shows for the same blocks, reads
// 32-bit totals with their sign, lights the summary lamps from any of their bits, gives the
// clock year in full and the firmware's fitness, and keeps its identifiers and units.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "monitor/realtime_decoder.h"
#include "monitor/snapshot_decoder.h"
#include "monitor/unit_snapshot_tables.h"
#include "support/fake_screen.h"

namespace orvane::monitor {
namespace {

namespace controls = frontend::controls;

// Which snapshot entry each live control of the window shows.
const std::pair<frontend::AnyControl, Measurement> NumberControls[] = {
    {controls::AbNumEdit20, Measurement::gridVoltage},
    {controls::Ed_Ten_Conv_R, Measurement::gridVoltage},
    {controls::AbNumEdit21, Measurement::gridCurrent},
    {controls::Ed_Corr_Conv_R, Measurement::gridCurrent},
    {controls::AbNumEdit22, Measurement::gridPower},
    {controls::Ed_Conv_Pot_Somma, Measurement::gridPower},
    {controls::AbNumEdit23, Measurement::houseVoltage},
    {controls::AbNumEdit24, Measurement::houseCurrent},
    {controls::AbNumEdit25, Measurement::housePower},
    {controls::AbNumEdit28, Measurement::chargerTemperature},
    {controls::AbNumEdit27, Measurement::supplyStageTemperature},
    {controls::AbNumEdit26, Measurement::batteryTemperature},
    {controls::AbNumEdit31, Measurement::batteryCurrent},
    {controls::AbNumEdit30, Measurement::batteryVoltage},
    {controls::AbNumEdit32, Measurement::panelVoltage},
    {controls::AbNumEdit60, Measurement::batteryPower},
    {controls::AbNumEdit67, Measurement::availableCharge},
    {controls::Ed_Perc_Batt_Disponibile, Measurement::availableCharge},
    {controls::AbNumEdit68, Measurement::actualCapacity},
    {controls::Ed_Cap_Attuale_Batt, Measurement::actualCapacity},
    {controls::AbNumEdit95, Measurement::panelPower},
    {controls::Ed_Wh_Accumulati, Measurement::energyAccumulatedWh},
    {controls::Ed_Wh_Erogati, Measurement::energySuppliedWh},
    {controls::Ed_Conv_Wh_Batt_Erog, Measurement::energyBatterySuppliedWh},
    {controls::Ed_Conv_Wh_Pann, Measurement::energyPanelWh},
    {controls::Ed_Conv_Wh_Rete_Immessa, Measurement::energyGridFedWh},
    {controls::Ed_Conv_Wh_Rete_Prelevata, Measurement::energyGridDrawnWh},
    {controls::Ed_Conv_Wh_Casa, Measurement::energyHouseWh},
    {controls::Ed_Conv_Wh_Verso_Inverter, Measurement::energyToInverterWh},
    {controls::Ed_Num_Permille_Vita_Batteria, Measurement::batteryLifeUsed},
    {controls::Ed_Pot_Conv_R, Measurement::phaseRPower},
    {controls::Ed_Pot_Conv_S, Measurement::phaseSPower},
    {controls::Ed_Pot_Conv_T, Measurement::phaseTPower},
    {controls::Ed_Ten_Conv_S, Measurement::phaseSVoltage},
    {controls::Ed_Corr_Conv_S, Measurement::phaseSCurrent},
    {controls::Ed_Ten_Conv_T, Measurement::phaseTVoltage},
    {controls::Ed_Corr_Conv_T, Measurement::phaseTCurrent},
    {controls::Ed_Err_Serv_Rete, Measurement::gridServiceErrorNumber},
    {controls::Ed_Err_Id_PAr, Measurement::parameterErrorNumber},
    {controls::Ed_Id_Err_Liberi, Measurement::freeParameterErrorNumber},
    {controls::Ed_Freq_Rete, Measurement::gridFrequency},
};

const std::pair<frontend::AnyControl, UnitLamp> LampControls[] = {
    {controls::Ld_Err_Serv_Rete, UnitLamp::gridServiceError},
    {controls::Ld_Sovra_Filtro, UnitLamp::gridOverfrequency},
    {controls::Ld_Sotto_Filtro, UnitLamp::gridUnderfrequency},
    {controls::Ld_Sovra_T_Filtro, UnitLamp::gridOvervoltage},
    {controls::Ld_Cum_Cei021, UnitLamp::gridServiceAction},
    {controls::Ld_Rottura_Fusibile_Pann, UnitLamp::panelFuseBroken},
    {controls::Led_Old_Batt_Scarica, UnitLamp::batteryDepleted},
    {controls::Led_Carica_Completa, UnitLamp::fullCharge},
    {controls::Ld_Err_Par_Conf, UnitLamp::parameterError},
    {controls::Ld_Err_Par_Liberi, UnitLamp::freeParameterError},
    {controls::Ld_Err_Contatori_Storico, UnitLamp::historicalDataError},
    {controls::Led_Erogoazione_Attiva, UnitLamp::supplying},
    {controls::Led_CB_Attivo, UnitLamp::batteryCharging},
    {controls::Led_All_Low_Tens_Ali, UnitLamp::lowSupplyAlarm},
    {controls::Led_All_Termico, UnitLamp::thermalAlarm},
    {controls::VrUserLed1, UnitLamp::anyAlarm},
    {controls::VrUserLed27, UnitLamp::blocked},
    {controls::VrUserLed2, UnitLamp::blocked},
    {controls::Led_Reset_Inverter, UnitLamp::inverterReset},
    {controls::Led_Blocco_Da_Eth, UnitLamp::blockedByLan},
    {controls::Led_Blocco_Da_Seriale, UnitLamp::blockedByRs485},
    {controls::Ld_Ciclico_Sin, UnitLamp::leftPhaseRotation},
    {controls::Ld_No_Fase_R, UnitLamp::noPhaseR},
    {controls::Ld_No_Fase_S, UnitLamp::noPhaseS},
    {controls::Ld_No_Fase_T, UnitLamp::noPhaseT},
    {controls::Ld_Errore_Dati_Accumulo, UnitLamp::accumulationDataError},
    {controls::Ld_Err_Id_Orvane, UnitLamp::idDataError},
    {controls::Ld_No_Eui, UnitLamp::euiError},
    {controls::Ld_Clock_No_Presente, UnitLamp::clockError},
    {controls::Ld_Batt_Esausta_Num_Cicli, UnitLamp::batteryExhaustedByCycles},
    {controls::Ld_Fault_Batt_In_Carica, UnitLamp::chargeFault},
    {controls::Ld_Err_Contatori_Interni, UnitLamp::internalCountersError},
    {controls::Ld_Fault_Batteria_Carica, UnitLamp::batteryFault},
};

const std::pair<frontend::AnyControl, int UnitClock::*> DigitControls[] = {
    {controls::Vr_Day, &UnitClock::day},   {controls::Vr_Mese, &UnitClock::month},
    {controls::VrAnno, &UnitClock::year},  {controls::VrOra, &UnitClock::hour},
    {controls::VrMin, &UnitClock::minute}, {controls::VrSec, &UnitClock::second},
};

template <class Entry, std::size_t N>
const Entry* Find(const Entry (&table)[N], frontend::ControlId control) {
    const auto* it = std::find_if(std::begin(table), std::end(table),
                                  [&](const Entry& e) { return e.first.id() == control; });
    return it == std::end(table) ? nullptr : it;
}

template <class Entry, std::size_t N, class Value>
bool Covers(const Entry (&table)[N], Value v) {
    return std::any_of(std::begin(table), std::end(table),
                       [&](const Entry& e) { return e.second == v; });
}

class Snapshot : public ::testing::Test {
  protected:
    Snapshot() { data.ResetFilters(); }

    UnitSnapshot decode() { return DecodeSnapshot(poll, data, {}); }

    PollState poll;
    RealtimeData data;
};

// ---- Agreement with the window ----

class SnapshotBesideTheDecoder : public Snapshot {
  protected:
    // Every block byte from a small generator, so neighbouring fields differ and a field
    // read from the wrong place, width, sign or sample array shows.
    void fillBlocks(std::uint32_t seed) {
        std::uint32_t state = seed;
        auto next = [&] {
            state = state * 1664525u + 1013904223u;
            return static_cast<std::uint8_t>(state >> 24);
        };
        for (std::span<std::uint8_t> block :
             {std::span<std::uint8_t>(poll.TrendBlock), std::span<std::uint8_t>(poll.LiveBlockA),
              std::span<std::uint8_t>(poll.LiveBlockB), std::span<std::uint8_t>(poll.ClockBlock)})
            std::generate(block.begin(), block.end(), next);
    }

    testing::FakeScreen screen;
    catalogue::Language language;
    RealtimeDecoder decoder{poll, data, screen, screen, language};
};

TEST_F(SnapshotBesideTheDecoder, holdsEveryValueLampAndDigitTheWindowShowsForTheSameBlocks) {
    // The first block seeds the filters; later ones leave smoothed and latest apart.
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        fillBlocks(seed);
        poll.TrendBlockReady = true;
        decoder.Run();
        const UnitSnapshot snapshot = decode();

        for (const auto& [control, shown] : screen.numbers) {
            const auto* entry = Find(NumberControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no snapshot entry";
            EXPECT_EQ(shown, snapshot.value(entry->second)) << control;
        }
        for (const auto& [control, lit] : screen.lamps) {
            const auto* entry = Find(LampControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no snapshot lamp";
            EXPECT_EQ(lit, snapshot.lit(entry->second)) << control;
        }
        for (const auto& [control, shown] : screen.digits) {
            const auto* entry = Find(DigitControls, control);
            ASSERT_NE(entry, nullptr) << control << " shows no clock part";
            EXPECT_EQ(shown, snapshot.clock.*(entry->second)) << control;
        }
    }
    EXPECT_EQ(screen.numbers.size(), std::size(NumberControls));
    EXPECT_EQ(screen.lamps.size(), std::size(LampControls));
    EXPECT_EQ(screen.digits.size(), std::size(DigitControls));
    for (std::size_t i = 0; i < MeasurementCount; ++i)
        EXPECT_TRUE(Covers(NumberControls, static_cast<Measurement>(i)))
            << Describe(Measurement(i)).id;
    for (std::size_t i = 0; i < UnitLampCount; ++i)
        EXPECT_TRUE(Covers(LampControls, static_cast<UnitLamp>(i))) << Describe(UnitLamp(i)).id;
}

// ---- Values ----

TEST_F(Snapshot, energyTotalsAreReadUnsmoothedWithTheirSign) {
    struct Case {
        Measurement m;
        std::uint32_t bits;
        double value;
    };
    const Case cases[] = {
        {Measurement::energySuppliedWh, 0xFFFFFFFF, 4294967295.0},
        {Measurement::energyAccumulatedWh, 0x80000000, 2147483648.0},
        {Measurement::energyBatterySuppliedWh, 0xFFFFFFFF, -1},
        {Measurement::energyToInverterWh, 0x80000000, -2147483648.0},
        {Measurement::energyGridFedWh, 0x00010002, 65538},  // low word first
    };
    data.SmoothedSamples.fill(0x1234);  // never read for a total
    for (const Case& c : cases) {
        const std::size_t word = Describe(c.m).byte / 2;
        data.LatestSamples[word] = static_cast<std::uint16_t>(c.bits & 0xFFFF);
        data.LatestSamples[word + 1] = static_cast<std::uint16_t>(c.bits >> 16);
    }
    const UnitSnapshot snapshot = decode();
    for (const Case& c : cases)
        EXPECT_EQ(snapshot.value(c.m), c.value) << Describe(c.m).id;
}

TEST_F(Snapshot, summaryLampsLightFromAnyOfTheirBitsAndBlockedIsOneLamp) {
    using enum UnitLamp;
    struct Case {
        std::size_t byte;
        std::uint8_t value;
        std::vector<UnitLamp> lit;
    };
    const Case cases[] = {
        {28, 0x08, {gridOverfrequency, gridServiceAction}},
        {28, 0x10, {gridUnderfrequency, gridServiceAction}},
        {28, 0x40, {gridOvervoltage, gridServiceAction}},
        {28, 0x81, {gridServiceError, panelFuseBroken}},
        {32, 0x04, {anyAlarm}},
        {32, 0x48, {anyAlarm}},
        {32, 0x03, {lowSupplyAlarm, thermalAlarm, anyAlarm}},
        {32, 0xB0, {}},
        {33, 0x01, {blocked}},
    };
    for (const Case& c : cases) {
        poll.LiveBlockA = {};
        poll.LiveBlockA[c.byte] = c.value;
        const UnitSnapshot snapshot = decode();
        for (std::size_t i = 0; i < UnitLampCount; ++i) {
            const auto lamp = static_cast<UnitLamp>(i);
            const bool expected = std::find(c.lit.begin(), c.lit.end(), lamp) != c.lit.end();
            EXPECT_EQ(snapshot.lit(lamp), expected)
                << "byte " << c.byte << " = " << int(c.value) << ": " << Describe(lamp).id;
        }
    }
}

TEST_F(Snapshot, theClockYearIsGivenInFull) {
    for (const auto& [byte, year] : {std::pair{25, 2025}, {0, 2000}, {255, 2255}}) {
        poll.ClockBlock = {31, 12, static_cast<std::uint8_t>(byte), 23, 59, 58};
        const UnitClock clock = decode().clock;
        EXPECT_EQ(clock.year, year);
        EXPECT_EQ((std::array{clock.day, clock.month, clock.hour, clock.minute, clock.second}),
                  (std::array{31, 12, 23, 59, 58}));
    }
}

TEST_F(Snapshot, firmwareIsExpectedFor17xOnly) {
    struct Case {
        std::array<std::uint8_t, FirmwareVersionSize> version;
        bool expected;
    };
    const Case cases[] = {
        {{1, 7, 0}, true},  {{1, 7, 255}, true}, {{1, 8, 0}, false},
        {{0, 7, 3}, false}, {{0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        poll.FirmwareVersion = c.version;
        const UnitFirmware firmware = decode().firmware;
        EXPECT_EQ(firmware.expected, c.expected) << firmware.major << "." << firmware.minor;
        EXPECT_EQ((std::array{firmware.major, firmware.minor, firmware.build}),
                  (std::array<int, 3>{c.version[0], c.version[1], c.version[2]}));
    }
}

// ---- Identifiers: CSV headers and JSON keys that recorders and scripts rely on ----

std::string EnglishCaption(int groupRow, int captionRow, bool withProductWord = false) {
    std::string text(catalogue::CatalogueText(groupRow, catalogue::English));
    text += " / ";
    text += catalogue::CatalogueText(captionRow, catalogue::English);
    if (withProductWord)
        text += catalogue::ProductWord;
    return text;
}

TEST(SnapshotIdentifiers, measurementIdsUnitsAndCaptionsStayAsPublished) {
    struct Golden {
        std::string_view id;
        std::string_view unit;
        std::string_view caption;  // English group / field caption
    };
    const Golden golden[] = {
        {"gridVoltage", "V", "Grid / Voltage"},
        {"gridCurrent", "A", "Grid / Current"},
        {"gridPower", "W", "Grid / Power"},
        {"houseVoltage", "V", "Home / Voltage"},
        {"houseCurrent", "A", "Home / Current"},
        {"housePower", "W", "Home / Power"},
        {"chargerTemperature", "degC", "Temperatures / Charger"},
        {"supplyStageTemperature", "degC", "Temperatures / Supply Stage"},
        {"batteryTemperature", "degC", "Temperatures / Battery"},
        {"batteryCurrent", "A", "Battery / Current"},
        {"batteryVoltage", "V", "Battery / Voltage"},
        {"panelVoltage", "V", "String Data / Voltage"},
        {"batteryPower", "W", "Battery / Power"},
        {"availableCharge", "%", "Battery Counters / Available Charge %"},
        {"actualCapacity", "Ah", "Battery Counters / Actual Capacity A/h"},
        {"panelPower", "W", "String Data / Power "},
        {"energyAccumulatedWh", "Wh", "Accumulation Data  / W/h Accumulated :"},
        {"energySuppliedWh", "Wh", "Accumulation Data  / W/h Supplied :"},
        {"energyBatterySuppliedWh", "Wh", "Accumulation Data  / Wh Battery Supplied : "},
        {"energyPanelWh", "Wh", "Accumulation Data  / Wh Panel :"},
        {"energyGridFedWh", "Wh", "Accumulation Data  / Wh Fed into Grid :"},
        {"energyGridDrawnWh", "Wh", "Accumulation Data  / Wh Drawn from Grid :"},
        {"energyHouseWh", "Wh", "Accumulation Data  / Wh House : "},
        {"energyToInverterWh", "Wh", "Accumulation Data  / Wh Towards Inverter : "},
        {"batteryLifeUsed", "permille", "Battery Counters / Battery Life Per Mille    "},
        {"phaseRPower", "W", "Phase R / Power"},
        {"phaseSPower", "W", "Phase S / Power"},
        {"phaseTPower", "W", "Phase T / Power"},
        {"phaseSVoltage", "V", "Phase S / Voltage"},
        {"phaseSCurrent", "A", "Phase S / Current"},
        {"phaseTVoltage", "V", "Phase T / Voltage"},
        {"phaseTCurrent", "A", "Phase T / Current"},
        {"gridServiceErrorNumber", "", "Runtime Parameters and EEPROM Errors  / CEI 021 Error"},
        {"parameterErrorNumber", "", "Runtime Parameters and EEPROM Errors  / Parameters Error "},
        {"freeParameterErrorNumber", "", "Runtime Parameters and EEPROM Errors  / Free Error "},
        {"gridFrequency", "Hz", "Functions / Grid Frequency"},
    };
    ASSERT_EQ(std::size(golden), MeasurementCount);
    for (std::size_t i = 0; i < MeasurementCount; ++i) {
        const MeasurementDescriptor& d = Describe(static_cast<Measurement>(i));
        EXPECT_EQ(d.id, golden[i].id);
        EXPECT_EQ(d.unit, golden[i].unit) << d.id;
        EXPECT_EQ(EnglishCaption(d.groupRow, d.captionRow), golden[i].caption) << d.id;
    }
}

TEST(SnapshotIdentifiers, lampIdsAndCaptionsStayAsPublished) {
    const std::pair<std::string_view, std::string_view> golden[] = {
        {"gridServiceError", "Runtime Parameters and EEPROM Errors  / CEI 021 Error"},
        {"gridOverfrequency", "Grid Services Signals / Overfrequency"},
        {"gridUnderfrequency", "Grid Services Signals / Underfrequency"},
        {"gridOvervoltage", "Grid Services Signals / Overvoltage"},
        {"gridServiceAction", "Functions / CEI021 Alarm"},
        {"panelFuseBroken", "Functions / Fuse broken"},
        {"batteryDepleted", "Functions / Battery depleted"},
        {"fullCharge", "Functions / Full Charge"},
        {"parameterError", "Runtime Parameters and EEPROM Errors  / Parameters Error "},
        {"freeParameterError", "Runtime Parameters and EEPROM Errors  / Free Error "},
        {"historicalDataError", "Runtime Parameters and EEPROM Errors  / Historical Data Error "},
        {"supplying", "Functions / Supply"},
        {"batteryCharging", "Functions / Batt. Charging"},
        {"lowSupplyAlarm", "Functions / Low Power "},
        {"thermalAlarm", "Functions / Thermal Alarm"},
        {"anyAlarm", "Functions / Generic"},
        {"blocked", "Functions / Blocked"},
        {"inverterReset", "Functions / Inverter Reset"},
        {"blockedByLan", "Alarm condition / By LAN"},
        {"blockedByRs485", "Alarm condition / By RS485"},
        {"leftPhaseRotation", "Globals / Left Cyclic "},
        {"noPhaseR", "Phase R / No Phase "},
        {"noPhaseS", "Phase S / No Phase "},
        {"noPhaseT", "Phase T / No Phase "},
        {"accumulationDataError",
         "Runtime Parameters and EEPROM Errors  / Accumulation Data Error "},
        {"idDataError", "Runtime Parameters and EEPROM Errors  / Id Data Error  Orvane "},
        {"euiError", "Runtime Parameters and EEPROM Errors  / EUI Error "},
        {"clockError", "Runtime Parameters and EEPROM Errors  / Clock Error "},
        {"batteryExhaustedByCycles", "Battery Counters / Battery Exhausted for Cycles N°  "},
        {"chargeFault", "Functions / Charge Fault"},
        {"internalCountersError",
         "Runtime Parameters and EEPROM Errors  / Internal Counters Error "},
        {"batteryFault", "Battery Fault during Charge  / Battery Fault  "},
    };
    ASSERT_EQ(std::size(golden), UnitLampCount);
    for (std::size_t i = 0; i < UnitLampCount; ++i) {
        const LampDescriptor& d = Describe(static_cast<UnitLamp>(i));
        EXPECT_EQ(d.id, golden[i].first);
        EXPECT_EQ(EnglishCaption(d.groupRow, d.captionRow, d.withProductWord), golden[i].second)
            << d.id;
    }
}

TEST(SnapshotIdentifiers, clockPartsKeepTheirNames) {
    std::vector<std::string_view> ids;
    for (const ClockPart& p : ClockLayout)
        ids.push_back(p.id);
    EXPECT_EQ(ids,
              (std::vector<std::string_view>{"day", "month", "year", "hour", "minute", "second"}));
}

}  // namespace
}  // namespace orvane::monitor
