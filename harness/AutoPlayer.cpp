#include "AutoPlayer.h"

#include "Forecast.h"

#include "app/Game.h"
#include "core/Rounding.h"
#include "core/Singleton.h"
#include "platform/VirtualKey.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

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
    return {0.0f, frog.getX(), RoundToInt(frog.getY()), ride, ride ? Forecast::SecondsAboardLeft(*ride) : 0.0f};
}

} // namespace

void AutoPlayer::Play() {
    const Game& game = Singleton<Game>::Instance();
    const Frog& frog = game.frog;
    if (game.state != GameState::Playing || frog.getState() != FS_IDLE || !frog.getCommandQueue().empty())
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
    if (!timing)
        timing = RoutePlanner::Timing::FromGame();
    RoutePlanner planner(game.level, *timing, game.level.settings.levelTime);
    const Pose start = PoseOf(game.frog);
    // The tongue stays in: an eaten insect shrinks with a scaled blit, which the insects'
    // soft-edged pictures do not support, and the game ends on it.
    return KeyOf(planner.Choose(start).step);
}

void AutoPlayer::Press(int key) { window.push({platform::Message::Type::KeyDown, key}); }
