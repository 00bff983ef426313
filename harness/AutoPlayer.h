#pragma once

namespace platform {
class HeadlessWindow;
}

// A player for scripted runs: whenever the frog stands idle it looks at the lanes as they are
// and will be, and presses the arrow a careful player would, through the same key messages as
// the keyboard. It reads the world and never changes it.
class AutoPlayer {
public:
    explicit AutoPlayer(platform::HeadlessWindow& window) : window(window) {}

    // Called once a turn, after the script's own messages; presses at most one key.
    void Play();

private:
    platform::HeadlessWindow& window;
};
