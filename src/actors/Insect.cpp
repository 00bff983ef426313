#include "actors/Insect.h"

#include "actors/Frog.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "core/Rounding.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Truncation.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/Level.h"
#include "world/ObjectMedia.h"
#include "world/PlayEvents.h"
#include "world/Randomizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace {

constexpr float kRandomRange = 32767.0f;

constexpr std::array<std::string_view, Insect::kTypeCount> kStems = {
    "INSECT_BIG_BUG",  "INSECT_BUSINESS_BUG", "INSECT_BUTTERFLY",  "INSECT_NEWS_BUG",
    "INSECT_TAXI_BUG", "INSECT_TOOL_BUG",     "INSECT_VOYAGER_BUG"};

struct TypeLabels {
    std::string flying;
    std::string piercing;
};

// Built once: every frame of every insect asks for its label.
const TypeLabels& LabelsOf(int type) {
    static const std::array<TypeLabels, Insect::kTypeCount> labels = [] {
        std::array<TypeLabels, Insect::kTypeCount> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = {std::string(kStems[i]) + "_FLY_LEFT", std::string(kStems[i]) + "_PIERCING"};
        return all;
    }();
    return labels[static_cast<std::size_t>(type - 1)];
}

const std::string& InvisibleLabel() {
    static const std::string label = "INVISIBLE_OBJECT";
    return label;
}

int Random() {
    return Singleton<Randomizer>::Instance().next();
}

} // namespace

Insect::Insect(int type) : Insect(type, World{}) {}

Insect::Insect(int type, const World& world) : GameObject("Insect"), type(type), world(world) {}

void Insect::init() {
    SettingsManager& config = Singleton<SettingsManager>::Instance();
    tuning.chanceToChangeDirection = config.GetFloat("perCentChanceToChangeDirVert");
    tuning.chanceToPierce = config.GetFloat("perCentChancePierce");
    tuning.maxPierceDistance = static_cast<float>(config.GetInt("maxPierceDist"));
    tuning.drawOffsetX = config.GetInt("InsectMoveOffsetGlobalX");
    tuning.drawOffsetY = config.GetInt("InsectMoveOffsetGlobalY");
    tuning.shrinkInterval = config.GetFloat("shrinkInterval");
    tuning.maxApproachTime = config.GetFloat("insectMaxApproachTime");
    updateCellIndex();
    const float minSpeed = config.GetFloat("InsectMoveMinSpeed");
    const float maxSpeed = config.GetFloat("InsectMoveMaxSpeed");
    speed = maxSpeed + static_cast<float>(Random()) * (minSpeed - maxSpeed) / kRandomRange;
    caughtFlag = false;
    shrinkTime = 0.0f;
    approachTime = 0.0f;
}

void Insect::update(float dt) {
    GameObject::update(dt);
    animationTime += dt;
    directionTimer += dt;
    if (world.frog == nullptr || world.level == nullptr) {
        cellIndex = -1;
        return;
    }
    if (caughtFlag)
        shrinkStep(dt);
    else
        movementStep(dt);
    drawStep();
}

void Insect::caught() {
    if (isAttacker()) {
        setState(kStateApproach);
        return;
    }
    if (caughtFlag)
        return;
    ObjectMedia::PlaySound("SOUND_FROG_EAT");
    if (world.events)
        world.events->insectEaten(type, x, y);
    caughtFlag = true;
}

const std::string& Insect::spriteLabel() const {
    if (type < 1 || type > kTypeCount) {
        QuitFatally("Invalid insect type and state detected.\n");
        return InvisibleLabel();
    }
    if (state >= kStateFlyLeft && state <= kStateApproach)
        return LabelsOf(type).flying;
    if (state == kStatePiercing)
        return LabelsOf(type).piercing;
    return InvisibleLabel();
}

// The pictures face left; an insect heading right or down is drawn mirrored.
bool Insect::isMirrored() const {
    switch (state) {
    case kStateFlyRight:
    case kStateFlyDown:
        return true;
    case kStateApproach:
        if (std::abs(lastStepX) > std::abs(lastStepY))
            return lastStepX >= 0;
        return lastStepY < 0;
    default:
        return false;
    }
}

float Insect::shrinkProgress() const {
    if (tuning.shrinkInterval <= 0.0f)
        return 1.0f;
    return std::min(shrinkTime / tuning.shrinkInterval, 1.0f);
}

// A distance that is not positive reaches nothing, however it squares.
bool Insect::isFrogWithinPierceDistance() const {
    if (tuning.maxPierceDistance <= 0.0f)
        return false;
    const double dx = static_cast<double>(RoundToInt(world.frog->getX())) - RoundToInt(x);
    const double dy = static_cast<double>(RoundToInt(world.frog->getY())) - RoundToInt(y);
    const double reach = tuning.maxPierceDistance;
    return dx * dx + dy * dy < reach * reach;
}

void Insect::updateCellIndex() {
    cellIndex = world.level ? world.level->grid.cellIndex(RoundToInt(x), RoundToInt(y)) : -1;
}

void Insect::flyOffRandomly() {
    setState(Random() % 4 + 1);
}

