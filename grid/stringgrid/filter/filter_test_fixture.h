#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"

// A grid of fruit: header row 0, rows 1 .. 8 with a name, a price and a tag; each row has its
// own height, and real column 4 (hidden) holds a note per row.
class FruitGridFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        fill(*grid);
    }

    static void fill(TExStringGrid& g) {
        g.SetColCount(5);
        g.SetRowCount(9);
        const char* rows[][4] = {{"Name", "Price", "Tag", "Note"},    {"apple", "$120", "red fruit", "n1"},
                                 {"Banana", "$80", "yellow", "n2"},  {"cherry", "$150", "red", "n3"},
                                 {"date", "$95", "brown", "n4"},     {"Apricot", "$101", "orange", "n5"},
                                 {"fig", "$60", "purple", "n6"},     {"grape", "$130", "green fruit", "n7"},
                                 {"Kiwi", "$40", "green", "n8"}};
        for (int r = 0; r < 9; ++r) {
            g.SetCells(0, r, QString::number(r));
            for (int c = 0; c < 4; ++c) g.SetCells(c + 1, r, rows[r][c]);
            g.SetRowHeights(r, 20 + r);
        }
        g.HideColumn(4);
    }

    // Column 0 (the row number) of the shown rows after the fixed row, joined.
    QString shown() const { return shown(*grid); }
    static QString shown(const TExStringGrid& g) {
        QStringList out;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) out << g.Cells(0, r);
        return out.join(' ');
    }
    // Every row's real cells and height, shown rows first in order.
    QStringList snapshot() {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->TotalColCount(); ++c) cells << grid->AllGridCells(c, grid->RealRowIndex(r));
            out << cells.join('|') + QStringLiteral("@%1").arg(grid->RowHeights(r));
        }
        return out;
    }
    TFilterData& condition(int column, const QString& text) { return condition(*grid, column, text); }
    static TFilterData& condition(TExStringGrid& g, int column, const QString& text) {
        TFilterData& item = *g.Filter().Add();
        item.Column = static_cast<int16_t>(column);
        item.Condition = text;
        return item;
    }
};
