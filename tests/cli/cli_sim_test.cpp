// orvane-cli against the unit simulator on a pseudo-terminal: each job's output and exit
// status, run as a script runs it (its own process, a working directory with Charger.INI).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "cli/cli_process.h"
#include "journal/recording_columns.h"
#include "link/frame.h"
#include "monitor/unit_snapshot.h"
#include "support/python_csv.h"
#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"

namespace orvane::testing {
namespace {

namespace fn = link::function;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A working directory whose Charger.INI binds COM 1 to the simulator, in English unless
// a test says otherwise.
class CliSimTest : public ::testing::Test {
  protected:
    void start(std::vector<std::string> simArguments = {}, int language = 1) {
        sim_.emplace(std::move(simArguments));
        ASSERT_TRUE(sim_->ready()) << sim_->error();
        work_.write("Charger.INI", "[GENERALE]\r\nLINGUA=" + std::to_string(language) +
                                       "\r\n[PORTE]\r\nCOM1=" + sim_->slavePath() + "\r\n");
    }
    CliResult run(std::vector<std::string> arguments, std::string input = {}) {
        return RunCli(work_.path().string(), std::move(arguments), std::move(input));
    }
    // Requests the program sent with function code `function`.
    std::vector<std::vector<std::uint8_t>> requests(std::uint8_t function) const {
        std::vector<std::vector<std::uint8_t>> found;
        for (const UnitSimProcess::LoggedFrame& f : sim_->loggedFrames())
            if (!f.fromUnit && f.bytes.size() > link::FunctionByte &&
                f.bytes[link::FunctionByte] == function)
                found.push_back(f.bytes);
        return found;
    }
    std::size_t writesSent() const {
        return requests(fn::MemoryWrite).size() + requests(fn::MemoryCommit).size();
    }
    std::vector<std::string> filesIn(const std::string& folder) const {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& e : std::filesystem::directory_iterator(work_.path() / folder, ignored))
            names.push_back(e.path().filename().string());
        return names;
    }
    // A parameter file of the unit's memory as it is now, with `from` replaced by `to`.
    std::string savedParameters(const std::string& from = {}, const std::string& to = {}) {
        const CliResult read = run({"params", "read", "--port", "COM1", "unit.ovn"});
        EXPECT_EQ(read.status, 0) << read.err;
        std::string text = work_.read("unit.ovn").value_or("");
        if (!from.empty()) {
            const auto at = text.find(from);
            EXPECT_NE(at, std::string::npos) << from;
            if (at != std::string::npos)
                text.replace(at, from.size(), to);
        }
        return text;
    }

