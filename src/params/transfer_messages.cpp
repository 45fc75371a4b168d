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

std::string ValidationMessage(const ui::Language& language, const ValidationResults& results) {
    auto numbered = [&language](std::uint8_t n, int tailRow) {
        return std::string(language.text(ui::row::ErrorNumber)) + std::to_string(n) +
               std::string(language.text(tailRow));
    };
    std::string message;
    if (results.refusalRow != 0)
        message = std::string(language.text(results.refusalRow));
    if (results.config != 0)
        message = numbered(results.config, ui::row::InParametersSetting);
    if (results.freeParam != 0)
        message = numbered(results.freeParam, ui::row::InFreeParametersSetting);
    if (results.gridService != 0)
        message = numbered(results.gridService, ui::row::InGridServicesSetting);
    if (results.name != 0)
        message = std::string(language.text(ui::row::NetbiosNameError));
    return message;
}

}  // namespace orvane::params
