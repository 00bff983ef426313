#include "gfx/DirectDraw.h"

#include "app/Game.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/ScratchFolder.h"

#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using platform::BlitKey;
using platform::DisplayCall;
using platform::DisplaySurface;
using platform::Rect;
namespace dd = platform::dd;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The lines of `log` that read `prefix`, a line number, then `suffix`.
int CountErrorLines(const std::string& log, const std::string& prefix, const std::string& suffix) {
    std::istringstream lines(log);
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(prefix) || !line.ends_with(suffix))
            continue;
        const std::string number =
            line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
        if (!number.empty() && std::all_of(number.begin(), number.end(),
                                           [](unsigned char c) { return std::isdigit(c); }))
            ++count;
    }
    return count;
}

// A new-screen pixel that names its own place, to see where the transition put it.
uint32_t Place(int x, int y) {
    return static_cast<uint32_t>(x) << 12 | static_cast<uint32_t>(y) | 0x800000;
}

class DirectDrawTest : public ::testing::Test {
  protected:
    DirectDrawTest() { platform::Platform::install(&headless); }

    bool Init(int depth, bool fullscreen) {
        return display.Init(headless.window(), kWidth, kHeight, depth, fullscreen);
    }

    std::string Log() const { return folder.Read("debug.txt"); }

    const DisplaySurface& Shown() { return *headless.display().lastFrame(); }

    // Starts random transitions until one with `effect` comes up.
    void StartFadeWith(int effect) {
        for (int tries = 0; tries < 100; ++tries) {
            display.StartFade(false);
            if (display.GetFadeEffect() == effect)
                return;
        }
        FAIL() << "effect " << effect << " never came up";
    }

    // The old screen is one colour, the new one tags every pixel with its place.
    void PaintScreens() {
        display.GetBackBuffer()->fill(nullptr, 0x123456);
        DisplaySurface& next = *display.GetFadeBuffer();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rect pixel{x, y, x + 1, y + 1};
                next.fill(&pixel, Place(x, y));
            }
    }

    void PresentAt(float progress) {
        display.fadeTime = progress * display.GetFadeDuration();
        display.Present();
    }

    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    DirectDraw& display = Singleton<DirectDraw>::Instance();
};

TEST_F(DirectDrawTest, AFiveSixFiveScreenLogsItsShiftsAndIndices) {
    ASSERT_TRUE(Init(16, true));
    EXPECT_EQ(display.GetDepth(), 16);
    EXPECT_EQ(display.GetRedMask(), 0xF800u);
    EXPECT_EQ(display.GetGreenMask(), 0x07E0u);
    EXPECT_EQ(display.GetBlueMask(), 0x001Fu);
    EXPECT_NE(Log().find("color shift: 11 6 0\ncolor indices: 0 0 0 0\n"), std::string::npos);
    EXPECT_EQ(display.GetRedShift(), 11);
    EXPECT_EQ(display.GetGreenShift(), 6);
    EXPECT_EQ(display.GetBlueShift(), 0);
    EXPECT_TRUE(display.IsInitialised());
}

TEST_F(DirectDrawTest, AnX8R8G8B8ScreenLogsItsShiftsAndIndices) {
    ASSERT_TRUE(Init(32, true));
    EXPECT_NE(Log().find("color shift: 16 8 0\ncolor indices: 2 1 0 3\n"), std::string::npos);
    EXPECT_EQ(display.GetRedIndex(), 2);
    EXPECT_EQ(display.GetGreenIndex(), 1);
    EXPECT_EQ(display.GetBlueIndex(), 0);
    EXPECT_EQ(display.GetPadIndex(), 3);
    EXPECT_EQ(display.GetBackBuffer()->format().bitsPerPixel, 32);
}

