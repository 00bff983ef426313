#pragma once

#include <string>
#include <vector>

class Camera;

// Decoration sprites laid over the world at fixed places of the level: the top layer over
// everything, the road top layer over the vehicles.
class TopLayer {
  public:
    struct Position {
        int x = 0;
        int y = 0;
    };

    // Each entry i reads keyStem + "OffsetX%02d"/"OffsetY%02d" and draws labelStem + "%02d".
    TopLayer(std::string countKey, std::string keyStem, std::string labelStem);
    static TopLayer Top();
    static TopLayer Road();

    // Reads the entries for the level at `levelInWorld` within its group.
    void load(int levelInWorld);
    // Positions are the sprites' left and bottom edges in the world.
    void draw(const Camera& camera) const;

    const std::vector<Position>& positions() const { return entries; }

  private:
    std::string countKey;
    std::string keyStem;
    std::string labelStem;
    std::vector<Position> entries;
    // The sprite of each entry, named once at load rather than every frame.
    std::vector<std::string> labels;
};
