#include "grid/editors/asg_spin_edit.h"

#include "grid/editors/edit_button_layout.h"
#include "platform/controls/message_beep.h"
#include "platform/controls/window_backend.h"
#include "platform/system/date_time_text.h"

#include <QDateTime>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

template <typename T>
T clampTo(T value, T low, T high) {
    if (low == high) return value;
    return value < low ? low : value > high ? high : value;
}

// Value + Step kept within the integers: a typed value at the end of their range steps no further.
int stepped(int Value, long long Step) {
    return static_cast<int>(std::clamp<long long>(Value + Step, INT_MIN, INT_MAX));
}

TDateTime now() {
    const QDateTime current = QDateTime::currentDateTime();
    TDateTime day = 0, time = 0;
    TryEncodeDate(current.date().year(), current.date().month(), current.date().day(), day);
    TryEncodeTime(current.time().hour(), current.time().minute(), current.time().second(), 0, time);
    return day + time;
}

// 1-based position of ch in text at or after from (1-based), 0 when there is none.
int position(const QString& text, QChar ch, int from = 1) { return static_cast<int>(text.indexOf(ch, from - 1)) + 1; }

}  // namespace

TAsgSpinEdit::TAsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetText("0");
    button_ = new TAsgSpinButton(this);
    button_->SetBounds(0, 0, 15, 17);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnUpClick = [this](TObject* sender) { UpClick(sender); };
    button_->OnDownClick = [this](TObject* sender) { DownClick(sender); };
    Resize();
}

TAsgSpinEdit::~TAsgSpinEdit() = default;

// ---- values

int TAsgSpinEdit::Value() const {
    const QString text = Trim(Text());
    if (text.isEmpty()) return 0;
    int value = 0;
    return TryStrToInt(text, value) ? value : MinValue;
}

void TAsgSpinEdit::SetValue(int Value) {
    SetText(QString::number(clampTo(Value, MinValue, MaxValue)));
    if (!EditorEnabled) SelectAll();
}

double TAsgSpinEdit::FloatValue() const {
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : MinFloatValue;
}

void TAsgSpinEdit::SetFloatValue(double Value) {
    const double v = clampTo(Value, MinFloatValue, MaxFloatValue);
    QString text = precision_ != 0 ? QString::number(v, 'f', precision_) : QString::number(v, 'g', 15);
    text.replace(u'.', FormatSettings.DecimalSeparator);
    SetText(text);
}

TDateTime TAsgSpinEdit::DateValue() const {
    const QString text = Text();
    if (text == "0" || text.isEmpty()) return now();
    TDateTime value = 0;
    return TryStrToDate(text, value) ? value : MinDateValue;
}

void TAsgSpinEdit::SetDateValue(TDateTime Value) {
    dateValue_ = clampTo(Value, MinDateValue, MaxDateValue);
    const int caret = SelStart();
    SetText(DateToStr(dateValue_));
    SetSelStart(caret);
}

TDateTime TAsgSpinEdit::TimeValue() const {
    TDateTime value = 0;
    return TryStrToTime(Text(), value) ? value : 0;
}

void TAsgSpinEdit::SetTimeValue(TDateTime Value) {
    timeValue_ = clampTo(Value, MinDateValue, MaxDateValue);
    const int caret = SelStart();
    SetText(ShowSeconds ? TimeToStr(timeValue_) : FormatDateTime("h:nn", timeValue_));
    SetSelStart(caret);
}

