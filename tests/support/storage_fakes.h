// Stand-ins for the files and folders: a file system that fails at a chosen step of a
// save, a working directory the test points anywhere, and scripted file dialogs.
// Single-threaded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/file_dialogs.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::testing {

// The real file system, except for the one step told to fail. `crashAtReplace` stands for a
// program killed after the temporary file was written: the rename never happens and
// nothing is cleaned up.
class FaultyFileSystem final : public storage::FileSystem {
  public:
    enum class Step { None, ProtectedTarget, Create, Write, Flush, Close, Replace };
    Step failAt = Step::None;
    bool crashAtReplace = false;
    bool unreadable = false;  // every read reports a file that exists but cannot be read

    storage::FileRead readFile(const std::string& path) override {
        if (unreadable)
            return {storage::ReadOutcome::Unreadable, {}};
        return real_.readFile(path);
    }
    storage::SaveTarget inspectTarget(const std::string& path) override {
        storage::SaveTarget t = real_.inspectTarget(path);
        if (failAt == Step::ProtectedTarget)
            t.writable = false;
        return t;
    }
    std::unique_ptr<storage::OutputFile> createTemporaryBeside(
        const storage::SaveTarget& target) override {
        if (failAt == Step::Create)
            return nullptr;
        auto file = real_.createTemporaryBeside(target);
        if (!file)
            return nullptr;
        return std::make_unique<Output>(std::move(file), failAt);
    }
    void removeLeftoverTemporaries(const storage::SaveTarget& target) override {
        real_.removeLeftoverTemporaries(target);
    }
    bool replace(const std::string& from, const std::string& to) override {
        if (crashAtReplace) {
            crashed_ = true;
            return false;
        }
        if (failAt == Step::Replace)
            return false;
        return real_.replace(from, to);
    }
    void remove(const std::string& path) override {
        if (!crashed_)
            real_.remove(path);
    }
    bool makeFolder(const std::string& path) override {
        return failAt != Step::Create && real_.makeFolder(path);
    }
    // A growing file; `Step::Create` refuses to open one, and after `appendsBeforeFull`
    // appends every further one fails, as on a full disk (-1: never).
    int appendsBeforeFull = -1;
    std::unique_ptr<storage::AppendingFile> openForAppend(const std::string& path) override {
        if (failAt == Step::Create)
            return nullptr;
        auto file = real_.openForAppend(path);
        if (!file)
            return nullptr;
        return std::make_unique<Appending>(std::move(file), appendsBeforeFull);
    }

  private:
    class Output final : public storage::OutputFile {
      public:
        Output(std::unique_ptr<storage::OutputFile> real, Step failAt)
            : real_(std::move(real)), failAt_(failAt) {}
        const std::string& path() const override { return real_->path(); }
        bool write(std::string_view bytes) override {
            if (failAt_ == Step::Write) {
                // A full disk: part of the image goes out before the failure.
                real_->write(bytes.substr(0, bytes.size() / 2));
                return false;
            }
            return real_->write(bytes);
        }
        bool flushToDisk() override { return failAt_ != Step::Flush && real_->flushToDisk(); }
        bool close() override { return real_->close() && failAt_ != Step::Close; }

      private:
        std::unique_ptr<storage::OutputFile> real_;
        Step failAt_;
    };

    class Appending final : public storage::AppendingFile {
      public:
        Appending(std::unique_ptr<storage::AppendingFile> real, int left)
            : real_(std::move(real)), left_(left) {}
        bool wasEmpty() const override { return real_->wasEmpty(); }
        const std::string& firstLine() const override { return real_->firstLine(); }
        bool endsMidLine() const override { return real_->endsMidLine(); }
        bool append(std::string_view bytes) override {
            if (left_ == 0)
                return false;
            if (left_ > 0)
                --left_;
            return real_->append(bytes);
        }

      private:
        std::unique_ptr<storage::AppendingFile> real_;
        int left_;
    };

    storage::PosixFileSystem real_;
    bool crashed_ = false;
};

class FakeWorkingDirectory final : public storage::WorkingDirectory {
  public:
    explicit FakeWorkingDirectory(std::string dir) : dir(std::move(dir)) {}
    std::string current() const override { return dir; }
    bool change(const std::string& path) override {
        changes.push_back(path);
        dir = path;
        return true;
    }
    std::string dir;
    std::vector<std::string> changes;
};

// File dialogs answered from a script: every dialog answers `chosen` (nothing: the operator
// cancels) and is recorded. Like the platform's dialogs, a dialog may leave the working
// directory where the operator browsed to (`browseTo`, given a working directory to move).
class FakeFileDialogs final : public frontend::FileDialogs {
  public:
    struct Call {
        std::string initialFolder;
        std::string proposedName;  // save only
        std::string extensionOrFilter;
    };

    FakeFileDialogs() = default;
    explicit FakeFileDialogs(FakeWorkingDirectory& cwd) : cwd_(&cwd) {}

    std::optional<std::string> chooseSaveFile(const std::string& folder, const std::string& name,
                                              std::string_view extension) override {
        saves.push_back({folder, name, std::string(extension)});
        return answer();
    }
    std::optional<std::string> chooseOpenFile(const std::string& folder,
                                              std::string_view filter) override {
        opens.push_back({folder, {}, std::string(filter)});
        return answer();
    }

    std::optional<std::string> chosen;
    std::string browseTo;
    std::vector<Call> saves, opens;

  private:
    std::optional<std::string> answer() {
        if (!browseTo.empty() && cwd_ != nullptr)
            cwd_->dir = browseTo;
        return chosen;
    }
    FakeWorkingDirectory* cwd_ = nullptr;
};

}  // namespace orvane::testing
