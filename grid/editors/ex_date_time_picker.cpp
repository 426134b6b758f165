#include "grid/editors/ex_date_time_picker.h"

#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/label.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/date_time_text.h"
#include "platform/system/platform_version.h"

namespace {
// The value without its milliseconds.
TDateTime wholeSeconds(TDateTime value) {
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(value, h, m, s, ms);
    TDateTime time = 0;
    TryEncodeTime(h, m, s, 0, time);
    return ComposeDateTime(DateOf(value), time);
}
}  // namespace

TExDateTimePicker::TExDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner), label_(*this) {
    label_.Font.OnChange = [this](TObject*) { placeLabel(); };
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    SetMetroStyle(false);
    createTimePart();
    layoutTimePart();
}

TExDateTimePicker::~TExDateTimePicker() {
    delete timePicker_;
    timePicker_ = nullptr;
}

void TExDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomDateTimePicker::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    label_.Forget(AComponent);
    if (AComponent == timePicker_) timePicker_ = nullptr;
}

void TExDateTimePicker::createTimePart() {
    if (timePicker_ || kind_ != dkDateTime) return;
    timePicker_ = new TCustomDateTimePicker(this);
    timePicker_->SetParent(this);
    timePicker_->SetBounds(0, 0, 90, 17);
    timePicker_->SetVisible(false);
    timePicker_->SetEnabled(Enabled());
    timePicker_->SetKind(dtkTime);
    timePicker_->SetAutoTab(autoTab_);
    timePicker_->OnChange = [this](TObject*) {
        DoChange();
        OnTimeChange(this);
    };
    timePicker_->OnClick = [this](TObject*) { DoClick(); };
    timePicker_->OnKeyPress = [this](TObject* Sender, QChar& key) { TimePartKeyPress(Sender, key); };
    timePicker_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) { TimePartKeyDown(key, shift); };
}

void TExDateTimePicker::layoutTimePart() {
    if (!timePicker_) return;
    timePicker_->SetColor(Color());
    timePicker_->SetEnabled(Enabled() && (Checked() || !ShowCheckBox()));
    timePicker_->SetVisible(kind_ == dkDateTime);
    if (kind_ != dkDateTime) {
        delete timePicker_;
        timePicker_ = nullptr;
        return;
    }
    timePicker_->SetTime(TDateTimePicker::Time());
    timePicker_->SetFormat(timeFormat_);
    timePicker_->Font().Assign(Font());
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    canvas.Font.Assign(Font());
    TRect r{0, 0, 1000, 200};
    canvas.DrawText(timePicker_->DisplayText().left(255), r, DT_CALCRECT | DT_SINGLELINE);
    const int w = r.Right + 31;
    const int W = Width(), H = Height(), b = 0;
    const bool metro = MetroActive();
    if (!KernelExportsGetLocaleInfoEx()) timePicker_->SetBounds(W - w - 21, -2, w, H);
    else if (IsComCtl6() && ExXPVS().IsThemeActive())
        timePicker_->SetBounds(W - w - (metro ? 21 : 34) - b, 1, w, H - 2 - b);
    else if (IsComCtl6()) timePicker_->SetBounds(W - w - 21 - b, 2, w, H - b - 4);
    else timePicker_->SetBounds(W - w - 23 - b, -2, w, H - b);
}

void TExDateTimePicker::syncTimePartEnabled() {
    if (!timePicker_ || !ShowCheckBox()) return;
    timePicker_->SetEnabled(Enabled() && Checked());
}

void TExDateTimePicker::SetKind(TExDateTimeKind Value) {
    if (kind_ == Value) return;
    kind_ = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    createTimePart();
    layoutTimePart();
}

TDateTime TExDateTimePicker::DateTime() {
    if (timePicker_) TDateTimePicker::SetTime(timePicker_->Time());
    return TDateTimePicker::DateTime();
}

void TExDateTimePicker::SetDateTime(TDateTime Value) {
    const TDateTime v = wholeSeconds(Value);
    TDateTimePicker::SetDateTime(v);
    createTimePart();
    if (timePicker_) timePicker_->SetDateTime(v);
}

void TExDateTimePicker::SetDate(TDateTime Value) {
    SetDateTime(ComposeDateTime(DateOf(Value), TimeOf(wholeSeconds(DateTime()))));
}

TDateTime TExDateTimePicker::Time() const {
    return kind_ == dkDateTime && timePicker_ ? timePicker_->Time() : TDateTimePicker::Time();
}

void TExDateTimePicker::SetTime(TDateTime Value) {
    TDateTimePicker::SetTime(Value);
    layoutTimePart();
}

void TExDateTimePicker::SetTimeFormat(const QString& Value) {
    if (timePicker_) timePicker_->SetFormat(Value);
    if (kind_ == dkTime) SetFormat(Value);
    timeFormat_ = Value;
    layoutTimePart();
}

void TExDateTimePicker::SetAutoTab(bool Value) {
    TCustomDateTimePicker::SetAutoTab(Value);
    if (timePicker_) timePicker_->SetAutoTab(Value);
}

void TExDateTimePicker::SetBorderStyle(TBorderStyle Value) {
    TCustomDateTimePicker::SetBorderStyle(Value);
    layoutTimePart();
}

bool TExDateTimePicker::MsgSetDateTime(TDateTime Value) {
    const bool result = TCustomDateTimePicker::MsgSetDateTime(Value);
    if (ShowCheckBox() && timePicker_) {
        timePicker_->SetEnabled(Enabled() && Checked());
        ignoreTimePickerCheck_ = timePicker_->Enabled();
    }
    return result;
}

