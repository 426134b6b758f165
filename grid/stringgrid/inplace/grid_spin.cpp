#include "grid/stringgrid/inplace/grid_spin.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/keyboard.h"

#include <type_traits>

namespace {

// The value a paging key gives: Page Up and Page Down step unless the step would cross a
// limit, End goes to the minimum and Home to the maximum.
template <class T>
T paged(uint16_t Key, T Value, T Step, T Min, T Max) {
    // Compared in a wider type, so a typed value at the end of the integers does not overflow.
    using Wide = std::common_type_t<T, long long>;
    switch (Key) {
    case VK_PRIOR: return Wide(Value) + Step <= Max ? T(Value + Step) : Value;
    case VK_NEXT: return Wide(Value) - Step >= Min ? T(Value - Step) : Value;
    case VK_END: return Min;
    case VK_HOME: return Max;
    default: return Value;
    }
}

}  // namespace

TGridSpin::TGridSpin(TComponent* AOwner) : TAsgSpinEdit(AOwner) {
    FGrid = dynamic_cast<TExStringGrid*>(AOwner);
    MaxValue = 100;
    MinValue = 0;
    Increment = 1;
}

void TGridSpin::ReCreate() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    HandleNeeded();
}

void TGridSpin::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        // The grid's editor decides about every key before the spin edit steps on any.
        TCustomMaskEdit::WndProc(m);
        return;
    case WM_CHAR:
        if (m.WParam == '\t' || m.WParam == '\r') {
            m.Result = 0;
            return;
        }
        break;
    case WM_GETDLGCODE:
        if (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) m.Result = 1;
        else if (m.WParam == VK_TAB) m.Result = FGrid && (FGrid->Options() & goTabs) ? 1 : 0;
        else m.Result = 0;
        return;
    default:
        break;
    }
    TAsgSpinEdit::WndProc(m);
}

void TGridSpin::page(uint16_t Key) {
    if (SpinType() == sptNormal) {
        const int value = Value();
        const int next = paged(Key, value, Increment, MinValue, MaxValue);
        if (next != value) SetValue(next);
    } else if (SpinType() == sptFloat) {
        const double value = FloatValue();
        const double next = paged(Key, value, IncrementFloat, MinFloatValue, MaxFloatValue);
        if (next != value) SetFloatValue(next);
    } else if (Key == VK_PRIOR) {
        IncreaseValue(true);
    } else if (Key == VK_NEXT) {
        DecreaseValue(true);
    }
}

bool TGridSpin::leave(uint16_t& Key, TShiftState Shift) {
    TExStringGrid& grid = *FGrid;
    TExStringGridPrivate& p = grid.Private();
    if (Key == VK_ESCAPE) {
        SetText(p.FCellCache);
        if (SpinType() == sptNormal) SetValue(Value());
        else if (SpinType() == sptFloat) SetFloatValue(FloatValue());
    } else {
        grid.SetCurrentCell(Text());
        if (!grid.ValidateCell(Text())) {
            SetText(grid.GetCurrentCell());
            SetSelStart(static_cast<int>(Text().size()));
            Key = 0;
            p.FNoAutoAdvance = true;
            Invalidate();
            return false;
        }
        SetText(grid.GetCurrentCell());
    }
    if (Key == VK_TAB && (grid.Options() & goTabs)) {
        grid.HideInplaceEdit();
        grid.SetFocus();
        grid.TabNavigate(Shift & ssShift);
        Key = 0;
        return true;
    }
    grid.DoneInplaceEdit(Key, Shift);
    if (grid.Navigation().AdvanceOnEnter && grid.Navigation().AdvanceAutoEdit) grid.ShowInplaceEdit();
    Key = 0;
    TAsgSpinEdit::KeyDown(Key, Shift);
    return true;
}

void TGridSpin::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TAsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    switch (Key) {
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END: {
        page(Key);
        const bool up = Key == VK_PRIOR || Key == VK_HOME;
        FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
        break;
    }
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_UP: case VK_DOWN:
        leave(Key, Shift);
        return;
    default:
        break;
    }
    TAsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::KeyPress(QChar& Key) {
    if (Key == QChar(27)) Key = QChar();
    if (Key == QChar('\r')) return;
    TAsgSpinEdit::KeyPress(Key);
}

void TGridSpin::UpClick(TObject* Sender) {
    TAsgSpinEdit::UpClick(Sender);
    spinClicked(true);
}

void TGridSpin::DownClick(TObject* Sender) {
    TAsgSpinEdit::DownClick(Sender);
    spinClicked(false);
}

void TGridSpin::spinClicked(bool Up) {
    if (!FGrid) return;
    const int c = FGrid->Col(), r = FGrid->Row();
    switch (SpinType()) {
    case sptNormal: FGrid->OnSpinClick(FGrid, c, r, Value(), Up); break;
    case sptFloat: FGrid->OnFloatSpinClick(FGrid, c, r, FloatValue(), Up); break;
    case sptDate: FGrid->OnDateSpinClick(FGrid, c, r, DateValue(), Up); break;
    case sptTime: FGrid->OnTimeSpinClick(FGrid, c, r, TimeValue(), Up); break;
    }
}

void TGridSpin::Change() {
    TAsgSpinEdit::Change();
    if (FGrid) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TAsgSpinEdit::DoExit();
}
