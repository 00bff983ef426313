#include "FuzzFolder.h"

#include "core/Log.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

FuzzFolder::FuzzFolder() {
    char pattern[] = "/tmp/quagleaper-fuzz-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    std::filesystem::current_path(pattern);
    std::filesystem::create_directory("data");
}

void FuzzFolder::Write(const std::string& path, const std::uint8_t* data, std::size_t size) const {
    ResetLog();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}
