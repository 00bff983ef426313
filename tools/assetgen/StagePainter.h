#pragma once

#include <cairo.h>

// The top of the world picture, above the last area: the way up from the last grass strip and
// the showdown stage, a festival pond with a golden lily where the frog takes its bow.
class StagePainter {
  public:
    explicit StagePainter(cairo_t* cr) : cr(cr) {}
    void Paint() const;

    // Where the frog stands on the stage, picture pixels.
    static constexpr int kFrogX = 400;
    static constexpr int kFrogRow = 345;

  private:
    void Garden() const;
    void Path() const;
    void FestivalPond() const;
    void Podium() const;
    void Audience() const;
    void Lanterns() const;
    void Banner() const;
    void Sparkles() const;

    cairo_t* cr;
};
