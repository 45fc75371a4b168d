#include "storage/parameter_file.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "params/parameter_defaults.h"

namespace orvane::storage {

namespace {

using params::Field;
using K = KeyKind;

constexpr std::string_view Identity = "IDENTIFICATIVO";
constexpr std::string_view Network = "RETE";
constexpr std::string_view Config = "CONFIGURAZIONE";
constexpr std::string_view Grid = "SERVIZI_RETE";
constexpr std::string_view Free = "LIBERI";
constexpr std::string_view Strings = "STRINGHE";

constexpr std::int32_t Server(std::size_t octet) {
    return params::DefaultLocalServer[octet];
}

// "ABILTAZIONE" is spelled as files in the field have always spelled it.
constexpr std::array<ParameterKey, 63> Keys{{
    {Identity, "ID", Field::unitId, K::Integer, 1},
    {Network, "IND_0", Field::ipAddress1, K::Integer, 192},
    {Network, "IND_1", Field::ipAddress2, K::Integer, 168},
    {Network, "IND_2", Field::ipAddress3, K::Integer, 1},
    {Network, "IND_3", Field::ipAddress4, K::Integer, 11},
    {Network, "MSK_0", Field::subnetMask1, K::Integer, 255},
    {Network, "MSK_1", Field::subnetMask2, K::Integer, 255},
    {Network, "MSK_2", Field::subnetMask3, K::Integer, 255},
    {Network, "MSK_3", Field::subnetMask4, K::Integer, 0},
    {Network, "GTH_0", Field::gateway1, K::Integer, 192},
    {Network, "GTH_1", Field::gateway2, K::Integer, 168},
    {Network, "GTH_2", Field::gateway3, K::Integer, 1},
    {Network, "GTH_3", Field::gateway4, K::Integer, 1},
    {Network, "DNS_0", Field::dnsServer1, K::Integer, 8},
    {Network, "DNS_1", Field::dnsServer2, K::Integer, 8},
    {Network, "DNS_2", Field::dnsServer3, K::Integer, 8},
    {Network, "DNS_3", Field::dnsServer4, K::Integer, 8},
    {Network, "SRV_0", Field::localServer1, K::Integer, Server(0)},
    {Network, "SRV_1", Field::localServer2, K::Integer, Server(1)},
    {Network, "SRV_2", Field::localServer3, K::Integer, Server(2)},
    {Network, "SRV_3", Field::localServer4, K::Integer, Server(3)},
    {Network, "DINAMICO", Field::staticAddress, K::Flag, 0},
    {Network, "LOCALE", Field::localServerSelected, K::Flag, 0},
    {Config, "TIPO_BATT", Field::batteryType, K::Integer, 2},
    {Config, "CAPACITA_BATT", Field::capacityAh, K::Integer, 100},
    {Config, "NUM_PANNELLI", Field::panelCount, K::Integer, 12},
    {Config, "MAX_I_EROG", Field::maxSupplyCurrentA, K::Integer, 30},
    {Config, "I_EROG_C_10", Field::supplyLimitC10, K::Flag, 1},
    {Config, "TIPO_INVERTER", Field::inverterType, K::Integer, 0},
    {Config, "MASSIMA_MPPT", Field::maxMpptPowerW, K::Integer, 3000},
    {Grid, "ABILTAZIONE", Field::gridServicesEnabled, K::Flag, 0},
    {Grid, "AB_OVERTENS", Field::overvoltageLimitEnabled, K::Flag, 0},
    {Grid, "AB_SOVRA_FREQ", Field::overFreqLimitEnabled, K::Flag, 0},
    {Grid, "AB_SOTTO_FREQ", Field::underFreqLimitEnabled, K::Flag, 0},
    {Grid, "INIT_SOVRA_FREQ", Field::overFreqStart, K::Integer, 503},
    {Grid, "SOVRA_FREQ", Field::overFreqMax, K::Integer, 515},
    {Grid, "MAX_V_RETE", Field::overvoltageStart, K::Integer, 1090},
    {Grid, "INIT_SOTTO_FREQ", Field::underFreqStart, K::Integer, 497},
    {Grid, "SOTTO_FREQ", Field::underFreqMin, K::Integer, 491},
    {Grid, "RITARDO", Field::insertionDelayMs, K::DelayIndex, 0},
    {Free, "V_FINE_CARICA", Field::endChargeVoltage, K::Integer, 565},
    {Free, "V_MANT", Field::maintenanceVoltage, K::Integer, 545},
    {Free, "V_SCARICA_COMPLETA", Field::supplyDeepDischargeVoltage, K::Integer, 430},
    {Free, "V_LIM_TENS", Field::dischargeLimitVoltage, K::Integer, 440},
    {Free, "C_MOL_CC_EST", Field::fullChargeAfterSummer, K::Integer, 50},
    {Free, "C_MOL_CC_INV", Field::fullChargeAfterWinter, K::Integer, 30},
    {Free, "DIV_C_CARICA", Field::chargeCurrentDivider, K::Integer, 100},
    {Free, "CAP_ASSORBIBILE", Field::absorbablePercent, K::Integer, 30},
    {Free, "C_DIV_FC_EST", Field::endChargeDividerSummer, K::Integer, 800},
    {Free, "C_DIV_FC_INV", Field::endChargeDividerWinter, K::Integer, 500},
    {Free, "MIN_TC_EST", Field::cvMinutesNormalSummer, K::Integer, 300},
    {Free, "MIN_TC_INV", Field::cvMinutesNormalWinter, K::Integer, 240},
    {Free, "MIN_CC_EST", Field::cvMinutesFullSummer, K::Integer, 480},
    {Free, "MIN_CC_INV", Field::cvMinutesFullWinter, K::Integer, 300},
    {Free, "V_EQUAL", Field::equalizationVoltage, K::Integer, 0},
    {Free, "MIN_EQUAL_EST", Field::equalizationMinutesSummer, K::Integer, 0},
    {Free, "MIN_EQUAL_INV", Field::equalizationMinutesWinter, K::Integer, 0},
    {Free, "PERC_REND_CAR", Field::chargeEfficiencyPermille, K::Integer, 930},
    {Free, "PERC_REND_SCAR", Field::dischargeEfficiencyPermille, K::Integer, 970},
    {Free, "V_SCARICA_PROF", Field::standbyDeepDischargeVoltage, K::Integer, 430},
    {Free, "T_BLOCCO_BATT", Field::batteryBlockTemperature, K::Integer, 450},
    {Free, "CICLI_VITA", Field::batteryLifeCycles, K::Integer, 1500},
    {Strings, "NETBIOS", Field::netbiosName, K::Text, 0},
}};

// Stores the low bits that fit the field's bytes. The editor keeps fewer bits of some typed
// values (absorbablePercent); a file holds the field itself, so the whole width counts.
void StoreWidth(params::ParameterSet& set, Field f, std::uint32_t value) {
    params::FieldDescriptor d = params::Describe(f);
    d.valueBits = 0;
    params::WriteField(set.bytes(d.block), d, value);
}

std::uint32_t DelayStep() {
    return params::Describe(Field::insertionDelayMs).step;
}

void StoreReceivedName(params::ParameterSet& set, std::string_view text) {
    // A longer name is cut: the received copy holds 16 bytes, and the name field then shows
    // exactly what a later export would send.
    const std::string name = params::NetbiosNameBytes(text).substr(0, params::NetbiosNameSize);
    set.NetbiosNameBlock.fill(0);
    for (std::size_t i = 0; i < name.size(); ++i)
        set.NetbiosNameBlock[i] = static_cast<std::uint8_t>(name[i]);
}

}  // namespace

std::span<const ParameterKey> ParameterFileKeys() {
    return Keys;
}

void WriteParameterFile(const params::ParameterSet& set, IniDocument& ini) {
    for (const ParameterKey& k : Keys) {
        const std::uint32_t value = set.get(k.field);
        switch (k.kind) {
            case K::Integer:
                ini.writeInteger(k.section, k.key, static_cast<std::int32_t>(value));
                break;
            case K::Flag:
                ini.writeInteger(k.section, k.key, value != 0 ? 1 : 0);
                break;
            case K::DelayIndex:
                ini.writeInteger(k.section, k.key, static_cast<std::int32_t>(value / DelayStep()));
                break;
            case K::Text:
                ini.writeText(k.section, k.key, params::NetbiosText(set.OutgoingNetbiosName));
                break;
        }
    }
}

void ReadParameterFile(const IniDocument& ini, params::ParameterSet& set,
                       std::string_view defaultNetbiosName) {
    for (const ParameterKey& k : Keys) {
        if (k.kind == K::Text) {
            StoreReceivedName(set, ini.readText(k.section, k.key, defaultNetbiosName));
            continue;
        }
        const auto value =
            static_cast<std::uint32_t>(ini.readInteger(k.section, k.key, k.loadingDefault));
        switch (k.kind) {
            case K::Integer:
                StoreWidth(set, k.field, value);
                break;
            case K::Flag:
                set.set(k.field, value != 0 ? 1 : 0);
                break;
            case K::DelayIndex:
                StoreWidth(set, k.field, ((value & 0xFFFF) * DelayStep()) & 0xFFFF);
                break;
            case K::Text:
                break;
        }
    }
}

std::string DefaultParameterFileName(const monitor::LocalTime& now, double shownId) {
    long long id = 0;
    if (!std::isnan(shownId)) {
        const double whole = std::trunc(shownId);
        constexpr double Limit = 9223372036854775807.0;  // rounds to 2^63
        if (whole >= Limit)
            id = std::numeric_limits<long long>::max();
        else if (whole <= -Limit)
            id = std::numeric_limits<long long>::min();
        else
            id = static_cast<long long>(whole);
    }
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d_%02d_%02d_%02d_%02d_%02d", now.day, now.month,
                  ((now.year % 100) + 100) % 100, now.hour, now.minute, now.second);
    return "Orvane_" + std::string(stamp) + "_Id_" + std::to_string(id);
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot > nameStart)
        return path;
    return path + "." + std::string(extension);
}

}  // namespace orvane::storage
