#include "gfx/SpriteManager.h"

#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "gfx/AlphaSprite.h"
#include "gfx/AnimatedRLESprite.h"
#include "gfx/AnimatedSprite.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/ShadowSprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SurfaceSprite.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

const char* const kInvalidSpriteBox = "invalid sprite";

// A missing picture is fatal; the loader has written its own line already.
std::unique_ptr<Image> LoadPicture(const SpriteInfo& info, bool toScreenFormat, bool mirrored) {
    std::unique_ptr<Image> picture =
        Singleton<PictureLoader>::Instance().Load(info.FileName(), toScreenFormat);
    if (!picture) {
        PostQuit(ExitCode::Fatal);
        return nullptr;
    }
    if (mirrored)
        picture->Mirror();
    return picture;
}

std::unique_ptr<Image> LoadAlpha(const SpriteInfo& info, bool mirrored) {
    std::unique_ptr<Image> alpha = Singleton<PictureLoader>::Instance().LoadAlpha(info.FileName());
    if (alpha && mirrored)
        alpha->Mirror();
    return alpha;
}

void ReadFrameList(const SpriteInfo& info, BaseAnimatedSprite& sprite) {
    std::vector<int> list;
    Singleton<FileLoader>::Instance().ReadFrames(info.FileName(), list);
    sprite.SetFrameList(list, info.name);
}

} // namespace

SpriteManager::SpriteManager() = default;
SpriteManager::~SpriteManager() = default;

std::string SpriteManager::KeyOf(const std::string& normalizedLabel, bool mirrored) {
    return mirrored ? normalizedLabel + MirrorSuffix() : normalizedLabel;
}

void SpriteManager::SetSpriteInfo(const SpriteInfo& info) {
    SpriteInfo& stored = infos[NormalizeLabel(info.name)];
    stored = info;
    stored.name = NormalizeLabel(info.name);
}

const SpriteInfo* SpriteManager::GetSpriteInfo(const std::string& label) const {
    const auto answer = infoAnswers.find(label);
    if (answer != infoAnswers.end())
        return answer->second;
    const auto found = infos.find(NormalizeLabel(label));
    if (found != infos.end())
        return infoAnswers.emplace(label, &found->second).first->second;
    Log("Can't access SpriteInfo for label %s.\n", label.c_str());
    return nullptr;
}

void SpriteManager::GetAllSpriteLabels(std::vector<std::string>& labels) const {
    for (const auto& [label, info] : infos)
        labels.push_back(info.name);
}

Sprite* SpriteManager::GetSprite(const std::string& label, bool mirrored) {
    std::unordered_map<std::string, Sprite*>& known = answers[mirrored ? 1 : 0];
    const auto answer = known.find(label);
    if (answer != known.end())
        return answer->second;
    Sprite* const sprite = FindOrLoad(label, mirrored);
    if (sprite)
        known.emplace(label, sprite);
    return sprite;
}

Sprite* SpriteManager::FindOrLoad(const std::string& label, bool mirrored) {
    const std::string normalized = NormalizeLabel(label);
    const auto built = sprites.find(KeyOf(normalized, mirrored));
    if (built != sprites.end())
        return built->second.get();

    const auto info = infos.find(normalized);
    if (info == infos.end()) {
        QuitFatally("Failed to access SpriteInfo for label %s.\n", label.c_str());
        return nullptr;
    }
    return LoadSprite(info->second, mirrored);
}

void SpriteManager::ForgetAnswers() {
    for (std::unordered_map<std::string, Sprite*>& known : answers)
        known.clear();
}

Sprite* SpriteManager::LoadSprite(const SpriteInfo& info, bool mirrored) {
    const std::string key = KeyOf(NormalizeLabel(info.name), mirrored);
    ForgetAnswers();
    sprites.erase(key);
    std::unique_ptr<Sprite> sprite = BuildSprite(info, mirrored);
    if (!sprite) {
        // Callers skip the draw; whatever went wrong has been logged on the way here.
        Log("Failed to load sprite %s.\n", info.name.c_str());
        return nullptr;
    }
    Sprite* const stored = sprite.get();
    sprites[key] = std::move(sprite);
    return stored;
}

std::unique_ptr<Sprite> SpriteManager::BuildSprite(const SpriteInfo& info, bool mirrored) const {
    switch (info.type) {
    case SpriteTypeSurface:
        return BuildSingle(info, mirrored);
    case SpriteTypeShadow:
        return BuildShadow(info, mirrored);
    case SpriteTypeAnimated:
        return BuildAnimated(info, mirrored);
    case SpriteTypeAnimatedRle:
        return BuildAnimatedRle(info, mirrored);
    default:
        QuitFatally("invalid sprite type supplied in sprite info.\n");
        return nullptr;
    }
}

