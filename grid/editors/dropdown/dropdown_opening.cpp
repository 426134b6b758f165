#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/dropdown_placement.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/ex_strips.h"
#include "grid/editors/dropdown/item_selector.h"
#include "platform/controls/activation.h"
#include "platform/controls/popup.h"
#include "platform/controls/window_backend.h"
#include "platform/messages/clock.h"

// Opening, placing, sizing and closing the pop-up.

void TExCustomDropDown::BeforeDropDown() { FireEvent(OnBeforeDropDown, this); }

void TExCustomDropDown::SetDropDownSize() {
    if (!form_) return;
    int width = Width();
    if (dropDownWidth_ > 0) width = dropDownWidth_;
    else if (control_ && control_->Visible()) width = control_->Width();
    int height = dropDownHeight_;
    if (height <= 0) {
        height = 2 * DropDownBorderWidth;
        if (header_->Visible()) height += header_->Height;
        if (footer_->Visible()) height += footer_->Height;
        if (control_ && control_->Visible()) height += control_->Height();
    }
    form_->SetBounds(form_->Left(), form_->Top(), width, height);
}

void TExCustomDropDown::SizeToSelector(TExCustomItemSelector& List) {
    List.Align = alNone;
    TSize size{};
    List.GetSelectorSize(size);
    List.SetBounds(List.Left(), List.Top(), dropDownWidth_ < 1 ? size.cx : List.Width(),
                   dropDownHeight_ < 1 ? size.cy : List.Height());
    TExCustomDropDown::SetDropDownSize();
    if (!form_) return;
    int width = form_->Width();
    // A width taken from the list leaves room for the window's border around it.
    if (dropDownWidth_ < 1 && control_ == &List && List.Visible()) width += 2 * DropDownBorderWidth;
    if (List.VertScrollBar().Visible()) width += GetSystemMetrics(SM_CXVSCROLL);
    form_->SetBounds(form_->Left(), form_->Top(), width, form_->Height());
}

void TExCustomDropDown::PlaceDropDownControl() {
    if (!form_ || !control_) return;
    control_->SetParent(form_);
    control_->SetTop(header_->Visible() ? header_->Height + 2 : DropDownBorderWidth);
    control_->Align = alClient;
    form_->ArrangeChildren();
}

void TExCustomDropDown::DoShowDropDown() {
    if (!form_ || form_->Visible() || !Enabled() || ReadOnly) return;
    const auto alive = alive_.Watch();
    BeforeDropDown();
    if (!*alive || !form_) return;
    form_->Shadow = DropDownShadow;
    form_->InitializeAndUpdate();
    form_->SetBounds(Left(), Top(), form_->Width(), form_->Height());
    SetDropDownSize();
    PlaceDropDownControl();
    form_->MinWidth = 80;
    form_->MinHeight = 50;
    form_->SetBounds(form_->Left(), form_->Top(), form_->Width(), form_->Height());
    if (auto* control = dynamic_cast<TWinControl*>(control_)) {
        control->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        control->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
        control->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    }
    const TPoint origin = ClientToScreen({0, 0});
    TPoint p = DropDownOrigin(DropPosition, origin, Height(), {form_->Width(), form_->Height()});
    bool acceptdrop = true;
    FireEvent(OnDropDown, this, acceptdrop);
    if (!*alive || !acceptdrop || !form_) return;
    p = KeepDropDownOnWorkArea(p, form_->Width(), origin);
    int w = userDropDownWidth_ != -1 ? userDropDownWidth_ : form_->Width();
    int h = userDropDownHeight_ != -1 ? userDropDownHeight_ : form_->Height();
    AdjustDropDownHeight(h);
    droppedDown_ = true;
    form_->SetBounds(p.X, p.Y, w, h);
    ShowPopup(*form_, true);
    ActivateWindow(form_);
    if (!*alive || !droppedDown_) return;
    FocusDropDownControl();
}

void TExCustomDropDown::DoHideDropDown(bool Cancel) {
    if (!form_ || !form_->Visible()) return;
    const auto alive = alive_.Watch();
    FireEvent(OnBeforeDropUp, this);
    if (!*alive || !form_ || !form_->Visible()) return;
    userDropDownWidth_ = form_->Width();
    userDropDownHeight_ = form_->Height();
    const bool wasActive = ActiveWindow() == form_;
    ShowPopup(*form_, false);
    if (!*alive) return;
    // The window the edit stands in is active again once the pop-up has gone.
    if (wasActive && ActiveWindow() == form_) ActivateWindow(TopLevelWindow(this));
    if (!*alive) return;
    if (Cancel) SetText(oldText_);
    FireEvent(OnDropUp, this, Cancel);
}

void TExCustomDropDown::DropDownFormHide() {
    droppedDown_ = false;
    if (TabStop && CanFocus() && !Focused() && !IsDestroying()) SetFocus();
}

void TExCustomDropDown::ShowDropDownOnClick() {
    if (!form_ || form_->Visible()) return;
    // A click that closed the pop-up by taking its activation does not open it again.
    if (GetTickCount() - form_->DeActivateTime() > 250) DoShowDropDown();
}

void TExCustomDropDown::toggleDropDown() {
    if (droppedDown_) DoHideDropDown(false);
    else DoShowDropDown();
}

// ---- keys typed in the pop-up or its control reach the edit

void TExCustomDropDown::DropDownFormKeyPress(QChar& Key) { Perform(WM_CHAR, Key.unicode(), 0); }
void TExCustomDropDown::DropDownFormKeyDown(uint16_t& Key, TShiftState Shift) { Perform(WM_KEYDOWN, Key, Shift); }
void TExCustomDropDown::DropDownFormKeyUp(uint16_t& Key, TShiftState Shift) { Perform(WM_KEYUP, Key, Shift); }
void TExCustomDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) { Perform(WM_KEYDOWN, Key, Shift); }
void TExCustomDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) { Perform(WM_KEYUP, Key, Shift); }
void TExCustomDropDown::ControlKeyPress(QChar& Key) { Perform(WM_CHAR, Key.unicode(), 0); }
