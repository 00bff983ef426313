#include "platform/headless/HeadlessDisplayDevice.h"

namespace platform {

DisplayResult HeadlessDisplayDevice::refusal(DisplayCall call) {
    const auto found = refusals.find(call);
    if (found == refusals.end())
        return dd::Ok;
    const DisplayResult result = found->second.result;
    if (--found->second.remaining <= 0)
        refusals.erase(found);
    return result;
}

void HeadlessDisplayDevice::show(const DisplaySurface& primary) {
    ++shownCount;
    if (shown)
        *shown = primary;
    else
        shown = std::make_unique<DisplaySurface>(primary);
}

} // namespace platform
