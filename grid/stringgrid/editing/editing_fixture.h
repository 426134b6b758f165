#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/inplace_edit.h"
#include "platform/testkit/testkit.h"

#include <QStringList>
#include <map>

// An editable, focused grid of 6 columns and 8 rows (cell (c, r) holds "c:r") whose editing
// events are written to a log; editorOf gives a cell an editor kind.
class EditingFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        log.clear();
        editorOf.clear();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetOptions(grid->Options() | goEditing);
        // The caret at the end of an opened editor: what is typed adds to the text.
        grid->Navigation().EditSelectAll = false;
        grid->OnCanEditCell = [this](TObject*, int ARow, int ACol, bool&) { note("CanEdit", ACol, ARow); };
        grid->OnGetEditorType = [this](TObject*, int ACol, int ARow, TEditorType& AEditor) {
            note("GetEditorType", ACol, ARow);
            const auto kind = editorOf.find({ACol, ARow});
            if (kind != editorOf.end()) AEditor = kind->second;
        };
        grid->OnEditingDone = [this](TObject*) { log << "EditingDone " + grid->Cells(grid->RealCol(), grid->Row()); };
        grid->OnEditCellDone = [this](TObject*, int ACol, int ARow) { note("EditCellDone", ACol, ARow); };
        grid->SetFocus();
    }

    void note(const char* what, int ACol, int ARow) {
        log << QStringLiteral("%1 %2,%3").arg(QString::fromLatin1(what)).arg(ACol).arg(ARow);
    }
    // A left press and release in the middle of a cell.
    void clickCell(int ACol, int ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        click(*grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    TInplaceEdit* textEditor() const { return grid->InplaceEditor(); }
    bool textEditorOpen() const { return textEditor() && textEditor()->Visible(); }
    // The control that has the focus: where the user's keys go.
    TWinControl& focused() const { return *FocusedControl(); }

    std::map<std::pair<int, int>, TEditorType> editorOf;
    QStringList log;
};
