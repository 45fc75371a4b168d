// The texts the parameter transfers and the parameter-file save show the operator, built in
// the language current at the moment of showing. Pure.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/message_catalogue.h"
#include "params/parameter_checks.h"

namespace orvane::params {

// The firmware version this configurator requires (major, minor, build).
inline constexpr std::uint8_t RequiredFirmwareMajor = 1;
inline constexpr std::uint8_t RequiredFirmwareMinor = 7;
inline constexpr std::uint8_t RequiredFirmwareBuild = 0;

// "Versione firmware incompatibile con la " + " 1. 7. 0" + " impossibile procedere".
std::string IncompatibleFirmwareMessage(const catalogue::Language& language);

// The refusal of a set that failed a check, or empty when it passed. Each failure replaces
// the text of the ones before it, in the order refused value of a field without a tested
// range (its own row), configuration, free parameters, grid services, name: the last
// applicable text is the one shown.
std::string ValidationMessage(const catalogue::Language& language,
                              const ValidationResults& results);

}  // namespace orvane::params