// The eaten insect is drawn into the frog's mouth; where it is no longer matters to the world.
void Insect::shrinkStep(float dt) {
    shrinkTime += dt;
    if (shrinkTime > tuning.shrinkInterval || tuning.shrinkInterval <= 0.0f) {
        remove = true;
        return;
    }
    const float p = shrinkProgress();
    const int mouthX = RoundToInt(world.frog->getX());
    const int mouthY = RoundToInt(world.frog->getY() + static_cast<float>(kMouthOffsetY));
    x += p * (static_cast<float>(mouthX) - static_cast<float>(RoundToInt(x)));
    y += p * (static_cast<float>(mouthY) - static_cast<float>(RoundToInt(y)));
}

void Insect::movementStep(float dt) {
    const bool mayTurn =
        directionTimer > kDirectionInterval && state != kStateApproach && state != kStatePiercing;
    if (state == kStateInitial || mayTurn)
        decideDirection();
    switch (state) {
    case kStateFlyLeft:
        x -= dt * speed;
        break;
    case kStateFlyRight:
        x += dt * speed;
        break;
    case kStateFlyUp:
        y += dt * speed;
        break;
    case kStateFlyDown:
        y -= dt * speed;
        break;
    case kStateApproach:
        approachStep(dt);
        break;
    case kStatePiercing:
        piercingStep();
        break;
    default:
        QuitFatally("Invalid Insect state detected.\n");
        break;
    }
    updateCellIndex();
}

void Insect::decideDirection() {
    directionTimer = 0.0f;
    const float r = static_cast<float>(Random() % 100);
    if (isAttacker() && isFrogWithinPierceDistance() && r < tuning.chanceToPierce) {
        setState(kStateApproach);
        return;
    }
    // A new insect has no direction to keep, whatever the chance to turn.
    if (state == kStateInitial || r < tuning.chanceToChangeDirection)
        flyOffRandomly();
}

void Insect::approachStep(float dt) {
    approachTime += dt;
    Frog& frog = *world.frog;
    if (!isFrogWithinPierceDistance() || frog.isFinished() ||
        approachTime >= tuning.maxApproachTime ||
        !world.level->camera.isFrogOnScreen(frog.getY())) {
        approachTime = 0.0f;
        flyOffRandomly();
        return;
    }
    const int dx = RoundToInt(frog.getX() - static_cast<float>(RoundToInt(x)));
    const int dy = RoundToInt(frog.getY() - static_cast<float>(RoundToInt(y)));
    if (dx != 0 || dy != 0) {
        // Whole units only, so that the insect lands exactly on the frog.
        const int most = TruncateToInt(std::fabs(dt * speed * kApproachSpeedFactor));
        lastStepX = std::clamp(dx, -most, most);
        lastStepY = std::clamp(dy, -most, most);
        x += static_cast<float>(lastStepX);
        y += static_cast<float>(lastStepY);
        return;
    }
    if (!isAttacker()) {
        flyOffRandomly();
        return;
    }
    if (frog.getState() != FS_IDLE)
        return;
    frog.queueCommand(FS_PIERCED);
    // The piercing plays from its first frame, and the next attack gets its whole time again.
    animationTime = 0.0f;
    approachTime = 0.0f;
    setState(kStatePiercing);
}

void Insect::piercingStep() {
    const std::string& label = spriteLabel();
    if (Singleton<SpriteManager>::Instance().GetSpriteInfo(label) == nullptr ||
        world.frog->isFinished()) {
        flyOffRandomly();
        return;
    }
    const auto [frogX, frogY] = world.frog->displayPosition();
    x = static_cast<float>(frogX);
    y = static_cast<float>(frogY);
    if (animationTime >= ObjectMedia::AnimationDuration(label)) {
        flyOffRandomly();
        if (world.events)
            world.events->frogPierced(x, y);
    }
}

void Insect::drawStep() {
    const std::string& label = spriteLabel();
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label, isMirrored());
    const float duration = ObjectMedia::AnimationDuration(label);
    if (duration < animationTime)
        animationTime -= duration;
    if (sprite == nullptr)
        return;
    const Camera& camera = world.level->camera;
    const int screenX = tuning.drawOffsetX + RoundToInt(x) - camera.roundedX();
    const int screenY =
        ScreenSize::kHeight - tuning.drawOffsetY - RoundToInt(y) + camera.roundedY();
    sprite->time = animationTime;
    if (!caughtFlag) {
        sprite->Draw(screenX, screenY);
        return;
    }
    const float p = shrinkProgress();
    const float width = static_cast<float>(sprite->GetWidth());
    const float height = static_cast<float>(sprite->GetHeight());
    const int scaledWidth = TruncateToInt(width * (1.0f - p));
    const int scaledHeight = TruncateToInt(height * (1.0f - p));
    if (scaledWidth > 0 && scaledHeight > 0)
        sprite->DrawScaled(TruncateToInt(static_cast<float>(screenX) + width * p / 2.0f),
                           TruncateToInt(static_cast<float>(screenY) + height * p / 2.0f),
                           scaledWidth, scaledHeight);
}
