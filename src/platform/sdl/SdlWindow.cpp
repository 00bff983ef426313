#include "platform/sdl/SdlWindow.h"

#include "platform/VirtualKey.h"
#include "platform/sdl/DisplayConnectionWatch.h"

#include <SDL.h>
#include <algorithm>

namespace platform {

namespace {

// The virtual-key code of an SDL key, or 0 for keys the game never reads.
int virtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    switch (key) {
    case SDLK_ESCAPE:
        return vk::Escape;
    case SDLK_SPACE:
        return vk::Space;
    case SDLK_LEFT:
        return vk::Left;
    case SDLK_UP:
        return vk::Up;
    case SDLK_RIGHT:
        return vk::Right;
    case SDLK_DOWN:
        return vk::Down;
    case SDLK_BACKSPACE:
        return vk::Back;
    case SDLK_F12:
        return vk::F12;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return vk::Return;
    default:
        return 0;
    }
}

// Decodes one UTF-8 sequence at `text`; returns its length, 0 at the end or on a broken byte.
int decodeUtf8(const unsigned char* text, uint32_t& codePoint) {
    const unsigned char lead = text[0];
    if (lead == 0)
        return 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    const int length = (lead >> 5) == 0x6    ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0)
        return 0;
    codePoint = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (text[i] & 0x3F);
    }
    return length;
}

} // namespace

SdlWindow::~SdlWindow() {
    // Closing a window on a dead display waits for X events that never come; the server has
    // dropped the window with the connection anyway.
    if (DisplayConnectionWatch::Lost())
        return;
    if (window)
        SDL_DestroyWindow(window);
    if (videoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Window::Opening SdlWindow::create(const std::string& title, int clientWidth, int clientHeight) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        SDL_Log("SDL could not open a display: %s", SDL_GetError());
        return Opening::NoDisplay;
    }
    videoStarted = true;
    if (fellBackToInvisibleDriver())
        return Opening::NoDisplay;
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              clientWidth, clientHeight, SDL_WINDOW_RESIZABLE);
    if (!window) {
        SDL_Log("SDL could not create the window: %s", SDL_GetError());
        return Opening::Failed;
    }
    DisplayConnectionWatch::Watch(window);
    windowedWidth = clientWidth;
    windowedHeight = clientHeight;
    // A size the player chose before keeps its place.
    if (restoredWidth == 0) {
        restoredWidth = clientWidth;
        restoredHeight = clientHeight;
    }
    // The game draws its own pointer.
    SDL_ShowCursor(SDL_DISABLE);
    SDL_StartTextInput();
    controllers.start();
    return Opening::Opened;
}

bool SdlWindow::fellBackToInvisibleDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (!driver || (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0))
        return false;
    // Asked for by name, the driver is meant: the tests draw without a display that way.
    if (asked && SDL_strstr(asked, driver))
        return false;
    SDL_Log("SDL found no display, only its %s video driver", driver);
    return true;
}

