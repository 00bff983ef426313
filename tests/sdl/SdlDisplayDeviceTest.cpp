#include "platform/sdl/SdlDisplayDevice.h"

#include "platform/DisplaySurface.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

using platform::DisplaySurface;
namespace dd = platform::dd;

// SDL's software renderer on the dummy video driver shows the picture in a window larger than
// it: smoothing there would cost the processor as much as the game, so every pixel shown is one
// of the picture's own.
TEST(SdlDisplayDeviceTest, TheSoftwareRendererScalesToTheNearestPixel) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    platform::SdlWindow window;
    ASSERT_EQ(window.create("Quagleaper", 1024, 768), platform::Window::Opening::Opened);
    platform::SdlDisplayDevice device(window);
    ASSERT_EQ(device.open(), dd::Ok);
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    std::unique_ptr<DisplaySurface> primary;
    ASSERT_EQ(device.createPrimary(800, 600, false, primary), dd::Ok);
    // Columns of black and white: smoothing would show greys between them.
    for (int x = 1; x < 800; x += 2) {
        const platform::Rect column{x, 0, x + 1, 600};
        ASSERT_EQ(primary->fill(&column, 0xFFFFFFFFu), dd::Ok);
    }
    ASSERT_EQ(device.present(*primary), dd::Ok);

    SDL_Surface* shown = SDL_GetWindowSurface(window.handle());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->w, 1024);
    ASSERT_EQ(SDL_LockSurface(shown), 0);
    int whites = 0;
    int greys = 0;
    for (int y = 0; y < shown->h; y += 7)
        for (int x = 0; x < shown->w; ++x) {
            Uint32 pixel = 0;
            const int bytes = shown->format->BytesPerPixel;
            SDL_memcpy(&pixel, static_cast<Uint8*>(shown->pixels) + y * shown->pitch + x * bytes,
                       bytes);
            Uint8 red = 0;
            Uint8 green = 0;
            Uint8 blue = 0;
            SDL_GetRGB(pixel, shown->format, &red, &green, &blue);
            whites += red == 255 && green == 255 && blue == 255;
            greys += red != 0 && red != 255;
        }
    SDL_UnlockSurface(shown);
    EXPECT_GT(whites, 0) << "the picture is shown";
    EXPECT_EQ(greys, 0);
    device.close();
}

} // namespace
