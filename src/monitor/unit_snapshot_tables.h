// The layout of the live blocks, one row per measurement and per lamp: where each value
// lives (block, byte, width and sign, scale, smoothed or latest; lamps: byte and bits), its
// stable identifier and unit (CSV headers, JSON keys) and the catalogue rows that caption it
// in the window ("Rete" + "Tensione" / "Grid" + "Voltage"). The snapshot decoder reads the
// blocks through these tables only. Constant data; any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/message_catalogue.h"
#include "monitor/poll_state.h"
#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

enum class StoredBlock : std::uint8_t { TrendBlock, LiveBlockA, LiveBlockB };

constexpr std::size_t BlockSize(StoredBlock b) {
    switch (b) {
        case StoredBlock::TrendBlock:
            return TrendBlockSize;
        case StoredBlock::LiveBlockA:
            return LiveBlockASize;
        case StoredBlock::LiveBlockB:
            return LiveBlockBSize;
    }
    return 0;
}

enum class ValueKind : std::uint8_t { Unsigned8, Unsigned16, Signed16, Unsigned32, Signed32 };

constexpr std::size_t WidthOf(ValueKind k) {
    switch (k) {
        case ValueKind::Unsigned8:
            return 1;
        case ValueKind::Unsigned16:
        case ValueKind::Signed16:
            return 2;
        case ValueKind::Unsigned32:
        case ValueKind::Signed32:
            return 4;
    }
    return 0;
}

// TrendBlock values come through the filters: measurements smoothed, counters and energy
// totals as received. Status-block values are read from the block as it was answered.
enum class ValueSource : std::uint8_t { Smoothed, Latest, Stored };

// Units are ASCII so they can stand in any header: "V", "A", "W", "degC", "%", "Ah", "Wh",
// "permille", "Hz"; empty for a plain number (the error numbers).
struct MeasurementDescriptor {
    Measurement measurement;
    std::string_view id;  // lowerCamelCase; a CSV header and JSON key, never renamed
    std::string_view unit;
    StoredBlock block;
    std::uint8_t byte;  // first byte in the block, little-endian
    ValueKind kind;
    double scale;  // value = raw / scale
    ValueSource from;
    int groupRow;    // catalogue row of the group that holds the field ("Rete")
    int captionRow;  // catalogue row of the field's caption ("Tensione")
};

struct LampDescriptor {
    UnitLamp lamp;
    std::string_view id;  // lowerCamelCase; a CSV header and JSON key, never renamed
    StoredBlock block;
    std::uint8_t byte;
    std::uint8_t mask;  // lit while any of these bits is 1
    int groupRow;
    int captionRow;
    bool withProductWord = false;  // the caption is the row text followed by " Orvane "
};

// Catalogue rows of the groups the live values are shown in.
namespace caption_group {
inline constexpr int Battery = 8;               // "Pacco Batterie"
inline constexpr int PanelString = 16;          // "Dati Stringa"
inline constexpr int Grid = 18;                 // "Rete"
inline constexpr int House = 22;                // "Casa"
inline constexpr int Temperatures = 23;         // "Temperature"
inline constexpr int Functions = 27;            // "Funzionali"
inline constexpr int PhaseR = 157;              // "Fase R"
inline constexpr int PhaseS = 158;              // "Fase S"
inline constexpr int PhaseT = 159;              // "Fase T"
inline constexpr int ThreePhaseGlobals = 161;   // "Globali"
inline constexpr int BatteryCounters = 164;     // "Contatori di Batteria"
inline constexpr int ChargeAlarm = 170;         // "Fault Batteria Durante Carica "
inline constexpr int EepromErrors = 173;        // "Parametri Runtime ed Errori EEPROM "
inline constexpr int BlockCondition = 174;      // "Condizione di Blocco"
inline constexpr int Accumulation = 193;        // "Dati Accumulo "
inline constexpr int GridServiceSignals = 203;  // "Segnalzioni Servizi Rete"
}  // namespace caption_group

