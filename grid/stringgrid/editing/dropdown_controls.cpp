// The drop-down editors: shown over the cell with the grid's header and footer, loaded with the
// cell's value by kind, and the colour and image pickers' choice written back when the edit ends.
#include "grid/stringgrid/editing/editor_placement.h"
#include "grid/stringgrid/inplace/grid_dropdown_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"

namespace {

bool picksImage(TCellType Type) { return Type == ctImageList || Type == ctDataImage; }

}  // namespace

void TExStringGrid::showDropDownControl(TExCustomDropDown& DropDown, int ACol, int ARow, TColor Color, QChar Start) {
    const TRect r = ControlRect(*this, ACol, ARow);
    const int realCol = RealColIndex(ACol);
    const QString editText = GetEditText(ACol, ARow);
    const TEditorType kind = p->EditControl;
    DropDown.SetDropDownHeader(p->ControlLook->DropDownHeader());
    DropDown.SetDropDownFooter(p->ControlLook->DropDownFooter());
    DropDown.SetComponentStyle(p->FStyle);
    DropDown.OnDropDownHeaderButtonClick = [this](TObject*, int Index) {
        OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
    };
    DropDown.OnDropDownFooterButtonClick = [this](TObject*, int Index) {
        OnDropDownFooterButtonClick(this, Col(), Row(), Index);
    };
    if (kind == edGridDropDown || kind == edExGridDropDown) {
        DropDown.SetColor(Color);
        DropDown.SetEditorEnabled(true);
    }
    if (kind == edExGridDropDown) p->FExGridDropDown->Grid()->FixedRowAlways = true;
    DoGetEditorProp(realCol, ARow, nullptr);
    switch (kind) {
    // The track bar's text moves the bar with it.
    case edTrackbarDropDown: DropDown.SetText(editText); break;
    case edMemoDropDown:
        DropDown.SetTextDirect(editText);
        DropDown.SetSelStart(0);
        DropDown.SetSelLength(0);
        break;
    case edTimePickerDropDown:
    case edDetailDropDown:
        DropDown.SetTextDirect(editText);
        DropDown.SetEditorEnabled(true);
        break;
    case edGridDropDown: {
        TGridGridDropDown& list = *p->FGridDropDown;
        list.BeginUpdate();
        list.EndUpdate();
        DropDown.SetTextDirect(editText);
        const int item = editText.isEmpty() ? 0 : list.GetItemIndex(editText);
        if (item >= 0 && item < static_cast<int>(list.Items().size())) list.SetItemIndex(item);
        break;
    }
    case edColorPickerDropDown: {
        TGridColorDropDown& picker = *p->FColorPickerDropDown;
        picker.SetSelectedColor(GetCellType(realCol, ARow) == ctShape ? GetShapeColor(realCol, ARow)
                                                                       : Colors(realCol, ARow));
        break;
    }
    case edImagePickerDropDown: {
        TGridImageDropDown& picker = *p->FImagePickerDropDown;
        const TCellType type = GetCellType(realCol, ARow);
        if (picksImage(type)) {
            picker.SetImages(GridImages());
            if (picker.Items().empty()) picker.AddImagesFromImageList();
            int index = -1;
            if (type == ctImageList) GetImageIdx(realCol, ARow, index);
            else index = Ints(realCol, ARow);
            picker.SetImageIndex(index);
            const int item = picker.ItemIndex();
            DropDown.SetTextDirect(item >= 0 ? picker.Items()[static_cast<size_t>(item)].Caption : QString());
        } else {
            DropDown.SetTextDirect(editText);
        }
        break;
    }
    case edExGridDropDown: {
        TGridExGridDropDown& list = *p->FExGridDropDown;
        list.BeginUpdate();
        list.EndUpdate();
        if (list.UseItems) {
            QString found;
            int item = -1;
            if (editText.isEmpty()) item = 0;
            else list.LookupText(editText, found, item);
            if (item >= 0 && item < static_cast<int>(list.Items().size())) list.SetItemIndex(item);
        }
        DropDown.SetTextDirect(editText);
        break;
    }
    default: DropDown.SetTextDirect(editText); break;
    }
    const bool colourless = kind == edColorPickerDropDown || kind == edImagePickerDropDown;
    ShowOver(DropDown, r, colourless ? clNone : Color, Start);
    if (kind == edDetailDropDown) {
        TGridDetailPickerDropDown& detail = *p->FDetailPickerDropDown;
        for (size_t i = 0; i < detail.Items().size(); ++i)
            if (detail.Items()[i].Caption == editText) {
                detail.SetItemIndex(static_cast<int>(i));
                break;
            }
    }
    if (p->MouseActions->DirectComboDrop) DropDown.ShowDropDown();
    p->EditCtrl = &DropDown;
}

void TExStringGrid::hideDropDownControl(TExCustomDropDown& DropDown, int RealCol, int ARow) {
    p->EditMode = false;
    if (DropDown.DroppedDown()) DropDown.HideDropDown(false);
    const TCellType type = GetCellType(RealCol, ARow);
    if (&DropDown == p->FColorPickerDropDown) {
        TColor color = p->FColorPickerDropDown->SelectedColor();
        QString value = p->FColorPickerDropDown->SelectedColorText();
        OnColorSelected(this, RealCol, ARow, color, value);
        CommitEditValue(RealCol, ARow, value);
        if (type == ctShape) SetShapeColor(RealCol, ARow, color);
        else SetColors(RealCol, ARow, color);
    } else if (&DropDown == p->FImagePickerDropDown && picksImage(type)) {
        int index = p->FImagePickerDropDown->ImageIndex();
        OnImageSelected(this, RealCol, ARow, index);
        if (type == ctImageList) SetImageIdx(RealCol, ARow, index);
        else CommitEditValue(RealCol, ARow, QString::number(index));
    } else {
        CommitEditValue(RealCol, ARow, DropDown.Text());
    }
    PutAway(DropDown);
}
