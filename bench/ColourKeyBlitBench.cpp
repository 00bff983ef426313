// The colour-keyed copy of a sprite's surface into the back buffer, next to SDL's software
// blitter doing the same with a colour key, plain and run-length accelerated.
#include "SpriteBenchScene.h"
#include "gfx/SurfaceSprite.h"

namespace {

void Quagleaper(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    SurfaceSprite sprite;
    sprite.Create(scene.Picture(), bench::kSide, bench::kSide, 0, 0, false);
    int64_t draw = 0;
    for (auto _ : state) {
        sprite.Draw(bench::PositionX(draw), bench::PositionY(draw));
        ++draw;
    }
    scene.Report(state);
}
BENCHMARK(Quagleaper)->Name("ColourKeyBlit/Quagleaper")->Arg(16)->Arg(32);

void Sdl(benchmark::State& state, bool rle) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    SDL_Surface* source = scene.SdlPicture(SDL_PIXELFORMAT_ARGB8888, false);
    SDL_SetColorKey(source, SDL_TRUE, 0);
    SDL_SetSurfaceRLE(source, rle ? 1 : 0);
    bench::SdlBlits(state, source, scene.screen);
    SDL_FreeSurface(source);
    scene.Report(state);
}
BENCHMARK_CAPTURE(Sdl, ColourKey, false)->Name("ColourKeyBlit/SDL")->Arg(16)->Arg(32);
BENCHMARK_CAPTURE(Sdl, Rle, true)->Name("ColourKeyBlit/SDL_RLEACCEL")->Arg(16)->Arg(32);

} // namespace
