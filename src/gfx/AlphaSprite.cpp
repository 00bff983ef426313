#include "gfx/AlphaSprite.h"

#include "core/Log.h"
#include "core/Quit.h"
#include "core/ScreenSize.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

constexpr const char* kSourceFile = ".\\AlphaSprite";

using platform::DisplayResult;

struct Channels {
    std::uint32_t redMask, greenMask, blueMask;
    int redShift, greenShift, blueShift;
};

Channels ScreenChannels() {
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    return {display.GetRedMask(),  display.GetGreenMask(),  display.GetBlueMask(),
            display.GetRedShift(), display.GetGreenShift(), display.GetBlueShift()};
}

// The screen layouts of the game, known at compile time, so that the compiler mixes several
// pixels at once; another layout mixes with the channels the display reports.
struct Layout565 {
    static constexpr std::uint32_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x001F;
    static constexpr int redShift = 11, greenShift = 6, blueShift = 0;
};
struct LayoutX8R8G8B8 {
    static constexpr std::uint32_t redMask = 0xFF0000, greenMask = 0xFF00, blueMask = 0xFF;
    static constexpr int redShift = 16, greenShift = 8, blueShift = 0;
};

template <typename Layout> bool Is(const Channels& c) {
    return c.redMask == Layout::redMask && c.greenMask == Layout::greenMask &&
           c.blueMask == Layout::blueMask && c.redShift == Layout::redShift &&
           c.greenShift == Layout::greenShift && c.blueShift == Layout::blueShift;
}

InclusiveRect Union(const InclusiveRect& a, const InclusiveRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// d + ((s - d) * a >> 8) for one channel, rounding down, which is (s * a + d * (256 - a)) >> 8:
// no negative steps, so the compiler can mix several pixels at once.
inline std::uint32_t BlendChannel(std::uint32_t source, std::uint32_t target, std::uint32_t mask,
                                  int shift, std::uint32_t alpha) {
    const std::uint32_t s = (source & mask) >> shift;
    const std::uint32_t d = (target & mask) >> shift;
    return ((s * alpha + d * (256 - alpha)) >> 8) << shift;
}

// `alpha` 0 keeps the target, 255 takes the picture's pixel, anything between mixes.
template <typename Pixel, typename Layout>
void BlendPixels(const Pixel* source, const std::uint8_t* alpha, Pixel* target, int count,
                 const Layout& c) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t a = alpha[i];
        const std::uint32_t s = source[i];
        const std::uint32_t d = target[i];
        const auto mixed = static_cast<Pixel>(BlendChannel(s, d, c.redMask, c.redShift, a) |
                                              BlendChannel(s, d, c.greenMask, c.greenShift, a) |
                                              BlendChannel(s, d, c.blueMask, c.blueShift, a));
        target[i] = a == 0 ? target[i] : a == 255 ? source[i] : mixed;
    }
}

// N pixels of a known layout at once, each channel in a 16-bit lane: s * a + d * (256 - a) stays
// below 2^16 for channels of up to eight bits. The compiler spreads the vectors over the
// widest registers the function may use.
template <typename T, int N> using Vec [[gnu::vector_size(N * sizeof(T))]] = T;

// Out through a reference: a vector wider than 16 bytes passed by value would depend on AVX.
template <typename Lanes>
[[gnu::always_inline]] inline void Mix(const Lanes& s, const Lanes& d, const Lanes& a,
                                       const Lanes& inverse, Lanes& mixed) {
    mixed = (s * a + d * inverse) >> 8;
}

template <int N>
[[gnu::always_inline]] inline void BlendStep(const std::uint16_t* source, const std::uint8_t* alpha,
                                             std::uint16_t* target, const Layout565&) {
    using Lanes = Vec<std::uint16_t, N>;
    Lanes s;
    Lanes d;
    Vec<std::uint8_t, N> weights;
    std::memcpy(&s, source, sizeof s);
    std::memcpy(&d, target, sizeof d);
    std::memcpy(&weights, alpha, sizeof weights);
    const Lanes a = __builtin_convertvector(weights, Lanes);
    const Lanes inverse = 256 - a;
    Lanes red;
    Lanes green;
    Lanes blue;
    Mix<Lanes>(s >> 11, d >> 11, a, inverse, red);
    Mix<Lanes>((s >> 6) & 31, (d >> 6) & 31, a, inverse, green);
    Mix<Lanes>(s & 31, d & 31, a, inverse, blue);
    const Lanes mixed = red << 11 | green << 6 | blue;
    const Lanes result = a == 0 ? d : a == 255 ? s : mixed;
    std::memcpy(target, &result, sizeof result);
}

