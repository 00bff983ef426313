#include "platform/DisplaySurface.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__)
#include <tmmintrin.h>
#endif

namespace platform {

namespace {

static_assert(std::endian::native == std::endian::little, "surfaces keep little-endian pixels");

// Rows start on 16-byte boundaries, as in video memory; callers must step by the pitch.
constexpr int kRowAlignment = 16;

int PitchOf(int width, const SurfaceFormat& format) {
    const int bytes = width * format.bytesPerPixel();
    return (bytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
}

template <int Bytes> uint32_t Load(const uint8_t* at) {
    uint32_t pixel = 0;
    std::memcpy(&pixel, at, Bytes);
    return pixel;
}

template <int Bytes> void Store(uint8_t* at, uint32_t pixel) {
    std::memcpy(at, &pixel, Bytes);
}

// One row of `count` pixels taken from the source columns `columns` (in pixels from the row's
// start) and written one after the other; keyed pixels leave the destination as it was.
template <int Bytes>
void SampleRow(const uint8_t* sourceRow, const int* columns, uint8_t* destination, int count,
               const uint32_t* keyLow, const uint32_t* keyHigh) {
    for (int i = 0; i < count; ++i) {
        const uint32_t pixel = Load<Bytes>(sourceRow + columns[i] * Bytes);
        if (keyLow && pixel >= *keyLow && pixel <= *keyHigh)
            continue;
        Store<Bytes>(destination + i * Bytes, pixel);
    }
}

// The same without a key, for 2 or 4 bytes a pixel: the pixels go out eight bytes at a time,
// since a stretch fills rows that are not in the cache and each store waits for its line.
template <typename Pixel>
void SampleRowOpaque(const uint8_t* sourceRow, const int* columns, uint8_t* destination,
                     int count) {
    constexpr int kPerWord = sizeof(uint64_t) / sizeof(Pixel);
    const Pixel* from = reinterpret_cast<const Pixel*>(sourceRow);
    int i = 0;
    for (; i + kPerWord <= count; i += kPerWord) {
        uint64_t word = 0;
        for (int k = 0; k < kPerWord; ++k)
            word |= uint64_t{from[columns[i + k]]} << (k * 8 * sizeof(Pixel));
        std::memcpy(destination + i * sizeof(Pixel), &word, sizeof word);
    }
    for (; i < count; ++i)
        std::memcpy(destination + i * sizeof(Pixel), from + columns[i], sizeof(Pixel));
}

void SampleRowOf(int bytes, const uint8_t* sourceRow, const int* columns, uint8_t* destination,
                 int count, const uint32_t* keyLow, const uint32_t* keyHigh) {
    if (!keyLow && bytes == 2)
        return SampleRowOpaque<uint16_t>(sourceRow, columns, destination, count);
    if (!keyLow && bytes == 4)
        return SampleRowOpaque<uint32_t>(sourceRow, columns, destination, count);
    switch (bytes) {
    case 2:
        return SampleRow<2>(sourceRow, columns, destination, count, keyLow, keyHigh);
    case 3:
        return SampleRow<3>(sourceRow, columns, destination, count, keyLow, keyHigh);
    default:
        return SampleRow<4>(sourceRow, columns, destination, count, keyLow, keyHigh);
    }
}

// Sixteen bytes of a stretched row: the source bytes from `from` on, in the order `order` gives.
struct ShuffleStep {
    alignas(16) uint8_t order[16];
    int from;
};

#if defined(__x86_64__)
bool HasByteShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

__attribute__((target("ssse3"))) void ShuffleRow(const uint8_t* sourceRow, const ShuffleStep* steps,
                                                 int count, uint8_t* destination) {
    for (int i = 0; i < count; ++i) {
        const __m128i picked =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(sourceRow + steps[i].from));
        const __m128i order = _mm_load_si128(reinterpret_cast<const __m128i*>(steps[i].order));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + 16 * i),
                         _mm_shuffle_epi8(picked, order));
    }
}
#else
bool HasByteShuffle() {
    return false;
}
void ShuffleRow(const uint8_t*, const ShuffleStep*, int, uint8_t*) {}
#endif

