#pragma once

#include "grid/stringgrid/model/string_grid_types.h"
#include "platform/core/component.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <QVariant>
#include <variant>

class TBitmap;
class TCanvas;
class TExStringGrid;
class TFilePicture;
class TGraphic;
class TIntList;
class TPicture;
class TStringList;

enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
// How a picture cell fits its picture; kept in CellAngle.
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// An object that draws a cell itself, held by an interfaced cell; whoever adds it owns it.
class TInterfacedPersistent : public TObject {};

// The cell interface such an object may offer: the space it takes in its cell and its drawing,
// under the text when it asks to be drawn first, else as the cell's decoration.
class IGridCellInterface {
public:
    virtual ~IGridCellInterface() = default;
    virtual int GetExtentX() = 0;
    virtual int GetExtentY() = 0;
    // Canvas, the rectangle, the grid, whether the cell is selected, its row and real column.
    virtual void Draw(TCanvas&, const TRect&, TExStringGrid&, bool, int, int) {}
    virtual bool DrawFirst() { return false; }
};

// The object a graphic record holds, by the kind of the record: a bitmap, a picture, a file
// picture, the image indexes of an images cell, the texts of a balloon or a radio group, or an
// interfaced object.
using TCellObject =
    std::variant<std::monostate, TBitmap*, TPicture*, TFilePicture*, TIntList*, TStringList*, TInterfacedPersistent*>;

// The decoration of one cell: what kind it is and its parameters. The grid keeps it as the
// graphic object of the cell's record and frees it with the record. What the record itself frees
// when it goes depends on its kind (see the destructor).
class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    // Frees the held object of images and balloon cells; of bitmap, radio group, picture, file
    // picture and bit-button cells, and the icon of icon cells, only when CellCreated; of check
    // boxes and radio buttons the balloon texts they carry (CellAngle 1).
    ~TCellGraphic() override;

    // Copies the kind, placement, numbers, texts and CellCreated; not the held object, the
    // icon, CellVar or CellCheckBoxState.
    void Assign(const TCellGraphic& Source);

    // Each setter makes the record one kind; fields it does not name keep their values.
    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TGraphic* aicon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new image-index list of cell (Col, Row), owned by the record; dir 0 runs the images across.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode stretchmode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // The button size is kept in CellIndex: height in the high 16 bits, width in the low ones.
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    // The angle is brought into 0 .. 360.
    void SetAngle(int16_t AAngle);
    void SetInterfacedCell(TInterfacedPersistent* AObject);

    // The size at which a picture cell's picture is drawn in a cell of cw x rh pixels.
    TPoint GetPictureSize(int cw, int rh, bool hastext) const;

    // The held object of the given class, nullptr when the record holds another or none.
    template <class T>
    T* Held() const {
        const auto* held = std::get_if<T*>(&CellBitmap);
        return held ? *held : nullptr;
    }

    TCellType CellType = ctNone;
    TCellObject CellBitmap;
    TGraphic* CellIcon = nullptr;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    // The record owns its held object (see the destructor).
    bool CellCreated = false;
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    QString CellText;
    QVariant CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
    // Colours of the drawn kinds, beside the object and icon fields: progress complete and
    // incomplete, range negative and positive, pie colour, shape line colour, rating empty colour.
    TColor CellColor = clNone;
    TColor CellIconColor = clNone;

private:
    void setPicture(TCellType Kind, TCellObject APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    void setAlignments(TCellHAlign hal, TCellVAlign val) {
        CellHAlign = hal;
        CellVAlign = val;
    }
};
