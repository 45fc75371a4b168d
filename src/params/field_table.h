// The one table of parameter fields: where each lives in the parameter memory, which control
// edits it, how a typed value becomes its bits and which values the checks accept. The
// editor (CollectParameters/ShowParameters), the block checks, the limit labels, the
// defaults and the parameter file all work from it. Constant data; any thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "frontend/screen.h"
#include "params/parameter_set.h"

namespace orvane::params {

// Every field of the set, named as the unit's documentation names them. The network
// addresses have one field per octet; octet 1 is the leftmost in dotted notation and the
// lowest byte in memory.
enum class Field : std::uint8_t {
    // NetworkBlock
    ipAddress1,
    ipAddress2,
    ipAddress3,
    ipAddress4,
    subnetMask1,
    subnetMask2,
    subnetMask3,
    subnetMask4,
    gateway1,
    gateway2,
    gateway3,
    gateway4,
    dnsServer1,
    dnsServer2,
    dnsServer3,
    dnsServer4,
    localServer1,
    localServer2,
    localServer3,
    localServer4,
    staticAddress,
    localServerSelected,
    // ConfigBlock
    capacityAh,
    panelCount,
    batteryType,
    maxSupplyCurrentA,
    supplyLimitC10,
    inverterType,
    maxMpptPowerW,
    // FreeParamBlock
    endChargeVoltage,
    supplyDeepDischargeVoltage,
    dischargeLimitVoltage,
    maintenanceVoltage,
    absorbablePercent,
    chargeCurrentDivider,
    fullChargeAfterSummer,
    fullChargeAfterWinter,
    endChargeDividerSummer,
    endChargeDividerWinter,
    equalizationVoltage,
    cvMinutesNormalSummer,
    cvMinutesNormalWinter,
    cvMinutesFullSummer,
    cvMinutesFullWinter,
    equalizationMinutesSummer,
    equalizationMinutesWinter,
    chargeEfficiencyPermille,
    dischargeEfficiencyPermille,
    standbyDeepDischargeVoltage,
    batteryLifeCycles,
    batteryBlockTemperature,
    // GridServiceBlock
    gridServicesEnabled,
    overvoltageLimitEnabled,
    overFreqLimitEnabled,
    underFreqLimitEnabled,
    overFreqStart,
    overFreqMax,
    underFreqStart,
    underFreqMin,
    insertionDelayMs,
    overvoltageStart,
    // NetbiosNameBlock
    netbiosName,
    // IdentityBlock
    unitId,
};

inline constexpr std::size_t FieldCount = static_cast<std::size_t>(Field::unitId) + 1;

enum class FieldKind : std::uint8_t {
    Numeric,      // numeric edit, unsigned little-endian integer
    Octet,        // one network-address octet edit; no range check beyond 0..255
    List,         // list index (times `step`) of a list control
    FlagBit,      // one bit of a flag byte, a check box or radio button
    Text,         // the NetBIOS name: 8-bit text ending in a NUL when shorter than the block
    DisplayOnly,  // shown after an import, never collected from the window (unitId)
};

// Accepted values of a checked field. A value below `low` fails with `lowError`, one above
// `high` with `highError`; both bounds are accepted. `zeroAllowed` lets 0 pass beside the
// range ("0 = not used"). An error of 0 means the range is only advisory (limit label).
struct Accepted {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    std::uint8_t lowError = 0;
    std::uint8_t highError = 0;
    bool zeroAllowed = false;