// A zoom enlarges, moving on at most one source pixel a destination pixel, so sixteen
// destination bytes come from the sixteen source bytes where they start and one byte shuffle
// places them. The steps are worked out once a blit, from the row's start until one would
// reach past the source row or further than sixteen bytes; the pixels after them are sampled
// one by one.
void PlanShuffles(const int* columns, int count, int bytes, int sourceRowBytes,
                  std::vector<ShuffleStep>& steps) {
    steps.clear();
    if ((bytes != 2 && bytes != 4) || !HasByteShuffle())
        return;
    const int perStep = 16 / bytes;
    for (int first = 0; first + perStep <= count; first += perStep) {
        ShuffleStep step{};
        step.from = columns[first] * bytes;
        if (step.from + 16 > sourceRowBytes)
            return;
        for (int byte = 0; byte < 16; ++byte) {
            const int order =
                (columns[first + byte / bytes] - columns[first]) * bytes + byte % bytes;
            if (order > 15)
                return;
            step.order[byte] = static_cast<uint8_t>(order);
        }
        steps.push_back(step);
    }
}

// Rows start 16-byte aligned and pixels are 2 or 4 bytes, so each pixel is aligned too.
template <typename Pixel>
bool IsKeyed(const uint8_t* row, int x, uint32_t keyLow, uint32_t keyHigh) {
    const Pixel pixel = reinterpret_cast<const Pixel*>(row)[x];
    return pixel >= keyLow && pixel <= keyHigh;
}

// The source position for destination step `step` of `steps` over `sourceSize` pixels: each
// destination pixel takes the source pixel under its centre.
int SourceStep(int step, int steps, int sourceSize) {
    return static_cast<int>((2LL * step + 1) * sourceSize / (2LL * steps));
}

} // namespace

DisplaySurface::DisplaySurface(int width, int height, const SurfaceFormat& format,
                               std::shared_ptr<const SurfaceLosses> losses)
    : surfaceWidth(width), surfaceHeight(height), surfaceFormat(format),
      rowPitch(PitchOf(width, format)), pixels(static_cast<size_t>(rowPitch) * height),
      losses(std::move(losses)), lossesSeen(this->losses ? this->losses->count : 0) {}

DisplaySurface::~DisplaySurface() {
    if (shownAs)
        handOverShownPixels();
}

bool DisplaySurface::isLost() const {
    return losses && losses->count != lossesSeen;
}

void DisplaySurface::changed() {
    if (shownAs)
        handOverShownPixels();
    ++contentVersion;
    spansFound = false;
}

void DisplaySurface::showAs(std::shared_ptr<ShownFrame> frame) const {
    frame->live = this;
    shownAs = std::move(frame);
}

void DisplaySurface::handOverShownPixels() const {
    const std::shared_ptr<ShownFrame> frame = std::move(shownAs);
    shownAs.reset();
    if (frame->live != this)
        return;
    frame->live = nullptr;
    if (frame->kept)
        *frame->kept = *this;
    else
        frame->kept = std::make_unique<DisplaySurface>(*this);
}

void DisplaySurface::swapPixels(DisplaySurface& other) {
    changed();
    other.changed();
    pixels.swap(other.pixels);
}

DisplayResult DisplaySurface::lock(const Rect* area, SurfaceDescription& out) {
    if (isLost())
        return dd::SurfaceLost;
    if (locked)
        return dd::SurfaceBusy;
    // Whoever locks may write.
    changed();
    const Rect whole{0, 0, surfaceWidth, surfaceHeight};
    const Rect& locking = area ? *area : whole;
    if (!locking.liesWithin(surfaceWidth, surfaceHeight))
        return dd::InvalidRect;
    locked = true;
    out = {address(locking.left, locking.top), rowPitch, surfaceWidth, surfaceHeight,
           surfaceFormat};
    return dd::Ok;
}

DisplayResult DisplaySurface::unlock() {
    if (!locked)
        return dd::NotLocked;
    locked = false;
    return isLost() ? dd::SurfaceLost : dd::Ok;
}

DisplayResult DisplaySurface::setColorKey(uint32_t low, uint32_t high) {
    if (isLost())
        return dd::SurfaceLost;
    if (low > high)
        return dd::InvalidParams;
    colorKey = ColorKey{low, high};
    spansFound = false;
    return dd::Ok;
}

