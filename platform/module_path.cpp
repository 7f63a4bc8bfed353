#include "platform/module_path.h"

#include <filesystem>
#include <system_error>

namespace pl {

std::string GetModuleFileName() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string ModuleDirectory() {
    std::string path = GetModuleFileName();
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

} // namespace pl
