// The busiest frame of the game, headless: level 15 with all seven areas and full lanes, the
// frog on the verge between the road and the river, insects, shadows, and a screen transition
// always running. Each frame is timed in CPU time; right after it, in the same run, come the
// two references for that frame: the floor, one full-screen copy at the screen's depth, and
// the frame's own draw list played through SDL's software blitters (colour key with
// SDL_RLEACCEL, blended blits for alpha and shadows, SDL_BlitScaled for the zoom).
//
// The game runs in a child process per depth, so that every singleton starts fresh. It needs
// the data container: QUAGLEAPER_DAT, or build/run/data/Quagleaper.dat from the current folder.
#include "app/Application.h"
#include "app/HarnessScript.h"
#include "app/ScriptDriver.h"
#include "core/ScreenSize.h"
#include "gfx/DirectDraw.h"
#include "gfx/DrawRecorder.h"
#include "gfx/Image.h"
#include "platform/headless/HeadlessPlatform.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using ScreenSize::kHeight;
using ScreenSize::kWidth;
constexpr int kHops = 8;
constexpr int kTurnsPerHop = 12;
constexpr int kSettleTurns = 62;
constexpr int kWarmUpFrames = 50;
constexpr int kMeasuredFrames = 300;
constexpr int kFirstMeasuredTurn = kSettleTurns + kHops * kTurnsPerHop + kWarmUpFrames;
// Shadows halve the brightness: black at half opacity.
constexpr uint8_t kShadowAlpha = 128;

