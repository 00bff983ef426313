#pragma once

#include <string>

class JsonObject;
class Game;

// What the harness writes of the world: the level's share of each trace line, and the whole
// world on request.
class WorldDump {
  public:
    static void AddTraceFields(const Game& game, JsonObject& line);
    // Every lane with its objects, the blocked cells and the water cells, as one JSON object.
    static std::string Of(const Game& game);
};