template <int N>
[[gnu::always_inline]] inline void BlendStep(const std::uint32_t* source, const std::uint8_t* alpha,
                                             std::uint32_t* target, const LayoutX8R8G8B8&) {
    using Words = Vec<std::uint32_t, N>;
    // The same N pixels seen as 2N 16-bit halves.
    using Halves = Vec<std::uint16_t, 2 * N>;
    Words s;
    Words d;
    Vec<std::uint8_t, N> weights;
    std::memcpy(&s, source, sizeof s);
    std::memcpy(&d, target, sizeof d);
    std::memcpy(&weights, alpha, sizeof weights);
    // Through 16 bits: straight from bytes to words, narrow registers take a pixel at a time.
    const Words wide =
        __builtin_convertvector(__builtin_convertvector(weights, Vec<std::uint16_t, N>), Words);
    // Red and blue, then green, each in the low byte of its own half.
    const Halves a = reinterpret_cast<Halves>(wide | wide << 16);
    const Halves inverse = 256 - a;
    Halves redBlue;
    Halves green;
    Mix<Halves>(reinterpret_cast<Halves>(s & 0xFF00FF), reinterpret_cast<Halves>(d & 0xFF00FF), a,
                inverse, redBlue);
    Mix<Halves>(reinterpret_cast<Halves>(s >> 8 & 0xFF), reinterpret_cast<Halves>(d >> 8 & 0xFF), a,
                inverse, green);
    const Words mixed = reinterpret_cast<Words>(redBlue) | reinterpret_cast<Words>(green) << 8;
    const Words result = wide == 0 ? d : wide == 255 ? s : mixed;
    std::memcpy(target, &result, sizeof result);
}

template <int N, typename Pixel>
void BlendStep(const Pixel* source, const std::uint8_t* alpha, Pixel* target, const Channels& c) {
    BlendPixels<Pixel>(source, alpha, target, N, c);
}

// One row in steps of N pixels. With `skip`, a step of clear weights is left out and one of
// opaque weights copied: the clear outside and opaque inside of a soft shape skip the
// arithmetic. Wide vectors mix every step instead, since then no load waits on a guess about
// the weights before it. A row that does not end on a whole step ends with a step over its
// last N pixels, mixed from the target as it was, so that where it overlaps the step before
// both agree.
template <int N, bool skip, typename Pixel, typename Layout>
[[gnu::always_inline]] inline void BlendRow(const Pixel* source, const std::uint8_t* alpha,
                                            Pixel* target, int count, const Layout& c) {
    constexpr int kNarrow = 8;
    if constexpr (N > kNarrow) {
        if (count < N)
            return BlendRow<kNarrow, true>(source, alpha, target, count, c);
    } else if (count < N) {
        return BlendPixels<Pixel>(source, alpha, target, count, c);
    }
    const int lastStep = count - N;
    Pixel last[N];
    std::memcpy(last, target + lastStep, sizeof last);
    int i = 0;
    for (; i + N <= count; i += N) {
        if constexpr (skip) {
            static_assert(N == kNarrow, "the weights of a step are read as one word");
            std::uint64_t weights = 0;
            std::memcpy(&weights, alpha + i, N);
            if (weights == 0)
                continue;
            if (weights == ~std::uint64_t{0}) {
                std::memcpy(target + i, source + i, N * sizeof(Pixel));
                continue;
            }
        }
        BlendStep<N>(source + i, alpha + i, target + i, c);
    }
    if (i == count)
        return;
    BlendStep<N>(source + lastStep, alpha + lastStep, last, c);
    std::memcpy(target + lastStep, last, sizeof last);
}

struct RowsToBlend {
    const Image& image;
    const Image& alpha;
    std::size_t firstIndex;
    const platform::SurfaceDescription& locked;
    int columns;
    int rows;
};

template <int N, bool skip, typename Pixel, typename Layout>
[[gnu::always_inline]] inline void BlendRows(const RowsToBlend& part, const Layout& channels) {
    const Pixel* pixels = reinterpret_cast<const Pixel*>(part.image.GetData());
    const std::uint8_t* weights = part.alpha.GetData();
    const std::size_t stride = static_cast<std::size_t>(part.image.GetWidth());
    for (int row = 0; row < part.rows; ++row) {
        const std::size_t index = part.firstIndex + row * stride;
        Pixel* target = reinterpret_cast<Pixel*>(part.locked.bits +
                                                 static_cast<std::size_t>(row) * part.locked.pitch);
        BlendRow<N, skip>(pixels + index, weights + index, target, part.columns, channels);
    }
}

