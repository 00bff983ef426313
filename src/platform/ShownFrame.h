#pragma once

#include <memory>

namespace platform {

class DisplaySurface;

// The picture a display showed last, without a copy per frame: the shown surface itself while
// its pixels stay as shown, else the copy it took of them just before they changed.
struct ShownFrame {
    const DisplaySurface* live = nullptr;
    std::unique_ptr<DisplaySurface> kept;

    // Null before anything was shown.
    const DisplaySurface* picture() const { return live ? live : kept.get(); }
};

} // namespace platform
