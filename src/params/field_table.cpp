#include "params/field_table.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "catalogue/message_catalogue.h"
#include "params/codepage.h"

namespace orvane::params {

namespace {

using F = Field;
using K = FieldKind;
using NumberField = NumberFieldControl;
using namespace frontend::controls;

// `refusalRow` names the address the octet belongs to.
constexpr FieldDescriptor Octet(F f, std::string_view name, std::uint8_t offset,
                                NumberField control, int refusalRow,
                                frontend::Control<frontend::ControlKind::Label> caption) {
    FieldDescriptor d{f, name, Block::Network, offset, 1, K::Octet, control};
    d.refusalRow = refusalRow;
    d.caption = {{caption}, {}, static_cast<std::uint8_t>(offset % 4 + 1)};
    return d;
}

// The row that names a field in lists of fields, and the unit its value is in.
constexpr FieldDescriptor Row(FieldDescriptor d, RowCaption caption, std::string_view unit = {}) {
    d.caption = caption;
    d.unit = unit;
    return d;
}

// A list whose entries are catalogue rows from `firstRow` on.
constexpr FieldDescriptor Entries(FieldDescriptor d, int firstRow) {
    d.firstEntryRow = firstRow;
    return d;
}

constexpr FieldDescriptor Flag(
    F f, std::string_view name, Block b, std::uint8_t offset, std::uint8_t bit, FlagControl control,
    std::optional<frontend::Control<frontend::ControlKind::RadioButton>> clearedControl = {}) {
    FieldDescriptor d{f, name, b, offset, 1, K::FlagBit, control, clearedControl};
    d.bitMask = static_cast<std::uint8_t>(1u << bit);
    return d;
}

// A checked numeric field; one error number for both bounds.
constexpr FieldDescriptor Number(F f, std::string_view name, Block b, std::uint8_t offset,
                                 std::uint8_t width, NumberField control, std::uint32_t low,
                                 std::uint32_t high, std::uint8_t error) {
    FieldDescriptor d{f, name, b, offset, width, K::Numeric, control};
    d.accepted = {low, high, error, error};
    return d;
}

constexpr FieldDescriptor Free(F f, std::string_view name, std::uint8_t offset, NumberField control,
                               std::uint32_t low, std::uint32_t high, std::uint8_t error) {
    return Number(f, name, Block::FreeParam, offset, 2, control, low, high, error);
}

// 0 means "not used" for the equalization fields.
constexpr FieldDescriptor FreeOrZero(F f, std::string_view name, std::uint8_t offset,
                                     NumberField control, std::uint32_t low, std::uint32_t high,
                                     std::uint8_t error) {
    FieldDescriptor d = Free(f, name, offset, control, low, high, error);
    d.accepted.zeroAllowed = true;
    return d;
}

constexpr FieldDescriptor List(F f, std::string_view name, Block b, std::uint8_t offset,
                               std::uint8_t width, frontend::ListControl control,
                               std::uint8_t entries, std::uint8_t step, std::uint32_t high,
                               std::uint8_t error) {
    FieldDescriptor d{f, name, b, offset, width, K::List, control};
    d.listEntries = entries;
    d.step = step;
    d.accepted = {0, high, error, error};
    return d;
}

constexpr FieldDescriptor AbsorbablePercent() {
    FieldDescriptor d =
        Free(F::absorbablePercent, "absorbablePercent", 8, Ed_Perc_Capa_Ass, 10, 90, 10);
    // The unit keeps this one as a byte widened into its word: 266 arrives as 10.
    d.valueBits = 8;
    return d;
}

constexpr FieldDescriptor MaxMpptPower() {
    // Not checked: the range only feeds the limit label.
    FieldDescriptor d{F::maxMpptPowerW, "maxMpptPowerW", Block::Config, 8, 2,
                      K::Numeric,       Ed_Max_W_Mppt};
    d.accepted = {500, 6000, 0, 0};
    d.refusalRow = catalogue::row::MpptPowerRefused;
    return d;
}

constexpr FieldDescriptor OvervoltageStart() {
    FieldDescriptor d{F::overvoltageStart, "overvoltageStart", Block::GridService, 12, 2,
                      K::Numeric,          Ed_Soglia_Init_Lim};
    d.accepted = {1050, 1150, 8, 9};
    return d;
}

constexpr int Ip = catalogue::row::IpAddressRefused;
constexpr int Subnet = catalogue::row::SubnetMaskRefused;
constexpr int Gateway = catalogue::row::GatewayRefused;
constexpr int Dns = catalogue::row::DnsServerRefused;
constexpr int LocalServer = catalogue::row::LocalServerRefused;
constexpr Block G = Block::GridService;
constexpr Block C = Block::Config;

// Block by block in the order of `Block`, each in offset order.
constexpr std::array<FieldDescriptor, FieldCount> Table{{
    Octet(F::ipAddress1, "ipAddress1", 0, Ed_Ind_1, Ip, Lb_Indirizzo_Eth),
    Octet(F::ipAddress2, "ipAddress2", 1, Ed_Ind_2, Ip, Lb_Indirizzo_Eth),
    Octet(F::ipAddress3, "ipAddress3", 2, Ed_Ind_3, Ip, Lb_Indirizzo_Eth),
    Octet(F::ipAddress4, "ipAddress4", 3, Ed_Ind_4, Ip, Lb_Indirizzo_Eth),
    Octet(F::subnetMask1, "subnetMask1", 4, Ed_Sub_1, Subnet, Lb_Subnet),
    Octet(F::subnetMask2, "subnetMask2", 5, Ed_Sub_2, Subnet, Lb_Subnet),
    Octet(F::subnetMask3, "subnetMask3", 6, Ed_Sub_3, Subnet, Lb_Subnet),
    Octet(F::subnetMask4, "subnetMask4", 7, Ed_Sub_4, Subnet, Lb_Subnet),
    Octet(F::gateway1, "gateway1", 8, Ed_Gh_1, Gateway, Lb_Gath),
    Octet(F::gateway2, "gateway2", 9, Ed_Gh_2, Gateway, Lb_Gath),
    Octet(F::gateway3, "gateway3", 10, Ed_Gh_3, Gateway, Lb_Gath),
    Octet(F::gateway4, "gateway4", 11, Ed_Gh_4, Gateway, Lb_Gath),
    Octet(F::dnsServer1, "dnsServer1", 12, Ed_Dns_1, Dns, Lb_DNS),
    Octet(F::dnsServer2, "dnsServer2", 13, Ed_Dns_2, Dns, Lb_DNS),
    Octet(F::dnsServer3, "dnsServer3", 14, Ed_Dns_3, Dns, Lb_DNS),
    Octet(F::dnsServer4, "dnsServer4", 15, Ed_Dns_4, Dns, Lb_DNS),
    Octet(F::localServer1, "localServer1", 16, Ed_Ser_Loc_1, LocalServer, Lb_Server_Locale),
    Octet(F::localServer2, "localServer2", 17, Ed_Ser_Loc_2, LocalServer, Lb_Server_Locale),
    Octet(F::localServer3, "localServer3", 18, Ed_Ser_Loc_3, LocalServer, Lb_Server_Locale),
    Octet(F::localServer4, "localServer4", 19, Ed_Ser_Loc_4, LocalServer, Lb_Server_Locale),
    Row(Flag(F::staticAddress, "staticAddress", Block::Network, 20, 0, Rd_Statico, Rd_Dinamico),
        {{Gr_Sel_Tipo_Indirizzo}}),
    Row(Flag(F::localServerSelected, "localServerSelected", Block::Network, 20, 1, Ck_Ser_Locale,
             Ck_Ser_Remoto),
        {{Gr_Sel_Tipo_Server}}),

    Row(Number(F::capacityAh, "capacityAh", C, 0, 2, Ed_Capacita, 25, 550, 1), {{Lb_Cap_Batt}},
        "Ah"),
    Row(Number(F::panelCount, "panelCount", C, 2, 1, Ed_Num_Pannelli, 4, 16, 2),
        {{Lb_Num_Pann_A1}}),
    Row(Entries(List(F::batteryType, "batteryType", C, 3, 1, Cb_Tipo_Batt, 7, 1, 6, 3),
                catalogue::row::BatteryTypeFirst),
        {{Lb_Tipo_Batteria}}),
    Row(Number(F::maxSupplyCurrentA, "maxSupplyCurrentA", C, 4, 1, Ed_MAx_Corr_Erog, 2, 30, 4),
        {{Lb_Max_Corrente_Libero}}, "A"),
    Row(Flag(F::supplyLimitC10, "supplyLimitC10", C, 5, 0, Ck_Max_Corr_C10), {{Ck_Max_Corr_C10}}),
    Row(Entries(List(F::inverterType, "inverterType", C, 6, 1, Cb_Tipo_Inverter, 6, 1, 5, 5),
                catalogue::row::InverterTypeFirst),
        {{Lb_Tipo_Inverter}}),
    Row(MaxMpptPower(), {{Lb_Max_Pow_Mppt}}, "W"),

    Row(Free(F::endChargeVoltage, "endChargeVoltage", 0, Ed_Finecarica, 350, 600, 1),
        {{Lb_Soglia_Finecarica}}, "V*10"),
    Row(Free(F::supplyDeepDischargeVoltage, "supplyDeepDischargeVoltage", 2,
             Ed_Scarica_Profonda_Erog, 350, 600, 4),
        {{Lb_Soglia_Sc_Prof_Erogazione}}, "V*10"),
    Row(Free(F::dischargeLimitVoltage, "dischargeLimitVoltage", 4, Ed_Limite_Scarica, 350, 600, 3),
        {{Lb_Soglia_Tensione_Scarica}}, "V*10"),
    Row(Free(F::maintenanceVoltage, "maintenanceVoltage", 6, Ed_Mantenimento, 350, 600, 2),
        {{Lb_Soglia_MAntenimento}}, "V*10"),
    Row(AbsorbablePercent(), {{Lb_Perc_Cap_Assorbibile}}, "%"),
    Row(Free(F::chargeCurrentDivider, "chargeCurrentDivider", 10, Ed_Div_C, 20, 500, 7),
        {{Lb_Div_Corr_Carica}}),
    Row(Free(F::fullChargeAfterSummer, "fullChargeAfterSummer", 12, Ed_C_Mol_Carica_Completa_Est, 2,
             200, 5),
        {{Lb_Carica_Com_Dopo, Lb_Transito_Dopo}, Lb_Mod_Estate}),
    Row(Free(F::fullChargeAfterWinter, "fullChargeAfterWinter", 14, Ed_C_Mol_Carica_Completa_Inv, 2,
             200, 6),
        {{Lb_Carica_Com_Dopo, Lb_Transito_Dopo}, Lb_Mod_Inverno}),
    Row(Free(F::endChargeDividerSummer, "endChargeDividerSummer", 16, Ed_C_Finecarica_Est, 10, 2300,
             8),
        {{Str_Lb_Div_Corr_Finecarica_1, Lb_Finec_Estate}, Lb_Mod_Estate}),
    Row(Free(F::endChargeDividerWinter, "endChargeDividerWinter", 18, Ed_C_Finecarica_Inv, 10, 2300,
             9),
        {{Str_Lb_Div_Corr_Finecarica_1, Lb_Finec_Estate}, Lb_Mod_Inverno}),
    Row(FreeOrZero(F::equalizationVoltage, "equalizationVoltage", 20, Ed_V_Equali, 350, 600, 15),
        {{Lb_Soglia_Equalizzazione}}, "V*10"),
    Row(Free(F::cvMinutesNormalSummer, "cvMinutesNormalSummer", 22, Ed_Minuti_T_Cost_CN_Est, 15,
             600, 11),
        {{Lb_Minuti_Tens_Costante, Lb_Carica_Normale}, Lb_Mod_Estate}, "min"),
    Row(Free(F::cvMinutesNormalWinter, "cvMinutesNormalWinter", 24, Ed_Minuti_T_Cost_CN_Inv, 15,
             600, 12),
        {{Lb_Minuti_Tens_Costante, Lb_Carica_Normale}, Lb_Mod_Inverno}, "min"),
    Row(Free(F::cvMinutesFullSummer, "cvMinutesFullSummer", 26, Ed_Minuti_T_Cost_CC_Est, 15, 600,
             13),
        {{Lb_Minuti_Tens_Costante_1, Lb_In_Carica_Completa}, Lb_Mod_Estate}, "min"),
    Row(Free(F::cvMinutesFullWinter, "cvMinutesFullWinter", 28, Ed_Minuti_T_Cost_CC_Inv, 15, 600,
             14),
        {{Lb_Minuti_Tens_Costante_1, Lb_In_Carica_Completa}, Lb_Mod_Inverno}, "min"),
    Row(FreeOrZero(F::equalizationMinutesSummer, "equalizationMinutesSummer", 30, Ed_Min_Equali_Est,
                   15, 600, 16),
        {{Lb_Minuti_Equalizzazione}, Lb_Mod_Estate}, "min"),
    Row(FreeOrZero(F::equalizationMinutesWinter, "equalizationMinutesWinter", 32, Ed_Min_Equali_Inv,
                   15, 600, 17),
        {{Lb_Minuti_Equalizzazione}, Lb_Mod_Inverno}, "min"),
    Row(Free(F::chargeEfficiencyPermille, "chargeEfficiencyPermille", 34, Ed_Rend_Carica, 200, 1500,
             18),
        {{Lb_Permille_Carica}}, "\u2030"),
    Row(Free(F::dischargeEfficiencyPermille, "dischargeEfficiencyPermille", 36, Ed_Rend_Scarica,
             200, 1500, 19),
        {{Lb_Permille_Scarica}}, "\u2030"),
    Row(Free(F::standbyDeepDischargeVoltage, "standbyDeepDischargeVoltage", 38,
             Ed_Soglia_Sc_Prof_StandBy, 370, 500, 20),
        {{Lb_Scarica_Prof_StdBY}}, "V*10"),
    Row(Free(F::batteryLifeCycles, "batteryLifeCycles", 40, Ed_Num_Cicli_Vita_Batt, 10, 5000, 21),
        {{Lb_Num_Cicli_Vita_Batteria}}),
    Row(Free(F::batteryBlockTemperature, "batteryBlockTemperature", 42, Ed_Soglia_Temp_Batt_Blocco,
             250, 550, 22),
        {{Lb_Soglia_Blocco}}, "\u00B0C*10"),

    Row(Flag(F::gridServicesEnabled, "gridServicesEnabled", G, 0, 0, Ck_Ab_Servizi_Rete),
        {{Ck_Ab_Servizi_Rete}}),
    Row(Flag(F::overvoltageLimitEnabled, "overvoltageLimitEnabled", G, 0, 1,
             Ck_Limite_Sovratensione),
        {{Gr_SovraTensione, Ck_Limite_Sovratensione}}),
    Row(Flag(F::overFreqLimitEnabled, "overFreqLimitEnabled", G, 0, 2, Ck_Ab_Lim_Sovra),
        {{Gr_SovraFrequenza, Ck_Ab_Lim_Sovra}}),
    Row(Flag(F::underFreqLimitEnabled, "underFreqLimitEnabled", G, 0, 3, Ck_Ab_Lim_Sotto),
        {{Gr_Sottofrequenza, Ck_Ab_Lim_Sotto}}),
    Row(Number(F::overFreqStart, "overFreqStart", G, 2, 2, Ed_Lim_Min_Sovra_Freq, 501, 520, 1),
        {{Gr_SovraFrequenza, Lb_Init_SovraFreq}}, "Hz*10"),
    Row(Number(F::overFreqMax, "overFreqMax", G, 4, 2, Ed_Lim_Max_Sovra_Freq, 501, 520, 2),
        {{Gr_SovraFrequenza, Lb_Fine_Sovra_Freq}}, "Hz*10"),
    Row(Number(F::underFreqStart, "underFreqStart", G, 6, 2, Ed_Lim_Min_Sotto_Freq, 470, 499, 3),
        {{Gr_Sottofrequenza, Lb_Init_Sottofreq}}, "Hz*10"),
    Row(Number(F::underFreqMin, "underFreqMin", G, 8, 2, Ed_Lim_Max_Sotto_Freq, 470, 499, 4),
        {{Gr_Sottofrequenza, Lb_Fine_Sottofrequenza}}, "Hz*10"),
    Row(List(F::insertionDelayMs, "insertionDelayMs", G, 10, 2, Ed_Combo_Ritardo, 21, 50, 1000, 5),
        {{Lb_T_Ritardo_A1, Lb_T_Ritardo_A2}}, "ms"),
    Row(OvervoltageStart(), {{Gr_SovraTensione, Lb_Init_SovraTensione}}, "%*10"),

    Row({F::netbiosName, "netbiosName", Block::NetbiosName, 0, 16, K::Text, Ed_Nome_Netbios},
        {{Gr_Nome_Netbios}}),

    Row({F::unitId, "unitId", Block::Identity, 0, 4, K::DisplayOnly, Ed_Id_Orvane},
        {{Gr_Identificativo}}),

}};

constexpr bool TableMatchesEnum() {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (static_cast<std::size_t>(Table[i].field) != i)
            return false;
    return true;
}
static_assert(TableMatchesEnum(), "the table is indexed by Field");

// The editor reads a field's control as the kind its field kind uses.
constexpr bool ControlsFitTheirFields() {
    for (const FieldDescriptor& d : Table) {
        const std::size_t expected = d.kind == K::List      ? 1
                                     : d.kind == K::FlagBit ? 2
                                     : d.kind == K::Text    ? 3
                                                            : 0;
        if (d.control.index() != expected)
            return false;
    }
    return true;
}
static_assert(ControlsFitTheirFields());

constexpr bool FieldsInsideTheirBlocks() {
    for (const FieldDescriptor& d : Table)
        if (d.offset + d.width > LayoutOf(d.block).size)
            return false;
    return true;
}
static_assert(FieldsInsideTheirBlocks());

constexpr bool BlocksContiguousAndOrdered() {
    for (std::size_t i = 1; i < Table.size(); ++i) {
        const FieldDescriptor& a = Table[i - 1];
        const FieldDescriptor& b = Table[i];
        if (b.block < a.block)
            return false;
        if (b.block == a.block && b.offset < a.offset)
            return false;
    }
    return true;
}
static_assert(BlocksContiguousAndOrdered(), "FieldsOf and the checks rely on this order");

constexpr bool EveryTypedNumberCanBeRefused() {
    for (const FieldDescriptor& d : Table)
        if ((d.kind == K::Numeric || d.kind == K::Octet) && !d.accepted.tested() &&
            d.refusalRow == 0)
            return false;
    return true;
}
static_assert(EveryTypedNumberCanBeRefused(), "a value a field cannot hold needs a message");

// Every field can be named in a list of fields, by captions that are catalogue rows.
constexpr bool EveryFieldHasACaption() {
    for (const FieldDescriptor& d : Table) {
        if (!d.caption.controls[0])
            return false;
        for (const auto& c : d.caption.controls)
            if (c && frontend::Describe(c->id()).caption.row == 0)
                return false;
        if (d.caption.part && frontend::Describe(d.caption.part->id()).caption.row == 0)
            return false;
    }
    return true;
}
static_assert(EveryFieldHasACaption());

constexpr std::array<OrderRule, 2> Rules{{
    {F::overFreqStart, F::overFreqMax, 6, F::insertionDelayMs},
    {F::underFreqMin, F::underFreqStart, 7, F::insertionDelayMs},
}};

}  // namespace

std::span<const FieldDescriptor> FieldTable() {
    return Table;
}

const FieldDescriptor& Describe(Field f) {
    return Table[static_cast<std::size_t>(f)];
}

std::optional<Field> FieldByName(std::string_view name) {
    for (const FieldDescriptor& d : Table)
        if (d.name == name)
            return d.field;
    return std::nullopt;
}

std::span<const FieldDescriptor> FieldsOf(Block b) {
    const auto first = std::find_if(Table.begin(), Table.end(),
                                    [b](const FieldDescriptor& d) { return d.block == b; });
    const auto last =
        std::find_if(first, Table.end(), [b](const FieldDescriptor& d) { return d.block != b; });
    return {first, last};
}

std::span<const OrderRule> OrderRules() {
    return Rules;
}

std::uint32_t LowBits(double typed, unsigned bits) {
    if (!std::isfinite(typed))
        return 0;
    // fmod is exact, so even 1e30 keeps its true low bits, and the value handed to the
    // integer conversion is always inside [0, 2^bits).
    const double modulus = std::ldexp(1.0, static_cast<int>(bits));
    double r = std::fmod(std::trunc(typed), modulus);
    if (r < 0)
        r += modulus;
    return static_cast<std::uint32_t>(r);
}

std::optional<Unstorable> WhyUnstorable(std::optional<double> typed, unsigned bits) {
    if (!typed || !std::isfinite(*typed))
        return Unstorable::NotANumber;
    const double whole = std::trunc(*typed);
    if (whole < 0)
        return Unstorable::BelowZero;
    if (whole >= std::ldexp(1.0, static_cast<int>(bits)))
        return Unstorable::TooLarge;
    return std::nullopt;
}

std::uint32_t ListValue(int index, const FieldDescriptor& d) {
    const std::int64_t value = std::int64_t{index} * d.step;
    const std::uint64_t mask = (std::uint64_t{1} << d.storedBits()) - 1;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) & mask);
}