template <typename Pixel, typename Layout>
void BlendRowsNarrow(const RowsToBlend& part, const Layout& channels) {
    BlendRows<8, true, Pixel>(part, channels);
}

#if defined(__x86_64__)
template <typename Pixel, typename Layout>
__attribute__((target("avx2"))) void BlendRows256(const RowsToBlend& part, const Layout& channels) {
    BlendRows<32 / sizeof(Pixel), false, Pixel>(part, channels);
}

template <typename Pixel, typename Layout>
__attribute__((target("avx512bw"))) void BlendRows512(const RowsToBlend& part,
                                                      const Layout& channels) {
    BlendRows<64 / sizeof(Pixel), false, Pixel>(part, channels);
}

AlphaSprite::Vectors WidestVectors() {
    if (__builtin_cpu_supports("avx512bw"))
        return AlphaSprite::Vectors::Wide512;
    return __builtin_cpu_supports("avx2") ? AlphaSprite::Vectors::Wide256
                                          : AlphaSprite::Vectors::Narrow;
}
#else
AlphaSprite::Vectors WidestVectors() {
    return AlphaSprite::Vectors::Narrow;
}
#endif

AlphaSprite::Vectors& VectorsInUse() {
    static AlphaSprite::Vectors inUse = WidestVectors();
    return inUse;
}

template <typename Pixel> void BlendRows(const RowsToBlend& part) {
    const Channels channels = ScreenChannels();
    using Known = std::conditional_t<sizeof(Pixel) == 2, Layout565, LayoutX8R8G8B8>;
    if (!Is<Known>(channels))
        return BlendRowsNarrow<Pixel>(part, channels);
    switch (VectorsInUse()) {
#if defined(__x86_64__)
    case AlphaSprite::Vectors::Wide512:
        return BlendRows512<Pixel>(part, Known{});
    case AlphaSprite::Vectors::Wide256:
        return BlendRows256<Pixel>(part, Known{});
#endif
    default:
        return BlendRowsNarrow<Pixel>(part, Known{});
    }
}

// Each target pixel takes the nearest picture pixel and its weight: a shrinking picture (an
// eaten insect) needs no finer filter.
template <typename Pixel>
void BlendScaledRows(const Image& image, const Image& alpha, int imageX, int imageY,
                     const InclusiveRect& source, const InclusiveRect& destination,
                     const platform::SurfaceDescription& locked) {
    const Pixel* pixels = reinterpret_cast<const Pixel*>(image.GetData());
    const std::uint8_t* weights = alpha.GetData();
    const std::size_t stride = static_cast<std::size_t>(image.GetWidth());
    const Channels channels = ScreenChannels();
    const int columns = destination.Width();
    const int rows = destination.Height();
    Pixel rowPixels[ScreenSize::kWidth];
    std::uint8_t rowWeights[ScreenSize::kWidth];
    for (int row = 0; row < rows; ++row) {
        const int pictureY = imageY + source.top + row * source.Height() / rows;
        const std::size_t rowStart = static_cast<std::size_t>(pictureY) * stride;
        for (int column = 0; column < columns; ++column) {
            const int pictureX = imageX + source.left + column * source.Width() / columns;
            rowPixels[column] = pixels[rowStart + static_cast<std::size_t>(pictureX)];
            rowWeights[column] = weights[rowStart + static_cast<std::size_t>(pictureX)];
        }
        Pixel* target =
            reinterpret_cast<Pixel*>(locked.bits + static_cast<std::size_t>(row) * locked.pitch);
        BlendPixels<Pixel>(rowPixels, rowWeights, target, columns, channels);
    }
}

} // namespace

AlphaSprite::Vectors AlphaSprite::LimitVectors(Vectors widest) {
    VectorsInUse() = std::min(widest, WidestVectors());
    return VectorsInUse();
}

