#include "platform/sdl/SdlDisplayDevice.h"

#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

namespace platform {

namespace {

constexpr int kFallbackDesktopDepth = 32;
constexpr unsigned kGlRenderer = 0x1F01;

// Whether the renderer draws with OpenGL rasterised on the processor (llvmpipe, softpipe,
// swrast): scaling and presenting through it costs several times SDL's software renderer.
bool RendersGlOnProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || SDL_strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    if (!name)
        return false;
    const char* text = reinterpret_cast<const char*>(name);
    return SDL_strstr(text, "llvmpipe") || SDL_strstr(text, "softpipe") ||
           SDL_strstr(text, "Software Rasterizer");
}

bool IsSoftwareRenderer(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

bool NeedsShowing(const SDL_Event& event) {
    if (event.type != SDL_WINDOWEVENT)
        return event.type == SDL_RENDER_TARGETS_RESET || event.type == SDL_RENDER_DEVICE_RESET;
    switch (event.window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        return true;
    default:
        return false;
    }
}

} // namespace

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
    renderer = makeRenderer(window.handle());
    if (!renderer) {
        SDL_Log("SDL could not make a renderer: %s", SDL_GetError());
        return dd::Generic;
    }
    if (vsync && SDL_RenderSetVSync(renderer, 1) != 0)
        SDL_Log("SDL cannot show frames in step with the display here: %s", SDL_GetError());
    SDL_AddEventWatch(&SdlDisplayDevice::watchEvent, this);
    watching = true;
    return dd::Ok;
}

SDL_Renderer* SdlDisplayDevice::makeRenderer(SDL_Window* window) {
    SDL_Renderer* made = SDL_CreateRenderer(window, -1, 0);
    // A driver the player chose is kept.
    if (!made || SDL_GetHint(SDL_HINT_RENDER_DRIVER) || !RendersGlOnProcessor(made))
        return made;
    SDL_DestroyRenderer(made);
    // The window's own X image, not a texture of that same OpenGL, takes the finished picture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    made = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (made)
        SDL_Log("OpenGL runs on the processor here; SDL's software renderer shows the game");
    return made ? made : SDL_CreateRenderer(window, -1, 0);
}

void SdlDisplayDevice::chooseView(bool fullscreen, int windowWidth, int windowHeight) {
    fullscreenWanted = fullscreen;
    window.setRestoredSize(windowWidth, windowHeight);
    if (renderer)
        window.setFullscreen(fullscreen);
}

bool SdlDisplayDevice::setVsync(bool on) {
    vsync = on;
    if (!renderer || SDL_RenderSetVSync(renderer, on ? 1 : 0) == 0)
        return true;
    SDL_Log("SDL cannot show frames in step with the display here: %s", SDL_GetError());
    vsync = false;
    return !on;
}

void SdlDisplayDevice::showFullscreen(bool fullscreen) {
    window.setFullscreen(fullscreen && fullscreenWanted);
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

void SdlDisplayDevice::setCrispScaling(bool crisp) {
    crispScaling = crisp;
    fitPicture();
}

void SdlDisplayDevice::fitPicture() {
    int width = 0;
    int height = 0;
    if (!renderer || !texture || SDL_GetRendererOutputSize(renderer, &width, &height) != 0)
        return;
    mustShow = true;
    const bool wholeSteps = crispScaling && width >= textureWidth && height >= textureHeight;
    SDL_RenderSetIntegerScale(renderer, wholeSteps ? SDL_TRUE : SDL_FALSE);
    // Smoothing on the processor costs about as much as the whole game, so SDL's software
    // renderer takes the nearest pixel.
    const bool nearest = wholeSteps || IsSoftwareRenderer(renderer);
    SDL_SetTextureScaleMode(texture, nearest ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

void SdlDisplayDevice::show(const DisplaySurface& primary) {
    if (textureLost && makeTexture())
        textureLost = false;
    if (!texture || primary.width() != textureWidth || primary.height() != textureHeight)
        return;
    if (!isFrameChanged() && !mustShow)
        return;
    mustShow = false;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) {
        SDL_Log("SDL could not lock the frame texture: %s", SDL_GetError());
        return;
    }
    for (int y = 0; y < textureHeight; ++y)
        primary.format().rowToXrgb(
            primary.row(y), reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels) + y * pitch),
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
    if (NeedsShowing(*event))
        self->mustShow = true;
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
    mustShow = true;
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
