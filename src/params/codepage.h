// Conversion between the program's UTF-8 text and the unit's and files' 8-bit code page
// (Windows-1252). Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

namespace orvane::params {

// Characters without a Windows-1252 byte become '?'; malformed UTF-8 bytes likewise.
std::string Utf8ToCp1252(std::string_view utf8);
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which Windows-1252 leaves undefined, map to the
// control characters of the same value, so every byte round-trips.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace orvane::params
