#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "cli/jobs.h"
#include "cli/port_argument.h"
#include "cli/stop_request.h"

namespace orvane::cli {

namespace {

using namespace catalogue::row;

struct Choices {
    std::string language;
    std::string port;
    std::string file;
    std::string format = "table";
    std::optional<std::uint64_t> count;
    std::string command;
    bool yes = false;
};

// The --lang value wherever it stands, before the parser (whose texts depend on it) exists.
std::string LanguageArgument(int argc, const char* const* argv) {
    const std::string_view option = "--lang";
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == option && i + 1 < argc)
            return argv[i + 1];
        if (word.starts_with(option) && word.size() > option.size() && word[option.size()] == '=')
            return std::string(word.substr(option.size() + 1));
    }
    return {};
}

struct Parser {
    CLI::App app;
    CLI::App* ports;
    CLI::App* info;
    CLI::App* watch;
    CLI::App* paramsRead;
    CLI::App* paramsDiff;
    CLI::App* paramsWrite;
    CLI::App* clockSync;
    CLI::App* command;
};

void BuildParser(Parser& p, Choices& c, const catalogue::Language& l) {
    auto text = [&l](int row) { return std::string(l.text(row)); };
    CLI::App& app = p.app;
    app.name("orvane-cli");
    app.description(text(CliProgram));
    app.footer(ExitStatusText(l));
    app.set_help_flag("-h,--help", text(CliHelpOption));
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--lang", c.language, text(CliLangOption))->check(CLI::IsMember({"it", "en"}));

    auto port = [&](CLI::App* job) {
        job->add_option("--port", c.port, text(CliPortOption))->required();
    };
    auto file = [&](CLI::App* job) {
        job->add_option("FILE", c.file, text(CliFileOption))->required();
    };
    auto yes = [&](CLI::App* job) { job->add_flag("--yes,-y", c.yes, text(CliYesOption)); };

    p.ports = app.add_subcommand("ports", text(CliPortsJob));
    p.info = app.add_subcommand("info", text(CliInfoJob));
    port(p.info);
    p.watch = app.add_subcommand("watch", text(CliWatchJob));
    port(p.watch);
    p.watch->add_option("--format", c.format, text(CliFormatOption))
        ->check(CLI::IsMember({"table", "csv", "json"}));
    p.watch->add_option("--count", c.count, text(CliCountOption))->check(CLI::PositiveNumber);

    CLI::App* params = app.add_subcommand("params", text(CliParamsJob));
    params->require_subcommand(1);
    p.paramsRead = params->add_subcommand("read", text(CliParamsReadJob));
    p.paramsDiff = params->add_subcommand("diff", text(CliParamsDiffJob));
    p.paramsWrite = params->add_subcommand("write", text(CliParamsWriteJob));
    for (CLI::App* job : {p.paramsRead, p.paramsDiff, p.paramsWrite}) {
        port(job);
        file(job);
    }
    yes(p.paramsWrite);

    CLI::App* clock = app.add_subcommand("clock", text(CliClockJob));
    clock->require_subcommand(1);
    p.clockSync = clock->add_subcommand("sync", text(CliClockSyncJob));
    port(p.clockSync);

    p.command = app.add_subcommand("command", text(CliCommandJob));
    p.command->add_option("COMMAND", c.command, text(CliCommandOption))
        ->required()
        ->check(CLI::IsMember(
            std::vector<std::string>(std::begin(CommandNames), std::end(CommandNames))));
    port(p.command);
    yes(p.command);
}

WatchFormat FormatNamed(std::string_view name) {
    if (name == "csv")
        return WatchFormat::csv;
    if (name == "json")
        return WatchFormat::json;
    return WatchFormat::table;
}

ExitStatus Run(HeadlessProgram& headless, const Parser& p, const Choices& c, int language) {
    if (p.ports->parsed()) {
        headless.show(language, headless.program().settings.PortIndex);
        return RunPorts(headless);
    }
    const std::optional<PortChoice> choice = ParsePortArgument(c.port);
    if (!choice) {
        headless.dialogs().showError(std::string(headless.program().language.text(CliUnknownPort)) +
                                     c.port);
        return ExitStatus::usage;
    }
    headless.show(language, BindPortChoice(headless.program().ports, *choice));
    if (c.yes)
        headless.dialogs().answerYes();
    if (p.info->parsed())
        return RunInfo(headless);
    if (p.watch->parsed()) {
        InstallStopHandlers();
        return RunWatch(headless, FormatNamed(c.format), c.count);
    }
    if (p.paramsRead->parsed())
        return RunParamsRead(headless, c.file);
    if (p.paramsDiff->parsed())
        return RunParamsDiff(headless, c.file);
    if (p.paramsWrite->parsed())
        return RunParamsWrite(headless, c.file);
    if (p.clockSync->parsed())
        return RunClockSync(headless);
    return RunCommand(headless, c.command);
}

}  // namespace

int LanguageNamed(std::string_view name) {
    if (name == "it")
        return catalogue::Italian;
    if (name == "en")
        return catalogue::English;
    return -1;
}

std::string ExitStatusText(const catalogue::Language& language) {
    std::string text(language.text(CliExitHeading));
    for (const ExitStatusRow& row : ExitStatusTable)
        text += "\n  " + std::to_string(static_cast<int>(row.status)) + "  " +
                std::string(language.text(row.meaningRow));
    return text;
}

int RunCommandLine(int argc, const char* const* argv, const Terminal& terminal) {
    HeadlessProgram headless(terminal);
    const int asked = LanguageNamed(LanguageArgument(argc, argv));
    const int language = asked >= 0 ? asked : headless.settingsLanguage();
    headless.program().language.LanguageIndex = language;

    Choices choices;
    Parser parser;
    BuildParser(parser, choices, headless.program().language);
    try {
        parser.app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = parser.app.exit(e, terminal.out, terminal.err);
        return code == 0 ? 0 : static_cast<int>(ExitStatus::usage);
    }
    return static_cast<int>(Run(headless, parser, choices, language));
}

}  // namespace orvane::cli
