#include "FrogAnimations.h"

#include "ContactSheet.h"
#include "DataFolder.h"
#include "FrogDeaths.h"
#include "FrogMoves.h"
#include "app/AssetCatalogue.h"
#include "core/StringUtil.h"
#include "gfx/SpriteLabel.h"

namespace FrogAnimations {
namespace {

// The frog's body box; the drawn frog is a little larger with its legs.
constexpr int kBodySize = 40;
// The frame of a frog standing still, with room for a bigger frog at the top of a jump.
constexpr int kCell = 80;
constexpr int kMid = kCell / 2;
// Moves leave room behind the frog for its legs kicking out.
constexpr int kLong = kCell + 16;
constexpr int kLongMid = kLong / 2;
// Deaths with ripples, stars or sparks around the frog.
constexpr int kWide = 96;
constexpr int kTongue = 60;
constexpr int kFling = 90;
// A frog flung tumbling, spread flat and grown as it flies.
constexpr int kFlung = 116;

const std::vector<Animation> kAnimations = {
    {"FROG_IDLE", kCell, kCell, kMid, kMid, 0, 0, 2.5, nullptr, false, FrogMoves::Idle},
    {"FROG_MOVE_UP", kCell, kLong + 75, kMid, kLongMid + 75, 0, -75, 0.4, "frogmoveup", false,
     FrogMoves::Hop},
    {"FROG_MOVE_UP_TRUCK_UP", kCell, kLong + 85, kMid, kLongMid + 85, 0, -85, 0.42,
     "frogmoveuptruckup", false, FrogMoves::Hop},
    {"FROG_MOVE_UP_TRUCK_DOWN", kCell, kLong + 65, kMid, kLongMid + 65, 0, -65, 0.42,
     "frogmoveuptruckdown", false, FrogMoves::Hop},
    {"FROG_MOVE_DOWN", kCell, kLong + 75, kMid, kLongMid, 0, 75, 0.4, "frogmovedown", false,
     FrogMoves::Hop},
    {"FROG_MOVE_DOWN_TRUCK_DOWN", kCell, kLong + 85, kMid, kLongMid, 0, 85, 0.42,
     "frogmovedowntruckdown", false, FrogMoves::Hop},
    {"FROG_MOVE_LEFT", kLong + 40, kCell, kLongMid + 40, kMid, -40, 0, 0.34, "frogmoveleft", false,
     FrogMoves::Hop},
    {"FROG_MOVE_RIGHT", kLong + 40, kCell, kLongMid, kMid, 40, 0, 0.34, "frogmoveright", false,
     FrogMoves::Hop},
    {"FROG_ROCKET_JUMP", kCell, kLong + 140, kMid, kLongMid + 140, 0, -140, 0.62, "frogrocketjump",
     false, FrogMoves::RocketJump},
    {"FROG_ROCKET_JUMP_BOARDING", kCell, kLong + 150, kMid, kLongMid + 150, 0, -150, 0.62,
     "frogrocketjumpboarding", false, FrogMoves::RocketJump},
    {"FROG_CATCH_INSECT", kCell, kCell + kTongue, kMid, kMid + kTongue, 0, 0, 0.75,
     "frogcatchinsect", false, FrogMoves::CatchInsect},
    {"FROG_PIERCED", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.6, "frogpierced", false,
     FrogDeaths::Pierced},
    {"FROG_FINISH", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.1, "frogfinish", false,
     FrogMoves::Finish},
    {"FROG_KNOCKED_OVER", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.2, "frogknockedover", false,
     FrogDeaths::KnockedOver},
    {"FROG_DROWN", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.5, "frogdrown", false,
     FrogDeaths::Drown},
    {"FROG_KILL_TRUCK_LEFT", kCell + 2 * (kFling + 42), kFlung, kMid + kFling + 42, kFlung / 2,
     -kFling, 0, 1.4, nullptr, false, FrogDeaths::KillTruck},
    {"FROG_KILL_TRUCK_RIGHT", kCell + 2 * (kFling + 42), kFlung, kMid + kFling + 42, kFlung / 2,
     kFling, 0, 1.4, nullptr, false, FrogDeaths::KillTruck},
    {"FROG_KILL_BOX_DROWN", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.5, "frogkillboxdrown",
     false, FrogDeaths::BoxDrown},
    {"FROG_KILL_BOX_HAMMER", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.5, "frogkillboxhammer",
     false, FrogDeaths::BoxHammer},
    {"FROG_KILL_BOX_RED_BUTTON", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.7,
     "frogkillboxredbutton", false, FrogDeaths::RedButton},
    {"FROG_KILL_BOX_BOMB", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.3, "frogkillboxbomb", false,
     FrogDeaths::Bomb},
    {"FROG_KILL_PIRANHA", kWide, kWide, kWide / 2, kWide / 2, 0, 0, 1.4, "frogkillpiranha", false,
     FrogDeaths::Piranha},
    {"FROG_SHOW_DOWN_WAIT", kCell, kCell, kMid, kMid, 0, 0, 1.0, nullptr, false,
     FrogMoves::ShowdownWait},
    // In step with the frog's hammer and bomb deaths: the same run time.
    {"HAMMER_DOWN", 140, 130, 56, 92, 0, 0, 1.5, "HammerDown", true, FrogDeaths::HammerDown},
    {"EXPLOSION", 128, 128, 64, 64, 0, 0, 1.3, "explosion", true, FrogDeaths::Explosion},
};

int FrameCount(const Animation& animation) {
    const std::optional<SpriteInfo> info = AssetCatalogue::Definition(animation.label);
    return info ? info->numFrames : 1;
}

// Cropping cuts each frame to what is drawn, and a centred draw then centres the cut box: a
// nearly invisible dot in two corners keeps every frame whole, so the rest point stays put.
void KeepWhole(cairo_t* cr, int width, int height) {
    cairo_set_source_rgba(cr, 0.5, 0.5, 0.5, 2.0 / 255);
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_rectangle(cr, width - 1, height - 1, 1, 1);
    cairo_fill(cr);
}

std::unique_ptr<Canvas> FrameOf(const Canvas& strip, const Animation& animation, int index) {
    auto frame = std::make_unique<Canvas>(animation.width, animation.height);
    cairo_set_source_surface(frame->Context(), strip.Surface(), 0, -index * animation.height);
    cairo_paint(frame->Context());
    return frame;
}

void Line(std::string& text, const std::string& key, const std::string& value) {
    text += key + " " + value + "\n";
}

} // namespace

const std::vector<Animation>& All() {
    return kAnimations;
}

FrogPainter::Pose Standing(const Animation& animation) {
    FrogPainter::Pose pose;
    pose.x = animation.restX;
    pose.y = animation.restY;
    return pose;
}

// A centred draw puts the frame's left edge half its width left of the anchor.
int OffsetX(const Animation& animation) {
    return animation.effect ? -animation.restX : animation.width / 2 - animation.restX;
}

int OffsetY(const Animation& animation) {
    return animation.effect ? animation.restY : animation.restY - animation.height / 2;
}

std::unique_ptr<Canvas> Strip(const Animation& animation) {
    const int count = FrameCount(animation);
    auto strip = std::make_unique<Canvas>(animation.width, animation.height * count);
    cairo_t* cr = strip->Context();
    for (int index = 0; index < count; ++index) {
        cairo_save(cr);
        cairo_translate(cr, 0, index * animation.height);
        cairo_rectangle(cr, 0, 0, animation.width, animation.height);
        cairo_clip(cr);
        const double t = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
        animation.draw(cr, animation, {index, count, t, static_cast<double>(index) / count});
        if (!animation.effect)
            KeepWhole(cr, animation.width, animation.height);
        cairo_restore(cr);
    }
    return strip;
}

bool WriteAll(const std::string& outDir, ContactSheet* sheet) {
    DataFolder folder(outDir, nullptr);
    for (const Animation& animation : kAnimations) {
        const std::unique_ptr<Canvas> strip = Strip(animation);
        if (!folder.WritePicture(animation.label, *strip))
            return false;
        for (int index = 0; sheet && index < FrameCount(animation); ++index)
            sheet->Add(StringUtil::Format("%s %d", animation.label, index),
                       *FrameOf(*strip, animation, index));
    }
    return true;
}

std::string ConfigText() {
    std::string text =
        "\n# The frog's animations. A move shows the whole hop inside its picture, so its offset\n"
        "# puts the picture's start on the frog; the rocket jump's landing look-ahead reads\n"
        "# frogRocketJumpInterval, the same line (keys ignore case).\n";
    Line(text, "frogObjectWidth", std::to_string(kBodySize));
    Line(text, "frogObjectHeight", std::to_string(kBodySize));
    Line(text, "frogDefaultOffsetX", "0");
    Line(text, "frogDefaultOffsetY", "0");
    for (const Animation& animation : kAnimations) {
        Line(text, NormalizeLabel(animation.label) + "Interval",
             StringUtil::Format("%.2f", animation.interval));
        if (animation.offsetKey == nullptr)
            continue;
        Line(text, std::string(animation.offsetKey) + "OffsetX",
             std::to_string(OffsetX(animation)));
        Line(text, std::string(animation.offsetKey) + "OffsetY",
             std::to_string(OffsetY(animation)));
    }
    return text;
}

} // namespace FrogAnimations
