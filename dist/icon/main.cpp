// quagleaper-icon OUT.png: the frog of the window's icon as a PNG with soft edges, for the
// desktop's menus and launchers.
#include "Icons.h"
#include "Paint.h"

#include <cairo.h>

#include <cstdio>

namespace {

bool WriteIcon(const char* path) {
    const auto icon = Icons::ApplicationIcon();
    icon->Flush();
    return cairo_surface_write_to_png(icon->Surface(), path) == CAIRO_STATUS_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quagleaper-icon OUT.png\n");
        return 2;
    }
    const bool written = WriteIcon(argv[1]);
    Paint::ReleaseFonts();
    if (!written) {
        std::fprintf(stderr, "quagleaper-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
