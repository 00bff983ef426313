#pragma once

#include <cairo.h>
#include <cstdint>

// A picture being drawn: a premultiplied ARGB Cairo surface with its drawing context.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Context() const { return context; }
    cairo_surface_t* Surface() const { return surface; }
    int Width() const { return width; }
    int Height() const { return height; }

    // Finishes pending drawing; call before reading pixels.
    void Flush() const;
    // Premultiplied 0xAARRGGBB.
    std::uint32_t Pixel(int x, int y) const;

  private:
    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* context;
};
