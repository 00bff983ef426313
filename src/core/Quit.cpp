#include "core/Quit.h"

#include "core/Log.h"
#include "core/StringUtil.h"
#include "platform/Platform.h"

void PostQuit(ExitCode code) {
    platform::Platform::current().window().postQuit(ToInt(code));
}

namespace {

std::string& FatalError() {
    static std::string first;
    return first;
}

} // namespace

void QuitFatally(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string line = StringUtil::FormatV(format, args);
    va_end(args);
    Log("%s", line.c_str());
    if (FatalError().empty())
        FatalError() = line.substr(0, line.find_last_not_of("\r\n") + 1);
    PostQuit(ExitCode::Fatal);
}

const std::string& FirstFatalError() {
    return FatalError();
}
