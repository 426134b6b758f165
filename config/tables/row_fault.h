#pragma once

#include <QString>

// The first fault a table's check finds: shown as "Error row " + Row + the text of Text_Id +
// Suffix.
struct TRow_Fault {
    int Row;  // the grid row, 1 for the first data row
    int Text_Id;
    QString Suffix;
    bool operator==(const TRow_Fault&) const = default;
};
