#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/testkit/exception_message.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>

// A grid of 5 columns and 6 rows (one fixed row and column) on a form, and a folder for files.
class ExchangeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 800, 600);
        grid = makeGrid();
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    TTestStringGrid* makeGrid() {
        auto* g = new TTestStringGrid(form);
        g->SetParent(form);
        g->SetColCount(5);
        g->SetRowCount(6);
        return g;
    }
    // Every stored cell of the shown rows, "c,r=text" for the non-empty ones, in row order.
    static QString cells(TExStringGrid& g) {
        QStringList out;
        for (int r = 0; r < g.RowCount(); ++r)
            for (int c = 0; c < g.TotalColCount(); ++c)
                if (!g.GetGridCell(c, r).isEmpty()) out << QStringLiteral("%1,%2=%3").arg(c).arg(r).arg(g.GetGridCell(c, r));
        return QStringLiteral("%1x%2 ").arg(g.ColCount()).arg(g.RowCount()) + out.join(u'|');
    }
    QString cells() { return cells(*grid); }
    // A grid worth saving: a header row, markup, a two-line text, a merged range and a hidden row.
    void fillRich() {
        grid->SetCells(1, 0, "Name");
        grid->SetCells(2, 0, "Note");
        grid->SetCells(1, 1, "<b>bold</b> & co");
        grid->SetCells(2, 1, "first\r\nsecond");
        grid->SetCells(1, 2, "a,b;\"c\"");
        grid->SetCells(3, 2, "merged");
        grid->MergeCells(3, 2, 2, 1);
        grid->SetCells(1, 4, "stays hidden");
        grid->SetCells(2, 5, QString::fromUtf8("M\xC3\xBCller \xE2\x82\xAC"));
        grid->HideRow(4);
    }
    QByteArray fileBytes(const QString& name) {
        QFile f(name);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    TempFolder folder;
    TForm* form = nullptr;
    TTestStringGrid* grid = nullptr;
};
