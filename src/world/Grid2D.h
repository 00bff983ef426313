#pragma once

#include "core/Log.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

// A rectangle of equal cells over world units, row-major from the bottom-left cell. Positions
// outside clamp to the nearest edge cell, so lookups never fail.
template <typename Unit, typename Cell> class Grid2D {
  public:
    struct CellCoord {
        Unit col;
        Unit row;
        bool operator==(const CellCoord&) const = default;
    };

    // Far more cells than any level needs, yet small enough that a wrong setting cannot exhaust
    // memory.
    static constexpr std::int64_t kMaxCells = 1 << 22;

    virtual ~Grid2D() = default;

    // A size that is not positive, too large or overflows the units leaves the grid as it was.
    bool init(Unit newLatCells, Unit newLongCells, Unit newCellWidth, Unit newCellHeight) {
        if (!isSane(newLatCells, newLongCells, newCellWidth, newCellHeight)) {
            Log("Grid2D::init rejects %lld x %lld cells of %lld x %lld units\n",
                static_cast<long long>(newLatCells), static_cast<long long>(newLongCells),
                static_cast<long long>(newCellWidth), static_cast<long long>(newCellHeight));
            return false;
        }
        std::vector<Cell> fresh;
        try {
            fresh.assign(static_cast<std::size_t>(newLatCells) *
                             static_cast<std::size_t>(newLongCells),
                         Cell{});
        } catch (const std::bad_alloc&) {
            Log("Grid2D::init out of memory\n");
            cells.clear();
            lat = 0;
            lon = 0;
            return false;
        }
        cells = std::move(fresh);
        lat = newLatCells;
        lon = newLongCells;
        width = newCellWidth;
        height = newCellHeight;
        return true;
    }

    CellCoord cellOf(Unit x, Unit y) const {
        return {std::clamp<Unit>(x / width, 0, std::max<Unit>(lat - 1, 0)),
                std::clamp<Unit>(y / height, 0, std::max<Unit>(lon - 1, 0))};
    }

    // An empty grid answers with a scratch cell, so that callers never reach past the cells.
    Cell& cellAt(Unit x, Unit y) {
        if (cells.empty()) {
            scratch = Cell{};
            return scratch;
        }
        return cells[storageIndex(x, y)];
    }
    Cell cellAt(Unit x, Unit y) const { return cells.empty() ? Cell{} : cells[storageIndex(x, y)]; }

    bool isOutside(Unit x, Unit y) const {
        return x < 0 || x >= widthUnits() || y < 0 || y >= heightUnits();
    }

    // The drowning check's cell number: -1 outside the grid.
    Unit cellIndex(Unit x, Unit y) const {
        return isOutside(x, y) ? Unit(-1) : x / width + (y / height) * lat;
    }

    Unit centreX(Unit col) const { return col * width + width / 2; }
    Unit centreY(Unit row) const { return row * height + height / 2; }
    Unit rowOf(Unit y) const { return y / height; }

    bool isEmpty() const { return cells.empty(); }
    Unit latCells() const { return lat; }
    Unit longCells() const { return lon; }
    Unit cellWidth() const { return width; }
    Unit cellHeight() const { return height; }
    Unit widthUnits() const { return lat * width; }
    Unit heightUnits() const { return lon * height; }

  private:
    std::size_t storageIndex(Unit x, Unit y) const {
        const CellCoord coord = cellOf(x, y);
        return static_cast<std::size_t>(coord.row) * static_cast<std::size_t>(lat) +
               static_cast<std::size_t>(coord.col);
    }

    static bool isSane(Unit latCount, Unit longCount, Unit cellW, Unit cellH) {
        if (latCount <= 0 || longCount <= 0 || cellW <= 0 || cellH <= 0)
            return false;
        const std::int64_t maxUnit = std::numeric_limits<Unit>::max();
        return std::int64_t{latCount} * longCount <= kMaxCells &&
               std::int64_t{latCount} * cellW <= maxUnit &&
               std::int64_t{longCount} * cellH <= maxUnit;
    }

    std::vector<Cell> cells;
    Cell scratch{};
    // Cells of one unit until the first init, so that queries on an empty grid never divide by
    // zero.
    Unit lat = 0;
    Unit lon = 0;
    Unit width = 1;
    Unit height = 1;
};
