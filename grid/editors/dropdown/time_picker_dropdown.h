#pragma once

#include "grid/editors/dropdown/analog_watch.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"

class TDateTimePicker;
class TPanel;

// A time of day in an edit (hours, minutes and, with ShowSeconds, seconds, split by the
// regional time separator) with an analog watch in its pop-up, and optionally a time picker
// row under it. Up and Down step the part under the caret; the watch is set by mouse and
// keys while the pop-up is open and hands its time back when it closes, unless cancelled.
class TExTimePickerDropDown : public TExCustomDropDown {
public:
    explicit TExTimePickerDropDown(TComponent* AOwner);

    bool ShowTimePicker = false;
    TExWatch* ExWatch() const { return watch_; }
    TDateTimePicker* DateTimePicker() const { return picker_; }
    TPanel* PanelCtrl() const { return panel_; }
    // Copied into the watch at each opening, with these switches.
    TWatchAppearance& WatchAppearance() { return watchAppearance_; }
    void SetWatchAppearance(const TWatchAppearance& Value) { watchAppearance_.Assign(Value); }
    const TWatchSettings& WatchSettings() const { return watchSettings_; }
    void SetWatchSettings(const TWatchSettings& Value) { watchSettings_ = Value; }
    bool ShowWatchAMPM = true;
    bool ShowWatchNumbers = true;
    bool Animation = true;
    int AnimationFactor = 10;

    TDateTime Time() const { return time_; }
    // Shows the time in the edit; fires no event.
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return showSeconds_; }
    void SetShowSeconds(bool Value);
    // One part of the time; a value out of its range is ignored. OnTimeChange fires.
    void SetHourValue(int Value);
    void SetMinuteValue(int Value);
    void SetSecondValue(int Value);
    // hh:nn or hh:nn:ss with the regional separator.
    QString FormatTime(TDateTime Value) const;

    void SetComponentStyle(TExStyle AStyle) override;
    // Up and Down step the part of the time under the caret. The grid's editor calls it.
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    // Reads a complete time typed in the edit.
    void Change() override;

    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormHide() override;
    void DropDownFormKeyDown(uint16_t& Key, TShiftState Shift) override;
    void DropDownFormKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;

private:
    void writeText(const QString& Text);
    // The watch fills the panel above the time picker row.
    void layoutPanel();
    void setPart(int Part, int Value);
    void watchChange();
    void pickerChange();
    // Page Up, Page Down, Up and Down stay in the pop-up unless Alt is held.
    static bool keptInPopup(uint16_t Key, TShiftState Shift);

    TExWatch* watch_ = nullptr;
    TDateTimePicker* picker_ = nullptr;
    TPanel* panel_ = nullptr;
    TWatchAppearance watchAppearance_;
    TWatchSettings watchSettings_;
    TDateTime time_ = 0;
    // The watch hands back each change at once: Escape goes back to this.
    TDateTime timeAtOpening_ = 0;
    bool internalCall_ = false;
    bool showSeconds_ = true;
};
