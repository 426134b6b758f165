#pragma once

#include "platform/controls/control.h"
#include "platform/controls/date_time_fields.h"

#include <memory>

class TMonthCalendar;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// DTM_SETSYSTEMTIME's wParam and the flags of a date change: a value, or no value (unchecked).
enum : uintptr_t { GDT_VALID = 0, GDT_NONE = 1 };
// The calendar of a dropped picker (its TMonthCalendar*, 0 while closed), and the style bits
// (MCS_*) the picker's calendar takes when it drops.
enum : uint32_t { DTM_GETMONTHCAL = 0x1008, DTM_GETMCSTYLE = 0x100C };
// Notifications of the picker, sent to itself as CN_NOTIFY.
enum : int { DTN_CLOSEUP = -753, DTN_DROPDOWN = -754, DTN_DATETIMECHANGE = -759 };

struct TNMDateTimeChange {
    TNMHdr hdr;
    uint32_t dwFlags = GDT_VALID;
    TDateTime st = 0;
};

// A date or a time shown in fields, edited field by field.
//
// The selected field (Left and Right move between fields) steps with Up and Down (days,
// months, hours, minutes and seconds wrap within their range) or takes typed digits: a digit
// that could start a longer number waits for the next one, and the field takes the number once
// it has all its digits (two, four for a long year) or no further digit could follow; leaving
// the field takes a waiting digit as it is. A number out of the field's range is dropped.
// With ShowCheckBox, Space and a click on the box tick and untick it; an unticked picker
// takes no other input. A date picker in dmComboBox mode drops a month calendar with F4,
// Alt+Down or a click on its button; while dropped, the arrow keys, Page Up, Page Down and Enter
// go to the calendar and Esc closes it. A time picker (or dmUpDown) has up and down buttons.
//
// Notifications go first to the parent as WM_NOTIFY, then to the picker itself as CN_NOTIFY.
// Every change by the user sends the picker CN_NOTIFY with DTN_DATETIMECHANGE (flags GDT_NONE
// when unticked), whose handling takes the value and fires OnChange. DTM_SETSYSTEMTIME (lParam a
// TDateTime*) sets the value (GDT_VALID, which also ticks the box) or unticks it (GDT_NONE);
// DTM_GETSYSTEMTIME answers GDT_NONE while unticked, else GDT_VALID and the value. Values set in
// code fire nothing. The calendar drops with the style DTM_GETMCSTYLE answers (none here), and
// the DTN_DROPDOWN handlers may restyle and resize it before it shows, right-aligned below.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind Value);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode Value);

    TDateTime DateTime() const { return value_; }
    void SetDateTime(TDateTime Value);
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    // The bounds of the values the user picks; 0 for none.
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime Value) { minDate_ = Value; }
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime Value) { maxDate_ = Value; }

    // The picker's format; empty takes the regional date format or the default time format.
    QString Format() const { return format_; }
    void SetFormat(const QString& Value);
    // The text the fields show now.
    QString DisplayText() const;

    bool ShowCheckBox() const { return showCheckBox_; }
    void SetShowCheckBox(bool Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D = true;
    bool DoubleBuffered = false;

    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool Value);
    TMonthCalendar* Calendar() const;
    // Closes the calendar; Accept takes the day it shows.
    void CloseUp(bool Accept);

    // The index in Fields() of the selected field.
    int FieldIndex() const { return fieldIndex_; }
    void SetFieldIndex(int Index);
    const std::vector<TDateTimeField>& Fields() const { return fields_; }
    // Where the drop button (or the up and down buttons) and the check box lie.
    TRect ButtonRect() const;
    TRect CheckBoxRect() const;
    // The rectangle of a field's text.
    TRect FieldRect(int Index) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void WndProc(TMessage& Message) override;

protected:
    // Sends the window a new value as DTM_SETSYSTEMTIME does; false when it was refused.
    virtual bool MsgSetDateTime(TDateTime Value);
    virtual void Change();
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas& Canvas) override;
    // The value changed by the user: sends DTN_DATETIMECHANGE.
    void UserChange(TDateTime Value, bool Checked);

private:
    void notify(TNMHdr& Note);
    class Popup;
    void rebuildFields();
    void moveField(int step);
    void commitPending();
    void typeDigit(int digit);
    int borderWidth() const;
    bool inputAllowed() const { return !showCheckBox_ || checked_; }

    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
    TDateTime value_ = 0;
    TDateTime minDate_ = 0, maxDate_ = 0;
    QString format_;
    bool showCheckBox_ = false;
    bool checked_ = true;
    bool ctl3D_ = true;
    bool droppedDown_ = false;
    std::vector<TDateTimeField> fields_;
    int fieldIndex_ = 0;
    QString pending_;
    std::unique_ptr<Popup> calendar_;
};
