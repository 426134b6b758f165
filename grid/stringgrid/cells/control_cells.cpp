// Cells that carry a progress bar or pie, a range indicator, a comment mark, a shape, a star
// rating, a scroll bar of their own, an error marker under part of the text, or a push button.
// Adding replaces the cell's decoration; removing takes only the named kind away.
#include "grid/stringgrid/cells/owned_decorations.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/graphics/graphic.h"

#include <cmath>

namespace {
bool baseCellIs(TExStringGrid& grid, int ACol, int ARow, TCellType kind) {
    const TPoint base = grid.BaseCell(ACol, ARow);
    return grid.GetCellType(base.X, base.Y) == kind;
}

// Every cell of the display's columns and rows.
template <class Each>
void forEveryCell(TExStringGrid& grid, Each each) {
    for (int c = 0; c < grid.ColCount(); ++c)
        for (int r = 0; r < grid.RowCount(); ++r) each(c, r);
}
}  // namespace

// ---- progress

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, QString(), 0, 100);
    if (TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctProgress)) graphic->CellBoolean = false;
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor) {
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctProgress;
    graphic->CellColor = FGColor;
    graphic->CellIconColor = BKColor;
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
    graphic->CellBoolean = true;
    graphic->CellIndex = int(FGTextColor);
    graphic->CellAngle = int(BKTextColor);
    graphic->CellText = Fmt;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    if (AutoNumAlign) GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

bool TExStringGrid::HasProgress(int ACol, int ARow) { return baseCellIs(*this, ACol, ARow, ctProgress); }
void TExStringGrid::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctXPProgress;
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
    graphic->CellBoolean = false;
    graphic->CellText.clear();
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
}

void TExStringGrid::RemoveExProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctProgressPie;
    graphic->CellColor = Color;
    graphic->CellAngle = Value;
    graphic->CellHAlign = haBeforeText;
    graphic->CellVAlign = vaTop;
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
    TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctProgressPie);
    if (!graphic) return;
    graphic->CellAngle = Value;
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExStringGrid::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                      bool ShowValue) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRangeIndicator;
    graphic->CellIndex = Range;
    graphic->CellColor = NegColor;
    graphic->CellIconColor = PosColor;
    graphic->CellBoolean = ShowValue;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
}

void TExStringGrid::RemoveRangeIndicator(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// ---- comments: a mark of CellAngle clNone follows the look's comment colour

namespace {
void makeComment(TCellGraphic& graphic, const QString& Comment, TColor Color, bool OwnColor) {
    graphic.CellType = ctComment;
    graphic.CellText = Comment;
    graphic.CellIndex = int(Color);
    graphic.CellAngle = OwnColor ? 0 : int(clNone);
    graphic.CellHAlign = haLeft;
    graphic.CellVAlign = vaTop;
}
}  // namespace

void TExStringGrid::AddComment(int ACol, int ARow, const QString& Comment) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        makeComment(*graphic, Comment, p->ControlLook->CommentColor, false);
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) makeComment(*graphic, Comment, Color, true);
}

QString TExStringGrid::CellComment(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctComment);
    return graphic ? graphic->CellText : QString();
}

void TExStringGrid::SetCellComment(int ACol, int ARow, const QString& Value) {
    if (TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctComment)) {
        graphic->CellText = Value;
        return;
    }
    if (!GetCellGraphic(ACol, ARow)) AddComment(ACol, ARow, Value);
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString& comment) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctComment);
    if (!graphic) return false;
    comment = graphic->CellText;
    return true;
}

void TExStringGrid::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TExStringGrid::RemoveAllComments() {
    forEveryCell(*this, [this](int c, int r) { RemoveComment(c, r); });
}

// ---- shapes and ratings

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctShape;
    graphic->CellAngle = int(Shape);
    graphic->CellIndex = int(FillColor);
    graphic->CellColor = LineColor;
    graphic->CellHAlign = hal;
    graphic->CellVAlign = val;
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
    if (TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctShape)) graphic->CellIndex = int(FillColor);
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctShape);
    return graphic ? TColor(graphic->CellIndex) : clNone;
}

void TExStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRating;
    graphic->CellAngle = Scale;
    graphic->CellIndex = int(FillColor);
    graphic->CellColor = EmptyColor;
    graphic->CellHAlign = haFull;
}

