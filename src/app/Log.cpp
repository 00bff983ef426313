#include "app/Log.h"

#include <cstdarg>
#include <cstdio>

namespace {
constexpr const char* kLogFileName = "debug.txt";
constexpr int kMessageCapacity = 2048;
} // namespace

bool ResetLog() {
    std::FILE* file = std::fopen(kLogFileName, "w");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

void Log(const char* format, ...) {
    char message[kMessageCapacity];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);

    if (std::FILE* file = std::fopen(kLogFileName, "a")) {
        std::fputs(message, file);
        std::fflush(file);
        std::fclose(file);
    }
    std::fputs(message, stderr);
}
