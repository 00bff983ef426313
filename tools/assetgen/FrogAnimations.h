#pragma once

#include "Canvas.h"
#include "FrogPainter.h"

#include <memory>
#include <string>
#include <vector>

class ContactSheet;

// The frog's animations and the two box effects drawn over it. Each label's frames are stacked
// top to bottom in one picture; `rest` is where the frog's world position lies in a frame, so
// that the state's draw offset can put the picture where the frog stands.
namespace FrogAnimations {

struct Frame {
    int index = 0;
    int count = 1;
    // From 0 at the first frame to 1 at the last.
    double t = 0;
    // The share of the run gone when the frame comes up, for keeping two sprites in step.
    double start = 0;
};

struct Animation;
using FrameDrawing = void (*)(cairo_t*, const Animation&, const Frame&);

struct Animation {
    const char* label;
    int width;
    int height;
    int restX;
    int restY;
    // Pixels the frog travels on the screen during the animation (y down).
    int moveX;
    int moveY;
    // Seconds of one run through all frames.
    double interval;
    // Stem of the ...OffsetX/Y settings; null for the frog states drawn at the default offset
    // alone, which keep the rest at the frame's centre.
    const char* offsetKey;
    // Drawn by the top-left corner beside the frog instead of centred on it.
    bool effect;
    FrameDrawing draw;
};

const std::vector<Animation>& All();

// The frog standing on the animation's rest point, as the idle picture shows it first.
FrogPainter::Pose Standing(const Animation& animation);

// The draw offset that puts the frame's rest point on the frog's position: for a frog state
// relative to the default offset, world y pointing up; for an effect the offset of its corner.
int OffsetX(const Animation& animation);
int OffsetY(const Animation& animation);

// All the frames of one label, stacked, with the catalogue's frame count.
std::unique_ptr<Canvas> Strip(const Animation& animation);

// Writes every strip into `outDir`; `sheet` (may be null) gets each frame on its own.
bool WriteAll(const std::string& outDir, ContactSheet* sheet);

// The settings these pictures decide: intervals, draw offsets and the frog's body box.
std::string ConfigText();

} // namespace FrogAnimations
