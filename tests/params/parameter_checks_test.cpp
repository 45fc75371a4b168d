// The block checks: bounds included, the last failing test in the block's order wins, the
// two order rules of the grid services, and the bytes a NetBIOS name may hold.
#include <gtest/gtest.h>

#include <initializer_list>

#include "params/parameter_checks.h"
#include "params/parameter_defaults.h"

namespace orvane::params {
namespace {

struct Change {
    Field field;
    std::uint32_t value;
};

struct Case {
    std::initializer_list<Change> changes;
    std::uint8_t expected;
};

// The defaults (which pass everything) with the case's changes.
ParameterSet DefaultsWith(std::initializer_list<Change> changes) {
    ParameterSet set;
    for (Block b : {Block::Config, Block::FreeParam, Block::GridService})
        for (const FieldDefault& d : DefaultValues(b))
            set.set(d.field, d.value);
    for (const Change& c : changes)
        set.set(c.field, c.value);
    return set;
}

std::string Explain(std::initializer_list<Change> changes) {
    std::string text;
    for (const Change& c : changes)
        text += std::string(Describe(c.field).name) + "=" + std::to_string(c.value) + " ";
    return text;
}

TEST(ConfigCheck, reportsTheLastFailingFieldWithBothBoundsAccepted) {
    using F = Field;
    for (const Case& c : {Case{{}, 0},
                          {{{F::capacityAh, 25}}, 0},
                          {{{F::capacityAh, 550}}, 0},
                          {{{F::capacityAh, 24}}, 1},
                          {{{F::capacityAh, 551}}, 1},
                          {{{F::capacityAh, 20}, {F::panelCount, 2}}, 2},
                          {{{F::panelCount, 17}}, 2},
                          {{{F::batteryType, 6}}, 0},
                          {{{F::batteryType, 255}}, 3},
                          {{{F::maxSupplyCurrentA, 1}}, 4},
                          {{{F::maxSupplyCurrentA, 31}}, 4},
                          {{{F::inverterType, 6}, {F::capacityAh, 0}}, 5},
                          {{{F::maxMpptPowerW, 0}, {F::supplyLimitC10, 0}}, 0}}) {
        EXPECT_EQ(CheckConfigBlock(DefaultsWith(c.changes).ConfigBlock), c.expected)
            << Explain(c.changes);
    }
}

TEST(FreeParamCheck, reportsTheLastFailingFieldInMemoryOrder) {
    using F = Field;
    for (const Case& c : {Case{{}, 0},
                          {{{F::endChargeVoltage, 56}}, 1},
                          {{{F::endChargeVoltage, 569}}, 0},
                          {{{F::endChargeVoltage, 300}, {F::supplyDeepDischargeVoltage, 300}}, 4},
                          {{{F::maintenanceVoltage, 601}, {F::dischargeLimitVoltage, 349}}, 2},
                          {{{F::absorbablePercent, 10}}, 0},
                          {{{F::absorbablePercent, 91}}, 10},
                          {{{F::chargeCurrentDivider, 19}}, 7},
                          {{{F::fullChargeAfterSummer, 1}}, 5},
                          {{{F::fullChargeAfterWinter, 201}}, 6},
                          {{{F::endChargeDividerSummer, 2301}}, 8},
                          {{{F::endChargeDividerWinter, 9}}, 9},
                          {{{F::equalizationVoltage, 0}}, 0},
                          {{{F::equalizationVoltage, 349}}, 15},
                          {{{F::equalizationVoltage, 600}}, 0},
                          {{{F::cvMinutesNormalSummer, 14}}, 11},
                          {{{F::cvMinutesNormalWinter, 601}}, 12},
                          {{{F::cvMinutesFullSummer, 0}}, 13},
                          {{{F::cvMinutesFullWinter, 0}}, 14},
                          {{{F::equalizationMinutesSummer, 601}}, 16},
                          {{{F::equalizationMinutesWinter, 0}}, 0},
                          {{{F::equalizationMinutesWinter, 14}}, 17},
                          {{{F::chargeEfficiencyPermille, 199}}, 18},
                          {{{F::dischargeEfficiencyPermille, 1501}}, 19},
                          {{{F::standbyDeepDischargeVoltage, 369}}, 20},
                          {{{F::standbyDeepDischargeVoltage, 501}}, 20},
                          {{{F::batteryLifeCycles, 5001}}, 21},
                          {{{F::batteryBlockTemperature, 249}, {F::endChargeVoltage, 0}}, 22}}) {
        EXPECT_EQ(CheckFreeParamBlock(DefaultsWith(c.changes).FreeParamBlock), c.expected)
            << Explain(c.changes);
    }
}

TEST(FreeParamCheck, ignoresTheReservedTail) {
    ParameterSet set = DefaultsWith({});
    std::fill(set.FreeParamBlock.begin() + 44, set.FreeParamBlock.end(), std::uint8_t{0xFF});
    EXPECT_EQ(CheckFreeParamBlock(set.FreeParamBlock), 0);
}

TEST(GridServiceCheck, appliesRangesAndTheTwoOrderRulesInTheirPlace) {
    using F = Field;
    for (const Case& c :
         {Case{{}, 0},
          {{{F::overFreqStart, 500}}, 1},
          {{{F::overFreqMax, 521}}, 2},
          {{{F::underFreqStart, 500}}, 3},
          {{{F::underFreqMin, 469}}, 4},
          {{{F::insertionDelayMs, 1000}}, 0},
          {{{F::insertionDelayMs, 1001}}, 5},
          {{{F::insertionDelayMs, 65486}}, 5},
          {{{F::overFreqStart, 515}, {F::overFreqMax, 515}}, 6},
          {{{F::underFreqStart, 491}, {F::underFreqMin, 491}}, 7},
          // Out of range and out of order: the order rule is tested later.
          {{{F::overFreqStart, 530}}, 6},
          {{{F::overvoltageStart, 1049}}, 8},
          {{{F::overvoltageStart, 1050}}, 0},
          {{{F::overvoltageStart, 1150}}, 0},
          {{{F::overvoltageStart, 1151}}, 9},
          {{{F::overvoltageStart, 1151}, {F::overFreqStart, 515}, {F::overFreqMax, 515}}, 9},
          // The enables are not tested and do not switch the ranges off.
          {{{F::gridServicesEnabled, 0}, {F::overFreqLimitEnabled, 0}, {F::underFreqMin, 0}}, 4}}) {
        EXPECT_EQ(CheckGridServiceBlock(DefaultsWith(c.changes).GridServiceBlock), c.expected)
            << Explain(c.changes);
    }
}

TEST(NetbiosCheck, acceptsOnlyNulDigitsLettersDashDotAndUnderscore) {
    for (int b = 0; b < 256; ++b) {
        NetbiosBytes name{};
        name[3] = static_cast<std::uint8_t>(b);
        const bool accepted = b == 0 || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') ||
                              (b >= 'a' && b <= 'z') || b == '-' || b == '.' || b == '_';
        EXPECT_EQ(CheckNetbiosName(name), accepted ? 0 : 1) << "byte " << b;
    }
}

TEST(NetbiosCheck, looksBehindTheTerminatorToo) {
    NetbiosBytes name{'O', 'k', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ' '};
    EXPECT_EQ(CheckNetbiosName(name), 1);
}

}  // namespace
}  // namespace orvane::params
