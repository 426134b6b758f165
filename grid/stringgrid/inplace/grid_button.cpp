#include "grid/stringgrid/inplace/grid_button.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
bool isArrow(uint16_t Key) { return Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN; }
}  // namespace

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {
    OnClick = [this](TObject* Sender) {
        if (FGrid) FGrid->GridButtonClick(Sender);
    };
}

void TGridButton::passThroughEllipsClick() {
    QString s = Caption();
    FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
    SetCaption(s);
    FGrid->SetCurrentCell(s);
}

void TGridButton::close() {
    SetVisible(false);
    SetEnabled(false);
    FGrid->Private().EditMode = false;
    FGrid->SetFocus();
}

void TGridButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TButton::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    if (isArrow(Key)) {
        const uint16_t key = Key;
        grid.Perform(WM_KEYDOWN, key);
        close();
        grid.Perform(WM_KEYUP, key);
        return;
    }
    if (Key == VK_ESCAPE) {
        // The grid taking the focus selects its cell again, which caches the cell's text of now.
        const QString cached = grid.Private().FCellCache;
        close();
        grid.Private().FCellCache = cached;
        grid.RestoreEditCell();
        grid.Perform(WM_KEYDOWN, VK_ESCAPE);
        return;
    }
    TButton::KeyDown(Key, Shift);
}

void TGridButton::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (Key != VK_SPACE) return;
    TButton::KeyUp(Key, Shift);
    if (!FGrid) return;
    passThroughEllipsClick();
    SetFocus();
    Invalidate();
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TButton::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && FGrid && Parent() == FGrid) passThroughEllipsClick();
}

void TGridButton::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TButton::DoExit();
}

void TGridButton::WndProc(TMessage& m) {
    TButton::WndProc(m);
    if (m.Msg == WM_GETDLGCODE && (isArrow(static_cast<uint16_t>(m.WParam)) || m.WParam == VK_ESCAPE)) m.Result = 1;
}
