#include "storage/ini_document.h"

#include <limits>

#include "params/codepage.h"

namespace orvane::storage {

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = s.find_last_not_of(Blanks);
    return s.substr(first, last - first + 1);
}

// Lower case for ASCII and for the Windows-1252 letters that have a case pair, so names
// written in another case by an editor still match.
char FoldByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A:
            return '\x9A';  // S caron
        case 0x8C:
            return '\x9C';  // OE
        case 0x8E:
            return '\x9E';  // Z caron
        case 0x9F:
            return '\xFF';  // Y diaeresis
        default:
            return c;
    }
}

std::string Fold(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out)
        c = FoldByte(c);
    return out;
}

std::string FoldedName(std::string_view utf8) {
    return Fold(params::Utf8ToCp1252(utf8));
}

// The value part of a key line as the reading rules see it.
std::string_view ValueOf(std::string_view afterEquals) {
    afterEquals = afterEquals.substr(0, afterEquals.find('\0'));
    std::string_view v = Trim(afterEquals);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// A written value must stay on its own line.
std::string_view OneLine(std::string_view value) {
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

IniDocument::Line IniDocument::Classify(std::string text, std::string end, std::size_t skip) {
    Line line;
    line.text = std::move(text);
    line.end = std::move(end);
    const std::string_view t = line.text;
    const std::size_t first = t.find_first_not_of(Blanks, skip);
    if (first == std::string_view::npos || t[first] == ';')
        return line;
    if (t[first] == '[') {
        const std::size_t close = t.find(']', first + 1);
        const std::string_view inside =
            t.substr(first + 1,
                     close == std::string_view::npos ? std::string_view::npos : close - first - 1);
        line.kind = Kind::Section;
        line.name = Fold(Trim(inside));
        return line;
    }
    const std::size_t equals = t.find('=', first);
    if (equals == std::string_view::npos)
        return line;
    const std::string_view key = Trim(t.substr(first, equals - first));
    if (key.empty())
        return line;
    line.kind = Kind::Key;
    line.name = Fold(key);
    line.nameBegin = static_cast<std::size_t>(key.data() - t.data());
    line.nameLength = key.size();
    line.valueBegin = equals + 1;
    return line;
}

IniDocument IniDocument::Parse(std::string_view fileBytes) {
    IniDocument doc;
    // A file saved by an editor as UTF-8 may start with a byte-order mark; it must not hide
    // the first section header.
    const std::size_t bom = fileBytes.starts_with(Utf8Bom) ? Utf8Bom.size() : 0;
    std::size_t pos = 0;
    while (pos < fileBytes.size()) {
        const std::size_t brk = fileBytes.find_first_of("\r\n", pos);
        std::string_view text = fileBytes.substr(
            pos, brk == std::string_view::npos ? std::string_view::npos : brk - pos);
        std::size_t endLength = 0;
        if (brk != std::string_view::npos) {
            endLength =
                (fileBytes[brk] == '\r' && brk + 1 < fileBytes.size() && fileBytes[brk + 1] == '\n')
                    ? 2
                    : 1;
        }
        const std::string_view end =
            brk == std::string_view::npos ? std::string_view() : fileBytes.substr(brk, endLength);
        doc.lines_.push_back(
            Classify(std::string(text), std::string(end), doc.lines_.empty() ? bom : 0));
        pos += text.size() + end.size();
    }
    return doc;
}

std::string IniDocument::bytes() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.text;
        out += l.end;
    }
    return out;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view foldedSection) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && lines_[i].name == foldedSection)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(std::string_view foldedSection,
                                                std::string_view foldedKey) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section)
            inSection = l.name == foldedSection;
        else if (inSection && l.kind == Kind::Key && l.name == foldedKey)
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::readText(std::string_view section,
                                                 std::string_view key) const {
    const auto at = findKey(FoldedName(section), FoldedName(key));
    if (!at)
        return std::nullopt;
    const Line& l = lines_[*at];
    return params::Cp1252ToUtf8(ValueOf(std::string_view(l.text).substr(l.valueBegin)));
}

std::string IniDocument::readText(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    auto value = readText(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::int32_t IniDocument::readInteger(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const {
    const auto value = readText(section, key);
    if (!value)
        return fallback;
    return ParseIniInteger(*value).value_or(fallback);
}

void IniDocument::insertLine(std::size_t position, std::string text) {
    // A last line without a line end would otherwise run into the new one.
    if (position > 0 && lines_[position - 1].end.empty())
        lines_[position - 1].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                  Classify(std::move(text), "\r\n"));
}

void IniDocument::writeText(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string bytesValue = params::Utf8ToCp1252(OneLine(value));
    const std::string foldedSection = FoldedName(section);

    if (const auto at = findKey(foldedSection, FoldedName(key))) {
        Line& l = lines_[*at];
        std::string text = l.text.substr(l.nameBegin, l.nameLength) + "=" + bytesValue;
        l = Classify(std::move(text), "\r\n");
        return;
    }
    const std::string keyLine = params::Utf8ToCp1252(key) + "=" + bytesValue;
    if (const auto header = findSection(foldedSection)) {
        std::size_t position = *header + 1;
        for (std::size_t i = position; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
            if (lines_[i].kind == Kind::Key)
                position = i + 1;
        insertLine(position, keyLine);
        return;
    }
    if (!lines_.empty() && !Trim(lines_.back().text).empty())
        insertLine(lines_.size(), "");
    insertLine(lines_.size(), "[" + params::Utf8ToCp1252(section) + "]");
    insertLine(lines_.size(), keyLine);
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeText(section, key, std::to_string(value));
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::string_view digits = text.substr(2);
        if (digits.size() > 8)
            return std::nullopt;
        std::uint32_t v = 0;
        for (char c : digits) {
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return std::nullopt;
            v = (v << 4) | static_cast<std::uint32_t>(d);
        }
        return static_cast<std::int32_t>(v);
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Accumulated as a negative number so the most negative value fits.
    constexpr std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 - (c - '0');
        if (v < Min)
            return std::nullopt;
    }
    if (!negative) {
        if (-v > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(-v);
    }
    return static_cast<std::int32_t>(v);
}

}  // namespace orvane::storage
