#include "platform/sdl/SdlDisplayDevice.h"

#include <SDL.h>

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

void SdlDisplayDevice::showFullscreen(bool fullscreen) { window.setFullscreen(fullscreen); }

DisplayResult SdlDisplayDevice::prepareOutput(int width, int height) {
    textureWidth = width;
    textureHeight = height;
    if (SDL_RenderSetLogicalSize(renderer, width, height) != 0) {
        SDL_Log("SDL could not scale the picture: %s", SDL_GetError());
        return dd::Generic;
    }
    return makeTexture() ? dd::Ok : dd::OutOfVideoMemory;
}

void SdlDisplayDevice::setCrispScaling(bool crisp) {
    crispScaling = crisp;
    fitPicture();
}

void SdlDisplayDevice::fitPicture() {
    int width = 0;
    int height = 0;
    if (!renderer || !texture || SDL_GetRendererOutputSize(renderer, &width, &height) != 0)
        return;
    const bool wholeSteps = crispScaling && width >= textureWidth && height >= textureHeight;
    SDL_RenderSetIntegerScale(renderer, wholeSteps ? SDL_TRUE : SDL_FALSE);
    SDL_SetTextureScaleMode(texture, wholeSteps ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
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
    auto* self = static_cast<SdlDisplayDevice*>(device);
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        self->fitPicture();
        return 0;
    }
    if (event->type != SDL_RENDER_TARGETS_RESET && event->type != SDL_RENDER_DEVICE_RESET)
        return 0;
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
    fitPicture();
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
