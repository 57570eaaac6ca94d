#include "cli/program_dir.h"

#include <filesystem>
#include <system_error>

namespace vantor {

std::string executable_folder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr) exe = fs::absolute(argv0, ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

}  // namespace vantor
