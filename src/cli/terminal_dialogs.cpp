#include "cli/terminal_dialogs.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace orvane::cli {

namespace {

// Characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

}  // namespace

bool IsYes(std::string_view answer) {
    std::string word = Trimmed(answer);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::string_view yes : {"s", "si", "s\u00EC", "s\u00CC", "y", "yes"})
        if (word == yes)
            return true;
    return false;
}

std::string ChangeListText(const frontend::ChangeList& changes) {
    std::string text = changes.message + '\n';
    if (changes.rows.empty())
        return text;
    std::vector<std::array<std::string_view, 3>> lines{
        {changes.captionHeader, changes.beforeHeader, changes.afterHeader}};
    for (const frontend::ChangeRow& row : changes.rows)
        lines.push_back({row.caption, row.before, row.after});
    std::array<std::size_t, 3> widths{};
    for (const auto& line : lines)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Width(line[c]));
    for (const auto& line : lines) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            out.append(line[c]);
            if (c + 1 < line.size())
                out.append(widths[c] - Width(line[c]) + 2, ' ');
        }
        text += out + '\n';
    }
    return text;
}

TerminalDialogs::TerminalDialogs(std::istream& in, std::ostream& data, std::ostream& messages,
                                 const catalogue::Language& language)
    : in_(in), data_(data), messages_(messages), language_(&language) {}

void TerminalDialogs::inform(std::string_view text) {
    messages_ << text << '\n' << std::flush;
}

void TerminalDialogs::showError(std::string_view text) {
    messages_ << text << '\n' << std::flush;
}

bool TerminalDialogs::askYesNo(std::string_view text) {
    messages_ << text;
    return answer();
}

bool TerminalDialogs::askChanges(const frontend::ChangeList& changes) {
    data_ << ChangeListText(changes) << std::flush;
    return answer();
}

void TerminalDialogs::showChanges(const frontend::ChangeList& changes) {
    data_ << ChangeListText(changes) << std::flush;
}

bool TerminalDialogs::answer() {
    using namespace catalogue::row;
    messages_ << language_->text(CliAnswerPrompt);
    if (assumeYes_) {
        messages_ << language_->text(FlagSet) << '\n' << std::flush;
        return true;
    }
    messages_ << std::flush;
    std::string line;
    const bool yes = static_cast<bool>(std::getline(in_, line)) && IsYes(line);
    if (!in_)
        messages_ << '\n';  // the input ended without a line: the prompt gets its own end
    if (!yes)
        declined_ = true;
    return yes;
}

}  // namespace orvane::cli
