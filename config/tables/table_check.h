#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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

// Whether Cell, read by Cell_Number, lies in Low .. High.
bool Cell_In_Range(const QString& Cell, int Low, int High);

// One row under check: its cells by grid column (column 1 first) and its faults.
struct TChecked_Row {
    const QStringList& Cells;
    int Row;
    QString Cell(int Column) const { return Cells.value(Column - 1); }
    std::optional<TRow_Fault> Fault(int Text_Id, const QString& Suffix = QString()) const {
        return TRow_Fault{Row, Text_Id, Suffix};
    }
};
