// The checks a parameter set passes before it leaves the program (export, save to file).
// Pure functions of the block bytes: 0 = valid, otherwise the error number of the last
// failing test in the block's test order. Any thread.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "params/field_table.h"
#include "params/parameter_set.h"

namespace orvane::params {

// A typed value CollectParameters could not store; the field's bytes keep what they had.
struct RefusedValue {
    Field field;
    Unstorable reason;
};

// What CollectParameters reports beside the blocks it built.
struct CollectedParameters {
    std::uint8_t nameResult = 0;        // CheckNetbiosName of the outgoing name (1: refused)
    std::vector<RefusedValue> refused;  // in table order
};

// What export and save decide on, in the order their refusal message takes them.
struct ValidationResults {
    int refusalRow = 0;  // catalogue row of the last refused field without a tested range
    std::uint8_t config = 0;
    std::uint8_t freeParam = 0;
    std::uint8_t gridService = 0;
    std::uint8_t name = 0;

    bool passed() const {
        return refusalRow == 0 && config == 0 && freeParam == 0 && gridService == 0 && name == 0;
    }
};

// The three block checks on a set CollectParameters has just built, all run every time.
// A refused value fails its field's range test in the field's place in the test order (a
// value too large with the upper bound's error, anything else with the lower one's).
ValidationResults CheckCollectedParameters(const ParameterSet& set,
                                           const CollectedParameters& collected);

std::uint8_t CheckConfigBlock(ConfigBytes block);
std::uint8_t CheckFreeParamBlock(FreeParamBytes block);
std::uint8_t CheckGridServiceBlock(GridServiceBytes block);
// 0 when every one of the 16 bytes (also those behind the terminator) is NUL, a digit, an
// ASCII letter, '-', '.' or '_'; 1 otherwise. Other punctuation is refused too: the unit
// announces the name on the network, where only these characters are safe everywhere.
std::uint8_t CheckNetbiosName(std::span<const std::uint8_t, NetbiosNameSize> name);

// The range and order tests of any block with checked fields. An order rule with a refused
// field is left out: that field has failed already.
std::uint8_t CheckBlock(Block b, std::span<const std::uint8_t> bytes,
                        std::span<const RefusedValue> refused = {});

}  // namespace orvane::params