std::string SceneScript() {
    std::string script = "seed 3\nfocus on\nrun 2\nlevel 15\nrun 60\n";
    for (int hop = 0; hop < kHops; ++hop)
        script += "key UP\nrun " + std::to_string(kTurnsPerHop) + "\n";
    return script + "run " + std::to_string(kWarmUpFrames + kMeasuredFrames) + "\n";
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// Seconds per frame of the game, the floor and SDL, frame by frame.
struct Timings {
    double ours[kMeasuredFrames];
    double floor[kMeasuredFrames];
    double sdl[kMeasuredFrames];
    int frames;
    int draws;
};

uint32_t SdlFormat(int depth) {
    return depth == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
}

SDL_Rect SdlRect(const platform::Rect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

uint64_t Hash(const uint8_t* bytes, size_t count, uint64_t hash) {
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 0x100000001B3ull;
    return hash;
}

// One blit of SDL's, the way an SDL game would draw the same frame: each picture its own
// surface, made once.
struct SdlBlit {
    SDL_Surface* source;
    int target; // index into SdlFrame::buffers
    SDL_Rect from;
    SDL_Rect to;
    bool scaled;
};

// Hears the game's draws of one frame and turns them into SDL blits once the frame is done.
class SdlFrame final : public DrawRecorder {
  public:
    explicit SdlFrame(int depth) : depth(depth), format(platform::SurfaceFormat::ForDepth(depth)) {
        for (SDL_Surface*& buffer : buffers)
            buffer = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, depth, SdlFormat(depth));
    }
    ~SdlFrame() override {
        for (auto& [key, surface] : pictures)
            SDL_FreeSurface(surface);
        for (SDL_Surface* buffer : buffers)
            SDL_FreeSurface(buffer);
    }
    SdlFrame(const SdlFrame&) = delete;
    SdlFrame& operator=(const SdlFrame&) = delete;

    void Copy(const platform::DisplaySurface& target, const platform::DisplaySurface& source,
              const platform::Rect& from, const platform::Rect& to,
              platform::BlitKey key) override {
        heard.push_back({Heard::Kind::Copy, &target, &source, nullptr, nullptr, from, to, key});
    }
    void Blend(const platform::DisplaySurface& target, const Image& picture, const Image& alpha,
               int pictureX, int pictureY, const platform::Rect& to) override {
        heard.push_back({Heard::Kind::Blend, &target, nullptr, &picture, &alpha,
                         At(pictureX, pictureY, to), to, platform::BlitKey::Opaque});
    }
    void Darken(const platform::DisplaySurface& target, const Image& mask, int maskX, int maskY,
                const platform::Rect& to) override {
        heard.push_back({Heard::Kind::Darken, &target, nullptr, &mask, nullptr,
                         At(maskX, maskY, to), to, platform::BlitKey::Opaque});
    }

    // Makes the SDL blits of the frame just heard; the pictures are read now, after the frame.
    void Resolve(const DirectDraw& display) {
        blits.clear();
        for (const Heard& draw : heard) {
            const int target = BufferIndex(display, draw.target);
            if (target < 0)
                continue;
            SDL_Surface* source = SourceOf(display, draw);
            if (source)
                blits.push_back({source, target, SdlRect(draw.from), SdlRect(draw.to),
                                 draw.from.width() != draw.to.width() ||
                                     draw.from.height() != draw.to.height()});
        }
        heard.clear();
    }

    // The frame through SDL, then the flip's swap, as ours; neither copies the frame shown.
    void Play() {
        for (const SdlBlit& blit : blits) {
            SDL_Rect from = blit.from;
            SDL_Rect to = blit.to;
            if (blit.scaled)
                SDL_BlitScaled(blit.source, &from, buffers[blit.target], &to);
            else
                SDL_BlitSurface(blit.source, &from, buffers[blit.target], &to);
        }
        std::swap(buffers[kPrimary], buffers[kBack]);
    }

    size_t Draws() const { return blits.size(); }

  private:
    enum Buffer { kPrimary, kBack, kFade, kBuffers };

    struct Heard {
        enum class Kind { Copy, Blend, Darken } kind;
        const platform::DisplaySurface* target;
        const platform::DisplaySurface* surface;
        const Image* picture;
        const Image* alpha;
        platform::Rect from;
        platform::Rect to;
        platform::BlitKey key;
    };

    static platform::Rect At(int x, int y, const platform::Rect& to) {
        return {x, y, x + to.width(), y + to.height()};
    }

    static int BufferIndex(const DirectDraw& display, const platform::DisplaySurface* surface) {
        if (surface == display.GetPrimary())
            return kPrimary;
        if (surface == display.GetBackBuffer())
            return kBack;
        if (surface == display.GetFadeBuffer())
            return kFade;
        return -1;
    }

    SDL_Surface* SourceOf(const DirectDraw& display, const Heard& draw) {
        switch (draw.kind) {
        case Heard::Kind::Copy: {
            const int buffer = BufferIndex(display, draw.surface);
            return buffer >= 0 ? buffers[buffer] : SurfacePicture(*draw.surface, draw.key);
        }
        case Heard::Kind::Blend:
            return Cached({draw.picture, 0},
                          [&] { return BlendPicture(*draw.picture, *draw.alpha); });
        case Heard::Kind::Darken:
            return Cached({draw.picture, 0}, [&] { return ShadowPicture(*draw.picture); });
        }
        return nullptr;
    }

    template <typename Make> SDL_Surface* Cached(std::pair<const void*, uint64_t> key, Make make) {
        const auto found = pictures.find(key);
        if (found != pictures.end())
            return found->second;
        SDL_Surface* made = make();
        pictures[key] = made;
        return made;
    }

    // A keyed sprite by what it shows, since one surface shows each frame of an animation in
    // turn; an opaque one (the background) by the surface alone.
    SDL_Surface* SurfacePicture(const platform::DisplaySurface& surface, platform::BlitKey key) {
        const bool keyed = key == platform::BlitKey::SourceColorKey;
        const size_t rowBytes = static_cast<size_t>(surface.width()) * format.bytesPerPixel();
        uint64_t hash = 0xCBF29CE484222325ull;
        for (int y = 0; keyed && y < surface.height(); ++y)
            hash = Hash(surface.row(y), rowBytes, hash);
        return Cached({&surface, keyed ? hash : 0}, [&] {
            SDL_Surface* made = SDL_CreateRGBSurfaceWithFormat(0, surface.width(), surface.height(),
                                                               depth, SdlFormat(depth));
            for (int y = 0; y < surface.height(); ++y)
                std::memcpy(static_cast<uint8_t*>(made->pixels) + y * made->pitch, surface.row(y),
                            rowBytes);
            if (keyed) {
                SDL_SetColorKey(made, SDL_TRUE, 0);
                SDL_SetSurfaceRLE(made, 1);
            }
            return made;
        });
    }

    SDL_Surface* BlendPicture(const Image& picture, const Image& alpha) const {
        SDL_Surface* made = SDL_CreateRGBSurfaceWithFormat(
            0, picture.GetWidth(), picture.GetHeight(), 32, SDL_PIXELFORMAT_ARGB8888);
        for (int y = 0; y < picture.GetHeight(); ++y) {
            auto* row =
                reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(made->pixels) + y * made->pitch);
            for (int x = 0; x < picture.GetWidth(); ++x) {
                const size_t index = static_cast<size_t>(y) * picture.GetWidth() + x;
                uint32_t pixel = 0;
                std::memcpy(&pixel, picture.GetData() + index * format.bytesPerPixel(),
                            format.bytesPerPixel());
                row[x] = format.toXrgb(pixel) | uint32_t{alpha.GetData()[index]} << 24;
            }
        }
        SDL_SetSurfaceBlendMode(made, SDL_BLENDMODE_BLEND);
        return made;
    }

    static SDL_Surface* ShadowPicture(const Image& mask) {
        SDL_Surface* made = SDL_CreateRGBSurfaceWithFormat(0, mask.GetWidth(), mask.GetHeight(), 32,
                                                           SDL_PIXELFORMAT_ARGB8888);
        for (int y = 0; y < mask.GetHeight(); ++y) {
            auto* row =
                reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(made->pixels) + y * made->pitch);
            for (int x = 0; x < mask.GetWidth(); ++x) {
                const size_t bit = static_cast<size_t>(y) * mask.GetWidth() + x;
                const bool shadow = !(mask.GetData()[bit >> 3] & (0x80u >> (bit & 7)));
                row[x] = shadow ? uint32_t{kShadowAlpha} << 24 : 0;
            }
        }
        SDL_SetSurfaceBlendMode(made, SDL_BLENDMODE_BLEND);
        return made;
    }

    int depth;
    platform::SurfaceFormat format;
    SDL_Surface* buffers[kBuffers] = {};
    std::vector<Heard> heard;
    std::vector<SdlBlit> blits;
    std::map<std::pair<const void*, uint64_t>, SDL_Surface*> pictures;
};

