// The software blend of an alpha sprite into the back buffer, with each width of vector
// instructions the processor has (0 narrow, 1 256-bit, 2 512-bit), next to SDL's blended blit
// of a picture with the same alpha channel.
#include "SpriteBenchScene.h"
#include "gfx/AlphaSprite.h"

namespace {

void Quagleaper(benchmark::State& state) {
    const auto vectors = static_cast<AlphaSprite::Vectors>(state.range(1));
    if (AlphaSprite::LimitVectors(vectors) != vectors) {
        state.SkipWithError("this processor has no vectors that wide");
        return;
    }
    bench::Scene scene(static_cast<int>(state.range(0)));
    AlphaSprite sprite;
    sprite.Create(scene.Picture(), scene.Alpha(), bench::kSide, bench::kSide, 0, 0, false);
    int64_t draw = 0;
    for (auto _ : state) {
        sprite.Draw(bench::PositionX(draw), bench::PositionY(draw));
        ++draw;
    }
    scene.Report(state);
}
BENCHMARK(Quagleaper)
    ->Name("AlphaBlend/Quagleaper")
    ->ArgNames({"depth", "vectors"})
    ->ArgsProduct({{16, 32}, {0, 1, 2}});

void Sdl(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    SDL_Surface* source = scene.SdlPicture(SDL_PIXELFORMAT_ARGB8888, true);
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND);
    bench::SdlBlits(state, source, scene.screen);
    SDL_FreeSurface(source);
    scene.Report(state);
}
BENCHMARK(Sdl)->Name("AlphaBlend/SDL")->Arg(16)->Arg(32);

} // namespace
