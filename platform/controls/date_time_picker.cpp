#include "platform/controls/date_time_picker.h"

#include "platform/controls/month_calendar.h"
#include "platform/controls/popup.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/system/date_time_text.h"

#include <QDateTime>
#include <QFontMetrics>
#include <cmath>

// The calendar as a pop-up of its picker: a pick or a click elsewhere closes it.
class TDateTimePicker::Popup : public TMonthCalendar {
public:
    explicit Popup(TDateTimePicker& picker) : TMonthCalendar(nullptr), picker_(picker) {
        SetVisible(false);
        OnClick = [this](TObject*) { picker_.CloseUp(true); };
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_CLOSE) {
            picker_.CloseUp(false);
            return;
        }
        // A native pop-up takes the keyboard while it shows; the keys are the picker's.
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP || m.Msg == WM_CHAR) {
            picker_.WndProc(m);
            return;
        }
        TMonthCalendar::WndProc(m);
    }
    using TMonthCalendar::KeyDown;

private:
    TDateTimePicker& picker_;
};

namespace {
TDateTime now() {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    TDateTime day = 0, clock = 0;
    TryEncodeDate(date.year(), date.month(), date.day(), day);
    TryEncodeTime(time.hour(), time.minute(), time.second(), 0, clock);
    return day + clock;
}

int maxNumber(const TDateTimeField& f) {
    switch (f.Kind) {
    case dfDay: return 31;
    case dfMonth:
    case dfMonthName: return 12;
    case dfHour12: return 12;
    case dfHour: return 23;
    case dfMinute:
    case dfSecond: return 59;
    default: return 9999;
    }
}
}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), value_(now()) {
    SetBounds(0, 0, 186, 21);
    SetColor(clWindow);
    TabStop = true;
    rebuildFields();
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::rebuildFields() {
    const QString format = !format_.isEmpty() ? format_ : kind_ == dtkDate ? DefaultDateFormat() : DefaultTimeFormat();
    fields_ = ParseDateTimeFormat(format);
    pending_.clear();
    fieldIndex_ = 0;
    while (fieldIndex_ < static_cast<int>(fields_.size()) && !fields_[fieldIndex_].Editable()) ++fieldIndex_;
    Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
    if (kind_ == Value) return;
    kind_ = Value;
    CloseUp(false);
    rebuildFields();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
    dateMode_ = Value;
    Invalidate();
}

void TDateTimePicker::SetFormat(const QString& Value) {
    format_ = Value;
    rebuildFields();
}

void TDateTimePicker::SetDateTime(TDateTime Value) { MsgSetDateTime(Value); }
TDateTime TDateTimePicker::Date() const { return DateOf(value_); }
void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(ComposeDateTime(DateOf(Value), TimeOf(value_))); }
TDateTime TDateTimePicker::Time() const { return TimeOf(value_); }
void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(ComposeDateTime(DateOf(value_), TimeOf(Value))); }

bool TDateTimePicker::MsgSetDateTime(TDateTime Value) {
    return Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<intptr_t>(&Value)) != 0;
}

