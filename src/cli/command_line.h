// orvane-cli's command line: the subcommands and options (CLI11), their help texts and the
// exit-status table in the language of the run (--lang, else LINGUA of Charger.INI, else
// Italian), and the job each one runs. One call per process; one thread.
#pragma once

#include "cli/headless_program.h"

namespace orvane::cli {

// Parses `argv`, runs the job and returns the process's exit status.
int RunCommandLine(int argc, const char* const* argv, const Terminal& terminal);

// "it" / "en" → the catalogue's language index; -1 for anything else.
int LanguageNamed(std::string_view name);

}  // namespace orvane::cli
