#include "grid/stringgrid/inplace/grid_date_editors.h"

#include "grid/stringgrid/inplace/editor_tab.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/month_calendar.h"
#include "platform/graphics/canvas.h"
#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

#include <QDateTime>

TDateTime Now() {
    const QDateTime t = QDateTime::currentDateTime();
    TDateTime time = 0;
    TryEncodeTime(t.time().hour(), t.time().minute(), t.time().second(), 0, time);
    return EncodeDate(t.date().year(), t.date().month(), t.date().day()) + time;
}

// ---- TGridDatePicker

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TAsgDateTimePicker(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

bool TGridDatePicker::SetText(const QString& Value) {
    TDateTime value = 0;
    if (Kind() == dtkTime) {
        if (!TryStrToTime(Value, value)) return false;
        SetTime(value);
    } else {
        if (!TryStrToDate(Value, value)) return false;
        SetDate(value);
    }
    return true;
}

void TGridDatePicker::ReCreate() {
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
    SetFormat(Format());
}

bool TGridDatePicker::validate() {
    TExStringGrid& grid = *FGrid;
    grid.SetCurrentCell(Text());
    const bool valid = grid.ValidateCell(Text());
    if (!valid) {
        SetText(grid.Private().FNewCellText);
        Invalidate();
    }
    return valid;
}

void TGridDatePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
    const bool leaves = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                        Key == VK_NEXT || Key == VK_END;
    if (!FGrid || !leaves) {
        TAsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    if (Key == VK_ESCAPE && !SetText(grid.GetCurrentCell())) {
        // A cell text that is no date or time shows now, and the cell keeps its text: the value
        // the picker only stood in with is not written.
        SetDateTime(Now());
        KeepCell = true;
    }
    if (Key == VK_RETURN) {
        // Completes the part being typed.
        Perform(WM_KEYDOWN, VK_RIGHT);
        Perform(WM_KEYUP, VK_RIGHT);
        if (KeepCell) {
            // Nothing was changed over a text the picker could not read: the cell stays.
            grid.DoneInplaceEdit(Key, Shift);
            return;
        }
        if (!validate()) {
            Key = 0;
            grid.Private().FNoAutoAdvance = true;
            return;
        }
        SetText(grid.GetCurrentCell());
    }
    if (Key == VK_TAB && grid.WantsTabFromEditor()) {
        if (!KeepCell && !validate()) {
            Key = 0;
            return;
        }
        if (HandTabToGrid(grid, Shift)) return;
    }
    if (!DroppedDown()) grid.DoneInplaceEdit(Key, Shift);
}

void TGridDatePicker::KeyPress(QChar& Key) {
    const bool digit = Key >= u'0' && Key <= u'9';
    if (digit) {
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
        DecodeDate(DateTime(), y, m, d);
        DecodeTime(DateTime(), h, n, s, ms);
        Fy = y, Fm = m, Fd = d, Fth = h, Ftm = n, Fts = s, Ftms = ms;
    }
    TAsgDateTimePicker::KeyPress(Key);
    if (digit) PostMessage(this, DTPShiftFocusMessage());
    if (FGrid) FGrid->OnKeyPress(FGrid, Key);
}

// After a typed digit: once the digit changed a part, the caret moves on to the next one, unless
// that part is the last of a custom format.
void TGridDatePicker::shiftFocus() {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(DateTime(), y, m, d);
    DecodeTime(DateTime(), h, n, s, ms);
    bool moveOn = false;
    if (Kind() == dtkTime) {
        moveOn = h != Fth || n != Ftm || s != Fts;
    } else if (!Format().isEmpty()) {
        const QChar last = Format().back().toLower();
        const bool dayChanged = d != Fd, monthChanged = m != Fm, yearChanged = y != Fy;
        if (dayChanged && last == u'd') moveOn = false;
        else if (monthChanged && last == u'm') moveOn = false;
        else if (yearChanged && last == u'y') moveOn = false;
        else moveOn = dayChanged || monthChanged || yearChanged;
    } else {
        moveOn = d != Fd || m != Fm;
    }
    if (moveOn) PostMessage(this, WM_KEYDOWN, VK_RIGHT);
}

void TGridDatePicker::Change() {
    KeepCell = false;
    TAsgDateTimePicker::Change();
}

void TGridDatePicker::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TAsgDateTimePicker::DoExit();
}

void TGridDatePicker::WndProc(TMessage& m) {
    if (m.Msg == DTPShiftFocusMessage()) {
        shiftFocus();
        return;
    }
    if (m.Msg == DTM_GETMCSTYLE) {
        uint32_t style = 0;
        if (!FShowToday) style |= MCS_NOTODAY;
        if (!FShowTodayCircle) style |= MCS_NOTODAYCIRCLE;
        if (FWeekNumbers) style |= MCS_WEEKNUMBERS;
        m.Result = style;
        return;
    }
    TAsgDateTimePicker::WndProc(m);
    if (m.Msg == WM_GETDLGCODE && FGrid) ClaimEditorKeys(m, FGrid->WantsTabFromEditor());
    // The cell's own frame: the window colour over the outer edge.
    if (m.Msg == WM_NCPAINT && m.LParam) {
        TCanvas& canvas = *reinterpret_cast<TCanvas*>(m.LParam);
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clWindow;
        const TRect r{0, 0, Width(), Height()};
        canvas.FrameRect(r);
        canvas.FrameRect(TRect{1, 1, r.Right - 1, r.Bottom - 1});
    }
}

// ---- TGridDateTimePicker

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExDateTimePicker(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

QString TGridDateTimePicker::CellText() {
    if (ShowCheckBox() && !Checked()) return QString();
    return FormatDateTime(FormatSettings.ShortDateFormat + " " + FormatSettings.ShortTimeFormat, DateTime());
}

void TGridDateTimePicker::Change() {
    KeepCell = false;
    TExDateTimePicker::Change();
}

void TGridDateTimePicker::DoChange() {
    KeepCell = false;
    TExDateTimePicker::DoChange();
}

void TGridDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!leaves(Key, Shift)) TExDateTimePicker::KeyDown(Key, Shift);
}

void TGridDateTimePicker::TimePartKeyDown(uint16_t& Key, TShiftState Shift) {
    if (!leaves(Key, Shift)) TExDateTimePicker::TimePartKeyDown(Key, Shift);
}

bool TGridDateTimePicker::leaves(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) return false;
    TExStringGrid& grid = *FGrid;
    switch (Key) {
    case VK_ESCAPE: {
        SetDateTime(grid.Private().FOriginalDateTime);
        // A cell that held no date and time keeps its text.
        TDateTime cell = 0;
        KeepCell = !TryStrToDateTime(grid.GetCurrentCell(), cell);
        grid.HideInplaceEdit();
        grid.SetFocus();
        return true;
    }
    case VK_RETURN:
        grid.HideInplaceEdit();
        grid.SetFocus();
        if (grid.Navigation().AdvanceOnEnter)
            grid.AdvanceCell(grid.Col(), grid.Row(), grid.Navigation().AdvanceAutoEdit, false, true, true, false);
        return true;
    case VK_TAB: {
        if (!grid.WantsTabFromEditor()) return false;
        const QString text = KeepCell ? grid.GetCurrentCell() : CellText();
        grid.HideInplaceEdit();
        grid.SetFocus();
        grid.SetCurrentCell(text);
        grid.TabNavigate(Shift & ssShift);
        return true;
    }
    default: return false;
    }
}
