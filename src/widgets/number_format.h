// The small picture formats of the numeric fields and trend channels ("#0.#", "#0.0#",
// "##0.0", "#0#") and the parser for what an operator types. Plain functions, no state.
//
// A pattern is read as: integer part '#'/'0', an optional '.', fraction part '#'/'0'.
//  - Integer digits: at least as many as there are places from the leftmost '0' to the
//    point (leading zeros fill them); larger numbers always show all their digits.
//  - Fraction digits: at most the length of the fraction part, at least up to its rightmost
//    '0'; trailing zeros beyond that are dropped, and the point too when nothing follows.
//  - Rounding: half away from zero, decided on the number's shortest decimal form (the one
//    that reads back to the same double), so 2.675 shows "2.68" and 0.05 with "#0.#" shows
//    "0.1", as the operator would round the printed value by hand.
//  - A result that rounds to zero never carries a minus sign.
// Any other character in a pattern is ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::widgets {

// Empty for NaN and infinity, which no field ever holds.
std::string formatNumber(double value, std::string_view pattern, char decimalPoint = '.');

// Accepts an optional sign, digits and at most one decimal comma or point, with blanks
// around; at least one digit. The zero before the separator may be left out, as people
// write it by hand: ",5" is 0.5 like "0,5". Everything else (a second sign, a trailing
// sign, exponents, "0x1F", "nan", "inf", thousands separators) and anything too large for
// a finite double gives nothing.
std::optional<double> parseTypedNumber(std::string_view text);

// Whether text could still become a number as the operator goes on typing ("", "-", "1,").
bool isNumberPrefix(std::string_view text);

}  // namespace orvane::widgets
