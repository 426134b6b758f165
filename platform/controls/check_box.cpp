#include "platform/controls/check_box.h"

#include <algorithm>

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr int Box_Size = 13;
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
    TabStop = true;
}

void TCheckBox::SetChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    if (HandleAllocated()) WindowBackend().CheckedChanged(*this);
    Invalidate();
    TWinControl::Click();
}

void TCheckBox::Click() { SetChecked(!checked_); }

void TCheckBox::WndProc(TMessage& m) {
    // The space bar toggles, unless the native box does it itself.
    if (m.Msg == WM_CHAR && m.WParam == ' ' && !WindowBackend().NativeTextInput(*this)) {
        QChar key(' ');
        KeyPress(key);
        if (!key.isNull()) Click();
        return;
    }
    TWinControl::WndProc(m);
}

void TCheckBox::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    const int top = (Height() - Box_Size) / 2;
    canvas.Brush.Color = Enabled() ? clWindow : clBtnFace;
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(TRect{0, top, Box_Size, top + Box_Size});
    if (checked_) {
        canvas.Pen.Color = clWindowText;
        for (int dy = 0; dy < 2; ++dy) {
            canvas.MoveTo(3, top + 6 + dy);
            canvas.LineTo(5, top + 8 + dy);
            canvas.LineTo(10, top + 3 + dy);
        }
    }
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    TRect r{Box_Size + 4, 0, Width(), Height()};
    canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER);
    // The focused box marks its caption, so that Tab shows where it went.
    if (Focused()) {
        TRect text = r;
        canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
        canvas.DrawFocusRect(TRect{text.Left - 1, std::max(0, text.Top - 1), std::min(Width(), text.Right + 1),
                                   std::min(Height(), text.Bottom + 1)});
    }
}
