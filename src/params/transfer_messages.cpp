#include "params/transfer_messages.h"

#include <cstdio>

namespace orvane::params {

std::string IncompatibleFirmwareMessage(const ui::Language& language) {
    char version[16];
    std::snprintf(version, sizeof version, "%2X.%2X.%2X", unsigned{RequiredFirmwareMajor},
                  unsigned{RequiredFirmwareMinor}, unsigned{RequiredFirmwareBuild});
    std::string text(language.text(ui::row::IncompatibleFirmwareHead));
    text += version;
    text += language.text(ui::row::IncompatibleFirmwareTail);
    return text;
}

std::string ValidationMessage(const ui::Language& language, std::uint8_t configResult,
                              std::uint8_t freeParamResult, std::uint8_t gridServiceResult,
                              std::uint8_t nameResult) {
    auto numbered = [&language](std::uint8_t n, int tailRow) {
        return std::string(language.text(ui::row::ErrorNumber)) + std::to_string(n) +
               std::string(language.text(tailRow));
    };
    std::string message;
    if (configResult != 0)
        message = numbered(configResult, ui::row::InParametersSetting);
    if (freeParamResult != 0)
        message = numbered(freeParamResult, ui::row::InFreeParametersSetting);
    if (gridServiceResult != 0)
        message = numbered(gridServiceResult, ui::row::InGridServicesSetting);
    if (nameResult != 0)
        message = std::string(language.text(ui::row::NetbiosNameError));
    return message;
}

}  // namespace orvane::params
