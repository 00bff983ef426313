#include "actors/Frog.h"
#include "app/AssetCatalogue.h"
#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct FrogState {
    int state;
    const char* label;
};

const FrogState kMoves[] = {
    {FS_MOVE_UP, "FROG_MOVE_UP"},
    {FS_MOVE_UP_TRUCK_UP, "FROG_MOVE_UP_TRUCK_UP"},
    {FS_MOVE_UP_TRUCK_DOWN, "FROG_MOVE_UP_TRUCK_DOWN"},
    {FS_MOVE_DOWN, "FROG_MOVE_DOWN"},
    {FS_MOVE_DOWN_TRUCK_DOWN, "FROG_MOVE_DOWN_TRUCK_DOWN"},
    {FS_MOVE_LEFT, "FROG_MOVE_LEFT"},
    {FS_MOVE_RIGHT, "FROG_MOVE_RIGHT"},
    {FS_ROCKET_JUMP, "FROG_ROCKET_JUMP"},
    {FS_ROCKET_JUMP_BOARDING, "FROG_ROCKET_JUMP_BOARDING"},
};

// The other states, each starting from the frog as it stood; the truck kills are drawn for
// the garbage truck's state, which picks the left or right picture.
const FrogState kStandingStarts[] = {
    {FS_CATCH_INSECT, "FROG_CATCH_INSECT"},
    {FS_PIERCED, "FROG_PIERCED"},
    {FS_FINISH, "FROG_FINISH"},
    {FS_KNOCKED_OVER, "FROG_KNOCKED_OVER"},
    {FS_DROWN, "FROG_DROWN"},
    {FS_KILL_GARBAGE, "FROG_KILL_TRUCK_LEFT"},
    {FS_KILL_GARBAGE, "FROG_KILL_TRUCK_RIGHT"},
    {FS_KILL_BOX_DROWN, "FROG_KILL_BOX_DROWN"},
    {FS_KILL_BOX_HAMMER, "FROG_KILL_BOX_HAMMER"},
    {FS_KILL_BOX_RED_BUTTON, "FROG_KILL_BOX_RED_BUTTON"},
    {FS_KILL_BOX_BOMB, "FROG_KILL_BOX_BOMB"},
    {FS_KILL_PIRANHA, "FROG_KILL_PIRANHA"},
    {FS_SHOW_DOWN_WAIT, "FROG_SHOW_DOWN_WAIT"},
};

const char* const kEffects[] = {"HAMMER_DOWN", "EXPLOSION"};

// Where the frog stands on the screen in every drawing here.
constexpr int kFrogX = 400;
constexpr int kFrogY = 330;
// Far enough round the frog for the longest jump and the widest fling.
constexpr int kLook = 260;

// The visible part of a drawing: its fully opaque pixels and their centre.
struct Seen {
    double x = 0;
    double y = 0;
    int pixels = 0;
};

// The frog's pictures from the build's packed data, drawn through the game's own sprites onto
// a 16-bit headless screen at the places the game draws them.
class AssetgenFrogAnimationsTest : public ::testing::Test {
  protected:
    void SetUp() override { AssetCatalogue::RegisterAssets(); }

    std::string Log() const { return folder.Read("debug.txt"); }
    static SettingsManager& Settings() { return Singleton<SettingsManager>::Instance(); }
    static Sprite* Get(const std::string& label) {
        return Singleton<SpriteManager>::Instance().GetSprite(label);
    }
    static const SpriteInfo& Info(const std::string& label) {
        return *Singleton<SpriteManager>::Instance().GetSpriteInfo(label);
    }
    static platform::DisplaySurface& Back() {
        return *Singleton<DirectDraw>::Instance().GetBackBuffer();
    }

    // The state's draw offset as the frog adds it up: the default plus the state's own.
    static std::pair<int, int> OffsetOf(int state) {
        std::pair<int, int> offset{Settings().GetInt("frogDefaultOffsetX"),
                                   Settings().GetInt("frogDefaultOffsetY")};
        if (!Frog::OffsetKey(state, 'X').empty()) {
            offset.first += Settings().GetInt(Frog::OffsetKey(state, 'X'));
            offset.second += Settings().GetInt(Frog::OffsetKey(state, 'Y'));
        }
        return offset;
    }

    static void ShowFrame(Sprite& sprite, const std::string& label, int frame) {
        const SpriteInfo& info = Info(label);
        sprite.time =
            (static_cast<float>(frame) + 0.5f) * info.duration / static_cast<float>(info.numFrames);
    }

    template <typename DrawIt>
    static std::vector<std::uint32_t> Shot(std::uint32_t ground, DrawIt draw) {
        Back().fill(nullptr, ground);
        draw();
        std::vector<std::uint32_t> pixels;
        for (int y = kFrogY - kLook; y < kFrogY + kLook; ++y)
            for (int x = kFrogX - kLook; x < kFrogX + kLook; ++x)
                pixels.push_back(Back().pixelAt(x, y));
        return pixels;
    }