void TDateTimePicker::SetShowCheckBox(bool Value) {
    showCheckBox_ = Value;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool Value) {
    if (Value) MsgSetDateTime(value_);
    else Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::SetCtl3D(bool Value) {
    if (ctl3D_ == Value) return;
    ctl3D_ = Value;
    ParentCtl3D = false;
    Perform(CM_CTL3DCHANGED);
    Invalidate();
}

QString TDateTimePicker::DisplayText() const {
    QString text;
    for (const TDateTimeField& f : fields_) text += FieldText(f, value_);
    return text;
}

TMonthCalendar* TDateTimePicker::Calendar() const { return calendar_.get(); }

void TDateTimePicker::SetDroppedDown(bool Value) {
    if (Value == droppedDown_) return;
    if (!Value) {
        CloseUp(false);
        return;
    }
    if (kind_ != dtkDate || dateMode_ != dmComboBox || !inputAllowed()) return;
    commitPending();
    if (!calendar_) calendar_ = std::make_unique<Popup>(*this);
    calendar_->Font().Assign(Font());
    calendar_->SetDate(value_);
    calendar_->SetCalendarStyle(static_cast<uint32_t>(Perform(DTM_GETMCSTYLE)));
    const TRect size = calendar_->MinReqRect();
    calendar_->SetBounds(0, 0, size.Width(), size.Height());
    droppedDown_ = true;
    TNMHdr note{this, 0, DTN_DROPDOWN};
    notify(note);
    const TPoint origin = ClientToScreen({Width() - calendar_->Width(), Height()});
    calendar_->SetBounds(std::max(0, origin.X), origin.Y, calendar_->Width(), calendar_->Height());
    ShowPopup(*calendar_, true);
    Invalidate();
}

void TDateTimePicker::CloseUp(bool Accept) {
    if (!droppedDown_) return;
    droppedDown_ = false;
    ShowPopup(*calendar_, false);
    if (Accept && DateOf(calendar_->Date()) != Date()) UserChange(ComposeDateTime(DateOf(calendar_->Date()), Time()), true);
    TNMHdr note{this, 0, DTN_CLOSEUP};
    notify(note);
    Invalidate();
}

void TDateTimePicker::Change() { OnChange(this); }

void TDateTimePicker::notify(TNMHdr& Note) {
    const auto lParam = reinterpret_cast<intptr_t>(&Note);
    if (Parent()) Parent()->Perform(WM_NOTIFY, Note.idFrom, lParam);
    Perform(CN_NOTIFY, 0, lParam);
}

void TDateTimePicker::UserChange(TDateTime Value, bool Checked) {
    if (minDate_ != 0 && Value < minDate_) Value = minDate_;
    if (maxDate_ != 0 && Value > maxDate_) Value = maxDate_;
    TNMDateTimeChange note;
    note.hdr = {this, 0, DTN_DATETIMECHANGE};
    note.dwFlags = Checked ? GDT_VALID : GDT_NONE;
    note.st = Value;
    notify(note.hdr);
}

void TDateTimePicker::WndProc(TMessage& m) {
    switch (m.Msg) {
    case DTM_SETSYSTEMTIME:
        if (m.WParam == GDT_NONE) {
            if (!showCheckBox_) return;
            checked_ = false;
        } else if (m.LParam) {
            value_ = *reinterpret_cast<const TDateTime*>(m.LParam);
            checked_ = true;
        }
        pending_.clear();
        m.Result = 1;
        Invalidate();
        return;
    case DTM_GETMONTHCAL:
        m.Result = droppedDown_ ? reinterpret_cast<intptr_t>(calendar_.get()) : 0;
        return;
    case DTM_GETMCSTYLE:
        m.Result = 0;
        return;
    case DTM_GETSYSTEMTIME:
        if (m.LParam) *reinterpret_cast<TDateTime*>(m.LParam) = value_;
        m.Result = checked_ ? GDT_VALID : GDT_NONE;
        return;
    case CN_NOTIFY: {
        const auto* hdr = reinterpret_cast<const TNMHdr*>(m.LParam);
        if (!hdr) return;
        if (hdr->code == DTN_DATETIMECHANGE) {
            const auto* change = reinterpret_cast<const TNMDateTimeChange*>(m.LParam);
            checked_ = change->dwFlags != GDT_NONE;
            if (checked_) value_ = change->st;
            Invalidate();
            Change();
        } else if (hdr->code == DTN_DROPDOWN) {
            OnDropDown(this);
        } else if (hdr->code == DTN_CLOSEUP) {
            OnCloseUp(this);
        }
        return;
    }
    case CM_EXIT:
        commitPending();
        CloseUp(false);
        Invalidate();
        break;
    case CM_ENTER:
        Invalidate();
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TDateTimePicker::SetFieldIndex(int Index) {
    if (Index < 0 || Index >= static_cast<int>(fields_.size()) || !fields_[Index].Editable()) return;
    commitPending();
    fieldIndex_ = Index;
    Invalidate();
}

void TDateTimePicker::moveField(int step) {
    for (int i = fieldIndex_ + step; i >= 0 && i < static_cast<int>(fields_.size()); i += step)
        if (fields_[i].Editable()) {
            SetFieldIndex(i);
            return;
        }
    commitPending();
}

void TDateTimePicker::commitPending() {
    if (pending_.isEmpty() || fieldIndex_ >= static_cast<int>(fields_.size())) return;
    const int number = pending_.toInt();
    pending_.clear();
    TDateTime next = value_;
    if (SetFieldValue(fields_[fieldIndex_], next, number) && next != value_) UserChange(next, true);
    Invalidate();
}

void TDateTimePicker::typeDigit(int digit) {
    if (fieldIndex_ >= static_cast<int>(fields_.size())) return;
    const TDateTimeField& field = fields_[fieldIndex_];
    const int digits = FieldDigits(field);
    if (digits == 0) return;
    pending_ += QChar(u'0' + digit);
    const int number = pending_.toInt();
    const bool complete = pending_.size() >= digits || (digits == 2 && number * 10 > maxNumber(field));
    if (complete) commitPending();
    else Invalidate();
}

void TDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (droppedDown_) {
        switch (Key) {
        case VK_ESCAPE: CloseUp(false); Key = 0; return;
        case VK_F4: CloseUp(true); Key = 0; return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_RETURN: {
            if (Key == VK_UP && (Shift & ssAlt)) {
                CloseUp(true);
            } else {
                uint16_t key = Key;
                calendar_->KeyDown(key, Shift);
            }
            Key = 0;
            return;
        }
        default: return;
        }
    }
    if (Key == VK_SPACE && showCheckBox_) {
        UserChange(value_, !checked_);
        Key = 0;
        return;
    }
    if (!inputAllowed()) return;
    switch (Key) {
    case VK_F4: SetDroppedDown(true); break;
    case VK_LEFT: moveField(-1); break;
    case VK_RIGHT: moveField(1); break;
    case VK_UP:
    case VK_DOWN:
        if ((Shift & ssAlt) && Key == VK_DOWN) {
            SetDroppedDown(true);
            break;
        }
        commitPending();
        if (fieldIndex_ < static_cast<int>(fields_.size()))
            if (const TDateTime next = StepField(fields_[fieldIndex_], value_, Key == VK_UP ? 1 : -1); next != value_)
                UserChange(next, true);
        break;
    default: return;
    }
    Key = 0;
}

void TDateTimePicker::KeyPress(QChar& Key) {
    TWinControl::KeyPress(Key);
    if (Key.isDigit() && inputAllowed() && !droppedDown_) typeDigit(Key.digitValue());
}

int TDateTimePicker::borderWidth() const { return ctl3D_ ? 2 : 1; }

TRect TDateTimePicker::ButtonRect() const {
    const int b = borderWidth();
    return {Width() - b - GetSystemMetrics(SM_CXVSCROLL), b, Width() - b, Height() - b};
}

TRect TDateTimePicker::CheckBoxRect() const {
    if (!showCheckBox_) return {};
    const int b = borderWidth();
    const int top = (Height() - 13) / 2;
    return {b + 2, top, b + 15, top + 13};
}

TRect TDateTimePicker::FieldRect(int Index) const {
    const QFontMetrics metrics(ToQFont(Font()));
    int x = borderWidth() + 2 + (showCheckBox_ ? 17 : 0);
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        const QString text = i == fieldIndex_ && !pending_.isEmpty() ? pending_ : FieldText(fields_[i], value_);
        const int w = metrics.horizontalAdvance(text);
        if (i == Index) return {x, borderWidth(), x + w, Height() - borderWidth()};
        x += w;
    }
    return {};
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWinControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    const TPoint p{X, Y};
    if (CheckBoxRect().Contains(p)) {
        UserChange(value_, !checked_);
        return;
    }
    if (!inputAllowed()) return;
    const TRect button = ButtonRect();
    if (button.Contains(p)) {
        if (kind_ == dtkDate && dateMode_ == dmComboBox) {
            SetDroppedDown(!droppedDown_);
        } else if (fieldIndex_ < static_cast<int>(fields_.size())) {
            commitPending();
            const int delta = Y < button.Top + button.Height() / 2 ? 1 : -1;
            if (const TDateTime next = StepField(fields_[fieldIndex_], value_, delta); next != value_) UserChange(next, true);
        }
        return;
    }
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
        if (fields_[i].Editable() && FieldRect(i).Contains(p)) SetFieldIndex(i);
}

void TDateTimePicker::PaintWindow(TCanvas& Canvas) {
    TRect r = ClientRect();
    Canvas.Brush.Color = Enabled() ? Color() : clBtnFace;
    Canvas.Brush.Style = bsSolid;
    Canvas.FillRect(r);
    if (ctl3D_) {
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
    } else {
        Canvas.Brush.Color = clWindowFrame;
        Canvas.FrameRect(r);
    }
    if (showCheckBox_) {
        const TRect box = CheckBoxRect();
        Canvas.Brush.Color = clWindow;
        Canvas.FillRect(box);
        Canvas.Brush.Color = clBtnShadow;
        Canvas.FrameRect(box);
        if (checked_) {
            Canvas.Pen.Color = clWindowText;
            for (int i = 0; i < 3; ++i) {
                Canvas.MoveTo(box.Left + 3, box.Top + 5 + i);
                Canvas.LineTo(box.Left + 5, box.Top + 7 + i);
                Canvas.LineTo(box.Left + 10, box.Top + 2 + i);
            }
        }
    }
    const TRect button = ButtonRect();
    const unsigned inactive = Enabled() && inputAllowed() ? 0u : unsigned(DFCS_INACTIVE);
    if (kind_ == dtkDate && dateMode_ == dmComboBox) {
        DrawFrameControl(Canvas, button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | inactive | (droppedDown_ ? unsigned(DFCS_PUSHED) : 0u));
    } else {
        const int middle = button.Top + button.Height() / 2;
        DrawFrameControl(Canvas, TRect{button.Left, button.Top, button.Right, middle}, DFC_SCROLL, DFCS_SCROLLUP | inactive);
        DrawFrameControl(Canvas, TRect{button.Left, middle, button.Right, button.Bottom}, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
    }
    Canvas.Font.Assign(Font());
    const TColor textColor = Enabled() && inputAllowed() ? Font().Color() : clGrayText;
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        TRect f = FieldRect(i);
        const QString text = i == fieldIndex_ && !pending_.isEmpty() ? pending_ : FieldText(fields_[i], value_);
        const bool selected = i == fieldIndex_ && Focused() && inputAllowed() && !droppedDown_;
        if (selected) {
            Canvas.Brush.Color = clHighlight;
            Canvas.FillRect(f);
        }
        Canvas.Brush.Style = bsClear;
        Canvas.Font.SetColor(selected ? clHighlightText : textColor);
        Canvas.DrawText(text, f, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    Canvas.Brush.Style = bsSolid;
}
