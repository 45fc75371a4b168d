// The process's current working directory, where `Charger.INI` lives and under which the
// parameter files are kept. Injected so tests choose the folder and see every change. Owned
// by the window; window thread only.
#pragma once

#include <string>
#include <string_view>

namespace orvane::storage {

class WorkingDirectory {
  public:
    virtual ~WorkingDirectory() = default;
    // Empty when it cannot be told (the folder was removed); paths then stay relative.
    virtual std::string current() const = 0;
    virtual bool change(const std::string& path) = 0;
};

class ProcessWorkingDirectory final : public WorkingDirectory {
  public:
    std::string current() const override;
    bool change(const std::string& path) override;
};

// `folder` + "/" + `name`, or `name` alone when the folder is unknown.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace orvane::storage
