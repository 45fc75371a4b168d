// One tick's typed picture of the unit: every live measurement in its unit, every lamp, the
// unit's clock and firmware, the link state and whether a new measurement block came in.
// What the window shows, and what a recorder, a journal or a command-line program reads,
// without decoding the blocks again. A plain value: whoever takes it owns its copy; it is
// made on the window thread and may be handed to any other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/link_condition.h"

namespace orvane::monitor {

// Every decoded measurement, in block order (TrendBlock, then LiveBlockA). The names are
// the stable identifiers of `unit_snapshot_tables.h`. Phase R's voltage and current and
// the three-phase total power are the grid's own words, so they are `gridVoltage`,
// `gridCurrent` and `gridPower` here.
enum class Measurement : std::uint8_t {
    // TrendBlock
    gridVoltage,
    gridCurrent,
    gridPower,
    houseVoltage,
    houseCurrent,
    housePower,
    chargerTemperature,
    supplyStageTemperature,
    batteryTemperature,
    batteryCurrent,
    batteryVoltage,
    panelVoltage,
    batteryPower,
    availableCharge,
    actualCapacity,
    panelPower,
    energyAccumulatedWh,
    energySuppliedWh,
    energyBatterySuppliedWh,
    energyPanelWh,
    energyGridFedWh,
    energyGridDrawnWh,
    energyHouseWh,
    energyToInverterWh,
    batteryLifeUsed,
    phaseRPower,
    phaseSPower,
    phaseTPower,
    phaseSVoltage,
    phaseSCurrent,
    phaseTVoltage,
    phaseTCurrent,
    // LiveBlockA
    gridServiceErrorNumber,
    parameterErrorNumber,
    freeParameterErrorNumber,
    gridFrequency,
};
inline constexpr std::size_t MeasurementCount =
    static_cast<std::size_t>(Measurement::gridFrequency) + 1;

// Every lamp meaning, in block order (LiveBlockA, then LiveBlockB). One entry per meaning:
// `blocked` lights two lamps in the window. `gridServiceAction` and `anyAlarm` summarise
// several bits and are lamps of their own because the window shows them.
enum class UnitLamp : std::uint8_t {
    // LiveBlockA
    gridServiceError,
    gridOverfrequency,
    gridUnderfrequency,
    gridOvervoltage,
    gridServiceAction,
    panelFuseBroken,
    batteryDepleted,
    fullCharge,
    parameterError,
    freeParameterError,
    historicalDataError,
    supplying,
    batteryCharging,
    lowSupplyAlarm,
    thermalAlarm,
    anyAlarm,
    blocked,
    inverterReset,
    blockedByLan,
    blockedByRs485,
    leftPhaseRotation,
    noPhaseR,
    noPhaseS,
    noPhaseT,
    accumulationDataError,
    idDataError,
    euiError,
    clockError,
    batteryExhaustedByCycles,
    chargeFault,
    internalCountersError,
    // LiveBlockB
    batteryFault,
};
inline constexpr std::size_t UnitLampCount = static_cast<std::size_t>(UnitLamp::batteryFault) + 1;

// The unit's own clock as it answered, the year in full.
struct UnitClock {
    int day = 0;
    int month = 0;
    int year = 2000;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct UnitFirmware {
    int major = 0;
    int minor = 0;
    int build = 0;
    bool expected = false;  // 1.7.x, the version the commands and transfers work with
};

// What the operator sees of the link on the LED-matrix line. The condition and text hold
// from tick to tick: after an error the error text stays until "Comunicazione OK" returns.
struct LinkState {
    LinkCondition condition = LinkCondition::starting;
    std::string matrixText;    // UTF-8, in the language of the moment
    bool autoScroll = false;   // error texts scroll; the start and OK texts stand still
    bool lineUpdated = false;  // written this tick: every tick an error holds, the tick OK returns
};

// Measurement blocks the decoder has taken: a recorder writes one row per new block.
struct TrendBlockCount {
    bool newThisTick = false;  // this tick took a new TrendBlock
    std::uint64_t taken = 0;   // TrendBlocks taken since the window was shown
};

struct UnitSnapshot {
    // Each value in the unit of its table row, smoothed or latest as the window shows it.
    std::array<double, MeasurementCount> measurements{};
    std::array<bool, UnitLampCount> lamps{};
    UnitClock clock;
    UnitFirmware firmware;
    LinkState link;
    TrendBlockCount trendBlocks;

    double value(Measurement m) const { return measurements[static_cast<std::size_t>(m)]; }
    bool lit(UnitLamp l) const { return lamps[static_cast<std::size_t>(l)]; }
};

}  // namespace orvane::monitor
