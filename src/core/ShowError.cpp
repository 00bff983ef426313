#include "core/ShowError.h"

#include "core/Log.h"
#include "platform/Platform.h"

void ShowError(const std::string& text) {
    Log("%s\n", text.c_str());
    platform::Platform::current().window().showMessageBox("ERROR", text);
}
