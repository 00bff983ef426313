#include "Canvas.h"

Canvas::Canvas(int width, int height)
    : width(width), height(height),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context(cairo_create(surface)) {}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(surface);
}

void Canvas::Flush() const {
    cairo_surface_flush(surface);
}

std::uint32_t Canvas::Pixel(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               static_cast<long>(y) * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(row)[x];
}
