#include "params/parameter_defaults.h"

#include "params/limit_labels.h"

namespace orvane::params {

namespace {

using F = Field;

constexpr std::array<FieldDefault, 22> NetworkDefaults{{
    {F::ipAddress1, 192},
    {F::ipAddress2, 168},
    {F::ipAddress3, 1},
    {F::ipAddress4, 11},
    {F::subnetMask1, 255},
    {F::subnetMask2, 255},
    {F::subnetMask3, 255},
    {F::subnetMask4, 0},
    {F::gateway1, 192},
    {F::gateway2, 168},
    {F::gateway3, 1},
    {F::gateway4, 1},
    {F::dnsServer1, 192},
    {F::dnsServer2, 168},
    {F::dnsServer3, 1},
    {F::dnsServer4, 1},
    {F::localServer1, DefaultLocalServer[0]},
    {F::localServer2, DefaultLocalServer[1]},
    {F::localServer3, DefaultLocalServer[2]},
    {F::localServer4, DefaultLocalServer[3]},
    {F::staticAddress, 0},
    {F::localServerSelected, 0},
}};

constexpr std::array<FieldDefault, 7> ConfigDefaults{{
    {F::capacityAh, 100},
    {F::panelCount, 12},
    {F::batteryType, 2},
    {F::maxSupplyCurrentA, 30},
    {F::supplyLimitC10, 1},
    {F::inverterType, 0},
    {F::maxMpptPowerW, 3000},
}};

constexpr std::array<FieldDefault, 22> FreeParamDefaults{{
    {F::endChargeVoltage, 565},
    {F::supplyDeepDischargeVoltage, 430},
    {F::dischargeLimitVoltage, 440},
    {F::maintenanceVoltage, 545},
    {F::absorbablePercent, 30},
    {F::chargeCurrentDivider, 100},
    {F::fullChargeAfterSummer, 50},
    {F::fullChargeAfterWinter, 30},
    {F::endChargeDividerSummer, 800},
    {F::endChargeDividerWinter, 500},
    {F::equalizationVoltage, 0},
    {F::cvMinutesNormalSummer, 300},
    {F::cvMinutesNormalWinter, 240},
    {F::cvMinutesFullSummer, 480},
    {F::cvMinutesFullWinter, 300},
    {F::equalizationMinutesSummer, 0},
    {F::equalizationMinutesWinter, 0},
    {F::chargeEfficiencyPermille, 930},
    {F::dischargeEfficiencyPermille, 970},
    {F::standbyDeepDischargeVoltage, 450},
    {F::batteryLifeCycles, 1500},
    {F::batteryBlockTemperature, 450},
}};

constexpr std::array<FieldDefault, 10> GridServiceDefaults{{
    {F::gridServicesEnabled, 0},
    {F::overvoltageLimitEnabled, 0},
    {F::overFreqLimitEnabled, 0},
    {F::underFreqLimitEnabled, 0},
    {F::overFreqStart, 503},
    {F::overFreqMax, 515},
    {F::underFreqStart, 497},
    {F::underFreqMin, 491},
    {F::insertionDelayMs, 0},
    {F::overvoltageStart, 1090},
}};

constexpr std::array<FieldDefault, 1> IdentityDefaults{{{F::unitId, 1}}};

}  // namespace

std::span<const FieldDefault> DefaultValues(Block b) {
    switch (b) {
        case Block::Network:
            return NetworkDefaults;
        case Block::Config:
            return ConfigDefaults;
        case Block::FreeParam:
            return FreeParamDefaults;
        case Block::GridService:
            return GridServiceDefaults;
        case Block::Identity:
            return IdentityDefaults;
        case Block::NetbiosName:
            break;
    }
    return {};
}

std::array<std::string, 21> DelayListItems() {
    std::array<std::string, 21> items;
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = std::to_string(i * 50);
    return items;
}

ParameterDefaults::ParameterDefaults(ParameterSet& set, frontend::Screen& screen,
                                     const catalogue::Language& language,
                                     FreeConfigurationLayout& layout, ParameterEditor& editor,
                                     frontend::OperatorDialogs& dialogs)
    : set_(set),
      screen_(screen),
      language_(language),
      layout_(layout),
      editor_(editor),
      dialogs_(dialogs) {}

void ParameterDefaults::writeDefaults(Block b) {
    for (const FieldDefault& d : DefaultValues(b))
        set_.set(d.field, d.value);
}

void ParameterDefaults::LoadDefaultParameters() {
    const std::array<std::string, 21> delays = DelayListItems();
    const auto delayList = Describe(Field::insertionDelayMs).controlAs<frontend::ListControl>();
    screen_.setListItems(delayList, delays);
    screen_.setListIndex(delayList, 0);
    ShowLimitLabels(screen_, LimitLabelGroup::GridService, language_.LanguageIndex);
    writeDefaults(Block::Network);
    writeDefaults(Block::Config);
    layout_.HideFreeConfiguration();
    writeDefaults(Block::FreeParam);
    writeDefaults(Block::GridService);
    StoreNetbiosText(DefaultNetbiosText, set_.NetbiosNameBlock);
    defaultNetbiosName_ = std::string(DefaultNetbiosText);
    writeDefaults(Block::Identity);
}

void ParameterDefaults::Bt_DefautClick() {
    if (!dialogs_.askYesNo(language_.text(catalogue::row::ConfirmDefaults)))
        return;
    LoadDefaultParameters();
    editor_.ShowParameters();
}

}  // namespace orvane::params
