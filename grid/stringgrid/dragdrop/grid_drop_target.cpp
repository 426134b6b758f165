#include "grid/stringgrid/dragdrop/grid_drop_target.h"

#include "grid/stringgrid/input/header_drag_button.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/list_box.h"
#include "platform/controls/mouse.h"
#include "platform/core/stream.h"

#include <algorithm>

namespace {

void showArrow(TArrowWindow* arrow, TPoint at) {
    if (!arrow) return;
    arrow->SetBounds(at.X, at.Y, 11, 11);
    arrow->Show();
}

void hide(TControl* control) {
    if (control) control->Hide();
}

}  // namespace

void TGridDropTarget::targetCell(TPoint Pt, bool Column, int& ACol, int& ARow, bool& Append) const {
    TExStringGrid& g = FGrid;
    const TDragDropSettings& s = g.DragDropSettings();
    Append = false;
    g.ScreenToCell(Pt, ACol, ARow);
    if (ARow != -1 || Column || !s.OleEntireRows || !s.OleAppendRows) return;
    // Measured in the left column; a last row out of view has no bottom to drop below.
    const int last = g.RowCount() - 1;
    if (last > g.TopRow() + g.VisibleRowCount() || g.ScreenToClient(Pt).Y < g.CellRect(g.LeftCol(), last).Bottom) return;
    ACol = g.FixedCols();
    ARow = g.RowCount() - 1;
    Append = true;
}

