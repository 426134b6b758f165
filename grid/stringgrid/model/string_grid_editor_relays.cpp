// The editors' notifications, handed on as the grid's events for the current cell.
#include "grid/editors/asg_unit_edit_btn.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/picker_values.h"
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
