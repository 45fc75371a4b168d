// An INI file held in memory with the rules of the Windows private-profile functions, so
// files written here are read back by programs on either platform. Every line is kept as it
// was read (bytes and line end); a write touches only the line of its key, or adds one, so
// comments, foreign sections and unknown keys survive a save byte for byte.
//
// Reading rules:
// - Lines end in CR LF, LF or CR. Lines the document writes end in CR LF.
// - "[name]" starts a section; blanks around the brackets and the name are ignored, as is
//   text after "]". A "[" line without "]" takes the rest of the line as the name.
// - "key=value" inside a section is a key; blanks around the key and the value are ignored,
//   and one pair of matching quotes ('...' or "...") around the value is removed. The value
//   ends at a NUL byte. ";" after leading blanks makes a comment line; a ";" later in a line
//   is part of the value.
// - Lines without "=", and everything before the first section, belong to no key: they are
//   never read and are kept on writing.
// - Section and key names match without regard to case (ASCII and the Windows-1252 letters).
// - A key that appears twice in a section, or in two sections of the same name, is read from
//   its first appearance; writes replace that one too.
//
// Texts cross the boundary in UTF-8; the file itself is Windows-1252.
//
// A value object; used from one thread at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::storage {

class IniDocument {
  public:
    IniDocument() = default;
    // Any bytes are accepted; what cannot be understood is kept and ignored.
    static IniDocument Parse(std::string_view fileBytes);

    // The file image, ready to be written.
    std::string bytes() const;

    // The value as text, or nothing when the key is absent.
    std::optional<std::string> readText(std::string_view section, std::string_view key) const;
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    // A decimal or "0x" hexadecimal integer (see ParseIniInteger); `fallback` when the key is
    // absent or its value is empty or not such an integer.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;

    // Replaces the key's value in place, or adds the key at the end of its section, or adds
    // the section at the end of the file. A value is one line: it is cut at a line break or
    // NUL. Names are written as given only when they are new; an existing key keeps the
    // spelling it has in the file.
    void writeText(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);

  private:
    enum class Kind : std::uint8_t { Other, Section, Key };
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n", "\r", or empty for a last line without one
        Kind kind = Kind::Other;
        std::string name;                           // section or key name, folded for matching
        std::size_t nameBegin = 0, nameLength = 0;  // a key's name within `text`
        std::size_t valueBegin = 0;                 // a key's value: `text` after "="
    };

    // `skip` leading bytes are not part of the line's content (a byte-order mark).
    static Line Classify(std::string text, std::string end, std::size_t skip = 0);
    std::optional<std::size_t> findKey(std::string_view foldedSection,
                                       std::string_view foldedKey) const;
    std::optional<std::size_t> findSection(std::string_view foldedSection) const;
    void insertLine(std::size_t position, std::string text);

    std::vector<Line> lines_;
};

// The integer rule of the files: optional blanks, then an optional sign and decimal digits
// within the signed 32-bit range ("-12", "+7", "007"), or "0x"/"0X" and one to eight hex
// digits taken as a 32-bit pattern ("0xFFFFFFFF" is -1). Anything else, including trailing
// text ("12abc"), inner blanks, a sign before "0x" or a value beyond 32 bits, is no integer.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace orvane::storage