// Near the top the grid scrolls up a row per move, at the last visible row down; sideways at
// most once per timer tick.
void TGridDropTarget::scrollTowards(int ACol, int ARow, TPoint Client) {
    TExStringGrid& g = FGrid;
    TExStringGridPrivate& d = g.Private();
    if ((ARow == 0 && g.TopRow() > g.FixedRows()) || (Client.Y < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
        g.SetTopRow(g.TopRow() - 1);
    else if (ARow == g.TopRow() + g.VisibleRowCount())
        g.SetTopRow(g.TopRow() + 1);
    if (d.FTimerTicks % 2 != 0) return;
    ++d.FTimerTicks;
    if (ACol == 0 && g.LeftCol() > g.FixedCols()) g.SetLeftCol(g.LeftCol() - 1);
    else if (ACol == g.LeftCol() + g.VisibleColCount()) g.SetLeftCol(g.LeftCol() + 1);
}

void TGridDropTarget::DragMouseMove(TPoint Pt, bool& Allow, TDropFormats DropFormats) {
    TExStringGrid& g = FGrid;
    const bool column = DropFormats & DropFormatBit(dfCol);
    const bool files = DropFormats & DropFormatBit(dfFile);
    const TPoint client = g.ScreenToClient(Pt);
    int ACol = -1, ARow = -1;
    bool append = false;
    targetCell(Pt, column, ACol, ARow, append);
    Allow = ACol >= 0 && ARow >= 0;
    if (Allow && !column) scrollTowards(ACol, ARow, client);
    if (!column) {
        if (ARow >= 0 && ARow < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways)) Allow = false;
    } else {
        const TRect last = g.CellRect(g.ColCount() - 1, 0);
        if (ACol < 0 && last.Width() > 0 && client.X >= last.Right) {
            ACol = g.ColCount();
            ARow = 0;
            Allow = true;
        } else {
            Allow = Allow && ARow < g.FixedRows() && ACol >= g.FixedCols();
        }
    }
    if (files || (DropFormats & DropFormatBit(dfGridCells))) Allow = true;
    g.OnOleDragOver(&g, ARow, ACol, Allow);
    if (!files) Allow = Allow && ACol >= 0 && ARow >= 0;
    if (Allow && ACol >= 0 && ARow >= 0) showMarks(ACol, ARow, column, append);
    else hideMarks();
}

void TGridDropTarget::showMarks(int ACol, int ARow, bool Column, bool Append) {
    TExStringGrid& g = FGrid;
    TExStringGridPrivate& d = g.Private();
    if (Column) {
        // Past the last column the marks stand at its right edge.
        const bool past = ACol >= g.ColCount();
        const TRect r = g.CellRect(past ? g.ColCount() - 1 : ACol, ARow);
        const TPoint topLeft = g.ClientToScreen({past ? r.Right : r.Left, r.Top});
        showArrow(d.ArwD, {topLeft.X - 5, topLeft.Y - 8});
        showArrow(d.ArwU, {topLeft.X - 5, topLeft.Y + r.Height()});
        hide(d.ArwL);
        return;
    }
    if (ARow == 0 && g.FixedRowAlways) ARow = std::min(1, g.RowCount() - 1);
    const TRect r = g.CellRect(g.DragDropSettings().OleEntireRows ? g.FixedCols() : ACol, ARow);
    const TPoint at = g.ClientToScreen({r.Left - 10, (Append ? r.Bottom : r.Top) - 5});
    showArrow(d.ArwL, at);
    hide(d.ArwD);
    hide(d.ArwU);
}

void TGridDropTarget::hideMarks() {
    TExStringGridPrivate& d = FGrid.Private();
    hide(d.ArwD);
    hide(d.ArwU);
    hide(d.ArwL);
}

void TGridDropTarget::DragMouseLeave() { hideMarks(); }

void TGridDropTarget::DropText(TPoint Pt, const QString& Text) {
    TExStringGrid& g = FGrid;
    TExStringGridPrivate& d = g.Private();
    const TDragDropSettings& s = g.DragDropSettings();
    int ACol = -1, ARow = -1;
    bool append = false;
    targetCell(Pt, false, ACol, ARow, append);
    const TPoint extent = g.CountTextCells(Text);
    const int cols = extent.X, extraRows = extent.Y;
    const bool rowSelect = g.Options() & goRowSelect;
    if (rowSelect) ACol = s.OleEntireRows ? 0 : g.FixedCols();
    bool allow = true;
    g.OnOleDrop(&g, ARow, ACol, Text, allow);
    // A place outside the cells takes nothing, whatever the handler said.
    if (allow && ACol >= 0 && ARow >= 0) {
        // Rows put in above the dragged ones push them down, for their removal after a move.
        if (d.FDropSelection.Top >= ARow && s.OleRemoveRows) {
            d.FDropSelection.Top += extraRows + 1;
            d.FDropSelection.Bottom += extraRows + 1;
            if (d.MouseActions->DisjunctRowSelect() && ARow <= int(d.FRowSelect.size()))
                d.FRowSelect.insert(d.FRowSelect.begin() + ARow, size_t(extraRows + 1), false);
        }
        if (ARow == 0 && g.RowCount() == 1 && g.FixedRowAlways) ARow = 1;
        if (s.OleInsertRows) {
            if (append) {
                g.SetRowCount(g.RowCount() + extraRows + 1);
                ++ARow;
            } else {
                const int top = g.TopRow();
                g.InsertRows(ARow, extraRows + 1, true);
                g.SetTopRow(top > g.FixedRows() ? top + 1 : top);
            }
        }
        // The row under a lone fixed row is made for the text.
        if (ARow >= g.RowCount()) g.SetRowCount(ARow + 1);
        int pastedCols = 0, pastedRows = 0;
        g.PasteText(ACol, ARow, pastedCols, pastedRows, Text);
        ACol = std::max(ACol, g.FixedCols());
        const int right = rowSelect ? ACol + cols - g.FixedCols() : ACol + cols - 1;
        g.SetSelection({ACol, ARow, std::min(right, g.ColCount() - 1), std::min(ARow + extraRows, g.RowCount() - 1)});
    }
    hide(d.ArwL);
    hide(d.ArwD);
    hide(d.MoveButton);
    g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropStream(TPoint Pt, TMemoryStream& Stream) {
    TExStringGrid& g = FGrid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(Pt, ACol, ARow);
    Stream.SetPosition(0);
    if (ACol >= 0 && ARow >= 0) g.LoadAtPointFromBinStream({ACol, ARow}, Stream);
    hideMarks();
    hide(g.Private().MoveButton);
    g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropRTF(TPoint Pt, const QString& RTF) { dropIntoCell(Pt, RTF, FGrid.OnOleDrop); }

void TGridDropTarget::DropURL(TPoint Pt, const QString& URL) { dropIntoCell(Pt, URL, FGrid.OnOleDropURL); }

// The cell under the point takes the text unless the event refuses.
template <class Event>
void TGridDropTarget::dropIntoCell(TPoint Pt, const QString& Text, Event& Ask) {
    TExStringGrid& g = FGrid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(Pt, ACol, ARow);
    bool allow = true;
    Ask(&g, ARow, ACol, Text, allow);
    if (allow && ACol >= 0 && ARow >= 0) g.SetCellEx(g.RealColIndex(ACol), ARow, Text);
    hideMarks();
}

void TGridDropTarget::DropFiles(TPoint Pt, const QStringList& Files) {
    TExStringGrid& g = FGrid;
    hideMarks();
    if (Files.size() != 1) return;
    const QString& name = Files.first();
    int ACol = -1, ARow = -1;
    g.ScreenToCell(Pt, ACol, ARow);
    bool allow = true;
    g.OnOleDropFile(&g, ARow, ACol, name, allow);
    if (!allow) return;
    const QString upper = name.toUpper();
    if (upper.contains(QLatin1String(".CSV"))) {
        allow = true;
        g.OnOleDrop(&g, -1, -1, name, allow);
        if (allow) g.LoadFromCSV(name, -1);
    }
    if (upper.contains(QLatin1String(".XLS"))) {
        allow = true;
        g.OnOleDrop(&g, -1, -1, name, allow);
        if (allow) g.LoadFromXLS(name);
    }
}

void TGridDropTarget::DropCol(TPoint Pt, int Col) {
    TExStringGrid& g = FGrid;
    TExStringGridPrivate& d = g.Private();
    int target = -1, ARow = -1;
    g.ScreenToCell(Pt, target, ARow);
    if (target < 0) target = g.ColCount();
    hide(d.ArwD);
    hide(d.ArwU);
    hide(d.MoveButton);
    // Moves run as the user's own column moves do.
    auto move = [&](int From, int To) {
        const bool enhanced = g.EnhRowColMove;
        g.EnhRowColMove = true;
        g.MoveColumn(From, To);
        g.EnhRowColMove = enhanced;
    };
    if (d.FOleDragCol != -1) {
        // A hidden column from a column list: it leaves the list and shows at the drop.
        if (d.FOleDragList && d.FOleDragIndex >= 0 && d.FOleDragIndex < d.FOleDragList->Items().size()) {
            QStringList items = d.FOleDragList->Items();
            items.removeAt(d.FOleDragIndex);
            d.FOleDragList->SetItems(items);
        }
        g.UnHideColumn(d.FOleDragCol);
        const int from = g.RealToDisplCol(d.FOleDragCol);
        if (target >= 0 && target < g.ColCount() && from >= 0 && from != target) move(from, target);
        d.FOleDragCol = -1;
    } else if (g.DragDropSettings().OleColumnReorder) {
        target = std::min(target, g.ColCount() - 1);
        const int from = g.RealToDisplCol(Col);
        if (from >= 0 && from != target) move(from, target);
    }
    g.OnOleDropCol(&g, ARow, Col, target);
}

// ---- the source

void TGridDropSource::CurrentEffect(uint32_t Effect) {
    if (Effect == DROPEFFECT_COPY || Effect == DROPEFFECT_MOVE) FLastEffect = Effect;
}

void TGridDropSource::QueryDrag() {
    TExStringGridPrivate& d = FGrid.Private();
    const TPoint at = Mouse.CursorPos();
    if (FGrid.DragDropSettings().ShowCells) {
        if (d.FOleMoveForm) d.FOleMoveForm->SetBounds(at.X + 4, at.Y + 4, d.FOleMoveForm->Width(), d.FOleMoveForm->Height());
    } else if (d.MoveButton) {
        d.MoveButton->SetBounds(at.X, at.Y - d.MoveButton->Height(), d.MoveButton->Width(), d.MoveButton->Height());
    }
}

void TGridDropSource::DragEnded() {
    TASGDropSource::DragEnded();
    TExStringGridPrivate& d = FGrid.Private();
    if (FGrid.DragDropSettings().ShowCells) {
        delete d.FOleMoveForm;
        d.FOleMoveForm = nullptr;
    }
}
