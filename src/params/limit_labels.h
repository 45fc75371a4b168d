// The labels beside the parameter fields that tell the operator the accepted range. Each is
// a format filled with the bounds of its field from the field table. Stateless; window
// thread (it writes controls).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frontend/screen.h"

namespace orvane::params {

enum class LimitLabelGroup {
    Language,     // written whenever a language is applied
    GridService,  // written by LoadDefaultParameters
};

// Fills `format`: each "%3i" takes the next bound as a decimal right-aligned in at least
// three characters, "%s" takes `word`, "%%" is a percent sign.
std::string FormatLimitLabel(std::string_view format, std::uint32_t low, std::string_view word,
                             std::uint32_t high);

// Writes every label of the group; the "%s" word follows `languageIndex`.
void ShowLimitLabels(frontend::Screen& screen, LimitLabelGroup group, int languageIndex);

}  // namespace orvane::params
