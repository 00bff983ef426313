#pragma once

#include <string>

// Which sprite class a definition builds.
enum SpriteType {
    SpriteTypeSurface = 0,     // AlphaSprite with an alpha map, else SurfaceSprite
    SpriteTypeShadow = 1,      // ShadowSprite
    SpriteTypeAnimated = 2,    // AnimatedSprite
    SpriteTypeAnimatedRle = 3, // AnimatedRLESprite
};

// One sprite definition, registered once at start-up and copied by value into the catalogue.
// The asset catalogue fills it in field order.
struct SpriteInfo {
    std::string name = "default"; // normalised label, also the base name of the sprite's files
    bool crop = false;
    int type = SpriteTypeSurface;
    int numFrames = 1;
    float duration = 0.0f; // one animation cycle, in the unit of the time the drawer sets
    bool mirrored = false;
    bool loop = true;
    // The base name of the sprite's files when it is not `name`: a worded picture in a language
    // other than German.
    std::string file;

    const std::string& FileName() const { return file.empty() ? name : file; }
};
