#pragma once

#include "WorldConfig.h"
#include "actors/Frog.h"
#include "actors/Swarm.h"
#include "app/GameState.h"
#include "gfx/SpriteInfo.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "score/ScoreKeeper.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "world/Level.h"
#include "world/ObjectType.h"
#include "world/Randomizer.h"
#include "world/TrackObjectFactory.h"

#include <memory>
#include <string>

// A level for the frog to play in: a start strip, then three areas of five one-row lanes under a
// grass row each: road with trucks only, river, road without trucks.
// Lanes move 10 units a second to the right and are filled before the test begins. Every
// animation lasts `kAnimation` seconds unless a test says otherwise.
class FrogWorld {
  public:
    static constexpr float kAnimation = 0.5f;
    static constexpr int kTruckRoadRow = 3;
    static constexpr int kRiverRow = 9;
    static constexpr int kCarRoadRow = 15;

    explicit FrogWorld(const std::string& extra = "") : screen(32) {
        LoadWorldConfig(folder, Config() + extra);
        for (const char* label :
             {"RAGTOP_OPEN_DRIVE", "RAGTOP_CLOSED_DRIVE", "SMALL_CAR_DRIVE", "TRUCK_GARBAGE_DRIVE",
              "TRUCK_CHEZ_FRED_DRIVE", "TRUCK_ELECTRIC_DRIVE", "TRUCK_AQUARIUM_DRIVE",
              "TRUCK_CEMENT_MIXER_DRIVE", "TRUNK_SWIMMING", "BARREL_SWIMMING", "HIPPO_SWIMMING",
              "WATER_LILY_SWIMMING", "BOX_SWIMMING", "STAR_TRUCK", "SHADOW_TRUCK",
              "SHADOW_SMALL_CAR", "SHADOW_RAGTOP", "WATER_LILY_GOAL"})
            for (bool mirrored : {false, true})
                AddSlab(label, mirrored);
        for (int state = 1; state <= kFrogStateCount; ++state) {
            frog.setState(state);
            SetDuration(frog.spriteLabel(), kAnimation);
            AddSlab(frog.spriteLabel(), false);
        }
        frog.setState(FS_IDLE);
        Singleton<Randomizer>::Instance().seed(5);
        Singleton<TrackObjectFactory>::Instance().load();
        level.frog = &frog;
        level.inhabitants = &insects;
        level.events = &events;
        frog.setWorld({&level, &events, &insects.all()});
        insects.setWorld({&frog, &level, &events});
        level.settings.load();
        level.setUpLevel();
    }

    static std::string Config() {
        std::string config =
            "gridWidthUnits 800\nnumLatCells 16\nnumAreas 3\nnumVisibleAreas 3\n"
            "numTracksPerArea 5\nnumCellsStartStrip 1\nnumCellsPerGrassStrip 1\n"
            "numCellsPerTrack 1\nnumFrogsToGoal 3\nfrogSpeedFactor00 1\nlevelTimeSeconds 60\n"
            "MaxNumObjectsPerTrack 3\ninitInterval 20\nsmallCarObjectWidth 100\n"
            "smallCarObjectHeight 60\ntrunkObjectWidth 200\ntrunkObjectHeight 60\n"
            "truckObjectWidth 200\ntruckObjectHeight 60\ntruckGarbageFrogOffsetX "
            "60\ntruckChezFredFrogOffsetX 60\n"
            "truckElectricFrogOffsetX 60\ntruckAquariumFrogOffsetX 60\ntruckCementMixerFrogOffsetX "
            "60\n"
            "truckKillTimerInterval 100\nfrogObjectWidth 40\nfrogObjectHeight 40\n"
            "frogStartCellLat_0_0 8\nfrogStartCellLong_0_0 0\ncatchInsectsDistance 50\n"
            "frogRocketJumpInterval 0.5\ntruckToTruckTravelScore 250\nmessageInterval 2\n"
            "relFrequTruckPerCent_A00_F00 100\nrelFrequBoxPerCent_A01_F00 0\n"
            "relFrequTruckPerCent_A02_F00 0\nareaType00 1\nareaType01 2\nareaType02 1\n";
        for (int a = 0; a < 3; ++a)
            for (int t = 0; t < 5; ++t) {
                const std::string lane = "_0" + std::to_string(a) + "_0" + std::to_string(t);
                config += "direction" + lane + " 0\ntrackSpeed" + lane + " 10\nMinSpawnInterval" +
                          lane + " 1\nMaxSpawnInterval" + lane + " 2\n";
            }
        return config;
    }

    static void SetDuration(const std::string& label, float seconds) {
        SpriteInfo info;
        info.name = label;
        info.duration = seconds;
        Singleton<SpriteManager>::Instance().SetSpriteInfo(info);
    }

    // The first object of the lane in `row`.
    TrackObject& ObjectInRow(int row) const {
        const Area& area = *level.getAreas()[static_cast<std::size_t>((row - 1) / 6)];
        const ObjectTrack& track = area.getTracks()[static_cast<std::size_t>((row - 1) % 6)];
        return *track.getObjects().front();
    }

    static int CentreY(int row) { return row * 75 + 37; }

    // Runs one frame of the frog alone.
    void Step(float dt) { frog.update(dt); }

    int LogCount(const std::string& line) const { return CountOf(folder.Read("debug.txt"), line); }

    HeadlessScreen screen;
    ScratchFolder folder;
    GameState gameState = GameState::Playing;
    // Scores as the game does; a deadly command ends play as the game's state would show it.
    ScoreKeeper events{[this] { gameState = GameState::FrogDying; }};
    Frog frog;
    Level level;
    Swarm insects;

  private:
    static void AddSlab(const std::string& label, bool mirrored) {
        auto slab = std::make_unique<SurfaceSprite>();
        auto picture = std::make_unique<Image>();
        picture->Create(40, 40, PixelFormat::Screen());
        slab->Create(std::move(picture), 40, 40, 0, 0, false);
        Singleton<SpriteManager>::Instance().AddSprite(std::move(slab), label, mirrored);
    }
};
