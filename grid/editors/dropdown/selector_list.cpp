#include "grid/editors/dropdown/selector_list.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"

TExCustomItemSelector* PlaceSelectorList(TExCustomDropDown& DropDown, TExCustomItemSelector* List, bool& Made) {
    Made = false;
    if (!DropDown.DropDownForm()) return List;
    if (!List) {
        List = new TExCustomItemSelector(&DropDown);
        List->SetParent(DropDown.DropDownForm());
        List->SetSelectorType(stImage);
        List->SetBounds(0, 0, List->Width(), 150);
        Made = true;
    }
    List->SetColor(DropDown.DropDownColor());
    List->UpdateSelectorPanel();
    DropDown.SetControl(List);
    return List;
}

void ResetSelectorList(TExCustomItemSelector& List, int Columns, TImageList* Images, TItemLayout Layout, TColor Color,
                       const TItemAppearance& Appearance) {
    List.OnItemSelect = nullptr;
    List.SetColumns(Columns);
    List.SetImages(Images);
    List.SetItemLayout(Layout);
    List.SetColor(Color);
    List.SetItemAppearance(Appearance);
    List.Items().Clear();
}

TSelectorItem* AddSelectorItem(TExCustomItemSelector& List, const QString& Caption, const TBitmap& Image, int ImageIndex) {
    TSelectorItem* item = List.Items().Add();
    item->SetCaption(Caption);
    item->SetImage(Image);
    item->SetImageIndex(ImageIndex);
    return item;
}

void FinishSelectorList(TExCustomItemSelector& List, int ItemIndex, TNotifyEvent OnItemSelect) {
    List.UpdateSelectorPanel();
    List.SetItemIndex(ItemIndex);
    List.OnItemSelect = std::move(OnItemSelect);
}
