// A fresh directory under the system's temporary folder for one test, removed with
// everything in it when the object goes. Test thread only.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace orvane::testing {

class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace orvane::testing
