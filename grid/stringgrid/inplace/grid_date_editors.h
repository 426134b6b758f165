#pragma once

#include "grid/editors/ex_date_time_picker.h"
#include "grid/editors/own_border_date_picker.h"
#include "platform/system/date_time_text.h"

class TExStringGrid;

// The editor of the date and time kinds (edDateEdit, edDateEditUpDown, edTimeEdit). Leaving keys
// write its text into the cell with validation; typed digits move on to the next part once a
// part changed; its calendar drops in the style of ShowToday, ShowTodayCircle and Weeknumbers.
class TGridDatePicker : public TAsgDateTimePicker {
public:
    explicit TGridDatePicker(TComponent* AOwner);

    // What the picker shows: its date or time in its format.
    QString Text() const { return DisplayText(); }
    // Takes a date (a time for the time kind) written as text; false when it does not convert.
    bool SetText(const QString& Value);
    // A fresh window for the next edit: nothing typed, the first part selected.
    void ReCreate();

    bool Weeknumbers() const { return FWeekNumbers; }
    void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
    // Nothing is written when the edit ends: the cell holds no text the picker reads, and the
    // user has not changed the value it stood in with (or left with Escape).
    bool KeepCell = false;

    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    // Writes the text into the current cell and validates it; false when refused.
    bool validate();
    void shiftFocus();

    uint16_t Fy = 0, Fm = 0, Fd = 0;
    uint16_t Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    TExStringGrid* FGrid = nullptr;
};

// The editor of edDateTimeEdit: a date with its time part. Escape goes back to the value the
// edit began with; Enter and Tab end the edit.
class TGridDateTimePicker : public TExDateTimePicker {
public:
    explicit TGridDateTimePicker(TComponent* AOwner);

    // The value as the cell takes it: short date and short time, empty when unticked.
    QString CellText();
    // Nothing is written when the edit ends: the cell holds no date and time the picker reads,
    // and the user has not changed the value it stood in with (or left with Escape).
    bool KeepCell = false;

protected:
    void Change() override;
    void DoChange() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void TimePartKeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    // Escape, Enter and Tab end the edit, in the date fields and in the time part alike.
    bool leaves(uint16_t& Key, TShiftState Shift);

    TExStringGrid* FGrid = nullptr;
};

// This moment.
TDateTime Now();
