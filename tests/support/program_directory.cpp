#include "tests/support/program_directory.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <cstdlib>

namespace fs = std::filesystem;

namespace testsupport {

ProgramDirectory::ProgramDirectory() {
    std::string pattern = (fs::temp_directory_path() / "trevalyn-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary program directory");
    path_ = pattern + "/";
    fs::copy(TREVALYN_DATA_DIR, pattern, fs::copy_options::recursive);
    for (const char* dir : {"CFG", "DWGS", "LIBS", "help"}) fs::create_directories(path_ + dir);
}

ProgramDirectory::~ProgramDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ProgramDirectory::ReadFile(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ProgramDirectory::WriteFile(const std::string& relative, const std::string& contents) const {
    fs::create_directories(fs::path(File(relative)).parent_path());
    std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
    out << contents;
}

bool ProgramDirectory::Exists(const std::string& relative) const { return fs::exists(File(relative)); }

} // namespace testsupport
