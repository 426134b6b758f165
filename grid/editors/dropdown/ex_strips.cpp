#include "grid/editors/dropdown/ex_strips.h"

#include "grid/editors/dropdown/dropdown_colors.h"
#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/ex_button.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/watched_reference.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

// ---- TExStrip

TExStrip::TExStrip(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle = csAcceptsControls | csClickEvents | csDoubleClicks;
}

TExStrip::~TExStrip() = default;

void TExStrip::lookChanged() {
    TStripAppearanceBase& look = Look();
    SetVisible(look.Visible());
    SetHeight(look.Height);
}

void TExStrip::SetImages(TImageList* Value) {
    SetWatched(*this, images_, Value);
    Invalidate();
}

void TExStrip::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == images_) images_ = nullptr;
    if (AComponent == dropDown_) dropDown_ = nullptr;
}

void TExStrip::Attach(TExCustomDropDown* DropDown) {
    SetWatched(*this, dropDown_, DropDown);
    SetImages(DropDown ? DropDown->Images() : nullptr);
    if (!DropDown) return;
    copyAppearance();
    BuildButtons();
}

void TExStrip::ClearButtons() {
    for (int i = buttons_.Count() - 1; i >= 0; --i) delete buttons_.ItemsEx(i);
    buttons_.Clear();
}

void TExStrip::BuildButtons() {
    const TStripAppearanceBase* items = Items();
    if (!items || !dropDown_) return;
    ClearButtons();
    const TRect area = ButtonArea();
    for (int i = 0; i < items->ButtonCount(); ++i) {
        const THeaderButton& item = *items->Button(i);
        auto* button = new TExButton(this);
        button->SetParent(this);
        button->SetAppearance(&dropDown_->ButtonAppearance());
        button->SetCaption(item.Caption());
        button->ImageIndex = item.ImageIndex;
        button->SetEnabled(item.Enabled());
        button->SetImages(images_);
        button->SizeToContent();
        const int width = item.Width() > 0 ? item.Width() : button->Width();
        const int height = std::min(item.Height > 0 ? item.Height : button->Height(), area.Height());
        button->SetBounds(button->Left(), button->Top(), width, height);
        button->Tag = i;
        button->OnClick = [this](TObject* Sender) { buttonClicked(static_cast<TExButton*>(Sender)->Tag); };
        buttonMade(*button, i);
        buttons_.Add(button);
    }
    ArrangeButtons();
}

void TExStrip::ArrangeButtons() {
    if (buttons_.Count() == 0) return;
    const TRect area = ButtonArea();
    int x = Look().ButtonAlignment == baRight ? area.Right : area.Left;
    for (int i = 0; i < buttons_.Count(); ++i) {
        TExButton* b = buttons_.ItemsEx(i);
        const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
        if (Look().ButtonAlignment == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width();
        }
    }
}

void TExStrip::UpdateButtons() {
    const TStripAppearanceBase* items = Items();
    if (!items || !dropDown_) return;
    for (int i = 0; i < buttons_.Count(); ++i) {
        TExButton* b = buttons_.ItemsEx(i);
        b->SetAppearance(&dropDown_->ButtonAppearance());
        b->SetImages(images_);
        if (i < items->ButtonCount()) {
            b->SetCaption(items->Button(i)->Caption());
            b->ImageIndex = items->Button(i)->ImageIndex;
            b->SetEnabled(items->Button(i)->Enabled());
        }
        b->SizeToContent();
    }
    ArrangeButtons();
}

void TExStrip::Resize() {
    TCustomControl::Resize();
    ArrangeButtons();
}

void TExStrip::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (OnDrawBackGround) {
        FireEvent(OnDrawBackGround, this, canvas, r);
        return;
    }
    const TStripAppearanceBase& look = Look();
    if (look.ColorTo == clNone) {
        if (look.Color != clNone) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = look.Color;
            canvas.FillRect(r);
        }
    } else {
        DrawGradient(canvas, look.Color, look.ColorTo, 80, r, look.GradientDirection == gdHorizontal);
    }
    if (look.BorderColor != clNone && look.BorderWidth > 0) {
        const bool framed = !dropDown_ || dropDown_->DropDownBorderWidth <= 0 || dropDown_->DropDownBorderColor == clNone;
        canvas.Pen.Width = look.BorderWidth;
        canvas.Pen.Color = look.BorderColor;
        paintBorder(canvas, r, framed);
        canvas.Pen.Width = 1;
    }
    TRect r2{r.Left + look.BorderWidth, r.Top + look.BorderWidth, r.Right - look.BorderWidth, r.Bottom - look.BorderWidth};
    if (look.ImageIndex >= 0 && images_) {
        images_->Draw(canvas, r2.Left + 4, r2.Top + (r2.Height() - images_->Height) / 2, look.ImageIndex);
        r2.Left += images_->Width + 8;
    }
    QString caption = look.Caption;
    OnGetText(this, caption);
    if (!caption.isEmpty()) {
        if (buttons_.Count() > 0) r2.Right = buttons_.ItemsEx(buttons_.Count() - 1)->Left() - 2;
        canvas.Font.Assign(look.Font());
        TPoint size;
        DrawHTMLItemText(canvas, caption, r2, images_, false, this, size);
        if (size.Y < r2.Height()) r2.Top += (r2.Height() - size.Y) / 2;
        DrawHTMLItemText(canvas, caption, r2, images_, true, this, size);
    }
    paintGrip(canvas, r);
}

// ---- TExHeader

