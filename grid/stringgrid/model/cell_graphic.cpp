#include "grid/stringgrid/model/cell_graphic.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/grid_lists.h"
#include "platform/controls/image.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphic.h"

#include <algorithm>
#include <type_traits>

namespace {
void freeHeld(TCellObject& held) {
    std::visit(
        [](auto object) {
            if constexpr (std::is_pointer_v<decltype(object)>) delete object;
        },
        held);
    held = std::monostate{};
}
}  // namespace

TCellGraphic::~TCellGraphic() {
    switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated) freeHeld(CellBitmap);
        break;
    case ctIcon:
        if (CellCreated) delete CellIcon;
        break;
    case ctImages:
    case ctBalloon: freeHeld(CellBitmap); break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (CellAngle == 1) freeHeld(CellBitmap);
        break;
    default: break;
    }
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
    CellType = Source.CellType;
    CellVAlign = Source.CellVAlign;
    CellHAlign = Source.CellHAlign;
    CellIndex = Source.CellIndex;
    CellTransparent = Source.CellTransparent;
    CellValue = Source.CellValue;
    CellAngle = Source.CellAngle;
    CellBoolean = Source.CellBoolean;
    CellErrFrom = Source.CellErrFrom;
    CellErrLen = Source.CellErrLen;
    CellText = Source.CellText;
    CellColor = Source.CellColor;
    CellIconColor = Source.CellIconColor;
    CellCreated = Source.CellCreated;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    CellType = ctBitmap;
    CellBitmap = ABmp;
    setAlignments(hal, val);
    CellTransparent = Transparent;
}

void TCellGraphic::SetIcon(TGraphic* aicon, TCellHAlign hal, TCellVAlign val) {
    CellType = ctIcon;
    CellIcon = aicon;
    setAlignments(hal, val);
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
    CellType = ctImageList;
    CellIndex = idx;
    setAlignments(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
    CellType = ctDataImage;
    CellIndex = idx;
    setAlignments(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier) {
    CellType = ctImages;
    setAlignments(hal, val);
    CellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    CellBitmap = list;
    CellCreated = true;
}

void TCellGraphic::setPicture(TCellType Kind, TCellObject APicture, bool Transparent, TStretchMode StretchMode,
                              int padding, TCellHAlign hal, TCellVAlign val) {
    CellType = Kind;
    setAlignments(hal, val);
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val) {
    setPicture(ctPicture, APicture, Transparent, StretchMode, padding, hal, val);
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode stretchmode, int padding,
                                  TCellHAlign hal, TCellVAlign val) {
    setPicture(ctFilePicture, APicture, Transparent, stretchmode, padding, hal, val);
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellAngle = 0;
    CellBoolean = Value;
    setAlignments(hal, val);
    CellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = Value;
    CellBoolean = false;
    setAlignments(hal, val);
    CellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    CellType = ctRadioButton;
    CellAngle = 0;
    CellBoolean = Value;
    setAlignments(hal, val);
    CellTransparent = Flat;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val) {
    CellType = ctButton;
    setAlignments(hal, val);
    CellIndex = static_cast<int>(static_cast<uint32_t>(bh) << 16 | (static_cast<uint32_t>(bw) & 0xFFFF));
    CellBoolean = false;
    CellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int16_t AAngle) {
    CellType = ctRotated;
    int angle = AAngle;
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    CellAngle = angle;
}

void TCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
    CellBitmap = AObject;
    CellType = ctInterface;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const {
    int w = 0, h = 0;
    if (CellType == ctPicture) {
        if (const TPicture* picture = Held<TPicture>(); picture && picture->Graphic()) {
            w = picture->Graphic()->Width();
            h = picture->Graphic()->Height();
        }
    } else if (const TFilePicture* picture = Held<TFilePicture>()) {
        w = picture->Width();
        h = picture->Height();
    }
    cw -= CellIndex;
    rh -= CellIndex;
    const auto fitted = [&](double fx, double fy) {
        return fx >= fy ? TPoint{NearestInt(w * fy), rh} : TPoint{cw, NearestInt(h * fx)};
    };
    const double fx = w <= 0 ? 1 : static_cast<double>(cw) / w;
    const double fy = h <= 0 ? 1 : static_cast<double>(rh) / h;
    const bool fits = w <= cw && h <= rh;
    switch (static_cast<TStretchMode>(CellAngle)) {
    case Stretch: return {cw, rh};
    case StretchWithAspectRatio: return fitted(fx, fy);
    case Shrink: return fits ? TPoint{w, h} : TPoint{cw, rh};
    case ShrinkWithAspectRatio: return fits ? TPoint{w, h} : fitted(std::min(fx, 1.0), std::min(fy, 1.0));
    default: return {w, h};
    }
}
