#include "widgets/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace orvane::widgets {
namespace {

struct Picture {
    int minInteger = 0;
    int minFraction = 0;
    int maxFraction = 0;
};

Picture readPicture(std::string_view pattern) {
    Picture p;
    const std::size_t point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);

    // Every place from the leftmost '0' to the point must show a digit.
    bool forced = false;
    for (char c : integer) {
        forced = forced || c == '0';
        if (forced && (c == '0' || c == '#'))
            ++p.minInteger;
    }

    int position = 0;
    for (char c : fraction) {
        if (c != '0' && c != '#')
            continue;
        ++position;
        if (c == '0')
            p.minFraction = position;
        p.maxFraction = position;
    }
    return p;
}

// Adds one to a string of decimal digits, growing it when all of them were nines.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern, char decimalPoint) {
    if (!std::isfinite(value))
        return {};
    const Picture picture = readPicture(pattern);

    // Shortest round-trip form in plain notation: exact decimal digits to round by hand.
    std::array<char, 512> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::fixed);
    const std::string_view plain(buffer.data(),
                                 static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = plain.find('.');
    std::string integer(plain.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view{}
                                                         : plain.substr(point + 1));

    const auto keep = static_cast<std::size_t>(picture.maxFraction);
    if (fraction.size() > keep) {
        const bool roundUp = fraction[keep] >= '5';
        fraction.resize(keep);
        if (roundUp) {
            std::string all = integer + fraction;
            incrementDigits(all);
            integer = all.substr(0, all.size() - keep);
            fraction = all.substr(all.size() - keep);
        }
    }
    while (static_cast<int>(fraction.size()) > picture.minFraction && !fraction.empty() &&
           fraction.back() == '0') {
        fraction.pop_back();
    }
    if (static_cast<int>(fraction.size()) < picture.minFraction) {
        fraction.append(static_cast<std::size_t>(picture.minFraction) - fraction.size(), '0');
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (static_cast<int>(integer.size()) < picture.minInteger) {
        integer.insert(0, static_cast<std::size_t>(picture.minInteger) - integer.size(), '0');
    }

    const bool zero =
        std::all_of(integer.begin(), integer.end(), [](char c) { return c == '0'; }) &&
        std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
    std::string text;
    if (value < 0 && !zero)
        text += '-';
    text += integer;
    if (!fraction.empty()) {
        text += decimalPoint;
        text += fraction;
    }
    if (integer.empty() && fraction.empty())
        text += '0';  // "#" with a value under one half
    return text;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Sign, digits, one separator, digits; counts the digits seen.
bool scanNumber(std::string_view text, int& digitCount) {
    digitCount = 0;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digitCount;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<double> parseTypedNumber(std::string_view text) {
    text = trimmed(text);
    int digits = 0;
    if (!scanNumber(text, digits) || digits == 0)
        return std::nullopt;

    const bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-')
        text.remove_prefix(1);
    // from_chars wants a point and at least one digit before it.
    std::string normal = text.front() == '.' || text.front() == ',' ? "0" : "";
    normal += text;
    std::replace(normal.begin(), normal.end(), ',', '.');

    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                        std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != normal.data() + normal.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool isNumberPrefix(std::string_view text) {
    int digits = 0;
    return scanNumber(trimmed(text), digits);
}

}  // namespace orvane::widgets
