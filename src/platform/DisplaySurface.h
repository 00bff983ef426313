#pragma once

#include "platform/DisplayResult.h"
#include "platform/Rect.h"
#include "platform/ShownFrame.h"
#include "platform/SurfaceFormat.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// What a lock hands out: the first pixel of the locked area, the distance between rows in
// bytes, the whole surface's size and its pixel format.
struct SurfaceDescription {
    uint8_t* bits = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
    SurfaceFormat format;
};

// How many times the device lost its surfaces. Shared because the services that own surfaces
// may outlive the device at the end of the process.
struct SurfaceLosses {
    unsigned count = 0;
};

// Whether a blit leaves out the source pixels within the source's colour key.
enum class BlitKey { Opaque, SourceColorKey };

// A block of pixels in the screen's format, the stand-in for a display surface. Every call
// answers like the display calls the game was made for: a lost surface refuses everything but
// `restore`, a locked one refuses blits, and rectangles must lie within the surface.
class DisplaySurface {
  public:
    DisplaySurface(int width, int height, const SurfaceFormat& format,
                   std::shared_ptr<const SurfaceLosses> losses);
    DisplaySurface(const DisplaySurface&) = default;
    DisplaySurface& operator=(const DisplaySurface&) = default;
    // A surface on show leaves its pixels to the display's `ShownFrame` first.
    ~DisplaySurface();

    int width() const { return surfaceWidth; }
    int height() const { return surfaceHeight; }
    int pitch() const { return rowPitch; }
    const SurfaceFormat& format() const { return surfaceFormat; }
    bool isLost() const;
    bool isLocked() const { return locked; }
    // Changes whenever the pixels may have: a lock, a blit or fill into the surface, a restore,
    // a flip.
    unsigned version() const { return contentVersion; }

    // The whole surface when `area` is null.
    DisplayResult lock(const Rect* area, SurfaceDescription& out);
    DisplayResult unlock();

    // Source pixels from `low` to `high` (raw pixel values) are left out by keyed blits.
    DisplayResult setColorKey(uint32_t low, uint32_t high);

    // Stretches `sourceArea` of `source` over `destination`; null areas are whole surfaces.
    DisplayResult blit(const Rect* destination, const DisplaySurface& source,
                       const Rect* sourceArea, BlitKey key);
    // Copies `sourceArea` of `source` to (x, y), unstretched.
    DisplayResult blitFast(int x, int y, const DisplaySurface& source, const Rect* sourceArea,
                           BlitKey key);
    DisplayResult fill(const Rect* area, uint32_t pixel);

    // Brings a lost surface back, cleared to black; its former pixels are gone.
    DisplayResult restore();

    const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * rowPitch; }
    uint32_t pixelAt(int x, int y) const { return surfaceFormat.read(address(x, y)); }
    // The whole picture as 0x00RRGGBB words, row after row.
    std::vector<uint32_t> toXrgb() const;
    // What a flip does to the two buffers of a chain.
    void swapPixels(DisplaySurface& other);
    // The display shows these pixels as `frame`: they are copied into it only if they are about
    // to change or go while `frame` still shows this surface.
    void showAs(std::shared_ptr<ShownFrame> frame) const;

  private:
    uint8_t* address(int x, int y) {
        return pixels.data() + static_cast<size_t>(y) * rowPitch +
               x * surfaceFormat.bytesPerPixel();
    }
    const uint8_t* address(int x, int y) const {
        return pixels.data() + static_cast<size_t>(y) * rowPitch +
               x * surfaceFormat.bytesPerPixel();
    }
    // Before the pixels may change.
    void changed();
    void handOverShownPixels() const;
    // The runs of pixels outside the colour key, found once for the pixels as they are.
    void findOpaqueSpans() const;
    DisplayResult checkBlit(const Rect& destination, const DisplaySurface& source,
                            const Rect& sourceArea, BlitKey key) const;
    void copyRows(const Rect& destination, const DisplaySurface& source, const Rect& sourceArea);
    // Same size, source colour key, 2 or 4 bytes a pixel.
    void copyRowsKeyed(const Rect& destination, const DisplaySurface& source,
                       const Rect& sourceArea);
    void stretchRows(const Rect& destination, const DisplaySurface& source, const Rect& sourceArea,
                     BlitKey key);

    int surfaceWidth;
    int surfaceHeight;
    SurfaceFormat surfaceFormat;
    int rowPitch;
    std::vector<uint8_t> pixels;
    std::shared_ptr<const SurfaceLosses> losses;
    unsigned lossesSeen;
    bool locked = false;
    struct ColorKey {
        uint32_t low;
        uint32_t high;
    };
    std::optional<ColorKey> colorKey;
    unsigned contentVersion = 0;
    struct Span {
        int start;
        int end;
    };
    // A cache: the spans of row y are spans[rowSpans[y]] up to spans[rowSpans[y + 1]].
    mutable std::vector<Span> spans;
    mutable std::vector<int> rowSpans;
    mutable bool spansFound = false;
    mutable std::shared_ptr<ShownFrame> shownAs;
};

} // namespace platform
