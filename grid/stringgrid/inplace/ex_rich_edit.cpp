#include "grid/stringgrid/inplace/ex_rich_edit.h"

#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

TExRichEdit::TExRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

void TExRichEdit::ReCreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    HandleNeeded();
}

void TExRichEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        TRichEdit::WndProc(m);
        m.Result |= DLGC_WANTTAB;
        return;
    case WM_KILLFOCUS:
        if (FGrid) {
            if (FGrid->Private().InvokedFocusChange) return;
            // The value reaches its cell before anything else runs: the grid taking the focus
            // back, or a button of the window reading the cells.
            if (FGrid->EditCtrl() == this) FGrid->HideInplaceEdit();
        }
        break;
    case CM_TEXTCHANGED:
        TRichEdit::WndProc(m);
        requestResize();
        return;
    default:
        break;
    }
    TRichEdit::WndProc(m);
}

void TExRichEdit::setOffset(int Twips) {
    SetSelOffset(Twips);
    Modified = true;
}

void TExRichEdit::Change() {
    Modified = true;
    TRichEdit::Change();
    if (FGrid && FGrid->EditCtrl() == this) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TExRichEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    TRichEdit::KeyDown(Key, Shift);
    if (!FGrid) return;
    TExStringGrid& grid = *FGrid;
    // Escape leaves the cell as it was.
    if (Key == VK_ESCAPE && grid.EditCtrl() == this) {
        Modified = false;
        grid.DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    }
    // The grid takes the key as if typed to it.
    if (Key == VK_TAB && (grid.Options() & goTabs)) {
        grid.SetFocus();
        grid.Perform(WM_KEYDOWN, Key, Shift);
        grid.ShowInplaceEdit();
        Key = 0;
    } else if ((Key == VK_UP || Key == VK_DOWN) && !grid.WordWrap && !grid.Multilinecells) {
        grid.SetFocus();
        grid.Perform(WM_KEYDOWN, Key, Shift);
        Key = 0;
    }
}

void TExRichEdit::requestResize() {
    if (!FGrid) return;
    TExStringGrid& grid = *FGrid;
    TExStringGridPrivate& p = grid.Private();
    // The content is laid out in the editor's formatting rectangle, 2 pixels in on each side.
    const TSize need = ContentSize(Width() > 4 ? Width() - 4 : 0);
    if (p.FRichEdit == this) {
        FReqWidth = need.cx;
        FReqHeight = need.cy;
        return;
    }
    if (p.FInplaceRichEdit != this || !grid.SizeWhileTyping().Height || FLocked || !Visible()) return;
    const int a = need.cy;
    const int row = grid.Row();
    if (a + 5 > grid.RowHeights(row) && grid.CellRect(grid.Col(), row).Top + a + 5 < grid.Height()) {
        SetHeight(a + 9);
        grid.SetRowHeights(row, a + 10);
        grid.OnEndRowSize(&grid, row);
    }
}

TExRichEdit* TExStringGrid::InplaceRichEdit() {
    if (!p->FInplaceRichEdit) {
        p->FInplaceRichEdit = new TExRichEdit(this);
        p->FInplaceRichEdit->SetParent(this);
        p->FInplaceRichEdit->SetVisible(false);
        p->FInplaceRichEdit->OnSelectionChange = [this](TObject* Sender) { RichEditSelectionChanged(Sender); };
    }
    return p->FInplaceRichEdit;
}