    ScratchDirectory work_;
    std::optional<UnitSimProcess> sim_;
};

TEST_F(CliSimTest, PortsListsElevenEntriesWithTheBindingsOfChargerIni) {
    start();
    const CliResult result = run({"ports"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].substr(0, lines[0].rfind('\t')), "COM 1\t" + sim_->slavePath());
    EXPECT_TRUE(lines[10].starts_with("COM 11\t"));
}

TEST_F(CliSimTest, InfoPrintsFirmwareClockEveryValueAndTheLampsThatAreOn) {
    start({"--charge-fault"});
    const CliResult result = run({"info", "--port", "com1"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Fw Version\t1.7.3");
    EXPECT_TRUE(lines[1].starts_with("Clock Reading\t20")) << lines[1];
    const auto values = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return std::count(l.begin(), l.end(), '\t') == 2;
    });
    EXPECT_EQ(values, static_cast<long>(monitor::MeasurementCount));
    EXPECT_TRUE(Contains(result.out, "Grid Voltage\t")) << result.out;
    EXPECT_TRUE(Contains(result.out, "\tV\n"));
    const auto lampsOn = std::find(lines.begin(), lines.end(), "Lamps on");
    ASSERT_NE(lampsOn, lines.end());
    EXPECT_TRUE(std::any_of(lampsOn + 1, lines.end(), [](const std::string& l) {
        return l.starts_with('\t') && Contains(l, "Fault");
    })) << result.out;
}

TEST_F(CliSimTest, LangOptionSpeaksOverChargerIni) {
    start({}, 1);
    const CliResult result = run({"info", "--port", "COM 1", "--lang", "it"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("Versione Fw\t1.7.3\n")) << result.out;
}

struct FailureCase {
    const char* name;
    std::vector<std::string> simArguments;
    std::vector<std::string> arguments;
    int status;
    const char* message;  // part of what the program says on stderr
};

class CliFailureTest : public CliSimTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailureTest, EndsWithItsStatusAndTellsWhy) {
    const FailureCase& c = GetParam();
    start(c.simArguments);
    const CliResult result = run(c.arguments);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Contains(result.err, c.message)) << result.err;
    EXPECT_EQ(writesSent(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CliFailureTest,
    ::testing::Values(
        FailureCase{
            "SilentUnit", {"--silent"}, {"info", "--port", "COM1"}, 4, "Communication Error"},
        FailureCase{"SilentUnitCommand",
                    {"--silent"},
                    {"command", "block", "--port", "COM1"},
                    4,
                    "Communication Error"},
        FailureCase{
            "NewerFirmware", {"--fw", "1.8.0"}, {"info", "--port", "COM1"}, 5, "not compatible"},
        FailureCase{"NewerFirmwareCommand",
                    {"--fw", "1.8.0"},
                    {"command", "full-charge", "--port", "COM1"},
                    5,
                    "Firmware version error"},
        FailureCase{"NewerFirmwareImport",
                    {"--fw", "1.8.0"},
                    {"params", "read", "--port", "COM1", "unit.ovn"},
                    5,
                    "not compatible"},
        FailureCase{
            "MissingDevice", {}, {"info", "--port", "/dev/orvane-absent"}, 3, "Device not found"},
        FailureCase{"UnboundEntry", {}, {"info", "--port", "COM9"}, 3, "No device is assigned"},
        FailureCase{"UnknownEntry", {}, {"info", "--port", "COM12"}, 2, "COM12"},
        FailureCase{"NoPort", {}, {"info"}, 2, "--port"},
        FailureCase{"UnknownCommand", {}, {"command", "explode", "--port", "COM1"}, 2, "explode"},
        FailureCase{"MissingFile",
                    {},
                    {"params", "write", "--port", "COM1", "absent.ovn"},
                    7,
                    "absent.ovn"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSimTest, ParamsReadThenWriteLeavesTheUnitsMemoryAsItWas) {
    const std::string eeprom = work_.file("eeprom.bin");
    start({"--eeprom", eeprom});
    // A first write commits, so the simulator keeps its memory in the file.
    work_.write("changed.ovn", savedParameters("CAPACITA_BATT=200", "CAPACITA_BATT=250"));
    ASSERT_EQ(run({"params", "write", "--port", "COM1", "changed.ovn", "--yes"}).status, 0);
    const std::optional<std::string> before = work_.read("eeprom.bin");
    ASSERT_TRUE(before.has_value());

    const CliResult read = run({"params", "read", "--port", "COM1", "backup"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(Contains(read.err, "backup.ovn"));
    const CliResult write = run({"params", "write", "--port", "COM1", "backup.ovn", "--yes"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_TRUE(Contains(write.out, "no field changes")) << write.out;
    EXPECT_EQ(work_.read("eeprom.bin"), before);
    EXPECT_EQ(filesIn("Salvataggi/Backup").size(), 2u) << "each write keeps the memory first";
}

TEST_F(CliSimTest, ParamsDiffListsTheFieldsTheFileChangesAndWritesNothing) {
    start();
    work_.write("changed.ovn", savedParameters("CAPACITA_BATT=200", "CAPACITA_BATT=250"));
    const CliResult result = run({"params", "diff", "--port", "COM1", "changed.ovn"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u) << result.out;
    EXPECT_EQ(lines[0], "Fields in which the file differs from the unit:");
    EXPECT_TRUE(Contains(lines[1], "Value in the file"));
    EXPECT_TRUE(Contains(lines[2], "200 Ah") && Contains(lines[2], "250 Ah")) << lines[2];
    EXPECT_EQ(writesSent(), 0u);
}

struct AnswerCase {
    const char* name;
    const char* input;
    bool backupKept;
};

class CliRefusedWriteTest : public CliSimTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(CliRefusedWriteTest, ANoAtAnyQuestionWritesNothingAndEndsCancelled) {
    start();
    work_.write("changed.ovn", savedParameters("CAPACITA_BATT=200", "CAPACITA_BATT=250"));
    const CliResult result =
        run({"params", "write", "--port", "COM1", "changed.ovn"}, GetParam().input);
    EXPECT_EQ(result.status, 9) << result.err;
    EXPECT_EQ(writesSent(), 0u);
    EXPECT_EQ(filesIn("Salvataggi/Backup").size(), GetParam().backupKept ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Answers, CliRefusedWriteTest,
                         ::testing::Values(AnswerCase{"NoToWriting", "n\n", false},
                                           AnswerCase{"NoToTheChanges", "y\nn\n", true},
                                           AnswerCase{"NoAnswerAtAll", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliSimTest, ParamsWriteOfAFileFailingACheckSendsNothing) {
    start();
    work_.write("bad.ovn", savedParameters("V_FINE_CARICA=570", "V_FINE_CARICA=9999"));
    const CliResult result = run({"params", "write", "--port", "COM1", "bad.ovn", "--yes"});
    EXPECT_EQ(result.status, 6) << result.err;
    EXPECT_TRUE(Contains(result.err, "Error n")) << result.err;
    EXPECT_EQ(writesSent(), 0u);
}

TEST_F(CliSimTest, ParamsWriteTheUnitRefusesEndsWithEightAndNoCommit) {
    start({"--write-status", "3"});
    work_.write("changed.ovn", savedParameters("CAPACITA_BATT=200", "CAPACITA_BATT=250"));
    const CliResult result = run({"params", "write", "--port", "COM1", "changed.ovn", "--yes"});
    EXPECT_EQ(result.status, 8) << result.err;
    EXPECT_EQ(requests(fn::MemoryCommit).size(), 0u);
}

TEST_F(CliSimTest, ResetWithYesKeepsTheLastValuesThenSendsTheReset) {
    start();
    const CliResult result = run({"command", "reset-battery", "--port", "COM1", "--yes"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> kept = filesIn("Salvataggi/Snapshot");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].ends_with("_battery-data.csv"));
    EXPECT_TRUE(Contains(result.err, kept[0])) << result.err;
    EXPECT_EQ(requests(fn::BatteryDataReset).size(), 1u);
}

TEST_F(CliSimTest, ResetAnsweredNoSendsNothingAndKeepsNothing) {
    start();
    const CliResult result = run({"command", "reset-energy", "--port", "COM1"}, "n\n");
    EXPECT_EQ(result.status, 9) << result.err;
    EXPECT_TRUE(Contains(result.err, "Do you want to proceed? [y/N]")) << result.err;
    EXPECT_EQ(requests(fn::StorageDataReset).size(), 0u);
    EXPECT_TRUE(filesIn("Salvataggi/Snapshot").empty());
}

TEST_F(CliSimTest, ClockSyncSendsThePcsTime) {
    start();
    const std::time_t before = std::time(nullptr);
    const CliResult result = run({"clock", "sync", "--port", "COM1"});
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(result.status, 0) << result.err;
    const auto sets = requests(fn::ClockSet);
    ASSERT_EQ(sets.size(), 1u);
    const std::vector<std::uint8_t>& f = sets[0];
    std::tm sent{};
    sent.tm_mday = f[link::PayloadStart];
    sent.tm_mon = f[link::PayloadStart + 1] - 1;
    sent.tm_year = f[link::PayloadStart + 2] + 100;
    sent.tm_hour = f[link::PayloadStart + 3];
    sent.tm_min = f[link::PayloadStart + 4];
    sent.tm_sec = f[link::PayloadStart + 5];
    sent.tm_isdst = -1;
    const std::time_t at = std::mktime(&sent);
    EXPECT_GE(at, before);
    EXPECT_LE(at, after);
}

// Every JSON line of `path` as Python's json module reads it back: "key=value" for the
// time, one measurement, one lamp and the link; nothing when it refuses a line.
std::optional<std::vector<std::string>> ParsedByPythonJson(const std::string& path) {
    const std::string command =
        "/usr/bin/python3 -I -c \"import json, sys\n"
        "for line in open(sys.argv[1], encoding='utf-8'):\n"
        "    o = json.loads(line)\n"
        "    print(len(o), o['time'], o['gridVoltage'], o['blocked'], o['link'])\" '" +
        path + "'";
    const std::optional<std::string> out = CommandOutput(command);
    if (!out)
        return std::nullopt;
    return Lines(*out);
}

TEST_F(CliSimTest, WatchAsCsvPrintsTheRecordingsHeaderAndOneRowPerMeasurementBlock) {
    start();
    const CliResult result = run({"watch", "--port", "COM1", "--format", "csv", "--count", "3"});
    ASSERT_EQ(result.status, 0) << result.err;
    work_.write("watch.csv", result.out);
    const std::optional<CsvRows> rows = ParsedByPythonCsv(work_.file("watch.csv"));
    ASSERT_TRUE(rows.has_value()) << result.out;
    ASSERT_EQ(rows->size(), 4u);
    EXPECT_EQ((*rows)[0], journal::RecordingColumnNames());
    for (std::size_t r = 1; r < rows->size(); ++r) {
        EXPECT_EQ((*rows)[r].size(), (*rows)[0].size());
        EXPECT_EQ((*rows)[r].back(), "ok");
    }
    EXPECT_EQ(requests(fn::TrendBlock).size(), 3u) << "one line per block, no block twice";
}

TEST_F(CliSimTest, WatchAsJsonPrintsOneObjectPerLineWithTheRecordingsIdentifiers) {
    start();
    const CliResult result = run({"watch", "--port", "COM1", "--format", "json", "--count", "2"});
    ASSERT_EQ(result.status, 0) << result.err;
    work_.write("watch.json", result.out);
    const std::optional<std::vector<std::string>> objects =
        ParsedByPythonJson(work_.file("watch.json"));
    ASSERT_TRUE(objects.has_value()) << result.out;
    ASSERT_EQ(objects->size(), 2u);
    const std::size_t keys = journal::RecordingColumnNames().size();
    for (const std::string& o : *objects) {
        EXPECT_TRUE(o.starts_with(std::to_string(keys) + " 20")) << o;
        EXPECT_TRUE(o.ends_with(" False ok")) << o;
    }
}

TEST_F(CliSimTest, WatchEndsOnSigintClosingThePort) {
    start();
    CliProcess watch(work_.path().string(), {"watch", "--port", "COM1"});
    const std::optional<std::string> header = watch.readLine();
    ASSERT_TRUE(header.has_value());
    EXPECT_TRUE(header->starts_with("time\tgridVoltage [V]\t")) << *header;
    ASSERT_TRUE(watch.readLine().has_value()) << "a first row";
    watch.signal(SIGINT);
    const CliResult result = watch.finish();
    EXPECT_EQ(result.status, 0) << result.err;
    // The port is free again: another job opens it at once.
    EXPECT_EQ(run({"command", "block", "--port", "COM1"}).status, 0);
}

}  // namespace
}  // namespace orvane::testing
