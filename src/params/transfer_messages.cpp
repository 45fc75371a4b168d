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

std::string ValidationMessage(const catalogue::Language& language, std::uint8_t configResult,
                              std::uint8_t freeParamResult, std::uint8_t gridServiceResult,
                              std::uint8_t nameResult) {
    auto numbered = [&language](std::uint8_t n, int tailRow) {
        return std::string(language.text(catalogue::row::ErrorNumber)) + std::to_string(n) +
               std::string(language.text(tailRow));
    };
    std::string message;
    if (configResult != 0)
        message = numbered(configResult, catalogue::row::InParametersSetting);
    if (freeParamResult != 0)
        message = numbered(freeParamResult, catalogue::row::InFreeParametersSetting);
    if (gridServiceResult != 0)
        message = numbered(gridServiceResult, catalogue::row::InGridServicesSetting);
    if (nameResult != 0)
        message = std::string(language.text(catalogue::row::NetbiosNameError));
    return message;
}

}  // namespace orvane::params