// The script's turns; the measured ones keep a transition running and are timed, each followed
// by its two references.
class FrameTimer final : public LoopDriver {
  public:
    FrameTimer(ScriptDriver& script, int depth, Timings& timings)
        : script(script), sdl(depth), timings(timings),
          floorFrom(static_cast<size_t>(kWidth) * kHeight * depth / 8), floorTo(floorFrom.size()) {}

    void AwaitTurn() override {
        script.AwaitTurn();
        if (!Measuring())
            return;
        DirectDraw& display = Singleton<DirectDraw>::Instance();
        display.SetDrawRecorder(&sdl);
        started = CpuSeconds();
        if (!display.IsFading())
            display.StartFade(false);
    }

    void TurnDone() override {
        if (Measuring()) {
            const int frame = timings.frames++;
            timings.ours[frame] = CpuSeconds() - started;
            DirectDraw& display = Singleton<DirectDraw>::Instance();
            display.SetDrawRecorder(nullptr);
            sdl.Resolve(display);
            timings.draws = static_cast<int>(sdl.Draws());
            double before = CpuSeconds();
            sdl.Play();
            timings.sdl[frame] = CpuSeconds() - before;
            before = CpuSeconds();
            std::memcpy(floorTo.data(), floorFrom.data(), floorTo.size());
            benchmark::DoNotOptimize(floorTo.data());
            benchmark::ClobberMemory();
            timings.floor[frame] = CpuSeconds() - before;
        }
        ++turn;
        script.TurnDone();
    }

