#include "ContainerWriter.h"

#include <cstdio>

// quagleaper-pack DATA_DIR OUT_FILE: packs every file below DATA_DIR into the data container.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quagleaper-pack DATA_DIR OUT_FILE\n");
        return 2;
    }
    ContainerWriter writer;
    if (!writer.AddFolder(argv[1], argv[2]) || !writer.WriteTo(argv[2])) {
        std::fprintf(stderr, "quagleaper-pack: %s\n", writer.Message().c_str());
        return 1;
    }
    std::printf("quagleaper-pack: %zu files written to %s\n", writer.FileCount(), argv[2]);
    return 0;
}
