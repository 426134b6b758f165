// The link under the pointer: the anchor's underline with URLUnderlineOnHover, its enter and
// exit events, its hint text and the hand cursor.
#include "grid/foundation/codings.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/link_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {

constexpr int TextTypeHTML = 1;

} // namespace

void TExStringGrid::linkHover(int ACol, int ARow, int X, int Y) {
    bool onLink = false;
    const bool valid = ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount();
    const QString text = valid ? GetFormattedCell(RealColIndex(ACol), ARow) : QString();
    const bool html = valid && TextType(text, EnableHTML) == TextTypeHTML;
    if (valid && URLShow() && !html && IsURL(text)) onLink = true;

    QString anchor;
    int index = -1;
    THTMLDrawResults hit;
    if (html && cellHTMLHitTest(ACol, ARow, X, Y, hit) && hit.ControlType.isEmpty()) {
        anchor = hit.HitHref;
        index = hit.HitAnchor;
    }
    if (URLUnderlineOnHover) {
        // Only the cells whose underlined anchor changes are repainted.
        const TPoint cell = html ? TPoint{ACol, ARow} : TPoint{-1, -1};
        const TPoint old = p->FHoverCell;
        if (cell != old) {
            if (old.X >= 0 && old.Y >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
            p->FHoverCell = cell;
        }
        if (cell != old || index != p->FHoverlink) {
            p->FHoverlink = index;
            if (cell.X >= 0) RepaintCell(cell.X, cell.Y);
        }
    }
    if (!anchor.isEmpty()) {
        QString hint = hit.HitTitle;
        if (hint.isEmpty()) {
            hint = anchor;
            OnAnchorHint(this, ARow, ACol, hint);
        }
        // Another anchor's hint replaces the one shown.
        if (hint != p->FLastAnchorHint && !p->FLastAnchorHint.isEmpty() && anchor != p->FAnchor) {
            p->FLastAnchorHint = hint;
            CancelCellHint();
        }
        onLink = true;
        if (anchor != p->FAnchor) {
            OnAnchorEnter(this, ARow, ACol, anchor);
            p->FAnchor = anchor;
        }
    } else if (!p->FAnchor.isEmpty()) {
        const QString left = p->FAnchor;
        p->FAnchor.clear();
        OnAnchorExit(this, ARow, ACol, left);
    }

    if (onLink) {
        if (!p->FLinkCursor) p->FOldCursor = Cursor();
        p->FLinkCursor = true;
        SetGridCursor(crHandPoint);
    } else if (p->FLinkCursor) {
        p->FLinkCursor = false;
        SetGridCursor(p->FOldCursor);
    }
}

bool TExStringGrid::anchorCellHint(int ACol, int ARow, TPoint Pos, QString& HintStr, TPoint& HintPos) {
    if (!AnchorHint) return false;
    THTMLDrawResults hit;
    if (!cellHTMLHitTest(ACol, ARow, Pos.X, Pos.Y, hit) || !hit.ControlType.isEmpty() || hit.HitHref.isEmpty())
        return false;
    QString hint = hit.HitTitle.isEmpty() ? hit.HitHref : hit.HitTitle;
    OnAnchorHint(this, ARow, RealColIndex(ACol), hint);
    p->FLastAnchorHint = hint;
    HintStr = hint;
    HintPos = {Pos.X + 8, Pos.Y - 16};
    return true;
}
