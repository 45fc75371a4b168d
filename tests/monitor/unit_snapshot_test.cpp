// The unit snapshot: it reads 32-bit totals with their sign, lights the summary lamps from
// any of their bits, gives the clock year in full and the firmware's fitness, and keeps its
// identifiers and units.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "monitor/snapshot_decoder.h"
#include "monitor/unit_snapshot_tables.h"

namespace orvane::monitor {
namespace {

class Snapshot : public ::testing::Test {
  protected:
    Snapshot() { data.ResetFilters(); }

    UnitSnapshot decode() { return DecodeSnapshot(poll, data, {}); }

    PollState poll;
    RealtimeData data;
};

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

TEST(SnapshotIdentifiers, linkConditionsKeepTheirNames) {
    const std::vector<std::string_view> ids(LinkConditionIds.begin(), LinkConditionIds.end());
    EXPECT_EQ(
        ids, (std::vector<std::string_view>{"starting", "ok", "communicationError", "firmwareError",
                                            "communicationAndFirmwareError"}));
    EXPECT_EQ(IdOf(LinkCondition::firmwareError), "firmwareError");
}

}  // namespace
}  // namespace orvane::monitor