  private:
    bool Measuring() const {
        return turn >= kFirstMeasuredTurn && turn < kFirstMeasuredTurn + kMeasuredFrames;
    }

    ScriptDriver& script;
    SdlFrame sdl;
    Timings& timings;
    std::vector<uint8_t> floorFrom;
    std::vector<uint8_t> floorTo;
    int turn = 0;
    double started = 0.0;
};

// In the child: the game in a scratch folder that links the container in.
int RunGame(int depth, const std::filesystem::path& container, const std::filesystem::path& folder,
            Timings& timings) {
    std::filesystem::create_directories(folder / "data");
    std::filesystem::create_symlink(container, folder / "data" / "Quagleaper.dat");
    std::filesystem::current_path(folder);
    // The game's log goes to debug.txt; its copy on the error stream would drown the table.
    if (!std::freopen("/dev/null", "w", stderr))
        return 1;
    std::string error;
    const std::optional<HarnessScript> script = HarnessScript::Parse(SceneScript(), error);
    if (!script)
        return 1;
    platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    ScriptDriver driver(*script, headless);
    FrameTimer timer(driver, depth, timings);
    return Application(&timer, depth).Run();
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(share * values.size()));
    return values[index];
}

std::vector<double> Values(const double* first, int count) {
    return {first, first + count};
}

// Runs the game at `depth` in a child process; false when it could not.
bool Measure(int depth, Timings& timings) {
    const char* named = std::getenv("QUAGLEAPER_DAT");
    const std::filesystem::path container =
        std::filesystem::absolute(named ? named : "build/run/data/Quagleaper.dat");
    if (!std::filesystem::exists(container))
        return false;
    char pattern[] = "/tmp/framebench.XXXXXX";
    if (!mkdtemp(pattern))
        return false;
    const std::filesystem::path folder = pattern;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const auto measured = std::make_unique<Timings>();
        const int exitCode = RunGame(depth, container, folder, *measured);
        const bool written = write(pipeEnds[1], measured.get(), sizeof(Timings)) == sizeof(Timings);
        _exit(exitCode == 0 && written ? 0 : 1);
    }
    close(pipeEnds[1]);
    size_t received = 0;
    auto* bytes = reinterpret_cast<char*>(&timings);
    for (ssize_t got = 1; got > 0 && (received < sizeof(Timings));
         received += (got > 0 ? static_cast<size_t>(got) : 0))
        got = read(pipeEnds[0], bytes + received, sizeof(Timings) - received);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::remove_all(folder);

    return received == sizeof(Timings) && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           timings.frames == kMeasuredFrames;
}

void BusiestFrame(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    const auto timings = std::make_unique<Timings>();
    for (auto _ : state) {
        if (!Measure(depth, *timings)) {
            state.SkipWithError("the game did not run: is QUAGLEAPER_DAT the data container?");
            break;
        }
        state.SetIterationTime(Percentile(Values(timings->ours, kMeasuredFrames), 0.5));
    }
    if (timings->frames == kMeasuredFrames) {
        const double ours = Percentile(Values(timings->ours, kMeasuredFrames), 0.5);
        const double ours99 = Percentile(Values(timings->ours, kMeasuredFrames), 0.99);
        const double floor = Percentile(Values(timings->floor, kMeasuredFrames), 0.5);
        const double sdl = Percentile(Values(timings->sdl, kMeasuredFrames), 0.5);
        state.counters["ours_us"] = ours * 1e6;
        state.counters["ours_p99_us"] = ours99 * 1e6;
        state.counters["floor_us"] = floor * 1e6;
        state.counters["sdl_us"] = sdl * 1e6;
        state.counters["ours/floor"] = ours / floor;
        state.counters["ours/SDL"] = ours / sdl;
        state.counters["draws"] = timings->draws;
    }
}
BENCHMARK(BusiestFrame)
    ->ArgName("depth")
    ->Arg(16)
    ->Arg(32)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