void TExDateTimePicker::DoChange() { OnChange(this); }
void TExDateTimePicker::DoClick() { OnClick(this); }

void TExDateTimePicker::KeyPress(QChar& Key) {
    if (autoTab_ && Key >= u'0' && Key <= u'9') {
        int y = 0, m = 0, d = 0;
        DecodeDate(TDateTimePicker::Date(), y, m, d);
        Fy = uint16_t(y), Fm = uint16_t(m), Fd = uint16_t(d);
    }
    TCustomDateTimePicker::KeyPress(Key);
}

void TExDateTimePicker::AutoAdvance() {
    if (kind_ == dkTime) {
        TCustomDateTimePicker::AutoAdvance();
        return;
    }
    int y = 0, m = 0, d = 0;
    DecodeDate(TDateTimePicker::Date(), y, m, d);
    const bool dayChanged = d != Fd, monthChanged = m != Fm, yearChanged = y != Fy;
    const auto focusTimePart = [this] {
        if (timePicker_ && timePicker_->CanFocus()) timePicker_->SetFocus();
    };
    const QString format = Format();
    if (!format.isEmpty()) {
        const QChar c = format.back().toLower();
        if ((dayChanged && c == u'd') || (monthChanged && c == u'm') || (yearChanged && c == u'y')) focusTimePart();
        else if (dayChanged || monthChanged || yearChanged) PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
    } else if (dayChanged || monthChanged) {
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
    } else if (yearChanged) {
        focusTimePart();
    }
}

void TExDateTimePicker::Loaded() {
    createTimePart();
    layoutTimePart();
    // An unticked value stays unticked in the picker, and the time part waits for the tick.
    if (ShowCheckBox() && !Checked()) {
        SetChecked(false);
        if (timePicker_) timePicker_->SetEnabled(false);
    }
    if (TLabel* label = label_.Label(); label && !label_.AlwaysEnabled) label->SetEnabled(Enabled());
    placeLabel();
    if (TLabel* label = label_.Label(); label && ParentFont()) label->Font().Assign(Font());
    parentFnt_ = ParentFont();
    placeLabel();
}

void TExDateTimePicker::SetLabelCaption(const QString& Value) {
    label_.SetCaption(Value);
    if (TLabel* label = label_.Label()) {
        label->OnClick = [this](TObject*) { OnLabelClick(this); };
        label->OnDblClick = [this](TObject*) { OnLabelDblClick(this); };
    }
    placeLabel();
}

void TExDateTimePicker::SetLabelTransparent(bool Value) {
    label_.Transparent = Value;
    placeLabel();
}

void TExDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
    label_.AlwaysEnabled = Value;
    if (TLabel* label = label_.Label(); label && Value) label->SetEnabled(true);
    Invalidate();
}

void TExDateTimePicker::SetLabelFont(const TFont& Value) {
    if (!ParentFont()) label_.Font.Assign(Value);
    placeLabel();
}

void TExDateTimePicker::SetParent(TWinControl* AParent) {
    TCustomDateTimePicker::SetParent(AParent);
    if (TLabel* label = label_.Label()) {
        label->SetParent(AParent);
        placeLabel();
    }
}

void TExDateTimePicker::SetLabelPosition(TLabelPosition Value) {
    label_.Position = Value;
    placeLabel();
}

void TExDateTimePicker::SetLabelMargin(int Value) {
    label_.Margin = Value;
    placeLabel();
}

void TExDateTimePicker::placeLabel() { label_.Place(parentFnt_ ? &Font() : &label_.Font); }

void TExDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (TLabel* label = label_.Label(); label && label->Parent()) placeLabel();
}

void TExDateTimePicker::Resize() {
    TCustomDateTimePicker::Resize();
    layoutTimePart();
}

void TExDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && ShowCheckBox()) {
        TCustomDateTimePicker::WndProc(m);
        const auto* hdr = reinterpret_cast<const TNMHdr*>(m.LParam);
        if (hdr && hdr->code == DTN_DATETIMECHANGE && timePicker_ && !ignoreTimePickerCheck_) {
            const auto* change = reinterpret_cast<const TNMDateTimeChange*>(m.LParam);
            timePicker_->SetEnabled(Enabled() && Checked() && change->dwFlags != GDT_NONE);
        }
        ignoreTimePickerCheck_ = false;
        return;
    }
    if (m.Msg == WM_KILLFOCUS && FocusLabel) label_.SetBold(false);
    TCustomDateTimePicker::WndProc(m);
    switch (m.Msg) {
    case WM_PAINT:
        if (firstRun_) {
            firstRun_ = false;
            layoutTimePart();
        }
        break;
    case DTM_SETSYSTEMTIME:
        if (ShowCheckBox() && m.WParam == GDT_NONE) syncTimePartEnabled();
        break;
    case WM_SETFOCUS:
        if (FocusLabel) label_.SetBold(true);
        break;
    case CM_COLORCHANGED: layoutTimePart(); break;
    case CM_ENABLEDCHANGED:
        if (timePicker_) timePicker_->SetEnabled(Enabled());
        if (TLabel* label = label_.Label(); label && !label_.AlwaysEnabled) label->SetEnabled(Enabled());
        break;
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED:
        if (TLabel* label = label_.Label()) label->SetVisible(Visible());
        break;
    case CM_PARENTFONTCHANGED:
        if (TLabel* label = label_.Label(); label && ParentFont()) label->Font().Assign(Font());
        break;
    default: break;
    }
}
