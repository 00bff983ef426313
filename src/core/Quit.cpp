#include "core/Quit.h"

#include "core/Log.h"
#include "platform/Platform.h"

void PostQuit(ExitCode code) {
    platform::Platform::current().window().postQuit(ToInt(code));
}

void QuitFatally(const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogArgs(format, args);
    va_end(args);
    PostQuit(ExitCode::Fatal);
}
