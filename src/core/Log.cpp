#include "core/Log.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int kMessageCapacity = 2048;
// Never through a link, and never waiting on a FIFO that someone left in the log's place.
constexpr int kLogFlags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
} // namespace

bool ResetLog() {
    int descriptor = ::open(kLogFileName, kLogFlags | O_CREAT | O_TRUNC, 0644);
    if (descriptor < 0 && (errno == ELOOP || errno == ENXIO) && ::unlink(kLogFileName) == 0)
        descriptor = ::open(kLogFileName, kLogFlags | O_CREAT | O_EXCL, 0644);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

void Log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogArgs(format, args);
    va_end(args);
}

void LogArgs(const char* format, va_list args) {
    char message[kMessageCapacity];
    std::vsnprintf(message, sizeof message, format, args);

    const int descriptor = ::open(kLogFileName, kLogFlags | O_APPEND | O_CREAT, 0644);
    if (descriptor >= 0) {
        if (std::FILE* file = ::fdopen(descriptor, "a")) {
            std::fputs(message, file);
            std::fclose(file);
        } else {
            ::close(descriptor);
        }
    }
    std::fputs(message, stderr);
}
