#include "world/WorldCellGrid.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"

bool WorldCellGrid::build(int rows) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const int widthUnits = settings.GetInt("gridWidthUnits");
    const int columns = settings.GetInt("numLatCells");
    if (columns <= 0) {
        Log("The lateral world cells count %i is not positive.\n", columns);
        return false;
    }
    const int remainder = widthUnits % columns;
    if (remainder != 0) {
        // Kept as written: logs and their readers rely on this exact line.
        Log("The lateral world cells are not aligned to world units. Ramainder %i ", remainder);
        return false;
    }
    return init(columns, rows, widthUnits / columns, kCellHeight);
}