int ListIndex(std::uint32_t value, const FieldDescriptor& d) {
    const std::uint32_t index = value / d.step;
    return index < d.listEntries ? static_cast<int>(index) : -1;
}

std::uint32_t ReadField(std::span<const std::uint8_t> block, const FieldDescriptor& d) {
    if (d.kind == FieldKind::Text)
        return 0;
    if (d.kind == FieldKind::FlagBit)
        return (block[d.offset] & d.bitMask) != 0 ? 1 : 0;
    std::uint32_t value = 0;
    for (std::size_t i = d.width; i-- > 0;)
        value = (value << 8) | block[d.offset + i];
    return value;
}

void WriteField(std::span<std::uint8_t> block, const FieldDescriptor& d, std::uint32_t value) {
    if (d.kind == FieldKind::Text)
        return;
    if (d.kind == FieldKind::FlagBit) {
        std::uint8_t& byte = block[d.offset];
        byte = static_cast<std::uint8_t>(value != 0 ? byte | d.bitMask : byte & ~d.bitMask);
        return;
    }
    if (d.storedBits() < 32)
        value &= (std::uint32_t{1} << d.storedBits()) - 1;
    for (std::size_t i = 0; i < d.width; ++i) {
        block[d.offset + i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::string NetbiosText(std::span<const std::uint8_t, NetbiosNameSize> name) {
    const auto end = std::find(name.begin(), name.end(), std::uint8_t{0});
    return Cp1252ToUtf8(std::string(name.begin(), end));
}

std::string NetbiosNameBytes(std::string_view utf8) {
    std::string bytes = Utf8ToCp1252(utf8);
    const auto first = std::find_if(bytes.begin(), bytes.end(),
                                    [](char c) { return static_cast<unsigned char>(c) > 0x20; });
    bytes.erase(bytes.begin(), first);
    return bytes;
}

bool StoreNetbiosText(std::string_view utf8, std::span<std::uint8_t, NetbiosNameSize> name) {
    const std::string bytes = NetbiosNameBytes(utf8);
    if (bytes.size() > name.size())
        return false;
    // Zero behind the terminator: leftovers of an earlier, longer name would otherwise stay
    // in the block and keep failing the name check after the operator corrected the name.
    std::fill(name.begin(), name.end(), std::uint8_t{0});
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return true;
}

}  // namespace orvane::params
