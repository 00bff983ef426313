#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace FileUtil {

// Length of a data file as File::Open(path, "rb") sees it; 0 (and a log line) when it is missing.
std::size_t FileLength(const std::string& path);

bool FileExists(const std::string& path);

// The game writes paths with backslashes; the disk wants slashes.
std::string NativePath(const std::string& path);

// True when the native path names a regular file, links followed. Anything else that stands
// there (a folder, a FIFO, a device) is logged once per call as refused.
bool IsRegularFile(const std::string& nativePath);

// Opens a native path "rb" only when it is a regular file of at most maxBytes: a FIFO would
// block the start for ever, a device or a huge file would never end. nullptr when missing
// (silently) or refused (with a log line); the caller closes the stream.
std::FILE* OpenRegularFile(const std::string& nativePath, std::size_t maxBytes);

// The rest of an open stream, which it then closes.
std::string ReadAndClose(std::FILE* stream);

// Writes `content` into a file of its own beside the native path `target`, made afresh so that
// nothing planted under its name is followed, then moves it over the target: a failed write never
// costs the old file. False when anything failed; nothing is logged.
bool WriteAndReplace(const std::string& target, const std::string& content);

} // namespace FileUtil