    constexpr bool tested() const { return lowError != 0 || highError != 0; }
};

// The control that edits or shows a field; which one a kind uses is fixed by the table's
// builders (numeric and octet fields and the identifier in a numeric field, lists in a list,
// flag bits in a check box or radio button, the name in a text field).
using NumberFieldControl = frontend::Control<frontend::ControlKind::NumericField>;
using FlagControl =
    frontend::AnyOf<frontend::ControlKind::CheckBox, frontend::ControlKind::RadioButton>;
using TextFieldControl = frontend::Control<frontend::ControlKind::TextField>;
using FieldControl =
    std::variant<NumberFieldControl, frontend::ListControl, FlagControl, TextFieldControl>;

// How a field is named where all fields are listed together (the change list): the caption
// controls of its row, whose catalogue rows are read in the current language, then the part
// of the row it is (a season column's caption, or an address octet's number).
struct RowCaption {
    std::array<std::optional<frontend::AnyControl>, 2> controls = {};
    std::optional<frontend::AnyControl> part = {};
    std::uint8_t octet = 0;  // 1..4 for an address octet, 0 otherwise
};

struct FieldDescriptor {
    Field field;
    std::string_view name;  // the field's name, e.g. "capacityAh"
    Block block;
    std::uint8_t offset;  // inside the block
    std::uint8_t width;   // bytes in the block (1, 2, 4; 16 for the name)
    FieldKind kind;
    FieldControl control;  // the control that edits or shows it
    // Radio pairs: the button shown checked while the bit is clear (`Rd_Dinamico`).
    std::optional<frontend::Control<frontend::ControlKind::RadioButton>> clearedControl = {};
    std::uint8_t bitMask = 0;      // FlagBit: the field's bit in its byte
    std::uint8_t valueBits = 0;    // bits a typed value keeps (0: 8 x width)
    std::uint8_t step = 1;         // List: stored value = index x step
    std::uint8_t listEntries = 0;  // List: entries of the control
    Accepted accepted = {};
    // Numeric fields without a tested range: the catalogue row that refuses a typed value
    // the field cannot hold (tested fields refuse it with their own error number).
    int refusalRow = 0;
    RowCaption caption = {};
    std::string_view unit = {};  // fixed design text, as beside the field ("Ah", "V*10")
    int firstEntryRow = 0;       // List: catalogue row of entry 0; 0: the entries are numbers

    std::uint16_t address() const { return LayoutOf(block).address + offset; }
    // The control of this kind of field.
    template <class C>
    C controlAs() const {
        return std::get<C>(control);
    }
    frontend::ControlId controlId() const {
        return std::visit([](auto c) { return c.id(); }, control);
    }
    unsigned storedBits() const { return valueBits != 0 ? valueBits : 8u * width; }
};

// All fields, block by block, each block's fields in offset order (the order the checks
// test them in).
std::span<const FieldDescriptor> FieldTable();
const FieldDescriptor& Describe(Field f);
std::optional<Field> FieldByName(std::string_view name);
// The fields of one block, in offset order.
std::span<const FieldDescriptor> FieldsOf(Block b);

// Cross-field rule of a block: `lower` must be strictly below `upper`, else `error`. Tested
// right after the range test of `testedAfter`.
struct OrderRule {
    Field lower;
    Field upper;
    std::uint8_t error;
    Field testedAfter;
};
std::span<const OrderRule> OrderRules();

// A typed value as its field stores it: truncated toward zero, then the low `bits` bits
// (two's complement for negatives, so -1 gives all ones). Computed exactly for any double;
// NaN and the infinities, which have no integer part, give 0.
std::uint32_t LowBits(double typed, unsigned bits);
// Why a typed value cannot go into its field as it stands. The whole part (truncated toward
// zero, as the field keeps it) must fit the field's bits: a value the low bits would turn
// into another number (300 in an octet, 260 panels, -1 W) is refused, not wrapped.
enum class Unstorable : std::uint8_t { NotANumber, BelowZero, TooLarge };
// Nothing when `typed` (nothing: the control holds no number) fits `bits` bits.
std::optional<Unstorable> WhyUnstorable(std::optional<double> typed, unsigned bits);
// A list index (-1: nothing selected) as its field stores it: index x step, low bits.
std::uint32_t ListValue(int index, const FieldDescriptor& d);
// The list entry a stored value selects: value / step, or -1 when the list has no such entry.
int ListIndex(std::uint32_t value, const FieldDescriptor& d);

// A field's value inside its block's bytes (flag bits read as 0 or 1).
std::uint32_t ReadField(std::span<const std::uint8_t> block, const FieldDescriptor& d);
// Writes the low bits of `value` into the field's bytes, or only its bit for a flag.
void WriteField(std::span<std::uint8_t> block, const FieldDescriptor& d, std::uint32_t value);

// NetBIOS name conversions between the window's UTF-8 text and the 16 stored bytes.
inline constexpr std::size_t NetbiosNameSize = 16;
// The name's text: the bytes up to the first NUL (all 16 when there is none), as UTF-8.
std::string NetbiosText(std::span<const std::uint8_t, NetbiosNameSize> name);
// The bytes a typed name becomes: Windows-1252, leading characters up to 0x20 dropped.
std::string NetbiosNameBytes(std::string_view utf8);
// Stores a typed name with its terminating NUL and zero after it (a name of exactly 16
// bytes fills the block without one). A name that does not fit is refused: false, and
// the block keeps its previous content.
bool StoreNetbiosText(std::string_view utf8, std::span<std::uint8_t, NetbiosNameSize> name);

}  // namespace orvane::params
