#pragma once

#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/drag_drop_objects.h"
#include "platform/testkit/scripted_drag.h"
#include "platform/testkit/testkit.h"

#include <QStringList>

// A grid that shows its state.
class TDragTestGrid : public TTestStringGrid {
public:
    using TTestStringGrid::TTestStringGrid;
    using TExStringGrid::GridState;
};

// Two editable grids side by side on a form, 5 columns and 8 rows of 60 by 20 pixel cells with
// one fixed row and column: the source on the left holds "c:r" in every cell, the target on the
// right is empty and takes drops.
class DragDropFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 900, 400);
        source = makeGrid(0);
        target = makeGrid(420);
        for (int r = 0; r < source->RowCount(); ++r)
            for (int c = 0; c < source->ColCount(); ++c) source->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        form->HandleNeeded();
        target->DragDropSettings().SetOleDropTarget(true);
    }
    void TearDown() override {
        delete form;
        EnableRTFDrop(false);
    }

    TDragTestGrid* makeGrid(int Left) {
        auto* g = new TDragTestGrid(form);
        g->SetParent(form);
        g->SetBounds(Left, 0, 400, 300);
        g->SetColCount(5);
        g->SetRowCount(8);
        g->SetDefaultColWidth(60);
        g->SetDefaultRowHeight(20);
        g->SetOptions(g->Options() | goEditing);
        return g;
    }
    static TPoint middle(TExStringGrid& g, int ACol, int ARow) {
        const TRect r = g.CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Another program's text dropped on the target's cell; the effect it answered.
    uint32_t dropText(const QString& Text, int ACol, int ARow, uint32_t Keys = 0) {
        TMemoryDataObject data;
        data.Add(CF_UNICODETEXT, UnicodeTextBlock(Text));
        return dropOn(*target, data, middle(*target, ACol, ARow), Keys);
    }
    // Rows Top..Bottom of columns Left..Right, cells by "," and rows by "|".
    static QString block(TExStringGrid& g, int Left, int Top, int Right, int Bottom) {
        QStringList rows;
        for (int r = Top; r <= Bottom; ++r) {
            QStringList cells;
            for (int c = Left; c <= Right; ++c) cells << g.Cells(c, r);
            rows << cells.join(u',');
        }
        return rows.join(u'|');
    }
    static QString rect(const TGridRect& r) { return QStringLiteral("%1,%2-%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom); }

    TForm* form = nullptr;
    TDragTestGrid* source = nullptr;
    TDragTestGrid* target = nullptr;
};
