#include "support/ScratchFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() : previous(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "quagleaper-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
    fs::current_path(path);
}

ScratchFolder::~ScratchFolder() {
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
    const fs::path file = path / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ScratchFolder::Read(const std::string& name) const {
    std::ifstream file(path / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
