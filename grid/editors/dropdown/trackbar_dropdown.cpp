#include "grid/editors/dropdown/trackbar_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "platform/system/regional.h"
#include "platform/controls/track_bar.h"

TExTrackBarDropDown::TExTrackBarDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    // The base made its pop-up before this class existed: the track bar joins it now.
    CreateDropDownForm();
    SetEditorEnabled(false);
    DropDownEnabled = true;
    SetEditType(etNumeric);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    ForceShadow = true;
}

void TExTrackBarDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!trackBar_ && DropDownForm()) {
        trackBar_ = new TTrackBar(this);
        trackBar_->SetParent(DropDownForm());
        trackBar_->SetBounds(0, 0, trackBar_->Width(), 40);
    }
    if (trackBar_) trackBar_->OnChange = [this](TObject*) { trackChanged(); };
}

void TExTrackBarDropDown::SetMin(int Value) {
    min_ = Value;
    if (!trackBar_) return;
    trackBar_->SetMin(Value);
    min_ = trackBar_->Min();
}

void TExTrackBarDropDown::SetMax(int Value) {
    max_ = Value;
    if (!trackBar_) return;
    trackBar_->SetMax(Value);
    max_ = trackBar_->Max();
}

void TExTrackBarDropDown::SetPosition(int Value) {
    position_ = Value;
    if (!trackBar_) return;
    trackBar_->SetPosition(Value);
    position_ = trackBar_->Position();
}

void TExTrackBarDropDown::SetFrequency(int Value) {
    frequency_ = Value;
    if (trackBar_) trackBar_->SetFrequency(Value);
}

void TExTrackBarDropDown::SetPageSize(int Value) {
    pageSize_ = Value;
    if (trackBar_) trackBar_->PageSize = Value;
}

void TExTrackBarDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!DropDownForm() || !trackBar_) return;
    // A click elsewhere closes the pop-up keeping the value.
    DropDownForm()->CancelOnDeActivate = false;
    trackBar_->SetMin(min_);
    trackBar_->SetMax(max_);
    trackBar_->SetPosition(position_);
    trackBar_->PageSize = pageSize_;
    trackBar_->SetFrequency(frequency_);
    trackBar_->SetWidth(Width());
    SetControl(trackBar_);
}

void TExTrackBarDropDown::trackChanged() {
    position_ = trackBar_->Position();
    SetTextDirect(QString::number(position_));
    OnTrackChange(this);
}

void TExTrackBarDropDown::stepTo(int Value) {
    SetPosition(Value);
    SetTextDirect(QString::number(position_));
}

void TExTrackBarDropDown::Change() {
    TExCustomDropDown::Change();
    // The text comes from Position; any other raises the conversion error.
    SetPosition(StrToInt(Text()));
}

void TExTrackBarDropDown::WndProc(TMessage& Message) {
    TExCustomDropDown::WndProc(Message);
    if (Message.Msg != WM_KEYDOWN || EditorEnabled() || (Message.LParam & ssAlt)) return;
    if (Message.WParam == VK_UP && position_ - frequency_ >= min_) stepTo(position_ - frequency_);
    else if (Message.WParam == VK_DOWN && position_ + frequency_ <= max_) stepTo(position_ + frequency_);
}

void TExTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!DropDownEnabled || EditorEnabled()) return;
    mouseX_ = X;
    mouseDraging_ = true;
}

void TExTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseMove(Shift, X, Y);
    // Without a page size there is no unit to drag by.
    if (!mouseDraging_ || pageSize_ <= 0) return;
    const int delta = (X - mouseX_) / pageSize_;
    mouseX_ = X;
    if (delta != 0) stepTo(position_ + delta);
}

void TExTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseUp(Button, Shift, X, Y);
    mouseDraging_ = false;
}