inline constexpr std::array MeasurementTable = [] {
    using enum Measurement;
    using namespace caption_group;
    constexpr auto T = StoredBlock::TrendBlock, A = StoredBlock::LiveBlockA;
    constexpr auto U8 = ValueKind::Unsigned8, U16 = ValueKind::Unsigned16;
    constexpr auto S16 = ValueKind::Signed16, U32 = ValueKind::Unsigned32;
    constexpr auto S32 = ValueKind::Signed32;
    constexpr auto S = ValueSource::Smoothed, L = ValueSource::Latest;
    constexpr auto Stored = ValueSource::Stored;
    return std::array<MeasurementDescriptor, MeasurementCount>{{
        {gridVoltage, "gridVoltage", "V", T, 0, U16, 10, S, Grid, 19},
        {gridCurrent, "gridCurrent", "A", T, 2, U16, 10, S, Grid, 20},
        {gridPower, "gridPower", "W", T, 4, S16, 1, S, Grid, 21},
        {houseVoltage, "houseVoltage", "V", T, 6, U16, 10, S, House, 19},
        {houseCurrent, "houseCurrent", "A", T, 8, U16, 10, S, House, 20},
        {housePower, "housePower", "W", T, 10, S16, 1, S, House, 21},
        {chargerTemperature, "chargerTemperature", "degC", T, 12, S16, 10, S, Temperatures, 25},
        {supplyStageTemperature, "supplyStageTemperature", "degC", T, 14, S16, 10, S, Temperatures,
         26},
        {batteryTemperature, "batteryTemperature", "degC", T, 16, S16, 10, S, Temperatures, 24},
        {batteryCurrent, "batteryCurrent", "A", T, 18, S16, 10, S, Battery, 10},
        {batteryVoltage, "batteryVoltage", "V", T, 20, U16, 10, S, Battery, 9},
        {panelVoltage, "panelVoltage", "V", T, 22, U16, 10, S, PanelString, 13},
        {batteryPower, "batteryPower", "W", T, 32, S16, 1, S, Battery, 11},
        {availableCharge, "availableCharge", "%", T, 34, U16, 10, L, BatteryCounters, 165},
        {actualCapacity, "actualCapacity", "Ah", T, 36, U16, 10, L, BatteryCounters, 166},
        {panelPower, "panelPower", "W", T, 40, S16, 1, S, PanelString, 15},
        {energyAccumulatedWh, "energyAccumulatedWh", "Wh", T, 48, U32, 1, L, Accumulation, 201},
        {energySuppliedWh, "energySuppliedWh", "Wh", T, 52, U32, 1, L, Accumulation, 200},
        {energyBatterySuppliedWh, "energyBatterySuppliedWh", "Wh", T, 56, S32, 1, L, Accumulation,
         194},
        {energyPanelWh, "energyPanelWh", "Wh", T, 60, S32, 1, L, Accumulation, 195},
        {energyGridFedWh, "energyGridFedWh", "Wh", T, 64, S32, 1, L, Accumulation, 196},
        {energyGridDrawnWh, "energyGridDrawnWh", "Wh", T, 68, S32, 1, L, Accumulation, 197},
        {energyHouseWh, "energyHouseWh", "Wh", T, 72, S32, 1, L, Accumulation, 198},
        {energyToInverterWh, "energyToInverterWh", "Wh", T, 84, S32, 1, L, Accumulation, 199},
        {batteryLifeUsed, "batteryLifeUsed", "permille", T, 88, U16, 1, L, BatteryCounters, 167},
        {phaseRPower, "phaseRPower", "W", T, 92, S16, 1, S, PhaseR, 21},
        {phaseSPower, "phaseSPower", "W", T, 94, S16, 1, S, PhaseS, 21},
        {phaseTPower, "phaseTPower", "W", T, 96, S16, 1, S, PhaseT, 21},
        {phaseSVoltage, "phaseSVoltage", "V", T, 98, U16, 10, S, PhaseS, 19},
        {phaseSCurrent, "phaseSCurrent", "A", T, 100, U16, 10, S, PhaseS, 20},
        {phaseTVoltage, "phaseTVoltage", "V", T, 102, U16, 10, S, PhaseT, 19},
        {phaseTCurrent, "phaseTCurrent", "A", T, 104, U16, 10, S, PhaseT, 20},
        {gridServiceErrorNumber, "gridServiceErrorNumber", "", A, 29, U8, 1, Stored, EepromErrors,
         176},
        {parameterErrorNumber, "parameterErrorNumber", "", A, 96, U8, 1, Stored, EepromErrors, 175},
        {freeParameterErrorNumber, "freeParameterErrorNumber", "", A, 97, U8, 1, Stored,
         EepromErrors, 177},
        {gridFrequency, "gridFrequency", "Hz", A, 106, U16, 100, Stored, Functions, 58},
    }};
}();

