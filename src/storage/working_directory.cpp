#include "storage/working_directory.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvane::storage {

std::string ProcessWorkingDirectory::current() const {
    std::vector<char> buffer(256);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr)
            return buffer.data();
        if (errno != ERANGE || buffer.size() > 65536)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

bool ProcessWorkingDirectory::change(const std::string& path) {
    return !path.empty() && ::chdir(path.c_str()) == 0;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty())
        return std::string(name);
    std::string path(folder);
    if (path.back() != '/')
        path += '/';
    path += name;
    return path;
}

}  // namespace orvane::storage