TEST_F(DirectDrawTest, ASixteenBitScreenAfterAThirtyTwoBitOneHasNoByteIndices) {
    ASSERT_TRUE(Init(32, true));
    display.Shutdown();
    ASSERT_TRUE(Init(16, true));
    EXPECT_EQ(display.GetRedIndex(), 0);
    EXPECT_EQ(display.GetGreenIndex(), 0);
    EXPECT_EQ(display.GetPadIndex(), 0);
    EXPECT_NE(Log().find("color shift: 11 6 0\ncolor indices: 0 0 0 0\n"), std::string::npos);
}

TEST_F(DirectDrawTest, TheWindowedModeTakesTheDesktopsDepth) {
    ASSERT_TRUE(Init(16, false));
    EXPECT_EQ(display.GetDepth(), 32);
    EXPECT_EQ(display.GetDesktopDepth(), 32);
    EXPECT_FALSE(display.IsFullscreen());
    EXPECT_NE(Log().find("color indices: 2 1 0 3\n"), std::string::npos);
}

TEST_F(DirectDrawTest, AWindowOnASixteenBitDesktopIsFiveSixFive) {
    headless.display().setDesktopDepth(16);
    ASSERT_TRUE(Init(32, false));
    EXPECT_EQ(display.GetDepth(), 16);
    EXPECT_NE(Log().find("color shift: 11 6 0\n"), std::string::npos);
}

TEST_F(DirectDrawTest, ATwentyFourBitDesktopIsAcceptedWithByteIndices) {
    headless.display().setDesktopDepth(24);
    ASSERT_TRUE(Init(16, false));
    EXPECT_EQ(display.GetDepth(), 24);
    EXPECT_NE(Log().find("color shift: 16 8 0\ncolor indices: 2 1 0 3\n"), std::string::npos);
}

TEST_F(DirectDrawTest, AllThreeBuffersStartBlack) {
    headless.display().setDesktopDepth(16);
    ASSERT_TRUE(Init(16, false));
    for (const DisplaySurface* surface :
         {display.GetPrimary(), display.GetBackBuffer(), display.GetFadeBuffer()}) {
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->width(), kWidth);
        EXPECT_EQ(surface->height(), kHeight);
        EXPECT_EQ(surface->pixelAt(400, 300), 0u);
    }
    EXPECT_EQ(display.GetDisplay(), &headless.display());
}

struct InitFailure {
    bool fullscreen;
    DisplayCall call;
    const char* messageBox;
};

class DirectDrawInitFailureTest : public DirectDrawTest,
                                  public ::testing::WithParamInterface<InitFailure> {};

TEST_P(DirectDrawInitFailureTest, EachStepFailsWithItsErrorLineAndMessageBox) {
    const InitFailure failure = GetParam();
    headless.display().refuseNext(failure.call, dd::OutOfVideoMemory);
    EXPECT_FALSE(Init(16, failure.fullscreen));
    EXPECT_FALSE(display.IsInitialised());
    ASSERT_EQ(headless.window().messageBoxes().size(), 1u);
    EXPECT_EQ(headless.window().messageBoxes()[0], std::string("ERROR: ") + failure.messageBox);
    const std::string log = Log();
    EXPECT_EQ(CountErrorLines(log, "DirectX Error (8876017c) in file .\\DirectDraw in line ",
                              ": \"DDERR_OUTOFVIDEOMEMORY\""),
              1)
        << log;
    EXPECT_EQ(log.find("color shift"), std::string::npos);
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DirectDrawInitFailureTest,
    ::testing::Values(
        InitFailure{true, DisplayCall::Open, "DirectDrawCreate FAILED"},
        InitFailure{false, DisplayCall::Open, "DirectDrawCreate FAILED"},
        InitFailure{true, DisplayCall::CooperativeLevel, "SetCooperativeLevel FAILED"},
        InitFailure{false, DisplayCall::CooperativeLevel, "SetCooperativeLevel FAILED"},
        InitFailure{true, DisplayCall::DisplayMode, "SetDisplayMode FAILED"},
        InitFailure{true, DisplayCall::CreatePrimary, "CreateSurface (primary) FAILED"},
        InitFailure{false, DisplayCall::CreatePrimary, "CreateSurface (primary) FAILED"},
        InitFailure{true, DisplayCall::AttachedSurface, "GetAttachedSurface FAILED"},
        InitFailure{false, DisplayCall::CreateSurface, "CreateSurface (backbuffer) FAILED"},
        InitFailure{true, DisplayCall::CreateSurface, "CreateSurface (fadeBackbuffer) FAILED"}));