bool TExStringGrid::HasRating(int ACol, int ARow) { return baseCellIs(*this, ACol, ARow, ctRating); }
void TExStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

// ---- scroll bars of a cell: position in CellIndex, page size in CellAngle, range in CellErrFrom

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctScrollbar;
    graphic->CellIndex = 0;
    graphic->CellAngle = 0;
    graphic->CellErrFrom = 100;
    graphic->CellBoolean = AutoRange;
    if (AutoRange) UpdateAutoRangeScrollBar(ACol, ARow);
}

bool TExStringGrid::HasScrollBar(int ACol, int ARow) { return baseCellIs(*this, ACol, ARow, ctScrollbar); }

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = RecordOfKind(*this, base.X, base.Y, ctScrollbar);
    return graphic && graphic->CellBoolean;
}

void TExStringGrid::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = RecordOfKind(*this, base.X, base.Y, ctScrollbar);
    if (!graphic) return;
    graphic->CellIndex = Pos;
    RepaintCell(RealToDisplCol(base.X), base.Y);
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = RecordOfKind(*this, base.X, base.Y, ctScrollbar);
    return graphic ? graphic->CellIndex : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = RecordOfKind(*this, base.X, base.Y, ctScrollbar);
    if (!graphic) return;
    graphic->CellAngle = Prop.PageSize;
    graphic->CellErrFrom = Prop.Range;
}

TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = RecordOfKind(*this, base.X, base.Y, ctScrollbar);
    return graphic ? TScrollProp{graphic->CellAngle, graphic->CellErrFrom} : TScrollProp{-1, -1};
}

// One page is the row's height; the range is the height of the whole text, wrapped beside the bar.
void TExStringGrid::UpdateAutoRangeScrollBar(int ACol, int ARow) {
    if (!HasAutoRangeScrollBar(ACol, ARow)) return;
    const TSize size = GetCellTextSize(ACol, ARow, true, true);
    SetScrollProp(ACol, ARow, {RowHeights(ARow), size.cy});
}

// ---- markers: a cell without decoration keeps its marker in an empty record

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        if (!graphic) return;
        graphic->CellType = ctEmpty;
    }
    graphic->CellErrFrom = ErrPos;
    graphic->CellErrLen = ErrLen;
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    ErrPos = graphic ? graphic->CellErrFrom : 0;
    ErrLen = graphic ? graphic->CellErrLen : 0;
}

void TExStringGrid::RemoveMarker(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 0;
}

void TExStringGrid::RemoveAllMarkers() {
    forEveryCell(*this, [this](int c, int r) { RemoveMarker(c, r); });
}

// ---- buttons; the caption and push operations take display columns

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                        TCellVAlign val) {
    return CreateOwnedDecoration<TBitmap>(*this, ACol, ARow, [&](TCellGraphic& g, TBitmap* glyph) {
        g.SetBitButton(bw, bh, Caption, glyph, hal, val);
    });
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption) {
    TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!graphic) return;
    graphic->CellText = Caption;
    RepaintCell(ACol, ARow);
}

void TExStringGrid::GetButtonText(int ACol, int ARow, QString& Caption) {
    if (const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow)) Caption = graphic->CellText;
}

bool TExStringGrid::HasButton(int ACol, int ARow) {
    return baseCellIs(*this, ACol, ARow, ctButton) || baseCellIs(*this, ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveButton(int ACol, int ARow) {
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton)) RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

void TExStringGrid::RemoveAllButtons() {
    forEveryCell(*this, [this](int c, int r) { RemoveButton(c, r); });
}

void TExStringGrid::GetCellButtonRect(int ACol, int ARow, TRect& R) {
    R = {};
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!graphic) return;
    const TRect C = CellRect(ACol, ARow);
    const auto offset = static_cast<uint32_t>(std::lround(graphic->CellValue));
    const auto size = static_cast<uint32_t>(graphic->CellIndex);
    R.Left = C.Left + int(offset & 0xFFFF);
    R.Top = C.Top + int(offset >> 16);
    R.Right = R.Left + int(size & 0xFFFF);
    R.Bottom = R.Top + int(size >> 16);
    if (graphic->CellVAlign == vaFull) {
        R.Top = C.Top;
        R.Bottom = C.Bottom;
    }
    if (graphic->CellHAlign == haFull) {
        R.Left = C.Left;
        R.Right = C.Right;
    }
}
