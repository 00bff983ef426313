// The darkening under a shadow sprite, next to SDL blending black at half alpha through a
// colour-keyed mask, the nearest thing its blitter has.
#include "SpriteBenchScene.h"
#include "gfx/ShadowSprite.h"

#include <cstring>

namespace {

void Quagleaper(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    ShadowSprite sprite;
    sprite.Create(*scene.Picture(), bench::kSide, bench::kSide, false);
    int64_t draw = 0;
    for (auto _ : state) {
        sprite.Draw(bench::PositionX(draw), bench::PositionY(draw));
        ++draw;
    }
    scene.Report(state);
}
BENCHMARK(Quagleaper)->Name("Shadow/Quagleaper")->Arg(16)->Arg(32);

void Sdl(benchmark::State& state) {
    bench::Scene scene(static_cast<int>(state.range(0)));
    // The shadow's shape in dark grey on black, keyed on black and blended at half alpha.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormat(0, bench::kSide, bench::kSide, 32, scene.ScreenFormat());
    SDL_LockSurface(source);
    const uint32_t grey = SDL_MapRGB(source->format, 1, 1, 1);
    for (int y = 0; y < bench::kSide; ++y) {
        auto* row = reinterpret_cast<uint8_t*>(source->pixels) + y * source->pitch;
        for (int x = 0; x < bench::kSide; ++x) {
            const uint32_t value = bench::DiscColour(x, y) ? grey : 0;
            std::memcpy(row + x * source->format->BytesPerPixel, &value,
                        source->format->BytesPerPixel);
        }
    }
    SDL_UnlockSurface(source);
    SDL_SetColorKey(source, SDL_TRUE, 0);
    SDL_SetSurfaceAlphaMod(source, 128);
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND);
    bench::SdlBlits(state, source, scene.screen);
    SDL_FreeSurface(source);
    scene.Report(state);
}
BENCHMARK(Sdl)->Name("Shadow/SDL")->Arg(16)->Arg(32);

} // namespace
