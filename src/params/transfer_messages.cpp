#include "params/transfer_messages.h"

#include <cstdio>

namespace orvane::params {

std::string IncompatibleFirmwareMessage(const catalogue::Language& language) {
    char version[16];
    std::snprintf(version, sizeof version, "%2X.%2X.%2X", unsigned{RequiredFirmwareMajor},
                  unsigned{RequiredFirmwareMinor}, unsigned{RequiredFirmwareBuild});
    std::string text(language.text(catalogue::row::IncompatibleFirmwareHead));
    text += version;
    text += language.text(catalogue::row::IncompatibleFirmwareTail);
    return text;
}

std::string ValidationMessage(const catalogue::Language& language,
                              const ValidationResults& results) {
    auto numbered = [&language](std::uint8_t n, int tailRow) {
        return std::string(language.text(catalogue::row::ErrorNumber)) + std::to_string(n) +
               std::string(language.text(tailRow));
    };
    std::string message;
    if (results.refusalRow != 0)
        message = std::string(language.text(results.refusalRow));
    if (results.config != 0)
        message = numbered(results.config, catalogue::row::InParametersSetting);
    if (results.freeParam != 0)
        message = numbered(results.freeParam, catalogue::row::InFreeParametersSetting);
    if (results.gridService != 0)
        message = numbered(results.gridService, catalogue::row::InGridServicesSetting);
    if (results.name != 0)
        message = std::string(language.text(catalogue::row::NetbiosNameError));
    return message;
}

}  // namespace orvane::params
