#pragma once

// How much an import may make the grid hold. A file names or implies a size before its cells
// come; the size is checked against these limits before the grid changes, so that a small file
// cannot claim more memory than the program has, and every count stays well inside an int.

#include "grid/stringgrid/model/string_grid_errors.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>

// Columns times rows of the grid after an import.
inline constexpr qint64 MaxImportCells = 50'000'000;
// Columns or rows on their own.
inline constexpr qint64 MaxImportCount = 10'000'000;
// Pixels of one column width or row height read from a file.
inline constexpr qint64 MaxImportPixels = 65535;

// Raises VEriRodiVizev naming Source when a grid of Cols x Rows is more than the grid can hold.
inline void CheckImportSize(qint64 Cols, qint64 Rows, const QString& Source) {
    if (Cols < 0 || Rows < 0 || Cols > MaxImportCount || Rows > MaxImportCount || Cols * Rows > MaxImportCells)
        throw VEriRodiVizev(QStringLiteral("%1 asks for %2 columns and %3 rows; the grid holds at most %4 cells")
                                .arg(Source)
                                .arg(Cols)
                                .arg(Rows)
                                .arg(MaxImportCells));
}

// A width or height read from a file, within what a column or row can take.
inline int ImportedPixels(qint64 Pixels) { return static_cast<int>(std::clamp<qint64>(Pixels, 0, MaxImportPixels)); }
