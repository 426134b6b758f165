#pragma once

#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/form.h"

#include <gtest/gtest.h>

// A string grid that shows its working state to tests.
class TTestStringGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::FilterLevel;
    using TExStringGrid::Private;
    using TExStringGrid::SetFilterLevel;
};

// A grid of 10 columns and 12 rows on a form with a window; cell (c, r) holds "c:r".
class StringGridFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 800, 600);
        grid = new TTestStringGrid(form);
        grid->SetParent(form);
        grid->SetColCount(10);
        grid->SetRowCount(12);
        for (int r = 0; r < 12; ++r)
            for (int c = 0; c < 10; ++c) grid->SetCells(c, r, text(c, r));
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    static QString text(int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); }
    // Column c of the display rows, joined.
    QString displayColumn(int c) const {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r) out << grid->Cells(c, r).section(':', 1);
        return out.join(' ');
    }

    TForm* form = nullptr;
    TTestStringGrid* grid = nullptr;
};