TEST_F(DirectDrawTest, AnUnsupportedFullScreenDepthFailsAtTheDisplayMode) {
    EXPECT_FALSE(Init(8, true));
    EXPECT_NE(Log().find("\"DDERR_INVALIDMODE\"\n"), std::string::npos);
    EXPECT_EQ(headless.window().messageBoxes().at(0), "ERROR: SetDisplayMode FAILED");
}

TEST_F(DirectDrawTest, LogIfFailedNamesKnownCodesAndHexForOthers) {
    EXPECT_FALSE(display.LogIfFailed(dd::Ok, ".\\Surface", 12));
    EXPECT_TRUE(display.LogIfFailed(dd::SurfaceLost, ".\\Surface", 12));
    EXPECT_TRUE(display.LogIfFailed(dd::InvalidRect, ".\\AlphaSprite", 345));
    EXPECT_TRUE(display.LogIfFailed(0x8876FFFF, ".\\ShadowSprite", 7));
    EXPECT_TRUE(display.LogIfFailed(dd::Generic, ".\\DirectDraw", 1));
    EXPECT_EQ(
        Log(),
        "DirectX Error (887601c2) in file .\\Surface in line 12: \"DDERR_SURFACELOST\"\n"
        "DirectX Error (88760096) in file .\\AlphaSprite in line 345: \"DDERR_INVALIDRECT\"\n"
        "DirectX Error (8876ffff) in file .\\ShadowSprite in line 7: \"Unknown error (8876ffff)\"\n"
        "DirectX Error (80004005) in file .\\DirectDraw in line 1: \"DDERR_GENERIC\"\n");
}

TEST_F(DirectDrawTest, ShutdownBeforeInitWritesAllFiveLinesAndReleasesNothing) {
    display.Shutdown();
    EXPECT_EQ(Log(), "Releasing FadeBuffer.\nReleasing BackBuffer.\nReleasing Primary.\n"
                     "Releasing DD2.\nReleasing DD.\n");
}

TEST_F(DirectDrawTest, ShutdownReleasesTheBuffersAndClosesTheDevice) {
    ASSERT_TRUE(Init(16, true));
    display.Shutdown();
    EXPECT_FALSE(display.IsInitialised());
    EXPECT_EQ(display.GetBackBuffer(), nullptr);
    EXPECT_EQ(display.GetDrawTarget(), nullptr);
    EXPECT_EQ(display.GetDisplay(), nullptr);
    EXPECT_FALSE(headless.display().isOpen());
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 0);
}

TEST_F(DirectDrawTest, PresentShowsTheBackBufferInBothModes) {
    for (const bool fullscreen : {true, false}) {
        ASSERT_TRUE(Init(16, fullscreen));
        display.GetBackBuffer()->fill(nullptr, display.GetRedMask());
        display.Present();
        EXPECT_EQ(Shown().toXrgb()[1234], 0xFF0000u) << "full screen " << fullscreen;
        display.Shutdown();
    }
    EXPECT_EQ(headless.display().framesShown(), 2);
}

TEST_F(DirectDrawTest, SpritesDrawIntoTheFadeBufferWhileATransitionRuns) {
    ASSERT_TRUE(Init(16, true));
    EXPECT_EQ(display.GetDrawTarget(), display.GetBackBuffer());
    display.StartFade(true);
    EXPECT_EQ(display.GetDrawTarget(), display.GetFadeBuffer());
    PresentAt(1.5f);
    EXPECT_EQ(display.GetDrawTarget(), display.GetBackBuffer());
}

