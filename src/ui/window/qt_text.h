// The cores speak UTF-8 in std::string_view; Qt speaks QString. Any thread.
#pragma once

#include <QString>
#include <string_view>

namespace orvane::ui {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane::ui
