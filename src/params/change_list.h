// Which fields differ between two images of the unit's parameter memory, and the rows that
// show them to the operator: caption, both values and their units, in the current
// language. Every field is named and formatted from the field table. Pure; any thread.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "params/field_table.h"
#include "params/parameter_set.h"

namespace orvane::params {

// The blocks a comparison looks at, by `Block`.
using BlockSelection = std::array<bool, BlockCount>;

inline constexpr BlockSelection AllBlocks = {true, true, true, true, true, true};

// The set as the unit holds it once `collected` is written: the outgoing name in place of
// the received one.
ParameterSet AsWritten(const ParameterSet& collected);

// The fields of the selected blocks whose values differ, in table order. The name is
// compared as text (the received copies, up to their terminators).
std::vector<Field> ChangedFields(const ParameterSet& before, const ParameterSet& after,
                                 const BlockSelection& blocks);

// "Minuti Tens. Costante in Carica Normale (Modalità Estate)", "Indirizzo IP (4)".
std::string FieldCaption(const FieldDescriptor& d, const catalogue::Language& language);

// The field's value as the operator reads it: a number with its unit, a list's entry, a
// flag's "Sì"/"No" (a radio pair's caption of the chosen button), the name's text.
std::string FieldValueText(const FieldDescriptor& d, const ParameterSet& set,
                           const catalogue::Language& language);

std::vector<frontend::ChangeRow> ChangeRows(const ParameterSet& before, const ParameterSet& after,
                                            std::span<const Field> fields,
                                            const catalogue::Language& language);

// The list of `fields` under `message`, the value columns headed by the catalogue rows
// `beforeHeader` and `afterHeader`.
frontend::ChangeList MakeChangeList(std::string message, int beforeHeader, int afterHeader,
                                    const ParameterSet& before, const ParameterSet& after,
                                    std::span<const Field> fields,
                                    const catalogue::Language& language);

}  // namespace orvane::params