TEST_F(DirectDrawTest, StartFadeSetsUpAHalfSecondTransition) {
    ASSERT_TRUE(Init(16, true));
    EXPECT_EQ(display.GetFadeEffect(), DirectDraw::FadeSlideFromLeft);
    EXPECT_EQ(display.GetFadeDuration(), 1.0f);
    display.fadeTime = 3.0f;
    EXPECT_FALSE(display.StartFade(true));
    EXPECT_TRUE(display.IsFading());
    EXPECT_EQ(display.GetFadeEffect(), DirectDraw::FadeZoom);
    EXPECT_EQ(display.fadeTime, 0.0f);
    EXPECT_EQ(display.GetFadeDuration(), 0.5f);
}

TEST_F(DirectDrawTest, RandomTransitionsComeFromTheCLibraryGenerator) {
    ASSERT_TRUE(Init(16, true));
    auto effects = [&] {
        std::vector<int> seen;
        for (int i = 0; i < 60; ++i) {
            display.StartFade(false);
            seen.push_back(display.GetFadeEffect());
        }
        return seen;
    };
    std::srand(7);
    const std::vector<int> first = effects();
    std::srand(7);
    EXPECT_EQ(effects(), first);
    for (const int effect : {0, 1, 2})
        EXPECT_NE(std::find(first.begin(), first.end(), effect), first.end()) << effect;
    EXPECT_EQ(std::count_if(first.begin(), first.end(), [](int e) { return e < 0 || e > 2; }), 0);
}

TEST_F(DirectDrawTest, AFullScreenTransitionStartsFromTheCurrentPicture) {
    ASSERT_TRUE(Init(16, true));
    display.GetBackBuffer()->fill(nullptr, 0x07E0);
    EXPECT_FALSE(display.StartFade(true));
    EXPECT_EQ(display.GetPrimary()->pixelAt(10, 10), 0x07E0u);
}

TEST_F(DirectDrawTest, AFailedCopyOntoThePrimaryIsTheOnlyTrueResult) {
    ASSERT_TRUE(Init(16, false));
    headless.display().loseSurfaces();
    EXPECT_FALSE(display.StartFade(true)) << "windowed mode copies nothing";
    display.Shutdown();
    ASSERT_TRUE(Init(16, true));
    headless.display().loseSurfaces();
    EXPECT_TRUE(display.StartFade(true));
    EXPECT_NE(Log().find("\"DDERR_SURFACELOST\"\n"), std::string::npos);
}

TEST_F(DirectDrawTest, SlideFromTheRightAtAQuarterShowsTheNewLeftHalfOnTheRightHalf) {
    ASSERT_TRUE(Init(32, true));
    PaintScreens();
    StartFadeWith(DirectDraw::FadeSlideFromRight);
    PresentAt(0.25f);
    const DisplaySurface& shown = Shown();
    for (const int y : {0, 299, 599}) {
        EXPECT_EQ(shown.pixelAt(0, y), 0x123456u);
        EXPECT_EQ(shown.pixelAt(399, y), 0x123456u);
        EXPECT_EQ(shown.pixelAt(400, y), Place(0, y));
        EXPECT_EQ(shown.pixelAt(650, y), Place(250, y));
        EXPECT_EQ(shown.pixelAt(799, y), Place(399, y));
    }
}

TEST_F(DirectDrawTest, SlideFromTheLeftAtAQuarterShowsTheNewRightHalfOnTheLeftHalf) {
    ASSERT_TRUE(Init(32, true));
    PaintScreens();
    StartFadeWith(DirectDraw::FadeSlideFromLeft);
    PresentAt(0.25f);
    const DisplaySurface& shown = Shown();
    for (const int y : {0, 599}) {
        EXPECT_EQ(shown.pixelAt(0, y), Place(400, y));
        EXPECT_EQ(shown.pixelAt(399, y), Place(799, y));
        EXPECT_EQ(shown.pixelAt(400, y), 0x123456u);
        EXPECT_EQ(shown.pixelAt(799, y), 0x123456u);
    }
}

