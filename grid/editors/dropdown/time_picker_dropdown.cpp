#include "grid/editors/dropdown/time_picker_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/panel.h"
#include "platform/system/date_time_text.h"

#include <algorithm>

namespace {

QChar separator() { return FormatSettings.TimeSeparator; }

QString twoDigits(int N) {
    const QString digits = QString::number(N);
    return digits.size() == 1 ? "0" + digits : digits.isEmpty() ? QStringLiteral("00") : digits;
}

// The value of the one or two digits a part starts with; false when it starts otherwise. An
// empty part counts as 0.
bool leadingDigits(const QString& Part, int& Value) {
    const QString part = Trim(Part);
    Value = 0;
    if (part.isEmpty()) return true;
    int n = 0;
    while (n < 2 && n < part.size() && part.at(n).isDigit() && part.at(n).unicode() < 128) ++n;
    if (n == 0) return false;
    Value = part.left(n).toInt();
    return true;
}

enum { partHour, partMinute, partSecond };

// Hours with an optional first digit, minutes and seconds with two; the regional separator
// stands as a literal and is saved with the text; an empty place shows a blank.
QString timeMask(bool ShowSeconds) {
    const QString literal = QStringLiteral("\\") + separator();
    return QStringLiteral("!90") + literal + QStringLiteral("00") + (ShowSeconds ? literal + QStringLiteral("00") : QString()) +
           QStringLiteral(";1; ");
}

}  // namespace

TExTimePickerDropDown::TExTimePickerDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    // The base made its pop-up before this class existed: the watch joins it now.
    CreateDropDownForm();
    // The base set its style before the watch's appearance existed.
    SetComponentStyle(GetComponentStyle());
    SetEditorEnabled(false);
    DropDownEnabled = true;
    internalCall_ = true;
    SetEditMask(timeMask(true));
    internalCall_ = false;
    writeText(FormatTime(0));
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
}

// ---- the value

QString TExTimePickerDropDown::FormatTime(TDateTime Value) const {
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Value, h, m, s, ms);
    QString text = twoDigits(h) + separator() + twoDigits(m);
    if (showSeconds_) text += separator() + twoDigits(s);
    return text;
}

void TExTimePickerDropDown::writeText(const QString& Text) {
    const bool internal = internalCall_;
    internalCall_ = true;
    SetTextDirect(Text);
    internalCall_ = internal;
}

void TExTimePickerDropDown::SetTime(TDateTime Value) {
    if (Value == time_) return;
    time_ = Value;
    writeText(FormatTime(Value));
    if (!DroppedDown()) return;
    if (watch_) watch_->SetTime(Value);
    if (ShowTimePicker && picker_) picker_->SetTime(Value);
}

void TExTimePickerDropDown::setPart(int Part, int Value) {
    int parts[3] = {0, 0, 0}, ms = 0;
    DecodeTime(time_, parts[0], parts[1], parts[2], ms);
    if (Value == parts[Part] || Value < 0 || Value > (Part == partHour ? 23 : 59)) return;
    parts[Part] = Value;
    SetTime(ComposeDateTime(DateOf(time_), EncodeTime(parts[0], parts[1], parts[2], 0)));
    OnTimeChange(this);
}

void TExTimePickerDropDown::SetHourValue(int Value) { setPart(partHour, Value); }
void TExTimePickerDropDown::SetMinuteValue(int Value) { setPart(partMinute, Value); }
void TExTimePickerDropDown::SetSecondValue(int Value) { setPart(partSecond, Value); }

void TExTimePickerDropDown::SetShowSeconds(bool Value) {
    if (Value == showSeconds_) return;
    showSeconds_ = Value;
    internalCall_ = true;
    SetEditMask(QString());
    SetTextDirect(QString());
    SetEditMask(timeMask(Value));
    internalCall_ = false;
    // Read back as typed text: without seconds the time loses them.
    writeText(FormatTime(time_));
    Change();
}

void TExTimePickerDropDown::Change() {
    TExCustomDropDown::Change();
    if (internalCall_) return;
    const QString text = Trim(Text());
    if (text.size() != (showSeconds_ ? 8 : 5)) return;
    if (text.count(separator()) != (showSeconds_ ? 2 : 1)) return;
    QString digits = text;
    digits.replace(u' ', u'0');
    const QStringList parts = digits.split(separator());
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size() && i < 3; ++i)
        if (!leadingDigits(parts[i], values[i])) return;
    // An hour or minute out of range raises the time encoding's error.
    SetTime(EncodeTime(values[0], values[1], values[2], 0));
    if (FormatTime(time_) != Text() && values[1] == 0 && values[2] == 0) writeText(FormatTime(time_));
}

// ---- keys in the edit

void TExTimePickerDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
    TExCustomDropDown::KeyDown(Key, Shift);
    if ((Shift & (ssAlt | ssCtrl)) || GetKeyState(VK_MENU) < 0) return;
    if (Key != VK_UP && Key != VK_DOWN) return;
    const int step = Key == VK_UP ? -1 : 1;
    const QString text = Text();
    const int caret = SelStart();
    const int p1 = static_cast<int>(text.indexOf(separator())) + 1;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(time_, h, m, s, ms);
    if (caret < p1) {
        SetHourValue((h + step + 24) % 24);
    } else {
        const int p2 = static_cast<int>(text.mid(p1).indexOf(separator())) + 1;
        if (p2 > 0 && caret - p1 >= p2 && showSeconds_) SetSecondValue((s + step + 60) % 60);
        else SetMinuteValue((m + step + 60) % 60);
    }
    SetSelStart(caret);
}