inline constexpr std::array LampTable = [] {
    using enum UnitLamp;
    using namespace caption_group;
    constexpr auto A = StoredBlock::LiveBlockA, B = StoredBlock::LiveBlockB;
    constexpr auto Bit = [](int n) { return static_cast<std::uint8_t>(1u << n); };
    return std::array<LampDescriptor, UnitLampCount>{{
        {gridServiceError, "gridServiceError", A, 28, Bit(0), EepromErrors, 176},
        {gridOverfrequency, "gridOverfrequency", A, 28, Bit(3), GridServiceSignals, 60},
        {gridUnderfrequency, "gridUnderfrequency", A, 28, Bit(4), GridServiceSignals, 61},
        {gridOvervoltage, "gridOvervoltage", A, 28, Bit(6), GridServiceSignals, 62},
        {gridServiceAction, "gridServiceAction", A, 28, Bit(3) | Bit(4) | Bit(6), Functions, 41},
        {panelFuseBroken, "panelFuseBroken", A, 28, Bit(7), Functions, 38},
        {batteryDepleted, "batteryDepleted", A, 30, Bit(1), Functions, 39},
        {fullCharge, "fullCharge", A, 30, Bit(2), Functions, 33},
        {parameterError, "parameterError", A, 30, Bit(4), EepromErrors, 175},
        {freeParameterError, "freeParameterError", A, 30, Bit(5), EepromErrors, 177},
        {historicalDataError, "historicalDataError", A, 30, Bit(6), EepromErrors, 180},
        {supplying, "supplying", A, 31, Bit(2), Functions, 32},
        {batteryCharging, "batteryCharging", A, 31, Bit(5), Functions, 31},
        {lowSupplyAlarm, "lowSupplyAlarm", A, 32, Bit(0), Functions, 64},
        {thermalAlarm, "thermalAlarm", A, 32, Bit(1), Functions, 63},
        {anyAlarm, "anyAlarm", A, 32, Bit(0) | Bit(1) | Bit(2) | Bit(3) | Bit(6), Functions, 40},
        {blocked, "blocked", A, 33, Bit(0), Functions, 28},
        {inverterReset, "inverterReset", A, 33, Bit(2), Functions, 34},
        {blockedByLan, "blockedByLan", A, 33, Bit(6), BlockCondition, 30},
        {blockedByRs485, "blockedByRs485", A, 34, Bit(3), BlockCondition, 29},
        {leftPhaseRotation, "leftPhaseRotation", A, 35, Bit(3), ThreePhaseGlobals, 163},
        {noPhaseR, "noPhaseR", A, 35, Bit(4), PhaseR, 160},
        {noPhaseS, "noPhaseS", A, 35, Bit(5), PhaseS, 160},
        {noPhaseT, "noPhaseT", A, 35, Bit(6), PhaseT, 160},
        {accumulationDataError, "accumulationDataError", A, 116, Bit(5), EepromErrors, 183},
        {idDataError, "idDataError", A, 116, Bit(6), EepromErrors, 182, true},
        {euiError, "euiError", A, 116, Bit(7), EepromErrors, 178},
        {clockError, "clockError", A, 117, Bit(0), EepromErrors, 179},
        {batteryExhaustedByCycles, "batteryExhaustedByCycles", A, 117, Bit(1), BatteryCounters,
         168},
        {chargeFault, "chargeFault", A, 117, Bit(2), Functions, 59},
        {internalCountersError, "internalCountersError", A, 126, Bit(2), EepromErrors, 181},
        {batteryFault, "batteryFault", B, 20, Bit(1), ChargeAlarm, 171},
    }};
}();

constexpr const MeasurementDescriptor& Describe(Measurement m) {
    return MeasurementTable[static_cast<std::size_t>(m)];
}
constexpr const LampDescriptor& Describe(UnitLamp l) {
    return LampTable[static_cast<std::size_t>(l)];
}