TEST_F(DirectDrawTest, ZoomAtHalfwayMagnifiesTheCentralHalfOverTheWholeScreen) {
    ASSERT_TRUE(Init(32, false));
    display.StartFade(true);
    PaintScreens();
    PresentAt(0.5f);
    const DisplaySurface& shown = Shown();
    for (const int y : {0, 1, 2, 333, 599})
        for (const int x : {0, 1, 2, 401, 799})
            EXPECT_EQ(shown.pixelAt(x, y), Place(200 + x / 2, 150 + y / 2)) << x << "," << y;
}

TEST_F(DirectDrawTest, AtTheStartTheEffectsShowTheLeastTheyCan) {
    ASSERT_TRUE(Init(32, false));
    display.StartFade(true);
    PaintScreens();
    PresentAt(0.0f);
    // The zoom's source is limited to the 2 x 2 pixels at the centre.
    EXPECT_EQ(Shown().pixelAt(0, 0), Place(399, 299));
    EXPECT_EQ(Shown().pixelAt(799, 599), Place(400, 300));

    StartFadeWith(DirectDraw::FadeSlideFromRight);
    PaintScreens();
    PresentAt(0.0f);
    EXPECT_EQ(Shown().pixelAt(799, 10), Place(0, 10));
    EXPECT_EQ(Shown().pixelAt(798, 10), 0x123456u);

    StartFadeWith(DirectDraw::FadeSlideFromLeft);
    PaintScreens();
    PresentAt(0.0f);
    EXPECT_EQ(Shown().pixelAt(0, 10), Place(799, 10));
    EXPECT_EQ(Shown().pixelAt(1, 10), 0x123456u);
}

TEST_F(DirectDrawTest, PastTheEndEveryEffectShowsTheWholeNewScreenAndStops) {
    ASSERT_TRUE(Init(32, false));
    for (const int effect : {0, 1, 2}) {
        StartFadeWith(effect);
        PaintScreens();
        PresentAt(1.1f);
        EXPECT_FALSE(display.IsFading());
        for (const int x : {0, 1, 400, 798, 799})
            EXPECT_EQ(Shown().pixelAt(x, 7), Place(x, 7)) << "effect " << effect << " x " << x;
    }
}

TEST_F(DirectDrawTest, EachFrameOfATransitionAddsAFifthAndItEndsOncePastTheWhole) {
    ASSERT_TRUE(Init(32, true));
    Game& game = Singleton<Game>::Instance();
    game.Tick(true);
    PaintScreens();
    StartFadeWith(DirectDraw::FadeSlideFromRight);
    // Turns of 0.3 s add only 0.1 s each: progress 0.2, 0.4, ... shows sqrt(progress) of the
    // new screen's width.
    const int newColumns[] = {357, 505, 619, 715, 800, 800};
    for (int turn = 0; turn < 6; ++turn) {
        headless.clock().advance(300);
        game.Tick(true);
        const DisplaySurface& shown = Shown();
        const int edge = kWidth - newColumns[turn];
        EXPECT_EQ(shown.pixelAt(edge, 0), Place(0, 0)) << "turn " << turn;
        if (edge > 0) {
            EXPECT_EQ(shown.pixelAt(edge - 1, 0), 0x123456u) << "turn " << turn;
        }
        EXPECT_EQ(display.IsFading(), turn < 5) << "turn " << turn;
    }
}

