#include "grid/stringgrid/cells/picker_fixture.h"

#include "grid/editors/dropdown/color_picker_dropdown.h"
#include "grid/editors/dropdown/image_picker_dropdown.h"

TObject* MakeColorPicker(TComponent* Owner, TColor Color) {
    auto* picker = new TExColorPickerDropDown(Owner);
    picker->AddDefaultColors();
    picker->SetSelectedColor(Color);
    return picker;
}

TObject* MakeImagePicker(TComponent* Owner, int Items, int ItemIndex) {
    auto* picker = new TExImagePickerDropDown(Owner);
    for (int i = 0; i < Items; ++i) picker->Items().push_back({});
    picker->SetItemIndex(ItemIndex);
    return picker;
}
