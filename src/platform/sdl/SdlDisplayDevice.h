#pragma once

#include "platform/DisplayDevice.h"

#include <cstdint>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

namespace platform {

class SdlWindow;

// The display in the desktop window: the primary is converted into a streaming texture and
// drawn scaled to fit the window, aspect kept, with black bars, so the whole picture shows
// whatever size the window gets: smoothly, or in whole steps with sharp pixels when asked and
// the window is large enough; SDL's software renderer always takes the nearest pixel. Full screen
// is the desktop's full screen. A render device reset loses every surface, as a lost display did. A
// frame like the one before is not shown again unless the window needs it; where OpenGL only runs
// on the processor, SDL's own software renderer does the same work for much less.
class SdlDisplayDevice final : public DisplayDevice {
  public:
    explicit SdlDisplayDevice(SdlWindow& window) : window(window) {}
    ~SdlDisplayDevice() override;

    int desktopDepth() const override;
    void setCrispScaling(bool crisp) override;
    // Without full screen the game's full-screen mode shows in a window, as after F11.
    void chooseView(bool fullscreen, int windowWidth, int windowHeight) override;
    bool setVsync(bool on) override;

  protected:
    DisplayResult openOutput() override;
    void showFullscreen(bool fullscreen) override;
    DisplayResult prepareOutput(int width, int height) override;
    void show(const DisplaySurface& primary) override;
    void closeOutput() override;

  private:
    static int watchEvent(void* device, SDL_Event* event);
    // A renderer of the first driver that works, or of SDL's software one in place of OpenGL
    // on the processor.
    static SDL_Renderer* makeRenderer(SDL_Window* window);
    bool makeTexture();
    // Chooses whole-number or smooth scaling for the window's size now.
    void fitPicture();
    void releaseOutput();

    SdlWindow& window;
    bool fullscreenWanted = true;
    bool vsync = false;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    bool watching = false;
    bool textureLost = false;
    bool crispScaling = false;
    // The window lost or changed its picture, so even an unchanged frame must be shown.
    bool mustShow = true;
};

} // namespace platform
