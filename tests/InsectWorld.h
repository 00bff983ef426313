#pragma once

#include "FrogWorld.h"
#include "actors/Insect.h"
#include "gfx/DirectDraw.h"
#include "platform/DisplaySurface.h"
#include "score/GameScore.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// The frog's small level with the insect settings and a plain sprite for every insect label:
// blue as drawn, red mirrored, `kSpriteWidth` x `kSpriteHeight`. Flights take `kFlyAnimation`
// seconds a cycle, a piercing `kPiercingAnimation`. The frog stands idle on its start cell.
// Settings given to the constructor come first and so win over the ones here.
class InsectWorld {
  public:
    static constexpr int kSpriteWidth = 20;
    static constexpr int kSpriteHeight = 16;
    static constexpr std::uint32_t kBlue = 0x2040F0;
    static constexpr std::uint32_t kRed = 0xF02020;
    static constexpr float kFlyAnimation = 1.0f;
    static constexpr float kPiercingAnimation = 0.5f;

    explicit InsectWorld(const std::string& settings = "") : w(settings + Defaults()) {
        for (const char* stem :
             {"INSECT_BIG_BUG", "INSECT_BUSINESS_BUG", "INSECT_BUTTERFLY", "INSECT_NEWS_BUG",
              "INSECT_TAXI_BUG", "INSECT_TOOL_BUG", "INSECT_VOYAGER_BUG"}) {
            AddLabel(std::string(stem) + "_FLY_LEFT", kFlyAnimation);
            AddLabel(std::string(stem) + "_PIERCING", kPiercingAnimation);
        }
        AddLabel("INVISIBLE_OBJECT", 0.0f);
        w.frog.reset();
        Singleton<GameScore>::Instance().init(w.level);
        ClearScreen();
    }

    static std::string Defaults() {
        return "perCentChanceToChangeDirVert 0\nperCentChancePierce 0\nmaxPierceDist 200\n"
               "InsectMoveOffsetGlobalX 0\nInsectMoveOffsetGlobalY 0\nInsectMoveMinSpeed 100\n"
               "InsectMoveMaxSpeed 100\nshrinkInterval 0.5\ninsectMaxApproachTime 3\n"
               "minNumInsects 0\nmaxNumInsects 10\ninsectSpawnChancePerCent 0\n"
               "insectSpawnInterval 1\nnumInitialInsects 0\nrelFrequencyBigBug 1\n"
               "relFrequencyBusinessBug 1\nrelFrequencyButterfly 1\nrelFrequencyNewsBug 1\n"
               "relFrequencyTaxiBug 1\nrelFrequencyToolBug 1\nrelFrequencyVoyagerBug 1\n"
               "piercingScore -50\nbusinessBugScore 100\nbutterflyScore 30\n";
    }

    Insect::World World() { return {&frog(), &w.level, &w.events}; }

    // An initialised insect of `type` at (x, y) in `state`.
    std::unique_ptr<Insect> Make(int type, float x, float y, int state) {
        auto insect = std::make_unique<Insect>(type, World());
        insect->init();
        insect->setPosition(x, y);
        insect->setState(state);
        return insect;
    }

    Frog& frog() { return w.frog; }
    Level& level() { return w.level; }
    InsectList& insects() { return w.insects.all(); }
    int Score() const { return Singleton<GameScore>::Instance().getScore(); }
    int LogCount(const std::string& line) const { return w.LogCount(line); }
    std::vector<int> Quits() { return TakeQuitCodes(w.screen.Window()); }

    static platform::DisplaySurface& Back() {
        return *Singleton<DirectDraw>::Instance().GetBackBuffer();
    }
    static void ClearScreen() { Back().fill(nullptr, 0); }
    static std::uint32_t PixelAt(int x, int y) { return Back().pixelAt(x, y); }
    // The raw value the screen stores for a colour.
    static std::uint32_t ScreenValue(std::uint32_t colour) {
        const std::unique_ptr<Image> image = Picture(1, 1, colour);
        std::uint32_t raw = 0;
        std::memcpy(&raw, image->GetData(), static_cast<std::size_t>(image->BytesPerPixel()));
        return raw;
    }

    FrogWorld w;

  private:
    static std::unique_ptr<Image> Picture(int width, int height, std::uint32_t colour) {
        auto image = std::make_unique<Image>();
        image->Create(width, height, PixelFormat::Screen());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image->SetPixel(x, y, colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
        return image;
    }

    static void AddLabel(const std::string& label, float duration) {
        FrogWorld::SetDuration(label, duration);
        for (bool mirrored : {false, true}) {
            auto sprite = std::make_unique<SurfaceSprite>();
            sprite->Create(Picture(kSpriteWidth, kSpriteHeight, mirrored ? kRed : kBlue),
                           kSpriteWidth, kSpriteHeight, 0, 0, false);
            Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), label, mirrored);
        }
    }
};
