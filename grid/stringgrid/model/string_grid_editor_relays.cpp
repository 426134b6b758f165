// The editors' notifications, handed on as the grid's events for the current cell.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/date_time_picker.h"
#include "platform/system/date_time_text.h"

void TExStringGrid::DateTimePickerChange(TObject* Sender) {
    if (const auto* picker = dynamic_cast<const TDateTimePicker*>(Sender))
        OnDateTimeChange(this, Col(), Row(), picker->DateTime());
}

void TExStringGrid::DatePickerChange(TObject* Sender) {
    const auto* picker = dynamic_cast<const TDateTimePicker*>(Sender);
    if (!picker || !OnEditChange) return;
    const QString text = picker->Kind() != dtkDate ? TimeToStr(picker->Time()) : DateToStr(picker->Date());
    OnEditChange(this, Col(), Row(), text);
}

void TExStringGrid::DatePickerCloseUp(TObject*) {
    OnDatePickerCloseUp(this, Row(), Col());
    if (p->MouseActions->DirectDateClose) HideInplaceEdit();
}

void TExStringGrid::DatePickerDropDown(TObject*) { OnDatePickerDropDown(this, Row(), Col()); }

void TExStringGrid::GridButtonClick(TObject*) { OnButtonClick(this, Col(), Row()); }
