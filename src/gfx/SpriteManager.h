#pragma once

#include "core/Singleton.h"
#include "gfx/SpriteInfo.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Sprite;

// Owns every sprite. Game code names sprites by label; a sprite is built from its definition on
// first request and kept until ReleaseAll. Labels may be given in either spelling ("FROG_IDLE"
// or "frogidle"); both address the same entry.
class SpriteManager {
  public:
    // Replaces every field of an existing definition. The name is stored normalised.
    void SetSpriteInfo(const SpriteInfo& info);
    // Null, with a log line, for a label without definition.
    const SpriteInfo* GetSpriteInfo(const std::string& label) const;
    // Appends the name of every definition, in key order.
    void GetAllSpriteLabels(std::vector<std::string>& labels) const;

    // Null when the sprite cannot be had; a label without definition is fatal.
    Sprite* GetSprite(const std::string& label, bool mirrored = false);
    // Builds the sprite anew from its files, replacing any sprite under its key.
    Sprite* LoadSprite(const SpriteInfo& info, bool mirrored);
    // Takes a sprite built elsewhere; a sprite already under the key is destroyed first.
    void AddSprite(std::unique_ptr<Sprite> sprite, const std::string& label, bool mirrored);
    // Destroys the sprite of `label`, plain and mirrored, so that its next request builds it
    // anew from its definition's files.
    void Forget(const std::string& label);
    // Destroys every sprite; the definitions stay.
    void ReleaseAll();

    // Drawing paths call this when the display answers that a surface was lost; the surfaces
    // come back at the next main-loop turn.
    void SetLostSurfaces();
    bool HasLostSurfaces() const { return lostSurfaces; }
    // A sprite whose blit failed for another reason; it is dropped at the next main-loop turn
    // and built again on its next request. The pointer is only compared, never followed.
    void ReportInvalidSprite(const Sprite* sprite);
    // Once per main-loop turn: drops the reported sprites, then restores lost surfaces.
    void ProcessInvalidSprites();
    void RestoreSurfaces();

  private:
    friend class Singleton<SpriteManager>;
    SpriteManager();
    ~SpriteManager();

    static std::string KeyOf(const std::string& normalizedLabel, bool mirrored);
    Sprite* FindOrLoad(const std::string& label, bool mirrored);
    // Whenever a sprite is built, replaced or removed.
    void ForgetAnswers();
    std::unique_ptr<Sprite> BuildSprite(const SpriteInfo& info, bool mirrored) const;
    std::unique_ptr<Sprite> BuildSingle(const SpriteInfo& info, bool mirrored) const;
    std::unique_ptr<Sprite> BuildShadow(const SpriteInfo& info, bool mirrored) const;
    std::unique_ptr<Sprite> BuildAnimated(const SpriteInfo& info, bool mirrored) const;
    std::unique_ptr<Sprite> BuildAnimatedRle(const SpriteInfo& info, bool mirrored) const;
    void RemoveSprite(const Sprite* sprite);

    std::map<std::string, std::unique_ptr<Sprite>> sprites;
    // Every draw asks by label, mostly in the spelling that needs normalising: the sprite found
    // is kept under the label as asked, plain and mirrored apart.
    std::unordered_map<std::string, Sprite*> answers[2];
    std::map<std::string, SpriteInfo> infos;
    // Animations ask for their definition each frame; entries of `infos` stay where they are.
    mutable std::unordered_map<std::string, const SpriteInfo*> infoAnswers;
    std::vector<const Sprite*> invalidSprites;
    bool lostSurfaces = false;
};
