#include "grid/editors/dropdown/image_picker_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/selector_list.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/system/files.h"

TExImagePickerDropDown::TExImagePickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      keys_(this, {[this] { return static_cast<int>(items_.size()); }, [this] { fillList(); },
                   [this](bool Last) { Last ? SelectLast() : SelectFirst(); },
                   [this](bool Next) { Next ? SelectNext() : SelectPrevious(); }}) {
    SetEditorEnabled(false);
    DropDownEnabled = true;
    SetCursor(crArrow);
    // The base made its pop-up before this class existed: the list joins it now.
    CreateDropDownForm();
}

TExImagePickerDropDown::~TExImagePickerDropDown() = default;

void TExImagePickerDropDown::SetItemIndex(int Value) {
    if (Value == itemIndex_ || Value >= static_cast<int>(items_.size())) return;
    itemIndex_ = Value;
    Invalidate();
    OnChange(this);
    OnSelect(this);
}

int TExImagePickerDropDown::ImageIndex() const {
    return itemIndex_ < 0 ? -1 : items_[static_cast<size_t>(itemIndex_)].ImageIndex;
}

void TExImagePickerDropDown::SetImageIndex(int Value) {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].ImageIndex == Value) {
            SetItemIndex(static_cast<int>(i));
            return;
        }
    SetItemIndex(-1);
}

void TExImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption) {
    const QString folder = ExtractFilePath(AFolder);
    for (const TSearchRec& entry : FindFiles(folder, ExtractFileName(AFolder))) {
        TImageItem& item = items_.emplace_back();
        // A file that is no picture keeps an empty item; nothing is reported.
        if (item.Image->LoadFromFile(folder + entry.Name) && SetImageCaption) item.Caption = entry.Name;
    }
}

void TExImagePickerDropDown::AddImagesFromImageList() {
    if (!Images()) return;
    for (int i = 0; i < Images()->Count(); ++i) items_.emplace_back().ImageIndex = i;
}

void TExImagePickerDropDown::step(TListStep Step) {
    if (const int v = SteppedIndex(Step, itemIndex_, static_cast<int>(items_.size())); v >= 0) SetItemIndex(v);
}

// ---- the list

void TExImagePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    bool made = false;
    list_ = PlaceSelectorList(*this, list_, made);
}

void TExImagePickerDropDown::fillList() {
    ResetSelectorList(*list_, Columns, Images(), Layout, DropDownColor(), appearance_);
    for (const TImageItem& image : items_)
        AddSelectorItem(*list_, image.Caption, *image.Image, image.ImageIndex)->Hint = image.Hint;
    FinishSelectorList(*list_, itemIndex_, [this](TObject*) {
        SetItemIndex(list_->ItemIndex());
        if (!keys_.InternalCall) DoHideDropDown(false);
    });
    list_->ShowHint = ShowHint;
}

void TExImagePickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (list_) {
        fillList();
        if (OnDrawItem)
            list_->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) { OnDrawItem(this, Canvas, R, Index); };
        else list_->OnDrawItem = nullptr;
    }
    oldItemIndex_ = itemIndex_;
}

void TExImagePickerDropDown::SetDropDownSize() {
    if (list_) SizeToSelector(*list_);
    else TExCustomDropDown::SetDropDownSize();
}

void TExImagePickerDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel && list_) SetItemIndex(oldItemIndex_);
}

void TExImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
    TExCustomDropDown::SetSelectionColorStyle(AStyle);
    if (list_) list_->ItemAppearance().SetColorStyle(AStyle);
}

void TExImagePickerDropDown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&appearance_, AStyle);
}

// ---- the wheel and the keys

void TExImagePickerDropDown::wheel(bool Down) {
    if (Enabled() && !ReadOnly && list_) keys_.Wheel(*list_, Down, DroppedDown());
}

void TExImagePickerDropDown::HandleWheelDown() {
    TExCustomDropDown::HandleWheelDown();
    wheel(true);
}

void TExImagePickerDropDown::HandleWheelUp() {
    TExCustomDropDown::HandleWheelUp();
    wheel(false);
}

void TExImagePickerDropDown::WndProc(TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<uint16_t>(Message.WParam);
    const auto shift = static_cast<TShiftState>(Message.LParam);
    const auto alive = alive_.Watch();
    const bool tookHot = Enabled() && DroppedDown() && key == VK_RETURN && list_ && keys_.TakeHot(*list_);
    if (!*alive) return;
    TExCustomDropDown::WndProc(Message);
    if (!*alive || !Enabled() || (shift & ssAlt) || !list_) return;
    if (keys_.KeyDown(*list_, key, shift, tookHot, Columns, DroppedDown(), EditorEnabled())) OnSelect(this);
}

// ---- the edit area

void TExImagePickerDropDown::PaintEditArea(TCanvas& Canvas) {
    TExCustomDropDown::PaintEditArea(Canvas);
    const TRect R = GetEditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (itemIndex_ < 0) return;
    const TImageItem& item = items_[static_cast<size_t>(itemIndex_)];
    if (!item.Image->Empty()) {
        Canvas.Draw(R.Left + (R.Width() - item.Image->Width()) / 2, R.Top + (R.Height() - item.Image->Height()) / 2,
                    *item.Image);
    } else if (Images() && item.ImageIndex >= 0) {
        Images()->Draw(Canvas, R.Left + (R.Width() - Images()->Width) / 2, R.Top + (R.Height() - Images()->Height) / 2,
                       item.ImageIndex);
    }
}