TExHeader::TExHeader(TComponent* AOwner) : TExStrip(AOwner) {
    appearance_.OnChange = [this](TObject*) { lookChanged(); };
}

const THeaderButtons* TExHeader::Buttons() const { return dropDown_ ? &dropDown_->DropDownHeader().GetButtons() : nullptr; }
const TStripAppearanceBase* TExHeader::Items() const { return dropDown_ ? &dropDown_->DropDownHeader() : nullptr; }
void TExHeader::copyAppearance() { appearance_.Assign(dropDown_->DropDownHeader()); }

TRect TExHeader::ButtonArea() const { return {2, 2, Width() - 2, Height() - 3}; }

void TExHeader::buttonClicked(int Index) {
    if (dropDown_) FireEvent(dropDown_->OnDropDownHeaderButtonClick, dropDown_, Index);
}

void TExHeader::paintBorder(TCanvas& Canvas, TRect R, bool Framed) {
    Canvas.MoveTo(R.Left, R.Bottom - 1);
    Canvas.LineTo(R.Right, R.Bottom - 1);
    if (Framed) {
        Canvas.MoveTo(R.Left, R.Bottom - 1);
        Canvas.LineTo(R.Left, R.Top);
        Canvas.LineTo(R.Right - 1, R.Top);
        Canvas.LineTo(R.Right - 1, R.Bottom - 1);
    }
    // A light inner line, a fifth border colour and four fifths white.
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = BlendColor(appearance_.BorderColor, 0xFFFFFF, 20);
    Canvas.Brush.Style = bsClear;
    Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom - appearance_.BorderWidth);
    Canvas.Brush.Style = bsSolid;
}

// ---- TExFooter

TExFooter::TExFooter(TComponent* AOwner) : TExStrip(AOwner) {
    ControlStyle |= csCaptureMouse;
    appearance_.OnChange = [this](TObject*) { lookChanged(); };
}

const TFooterButtons* TExFooter::Buttons() const { return dropDown_ ? &dropDown_->DropDownFooter().GetButtons() : nullptr; }
const TStripAppearanceBase* TExFooter::Items() const { return dropDown_ ? &dropDown_->DropDownFooter() : nullptr; }
void TExFooter::copyAppearance() { appearance_.Assign(dropDown_->DropDownFooter()); }

bool TExFooter::HasSizeGrip() const { return appearance_.SizeGrip && dropDown_ && dropDown_->DropDownSizeable; }

TRect TExFooter::ButtonArea() const { return {2, 2, Width() - (HasSizeGrip() ? 14 : 2), Height() - 2}; }

void TExFooter::buttonMade(TExButton& Button, int Index) {
    Button.ModalResult = dropDown_->DropDownFooter().GetButtons().Items(Index)->ModalResult;
    Button.SetExDropDown(dropDown_);
}

void TExFooter::buttonClicked(int Index) {
    if (dropDown_) FireEvent(dropDown_->OnDropDownFooterButtonClick, dropDown_, Index);
}

void TExFooter::paintBorder(TCanvas& Canvas, TRect R, bool Framed) {
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Right, R.Top);
    if (Framed) {
        Canvas.MoveTo(R.Left, R.Top);
        Canvas.LineTo(R.Left, R.Bottom - 1);
        Canvas.LineTo(R.Right - 1, R.Bottom - 1);
        Canvas.LineTo(R.Right - 1, R.Top);
    }
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = BlendColor(appearance_.BorderColor, 0xFFFFFF, 20);
    Canvas.Brush.Style = bsClear;
    Canvas.Rectangle(R.Left, R.Top + appearance_.BorderWidth, R.Right, R.Bottom);
    Canvas.Brush.Style = bsSolid;
}

void TExFooter::paintGrip(TCanvas& Canvas, TRect R) {
    if (!HasSizeGrip()) return;
    const int gx = R.Right - appearance_.BorderWidth - 16, gb = R.Bottom;
    const TPoint dots[] = {{gx + 5, gb - 4}, {gx + 9, gb - 4}, {gx + 13, gb - 4},
                           {gx + 13, gb - 8}, {gx + 13, gb - 12}, {gx + 9, gb - 8}};
    Canvas.Brush.Style = bsSolid;
    for (int pass = 0; pass < 2; ++pass) {
        Canvas.Brush.Color = pass == 0 ? clWhite : appearance_.BorderColor;
        const int shift = pass == 0 ? 0 : 1;
        for (const TPoint& d : dots) Canvas.FillRect({d.X - shift, d.Y - shift, d.X - shift + 2, d.Y - shift + 2});
    }
}

bool TExFooter::overGrip(int X, int Y) const { return HasSizeGrip() && X > Width() - 12 && Y > Height() - 15; }

void TExFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStrip::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !overGrip(X, Y)) return;
    // The form sizes itself from here on.
    if (TWinControl* parent = Parent()) parent->Perform(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT);
}

void TExFooter::MouseMove(TShiftState Shift, int X, int Y) {
    TExStrip::MouseMove(Shift, X, Y);
    SetCursor(overGrip(X, Y) ? crSizeNWSE : oldCursor_);
}

void TExFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStrip::MouseUp(Button, Shift, X, Y);
    SetCursor(oldCursor_);
}

void TExFooter::WndProc(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER && Cursor() != crSizeNWSE) oldCursor_ = Cursor();
    if (m.Msg == CM_MOUSELEAVE) SetCursor(oldCursor_);
    TExStrip::WndProc(m);
}
