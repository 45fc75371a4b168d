// The parameter file: a ParameterSet as INI text, 63 keys in six sections. Values are the
// fields' own integers in their own units, except RITARDO, which holds the index of the
// delay list (the delay divided by its step). Free functions over the field table; any
// thread.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "monitor/local_clock.h"
#include "params/field_table.h"
#include "params/parameter_set.h"
#include "storage/ini_document.h"

namespace orvane::storage {

enum class KeyKind : std::uint8_t {
    Integer,     // the field's value; `unitId` as its 32 bits, signed
    Flag,        // "1"/"0" for one bit; any other integer reads as set
    DelayIndex,  // `insertionDelayMs` as its list index
    Text,        // the NetBIOS name
};

struct ParameterKey {
    std::string_view section;
    std::string_view key;
    params::Field field;
    KeyKind kind;
    // Taken for a missing or unreadable value. These are the file's own and differ from the
    // set's defaults in places (DNS 8.8.8.8, V_SCARICA_PROF 430). The name's default is the
    // session's default name, given to ReadParameterFile.
    std::int32_t loadingDefault;
};

// All keys in the order they are written.
std::span<const ParameterKey> ParameterFileKeys();

// Writes every key into `ini`, replacing existing values in place. NETBIOS is taken from the
// outgoing name that CollectParameters has just built from the name field, like every
// other key from the values just collected, so an edited name is not silently dropped.
void WriteParameterFile(const params::ParameterSet& set, IniDocument& ini);

// Reads every key into its field: 8- and 16-bit fields keep the low bits of the value,
// flags change only their bit, NETBIOS goes into the received name (cut to 16 bytes).
// Nothing is compared with its limits; reserved bytes, the rest of the identity block and
// the outgoing name stay as they are.
void ReadParameterFile(const IniDocument& ini, params::ParameterSet& set,
                       std::string_view defaultNetbiosName);

// "Orvane_dd_mm_yy_hh_mm_ss_Id_<id>", the id being the identifier field's number truncated
// toward zero (NaN gives 0, values beyond 64 bits the nearest 64-bit bound).
std::string DefaultParameterFileName(const monitor::LocalTime& now, double shownId);

inline constexpr std::string_view ParameterFileExtension = "ovn";

// The chosen path, with "." + `extension` added when its file name has no extension (no
// dot after its first character).
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

}  // namespace orvane::storage