DisplayResult DisplaySurface::blit(const Rect* destination, const DisplaySurface& source,
                                   const Rect* sourceArea, BlitKey key) {
    const Rect to = destination ? *destination : Rect{0, 0, surfaceWidth, surfaceHeight};
    const Rect from = sourceArea ? *sourceArea : Rect{0, 0, source.width(), source.height()};
    if (const DisplayResult refused = checkBlit(to, source, from, key))
        return refused;
    if (&source == this) {
        // Overlapping areas must read the pixels as they were before the blit.
        const DisplaySurface before = source;
        return blit(&to, before, &from, key);
    }
    changed();
    const bool sameSize = to.width() == from.width() && to.height() == from.height();
    const int bytes = surfaceFormat.bytesPerPixel();
    if (sameSize && key == BlitKey::Opaque)
        copyRows(to, source, from);
    else if (sameSize && (bytes == 2 || bytes == 4))
        copyRowsKeyed(to, source, from);
    else
        stretchRows(to, source, from, key);
    return dd::Ok;
}

DisplayResult DisplaySurface::blitFast(int x, int y, const DisplaySurface& source,
                                       const Rect* sourceArea, BlitKey key) {
    const Rect from = sourceArea ? *sourceArea : Rect{0, 0, source.width(), source.height()};
    const Rect to{x, y, x + from.width(), y + from.height()};
    return blit(&to, source, &from, key);
}

DisplayResult DisplaySurface::fill(const Rect* area, uint32_t pixel) {
    if (isLost())
        return dd::SurfaceLost;
    if (locked)
        return dd::SurfaceBusy;
    const Rect filling = area ? *area : Rect{0, 0, surfaceWidth, surfaceHeight};
    if (!filling.liesWithin(surfaceWidth, surfaceHeight))
        return dd::InvalidRect;
    changed();
    for (int y = filling.top; y < filling.bottom; ++y)
        for (int x = filling.left; x < filling.right; ++x)
            surfaceFormat.write(address(x, y), pixel);
    return dd::Ok;
}

DisplayResult DisplaySurface::restore() {
    if (!isLost())
        return dd::Ok;
    lossesSeen = losses->count;
    locked = false;
    changed();
    std::fill(pixels.begin(), pixels.end(), uint8_t{0});
    return dd::Ok;
}

std::vector<uint32_t> DisplaySurface::toXrgb() const {
    std::vector<uint32_t> picture(static_cast<size_t>(surfaceWidth) * surfaceHeight);
    for (int y = 0; y < surfaceHeight; ++y)
        surfaceFormat.rowToXrgb(row(y), picture.data() + static_cast<size_t>(y) * surfaceWidth,
                                surfaceWidth);
    return picture;
}

DisplayResult DisplaySurface::checkBlit(const Rect& destination, const DisplaySurface& source,
                                        const Rect& sourceArea, BlitKey key) const {
    if (isLost() || source.isLost())
        return dd::SurfaceLost;
    if (locked || source.locked)
        return dd::SurfaceBusy;
    if (source.surfaceFormat.bitsPerPixel != surfaceFormat.bitsPerPixel)
        return dd::InvalidPixelFormat;
    if (!destination.liesWithin(surfaceWidth, surfaceHeight) ||
        !sourceArea.liesWithin(source.width(), source.height()))
        return dd::InvalidRect;
    if (key == BlitKey::SourceColorKey && !source.colorKey)
        return dd::NoColorKey;
    return dd::Ok;
}

void DisplaySurface::copyRows(const Rect& destination, const DisplaySurface& source,
                              const Rect& sourceArea) {
    // Whole rows of surfaces alike lie in one block, which is copied at once: the background
    // fills the screen so each frame.
    const bool wholeRows = destination.width() == surfaceWidth &&
                           sourceArea.width() == source.width() && rowPitch == source.rowPitch;
    if (wholeRows) {
        std::memcpy(address(0, destination.top), source.address(0, sourceArea.top),
                    static_cast<size_t>(destination.height()) * rowPitch);
        return;
    }
    const size_t rowBytes =
        static_cast<size_t>(destination.width()) * surfaceFormat.bytesPerPixel();
    for (int y = 0; y < destination.height(); ++y)
        std::memcpy(address(destination.left, destination.top + y),
                    source.address(sourceArea.left, sourceArea.top + y), rowBytes);
}

