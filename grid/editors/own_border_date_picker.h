#pragma once

#include "grid/editors/editor_frame.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/mask_edit.h"

// What the two date pickers of the grid suite share: the combo box's drop button and frame
// painting over the platform picker, a metro look and border colours.
class TOwnBorderDateTimePicker : public TDateTimePicker {
public:
    explicit TOwnBorderDateTimePicker(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TBorderStyle Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    bool MetroStyle() const { return metroStyle_; }
    void SetMetroStyle(bool Value);
    TDropButtonColors ButtonColors;
    TColor FocusBorderColor = clNone;
    bool DisabledBorder = false;
    bool FocusBorder = false;
    int ButtonWidth() const { return buttonWidth_; }
    bool MouseOverButton() const { return buttonHover_; }
    bool HasFocus() const { return hasFocus_; }

    void WndProc(TMessage& Message) override;

protected:
    // The metro painting applies.
    virtual bool MetroActive() const { return metroStyle_; }
    // How far left of the button the metro fill starts under visual styles.
    virtual int MetroFillOffset() const = 0;
    // The single-line outline of a picker without Ctl3D is painted with the frame.
    virtual bool NcOutline() const = 0;
    // Also in WM_PAINT, with an inner line under the older look.
    virtual bool OutlineInPaint() const = 0;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool StylesActive() const;
    TEditorLook Look() const;
    void DrawFrame(TCanvas& Canvas);
    void DrawOutline(TCanvas& Canvas);

    TColor borderColor_ = clNone;
    bool isThemed_;

private:
    void paint(TCanvas& Canvas);
    void ncPaint(TCanvas& Canvas);

    TBorderStyle borderStyle_ = bsNone;
    bool metroStyle_ = false;
    int buttonWidth_;
    bool buttonHover_ = false;
    bool mouseInControl_ = false;
    bool isWinXP_;
    bool hasFocus_ = false;
};

// The date picker of the grid's date editor.
class TAsgDateTimePicker : public TOwnBorderDateTimePicker {
public:
    explicit TAsgDateTimePicker(TComponent* AOwner);
    // 1.0.0.0; writes are ignored.
    QString Version() const;

protected:
    int MetroFillOffset() const override { return 15; }
    bool NcOutline() const override { return !Ctl3D() && borderColor_ != clNone; }
    bool OutlineInPaint() const override { return false; }
};

// The picker of the date-time picker and of its time part: moves to the next field on its own
// while digits are typed (AutoTab).
class TCustomDateTimePicker : public TOwnBorderDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);

    bool AutoTab() const { return autoTab_; }
    virtual void SetAutoTab(bool Value) { autoTab_ = Value; }
    void WndProc(TMessage& Message) override;

protected:
    // After a typed digit: moves on when the digit completed a field.
    virtual void AutoAdvance();
    // A picker on its own leaves frame and metro painting to its container.
    virtual bool SkipOwnBorder() const { return true; }
    bool MetroActive() const override { return MetroStyle() && !SkipOwnBorder(); }
    int MetroFillOffset() const override { return 4; }
    bool NcOutline() const override { return !Ctl3D(); }
    bool OutlineInPaint() const override { return true; }
    void KeyPress(QChar& Key) override;

    bool autoTab_ = false;
    uint16_t Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};

// The message a picker posts itself after a typed digit.
uint32_t DTPShiftFocusMessage();
// A version number $AABBCCDD as "AA.BB.CC.DD" in decimal.
QString VersionText(uint32_t Version);
