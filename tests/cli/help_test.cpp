// --help of the program and of each job, and the usage errors, from the built program.
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "support/scratch_directory.h"

namespace orvane::testing {
namespace {

class CliHelpTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliHelpTest, EachJobsHelpEndsWellAndListsTheExitStatuses) {
    ScratchDirectory work;
    std::vector<std::string> arguments = GetParam();
    arguments.insert(arguments.begin(), {"--lang", "en"});
    arguments.push_back("--help");
    const CliResult result = RunCli(work.path().string(), arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Exit status:\n  0  done\n  2  "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("  9  cancelled at a confirmation"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Jobs, CliHelpTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"ports"},
                                           std::vector<std::string>{"info"},
                                           std::vector<std::string>{"params", "read"},
                                           std::vector<std::string>{"params", "diff"},
                                           std::vector<std::string>{"params", "write"},
                                           std::vector<std::string>{"clock", "sync"},
                                           std::vector<std::string>{"command"}));

TEST(CliUsageTest, WithoutChargerIniOrLangTheHelpIsItalian) {
    ScratchDirectory work;
    const CliResult result = RunCli(work.path().string(), {"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Stato di uscita:"), std::string::npos) << result.out;
}

TEST(CliUsageTest, AWrongCommandLineEndsWithTwoAndWritesNothing) {
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{},
                                                  {"fly"},
                                                  {"params"},
                                                  {"--lang", "fr", "ports"},
                                                  {"clock", "sync", "--port"}}) {
        ScratchDirectory work;
        const CliResult result = RunCli(work.path().string(), wrong);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(work.entries().empty()) << "not even Charger.INI";
    }
}

}  // namespace
}  // namespace orvane::testing
