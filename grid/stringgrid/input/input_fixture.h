#pragma once

#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/keyboard.h"
#include "platform/testkit/testkit.h"

#include <QStringList>

// A focused grid of 6 columns and 8 rows with one fixed column and row, 60 by 20 pixel cells,
// whose events are written to a log.
class InputFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        ResetKeyboard();
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        grid->SetFocus();
    }

    void note(const QString& what) { log << what; }
    QString cell() const { return QStringLiteral("%1,%2").arg(grid->Col()).arg(grid->Row()); }
    TPoint middle(int ACol, int ARow) const {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void clickCell(int ACol, int ARow) {
        const TPoint p = middle(ACol, ARow);
        click(*grid, p.X, p.Y);
    }
    void press(uint16_t key, TShiftState shift = 0) { keyPress(*grid, key, shift); }

    QStringList log;
};