std::unique_ptr<Sprite> SpriteManager::BuildSingle(const SpriteInfo& info, bool mirrored) const {
    std::unique_ptr<Image> picture = LoadPicture(info, true, mirrored);
    if (!picture)
        return nullptr;
    std::unique_ptr<Image> alpha = LoadAlpha(info, mirrored);
    const int width = picture->GetWidth();
    const int height = picture->GetHeight();
    if (alpha) {
        auto sprite = std::make_unique<AlphaSprite>();
        if (!sprite->Create(std::move(picture), std::move(alpha), width, height, 0, 0, info.crop))
            return nullptr;
        return sprite;
    }
    auto sprite = std::make_unique<SurfaceSprite>();
    if (!sprite->Create(std::move(picture), width, height, 0, 0, info.crop))
        return nullptr;
    return sprite;
}

std::unique_ptr<Sprite> SpriteManager::BuildShadow(const SpriteInfo& info, bool mirrored) const {
    const std::unique_ptr<Image> picture = LoadPicture(info, false, mirrored);
    if (!picture)
        return nullptr;
    auto sprite = std::make_unique<ShadowSprite>();
    if (!sprite->Create(*picture, picture->GetWidth(), picture->GetHeight(), info.crop))
        return nullptr;
    return sprite;
}

std::unique_ptr<Sprite> SpriteManager::BuildAnimated(const SpriteInfo& info, bool mirrored) const {
    const std::unique_ptr<Image> picture = LoadPicture(info, true, mirrored);
    if (!picture)
        return nullptr;
    const std::unique_ptr<Image> alpha = LoadAlpha(info, mirrored);
    auto sprite = std::make_unique<AnimatedSprite>();
    if (!sprite->Create(*picture, alpha.get(), info.numFrames, info.duration, info.crop, info.loop))
        return nullptr;
    ReadFrameList(info, *sprite);
    return sprite;
}

std::unique_ptr<Sprite> SpriteManager::BuildAnimatedRle(const SpriteInfo& info,
                                                        bool mirrored) const {
    const std::unique_ptr<Image> picture = LoadPicture(info, true, mirrored);
    if (!picture)
        return nullptr;
    auto sprite = std::make_unique<AnimatedRLESprite>();
    if (!sprite->Create(*picture, info.numFrames, info.duration, info.crop, info.loop))
        return nullptr;
    ReadFrameList(info, *sprite);
    return sprite;
}

void SpriteManager::AddSprite(std::unique_ptr<Sprite> sprite, const std::string& label,
                              bool mirrored) {
    const std::string key = KeyOf(NormalizeLabel(label), mirrored);
    // Destroy the old sprite before the new one takes its place.
    ForgetAnswers();
    sprites.erase(key);
    sprites[key] = std::move(sprite);
}

void SpriteManager::Forget(const std::string& label) {
    ForgetAnswers();
    for (const bool mirrored : {false, true}) {
        const auto found = sprites.find(KeyOf(NormalizeLabel(label), mirrored));
        if (found == sprites.end())
            continue;
        std::erase(invalidSprites, found->second.get());
        sprites.erase(found);
    }
}

void SpriteManager::ReleaseAll() {
    ForgetAnswers();
    sprites.clear();
    // Reports name sprites that no longer exist.
    invalidSprites.clear();
}

void SpriteManager::SetLostSurfaces() {
    lostSurfaces = true;
    Log("Lost surfaces detected. Restoring in next loop.\n");
}

void SpriteManager::ReportInvalidSprite(const Sprite* sprite) {
    invalidSprites.push_back(sprite);
}

void SpriteManager::ProcessInvalidSprites() {
    // Restoring may report sprites again; those wait for the next turn.
    const std::vector<const Sprite*> reported = std::move(invalidSprites);
    invalidSprites.clear();
    for (const Sprite* sprite : reported) {
        platform::Platform::current().window().showMessageBox(kInvalidSpriteBox, kInvalidSpriteBox);
        RemoveSprite(sprite);
    }
    RestoreSurfaces();
}

// No frame is in progress between two turns, so the sprite can go at once; a sprite reported
// twice, or a frame of an animation, has no entry of its own and nothing is removed.
void SpriteManager::RemoveSprite(const Sprite* sprite) {
    const auto entry = std::find_if(sprites.begin(), sprites.end(), [sprite](const auto& item) {
        return item.second.get() == sprite;
    });
    if (entry == sprites.end())
        return;
    ForgetAnswers();
    sprites.erase(entry);
}

void SpriteManager::RestoreSurfaces() {
    if (!lostSurfaces)
        return;
    Log("Restoring surfaces.\n");
    Singleton<DirectDraw>::Instance().RestoreSurfaces();
    for (const auto& [key, sprite] : sprites)
        sprite->Restore();
    lostSurfaces = false;
    Log("Restoring surfaces done.\n");
}
