#include "gfx/DirectDraw.h"

bool DirectDraw::Init(platform::Window& mainWindow, int screenWidth, int screenHeight,
                      int screenDepth, bool fullscreenMode) {
    window = &mainWindow;
    width = screenWidth;
    height = screenHeight;
    depth = screenDepth;
    fullscreen = fullscreenMode;
    return true;
}

void DirectDraw::Present() {}

bool DirectDraw::StartFade(bool) {
    fadeTime = 0.0f;
    return false;
}

void DirectDraw::Shutdown() {
    window = nullptr;
}
