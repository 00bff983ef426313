#include "world/BackgroundBandLink.h"

#include "world/BackgroundBand.h"

void BackgroundBandLink::Render(const RenderParams& params) {
    if (const auto shown = band.lock())
        shown->Render(params);
}

int BackgroundBandLink::GetWidth() const {
    const auto shown = band.lock();
    return shown ? shown->GetWidth() : 0;
}

int BackgroundBandLink::GetHeight() const {
    const auto shown = band.lock();
    return shown ? shown->GetHeight() : 0;
}

void BackgroundBandLink::Restore() {
    if (const auto shown = band.lock())
        shown->Restore();
}
