#pragma once

#include <QString>

// What the checks of the table windows share.

// The first fault a table's check finds: shown as "Error row " + Row + the text of Text_Id +
// Suffix.
struct TRow_Fault {
    int Row;  // the grid row, 1 for the first data row; 0 for a fault of the whole table
    int Text_Id;
    QString Suffix;
    bool operator==(const TRow_Fault&) const = default;
};

// A cell as an integer by the general rule; a cell that is no number reads -1, which fails
// every range the tables check.
int Cell_Number(const QString& Cell);
