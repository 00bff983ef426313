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
    if (!shown)
        shown = std::make_shared<ShownFrame>();
    primary.showAs(shown);
}

// The picture going is never asked for again, so it need not be kept.
void HeadlessDisplayDevice::replacingShown() {
    if (shown)
        shown->live = nullptr;
}

} // namespace platform
