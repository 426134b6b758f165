// The expand/contract glyph of a node row, with the tree line that joins it to its children.
#include "grid/foundation/color_routines.h"
#include "grid/stringgrid/paint/cell_painter.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <algorithm>

void TCellPainter::drawTreeLines(TRect R, int Indent) {
    const TCellNode& node = g.CellNode();
    if (!node.ShowTree() || ARow < g.FixedRows()) return;
    const int step = node.NodeIndent();
    const int x = R.Left + Indent - step + step / 2 + 2;
    canvas.Pen.Color = node.TreeColor();
    canvas.Pen.Width = 1;
    if (ARow + 1 < g.RowCount()) {
        const int next = g.GetRowIndent(ARow + 1);
        // A contracted node whose next row climbs out of it has nothing below to join.
        if (next > 0 && !(g.GetNodeState(ARow) && next < Indent)) {
            canvas.MoveTo(x, (R.Top + R.Bottom) / 2);
            canvas.LineTo(x, R.Bottom);
        }
    }
    if (ARow > g.FixedRows() && g.GetRowIndent(ARow - 1) >= Indent) {
        canvas.MoveTo(x, R.Top);
        canvas.LineTo(x, R.Top + 6);
    }
}

// The tree through column 0 of every row under a node: a branch to the row's text (across the
// cell with ShowTreeFull), the trunk down to the next child, and the trunks of the outer levels.
void TCellPainter::drawRowTreeLines() {
    const TCellNode& node = g.CellNode();
    const int step = node.NodeIndent();
    if (RealCol != 0 || ARow < g.FixedRows() || !g.HasNodes() || !node.ShowTree() || step <= 0) return;
    const int indent = g.GetRowIndent(ARow), level = indent / step;
    // Rows outside every node have no tree; their lines would lie left of the cell.
    if (level <= 0) return;
    const TPen saved = canvas.Pen;
    canvas.Pen.Color = node.TreeColor();
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    const int x = Rect.Left + indent - step + step / 2 + 2, mid = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    line(x, mid, node.ShowTreeFull() ? Rect.Right : Rect.Left + indent + 4, mid);
    switch (g.GetNodeSpanType(ARow)) {
    case 1: line(x, Rect.Top, x, mid); break;
    case 2: line(x, Rect.Top, x, Rect.Bottom + 4); break;
    default: break;
    }
    const bool last = ARow + 1 >= g.RowCount();
    const bool nextInTree = !last && g.GetRowIndent(ARow + 1) > 0;
    for (int i = 1; i <= level; ++i) {
        const int outer = x - step * i;
        line(outer, Rect.Top, outer, nextInTree ? Rect.Bottom + 4 : mid);
        if (!nextInTree && i < level) line(outer, mid, x + step - step * i, mid);
    }
    canvas.Pen = saved;
}

TColor TCellPainter::nodeBackground() const {
    if (g.ShowSelection() && (AState & gdSelected)) return g.SelectionColor();
    if (SavedBrush != clNone) return SavedBrush;
    return g.FixedCols() == 0 ? g.Color() : g.FixedColor();
}

void TCellPainter::drawNodeGlyph(const TCellGraphic& G, TRect R) {
    const TCellNode& node = g.CellNode();
    const int indent = g.GetRowIndent(ARow);
    drawTreeLines(R, indent);
    const int L = R.Left + indent - node.NodeIndent() / 2 - 4;
    const bool collapsed = G.CellBoolean;
    const TColor background = nodeBackground();
    auto drawResource = [&](const QString& name, int dx, int size) {
        const int top = R.Top + (R.Height() - size) / 2;
        DrawTransparentResBitmap(canvas, background, {L + dx, top, L + dx + size, top + size}, name);
    };
    switch (node.NodeType()) {
    case cnLeaf: drawResource(collapsed ? "ASGLEAFCLOSE" : "ASGLEAFOPEN", 0, 16); return;
    case cnXP: drawResource(collapsed ? "XPNODEC" : "XPNODEO", 4, 9); return;
    case cnGlyph: {
        TCellNode& settings = g.CellNode();
        TBitmap& contract = settings.ContractGlyph();
        TBitmap& expand = settings.ExpandGlyph();
        if (contract.Empty() || expand.Empty()) break;
        TBitmap& glyph = collapsed ? contract : expand;
        const int top = R.Top + (R.Height() - contract.Height()) / 2;
        DrawTransparentBitmap(canvas, glyph, background, {L, top, L + glyph.Width(), top + glyph.Height()});
        return;
    }
    case cn3D: {
        const TRect band{L, R.Top, R.Right, R.Bottom};
        canvas.Brush.Color = node.Color;
        canvas.FillRect(band);
        canvas.Pen.Color = clWhite;
        canvas.MoveTo(band.Left, band.Bottom - 1);
        canvas.LineTo(band.Left, band.Top);
        canvas.LineTo(band.Right - 1, band.Top);
        canvas.Pen.Color = clGray;
        canvas.LineTo(band.Right - 1, band.Bottom - 1);
        canvas.LineTo(band.Left, band.Bottom - 1);
        break;
    }
    case cnFlat: break;
    }
    drawNodeBox(collapsed, L, R);
}

// The plus/minus square: drawn lines on the flat look, a raised or sunken edge otherwise.
void TCellPainter::drawNodeBox(bool Collapsed, int L, TRect R) {
    const TCellNode& node = g.CellNode();
    const int top = R.Top + std::max(0, R.Height() - 8) / 2;
    TRect box{L + 4, top, L + 12, top + 8};
    canvas.Brush.Color = node.Color;
    if (node.NodeType() != cnFlat) {
        canvas.FillRect(box);
        DrawEdge(canvas, box, Collapsed ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
        return;
    }
    canvas.Pen.Color = node.NodeColor;
    canvas.Pen.Width = 1;
    canvas.Rectangle(box.Left, box.Top, box.Left + 9, box.Top + 9);
    canvas.MoveTo(box.Left + 2, box.Top + 4);
    canvas.LineTo(box.Left + 7, box.Top + 4);
    if (Collapsed) {
        canvas.MoveTo(box.Left + 4, box.Top + 2);
        canvas.LineTo(box.Left + 4, box.Top + 7);
    }
}
