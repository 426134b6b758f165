#pragma once

#include "grid/editors/dropdown/item_selector.h"

class TExCustomDropDown;
class TBitmap;

// The item selector in the pop-up of the drop-downs that list pictures (the image picker and
// the detail drop-down).

// Made once as a picture list 150 high in the drop-down's pop-up (Made tells), then given the
// pop-up's colour and shown there. Returns the list.
TExCustomItemSelector* PlaceSelectorList(TExCustomDropDown& DropDown, TExCustomItemSelector* List, bool& Made);

// The list emptied for its filling at an opening, with the drop-down's looks; choosing in it
// fires nothing until FinishSelectorList binds OnItemSelect.
void ResetSelectorList(TExCustomItemSelector& List, int Columns, TImageList* Images, TItemLayout Layout, TColor Color,
                       const TItemAppearance& Appearance);
TSelectorItem* AddSelectorItem(TExCustomItemSelector& List, const QString& Caption, const TBitmap& Image, int ImageIndex);
void FinishSelectorList(TExCustomItemSelector& List, int ItemIndex, TNotifyEvent OnItemSelect);