void SdlWindow::setFullscreen(bool fullscreen) {
    if (fullscreen) {
        // The size the player gave the window comes back when full screen is left.
        if (!isFullscreen())
            SDL_GetWindowSize(window, &restoredWidth, &restoredHeight);
        // Without a window manager nobody answers the full-screen request, so the window is
        // first made as large as the desktop itself.
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &bounds) == 0) {
            SDL_SetWindowPosition(window, bounds.x, bounds.y);
            SDL_SetWindowSize(window, bounds.w, bounds.h);
        }
    }
    // A desktop that refuses full screen still shows the whole picture in the window.
    if (SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        SDL_Log("SDL could not change to full screen: %s", SDL_GetError());
    if (!fullscreen) {
        SDL_SetWindowSize(window, restoredWidth, restoredHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

void SdlWindow::setRestoredSize(int width, int height) {
    if (width > 0 && height > 0) {
        restoredWidth = width;
        restoredHeight = height;
    }
}

void SdlWindow::reportView() {
    const bool fullscreen = isFullscreen();
    int width = restoredWidth;
    int height = restoredHeight;
    if (!fullscreen)
        SDL_GetWindowSize(window, &width, &height);
    queue.push_back({Message::Type::ViewChanged, fullscreen ? 1 : 0, width, height});
}

bool SdlWindow::isFullscreen() const {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool SdlWindow::peekMessage(Message& out) {
    pumpEvents();
    if (queue.empty())
        return false;
    out = queue.front();
    queue.pop_front();
    return true;
}

void SdlWindow::waitMessage(int timeoutMs) {
    pumpEvents();
    // A dead display has no events to wait for, and SDL's wait would read from it.
    if (!queue.empty() || DisplayConnectionWatch::Lost())
        return;
    SDL_Event event;
    const int got = timeoutMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs);
    if (got)
        translate(event);
}

void SdlWindow::postQuit(int exitCode) {
    queue.push_back({Message::Type::Quit, exitCode});
}

void SdlWindow::showMessageBox(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window);
}

void SdlWindow::setIcon(int width, int height, const std::vector<uint32_t>& pixels) {
    if (!window ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    // SDL copies the pixels, so the surface may borrow them.
    SDL_Surface* icon =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels.data()), width, height, 32,
                                           width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) {
        SDL_Log("SDL could not make the window icon: %s", SDL_GetError());
        return;
    }
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

Point SdlWindow::cursorPosition() const {
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    SDL_Renderer* renderer = window ? SDL_GetRenderer(window) : nullptr;
    if (!renderer)
        return {windowX, windowY};
    // The picture is scaled into the window: the game wants its own pixels.
    float logicalX = 0.0f;
    float logicalY = 0.0f;
    SDL_RenderWindowToLogical(renderer, windowX, windowY, &logicalX, &logicalY);
    return {static_cast<int>(logicalX), static_cast<int>(logicalY)};
}

bool SdlWindow::leftButtonDown() const {
    return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
}

void SdlWindow::pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event))
        translate(event);
    if (DisplayConnectionWatch::TakeLoss())
        queue.push_back({Message::Type::DisplayLost});
}

void SdlWindow::translate(const SDL_Event& event) {
    if (controllers.translate(event, queue))
        return;
    switch (event.type) {
    case SDL_QUIT:
        queue.push_back({Message::Type::Destroy});
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            queue.push_back({Message::Type::FocusGained});
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            queue.push_back({Message::Type::FocusLost});
        // Sizes passed on the way into full screen are no size the player chose.
        else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && !isFullscreen())
            reportView();
        break;
    case SDL_KEYDOWN:
        translateKey(event.key.keysym);
        break;
    case SDL_TEXTINPUT:
        translateText(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        showPointerOutsidePicture();
        queue.push_back({Message::Type::MouseMove, 0, event.motion.x, event.motion.y});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) {
            const auto type =
                event.type == SDL_MOUSEBUTTONDOWN ? Message::Type::LeftDown : Message::Type::LeftUp;
            queue.push_back({type, 0, event.button.x, event.button.y});
        }
        break;
    default:
        break;
    }
}

void SdlWindow::translateKey(const SDL_Keysym& key) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    if (key.sym == SDLK_F11 || (alt && (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER))) {
        setFullscreen(!isFullscreen());
        reportView();
        return;
    }
    const int code = virtualKeyOf(key.sym);
    if (code == 0)
        return;
    queue.push_back({Message::Type::KeyDown, code});
    // Text input carries no control characters; the name entry still needs these two.
    if (code == vk::Back || code == vk::Return)
        queue.push_back({Message::Type::Char, code});
}

void SdlWindow::showPointerOutsidePicture() {
    const Point at = cursorPosition();
    const bool overPicture =
        at.x >= 0 && at.y >= 0 && at.x < windowedWidth && at.y < windowedHeight;
    SDL_ShowCursor(overPicture ? SDL_DISABLE : SDL_ENABLE);
}

void SdlWindow::translateText(const char* utf8) {
    const auto* text = reinterpret_cast<const unsigned char*>(utf8);
    uint32_t codePoint = 0;
    while (const int length = decodeUtf8(text, codePoint)) {
        if (codePoint < 256)
            queue.push_back({Message::Type::Char, static_cast<int>(codePoint)});
        text += length;
    }
}

} // namespace platform
