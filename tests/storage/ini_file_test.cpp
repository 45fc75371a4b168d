// Whole-file saves: the new image replaces the old file in one step, and any failure on the
// way leaves the old file as it was.
#include "storage/ini_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "support/scratch_directory.h"
#include "support/storage_fakes.h"

namespace orvane::storage {
namespace {

using testing::FaultyFileSystem;
using Step = FaultyFileSystem::Step;

class WholeFileSaves : public ::testing::Test {
  protected:
    testing::ScratchDirectory folder;
    FaultyFileSystem files;
    const std::string old = "[KEEP]\r\nA=1\r\n";
};

TEST_F(WholeFileSaves, saveWritesTheImageAndLeavesNoTemporaryBehind) {
    EXPECT_EQ(SaveWholeFile(files, folder.file("new.ovn"), "[S]\r\nK=1\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(folder.read("new.ovn"), "[S]\r\nK=1\r\n");
    folder.write("new.ovn", old);
    EXPECT_EQ(SaveWholeFile(files, folder.file("new.ovn"), "X"), SaveOutcome::Saved);
    EXPECT_EQ(folder.read("new.ovn"), "X");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"new.ovn"});
}

struct FailureCase {
    const char* name;
    Step step;
    SaveOutcome outcome;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailedSaves : public WholeFileSaves, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedSaves, leaveTheOldFileUntouchedAndCleanUp) {
    folder.write("Charger.INI", old);
    files.failAt = GetParam().step;
    EXPECT_EQ(SaveWholeFile(files, folder.file("Charger.INI"), "[NEW]\r\nB=2\r\n"),
              GetParam().outcome);
    EXPECT_EQ(folder.read("Charger.INI"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Charger.INI"});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, FailedSaves,
    ::testing::Values(FailureCase{"protectedFile", Step::ProtectedTarget, SaveOutcome::CannotWrite},
                      FailureCase{"folderRefusesNewFiles", Step::Create, SaveOutcome::CannotOpen},
                      FailureCase{"diskFull", Step::Write, SaveOutcome::CannotWrite},
                      FailureCase{"flushFails", Step::Flush, SaveOutcome::CannotWrite},
                      FailureCase{"closeFails", Step::Close, SaveOutcome::CannotWrite},
                      FailureCase{"renameFails", Step::Replace, SaveOutcome::CannotWrite}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WholeFileSaves, saveKilledAfterTheTemporaryWasWrittenLeavesTheOldFile) {
    folder.write("Charger.INI", old);
    files.crashAtReplace = true;
    SaveWholeFile(files, folder.file("Charger.INI"), "[NEW]\r\nB=2\r\n");
    EXPECT_EQ(folder.read("Charger.INI"), old);

    // The next run finds the leftover, reads the old file and saves normally beside it.
    FaultyFileSystem nextRun;
    EXPECT_EQ(LoadIniFile(nextRun, folder.file("Charger.INI")).document.bytes(), old);
    EXPECT_EQ(SaveWholeFile(nextRun, folder.file("Charger.INI"), "Z"), SaveOutcome::Saved);
    EXPECT_EQ(folder.read("Charger.INI"), "Z");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Charger.INI"}) << "leftover removed";
}

// A child process that starts saving `path` and is killed before its rename.
void SaveKilledBeforeTheRename(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        PosixFileSystem files;
        auto temporary = files.createTemporaryBeside(files.inspectTarget(path));
        if (temporary)
            temporary->write("half");
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST_F(WholeFileSaves, nextSaveRemovesWhatKilledSavesLeftAndNoOtherFile) {
    folder.write("Charger.INI", old);
    for (int i = 0; i < 3; ++i)
        SaveKilledBeforeTheRename(folder.file("Charger.INI"));
    ASSERT_EQ(folder.entries().size(), 4u) << "three leftovers beside the file";

    // Names near the leftovers' own: another file's temporaries, other shapes, a folder and
    // a link where a leftover could be.
    const std::vector<std::string> others = {".Charger.INI.bak.saving-1-2-3",
                                             ".Charger.INI.saving-",
                                             ".Charger.INI.saving-1-2",
                                             ".Charger.INI.saving-1-2-3-4",
                                             ".Charger.INI.saving-1-2-3.ovn",
                                             ".Charger.INI.saving-1--3",
                                             ".Charger.INI.saving-x-2-3",
                                             ".a.ovn.saving-1-2-3",
                                             ".charger.ini.saving-1-2-3",
                                             "Charger.INI.saving-1-2-3",
                                             "keep.txt"};
    for (const std::string& name : others)
        folder.write(name, "other");
    std::filesystem::create_directory(folder.file(".Charger.INI.saving-7-7-7"));
    std::filesystem::create_symlink(folder.file("keep.txt"),
                                    folder.file(".Charger.INI.saving-8-8-8"));

    EXPECT_EQ(SaveWholeFile(files, folder.file("Charger.INI"), "Z"), SaveOutcome::Saved);
    std::vector<std::string> expected = others;
    expected.insert(expected.end(),
                    {"Charger.INI", ".Charger.INI.saving-7-7-7", ".Charger.INI.saving-8-8-8"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.entries(), expected);
    EXPECT_EQ(folder.read("keep.txt"), "other");
}

TEST_F(WholeFileSaves, temporaryOfASaveStillRunningIsLeftToIt) {
    folder.write("a.ovn", old);
    PosixFileSystem otherProgram;
    auto running =
        otherProgram.createTemporaryBeside(otherProgram.inspectTarget(folder.file("a.ovn")));
    ASSERT_TRUE(running);
    EXPECT_EQ(SaveWholeFile(files, folder.file("a.ovn"), "X"), SaveOutcome::Saved);

    ASSERT_TRUE(running->write("Y") && running->close());
    EXPECT_TRUE(otherProgram.replace(running->path(), folder.file("a.ovn")))
        << "the other save still ends with its rename";
    EXPECT_EQ(folder.read("a.ovn"), "Y");
}

TEST_F(WholeFileSaves, saveIntoAMissingFolderCannotOpen) {
    EXPECT_EQ(SaveWholeFile(files, folder.file("Salvataggi/x.ovn"), "X"), SaveOutcome::CannotOpen);
}

// Permissions do not bind root (CI runs as root), so root hands the folder and its files to
// an unprivileged user and saves from a child that has become that user.
constexpr uid_t Nobody = 65534;

void GiveToOrdinaryUser(const std::filesystem::path& folder) {
    if (::geteuid() != 0)
        return;
    [[maybe_unused]] const int ignored = ::chown(folder.c_str(), Nobody, Nobody);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        [[maybe_unused]] const int alsoIgnored = ::chown(entry.path().c_str(), Nobody, Nobody);
}

// Runs `save` as the folder's ordinary owner; nothing when the child could not become it.
template <typename Save>
std::optional<SaveOutcome> SaveAsOrdinaryUser(Save save) {
    if (::geteuid() != 0)
        return save();
    constexpr int CannotDrop = 255;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(CannotDrop);
        ::_exit(static_cast<int>(save()));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == CannotDrop)
        return std::nullopt;
    return static_cast<SaveOutcome>(WEXITSTATUS(status));
}

TEST_F(WholeFileSaves, saveIntoAReadOnlyFolderCannotOpenAndKeepsTheOldFile) {
    folder.write("a.ovn", old);
    GiveToOrdinaryUser(folder.path());
    ::chmod(folder.path().c_str(), 0555);
    const std::optional<SaveOutcome> outcome =
        SaveAsOrdinaryUser([&] { return SaveWholeFile(files, folder.file("a.ovn"), "X"); });
    ::chmod(folder.path().c_str(), 0755);
    ASSERT_TRUE(outcome.has_value()) << "could not run the save without privileges";
    EXPECT_EQ(*outcome, SaveOutcome::CannotOpen);
    EXPECT_EQ(folder.read("a.ovn"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.ovn"});
}

TEST_F(WholeFileSaves, replacedFileKeepsItsPermissionsAndItsLink) {
    folder.write("real.ini", old);
    ::chmod(folder.file("real.ini").c_str(), 0640);
    std::filesystem::create_symlink(folder.file("real.ini"), folder.file("link.ini"));
    EXPECT_EQ(SaveWholeFile(files, folder.file("link.ini"), "X"), SaveOutcome::Saved);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.ini")));
    EXPECT_EQ(folder.read("real.ini"), "X");
    struct stat st {};
    ::stat(folder.file("real.ini").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(WholeFileSaves, fileThatCannotBeReadIsNotOverwrittenByAnUpdate) {
    folder.write("a.ovn", old);
    files.unreadable = true;
    bool edited = false;
    EXPECT_EQ(UpdateIniFile(files, folder.file("a.ovn"), [&](IniDocument&) { edited = true; }),
              SaveOutcome::CannotOpen);
    EXPECT_FALSE(edited);
    EXPECT_EQ(folder.read("a.ovn"), old);
}

TEST_F(WholeFileSaves, loadTellsMissingFromUnreadable) {
    EXPECT_EQ(LoadIniFile(files, folder.file("none.ini")).outcome, ReadOutcome::Missing);
    EXPECT_EQ(LoadIniFile(files, folder.file("none/x.ini")).outcome, ReadOutcome::Missing);
    std::filesystem::create_directory(folder.file("dir.ini"));
    EXPECT_EQ(LoadIniFile(files, folder.file("dir.ini")).outcome, ReadOutcome::Unreadable);
    ::mkfifo(folder.file("pipe.ini").c_str(), 0600);
    EXPECT_EQ(LoadIniFile(files, folder.file("pipe.ini")).outcome, ReadOutcome::Unreadable);
}

}  // namespace
}  // namespace orvane::storage
