// The look's border around the grid, painted after the cells on the window's frame.
#include "grid/foundation/theme_notifier.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_unit.h"
#include "platform/graphics/canvas.h"

namespace {

bool looksHaveBorder(TGridLook look) {
    switch (look) {
    case glSoft:
    case glDUD:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007: return true;
    default: return false;
    }
}

void outline(TCanvas& canvas, TColor color, int left, int top, int right, int bottom) {
    canvas.Pen.Color = color;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.MoveTo(left, bottom);
    canvas.LineTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
}

} // namespace

void TExStringGrid::PaintBorder(TCanvas& Canvas) {
    if (!looksHaveBorder(Look) || p->FBorderStyle == bsNone || BorderColor() == clNone || Flat()) return;
    const int w = Width(), h = Height();
    if (FitCellsInGrid) {
        outline(Canvas, BorderColor(), 1, 1, w - 2, h - 2);
        if (Parent()) outline(Canvas, Parent()->Color(), 0, 0, w - 1, h - 1);
    } else if (p->FIsComCtl6) {
        outline(Canvas, BorderColor(), 0, 0, w - 1, h - 1);
    }
}

TFormBorderStyle TExStringGrid::BorderStyle() const { return p->FBorderStyle; }

void TExStringGrid::SetBorderStyle(TFormBorderStyle Value) {
    if (p->FBorderStyle == Value) return;
    p->FBorderStyle = Value;
    Invalidate();
}

void TExStringGrid::WndProc(TMessage& Message) {
    if (Message.Msg == GridEditDoneMessage()) {
        GridEditDone(Message);
        return;
    }
    if (ScrollingMessage(Message)) return;
    const int row = Row();
    if (FocusMessage(Message) || InputMessage(Message)) {
        SyncRowAfterMessage(row);
        return;
    }
    if (Message.Msg == WM_NOTIFY) WMNotify(Message);
    if (Message.Msg == WM_OFFICETHEMECHANGE || Message.Msg == WM_THEMECHANGED) AdaptToOfficeTheme();
    TBaseGrid::WndProc(Message);
    SyncRowAfterMessage(row);
    if (Message.Msg == WM_NCPAINT && Message.LParam) PaintBorder(*reinterpret_cast<TCanvas*>(Message.LParam));
    // The footer strip takes the grid's colour.
    if (Message.Msg == CM_COLORCHANGED && FloatingFooter().Visible) FloatingFooter().Invalidate();
}
