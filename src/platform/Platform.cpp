#include "platform/Platform.h"

#include <cassert>

namespace platform {

namespace {
Platform* installed = nullptr;
}

Platform& Platform::current() {
    assert(installed && "no platform installed");
    return *installed;
}

void Platform::install(Platform* platform) {
    installed = platform;
}

} // namespace platform