// ClockBlock: one byte per part; the year byte counts from 2000.
struct ClockPart {
    int UnitClock::*part;
    std::string_view id;
    std::uint8_t byte;
    int offset;  // part = byte + offset
};
inline constexpr std::array ClockLayout{
    ClockPart{&UnitClock::day, "day", 0, 0},       ClockPart{&UnitClock::month, "month", 1, 0},
    ClockPart{&UnitClock::year, "year", 2, 2000},  ClockPart{&UnitClock::hour, "hour", 3, 0},
    ClockPart{&UnitClock::minute, "minute", 4, 0}, ClockPart{&UnitClock::second, "second", 5, 0},
};

// FirmwareVersion: major, minor, build. Commands and parameter transfers need 1.7.x.
constexpr bool IsExpectedFirmware(const std::array<std::uint8_t, FirmwareVersionSize>& version) {
    return version[0] == 1 && version[1] == 7;
}

// LinkCondition, as a journal or a recorder writes it; never renamed.
inline constexpr std::array<std::string_view, LinkConditionCount> LinkConditionIds{
    "starting", "ok", "communicationError", "firmwareError", "communicationAndFirmwareError"};

constexpr std::string_view IdOf(LinkCondition condition) {
    return LinkConditionIds[static_cast<std::size_t>(condition)];
}

// ---- The tables are complete, in enum order, inside their blocks, and their ids unique ----

namespace detail {

constexpr bool IsLowerCamelCase(std::string_view id) {
    if (id.empty() || id[0] < 'a' || id[0] > 'z')
        return false;
    for (char c : id)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

constexpr bool IsCatalogueRow(int row) {
    return row >= 1 && row <= catalogue::CatalogueRowCount;
}

constexpr bool MeasurementRowsSound() {
    for (std::size_t i = 0; i < MeasurementTable.size(); ++i) {
        const MeasurementDescriptor& d = MeasurementTable[i];
        const bool filtered = d.block == StoredBlock::TrendBlock;
        const bool wide = WidthOf(d.kind) == 4;
        if (static_cast<std::size_t>(d.measurement) != i || !IsLowerCamelCase(d.id))
            return false;
        if (d.byte + WidthOf(d.kind) > BlockSize(d.block) || d.scale <= 0)
            return false;
        // TrendBlock words go through the filters; the status blocks do not.
        if (filtered != (d.from != ValueSource::Stored))
            return false;
        // Filters work on whole words, and their smoothed halves of a 32-bit total mean
        // nothing alone.
        if (filtered && (d.byte % 2 != 0 || d.kind == ValueKind::Unsigned8))
            return false;
        if (wide && d.from == ValueSource::Smoothed)
            return false;
        if (!IsCatalogueRow(d.groupRow) || !IsCatalogueRow(d.captionRow))
            return false;
    }
    return true;
}

constexpr bool LampRowsSound() {
    for (std::size_t i = 0; i < LampTable.size(); ++i) {
        const LampDescriptor& d = LampTable[i];
        if (static_cast<std::size_t>(d.lamp) != i || !IsLowerCamelCase(d.id))
            return false;
        if (d.block == StoredBlock::TrendBlock || d.byte >= BlockSize(d.block) || d.mask == 0)
            return false;
        if (!IsCatalogueRow(d.groupRow) || !IsCatalogueRow(d.captionRow))
            return false;
    }
    return true;
}

// Measurements and lamps stand side by side in one CSV header.
constexpr bool IdsUnique() {
    std::array<std::string_view, MeasurementCount + UnitLampCount> ids{};
    std::size_t n = 0;
    for (const MeasurementDescriptor& d : MeasurementTable)
        ids[n++] = d.id;
    for (const LampDescriptor& d : LampTable)
        ids[n++] = d.id;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (ids[i] == ids[j])
                return false;
    return true;
}

constexpr bool ClockInsideItsBlock() {
    for (const ClockPart& p : ClockLayout)
        if (p.byte >= ClockBlockSize)
            return false;
    return true;
}

}  // namespace detail

static_assert(detail::MeasurementRowsSound(), "one sound row per Measurement, in enum order");
static_assert(detail::LampRowsSound(), "one sound row per UnitLamp, in enum order");
static_assert(detail::IdsUnique(), "identifiers name one value each");
static_assert(detail::ClockInsideItsBlock());

}  // namespace orvane::monitor
