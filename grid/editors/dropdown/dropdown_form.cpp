#include "grid/editors/dropdown/dropdown_form.h"

#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/ex_strips.h"
#include "platform/controls/activation.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/clock.h"

#include <algorithm>

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) { BorderStyle = bsNone; }

TDropDownForm::~TDropDownForm() = default;

int TDropDownForm::borderWidth() const { return dropDown_ ? std::max(0, dropDown_->DropDownBorderWidth) : 0; }

void TDropDownForm::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.Style |= WS_POPUP;
    Params.ExStyle |= WS_EX_TOPMOST;
    if (Shadow) Params.ClassStyle |= CS_DROPSHADOW;
}

TRect TDropDownForm::AdjustedClientRect() const {
    const int b = borderWidth();
    return {b, b, Width() - b, Height() - b};
}

void TDropDownForm::ArrangeChildren() {
    // A form not sized yet leaves its control its own size, which is what sizes the form.
    if (Width() <= 0 || Height() <= 0) return;
    TRect area = AdjustedClientRect();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        if (c->Align == alTop) {
            c->SetBounds(area.Left, area.Top, area.Width(), c->Height());
            area.Top += c->Height();
        } else if (c->Align == alBottom) {
            c->SetBounds(area.Left, area.Bottom - c->Height(), area.Width(), c->Height());
            area.Bottom -= c->Height();
        }
    }
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* c = Controls(i); c->Visible() && c->Align == alClient)
            c->SetBounds(area.Left, area.Top, std::max(0, area.Width()), std::max(0, area.Height()));
}

void TDropDownForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TForm::SetBounds(ALeft, ATop, std::max(AWidth, MinWidth), std::max(AHeight, MinHeight));
}

void TDropDownForm::Resize() {
    TForm::Resize();
    ArrangeChildren();
    Invalidate();
}

void TDropDownForm::InitializeAndUpdate() {
    if (!dropDown_) return;
    const auto build = [this](auto*& strip, auto& look, TAlign align) {
        using Strip = std::remove_pointer_t<std::remove_reference_t<decltype(strip)>>;
        if (!strip && look.Visible()) {
            strip = new Strip(this);
            strip->SetParent(this);
            strip->SetHeight(look.Height);
            strip->Align = align;
        }
        if (!strip) return;
        strip->Attach(dropDown_);
        strip->SetVisible(look.Visible());
    };
    build(header_, dropDown_->DropDownHeader(), alTop);
    if (header_) {
        header_->OnDrawBackGround = dropDown_->OnDrawHeader;
        header_->OnGetText = dropDown_->OnGetHeaderText;
    }
    build(footer_, dropDown_->DropDownFooter(), alBottom);
    if (footer_) {
        footer_->OnDrawBackGround = dropDown_->OnDrawFooter;
        footer_->OnGetText = dropDown_->OnGetFooterText;
    }
    ArrangeChildren();
}

void TDropDownForm::PaintWindow(TCanvas& Canvas) {
    TForm::PaintWindow(Canvas);
    if (!dropDown_) return;
    const TExCustomDropDown& d = *dropDown_;
    const TRect r = AdjustedClientRect();
    if (d.DropDownColor() != clNone && d.DropDownColorTo != clNone) {
        DrawGradient(Canvas, d.DropDownColor(), d.DropDownColorTo, 80, r, d.DropDownGradient == gdHorizontal);
    } else if (d.DropDownColor() != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = d.DropDownColor();
        Canvas.FillRect(r);
    }
    // A border in clNone (the default style's) is left out; its width still insets the children.
    const int b = borderWidth();
    if (b <= 0 || d.DropDownBorderColor == clNone) return;
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Width = b;
    Canvas.Pen.Color = d.DropDownBorderColor;
    Canvas.Rectangle(ClientRect());
    Canvas.Pen.Width = 1;
    Canvas.Brush.Style = bsSolid;
}

void TDropDownForm::activate(bool Active, TWinControl* Other) {
    if (Active) {
        // The owner's window keeps the look of the active window while the pop-up is.
        if (TWinControl* top = dropDown_ ? TopLevelWindow(dropDown_) : nullptr) top->Perform(WM_NCACTIVATE, 1);
        return;
    }
    if (!Visible()) return;
    deActivate_ = GetTickCount();
    for (TControl* c = Other; c; c = c->Parent())
        if (c == this) return;  // a window inside the pop-up
    if (dropDown_) dropDown_->HideDropDown(CancelOnDeActivate);
    else Hide();
}

void TDropDownForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ACTIVATE:
        TForm::WndProc(m);
        if (!BlockActivate) activate(m.WParam != WA_INACTIVE, reinterpret_cast<TWinControl*>(m.LParam));
        return;
    case WM_NCHITTEST: {
        const TPoint p = ScreenToClient({LoWordSigned(m.LParam), HiWordSigned(m.LParam)});
        m.Result = Sizeable && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : HTNOWHERE;
        return;
    }
    case WM_SIZING:
        TForm::WndProc(m);
        FireEvent(OnSizing, this);
        return;
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    // Keys typed in the pop-up go to the drop-down's handlers, which may close (and their
    // handlers destroy) the pop-up: nothing here runs after them.
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        FireEvent(OnKeyDown, this, key, static_cast<TShiftState>(m.LParam));
        m.Result = key == 0;
        return;
    }
    case WM_KEYUP: {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        FireEvent(OnKeyUp, this, key, static_cast<TShiftState>(m.LParam));
        return;
    }
    case WM_CHAR: {
        QChar ch(static_cast<char16_t>(m.WParam));
        FireEvent(OnKeyPress, this, ch);
        return;
    }
    default:
        break;
    }
    TForm::WndProc(m);
}