// Draws leave out what a transition does not show, so the part they keep must be all the
// present then shows of the new screen, and no more.
TEST_F(DirectDrawTest, TheShownAreaIsAllOfTheNewScreenThatTheFramesPresentShows) {
    ASSERT_TRUE(Init(32, true));
    EXPECT_EQ(display.ShownArea(), (Rect{0, 0, kWidth, kHeight}));
    PaintScreens();
    for (const int effect :
         {DirectDraw::FadeZoom, DirectDraw::FadeSlideFromRight, DirectDraw::FadeSlideFromLeft})
        for (const float time : {0.0f, 0.1f, 0.33f, 0.48f}) {
            StartFadeWith(effect);
            display.GetBackBuffer()->fill(nullptr, 0x123456);
            display.fadeTime = time;
            display.SetComingFadeStep(0.02f);
            const Rect shown = display.ShownArea();
            display.Present();
            Rect seen{kWidth, kHeight, 0, 0};
            const DisplaySurface& frame = Shown();
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) {
                    const uint32_t pixel = frame.pixelAt(x, y);
                    if (pixel == 0x123456u)
                        continue;
                    const int column = static_cast<int>(pixel >> 12 & 0x3FF);
                    const int row = static_cast<int>(pixel & 0xFFF);
                    seen = {std::min(seen.left, column), std::min(seen.top, row),
                            std::max(seen.right, column + 1), std::max(seen.bottom, row + 1)};
                }
            EXPECT_EQ(seen, shown) << "effect " << effect << " at " << time << " s";
        }
}

// A sprite crossing the edge of what a slide shows is cut there.
TEST_F(DirectDrawTest, DrawsDuringATransitionAreCutToTheShownArea) {
    ASSERT_TRUE(Init(16, true));
    StartFadeWith(DirectDraw::FadeSlideFromRight);
    display.fadeTime = 0.1f;
    display.SetComingFadeStep(0.025f);
    ASSERT_EQ(display.ShownArea(), (Rect{0, 0, 400, kHeight}));
    int x = 390;
    int y = 10;
    InclusiveRect source{0, 0, 19, 19};
    ASSERT_TRUE(Sprite::ClipToScreen(x, y, source));
    EXPECT_EQ(source.right, 9) << "columns 390 to 399 are drawn";
    x = 400;
    source = {0, 0, 19, 19};
    EXPECT_FALSE(Sprite::ClipToScreen(x, y, source));
    display.Present();
    EXPECT_EQ(display.fadeTime, 0.125f) << "the present takes the step it was told";
}

TEST_F(DirectDrawTest, LostSurfacesSkipAFrameAndAreBackForTheNext) {
    ASSERT_TRUE(Init(16, true));
    display.Present();
    ASSERT_EQ(headless.display().framesShown(), 1);
    headless.display().loseSurfaces();
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 1);
    // The next main-loop turn brings them back.
    Singleton<SpriteManager>::Instance().ProcessInvalidSprites();
    EXPECT_FALSE(display.GetBackBuffer()->isLost());
    display.GetBackBuffer()->fill(nullptr, 0x001F);
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 2);
    EXPECT_EQ(Shown().pixelAt(5, 5), 0x001Fu);
    EXPECT_EQ(Log().find("DirectX Error"), std::string::npos);
}

TEST_F(DirectDrawTest, RestoreSurfacesBringsBackAllThreeBuffers) {
    ASSERT_TRUE(Init(16, false));
    headless.display().loseSurfaces();
    display.RestoreSurfaces();
    for (const DisplaySurface* surface :
         {display.GetPrimary(), display.GetBackBuffer(), display.GetFadeBuffer()})
        EXPECT_FALSE(surface->isLost());
    display.Shutdown();
    display.RestoreSurfaces();
}

TEST_F(DirectDrawTest, AFailedFlipIsTriedAgain) {
    ASSERT_TRUE(Init(16, true));
    headless.display().refuseNext(DisplayCall::Flip, dd::Generic);
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 1);
    EXPECT_NE(Log().find("\"DDERR_GENERIC\"\n"), std::string::npos);
}

TEST_F(DirectDrawTest, AFlipThatKeepsFailingIsGivenUpForTheFrame) {
    ASSERT_TRUE(Init(16, true));
    headless.display().refuseNext(DisplayCall::Flip, dd::Generic, 1000);
    display.Present();
    EXPECT_EQ(headless.display().framesShown(), 0);
    const std::string log = Log();
    EXPECT_EQ(CountErrorLines(log, "DirectX Error (80004005) in file .\\DirectDraw in line ",
                              ": \"DDERR_GENERIC\""),
              3)
        << log;
}

} // namespace
