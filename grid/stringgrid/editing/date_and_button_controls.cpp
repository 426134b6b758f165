// The date, time and date-and-time editors and the button editor: shown over the cell with its
// value, and their value written back when the edit ends.
#include "grid/stringgrid/editing/editor_kinds.h"
#include "grid/stringgrid/editing/editor_placement.h"
#include "grid/stringgrid/inplace/grid_button.h"
#include "grid/stringgrid/inplace/grid_date_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/system/date_time_text.h"

namespace {

// The date a date editor opens on: the custom conversion's, else the text's within the
// picker's bounds; now for a text that is no date, and Readable false then.
TDateTime openingDate(TExStringGrid& Grid, const TDateTimePicker& Picker, const QString& Text, bool& Readable) {
    TDateTime date = Now();
    Readable = true;
    if (Grid.OnCustomStrToDate) {
        Grid.OnCustomStrToDate(&Grid, Text, date);
        return date;
    }
    Readable = !Text.isEmpty() && TryStrToDateTime(Text, date);
    if (!Readable) return Now();
    if (Picker.MaxDate() != 0 && date > Picker.MaxDate()) date = Picker.MaxDate() - 1;
    if (Picker.MinDate() != 0 && date <= Picker.MinDate()) date = Picker.MinDate() + 1;
    return date;
}

}  // namespace

void TExStringGrid::showDateOrButtonControl(int ACol, int ARow, TColor Color, QChar Start) {
    const TRect r = ControlRect(*this, ACol, ARow);
    const int realCol = RealColIndex(ACol);
    const QString editText = GetEditText(ACol, ARow);
    if (p->EditControl == edButton) {
        TGridButton& button = *Btn();
        button.SetCaption(editText);
        ShowOver(button, TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1}, clNone, QChar());
        p->EditCtrl = &button;
        return;
    }
    // Without the platform's date and time picker these kinds open no editor.
    if (!ComCtl32Is470()) {
        p->FEditActive = false;
        return;
    }
    if (p->EditControl == edDateTimeEdit) {
        TGridDateTimePicker& picker = *DateAndTimePicker();
        TDateTime value = Now();
        const bool readable = !editText.isEmpty() && TryStrToDateTime(editText, value);
        p->FOriginalDateTime = value;
        picker.SetKind(dkDateTime);
        picker.SetDateTime(value);
        // Now only stands in for a text the picker cannot read: unchanged, it is not written.
        picker.KeepCell = !readable;
        picker.SetBorderStyle(bsNone);
        DoGetEditorProp(realCol, ARow, nullptr);
        ShowOver(picker, r, Color, QChar());
        return;
    }
    TGridDatePicker& picker = *DateTimePicker();
    // Now only stands in for a text the picker cannot read: unchanged, it is not written.
    bool readable = true;
    if (p->EditControl == edTimeEdit) {
        TDateTime time = 0;
        readable = !editText.isEmpty() && TryStrToTime(editText, time);
        if (!readable) time = TimeOf(Now());
        picker.SetKind(dtkTime);
        picker.ReCreate();
        picker.SetTime(time);
        picker.KeepCell = !readable;
        ShowOver(picker, r, Color, QChar());
        DoGetEditorProp(realCol, ARow, nullptr);
    } else {
        picker.SetKind(dtkDate);
        picker.ReCreate();
        picker.SetDateTime(openingDate(*this, picker, editText, readable));
        picker.KeepCell = !readable;
        picker.SetDateMode(p->EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
        DoGetEditorProp(realCol, ARow, nullptr);
        ShowOver(picker, r, Color, QChar());
        if (p->MouseActions->DirectDateDrop) picker.Perform(WM_KEYDOWN, VK_F4);
        if (!Start.isNull()) PostMessage(&picker, WM_CHAR, Start.unicode());
    }
    p->EditCtrl = &picker;
}

void TExStringGrid::hideDateOrButtonControl(int RealCol, int ARow) {
    const bool open = p->EditMode;
    p->EditMode = false;
    if (p->EditControl == edButton) {
        if (p->GridButton) PutAway(*p->GridButton);
        return;
    }
    if (p->EditControl == edDateTimeEdit) {
        if (!p->FEditDateTime) return;
        if (open && !p->FEditDateTime->KeepCell) CommitEditValue(RealCol, ARow, p->FEditDateTime->CellText());
        PutAway(*p->FEditDateTime);
        return;
    }
    if (!p->FEditDate) return;
    TGridDatePicker& picker = *p->FEditDate;
    picker.CloseUp(false);
    if (open && !picker.KeepCell)
        CommitEditValue(RealCol, ARow, picker.ShowCheckBox() && !picker.Checked() ? QString() : picker.Text());
    PutAway(picker);
}
