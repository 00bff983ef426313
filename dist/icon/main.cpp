// quagleaper-icon OUT_DIR: the application's icon in the desktop's icon theme layout, as PNGs
// with soft edges from 16 to 512 pixels (OUT_DIR/NxN/apps/quagleaper.png) and as a scalable SVG
// (OUT_DIR/scalable/apps/quagleaper.svg).
#include "Icons.h"
#include "Paint.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

// The folder of `path`, made if missing; false with a message when it cannot be.
bool MakeFolderOf(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error)
        std::fprintf(stderr, "quagleaper-icon: cannot make the folder of %s: %s\n", path.c_str(),
                     error.message().c_str());
    return !error;
}

bool WritePng(const std::string& path, int size) {
    Canvas canvas(size, size);
    const double scale = static_cast<double>(size) / Icons::kApplicationIconSize;
    cairo_scale(canvas.Context(), scale, scale);
    Icons::DrawApplicationIcon(canvas.Context());
    canvas.Flush();
    return cairo_surface_write_to_png(canvas.Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool WriteSvg(const std::string& path) {
    const double size = Icons::kApplicationIconSize;
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), size, size);
    // Pixels rather than Cairo's points, so that the theme's 64 units are 64 pixels.
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    Icons::DrawApplicationIcon(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

bool WriteIcons(const std::string& folder) {
    for (const int size : kSizes) {
        const std::string path = folder + "/" + std::to_string(size) + "x" + std::to_string(size) +
                                 "/apps/quagleaper.png";
        if (!MakeFolderOf(path) || !WritePng(path, size)) {
            std::fprintf(stderr, "quagleaper-icon: cannot write %s\n", path.c_str());
            return false;
        }
    }
    const std::string svg = folder + "/scalable/apps/quagleaper.svg";
    if (!MakeFolderOf(svg) || !WriteSvg(svg)) {
        std::fprintf(stderr, "quagleaper-icon: cannot write %s\n", svg.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quagleaper-icon OUT_DIR\n");
        return 2;
    }
    const bool written = WriteIcons(argv[1]);
    Paint::ReleaseFonts();
    return written ? 0 : 1;
}
