#include "AssetGenerator.h"
#include "ContactSheet.h"
#include "Paint.h"
#include "sound/SoundLibrary.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(
        stderr,
        "usage: quagleaper-assetgen OUT_DIR [--config FILE] [--sheet FILE.png] [--views DIR]\n");
    return 2;
}

int Run(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-')
        return Usage();
    std::string config = "data/config.txt";
    std::string sheetPath;
    std::string viewsFolder;
    for (int i = 2; i < argc; ++i) {
        if (i + 1 >= argc)
            return Usage();
        if (std::strcmp(argv[i], "--config") == 0)
            config = argv[++i];
        else if (std::strcmp(argv[i], "--sheet") == 0)
            sheetPath = argv[++i];
        else if (std::strcmp(argv[i], "--views") == 0)
            viewsFolder = argv[++i];
        else
            return Usage();
    }
    ContactSheet sheet;
    if (!AssetGenerator(argv[1], config, sheetPath.empty() ? nullptr : &sheet).WriteAll() ||
        !SoundLibrary::WriteAll(argv[1]))
        return 1;
    if (!sheetPath.empty() && !sheet.Write(sheetPath)) {
        std::fprintf(stderr, "quagleaper-assetgen: cannot write %s\n", sheetPath.c_str());
        return 1;
    }
    if (!viewsFolder.empty() && !AssetGenerator::WriteWorldViews(viewsFolder)) {
        std::fprintf(stderr, "quagleaper-assetgen: cannot write the views into %s\n",
                     viewsFolder.c_str());
        return 1;
    }
    return 0;
}

} // namespace

// quagleaper-assetgen OUT_DIR: writes the game's data folder.
int main(int argc, char** argv) {
    const int code = Run(argc, argv);
    Paint::ReleaseFonts();
    return code;
}
