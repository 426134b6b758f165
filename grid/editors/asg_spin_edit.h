#pragma once

#include "grid/editors/asg_spin_button.h"
#include "platform/controls/mask_edit.h"
#include "platform/system/conversions.h"

enum TAsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// An edit with arrow buttons at its right edge that steps an integer, a float, a date or a
// time within limits, filters typed characters by its type and repeats while an arrow is held.
// A text that does not read as the type gives its lower limit (a time gives 0).
class TAsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TAsgSpinEdit(TComponent* AOwner);
    ~TAsgSpinEdit() override;

    virtual void IncreaseValue(bool Page);
    virtual void DecreaseValue(bool Page);
    virtual bool IsValidChar(QChar& Key);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    int Value() const;
    void SetValue(int Value);
    double FloatValue() const;
    void SetFloatValue(double Value);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime Value);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime Value);

    TAsgSpinType SpinType() const { return spinType_; }
    void SetSpinType(TAsgSpinType Value);
    int Precision() const { return precision_; }
    void SetPrecision(int Value);
    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection Value);
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const { return spinFlat_; }
    void SetSpinFlat(bool Value);
    bool SpinTransparent() const { return spinTransparent_; }
    void SetSpinTransparent(bool Value);
    void SetIsWinXP(bool Value);
    TAsgSpinButton* Button() const { return button_; }

    int MinValue = 0, MaxValue = 100;
    double MinFloatValue = 0.0, MaxFloatValue = 100.0;
    TDateTime MinDateValue = 0, MaxDateValue = 0;
    int Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    int IncrementSeconds = 1, IncrementMinutes = 1, IncrementHours = 1;
    bool EditorEnabled = true;
    bool ReturnIsTab = false;
    bool ExcelStyleDecimalSeparator = false;
    bool ShowSeconds = true;
    bool AllowEmptyValue = false;
    bool UsDates() const { return usDates_; }

    // Applies what was set up: the date or time text, then the type again.
    void Loaded();
    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Resize() override;
    // The least height that shows the font's text.
    int MinHeight();
    void SetEditRect();

private:
    void stepDate(int Delta);
    void stepTime(int Delta);
    void rewriteValue();
    bool outsideLimits() const;

    TAsgSpinButton* button_ = nullptr;
    TDateTime dateValue_ = 0;
    TDateTime timeValue_ = 0;
    TAsgSpinType spinType_ = sptNormal;
    int precision_ = 0;
    TSpinDirection direction_ = spVertical;
    TEditAlign editAlign_ = eaLeft;
    bool spinFlat_ = false;
    bool spinTransparent_ = false;
    bool isWinXP_ = false;
    bool usDates_ = false;
};
