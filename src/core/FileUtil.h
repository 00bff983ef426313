#pragma once

#include <cstddef>
#include <string>

namespace FileUtil {

// Length of a data file as File::Open(path, "rb") sees it; 0 (and a log line) when it is missing.
std::size_t FileLength(const std::string& path);

bool FileExists(const std::string& path);

// The game writes paths with backslashes; the disk wants slashes.
std::string NativePath(const std::string& path);

} // namespace FileUtil
