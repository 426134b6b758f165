#include "grid/stringgrid/model/picker_values.h"

#include "grid/editors/dropdown/color_picker_dropdown.h"
#include "grid/editors/dropdown/image_picker_dropdown.h"

bool PickedColor(TObject* Sender, TColor& Color, QString& ColorText) {
    const auto* picker = dynamic_cast<const TExColorPickerDropDown*>(Sender);
    if (!picker) return false;
    Color = picker->SelectedColor();
    ColorText = picker->SelectedColorText();
    return true;
}

bool PickedImage(TObject* Sender, int& ItemIndex) {
    const auto* picker = dynamic_cast<const TExImagePickerDropDown*>(Sender);
    if (!picker) return false;
    ItemIndex = picker->ItemIndex();
    return true;
}
