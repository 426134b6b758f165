// The marks and buttons a cell carries besides its text: the row indicator, the modified-row
// mark, the combo and spin buttons shown without editing, and the lines of right fixed columns.
#include "grid/stringgrid/paint/cell_painter.h"

#include "grid/foundation/themed_buttons.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/graphics/canvas.h"

// Returns how far the text was pushed right; the caller takes back all but the gap after the text.
int TCellPainter::drawRowIndicator() {
    TBitmap& indicator = g.RowIndicator();
    if (RealCol != 0 || ARow != g.Row() || g.FixedCols() == 0 || indicator.Empty()) return 0;
    if (g.FixedRowAlways && g.RowCount() <= g.FixedRows()) return 0;
    int y = Rect.Top;
    if (g.VAlignment() == vtaCenter) y = Rect.Top + (Rect.Height() - indicator.Height()) / 2;
    else if (g.VAlignment() == vtaBottom) y = Rect.Bottom - indicator.Height();
    canvas.DrawTransparent(Rect.Left + 2, y, indicator);
    Rect.Left += indicator.Width() + 2;
    return indicator.Width();
}

void TCellPainter::drawModifiedMark() {
    const TShowModified& modified = g.ShowModified();
    if (ACol != 0 || !modified.Enabled || !g.RowModified(g.DisplToRealRow(ARow))) return;
    const TColor brush = canvas.Brush.Color;
    canvas.Brush.Color = modified.Color();
    canvas.FillRect({Rect.Right - 4, Rect.Top, Rect.Right, Rect.Bottom});
    canvas.Brush.Color = brush;
}

uint8_t TCellPainter::buttonStyle() const {
    const bool tonesSet = d.FTones.Background.BrushColor != TColorTone{}.BrushColor &&
                          d.FTones.Background.BrushColor != clNone;
    if (d.Flat && tonesSet) return 3;
    if (d.ControlLook->FlatButton) return 2;
    return ExXPVS().IsThemeActive() ? 0 : 1;
}

// Combo and spin cells can show their buttons while no editor is open.
void TCellPainter::drawAlwaysVisibleButtons() {
    const TControlLook& look = *d.ControlLook;
    if (FixedLook || (!look.DropDownAlwaysVisible && !look.SpinButtonsAlwaysVisible)) return;
    bool canEdit = true;
    g.CanEditCell(RealCol, ARow, canEdit);
    const uint8_t style = buttonStyle(), state = canEdit ? 0 : 3;
    if (look.DropDownAlwaysVisible && g.HasComboBox(RealCol, ARow)) {
        DrawComboButton(canvas, g.Handle(), {Rect.Left - 2, Rect.Top - 1, Rect.Right + 1, Rect.Bottom}, style, state,
                        d.FTones);
        Rect.Right -= 16;
    } else if (look.SpinButtonsAlwaysVisible && g.HasSpinEdit(RealCol, ARow)) {
        DrawSpinButtons(canvas, g.Handle(), Rect, style, state, d.FTones);
        Rect.Right -= 16;
    }
}

// Flat grids frame their right fixed columns in grey, apart from the scrolling cells.
void TCellPainter::drawRightFixedLines() {
    if (g.FixedRightCols() <= 0 || RealCol < g.ColCount() + g.NumHiddenColumns() - g.FixedRightCols()) return;
    if (g.Look == glClassic || !d.Flat) return;
    const TPen saved = canvas.Pen;
    canvas.Pen.Color = clGray;
    canvas.Pen.Width = 1;
    const TRect& r = Rect;
    if (g.Options() & goFixedHorzLine) {
        canvas.MoveTo(r.Left - 1, r.Top - 1);
        canvas.LineTo(r.Right + 1, r.Top - 1);
        canvas.MoveTo(r.Left - 1, r.Bottom + 1);
        canvas.LineTo(r.Right + 1, r.Bottom + 1);
    }
    if (g.Options() & goFixedVertLine) {
        canvas.MoveTo(r.Left - 1, r.Top - 1);
        canvas.LineTo(r.Left - 1, r.Bottom + 1);
        canvas.MoveTo(r.Right + 1, r.Top - 1);
        canvas.LineTo(r.Right + 1, r.Bottom + 1);
    }
    canvas.Pen = saved;
}
