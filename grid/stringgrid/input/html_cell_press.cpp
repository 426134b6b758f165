// A press on a link or a form control of a cell, and the release of a pressed BUTTON control.
#include "grid/foundation/codings.h"
#include "grid/foundation/html_controls.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/link_routines.h"
#include "grid/foundation/text_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/shell_execute.h"

namespace {

constexpr int TextTypeHTML = 1;
const QString CellScheme = QStringLiteral("CELL://");

} // namespace

bool TExStringGrid::htmlCellPress(int ACol, int ARow, int X, int Y) {
    const int realCol = RealColIndex(ACol);
    QString text = GetCellEx(realCol, ARow);
    const bool html = TextType(text, EnableHTML) == TextTypeHTML;
    if (!URLShow() && !html) return false;
    THTMLDrawResults hit;
    QString anchor;
    bool control = false;
    if (html) {
        if (cellHTMLHitTest(ACol, ARow, X, Y, hit)) {
            control = !hit.ControlType.isEmpty();
            if (!control) anchor = hit.HitHref;
        }
    } else if (IsURL(text)) {
        anchor = text;
    }
    // A control that may not be edited is pressed like the text around it: its "ctrl" mark is
    // no address to open.
    bool editable = false;
    if (control) {
        editable = ((Options() & goEditing) || p->FEditDisable) && !ReadOnly(realCol, ARow);
        DoCanEditCell(ACol, ARow, editable);
    }
    if (anchor.isEmpty() && !(control && editable)) {
        if (!html || !HasHTMLControl(text)) return false;
        OnClickCell(this, ARow, ACol);
        HideInplaceEdit();
        FocusCell(ACol, ARow);
        return true;
    }

    if (control) {
        HideInplaceEdit();
        if (p->FCtrlEditing) {
            ControlEditExit(nullptr);
            text = GetCellEx(realCol, ARow);
        }
        const QString& id = hit.ControlID;
        const QString& type = hit.ControlType;
        if (type == "BUTTON") {
            p->FCtrlXY = {realCol, ARow};
            p->FCtrlDown = true;
            RepaintCell(ACol, ARow);
        } else if (type == "CHECK") {
            SetHTMLControlValue(text, id, hit.ControlValue.toUpper() == "TRUE" ? "FALSE" : "TRUE");
            SetCellEx(realCol, ARow, text);
        } else if (type == "RADIO") {
            text = ClearHTMLRadioControls(text);
            SetHTMLControlValue(text, id, "TRUE");
            SetCellEx(realCol, ARow, text);
        }
        // The cell becomes current here: the grid's own press handling would take the focus
        // back from the editor opened below.
        FocusCell(ACol, ARow);
        OnClickCell(this, ARow, ACol);
        OnControlClick(this, ARow, ACol, id, type, hit.ControlValue);
        StartControlEdit(text, type, ARow, realCol, ACol, hit.ControlRect, hit.ControlValue, id);
        return true;
    }

    bool handled = true;
    OnAnchorClick(this, ARow, ACol, anchor, handled);
    if (!handled) return false;
    const int scheme = anchor.toUpper().indexOf(CellScheme);
    if (scheme < 0) {
        ShellOpenUrl(anchor);
        return true;
    }
    // A jump inside the grid; a reference that does not parse or lies outside moves nothing.
    TPoint target{-1, -1};
    if (ParseRowColRef(anchor.mid(scheme + CellScheme.size()), target) && target.X >= 0 && target.Y >= 0 &&
        target.X < ColCount() && target.Y < RowCount()) {
        FocusCell(target.X, target.Y);
        ScrollInView(target.X, target.Y);
    }
    return true;
}

void TExStringGrid::htmlButtonRelease() {
    if (!p->FCtrlDown) return;
    p->FCtrlDown = false;
    RepaintCell(RealToDisplCol(p->FCtrlXY.X), p->FCtrlXY.Y);
}
