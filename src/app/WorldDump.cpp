#include "app/WorldDump.h"

#include "actors/Frog.h"
#include "app/Game.h"
#include "app/JsonArray.h"
#include "app/JsonObject.h"
#include "core/Language.h"
#include "core/Singleton.h"
#include "core/Translation.h"
#include "platform/KeyName.h"
#include "score/GameScore.h"
#include "world/BlockInfo.h"
#include "world/Box.h"
#include "world/Level.h"
#include "world/TrackObject.h"

namespace {

std::string ObjectJson(const TrackObject& object) {
    return JsonObject()
        .Add("type", static_cast<long long>(object.getObjectType()))
        .Add("state", static_cast<long long>(object.getState()))
        .Add("x", static_cast<double>(object.getX()))
        .Add("y", static_cast<double>(object.getY()))
        .Add("width", static_cast<long long>(object.getWidth()))
        .Add("frogAboard", object.isFrogAboard())
        .Str();
}

std::string LaneJson(const Area& area, const ObjectTrack& track) {
    JsonArray objects;
    for (const auto& object : track.getObjects())
        objects.AddRaw(ObjectJson(*object));
    return JsonObject()
        .Add("area", static_cast<long long>(area.getIndex()))
        .Add("type", static_cast<long long>(area.getType()))
        .Add("row", static_cast<long long>(track.getRow()))
        .Add("speed", static_cast<double>(track.getSpeed()))
        .AddRaw("objects", objects.Str())
        .AddRaw("piranha", track.getPiranha() ? ObjectJson(*track.getPiranha()) : "null")
        .Str();
}

std::string ObstacleJson(const InvisibleBlockObject& obstacle) {
    return JsonObject()
        .Add("x", static_cast<long long>(obstacle.getX()))
        .Add("y", static_cast<long long>(obstacle.getY()))
        .Add("width", static_cast<long long>(obstacle.getWidth()))
        .Add("height", static_cast<long long>(obstacle.getHeight()))
        .Str();
}

std::string GoalJson(const WaterLilyGoal* goal) {
    if (goal == nullptr)
        return "null";
    return JsonObject()
        .Add("x", static_cast<double>(goal->getX()))
        .Add("y", static_cast<double>(goal->getY()))
        .Str();
}

std::string InsectJson(const Insect& insect) {
    return JsonObject()
        .Add("type", static_cast<long long>(insect.getType()))
        .Add("state", static_cast<long long>(insect.getState()))
        .Add("x", static_cast<double>(insect.getX()))
        .Add("y", static_cast<double>(insect.getY()))
        .Add("caught", insect.isCaught())
        .Str();
}

std::string CellJson(int col, int row) {
    return JsonArray().Add(static_cast<long long>(col)).Add(static_cast<long long>(row)).Str();
}

// Enough of an object the frog points at to find it in the lanes.
std::string ReferenceJson(const TrackObject* object) {
    if (object == nullptr)
        return "null";
    return JsonObject()
        .Add("type", static_cast<long long>(object->getObjectType()))
        .Add("x", static_cast<double>(object->getX()))
        .Add("y", static_cast<double>(object->getY()))
        .Str();
}

JsonObject FrogJson(const Frog& frog) {
    JsonObject json;
    json.Add("state", static_cast<long long>(frog.getState()))
        .Add("x", static_cast<double>(frog.getX()))
        .Add("y", static_cast<double>(frog.getY()))
        .Add("stateTime", static_cast<double>(frog.getStateTime()))
        .AddRaw("ride", ReferenceJson(frog.getRide()));
    return json;
}

// The player's settings as the game uses them now, for a script to check what a start restored.
std::string OptionsJson(const Options& options) {
    const PlayerSettings& settings = options.Current();
    JsonArray keys;
    for (const int key : settings.keys)
        keys.Add(platform::KeyNameOf(key));
    return JsonObject()
        .Add("musicVolume", static_cast<long long>(settings.musicVolume))
        .Add("effectsVolume", static_cast<long long>(settings.effectsVolume))
        .Add("language",
             std::string_view(LanguageCode(Singleton<Translation>::Instance().Active())))
        .Add("fullscreen", options.Fullscreen())
        .Add("crispScaling", options.CrispScaling())
        .Add("smoothMotion", settings.smoothMotion)
        .Add("pauseOnFocusLoss", settings.pauseOnFocusLoss)
        .AddRaw("keys", keys.Str())
        .Str();
}

void AddPlayers(const Game& game, JsonObject& line) {
    const PlayerTurns& turns = game.turns;
    const int current = turns.Current();
    const JsonObject playing =
        JsonObject()
            .Add("lives", static_cast<long long>(game.level.settings.lives))
            .Add("score", static_cast<long long>(Singleton<GameScore>::Instance().getScore()));
    const PlayerTurns::Record& waiting = turns.Waiting();
    const JsonObject other = JsonObject()
                                 .Add("lives", static_cast<long long>(waiting.settings.lives))
                                 .Add("score", static_cast<long long>(waiting.standing.score));
    line.Add("player", static_cast<long long>(current))
        .AddRaw("players", JsonArray()
                               .AddRaw(current == 1 ? playing.Str() : other.Str())
                               .AddRaw(current == 1 ? other.Str() : playing.Str())
                               .Str());
}

} // namespace

