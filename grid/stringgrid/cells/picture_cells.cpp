// Cells that show a bitmap, an icon, a picture, a picture file, images of the grid's image list,
// or an object that draws itself. Adding replaces the cell's decoration without repainting;
// removing takes only the named kind away. The Create forms hand out an object the grid owns.
#include "grid/foundation/file_picture.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/cells/owned_decorations.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image.h"
#include "platform/graphics/graphic.h"

void TExStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    return CreateOwnedDecoration<TBitmap>(*this, ACol, ARow,
                                          [&](TCellGraphic& g, TBitmap* b) { g.SetBitmap(b, Transparent, hal, val); });
}

bool TExStringGrid::HasBitmap(int ACol, int ARow) { return RecordOfKind(*this, ACol, ARow, ctBitmap); }

TBitmap* TExStringGrid::GetBitmap(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctBitmap);
    return graphic ? graphic->Held<TBitmap>() : nullptr;
}

void TExStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

void TExStringGrid::AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetIcon(AIcon, hal, val);
}

// Icons are kept as the bitmap they decode to.
TBitmap* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
    return CreateOwnedDecoration<TBitmap>(*this, ACol, ARow, [&](TCellGraphic& g, TBitmap* i) { g.SetIcon(i, hal, val); });
}

void TExStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

void TExStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                       TCellHAlign hal, TCellVAlign val) {
    return CreateOwnedDecoration<TPicture>(*this, ACol, ARow, [&](TCellGraphic& g, TPicture* picture) {
        g.SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    });
}

bool TExStringGrid::HasPicture(int ACol, int ARow) { return RecordOfKind(*this, ACol, ARow, ctPicture); }

TPicture* TExStringGrid::GetPicture(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctPicture);
    return graphic ? graphic->Held<TPicture>() : nullptr;
}

void TExStringGrid::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val) {
    return CreateOwnedDecoration<TFilePicture>(*this, ACol, ARow, [&](TCellGraphic& g, TFilePicture* picture) {
        g.SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    });
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctFilePicture);
    return graphic ? graphic->Held<TFilePicture>() : nullptr;
}

void TExStringGrid::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }

// ---- images of the grid's image list; nothing without one

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& idx) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctImageList);
    if (!GridImages() || !graphic) return false;
    idx = graphic->CellIndex;
    return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
    if (TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctImageList); graphic && GridImages())
        graphic->CellIndex = Idx;
}

void TExStringGrid::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

// The cell's number picks the image; an empty cell gets the index as its number.
void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetDataImage(Aidx, hal, val);
    if (GetCellEx(ACol, ARow).isEmpty()) SetInts(ACol, ARow, Aidx);
}

bool TExStringGrid::HasDataImage(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCellEx(ACol, ARow, QString());
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetMultiImage(ACol, ARow, Dir, hal, val,
                           [this](TObject* Sender, int Col, int Row) { MultiImageChanged(Sender, Col, Row); });
}

void TExStringGrid::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

void TExStringGrid::MultiImageChanged(TObject*, int ACol, int ARow) { RepaintCell(RealToDisplCol(ACol), ARow); }

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetInterfacedCell(AObject);
}

TInterfacedPersistent* TExStringGrid::GetInterfacedCell(int ACol, int ARow) {
    const TCellGraphic* graphic = RecordOfKind(*this, ACol, ARow, ctInterface);
    return graphic ? graphic->Held<TInterfacedPersistent>() : nullptr;
}

void TExStringGrid::RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

