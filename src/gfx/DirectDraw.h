#pragma once

#include "core/Singleton.h"

namespace platform {
class Window;
}

// The display: the back buffer every frame is drawn into, its presentation and the screen
// transitions. For now it holds the mode and the transition clock; the surfaces and the
// presentation arrive with the display work.
class DirectDraw {
public:
    bool Init(platform::Window& window, int width, int height, int depth, bool fullscreen);
    void Present();
    bool StartFade(bool zoomOnly);
    void Shutdown();

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetDepth() const { return depth; }

    float fadeTime = 0.0f;

private:
    friend class Singleton<DirectDraw>;
    DirectDraw() = default;

    platform::Window* window = nullptr;
    int width = 800;
    int height = 600;
    int depth = 16;
    bool fullscreen = false;
};
