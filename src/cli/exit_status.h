// What a command-line job came to, as the process's exit status: one value per outcome a
// script can act on, with the catalogue row that explains it in --help. Constant data.
#pragma once

#include <array>

#include "catalogue/message_catalogue.h"
#include "params/parameter_transfer.h"

namespace orvane::cli {

enum class ExitStatus : int {
    done = 0,
    usage = 2,
    portNotOpened = 3,
    noAnswer = 4,
    incompatibleFirmware = 5,
    checkFailed = 6,
    fileFailed = 7,
    unitRefused = 8,
    cancelled = 9,
};

struct ExitStatusRow {
    ExitStatus status;
    int meaningRow;
};

inline constexpr std::array<ExitStatusRow, 9> ExitStatusTable{{
    {ExitStatus::done, catalogue::row::CliExitDone},
    {ExitStatus::usage, catalogue::row::CliExitUsage},
    {ExitStatus::portNotOpened, catalogue::row::CliExitPort},
    {ExitStatus::noAnswer, catalogue::row::CliExitNoAnswer},
    {ExitStatus::incompatibleFirmware, catalogue::row::CliExitFirmware},
    {ExitStatus::checkFailed, catalogue::row::CliExitCheck},
    {ExitStatus::fileFailed, catalogue::row::CliExitFile},
    {ExitStatus::unitRefused, catalogue::row::CliExitRefused},
    {ExitStatus::cancelled, catalogue::row::CliExitCancelled},
}};

constexpr ExitStatus ExitFor(params::TransferOutcome outcome) {
    using params::TransferOutcome;
    switch (outcome) {
        case TransferOutcome::done:
            return ExitStatus::done;
        case TransferOutcome::portNotOpened:
            return ExitStatus::portNotOpened;
        case TransferOutcome::incompatibleFirmware:
            return ExitStatus::incompatibleFirmware;
        case TransferOutcome::noAnswer:
            return ExitStatus::noAnswer;
        case TransferOutcome::checkFailed:
            return ExitStatus::checkFailed;
        case TransferOutcome::fileFailed:
            return ExitStatus::fileFailed;
        case TransferOutcome::unitRefused:
            return ExitStatus::unitRefused;
        case TransferOutcome::cancelled:
            return ExitStatus::cancelled;
    }
    return ExitStatus::usage;
}

// "Exit status:" and one line per status ("  3  the port cannot be opened").
std::string ExitStatusText(const catalogue::Language& language);

}  // namespace orvane::cli