void TAsgSpinEdit::rewriteValue() {
    switch (spinType_) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TAsgSpinEdit::SetSpinType(TAsgSpinType Value) {
    spinType_ = Value;
    rewriteValue();
}

void TAsgSpinEdit::SetPrecision(int Value) {
    precision_ = Value;
    if (spinType_ == sptFloat) SetFloatValue(FloatValue());
}

void TAsgSpinEdit::SetDirection(TSpinDirection Value) {
    if (direction_ == Value) return;
    direction_ = Value;
    button_->SetDirection(Value);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TAsgSpinEdit::SetEditAlign(TEditAlign Value) {
    editAlign_ = Value;
    SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
}

void TAsgSpinEdit::SetSpinFlat(bool Value) {
    button_->UpButton()->SetFlat(Value);
    button_->DownButton()->SetFlat(Value);
    spinFlat_ = Value;
}

void TAsgSpinEdit::SetSpinTransparent(bool Value) {
    button_->UpButton()->SetTransparent(Value);
    button_->DownButton()->SetTransparent(Value);
    spinTransparent_ = Value;
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TAsgSpinEdit::SetIsWinXP(bool Value) {
    isWinXP_ = Value;
    button_->SetIsWinXP(Value);
}

void TAsgSpinEdit::Loaded() {
    if (spinType_ == sptDate) SetText(DateToStr(dateValue_));
    if (spinType_ == sptTime) SetText(ShowSeconds ? TimeToStr(timeValue_) : FormatDateTime("h:nn", timeValue_));
    SetSpinType(spinType_);
}

bool TAsgSpinEdit::outsideLimits() const {
    switch (spinType_) {
    case sptNormal: return MinValue != MaxValue && (Value() < MinValue || Value() > MaxValue);
    case sptFloat: return MinFloatValue != MaxFloatValue && (FloatValue() < MinFloatValue || FloatValue() > MaxFloatValue);
    case sptDate: return MinDateValue != MaxDateValue && (DateValue() < MinDateValue || DateValue() > MaxDateValue);
    case sptTime: return MinDateValue != MaxDateValue && (TimeValue() < MinDateValue || TimeValue() > MaxDateValue);
    }
    return false;
}

// ---- stepping

void TAsgSpinEdit::UpClick(TObject*) { IncreaseValue(false); }
void TAsgSpinEdit::DownClick(TObject*) { DecreaseValue(false); }

void TAsgSpinEdit::IncreaseValue(bool Page) {
    if (ReadOnly) {
        MessageBeep(0);
        return;
    }
    switch (spinType_) {
    case sptNormal: SetValue(stepped(Value(), Increment)); break;
    case sptFloat: SetFloatValue(FloatValue() + (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: stepDate(1); break;
    case sptTime: stepTime(1); break;
    }
}

void TAsgSpinEdit::DecreaseValue(bool Page) {
    if (ReadOnly) {
        MessageBeep(0);
        return;
    }
    switch (spinType_) {
    case sptNormal: SetValue(stepped(Value(), -static_cast<long long>(Increment))); break;
    case sptFloat: SetFloatValue(FloatValue() - (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: stepDate(-1); break;
    case sptTime: stepTime(-1); break;
    }
}

void TAsgSpinEdit::stepDate(int Delta) {
    const QString format = FormatSettings.ShortDateFormat.toUpper();
    usDates_ = format.indexOf(u'M') < format.indexOf(u'D');
    const QString text = Text();
    const int p1 = position(text, FormatSettings.DateSeparator);
    const int p2 = p1 ? position(text, FormatSettings.DateSeparator, p1 + 1) : 0;
    const int s = SelStart();
    const TDateTime date = DateValue();
    enum { Day, Month, Year } field = Year;
    if (s < p1) field = usDates_ ? Month : Day;
    else if (s < p2) field = usDates_ ? Day : Month;
    switch (field) {
    case Day: SetDateValue(date + Delta); break;
    case Month: SetDateValue(IncMonth(date, Delta)); break;
    case Year: {
        int y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        // A day the other year lacks (29 February) raises the date encoding error.
        SetDateValue(EncodeDate(y + Delta, m, d));
        break;
    }
    }
}

void TAsgSpinEdit::stepTime(int Delta) {
    const QString text = Text();
    const int t1 = position(text, FormatSettings.TimeSeparator);
    const int s = SelStart();
    // The increments count as 16-bit numbers of their unit; one beyond its unit (25 hours,
    // 60 minutes) raises the time encoding error and the value stays.
    TDateTime step = 0;
    if (s < t1) step = EncodeTime(uint16_t(IncrementHours), 0, 0, 0);
    else if (ShowSeconds && t1 && s >= position(text, FormatSettings.TimeSeparator, t1 + 1) &&
             position(text, FormatSettings.TimeSeparator, t1 + 1) > 0)
        step = EncodeTime(0, 0, uint16_t(IncrementSeconds), 0);
    else step = EncodeTime(0, uint16_t(IncrementMinutes), 0, 0);
    if (Delta > 0) {
        SetTimeValue(TimeValue() + step);
    } else {
        TDateTime v = TimeValue() + 1 - step;
        if (v > 1) v -= 1;
        SetTimeValue(v);
    }
}

// ---- typed characters

bool TAsgSpinEdit::IsValidChar(QChar& Key) {
    const QChar ds = FormatSettings.DecimalSeparator, ts = FormatSettings.ThousandSeparator;
    const QChar dud = FormatSettings.TimeSeparator, dts = FormatSettings.DateSeparator;
    if (Key == QChar('\b')) return EditorEnabled;
    bool ok = Key == ds || Key == ts || Key == dud || Key == dts || Key.isNumber() || Key == u'-' ||
              (Key.unicode() < 32 && Key != QChar('\r'));
    const auto separatorRule = [&](QChar separator) {
        const bool shared = separator == ds || separator == ts || separator == u'-' || separator == u'+';
        ok = shared ? ok && (spinType_ == sptNormal || spinType_ == sptFloat) : false;
    };
    if (Key == dud && spinType_ != sptTime) separatorRule(dud);
    if (Key == dts && spinType_ != sptDate) separatorRule(dts);
    const QString text = Text();
    if (Key == u'-' && !(SelStart() == 0 && (!text.contains(u'-') || SelText().contains(u'-')))) ok = false;
    if (spinType_ == sptNormal && !(Key.isNumber() || Key == u'-')) ok = false;
    if (spinType_ == sptFloat && Key != QChar(27) && Key != QChar('\r')) {
        if (Key == ts) ok = false;
        if (Key == ds && text.contains(ds) && !SelText().contains(ds)) ok = false;
        const int p = position(text, ds);
        if (precision_ > 0 && p > 0 && SelStart() >= p && SelLength() == 0 && ok && text.size() >= p + precision_)
            ok = false;
    }
    if (spinType_ == sptTime && Key == dud && text.count(dud) >= 2) ok = false;
    if (!EditorEnabled && Key.unicode() >= 32) ok = false;
    return ok;
}

// ---- messages

void TAsgSpinEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        switch (m.WParam) {
        case VK_PRIOR: IncreaseValue(true); break;
        case VK_NEXT: DecreaseValue(true); break;
        case VK_UP: IncreaseValue(false); break;
        case VK_DOWN: DecreaseValue(false); break;
        default: TCustomMaskEdit::WndProc(m); return;
        }
        m.Result = 1;  // taken here, nothing else sees it
        return;
    case WM_CHAR:
        if (m.WParam == u'.' && ExcelStyleDecimalSeparator && (m.LParam & 0x400000))
            m.WParam = FormatSettings.DecimalSeparator.unicode();
        break;
    case WM_PASTE:
    case WM_CUT:
        if (!EditorEnabled || ReadOnly) return;
        break;
    case CM_ENTER:
        if (AutoSelect && (!MouseCapture() || !EditorEnabled)) SelectAll();
        break;
    case CM_EXIT:
        TCustomMaskEdit::WndProc(m);
        if (outsideLimits()) rewriteValue();
        return;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(m);
}

void TAsgSpinEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN && ReturnIsTab) {
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        Key = 0;  // the form sees the posted Tab only
    }
    if (Key == VK_DELETE && !EditorEnabled) Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TAsgSpinEdit::KeyPress(QChar& Key) {
    if (!IsValidChar(Key)) {
        Key = QChar();
        MessageBeep(0);
    }
    if (!Key.isNull()) TCustomMaskEdit::KeyPress(Key);
}

// ---- layout

int TAsgSpinEdit::MinHeight() {
    return EditMinHeight(*this, 2 + (BorderStyle() == bsSingle ? 4 * GetSystemMetrics(SM_CYBORDER) : 0));
}

void TAsgSpinEdit::Resize() {
    TCustomMaskEdit::Resize();
    if (!button_) return;
    const int min = MinHeight();
    if (Height() < min) {
        SetHeight(min);
        return;
    }
    PlaceRightButton(*this, *button_);
    SetEditRect();
}

void TAsgSpinEdit::SetEditRect() {
    const int a = BorderStyle() == bsNone ? 3 : 0;
    TRect r;
    Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    r = {a, a, InnerWidth() - button_->Width() - 2 - a, InnerHeight() + 1};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
}
