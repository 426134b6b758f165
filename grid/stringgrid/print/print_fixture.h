#pragma once

#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// A grid to print whose cells all measure FixedWidth x FixedHeight (0.1 mm), so that the page
// layout does not hang on fonts: 600 wide, 400 high, no gaps between the columns.
class PrintFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 800, 600);
        grid = new TExStringGrid(form);
        grid->SetParent(form);
        TPrintSettings& ps = grid->PrintSettings();
        ps.UseFixedWidth = true;
        ps.FixedWidth = 600;
        ps.UseFixedHeight = true;
        ps.FixedHeight = 400;
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    void shape(int cols, int rows) {
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid->SetCells(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    }

    // Previews the page PreviewPage on a 96 dpi picture of width x height pixels (960 pixels
    // are 254 mm); the number of pages the preview counted.
    int preview(int width = 960, int height = 960) { return previewOn(image, width, height); }

    int previewOn(QImage& out, int width, int height) {
        out = QImage(width, height, QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter painter(&out);
        TCanvas canvas(&painter);
        int pages = -1;
        grid->OnPrintStart = [&](TObject*, int NrOfPages, int&, int&) { pages = NrOfPages; };
        grid->PrintPreview(canvas, TRect{0, 0, width, height});
        grid->OnPrintStart = nullptr;
        return pages;
    }

    // The last preview.
    QImage image;

    TForm* form = nullptr;
    TExStringGrid* grid = nullptr;
};