bool AlphaSprite::Create(std::unique_ptr<Image> picture, std::unique_ptr<Image> alphaMap,
                         int pictureWidth, int pictureHeight, int x, int y, bool crop) {
    if (!picture || !alphaMap)
        return false;
    if (picture->GetWidth() != alphaMap->GetWidth() ||
        picture->GetHeight() != alphaMap->GetHeight()) {
        QuitFatally("image and alpha map sizes do not match.\n");
        return false;
    }
    if (picture->BytesPerPixel() != 2 && picture->BytesPerPixel() != 4) {
        Log("AlphaSprite::Create: a %d-bit picture is not in a screen format\n",
            picture->GetDepth());
        return false;
    }
    if (alphaMap->GetDepth() != 8 || picture->IsRle() || alphaMap->IsRle()) {
        Log("AlphaSprite::Create: the alpha map must be an 8-bit picture\n");
        return false;
    }
    if (crop) {
        if (x != 0 || y != 0)
            // Kept as written: logs and their readers rely on this exact line.
            Log("Image offset supplied for croped sprite. Is that what you want?\n");
        const ImageUtil& util = Singleton<ImageUtil>::Instance();
        const InclusiveRect box = Union(util.BoundingBox(*picture), util.BoundingBox(*alphaMap));
        picture = CopyPart(*picture, box);
        alphaMap = CopyPart(*alphaMap, box);
        if (!picture || !alphaMap)
            return false;
        offsetX = box.left;
        offsetY = box.top;
        pictureWidth = box.Width();
        pictureHeight = box.Height();
        x = 0;
        y = 0;
    }
    if (x < 0 || y < 0 || pictureWidth < 1 || pictureHeight < 1 ||
        pictureWidth > picture->GetWidth() - x || pictureHeight > picture->GetHeight() - y) {
        Log("Invalid image offset supplied.\n");
        return false;
    }
    image = std::move(picture);
    alpha = std::move(alphaMap);
    imageX = x;
    imageY = y;
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

void AlphaSprite::Render(const RenderParams& params) {
    if (!image)
        return;
    if (params.flags & RP_DST_SIZE) {
        RenderScaled(params);
        return;
    }
    InclusiveRect source;
    int x = 0;
    int y = 0;
    if (PlaceUnscaled(params, width, height, offsetX, offsetY, x, y, source))
        Blend(x, y, source);
}

template <typename Mix>
void AlphaSprite::DrawInto(const platform::Rect& area, const InclusiveRect& source, Mix mix) {
    DirectDraw& display = Singleton<DirectDraw>::Instance();
    platform::DisplaySurface* target = display.GetDrawTarget();
    if (!target)
        return;
    platform::SurfaceDescription locked;
    if (!Answer(target->lock(&area, locked), __LINE__))
        return;
    const int depth = locked.format.bitsPerPixel;
    if (depth == 16 && image->GetDepth() == 16)
        mix(std::uint16_t{}, locked);
    else if (depth == 32 && image->GetDepth() == 32)
        mix(std::uint32_t{}, locked);
    else
        QuitFatally("Invalid screen directDraw screendepth.\n");
    if (Answer(target->unlock(), __LINE__))
        display.Draws().Blend(*target, *image, *alpha, imageX + source.left, imageY + source.top,
                              area);
}

void AlphaSprite::Blend(int x, int y, const InclusiveRect& source) {
    if (image->GetWidth() != alpha->GetWidth() || image->GetHeight() != alpha->GetHeight()) {
        // Kept as written: logs and their readers rely on this exact line.
        Log("diffuse and alpha image sizes do not match.\n Skipping rendering.\n");
        return;
    }
    const int columns = source.Width();
    const int rows = source.Height();
    const platform::Rect area{x, y, x + columns, y + rows};
    const std::size_t firstIndex =
        static_cast<std::size_t>(imageY + source.top) * image->GetWidth() +
        static_cast<std::size_t>(imageX + source.left);
    DrawInto(area, source, [&](auto pixel, const platform::SurfaceDescription& locked) {
        BlendRows<decltype(pixel)>({*image, *alpha, firstIndex, locked, columns, rows});
    });
}

// Scaling is the one draw that may reach outside the requested part, so the part is first cut
// to the picture.
void AlphaSprite::RenderScaled(const RenderParams& params) {
    InclusiveRect source = SourceRect(params, width, height);
    source.left = std::max(source.left, 0);
    source.top = std::max(source.top, 0);
    source.right = std::min(source.right, width - 1);
    source.bottom = std::min(source.bottom, height - 1);
    const int left = params.dstX + offsetX;
    const int top = params.dstY + offsetY;
    InclusiveRect destination{left, top, left + params.dstW - 1, top + params.dstH - 1};
    if (!ClipScaled(destination, source))
        return;
    const platform::Rect area = destination.ToExclusive();
    DrawInto(area, source, [&](auto pixel, const platform::SurfaceDescription& locked) {
        BlendScaledRows<decltype(pixel)>(*image, *alpha, imageX, imageY, source, destination,
                                         locked);
    });
}

bool AlphaSprite::Answer(DisplayResult result, int line) {
    if (result == platform::dd::SurfaceLost) {
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
    } else if (result != platform::dd::Ok) {
        Singleton<DirectDraw>::Instance().LogIfFailed(result, kSourceFile, line);
        Singleton<SpriteManager>::Instance().ReportInvalidSprite(this);
    }
    return result == platform::dd::Ok;
}
