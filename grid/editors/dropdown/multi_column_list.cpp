#include "grid/editors/dropdown/multi_column_list.h"

#include "grid/editors/dropdown/column_list_sizing.h"
#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/multi_column_dropdown.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/canvas.h"

namespace MultiColumnList {

TExColGrid::TExColGrid(TComponent* AOwner) : TStringGrid(AOwner) {
    SetFixedRows(1);
    SetFixedCols(0);
    SetCol(0);
    SetOptions((Options() | goHorzLine | goRowSelect) & ~(goRangeSelect | goDrawFocusSelected));
    TStringGrid::SetDefaultDrawing(false);
    TStringGrid::SetGridLineWidth(0);
    oldRow_ = Row();
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetGridLineWidth(int Value) {
    lineWidth_ = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

TRect TExColGrid::GetCellRect(int ACol, int ARow) const {
    const TRect r = CellRect(ACol, ARow);
    return {r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow)};
}

// ---- from the drop-down

void TExColGrid::SyncFromDropDown(TExMultiColumnDropDown& D) {
    dropDown_ = &D;
    TakeLooks(D);
    SetColCount(std::max(1, Columns.Count()));
    SetRowCount(D.Items().Count() + 1);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(D.Items().Count() + 1);
    }
    for (int i = 0; i < Columns.Count(); ++i) SetColWidths(i, Columns[static_cast<size_t>(i)].Width);
    SetDefaultRowHeight(D.DropDownRowHeight);
    SetRowHeights(0, D.HeaderHeight);
    SetOptions(D.ColumnSizing ? Options() | goColSizing : Options() & ~goColSizing);
    SizeListColumnsToItems(*this, *this, D);
    SizeListRowsToWordWrap(*this, *this, D);
}

// ---- input

void TExColGrid::WndProc(TMessage& Message) {
    if (ListMessage(Message)) return;
    TStringGrid::WndProc(Message);
}

void TExColGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (ListKeyDown(dropDown_, Key, Shift)) return;
    TStringGrid::KeyDown(Key, Shift);
    if (Key == VK_RETURN) DoSelect();
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    ConfirmSelection = true;
    oldRow_ = Row();
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TStringGrid::MouseUp(Button, Shift, X, Y);
    const int row = MouseCoord(X, Y).Y;
    if (row >= FixedRows() && row < RowCount()) DoSelect();
}

bool TExColGrid::wheel(bool Down, TShiftState Shift, TPoint MousePos) {
    wheelSelection_ = true;
    ConfirmSelection = false;
    const bool handled = Down ? TStringGrid::DoMouseWheelDown(Shift, MousePos) : TStringGrid::DoMouseWheelUp(Shift, MousePos);
    wheelSelection_ = false;
    return handled;
}

bool TExColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) { return wheel(true, Shift, MousePos); }
bool TExColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) { return wheel(false, Shift, MousePos); }

// ---- painting

void TExColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas& canvas = Canvas();
    if (dropDown_ && dropDown_->OnDropDownDrawItem) {
        dropDown_->OnDropDownDrawItem(dropDown_, ACol, ARow, canvas, ARect);
        return;
    }
    const bool first = ACol == FixedCols(), last = ACol == ColCount() - 1;
    const uint8_t segment = first && last ? 0 : first ? 1 : last ? 2 : 3;
    TRect r = GetCellRect(ACol, ARow);
    QString text = ARow >= 0 ? Cells(ACol, ARow) : QString();
    int img = -1;
    TColor color = this->Color();
    TAlignment alignment = taLeftJustify;
    bool wordWrap = false, ellipsis = false;
    const bool header = ARow < FixedRows();
    if (ACol >= FixedCols() && ACol < Columns.Count()) {
        const TDropDownColumn& column = Columns[static_cast<size_t>(ACol)];
        color = column.Color;
        alignment = column.Alignment;
        wordWrap = column.Wordwrap;
        ellipsis = column.Ellipsis;
        canvas.Font.Assign(column.Font);
        if (dropDown_ && ARow > 0 && ARow - 1 < dropDown_->Items().Count()) {
            const TDropDownItem& item = dropDown_->Items()[static_cast<size_t>(ARow - 1)];
            if (column.ColumnType == ctImage) img = item.ImageIndex;
            if (item.HasLine(ACol)) text = item.Text[ACol];
        }
    } else {
        canvas.Font.Assign(HeaderFont);
    }
    if (dropDown_) dropDown_->OnDropDownGetItemText(dropDown_, ACol, ARow, text);

    const bool selected = AState & gdSelected;
    if (!header) {
        if (!selected) {
            canvas.Pen.Color = color;
            canvas.Pen.Width = 1;
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = color;
            canvas.Rectangle(r);
        } else if (dropDown_) {
            dropDown_->DrawSelectionBackground(canvas, r, color, segment);
        } else {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clHighlight;
            canvas.FillRect(r);
        }
    } else {
        text = ACol < Columns.Count() ? Columns[static_cast<size_t>(ACol)].Header : QString();
        img = -1;
        if (HeaderColor == clNone || HeaderColorTo == clNone) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = HeaderColor;
            canvas.FillRect(r);
        } else if (dropDown_) {
            dropDown_->DrawHeaderGradient(canvas, HeaderColor, HeaderColorTo, 80, r, gdVertical);
        } else {
            DrawGradient(canvas, HeaderColor, HeaderColorTo, 80, r, false);
        }
    }

    // Lines at the cell's right and bottom edges.
    const int width = header ? 1 : lineWidth_;
    const int c = header ? 1 : (lineWidth_ + 1) / 2;
    if (width > 0) {
        canvas.Pen.Color = header ? FixedLineColor : LineColor;
        canvas.Pen.Width = width;
        if (Options() & (header ? goFixedHorzLine : goHorzLine)) {
            canvas.MoveTo(r.Left - c + 1, r.Bottom - c);
            canvas.LineTo(r.Right - c + 1, r.Bottom - c);
        }
        if (Options() & (header ? goFixedVertLine : goVertLine)) {
            canvas.MoveTo(r.Right - c, r.Bottom - c);
            canvas.LineTo(r.Right - c, r.Top - c);
        }
    }

    r = {r.Left + lineWidth_, r.Top + lineWidth_, r.Right - lineWidth_, r.Bottom - lineWidth_};
    TRect t = r;
    if (Images && img >= 0) {
        const int y = Images->Height < r.Height() ? r.Top + (r.Height() - Images->Height) / 2 : r.Top;
        Images->Draw(canvas, r.Left + 2, y, img);
        t.Left = r.Left + Images->Width + 4;
    } else {
        t.Left = r.Left + 2;
    }
    if (text.isEmpty()) return;
    canvas.Brush.Style = bsClear;
    if (header) canvas.Font.Assign(HeaderFont);
    else if (selected && dropDown_) canvas.Font.SetColor(dropDown_->SelectionTextColor);
    unsigned flags = DT_NOPREFIX | DT_VCENTER | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    flags |= alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    if (ellipsis) flags |= DT_END_ELLIPSIS;
    canvas.DrawText(text, t, flags);
    canvas.Brush.Style = bsSolid;
}

}  // namespace MultiColumnList
