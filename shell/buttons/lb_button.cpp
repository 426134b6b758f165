#include "shell/buttons/lb_button.h"

#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

TLbButton::TLbButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    TabStop = true;
}

TLbButton::~TLbButton() = default;

TBitmap& TLbButton::Glyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject*) { Invalidate(); };
    }
    return *glyph_;
}

bool TLbButton::HasGlyph() const { return glyph_ && !glyph_->Empty(); }

void TLbButton::Click() {
    TCustomControl::Click();
    if (ModalResult != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(ModalResult);
}

void TLbButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGKEY:
        if (Enabled() && Showing() &&
            ((m.WParam == VK_RETURN && Default) || (m.WParam == VK_ESCAPE && Cancel))) {
            Click();
            m.Result = 1;
        }
        return;
    case WM_LBUTTONDOWN:
        down_ = true;
        Invalidate();
        break;
    case WM_LBUTTONUP:
        down_ = false;
        Invalidate();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TLbButton::Paint() {
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = down_ ? 0xD8E6E9 : (MouseInControl() ? 0xFFFFFF : Color());
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(r);

    TRect content{r.Left + 4, r.Top + 2, r.Right - 4, r.Bottom - 2};
    if (HasGlyph()) {
        const TBitmap& g = *glyph_;
        const int y = (r.Height() - g.Height()) / 2;
        if (Caption().isEmpty()) {
            canvas.Draw((r.Width() - g.Width()) / 2, y, g);
        } else {
            canvas.Draw(content.Left, y, g);
            content.Left += g.Width() + 6;
        }
    }
    if (Caption().isEmpty()) return;
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (CaptionAlignment == taCenter) flags |= DT_CENTER;
    if (CaptionAlignment == taRightJustify) flags |= DT_RIGHT;
    canvas.DrawText(Caption(), content, flags);
}
