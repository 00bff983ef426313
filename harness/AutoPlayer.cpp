#include "AutoPlayer.h"

#include "Forecast.h"
#include "actors/Insect.h"
#include "app/Game.h"
#include "core/Rounding.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessWindow.h"

#include <cmath>

namespace {

// World units the insect may fly before the tongue comes out.
constexpr float kReachMargin = 8.0f;

int KeyOf(RoutePlanner::Step step) {
    switch (step) {
    case RoutePlanner::Step::Up:
        return platform::vk::Up;
    case RoutePlanner::Step::Left:
        return platform::vk::Left;
    case RoutePlanner::Step::Right:
        return platform::vk::Right;
    case RoutePlanner::Step::Down:
        return platform::vk::Down;
    case RoutePlanner::Step::Wait:
        break;
    }
    return 0;
}

Pose PoseOf(const Frog& frog) {
    const TrackObject* ride = frog.getRide();
    return {0.0f, frog.getX(), RoundToInt(frog.getY()), ride,
            ride ? Forecast::SecondsAboardLeft(*ride) : 0.0f};
}

} // namespace

void AutoPlayer::Play() {
    const Game& game = Singleton<Game>::Instance();
    const Frog& frog = game.frog;
    if (game.State() != GameState::Playing || frog.getState() != FS_IDLE ||
        !frog.getCommandQueue().empty())
        return;
    const float clock = game.level.settings.levelTime;
    if (WaitingOn(clock))
        return;
    waitedAt.reset();
    if (const int key = ChooseKey(game))
        Press(key);
    else
        waitedAt = clock;
}

bool AutoPlayer::WaitingOn(float clock) const {
    // The clock runs down; a new frog or level sets it back up.
    return waitedAt && clock <= *waitedAt && *waitedAt - clock < RoutePlanner::kWaitStep - 0.005f;
}

int AutoPlayer::ChooseKey(const Game& game) {
    if (!timing) {
        timing = RoutePlanner::Timing::FromGame();
        // The insect flies on while the key waits for the next frame.
        tongueReach =
            Singleton<SettingsManager>::Instance().GetFloat("catchInsectsDistance") - kReachMargin;
    }
    const Pose start = PoseOf(game.frog);
    const float secondsLeft = game.level.settings.levelTime;
    if (InsectInReach(game) &&
        RoutePlanner(game.level, *timing, secondsLeft).Survives(start, timing->tongue))
        return platform::vk::Space;
    return KeyOf(RoutePlanner(game.level, *timing, secondsLeft).Choose(start).step);
}

bool AutoPlayer::InsectInReach(const Game& game) const {
    const auto [fx, fy] = game.frog.displayPosition();
    for (const std::unique_ptr<Insect>& insect : game.insects.all()) {
        if (insect->isAttacker() || insect->isCaught() || insect->isRemoved())
            continue;
        if (std::hypot(insect->getX() - static_cast<float>(fx),
                       insect->getY() - static_cast<float>(fy)) < tongueReach)
            return true;
    }
    return false;
}

void AutoPlayer::Press(int key) {
    window.push({platform::Message::Type::KeyDown, key});
}
