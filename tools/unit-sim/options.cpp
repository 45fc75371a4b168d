#include "unit-sim/options.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>
#include <string_view>

#include "unit-sim/control.h"

namespace orvane::unitsim {

namespace {

enum class StartKind { Path, Number, Flag };

struct StartOption {
    const char* name;
    StartKind kind;
    HelpSection section;
    const char* argument;
    const char* help;
    void (*apply)(Options&, std::string_view value, unsigned number);
};

const StartOption StartTable[] = {
    {"link", StartKind::Path, HelpSection::Line, "PATH",
     "also make PATH a symbolic link to the pseudo-terminal\n(removed on exit)",
     [](Options& o, std::string_view v, unsigned) { o.linkPath = v; }},
    {"device", StartKind::Path, HelpSection::Line, "DEV",
     "serve the serial port DEV (19200 8N1 raw) instead of\na pseudo-terminal",
     [](Options& o, std::string_view v, unsigned) { o.devicePath = v; }},
    {"eeprom", StartKind::Path, HelpSection::Unit, "FILE",
     "load the parameter memory from FILE (if it exists) and\nsave it there on every commit",
     [](Options& o, std::string_view v, unsigned) { o.eepromPath = v; }},
    {"day-minutes", StartKind::Number, HelpSection::Unit, "N",
     "real minutes per simulated day (default 10)",
     [](Options& o, std::string_view, unsigned n) { o.dayMinutes = n; }},
    {"seed", StartKind::Number, HelpSection::Unit, "N",
     "seed of the measurement noise and the garbage bytes\n(default: from the clock)",
     [](Options& o, std::string_view, unsigned n) {
         o.seed = n;
         o.seedGiven = true;
     }},
    {"control", StartKind::Path, HelpSection::Diagnostics, "PATH",
     "create the FIFO PATH; each line written to it changes a\n"
     "setting while running: an option's name without dashes\n"
     "and its value, e.g. \"silent on\", \"silent off\",\n"
     "\"corrupt 3\", \"corrupt 0\" (off), \"fw 1.8.0\"",
     [](Options& o, std::string_view v, unsigned) { o.controlPath = v; }},
    {"log", StartKind::Path, HelpSection::Diagnostics, "FILE",
     "write one line per frame to FILE: monotonic\nmilliseconds, rx or tx, hex bytes",
     [](Options& o, std::string_view v, unsigned) { o.logPath = v; }},
    {"help", StartKind::Flag, HelpSection::Diagnostics, "", "show this help and exit",
     [](Options& o, std::string_view, unsigned) { o.help = true; }},
};

const StartOption* FindStartOption(std::string_view name) {
    for (const StartOption& o : StartTable)
        if (name == o.name)
            return &o;
    return nullptr;
}

void AppendHelpLine(std::string& text, const char* name, const char* argument, const char* help) {
    std::string left = std::string("  --") + name;
    if (*argument)
        left += std::string(" ") + argument;
    constexpr std::size_t column = 22;
    left.resize(std::max(column, left.size() + 1), ' ');
    std::string_view rest = help;
    bool first = true;
    while (!rest.empty()) {
        const auto newline = rest.find('\n');
        text +=
            (first ? left : std::string(column, ' ')) + std::string(rest.substr(0, newline)) + "\n";
        first = false;
        rest = newline == std::string_view::npos ? std::string_view{} : rest.substr(newline + 1);
    }
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, 2) != "--") {
            error = "unexpected argument \"" + std::string(arg) + "\"";
            return false;
        }
        arg.remove_prefix(2);
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        std::optional<std::string_view> inlineValue;
        if (equals != std::string_view::npos)
            inlineValue = arg.substr(equals + 1);

        const RuntimeSetting* runtime = FindRuntimeSetting(name);
        const StartOption* start = runtime ? nullptr : FindStartOption(name);
        if (!runtime && !start) {
            error = "unknown option --" + std::string(name);
            return false;
        }
        const bool isFlag =
            runtime ? runtime->kind == ValueKind::Flag : start->kind == StartKind::Flag;
        std::string_view value;
        if (isFlag) {
            value = inlineValue.value_or("on");
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            error = "--" + std::string(name) + " needs a value";
            return false;
        }

        if (runtime) {
            SettingValue v;
            if (!ParseSettingValue(runtime->kind, value, v, error)) {
                error = "--" + std::string(name) + ": " + error;
                return false;
            }
            runtime->apply(options.settings, v);
            continue;
        }
        unsigned number = 0;
        if (start->kind == StartKind::Number) {
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), number);
            if (ec != std::errc{} || end != value.data() + value.size() || value.empty() ||
                (name == "day-minutes" && number == 0)) {
                error = "--" + std::string(name) + ": expected a positive whole number, got \"" +
                        std::string(value) + "\"";
                return false;
            }
        } else if (start->kind == StartKind::Path && value.empty()) {
            error = "--" + std::string(name) + " needs a path";
            return false;
        }
        start->apply(options, value, number);
    }
    if (!options.linkPath.empty() && !options.devicePath.empty()) {
        error = "--link makes a link to the pseudo-terminal; it cannot be used with --device";
        return false;
    }
    return true;
}

std::string UsageText() {
    std::string text =
        "Usage: orvane-unit-sim [OPTION]...\n"
        "Simulates an Orvane battery-storage unit on a pseudo-terminal (or a serial\n"
        "port) for the configurator. Prints \"ready <port path>\" once it serves;\n"
        "SIGINT or SIGTERM end it.\n";
    const struct {
        HelpSection section;
        const char* title;
    } sections[] = {{HelpSection::Line, "Line"},
                    {HelpSection::Unit, "Unit"},
                    {HelpSection::Faults, "Faults (combinable)"},
                    {HelpSection::Diagnostics, "Control and diagnostics"}};
    for (const auto& s : sections) {
        text += std::string("\n") + s.title + ":\n";
        for (const StartOption& o : StartTable)
            if (o.section == s.section)
                AppendHelpLine(text, o.name, o.argument, o.help);
        for (const RuntimeSetting& r : RuntimeSettings())
            if (r.section == s.section)
                AppendHelpLine(text, r.name, r.argument, r.help);
    }
    return text;
}

}  // namespace orvane::unitsim
