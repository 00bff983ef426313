#pragma once

#include "Canvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ContactSheet;

// Animation strips of the things that share the frog's world: road vehicles, river objects and
// insects. Each label's frames are stacked top to bottom in one picture, every frame drawn with
// the object's centre at the frame's centre.
namespace RoadRiverStrips {

struct Frame {
    int index = 0;
    // From 0 at the first frame to 1 at the last, for runs that end somewhere.
    double t = 0;
    // From 0 towards 1 without reaching it, for loops that come back to the start.
    double phase = 0;
};

using FrameDrawing = void (*)(cairo_t*, const Frame&);

struct Strip {
    const char* label;
    int width;
    int height;
    // Seconds of one run through all frames.
    double interval;
    // What lies under the object in the world; hard-edged frames keep their size with a dot of it.
    std::uint32_t ground;
    FrameDrawing draw;
};

// The catalogue's frame count of `label`.
int FrameCount(const std::string& label);
std::unique_ptr<Canvas> Draw(const Strip& strip);
// One frame of a drawn strip on its own.
std::unique_ptr<Canvas> FrameOf(const Canvas& drawn, const Strip& strip, int index);
// Writes every strip into `outDir`; `sheet` (may be null) gets each frame on its own.
bool WriteAll(const std::vector<Strip>& strips, const std::string& outDir, ContactSheet* sheet);
// The "<label>Interval" line of every strip.
std::string IntervalLines(const std::vector<Strip>& strips);
void Line(std::string& text, const std::string& key, int value);

} // namespace RoadRiverStrips