// Every colour-keyed sprite goes through here each frame: the runs of opaque pixels are found
// once per picture, so a blit copies them whole and never reads the destination.
void DisplaySurface::copyRowsKeyed(const Rect& destination, const DisplaySurface& source,
                                   const Rect& sourceArea) {
    if (!source.spansFound)
        source.findOpaqueSpans();
    const int bytes = surfaceFormat.bytesPerPixel();
    const int shift = destination.left - sourceArea.left;
    for (int y = 0; y < destination.height(); ++y) {
        const int sourceY = sourceArea.top + y;
        uint8_t* to = address(0, destination.top + y);
        const uint8_t* from = source.row(sourceY);
        for (int span = source.rowSpans[sourceY]; span < source.rowSpans[sourceY + 1]; ++span) {
            const int start = std::max(source.spans[span].start, sourceArea.left);
            const int end = std::min(source.spans[span].end, sourceArea.right);
            if (start < end)
                std::memcpy(to + (start + shift) * bytes, from + start * bytes,
                            static_cast<size_t>(end - start) * bytes);
        }
    }
}

void DisplaySurface::findOpaqueSpans() const {
    const uint32_t low = colorKey->low;
    const uint32_t high = colorKey->high;
    const bool twoBytes = surfaceFormat.bytesPerPixel() == 2;
    const auto keyed = [&](const uint8_t* pixels, int x) {
        return twoBytes ? IsKeyed<uint16_t>(pixels, x, low, high)
                        : IsKeyed<uint32_t>(pixels, x, low, high);
    };
    spans.clear();
    rowSpans.assign(1, 0);
    for (int y = 0; y < surfaceHeight; ++y) {
        const uint8_t* pixels = row(y);
        for (int x = 0; x < surfaceWidth;) {
            while (x < surfaceWidth && keyed(pixels, x))
                ++x;
            const int start = x;
            while (x < surfaceWidth && !keyed(pixels, x))
                ++x;
            if (start < x)
                spans.push_back({start, x});
        }
        rowSpans.push_back(static_cast<int>(spans.size()));
    }
    spansFound = true;
}

// A transition's zoom stretches the whole screen every frame.
void DisplaySurface::stretchRows(const Rect& destination, const DisplaySurface& source,
                                 const Rect& sourceArea, BlitKey key) {
    // Kept between calls, so that a stretch does not allocate.
    thread_local std::vector<int> columns;
    columns.resize(static_cast<size_t>(destination.width()));
    for (int x = 0; x < destination.width(); ++x)
        columns[x] = sourceArea.left + SourceStep(x, destination.width(), sourceArea.width());
    const bool keyed = key == BlitKey::SourceColorKey;
    const uint32_t* keyLow = keyed ? &source.colorKey->low : nullptr;
    const uint32_t* keyHigh = keyed ? &source.colorKey->high : nullptr;
    const int bytes = surfaceFormat.bytesPerPixel();
    const size_t rowBytes = static_cast<size_t>(destination.width()) * bytes;
    // A shuffle writes every byte, where keyed pixels must leave theirs alone.
    thread_local std::vector<ShuffleStep> steps;
    PlanShuffles(columns.data(), keyed ? 0 : destination.width(), bytes, source.width() * bytes,
                 steps);
    const int shuffled = static_cast<int>(steps.size()) * 16 / bytes;
    int previousSourceY = -1;
    for (int y = 0; y < destination.height(); ++y) {
        const int sourceY =
            sourceArea.top + SourceStep(y, destination.height(), sourceArea.height());
        uint8_t* to = address(destination.left, destination.top + y);
        // An enlarged opaque row that repeats the source row above is the row above again.
        if (!keyed && sourceY == previousSourceY) {
            std::memcpy(to, to - rowPitch, rowBytes);
            continue;
        }
        previousSourceY = sourceY;
        ShuffleRow(source.row(sourceY), steps.data(), static_cast<int>(steps.size()), to);
        SampleRowOf(bytes, source.row(sourceY), columns.data() + shuffled, to + shuffled * bytes,
                    destination.width() - shuffled, keyLow, keyHigh);
    }
}

} // namespace platform
