#pragma once

#include "grid/editors/attached_label.h"
#include "grid/editors/own_border_date_picker.h"

enum TExDateTimeKind { dkDate, dkTime, dkDateTime };

// Edits a date, a time or both: for both, a second picker of the time kind (the time part)
// stands inside at the right, and the two make one value. It carries a caption label, moves
// from the last date field into the time part while digits are typed (AutoTab), and keeps the
// time part's enabled state with the check box.
class TExDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExDateTimePicker(TComponent* AOwner);
    ~TExDateTimePicker() override;

    TExDateTimeKind Kind() const { return kind_; }
    void SetKind(TExDateTimeKind Value);
    // The date of the date fields with the time of the time part.
    TDateTime DateTime();
    virtual void SetDateTime(TDateTime Value);
    TDateTime Date() const { return TDateTimePicker::Date(); }
    // Keeps the time of day, without its milliseconds.
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    QString TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(const QString& Value);
    TCustomDateTimePicker* TimePart() const { return timePicker_; }
    // 1.2.0.0; writes are ignored.
    QString Version() const { return VersionText(0x01020000); }

    void SetAutoTab(bool Value) override;
    void SetBorderStyle(TBorderStyle Value) override;

    QString LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return label_.Position; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return label_.Margin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return label_.Transparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return label_.AlwaysEnabled; }
    // True also enables a label made already.
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() { return label_.Font; }
    // Taken only while the picker does not use its parent's font.
    void SetLabelFont(const TFont& Value);
    TLabel* PickerLabel() const { return label_.Label(); }
    bool FocusLabel = false;

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // The label moves to the new parent with the picker.
    void SetParent(TWinControl* AParent) override;

    void Loaded();
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

protected:
    void AutoAdvance() override;
    bool SkipOwnBorder() const override { return false; }
    bool MsgSetDateTime(TDateTime Value) override;
    void KeyPress(QChar& Key) override;
    virtual void DoChange();
    virtual void DoClick();
    // The time part's OnKeyPress; nothing here.
    virtual void TimePartKeyPress(TObject* /*Sender*/, QChar& /*Key*/) {}
    // A key down in the time part, after the time part's own handling: the picker's OnKeyDown
    // (not its own field keys, which would step the date).
    virtual void TimePartKeyDown(uint16_t& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }
    void Resize() override;

private:
    void createTimePart();
    void layoutTimePart();
    void syncTimePartEnabled();
    void placeLabel();

    TExDateTimeKind kind_ = dkDateTime;
    QString timeFormat_;
    uint16_t Fy = 0, Fm = 0, Fd = 0;
    bool ignoreTimePickerCheck_ = false;
    // ParentFont as it was when loading ended: the label then takes the picker's font.
    bool parentFnt_ = false;
    bool firstRun_ = true;
    TCustomDateTimePicker* timePicker_ = nullptr;
    TAttachedLabel label_;
};
