#include "ui/qt/environment.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace ui::qt {

namespace {

// Qt accepts a runtime folder only when it belongs to the user and nobody else may enter it.
bool is_private_folder(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid()) return false;
    return (info.st_mode & 0777) == 0700 || chmod(path.c_str(), 0700) == 0;
}

std::string private_runtime_folder() {
    const std::string fixed = "/tmp/hygrodex-runtime-" + std::to_string(getuid());
    if ((mkdir(fixed.c_str(), 0700) == 0 || errno == EEXIST) && is_private_folder(fixed)) return fixed;
    // Someone else holds the fixed name: take a fresh one.
    std::string pattern = "/tmp/hygrodex-runtime-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) return {};
    return name.data();
}

}  // namespace

void prepare_environment(bool headless) {
    if (headless) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') return;
    const std::string folder = private_runtime_folder();
    if (!folder.empty()) setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace ui::qt
