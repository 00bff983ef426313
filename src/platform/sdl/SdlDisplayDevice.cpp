#include "platform/sdl/SdlDisplayDevice.h"

#include <SDL.h>

#include <algorithm>

#include "platform/sdl/SdlWindow.h"

namespace platform {

namespace {
constexpr int kFallbackDesktopDepth = 32;
}

SdlDisplayDevice::~SdlDisplayDevice() {
    releaseOutput();
}

int SdlDisplayDevice::desktopDepth() const {
    SDL_DisplayMode mode;
    const int index = window.handle() ? SDL_GetWindowDisplayIndex(window.handle()) : 0;
    if (SDL_GetCurrentDisplayMode(index < 0 ? 0 : index, &mode) != 0) {
        SDL_Log("SDL could not read the desktop mode: %s", SDL_GetError());
        return kFallbackDesktopDepth;
    }
    // A 24-bit desktop keeps its pixels in 32-bit words, which is what the game calls 32 bits.
    return SDL_BYTESPERPIXEL(mode.format) * 8;
}

DisplayResult SdlDisplayDevice::openOutput() {
    if (!window.handle())
        return dd::InvalidParams;
    renderer = SDL_CreateRenderer(window.handle(), -1, 0);
    if (!renderer) {
        SDL_Log("SDL could not make a renderer: %s", SDL_GetError());
        return dd::Generic;
    }
    SDL_AddEventWatch(&SdlDisplayDevice::watchEvent, this);
    watching = true;
    return dd::Ok;
}

void SdlDisplayDevice::showFullscreen(bool fullscreen) {
    SDL_Window* const handle = window.handle();
    if (fullscreen) {
        // Without a window manager nobody answers the full-screen request, so the window is
        // first made as large as the desktop itself.
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(handle), 0), &bounds) == 0) {
            SDL_SetWindowPosition(handle, bounds.x, bounds.y);
            SDL_SetWindowSize(handle, bounds.w, bounds.h);
        }
    }
    // A desktop that refuses full screen still shows the whole picture in the window.
    if (SDL_SetWindowFullscreen(handle, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        SDL_Log("SDL could not change to full screen: %s", SDL_GetError());
}

DisplayResult SdlDisplayDevice::prepareOutput(int width, int height) {
    textureWidth = width;
    textureHeight = height;
    if (SDL_RenderSetLogicalSize(renderer, width, height) != 0) {
        SDL_Log("SDL could not scale the picture: %s", SDL_GetError());
        return dd::Generic;
    }
    return makeTexture() ? dd::Ok : dd::OutOfVideoMemory;
}

void SdlDisplayDevice::show(const DisplaySurface& primary) {
    if (textureLost && makeTexture())
        textureLost = false;
    if (!texture || primary.width() != textureWidth || primary.height() != textureHeight)
        return;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) {
        SDL_Log("SDL could not lock the frame texture: %s", SDL_GetError());
        return;
    }
    for (int y = 0; y < textureHeight; ++y)
        primary.format().rowToXrgb(primary.row(y),
                                   reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels) + y * pitch),
                                   textureWidth);
    SDL_UnlockTexture(texture);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

void SdlDisplayDevice::closeOutput() {
    releaseOutput();
}

int SdlDisplayDevice::watchEvent(void* device, SDL_Event* event) {
    if (event->type != SDL_RENDER_TARGETS_RESET && event->type != SDL_RENDER_DEVICE_RESET)
        return 0;
    auto* self = static_cast<SdlDisplayDevice*>(device);
    self->loseSurfaces();
    if (event->type == SDL_RENDER_DEVICE_RESET)
        self->textureLost = true;
    return 0;
}

bool SdlDisplayDevice::makeTexture() {
    if (texture)
        SDL_DestroyTexture(texture);
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                textureWidth, textureHeight);
    if (!texture) {
        SDL_Log("SDL could not make the frame texture: %s", SDL_GetError());
        return false;
    }
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return true;
}

void SdlDisplayDevice::releaseOutput() {
    if (watching)
        SDL_DelEventWatch(&SdlDisplayDevice::watchEvent, this);
    watching = false;
    if (texture)
        SDL_DestroyTexture(texture);
    texture = nullptr;
    if (renderer)
        SDL_DestroyRenderer(renderer);
    renderer = nullptr;
}

} // namespace platform
