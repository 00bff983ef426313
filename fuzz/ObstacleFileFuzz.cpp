// A level's obstacle file ("ArbitraryObjects_WW_LL.txt") applied to a world grid.
#include "FuzzFolder.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "world/LevelObjects.h"
#include "world/WorldCellGrid.h"

namespace {

// The grid of the shipped levels: 16 cells of 50 units across.
bool LoadGridSettings(const FuzzFolder& folder) {
    const char text[] = "gridWidthUnits 800\nnumLatCells 16\n";
    folder.Write("data/config.txt", reinterpret_cast<const std::uint8_t*>(text), sizeof text - 1);
    return Singleton<SettingsManager>::Instance().LoadSettings("data\\config.txt");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    static const bool configured = LoadGridSettings(folder);
    folder.Write("data/obstacles.txt", data, size);
    WorldCellGrid grid;
    if (!configured || !grid.build(18))
        return 0;
    LevelObjects objects;
    objects.loadFile("data\\obstacles.txt", 1, grid);
    return 0;
}
