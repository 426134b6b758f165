// The editors' notifications, handed on as the grid's events for the current cell.
#include "grid/editors/asg_unit_edit_btn.h"
#include "grid/editors/ex_date_time_picker.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/picker_values.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/month_calendar.h"
#include "platform/system/date_time_text.h"

void TExStringGrid::DateTimePickerChange(TObject* Sender) {
    // The date-and-time editor's value joins its date and its time part.
    if (auto* both = dynamic_cast<TExDateTimePicker*>(Sender)) OnDateTimeChange(this, Col(), Row(), both->DateTime());
    else if (const auto* picker = dynamic_cast<const TDateTimePicker*>(Sender))
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

// The calendar drops in the style the picker gives it (today line, today ring, week numbers),
// with room for all of it.
void TExStringGrid::DatePickerDropDown(TObject* Sender) {
    if (auto* picker = dynamic_cast<TDateTimePicker*>(Sender))
        if (auto* calendar = reinterpret_cast<TMonthCalendar*>(picker->Perform(DTM_GETMONTHCAL))) {
            const TRect size = calendar->MinReqRect();
            calendar->SetBounds(0, 0, size.Width() + 2, size.Height() + 2);
        }
    OnDatePickerDropDown(this, Row(), Col());
}

void TExStringGrid::GridButtonClick(TObject*) { OnButtonClick(this, Col(), Row()); }

void TExStringGrid::ColorDropDownSelect(TObject* Sender) {
    TColor color = clNone;
    QString text;
    if (PickedColor(Sender, color, text)) OnColorSelect(this, Col(), Row(), color, text);
}

void TExStringGrid::ImageDropDownSelect(TObject* Sender) {
    int index = -1;
    if (PickedImage(Sender, index)) OnImageSelect(this, Col(), Row(), index);
}

void TExStringGrid::RichEditSelectionChanged(TObject*) { OnRichEditSelectionChange(this); }

void TExStringGrid::UnitEditChanged(TObject* Sender) {
    if (const auto* editor = dynamic_cast<const TAsgUnitEditBtn*>(Sender))
        OnUnitChanged(this, Col(), Row(), editor->UnitID());
}
