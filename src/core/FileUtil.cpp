#include "core/FileUtil.h"

#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileUtil {

namespace {

void LogNotRegular(const std::string& nativePath) {
    Log("FileUtil: %s is not a regular file and is not read.\n", nativePath.c_str());
}

} // namespace

std::size_t FileLength(const std::string& path) {
    File file;
    if (!file.Open(path, "rb")) {
        Log("FileUtil::FileLength: file not found: %s\n", path.c_str());
        return 0;
    }
    return file.Length();
}

bool FileExists(const std::string& path) {
    return Singleton<FileLoader>::Instance().Exists(path);
}

std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool IsRegularFile(const std::string& nativePath) {
    struct stat status {};
    if (::stat(nativePath.c_str(), &status) != 0)
        return false;
    if (!S_ISREG(status.st_mode)) {
        LogNotRegular(nativePath);
        return false;
    }
    return true;
}

std::FILE* OpenRegularFile(const std::string& nativePath, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    const int descriptor = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const bool fits = regular && static_cast<unsigned long long>(status.st_size) <= maxBytes;
    std::FILE* stream = nullptr;
    if (fits && ::fcntl(descriptor, F_SETFL, 0) == 0)
        stream = ::fdopen(descriptor, "rb");
    if (stream)
        return stream;
    ::close(descriptor);
    if (!regular)
        LogNotRegular(nativePath);
    else if (!fits)
        Log("FileUtil: %s holds %lld bytes, more than the %zu a file of its kind may; it is not "
            "read.\n",
            nativePath.c_str(), static_cast<long long>(status.st_size), maxBytes);
    return nullptr;
}

bool WriteAndReplace(const std::string& target, const std::string& content) {
    const std::string fresh = target + ".new";
    // A leftover of a crashed save, or a link, is removed rather than followed.
    ::unlink(fresh.c_str());
    const int descriptor =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    const bool written =
        ::write(descriptor, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    const bool closed = ::close(descriptor) == 0;
    if (written && closed && std::rename(fresh.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(fresh.c_str());
    return false;
}

std::string ReadAndClose(std::FILE* stream) {
    std::string text;
    char buffer[1024];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stream)) > 0;)
        text.append(buffer, got);
    std::fclose(stream);
    return text;
}

} // namespace FileUtil
