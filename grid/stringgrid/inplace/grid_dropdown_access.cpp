// The grid's drop-down editors as its public properties give them.
#include "grid/stringgrid/inplace/grid_dropdown_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/memo.h"

namespace {

// A drop-down editor made for the grid: owned by it, on it, hidden and disabled, editable and in
// the grid's style and tones.
template <class Editor>
Editor* madeOnce(Editor*& Field, TExStringGrid& Grid, TExStyle Style, const TColorTones& Tones) {
    if (!Field) {
        Field = new Editor(&Grid);
        Field->SetParent(&Grid);
        Field->SetEditorEnabled(true);
        Field->SetVisible(false);
        Field->SetEnabled(false);
        Field->SetComponentStyle(Style);
        Field->SetColorTones(Tones);
    }
    return Field;
}

}  // namespace

TGridTrackbarDropDown* TExStringGrid::TrackbarDropDown() {
    return madeOnce(p->FTrackbarDropDown, *this, p->FStyle, p->FTones);
}
TGridMemoDropDown* TExStringGrid::MemoDropDown() {
    if (p->FMemoDropDown) return p->FMemoDropDown;
    TGridMemoDropDown* memo = madeOnce(p->FMemoDropDown, *this, p->FStyle, p->FTones);
    // Typed in the edit or in the memo of the open pop-up, the lines follow into the cell.
    memo->OnChange = [this](TObject*) { MemoDropDownChange(); };
    memo->OnMemoChange = [this](TObject*) { MemoDropDownChange(); };
    return memo;
}

void TExStringGrid::MemoDropDownChange() {
    TGridMemoDropDown* memo = p->FMemoDropDown;
    if (!memo || !p->EditMode || p->EditControl != edMemoDropDown) return;
    const bool open = memo->DroppedDown() && memo->Memo();
    SetEditText(Col(), Row(), open ? memo->Memo()->Lines().join(QLatin1Char('\n')) : memo->Text());
}
TGridCalculatorDropDown* TExStringGrid::CalculatorDropDown() {
    return madeOnce(p->FCalculatorDropDown, *this, p->FStyle, p->FTones);
}
TGridTimepickerDropDown* TExStringGrid::TimePickerDropDown() {
    return madeOnce(p->FTimePickerDropDown, *this, p->FStyle, p->FTones);
}
TGridDetailPickerDropDown* TExStringGrid::DetailPickerDropDown() {
    return madeOnce(p->FDetailPickerDropDown, *this, p->FStyle, p->FTones);
}
TGridGridDropDown* TExStringGrid::GridDropDown() { return madeOnce(p->FGridDropDown, *this, p->FStyle, p->FTones); }
TGridColorDropDown* TExStringGrid::ColorPickerDropDown() {
    return madeOnce(p->FColorPickerDropDown, *this, p->FStyle, p->FTones);
}
TGridImageDropDown* TExStringGrid::ImagePickerDropDown() {
    return madeOnce(p->FImagePickerDropDown, *this, p->FStyle, p->FTones);
}
TGridExGridDropDown* TExStringGrid::ExGridDropDown() {
    return madeOnce(p->FExGridDropDown, *this, p->FStyle, p->FTones);
}

TExCustomDropDown* TExStringGrid::dropDownEditor(TEditorType Kind) {
    switch (Kind) {
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edExGridDropDown: return ExGridDropDown();
    default: return nullptr;
    }
}

TExCustomDropDown* TExStringGrid::shownDropDown() const {
    if (!p->EditMode) return nullptr;
    switch (p->EditControl) {
    case edTrackbarDropDown: return p->FTrackbarDropDown;
    case edMemoDropDown: return p->FMemoDropDown;
    case edCalculatorDropDown: return p->FCalculatorDropDown;
    case edTimePickerDropDown: return p->FTimePickerDropDown;
    case edDetailDropDown: return p->FDetailPickerDropDown;
    case edGridDropDown: return p->FGridDropDown;
    case edColorPickerDropDown: return p->FColorPickerDropDown;
    case edImagePickerDropDown: return p->FImagePickerDropDown;
    case edExGridDropDown: return p->FExGridDropDown;
    default: return nullptr;
    }
}
