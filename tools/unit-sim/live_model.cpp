#include "unit-sim/live_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "unit-sim/bytes.h"
#include "unit-sim/parameter_checks.h"

namespace orvane::unitsim {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double NominalPackVoltage = 48.0;
constexpr double MinStateOfCharge = 0.10;  // the unit stops supplying below this
constexpr double StepSeconds = 0.5;        // real seconds per integration step

double Bump(double hour, double centre, double width) {
    const double x = (hour - centre) / width;
    return std::exp(-x * x);
}

template <typename T>
T Saturate(double v) {
    const double lo = static_cast<double>(std::numeric_limits<T>::min());
    const double hi = static_cast<double>(std::numeric_limits<T>::max());
    return static_cast<T>(std::llround(std::clamp(v, lo, hi)));
}

void SetBit(std::span<std::uint8_t> b, std::size_t at, int bit, bool on) {
    if (on)
        b[at] = static_cast<std::uint8_t>(b[at] | (1u << bit));
}

// The PC's local time read as if it were UTC: the unit's clock has no time zone.
long long LocalAsUtc(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<long long>(timegm(&local));
}

int DaysInMonth(int month, int year) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

struct LiveModel::Plant {
    double capacityAh;
    double panels;
    double peakPvW;
    double maxSupplyA;
    double chargeDivider;  // charge current = C / divider
    double chargeEfficiency;
    double dischargeEfficiency;
    double lifeCycles;
};

LiveModel::LiveModel(const MemoryImage& memory, const ModelConfig& config)
    : memory_(memory), config_(config), random_(config.seed) {
    if (config_.dayLengthSeconds < 1)
        config_.dayLengthSeconds = 1;
}

// Whatever the memory holds, the plant stays physical: a bad configuration is flagged by
// the error lamps, it must not make the model divide by zero.
LiveModel::Plant LiveModel::plant() const {
    auto config = memory_.view(block::Config);
    auto free = memory_.view(block::FreeParams);
    Plant p{};
    p.capacityAh = std::max<double>(10, GetU16(config, field::CapacityAh));
    p.panels = std::clamp<double>(config[field::PanelCount], 1, 24);
    const double mppt = GetU16(config, field::MaxMpptPowerW);
    p.peakPvW = mppt > 0 ? std::min(p.panels * 330, mppt) : p.panels * 330;
    p.maxSupplyA = std::max<double>(1, config[field::MaxSupplyCurrentA]);
    p.chargeDivider = std::max(2.0, GetU16(free, field::ChargeCurrentDivider) / 10.0);
    p.chargeEfficiency = std::clamp(GetU16(free, field::ChargeEfficiency) / 1000.0, 0.5, 1.0);
    p.dischargeEfficiency = std::clamp(GetU16(free, field::DischargeEfficiency) / 1000.0, 0.5, 1.0);
    p.lifeCycles = std::max<double>(10, GetU16(free, field::BatteryLifeCycles));
    return p;
}

void LiveModel::advanceTo(double steadySeconds, std::time_t wallTime) {
    wall_ = wallTime;
    if (!started_) {
        started_ = true;
        steady_ = steadySeconds;
        return;
    }
    double gap = steadySeconds - steady_;
    if (gap <= 0)
        return;
    // After a long pause (the machine slept) the plant resumes where the day curve now
    // stands; integrating days of absence would only burn time.
    if (gap > config_.dayLengthSeconds) {
        const double skipped = gap - config_.dayLengthSeconds;
        dayPhase_ = std::fmod(dayPhase_ + skipped / config_.dayLengthSeconds, 1.0);
        steady_ += skipped;
        gap = config_.dayLengthSeconds;
    }
    while (gap > 0) {
        const double dt = std::min(StepSeconds, gap);
        step(dt);
        steady_ += dt;
        gap -= dt;
    }
}

void LiveModel::step(double realSeconds) {
    const Plant p = plant();
    std::normal_distribution<double> noise(0.0, 1.0);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const double simSeconds = realSeconds * 86400.0 / config_.dayLengthSeconds;
    const double hours = simSeconds / 3600.0;

    dayPhase_ = std::fmod(dayPhase_ + realSeconds / config_.dayLengthSeconds, 1.0);
    const double hour = dayPhase_ * 24.0;
    const double sun = hour > 6 && hour < 20 ? std::pow(std::sin(Pi * (hour - 6) / 14), 1.5) : 0;

    // Panels.
    cloud_ = std::clamp(cloud_ + 0.02 * noise(random_), 0.5, 1.0);
    if (blocked_)
        pv_ = 0;
    else if (sun > 0)
        pv_ = p.peakPvW * sun * cloud_;
    else
        pv_ = -(2.0 + 2.0 * uniform(random_));  // the MPPT stage's own draw at night
    const double pvIn = std::max(pv_, 0.0);

    // House: a base load, morning and evening peaks, now and then an appliance.
    if (applianceLeft_ > 0) {
        applianceLeft_ -= simSeconds;
        if (applianceLeft_ <= 0)
            applianceW_ = 0;
    } else if (uniform(random_) < 0.6 * hours) {
        applianceW_ = 1200 + 1000 * uniform(random_);
        applianceLeft_ = 120 + 780 * uniform(random_);
    }
    const double base =
        260 + 420 * Bump(hour, 7.5, 1.0) + 150 * Bump(hour, 13, 1.5) + 780 * Bump(hour, 19.5, 1.8);
    house_ = std::max(80.0, base + applianceW_ + 35 * noise(random_));

    // Battery: charges from the surplus, supplies the deficit, within the pack's limits.
    const double maxChargeW = batteryVoltage_ * p.capacityAh / p.chargeDivider;
    const double maxSupplyW = std::min(p.maxSupplyA * 50.0, p.capacityAh * 0.5 * batteryVoltage_);
    if (blocked_) {
        battery_ = 0;
    } else if (fullChargeActive()) {
        battery_ = soc_ < 1.0 ? maxChargeW : 15.0;
    } else {
        const double surplus = pvIn - house_;
        if (surplus >= 0)
            battery_ = soc_ < 0.999 ? std::min(surplus, maxChargeW) : 0.0;
        else
            battery_ = soc_ > MinStateOfCharge ? -std::min(-surplus, maxSupplyW) : 0.0;
    }
    grid_ = house_ + battery_ - pv_;

    const double actualCapacityAh =
        p.capacityAh * (1.0 - 0.2 * std::min(lifePermille_, 1000.0) / 1000.0);
    const double packWh = actualCapacityAh * NominalPackVoltage;
    const double storedWh =
        battery_ > 0 ? battery_ * p.chargeEfficiency : battery_ / p.dischargeEfficiency;
    soc_ = std::clamp(soc_ + storedWh * hours / packWh, 0.0, 1.0);
    const double openCircuit = 46.4 + 7.0 * soc_;
    batteryVoltage_ = openCircuit + 0.03 * battery_ / openCircuit;

    // Mains: voltage and frequency wander about their nominal values.
    gridVoltage_ = std::clamp(gridVoltage_ + 0.1 * (230.5 - gridVoltage_) + 0.4 * noise(random_),
                              222.0, 238.0);
    phaseSVoltage_ = std::clamp(
        phaseSVoltage_ + 0.1 * (231.0 - phaseSVoltage_) + 0.4 * noise(random_), 222.0, 238.0);
    phaseTVoltage_ = std::clamp(
        phaseTVoltage_ + 0.1 * (229.8 - phaseTVoltage_) + 0.4 * noise(random_), 222.0, 238.0);
    frequency_ =
        std::clamp(frequency_ + 0.2 * (5000 - frequency_) + 1.2 * noise(random_), 4996.0, 5004.0);
    phaseShareR_ = std::clamp(phaseShareR_ + 0.005 * noise(random_), 0.36, 0.54);
    phaseShareS_ = std::clamp(phaseShareS_ + 0.005 * noise(random_), 0.22, 0.38);

    // Temperatures follow the load with the lag of the heat sinks and the pack.
    auto follow = [simSeconds](double& value, double target, double tauSeconds) {
        value += (target - value) * (1.0 - std::exp(-simSeconds / tauSeconds));
    };
    follow(chargerTemp_, 27 + 3 * sun + std::max(battery_, 0.0) / 55, 1200);
    follow(supplyTemp_, 28 + 3 * sun + std::max(-battery_, 0.0) / 45, 1200);
    follow(batteryTemp_, 22 + 2 * sun + std::abs(battery_) / 500, 7200);

    // Totals.
    const double charging = std::max(battery_, 0.0);
    const double supplying = std::max(-battery_, 0.0);
    accumulatedWh_ += charging * hours;
    suppliedWh_ += supplying * hours;
    batterySuppliedWh_ += supplying / p.dischargeEfficiency * hours;
    panelWh_ += pvIn * hours;
    gridFedWh_ += std::max(-grid_, 0.0) * hours;
    gridDrawnWh_ += std::max(grid_, 0.0) * hours;
    houseWh_ += house_ * hours;
    towardsInverterWh_ += (std::max(pvIn - charging, 0.0) + supplying) * hours;
    chargedAh_ += charging / batteryVoltage_ * hours;
    dischargedAh_ += supplying / batteryVoltage_ * hours;
    lifePermille_ += supplying / p.dischargeEfficiency * hours /
                     (p.capacityAh * NominalPackVoltage) / p.lifeCycles * 1000.0;
    minBatteryVoltage_ = std::min(minBatteryVoltage_, batteryVoltage_);
    maxBatteryVoltage_ = std::max(maxBatteryVoltage_, batteryVoltage_);
    maxBatteryTemp_ = std::max(maxBatteryTemp_, batteryTemp_);
}

std::array<std::uint8_t, LiveBlockASize> LiveModel::liveBlockA() const {
    std::array<std::uint8_t, LiveBlockASize> a{};
    const std::uint16_t frequency = Saturate<std::uint16_t>(frequency_);

    auto grid = memory_.view(block::GridServices);
    const std::uint8_t gridFlags = grid[field::GridFlags];
    if (gridFlags & grid_flag::ServicesEnabled) {
        const std::uint8_t error = CheckGridServiceBlock(grid);
        SetBit(a, status::GridAlarms, 0, error != 0);
        a[status::GridErrorNumber] = error;
        SetBit(a, status::GridAlarms, 3,
               (gridFlags & grid_flag::OverFreqLimit) &&
                   frequency >= GetU16(grid, field::OverFreqStart) * 10);
        SetBit(a, status::GridAlarms, 4,
               (gridFlags & grid_flag::UnderFreqLimit) &&
                   frequency <= GetU16(grid, field::UnderFreqStart) * 10);
        const double percentOfNominal = gridVoltage_ * 1000.0 / 230.0;  // percent * 10
        SetBit(a, status::GridAlarms, 6,
               (gridFlags & grid_flag::OvervoltageLimit) &&
                   percentOfNominal >= GetU16(grid, field::OvervoltageStart));
    }

    const std::uint8_t configError = CheckConfigBlock(memory_.view(block::Config));
    const std::uint8_t freeError = CheckFreeParamBlock(memory_.view(block::FreeParams));
    SetBit(a, status::BatteryState, 1, soc_ <= MinStateOfCharge + 0.005);
    SetBit(a, status::BatteryState, 2, fullChargeActive());
    SetBit(a, status::BatteryState, 4, configError != 0);
    SetBit(a, status::BatteryState, 5, freeError != 0);
    a[status::ConfigErrorNumber] = configError;
    a[status::FreeErrorNumber] = freeError;

    SetBit(a, status::PowerState, 2, battery_ < -5);
    SetBit(a, status::PowerState, 5, battery_ > 5);
    SetBit(a, status::Alarms, 0, gridVoltage_ < 195);
    SetBit(a, status::Alarms, 1, chargerTemp_ >= 70 || supplyTemp_ >= 70);
    SetBit(a, status::BlockState, 0, blocked_);
    SetBit(a, status::BlockSource, 3, blocked_);
    PutU16(a, status::GridFrequency, frequency);

    const std::uint32_t unitId = GetU32(memory_.view(block::Identity), field::UnitId);
    SetBit(a, status::DataErrors, 6, unitId == 0 || unitId == 0xFFFFFFFF);
    SetBit(a, status::BatteryErrors, 1, lifePermille_ >= 1000);
    SetBit(a, status::BatteryErrors, 2, chargeFault_);
    return a;
}

std::array<std::uint8_t, LiveBlockBSize> LiveModel::liveBlockB() const {
    std::array<std::uint8_t, LiveBlockBSize> b{};
    PutU32(b, 0, Saturate<std::uint32_t>(chargedAh_));
    PutU32(b, 4, Saturate<std::uint32_t>(dischargedAh_));
    PutU16(b, 8, Saturate<std::uint16_t>(dischargedAh_ / plant().capacityAh));  // full cycles
    PutU16(b, 10, Saturate<std::uint16_t>(minBatteryVoltage_ * 10));
    PutU16(b, 12, Saturate<std::uint16_t>(maxBatteryVoltage_ * 10));
    PutS16(b, 14, Saturate<std::int16_t>(maxBatteryTemp_ * 10));
    SetBit(b, status::ChargeFaultB, 1, chargeFault_);
    return b;
}

std::array<std::uint8_t, TrendBlockSize> LiveModel::trendBlock() const {
    std::array<std::uint8_t, TrendBlockSize> t{};
    const Plant p = plant();
    const std::int16_t gridW = Saturate<std::int16_t>(grid_);
    const double houseVoltage = gridVoltage_ - 0.4;
    PutU16(t, 0, Saturate<std::uint16_t>(gridVoltage_ * 10));
    PutU16(t, 2, Saturate<std::uint16_t>(std::abs(grid_) / gridVoltage_ * 10));
    PutS16(t, 4, gridW);
    PutU16(t, 6, Saturate<std::uint16_t>(houseVoltage * 10));
    PutU16(t, 8, Saturate<std::uint16_t>(house_ / houseVoltage * 10));
    PutS16(t, 10, Saturate<std::int16_t>(house_));
    PutS16(t, 12, Saturate<std::int16_t>(chargerTemp_ * 10));
    PutS16(t, 14, Saturate<std::int16_t>(supplyTemp_ * 10));
    PutS16(t, 16, Saturate<std::int16_t>(batteryTemp_ * 10));
    PutS16(t, 18, Saturate<std::int16_t>(battery_ / batteryVoltage_ * 10));
    PutU16(t, 20, Saturate<std::uint16_t>(batteryVoltage_ * 10));
    const double stringVoltage = pv_ > 0 ? p.panels * (29 + 6 * std::min(1.0, pv_ / p.peakPvW * 3))
                                 : blocked_ && dayPhase_ > 0.25 && dayPhase_ < 0.83
                                     ? p.panels * 37  // open circuit while the MPPT is off
                                     : 0;
    PutU16(t, 22, Saturate<std::uint16_t>(stringVoltage * 10));
    PutS16(t, 32, Saturate<std::int16_t>(battery_));
    PutU16(t, 34, Saturate<std::uint16_t>(soc_ * 1000));
    const double actualCapacityAh =
        p.capacityAh * (1.0 - 0.2 * std::min(lifePermille_, 1000.0) / 1000.0);
    PutU16(t, 36, Saturate<std::uint16_t>(actualCapacityAh * 10));
    PutS16(t, 40, Saturate<std::int16_t>(pv_));
    PutU32(t, 48, Saturate<std::uint32_t>(accumulatedWh_));
    PutU32(t, 52, Saturate<std::uint32_t>(suppliedWh_));
    PutS32(t, 56, Saturate<std::int32_t>(batterySuppliedWh_));
    PutS32(t, 60, Saturate<std::int32_t>(panelWh_));
    PutS32(t, 64, Saturate<std::int32_t>(gridFedWh_));
    PutS32(t, 68, Saturate<std::int32_t>(gridDrawnWh_));
    PutS32(t, 72, Saturate<std::int32_t>(houseWh_));
    PutS32(t, 84, Saturate<std::int32_t>(towardsInverterWh_));
    PutU16(t, 88, Saturate<std::uint16_t>(lifePermille_));

    // The three phases share the grid power; T takes the rounding so the words add up.
    const auto r = Saturate<std::int16_t>(gridW * phaseShareR_);
    const auto s = Saturate<std::int16_t>(gridW * phaseShareS_);
    const auto tPhase = static_cast<std::int16_t>(gridW - r - s);
    PutS16(t, 92, r);
    PutS16(t, 94, s);
    PutS16(t, 96, tPhase);
    PutU16(t, 98, Saturate<std::uint16_t>(phaseSVoltage_ * 10));
    PutU16(t, 100, Saturate<std::uint16_t>(std::abs(s) / phaseSVoltage_ * 10));
    PutU16(t, 102, Saturate<std::uint16_t>(phaseTVoltage_ * 10));
    PutU16(t, 104, Saturate<std::uint16_t>(std::abs(tPhase) / phaseTVoltage_ * 10));
    return t;
}

std::array<std::uint8_t, ClockBlockSize> LiveModel::clockBlock() const {
    const std::time_t unitTime = static_cast<std::time_t>(LocalAsUtc(wall_) + clockOffset_);
    std::tm tm{};
    gmtime_r(&unitTime, &tm);
    return {static_cast<std::uint8_t>(tm.tm_mday),
            static_cast<std::uint8_t>(tm.tm_mon + 1),
            static_cast<std::uint8_t>(std::clamp(tm.tm_year + 1900 - 2000, 0, 255)),
            static_cast<std::uint8_t>(tm.tm_hour),
            static_cast<std::uint8_t>(tm.tm_min),
            static_cast<std::uint8_t>(tm.tm_sec)};
}

bool LiveModel::setClock(std::span<const std::uint8_t> fields) {
    if (fields.size() < ClockBlockSize)
        return false;
    const int day = fields[0], month = fields[1], year = 2000 + fields[2];
    const int hour = fields[3], minute = fields[4], second = fields[5];
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year) || hour > 23 ||
        minute > 59 || second > 59)
        return false;
    std::tm tm{};
    tm.tm_mday = day;
    tm.tm_mon = month - 1;
    tm.tm_year = year - 1900;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    clockOffset_ = static_cast<long long>(timegm(&tm)) - LocalAsUtc(wall_);
    return true;
}

void LiveModel::block() {
    blocked_ = true;
}

void LiveModel::start() {
    blocked_ = false;
}

void LiveModel::startFullCharge() {
    fullChargeUntil_ = steady_ + FullChargeSeconds;
}

void LiveModel::resetBatteryData() {
    batterySuppliedWh_ = 0;
    lifePermille_ = 0;
    chargedAh_ = 0;
    dischargedAh_ = 0;
    minBatteryVoltage_ = maxBatteryVoltage_ = batteryVoltage_;
    maxBatteryTemp_ = batteryTemp_;
}

void LiveModel::resetStorageData() {
    accumulatedWh_ = suppliedWh_ = panelWh_ = gridFedWh_ = gridDrawnWh_ = houseWh_ =
        towardsInverterWh_ = 0;
}

void LiveModel::resetChargeFault() {
    chargeFault_ = false;
}

void LiveModel::raiseChargeFault() {
    chargeFault_ = true;
}

}  // namespace orvane::unitsim
