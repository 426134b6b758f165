#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"

// The string grid fixture with its rows and stored columns read back by the numbers in their texts.
class RowColumnFixture : public StringGridFixture {
protected:
    // Column 1 of the rows, the row numbers of the texts joined.
    QString rows() const { return displayColumn(1); }
    // Row 1 of every stored column, hidden ones included, the column numbers of the texts joined.
    QString columns() const {
        QStringList out;
        for (int c = 0; c < grid->TotalColCount(); ++c) out << grid->AllCells(c, 1).section(':', 0, 0);
        return out.join(' ');
    }
    // A fresh grid for the next case of a table.
    void reset() {
        TearDown();
        SetUp();
    }
};
