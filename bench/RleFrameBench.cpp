// A run-length animation drawn with a new frame every time (decode and colour-keyed copy),
// next to SDL's run-length accelerated blit of a colour-keyed surface.
#include "SpriteBenchScene.h"
#include "gfx/AnimatedRLESprite.h"

namespace {

void Quagleaper(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    // Two frames: the disc and its mirror image.
    auto frames = std::make_unique<Image>();
    frames->Create(bench::kSide, bench::kSide * 2, PixelFormat::Screen());
    const auto picture = scene.Picture();
    const std::size_t bytes = picture->GetDataSize();
    std::memcpy(frames->GetData(), picture->GetData(), bytes);
    picture->Mirror();
    std::memcpy(frames->GetData() + bytes, picture->GetData(), bytes);
    AnimatedRLESprite sprite;
    sprite.Create(*frames, 2, 2.0f, false, true);
    int64_t draw = 0;
    for (auto _ : state) {
        sprite.time = static_cast<float>(draw % 2);
        sprite.Draw(bench::PositionX(draw), bench::PositionY(draw));
        ++draw;
    }
    scene.Report(state);
}
BENCHMARK(Quagleaper)->Name("RleFrame/Quagleaper")->Arg(16)->Arg(32);

void Sdl(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    SDL_Surface* source = scene.SdlPicture(SDL_PIXELFORMAT_ARGB8888, false);
    SDL_SetColorKey(source, SDL_TRUE, 0);
    SDL_SetSurfaceRLE(source, 1);
    bench::SdlBlits(state, source, scene.screen);
    SDL_FreeSurface(source);
    scene.Report(state);
}
BENCHMARK(Sdl)->Name("RleFrame/SDL_RLEACCEL")->Arg(16)->Arg(32);

} // namespace
