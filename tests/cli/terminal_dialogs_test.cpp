#include "cli/terminal_dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::cli {
namespace {

using catalogue::English;
using catalogue::Italian;

struct Terminal {
    explicit Terminal(std::string input, int language = English) : in(std::move(input)) {
        lang.LanguageIndex = language;
    }
    std::istringstream in;
    std::ostringstream out, err;
    catalogue::Language lang;
    TerminalDialogs dialogs{in, out, err, lang};
};

TEST(IsYesTest, TakesTheYesOfEitherLanguageInAnyCaseAndNothingElse) {
    for (const char* yes : {"s", "S", "si", "S\u00EC", "s\u00EC", "y", "Y", "yes", " YES \r"})
        EXPECT_TRUE(IsYes(yes)) << yes;
    for (const char* no : {"", "n", "no", "N", "yess", "sino", "1", "ok"})
        EXPECT_FALSE(IsYes(no)) << no;
}

TEST(TerminalDialogsTest, AsksOnTheMessageStreamAndReadsOneAnswerPerQuestion) {
    Terminal t("y\nn\n");
    EXPECT_TRUE(t.dialogs.askYesNo("Proceed?"));
    EXPECT_FALSE(t.dialogs.declined());
    EXPECT_FALSE(t.dialogs.askYesNo("Really?"));
    EXPECT_TRUE(t.dialogs.declined());
    EXPECT_EQ(t.err.str(), "Proceed? [y/N] Really? [y/N] ");
    EXPECT_EQ(t.out.str(), "");
}

TEST(TerminalDialogsTest, TheEndOfTheInputIsNo) {
    Terminal t("");
    EXPECT_FALSE(t.dialogs.askYesNo("Proceed?"));
    EXPECT_TRUE(t.dialogs.declined());
}

TEST(TerminalDialogsTest, AfterAnswerYesEveryQuestionIsYesWithoutReadingAndShowsTheAnswer) {
    Terminal t("n\n", Italian);
    t.dialogs.answerYes();
    EXPECT_TRUE(t.dialogs.askYesNo("Procedere?"));
    EXPECT_TRUE(t.dialogs.askChanges({"Cambia:", "Campo", "Prima", "Dopo", {}}));
    EXPECT_EQ(t.err.str(), "Procedere? [s/N] S\u00EC\n [s/N] S\u00EC\n");
    EXPECT_EQ(t.in.tellg(), 0) << "the input stays for whatever reads it next";
}

TEST(TerminalDialogsTest, ListsOfChangesAreDataAndMessagesAreNot) {
    Terminal t("");
    t.dialogs.inform("Done");
    t.dialogs.showError("Failed");
    t.dialogs.showChanges({"Same values.", "Field", "Unit", "File", {}});
    EXPECT_EQ(t.err.str(), "Done\nFailed\n");
    EXPECT_EQ(t.out.str(), "Same values.\n");
}

TEST(ChangeListTextTest, PadsColumnsByCharactersSoAccentedCaptionsLineUp) {
    const frontend::ChangeList list{
        "Differenze:",
        "Campo",
        "Unit\u00E0",
        "File",
        {{"Capacit\u00E0 A/h", "200 Ah", "250 Ah"}, {"Tipo", "Piombo", "Litio"}}};
    EXPECT_EQ(ChangeListText(list),
              "Differenze:\n"
              "Campo         Unit\u00E0   File\n"
              "Capacit\u00E0 A/h  200 Ah  250 Ah\n"
              "Tipo          Piombo  Litio\n");
}

}  // namespace
}  // namespace orvane::cli
