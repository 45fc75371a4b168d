// What the unit measures and counts: panels on a compressed day curve, a noisy house load,
// a battery that charges from surplus and supplies the house, the grid taking the rest, the
// energy totals, the status lamps and the unit's clock. The four live blocks are built from
// this state on request. Owned by the main loop; one thread. Time is handed in, never read
// here, so tests drive it.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <random>
#include <span>

#include "unit-sim/memory_image.h"

namespace orvane::unitsim {

inline constexpr std::size_t LiveBlockASize = 176;
inline constexpr std::size_t LiveBlockBSize = 48;
inline constexpr std::size_t TrendBlockSize = 108;
inline constexpr std::size_t ClockBlockSize = 6;

// Positions in the live status block (byte, bit) the unit drives.
namespace status {
inline constexpr std::size_t GridAlarms = 28;  // bit 0 CEI error, 3 over-f, 4 under-f, 6 over-V
inline constexpr std::size_t GridErrorNumber = 29;
inline constexpr std::size_t BatteryState = 30;  // 1 depleted, 2 full charge, 4/5 parameter errors
inline constexpr std::size_t PowerState = 31;    // 2 supplying, 5 charging
inline constexpr std::size_t Alarms = 32;        // 0 low supply voltage, 1 thermal
inline constexpr std::size_t BlockState = 33;    // 0 blocked
inline constexpr std::size_t BlockSource = 34;   // 3 blocked by RS-485
inline constexpr std::size_t ConfigErrorNumber = 96;
inline constexpr std::size_t FreeErrorNumber = 97;
inline constexpr std::size_t GridFrequency = 106;  // Hz*100, 16-bit
inline constexpr std::size_t DataErrors = 116;     // 6 identity data
inline constexpr std::size_t BatteryErrors = 117;  // 1 exhausted by cycles, 2 charge fault
inline constexpr std::size_t ChargeFaultB = 20;    // battery block: bit 1 charge fault
}  // namespace status

struct ModelConfig {
    double dayLengthSeconds = 600;  // one simulated day passes in this much real time
    std::uint32_t seed = 1;
};

class LiveModel {
  public:
    // `memory` must outlive the model; its configuration shapes the plant.
    LiveModel(const MemoryImage& memory, const ModelConfig& config);

    // Moves the plant forward to `steadySeconds` (any monotonic origin; the first call only
    // sets it) and takes `wallTime` as the PC's current time.
    void advanceTo(double steadySeconds, std::time_t wallTime);

    std::array<std::uint8_t, LiveBlockASize> liveBlockA() const;
    std::array<std::uint8_t, LiveBlockBSize> liveBlockB() const;
    std::array<std::uint8_t, TrendBlockSize> trendBlock() const;
    std::array<std::uint8_t, ClockBlockSize> clockBlock() const;

    // Operating commands and resets.
    void block();
    void start();
    void startFullCharge();
    // Day, month, year - 2000, hour, minute, second. An impossible date or time is ignored
    // (false) and the clock runs on unchanged.
    bool setClock(std::span<const std::uint8_t> fields);
    void resetBatteryData();
    void resetStorageData();
    void resetChargeFault();
    void raiseChargeFault();

    bool blocked() const { return blocked_; }
    bool fullChargeActive() const { return steady_ < fullChargeUntil_; }
    double stateOfCharge() const { return soc_; }

    static constexpr double FullChargeSeconds = 60;

  private:
    struct Plant;
    void step(double realSeconds);
    Plant plant() const;

    const MemoryImage& memory_;
    ModelConfig config_;
    std::mt19937 random_;

    bool started_ = false;
    double steady_ = 0;       // real seconds, last advance
    double dayPhase_ = 0.40;  // 0 = midnight; starts mid-morning
    std::time_t wall_ = 0;
    long long clockOffset_ = 0;  // unit clock minus PC local time, seconds

    // Powers in W. Battery positive while charging, grid positive while drawing.
    double pv_ = 0, house_ = 350, battery_ = 0, grid_ = 350;
    double cloud_ = 0.9, applianceW_ = 0, applianceLeft_ = 0;
    double soc_ = 0.62;
    double batteryVoltage_ = 50.3, gridVoltage_ = 230.4, phaseSVoltage_ = 231.0,
           phaseTVoltage_ = 229.6;
    double frequency_ = 5000;  // Hz*100
    double phaseShareR_ = 0.46, phaseShareS_ = 0.31;
    double chargerTemp_ = 29.5, supplyTemp_ = 31.0, batteryTemp_ = 23.5;

    // Energy totals, Wh.
    double accumulatedWh_ = 1'248'330, suppliedWh_ = 1'106'912, batterySuppliedWh_ = 1'153'040,
           panelWh_ = 3'871'205, gridFedWh_ = 1'402'118, gridDrawnWh_ = 2'310'774,
           houseWh_ = 4'655'002, towardsInverterWh_ = 3'608'450;
    // Battery counters.
    double lifePermille_ = 137.4;
    double chargedAh_ = 24'910, dischargedAh_ = 23'180;
    double minBatteryVoltage_ = 46.9, maxBatteryVoltage_ = 56.8, maxBatteryTemp_ = 34.1;

    bool blocked_ = false;
    bool chargeFault_ = false;
    double fullChargeUntil_ = -1;
};

}  // namespace orvane::unitsim
