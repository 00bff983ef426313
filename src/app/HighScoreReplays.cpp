#include "app/HighScoreReplays.h"

#include "app/Game.h"
#include "gfx/HUDFont.h"
#include "platform/VirtualKey.h"

namespace {
// A row with a replay shows a mark after its score; the chosen one a pointer left of the panel,
// clear of the place numbers.
constexpr int kMarkX = HighScore::kScoreRightX + 12;
constexpr int kChosenMarkX = HighScore::kNameX - 106;
// A click hits a row from its place number to its mark, the height of a row from its top.
constexpr int kRowLeft = HighScore::kNameX - 40;
constexpr int kRowRight = kMarkX + 30;

bool NameBeingTyped() {
    return Singleton<HighScore>::Instance().editingIndex() >= 0;
}
} // namespace

bool HighScoreReplays::OnKey(int key) {
    namespace vk = platform::vk;
    if (NameBeingTyped())
        return false;
    switch (key) {
    case vk::Up:
    case vk::PadUp:
    case vk::StickUp:
        Step(-1);
        return chosen != kNone;
    case vk::Down:
    case vk::PadDown:
    case vk::StickDown:
        Step(+1);
        return chosen != kNone;
    case vk::Return:
    case vk::Space:
    case vk::PadA:
        if (chosen == kNone || !HasReplay(chosen))
            return false;
        Watch(chosen);
        return true;
    default:
        return false;
    }
}

// To the next row that way with a replay; from nothing chosen, the first one.
void HighScoreReplays::Step(int direction) {
    int place = chosen == kNone ? (direction > 0 ? -1 : HighScore::kEntries) : chosen;
    for (place += direction; place >= 0 && place < HighScore::kEntries; place += direction)
        if (HasReplay(place)) {
            chosen = place;
            return;
        }
}

bool HighScoreReplays::OnClick(int x, int y) {
    if (NameBeingTyped() || x < kRowLeft || x > kRowRight || y < HighScore::kFirstRowY)
        return false;
    const int place = (y - HighScore::kFirstRowY) / HighScore::kRowStep;
    if (place >= HighScore::kEntries || !HasReplay(place))
        return false;
    Watch(place);
    return true;
}

void HighScoreReplays::Draw() const {
    if (NameBeingTyped())
        return;
    HUDFont& font = Singleton<HUDFont>::Instance();
    for (int place = 0; place < HighScore::kEntries; ++place) {
        if (!HasReplay(place))
            continue;
        const int y = HighScore::kFirstRowY + place * HighScore::kRowStep;
        font.DrawText(kMarkX, y, ">", false);
        if (place == chosen)
            font.DrawText(kChosenMarkX, y, ">", false);
    }
}

void HighScoreReplays::Watch(int place) {
    Game& game = Singleton<Game>::Instance();
    const std::vector<HighScore::Entry>& table = Singleton<HighScore>::Instance().entries();
    if (const std::optional<std::string> path = game.recorder.TableReplay(place))
        game.replayWanted = Game::ReplayWish{*path, table[static_cast<std::size_t>(place)].name};
}

void HighScoreReplays::Reset() {
    chosen = kNone;
    ReplayRecorder& recorder = Singleton<Game>::Instance().recorder;
    for (int place = 0; place < HighScore::kEntries; ++place)
        playable[static_cast<std::size_t>(place)] = recorder.TableReplay(place).has_value();
}
