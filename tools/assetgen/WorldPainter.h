#pragma once

#include "Canvas.h"

// Draws the world picture "BACKGROUND_WORLD_00": the start strip, seven areas of road and
// river with their grass strips, and above them the showdown stage (see WorldGeometry).
class WorldPainter {
  public:
    explicit WorldPainter(Canvas& canvas);
    void Paint() const;

  private:
    void Grass(int top, int bottom, int seed) const;
    void Road(int area, bool motorway) const;
    void River(int area) const;
    void Features() const;
    void Bush(double cx, double cy, int seed) const;
    void Rock(double cx, double cy, int seed) const;
    void Pond(double x, double cy, int columns) const;
    void TreeTrunk(double cx, double cy) const;
    void Pillar(double x, double cy, int columns) const;
    void Pylon(double cx, double cy) const;
    void Flowers(double cx, double cy, int seed) const;
    void DecorationShadows() const;
    void Grain() const;

    Canvas& canvas;
    cairo_t* cr;
};