void WorldDump::AddTraceFields(const Game& game, JsonObject& line) {
    const Level& level = game.level;
    const LevelSettings& settings = level.settings;
    line.Add("level", static_cast<long long>(settings.level))
        .Add("levelInWorld", static_cast<long long>(settings.levelInWorld))
        .Add("visibleAreas", static_cast<long long>(settings.visibleAreas))
        .Add("levelTime", static_cast<double>(settings.levelTime))
        .Add("frogsRemaining", static_cast<long long>(settings.frogsRemaining))
        .AddRaw("camera", JsonArray()
                              .Add(static_cast<double>(level.camera.x))
                              .Add(static_cast<double>(level.camera.y))
                              .Str())
        .Add("objects", static_cast<long long>(level.objectCount()))
        .Add("lives", static_cast<long long>(settings.lives))
        .Add("insects", static_cast<long long>(game.insects.all().size()));
    // Only a game of two: whose turn it is, and each player's lives and score.
    if (game.turns.TwoPlayers())
        AddPlayers(game, line);
    // Until the game has set the level up, the trace has no frog.
    if (level.frog)
        line.AddRaw("frog", FrogJson(game.frog).Str());
}

std::string WorldDump::Of(const Game& game) {
    const Level& level = game.level;
    JsonArray lanes;
    for (const auto& area : level.getAreas())
        for (const ObjectTrack& track : area->getTracks())
            lanes.AddRaw(LaneJson(*area, track));

    JsonArray obstacles;
    for (const auto& obstacle : level.getLevelObjects().getObstacles())
        obstacles.AddRaw(ObstacleJson(*obstacle));

    // Cells are judged at their centres, as the frog stands on them.
    const WorldCellGrid& grid = level.grid;
    const BlockInfo& blockers = Singleton<BlockInfo>::Instance();
    JsonArray blocked;
    JsonArray water;
    for (int row = 0; row < grid.longCells(); ++row) {
        for (int col = 0; col < grid.latCells(); ++col) {
            const int x = grid.centreX(col);
            const int y = grid.centreY(row);
            if (blockers.isBlocked(x, y))
                blocked.AddRaw(CellJson(col, row));
            if (grid.cellAt(x, y) & CELL_WATER)
                water.AddRaw(CellJson(col, row));
        }
    }
    std::string frog = "null";
    if (level.frog) {
        JsonArray queue;
        for (int command : game.frog.getCommandQueue())
            queue.Add(static_cast<long long>(command));
        frog = FrogJson(game.frog)
                   .AddRaw("landingTarget", ReferenceJson(game.frog.getLandingTarget()))
                   .AddRaw("killerBox", ReferenceJson(game.frog.getKillerBox()))
                   .AddRaw("commandQueue", queue.Str())
                   .Str();
    }
    JsonArray insects;
    for (const auto& insect : game.insects.all())
        insects.AddRaw(InsectJson(*insect));
    return JsonObject()
        .AddRaw("frog", frog)
        .AddRaw("insects", insects.Str())
        .Add("columns", static_cast<long long>(grid.latCells()))
        .Add("rows", static_cast<long long>(grid.longCells()))
        .AddRaw("lanes", lanes.Str())
        .AddRaw("goal", GoalJson(level.getLevelObjects().getGoal()))
        .AddRaw("obstacles", obstacles.Str())
        .AddRaw("blockedCells", blocked.Str())
        .AddRaw("waterCells", water.Str())
        .AddRaw("options", OptionsJson(game.options))
        .Str();
}