// ---- the pop-up

void TExTimePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!panel_) {
        panel_ = new TPanel(this);
        panel_->SetParent(DropDownForm());
        panel_->BevelOuter = bvNone;
        panel_->BevelInner = bvNone;
        panel_->ShowCaption = false;
        panel_->SetBounds(0, 0, panel_->Width(), 180);
        panel_->OnResize = [this](TObject*) { layoutPanel(); };
    }
    if (!watch_) {
        watch_ = new TExWatch(this);
        watch_->SetParent(panel_);
        watch_->Align = alClient;
        layoutPanel();
    }
    SetControl(panel_);
}

void TExTimePickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    TDropDownForm* form = DropDownForm();
    if (!form || !panel_ || !watch_) return;
    panel_->SetBounds(panel_->Left(), panel_->Top(), 170, 170);
    form->SetBounds(form->Left(), form->Top(), form->Width() + 1, form->Height());
    form->SetBounds(form->Left(), form->Top(), form->Width() - 1, form->Height());
    // A click elsewhere closes the pop-up keeping the watch's time.
    form->CancelOnDeActivate = false;
    timeAtOpening_ = time_;
    panel_->SetColor(DropDownColor());
    watch_->SetAppearance(watchAppearance_);
    watch_->SetSettings(watchSettings_);
    watch_->SetShowAMPM(ShowWatchAMPM);
    watch_->SetShowNumbers(ShowWatchNumbers);
    watch_->Animation = Animation;
    watch_->AnimationFactor = AnimationFactor;
    watch_->OnChange = nullptr;
    if (!watchSettings_.Auto) watch_->SetTime(time_);
    watch_->OnChange = [this](TObject*) { watchChange(); };
    if (!ShowTimePicker) {
        if (picker_) picker_->SetVisible(false);
        layoutPanel();
        return;
    }
    if (!picker_) {
        picker_ = new TDateTimePicker(this);
        picker_->SetParent(panel_);
        picker_->SetKind(dtkTime);
    }
    picker_->Align = alBottom;
    picker_->SetVisible(true);
    picker_->OnChange = nullptr;
    picker_->SetTime(time_);
    picker_->OnChange = [this](TObject*) { pickerChange(); };
    picker_->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    picker_->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    picker_->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    picker_->SetFormat(showSeconds_ ? "HH:mm:ss" : "HH:mm");
    panel_->SetBounds(panel_->Left(), panel_->Top(), panel_->Width(), picker_->Height() + 170);
    layoutPanel();
}

void TExTimePickerDropDown::layoutPanel() {
    if (!panel_ || !watch_) return;
    const bool row = picker_ && picker_->Visible();
    const int rowHeight = row ? picker_->Height() : 0;
    watch_->SetBounds(0, 0, panel_->Width(), std::max(0, panel_->Height() - rowHeight));
    if (row) picker_->SetBounds(0, panel_->Height() - rowHeight, panel_->Width(), rowHeight);
}

void TExTimePickerDropDown::watchChange() {
    if (ShowTimePicker && picker_ && TimeOf(picker_->Time()) != TimeOf(watch_->Time())) {
        picker_->SetTime(watch_->Time());
        OnTimeChange(this);
    }
    SetTime(watch_->Time());
}

void TExTimePickerDropDown::pickerChange() {
    if (picker_ && watch_ && !watchSettings_.Auto) watch_->SetTime(picker_->Time());
}

void TExTimePickerDropDown::DoHideDropDown(bool Cancel) {
    const auto alive = alive_.Watch();
    // The watch goes back before the pop-up hides, as the hiding takes the watch's time.
    const bool open = DroppedDown();
    if (Cancel && watch_ && open) watch_->SetTime(timeAtOpening_);
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (!*alive || !open) return;
    // The framework's cancel writes the text last set through Text, which this drop-down
    // never uses: the edit shows the time again.
    if (Cancel) {
        SetTime(timeAtOpening_);
        writeText(FormatTime(time_));
    } else if (watch_) {
        SetTime(watch_->Time());
    }
}

void TExTimePickerDropDown::DropDownFormHide() {
    TExCustomDropDown::DropDownFormHide();
    if (watch_) SetTime(watch_->Time());
}

// ---- keys in the open pop-up

bool TExTimePickerDropDown::keptInPopup(uint16_t Key, TShiftState Shift) {
    const bool stepping = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    return stepping && !(Shift & ssAlt);
}

void TExTimePickerDropDown::DropDownFormKeyDown(uint16_t& Key, TShiftState Shift) {
    const auto alive = alive_.Watch();
    if (!keptInPopup(Key, Shift)) TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
    if (*alive && watch_ && DropDownForm() && DropDownForm()->Visible()) watch_->WatchKey(Key);
}

void TExTimePickerDropDown::DropDownFormKeyUp(uint16_t& Key, TShiftState Shift) {
    if (!keptInPopup(Key, Shift)) TExCustomDropDown::DropDownFormKeyUp(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
    if (!keptInPopup(Key, Shift)) TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
    if (!keptInPopup(Key, Shift)) TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyPress(QChar& Key) {
    const TShiftState alt = GetKeyState(VK_MENU) < 0 ? TShiftState(ssAlt) : TShiftState(0);
    if (!keptInPopup(Key.unicode(), alt)) TExCustomDropDown::ControlKeyPress(Key);
}

void TExTimePickerDropDown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchComponentStyle(watchAppearance_, AStyle);
}