    // A pixel is the picture's own where it comes out the same over black and over white.
    template <typename DrawIt> static Seen Look(DrawIt draw) {
        const std::vector<std::uint32_t> overBlack = Shot(0x0000, draw);
        const std::vector<std::uint32_t> overWhite = Shot(0xFFFF, draw);
        Seen seen;
        for (std::size_t at = 0; at < overBlack.size(); ++at) {
            if (overBlack[at] != overWhite[at])
                continue;
            seen.x += static_cast<double>(at % (2 * kLook)) + kFrogX - kLook;
            seen.y += static_cast<double>(at / (2 * kLook)) + kFrogY - kLook;
            ++seen.pixels;
        }
        if (seen.pixels > 0) {
            seen.x /= seen.pixels;
            seen.y /= seen.pixels;
        }
        return seen;
    }

    // The frame drawn centred as the frog draws itself standing at (kFrogX, kFrogY) in `state`.
    static Seen FrogFrame(int state, const std::string& label, int frame) {
        Sprite* sprite = Get(label);
        EXPECT_NE(sprite, nullptr) << label;
        if (sprite == nullptr)
            return {};
        ShowFrame(*sprite, label, frame);
        const auto [offsetX, offsetY] = OffsetOf(state);
        return Look([&] { sprite->DrawCentered(kFrogX + offsetX, kFrogY - offsetY); });
    }

    // Where the frog puts the corner of an effect drawn over it standing at (kFrogX, kFrogY).
    static std::pair<int, int> EffectCorner(const std::string& offsetStem) {
        const int worldYOnScreen = 600 - kFrogY;
        return {kFrogX + Settings().GetInt(offsetStem + "OffsetX"),
                600 - Settings().GetInt(offsetStem + "OffsetY") - worldYOnScreen};
    }

    static Seen EffectFrame(const std::string& label, const std::string& offsetStem, int frame) {
        Sprite* sprite = Get(label);
        EXPECT_NE(sprite, nullptr) << label;
        if (sprite == nullptr)
            return {};
        ShowFrame(*sprite, label, frame);
        const auto [x, y] = EffectCorner(offsetStem);
        return Look([&] { sprite->Draw(x, y); });
    }

    static Seen Standing() { return FrogFrame(FS_IDLE, "FROG_IDLE", 0); }

    ScratchFolder folder;
    HeadlessScreen screen{16};
    GeneratedData data{folder};
};

TEST_F(AssetgenFrogAnimationsTest, EveryPictureStacksWholeFramesOfItsCatalogueCount) {
    std::vector<std::string> labels{"FROG_IDLE"};
    for (const FrogState& move : kMoves)
        labels.emplace_back(move.label);
    for (const FrogState& other : kStandingStarts)
        labels.emplace_back(other.label);
    labels.insert(labels.end(), std::begin(kEffects), std::end(kEffects));
    const FileLoader& files = Singleton<FileLoader>::Instance();
    for (const std::string& label : labels) {
        const std::string name = NormalizeLabel(label);
        const std::unique_ptr<Image> picture =
            Singleton<PictureLoader>::Instance().Load(name, true);
        ASSERT_NE(picture, nullptr) << label;
        const SpriteInfo& info = Info(label);
        EXPECT_EQ(picture->GetHeight() % info.numFrames, 0) << label;
        EXPECT_GT(info.duration, 0.0f) << label;
        // Blended edges where the sprite type reads an alpha map, a colour key where it does not.
        EXPECT_EQ(files.Exists(name + "Alpha", ".bmp"), info.type == SpriteTypeAnimated) << label;
        EXPECT_NE(Get(label), nullptr) << label;
    }
    EXPECT_EQ(CountOf(Log(), "Fail"), 0) << Log();
    for (const std::string& label : labels)
        EXPECT_EQ(CountOf(Log(), "<" + NormalizeLabel(label) + "Interval>"), 0) << label;
    EXPECT_TRUE(TakeQuitCodes(screen.Window()).empty());
}

TEST_F(AssetgenFrogAnimationsTest, EachMoveHopsItsWholeDistanceAndLandsWhereTheFrogThenStands) {
    const Seen standing = Standing();
    ASSERT_GT(standing.pixels, 600);
    for (const FrogState& move : kMoves) {
        const auto [dx, dy] = Frog::MoveDistance(move.state);
        const int last = Info(move.label).numFrames - 1;
        const Seen first = FrogFrame(move.state, move.label, 0);
        const Seen landed = FrogFrame(move.state, move.label, last);
        ASSERT_GT(first.pixels, 600) << move.label;
        ASSERT_GT(landed.pixels, 600) << move.label;
        EXPECT_NEAR(landed.x - first.x, dx, 2.0) << move.label;
        EXPECT_NEAR(first.y - landed.y, dy, 2.0) << move.label;
        // The position jumps by the move when it ends: the idle frame then stands there.
        EXPECT_NEAR(first.x, standing.x, 2.0) << move.label;
        EXPECT_NEAR(first.y, standing.y, 2.0) << move.label;
        EXPECT_NEAR(landed.x, standing.x + dx, 2.0) << move.label;
        EXPECT_NEAR(landed.y, standing.y - dy, 2.0) << move.label;
    }
}

