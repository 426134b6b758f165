#pragma once

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/form.h"
#include "platform/testkit/temp_folder.h"

#include <gtest/gtest.h>

// A grid of 4 columns and 5 rows on a form with a window, its widths 64, 80, 120 and 40, and a
// folder for the files the test writes.
class PersistFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 800, 600);
        grid = new TExStringGrid(form);
        grid->SetParent(form);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        const int widths[] = {64, 80, 120, 40};
        for (int c = 0; c < 4; ++c) {
            grid->SetColWidths(c, widths[c]);
            grid->SetCells(c, 0, QStringLiteral("H%1").arg(c));
        }
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    QStringList headers() const {
        QStringList out;
        for (int c = 0; c < grid->ColCount(); ++c) out << grid->Cells(grid->RealColIndex(c), 0);
        return out;
    }
    std::vector<int> widths() const {
        std::vector<int> out;
        for (int c = 0; c < grid->ColCount(); ++c) out.push_back(grid->ColWidths(c));
        return out;
    }

    TempFolder folder;
    TForm* form = nullptr;
    TExStringGrid* grid = nullptr;
};
