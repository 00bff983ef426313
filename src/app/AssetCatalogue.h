#pragma once

// Every picture of the game by label, with how its sprite is built: cropped or not, its sprite
// class, frames, cycle time, mirrored copy and looping.
class AssetCatalogue {
public:
    // Hands every definition to the sprite manager; the sprites themselves are built on demand.
    static bool RegisterAssets();
};