TEST_F(AssetgenFrogAnimationsTest, AMoveIsSeenOnTheWayBetweenItsEnds) {
    for (const FrogState& move : kMoves) {
        const auto [dx, dy] = Frog::MoveDistance(move.state);
        const Seen first = FrogFrame(move.state, move.label, 0);
        const Seen halfway = FrogFrame(move.state, move.label, Info(move.label).numFrames / 2);
        const double along =
            ((halfway.x - first.x) * dx - (halfway.y - first.y) * dy) / (dx * dx + dy * dy);
        EXPECT_GT(along, 0.2) << move.label;
        EXPECT_LT(along, 0.9) << move.label;
    }
}

TEST_F(AssetgenFrogAnimationsTest, EveryOtherStateStartsWhereTheFrogStands) {
    const Seen standing = Standing();
    for (const FrogState& other : kStandingStarts) {
        const Seen first = FrogFrame(other.state, other.label, 0);
        ASSERT_GT(first.pixels, 600) << other.label;
        EXPECT_LT(std::hypot(first.x - standing.x, first.y - standing.y), 4.0) << other.label;
    }
}

TEST_F(AssetgenFrogAnimationsTest, TheHammerStrikesTheFrogAndTheExplosionIsCentredOnIt) {
    const int frames = Info("HAMMER_DOWN").numFrames;
    int covering = 0;
    for (int frame = 0; frame < frames; ++frame) {
        Sprite* hammer = Get("HAMMER_DOWN");
        ASSERT_NE(hammer, nullptr);
        ShowFrame(*hammer, "HAMMER_DOWN", frame);
        const auto [x, y] = EffectCorner("HammerDown");
        const auto over = [&](std::uint32_t ground) {
            Back().fill(nullptr, ground);
            hammer->Draw(x, y);
            return Back().pixelAt(kFrogX, kFrogY);
        };
        const bool covered = over(0x0000) == over(0xFFFF);
        if (frame == 0) {
            EXPECT_FALSE(covered) << "the hammer is still raised";
        }
        covering += covered ? 1 : 0;
    }
    EXPECT_GE(covering, 3);
    EXPECT_LT(covering, frames);
    const Seen blast = EffectFrame("EXPLOSION", "explosion", 2);
    ASSERT_GT(blast.pixels, 600);
    EXPECT_NEAR(blast.x, kFrogX, 3.0);
    EXPECT_NEAR(blast.y, kFrogY, 3.0);
}

TEST_F(AssetgenFrogAnimationsTest, HopsAreQuickIdlingIsCalmAndDeathsCanBeFollowed) {
    const auto seconds = [](const char* label) {
        return Info(label).duration / Frog::kMoveTimeFactor;
    };
    for (const char* hop : {"FROG_MOVE_UP", "FROG_MOVE_DOWN", "FROG_MOVE_LEFT", "FROG_MOVE_RIGHT"})
        EXPECT_LT(seconds(hop), 0.45f) << hop;
    EXPECT_GT(seconds("FROG_ROCKET_JUMP"), seconds("FROG_MOVE_UP"));
    EXPECT_FLOAT_EQ(Settings().GetFloat("frogRocketJumpInterval"),
                    Info("FROG_ROCKET_JUMP").duration);
    EXPECT_GE(Info("FROG_IDLE").duration, 2.0f);
    EXPECT_LE(Info("FROG_IDLE").duration, 3.0f);
    for (const char* death :
         {"FROG_PIERCED", "FROG_DROWN", "FROG_KILL_TRUCK_LEFT", "FROG_KILL_BOX_DROWN",
          "FROG_KILL_BOX_HAMMER", "FROG_KILL_BOX_RED_BUTTON", "FROG_KILL_BOX_BOMB",
          "FROG_KILL_PIRANHA"}) {
        EXPECT_GE(seconds(death), 0.9f) << death;
        EXPECT_LE(seconds(death), 2.0f) << death;
    }
    // The effects run in step with the deaths they belong to.
    EXPECT_FLOAT_EQ(Info("HAMMER_DOWN").duration, Info("FROG_KILL_BOX_HAMMER").duration);
    EXPECT_FLOAT_EQ(Info("EXPLOSION").duration, Info("FROG_KILL_BOX_BOMB").duration);
    EXPECT_NEAR(Settings().GetInt("frogObjectWidth"), 40, 6);
    EXPECT_NEAR(Settings().GetInt("frogObjectHeight"), 40, 6);
}

} // namespace
