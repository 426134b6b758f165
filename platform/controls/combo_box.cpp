#include "platform/controls/combo_box.h"

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

TComboBox::TComboBox(TComponent* AOwner) : TCustomListControl(AOwner) {
    SetBounds(0, 0, 145, 22);
    SetColor(clWindow);
    TabStop = true;
}

void TComboBox::ItemPicked() {
    Click();
    OnChange(this);
}

void TComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomListControl::KeyDown(Key, Shift);
    if (WindowBackend().NativeTextInput(*this)) return;
    if (Key == VK_DOWN) ItemSelectedNatively(ItemIndex() + 1);
    else if (Key == VK_UP && ItemIndex() > 0) ItemSelectedNatively(ItemIndex() - 1);
}

void TComboBox::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    const int button = Height() - 2;
    const TRect arrow{Width() - 1 - button, 1, Width() - 1, Height() - 1};
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(arrow);
    canvas.Pen.Color = Enabled() ? clWindowText : clGrayText;
    const int cx = (arrow.Left + arrow.Right) / 2;
    const int cy = Height() / 2 - 1;
    for (int i = 0; i < 4; ++i) {
        canvas.MoveTo(cx - 3 + i, cy + i);
        canvas.LineTo(cx + 4 - i, cy + i);
    }
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    TRect r{3, 0, arrow.Left, Height()};
    // The focused list shows its choice highlighted, as a list the user can type into does.
    if (Focused()) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clHighlight;
        canvas.FillRect(TRect{2, 2, arrow.Left - 1, Height() - 2});
        canvas.DrawFocusRect(TRect{2, 2, arrow.Left - 1, Height() - 2});
        canvas.Brush.Style = bsClear;
        if (Enabled()) canvas.Font.SetColor(clHighlightText);
    }
    canvas.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
