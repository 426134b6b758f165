#include "grid/editors/dropdown/detail_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/selector_list.h"
#include "grid/editors/dropdown/typed_completion.h"
#include "platform/controls/image_list.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

int TDetailItems::IndexOf(const QString& AValue) const {
    for (size_t i = 0; i < size(); ++i)
        if ((*this)[i].Caption == AValue) return static_cast<int>(i);
    return -1;
}

TExDetailDropDown::TExDetailDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      keys_(this, {[this] { return static_cast<int>(items_.size()); }, [this] { fillList(); },
                   [this](bool Last) {
                       if (!EditorEnabled()) Last ? SelectLast() : SelectFirst();
                   },
                   [this](bool Next) { Next ? SelectNext() : SelectPrevious(); }}) {
    SetEditorEnabled(true);
    DropDownEnabled = true;
    captionFont_.Assign(Font());
    notesFont_.Assign(Font());
    // The base made its pop-up before this class existed: the list joins it now.
    CreateDropDownForm();
}

TExDetailDropDown::~TExDetailDropDown() = default;

void TExDetailDropDown::SetItemIndex(int Value) {
    if (Value == itemIndex_) return;
    if (Value >= 0 && Value < static_cast<int>(items_.size())) {
        itemIndex_ = Value;
        const QString caption = items_[static_cast<size_t>(Value)].Caption;
        SetText(caption);
        SetSelStart(0);
        SetSelLength(static_cast<int>(caption.size()));
        Invalidate();
        if (list_) list_->Invalidate();
        OnSelect(this);
    } else if (Value == -1) {
        SetText(QString());
        itemIndex_ = -1;
    }
}

void TExDetailDropDown::step(TListStep Step) {
    if (const int v = SteppedIndex(Step, itemIndex_, static_cast<int>(items_.size())); v >= 0) SetItemIndex(v);
}

// ---- the list

void TExDetailDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    bool made = false;
    list_ = PlaceSelectorList(*this, list_, made);
    if (!made) return;
    list_->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) { drawDetailItem(Canvas, R, Index); };
    list_->OnItemSize = [this](TObject*, TSize& Size) {
        int width = DropDownWidth() > 0 ? DropDownWidth() : DropDownForm()->Width();
        if (list_->VertScrollBar().Visible()) width -= GetSystemMetrics(SM_CXVSCROLL);
        Size = {width - 2 * GetSystemMetrics(SM_CYBORDER) - 4, ItemHeight};
    };
    list_->UpdateSelectorPanel();
    list_->OnResize = [this](TObject*) { list_->UpdateSelectorPanel(); };
}

void TExDetailDropDown::fillList() {
    ResetSelectorList(*list_, 1, Images(), Layout, DropDownColor(), appearance_);
    for (const TDetailItem& detail : items_) AddSelectorItem(*list_, detail.Caption, *detail.Image, detail.ImageIndex);
    FinishSelectorList(*list_, itemIndex_, [this](TObject*) {
        SetItemIndex(list_->ItemIndex());
        if (itemIndex_ >= 0) {
            const QString caption = items_[static_cast<size_t>(itemIndex_)].Caption;
            SetText(caption);
            SetSelStart(0);
            SetSelLength(static_cast<int>(caption.size()));
        }
        if (!keys_.InternalCall) DoHideDropDown(false);
    });
}

void TExDetailDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (list_) fillList();
    oldItemIndex_ = itemIndex_;
}

void TExDetailDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (list_ && DroppedDown() && list_->CanFocus()) list_->SetFocus();
}

void TExDetailDropDown::SetDropDownSize() {
    if (list_) {
        list_->Align = alNone;
        list_->SetBounds(list_->Left(), list_->Top(), DropDownWidth() <= 0 ? Width() : list_->Width(),
                         DropDownHeight() <= 0 ? 100 : list_->Height());
    }
    TExCustomDropDown::SetDropDownSize();
}

void TExDetailDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel && list_ && oldItemIndex_ != -1) {
        // The framework put back the last written text; the item of the opening comes back whole.
        itemIndex_ = -1;
        SetItemIndex(oldItemIndex_);
    }
}

void TExDetailDropDown::DropDownFormSizing() {
    TExCustomDropDown::DropDownFormSizing();
    if (list_) list_->UpdateSelectorPanel();
}

void TExDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
    TExCustomDropDown::SetSelectionColorStyle(AStyle);
    if (list_) list_->ItemAppearance().SetColorStyle(AStyle);
}

void TExDetailDropDown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&appearance_, AStyle);
}

void TExDetailDropDown::drawDetailItem(TCanvas& Canvas, TRect R, int Index) {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= static_cast<int>(items_.size())) return;
    const TDetailItem& item = items_[static_cast<size_t>(Index)];
    const bool captioned = !item.Caption.isEmpty();
    // A picture wins over the glyph; without a caption the graphic stands centred.
    if (!item.Image->Empty()) {
        const int w = item.Image->Width(), h = item.Image->Height();
        // The picture's bottom-left colour lets the row show through.
        Canvas.DrawTransparent(captioned ? R.Left + 2 : R.Left + (R.Width() - w) / 2, R.Top + (R.Height() - h) / 2,
                               *item.Image);
        R.Left += w + 4;
    } else if (Images() && item.ImageIndex >= 0) {
        const int w = Images()->Width, h = Images()->Height;
        Images()->Draw(Canvas, captioned ? R.Left + 2 : R.Left + (R.Width() - w) / 2, R.Top + (R.Height() - h) / 2,
                       item.ImageIndex);
        R.Left += w + 4;
    }
    const auto textColor = [&](TFont& font) {
        if (Index == list_->ItemHot()) font.SetColor(appearance_.ColorHotText);
        if (Index == itemIndex_) font.SetColor(appearance_.ColorSelectedText);
    };
    Canvas.Font.Assign(captionFont_);
    textColor(Canvas.Font);
    Canvas.Brush.Style = bsClear;
    R.Left += 4;
    R.Top += 2;
    R.Right -= 4;
    TRect caption = R;
    Canvas.DrawText(item.Caption, caption, DT_END_ELLIPSIS);
    if (!item.Notes.isEmpty()) {
        R.Top += GetTextSize(Canvas, "gh").cy;
        Canvas.Font.Assign(notesFont_);
        textColor(Canvas.Font);
        TPoint size{};
        DrawHTMLItemText(Canvas, item.Notes, R, Images(), true, nullptr, size);
    }
    Canvas.Brush.Style = bsSolid;
}

// ---- wheel and keys

void TExDetailDropDown::wheel(bool Down) {
    if (!DroppedDown() || !list_) {
        Down ? SelectNext() : SelectPrevious();
        return;
    }
    const int v = list_->ItemIndex() < 0 ? 0 : list_->ItemIndex() + (Down ? 1 : -1);
    if (v >= 0 && v < list_->Items().Count()) keys_.SetListIndex(*list_, v);
    Invalidate();
}

void TExDetailDropDown::HandleWheelDown() {
    TExCustomDropDown::HandleWheelDown();
    wheel(true);
}

void TExDetailDropDown::HandleWheelUp() {
    TExCustomDropDown::HandleWheelUp();
    wheel(false);
}

void TExDetailDropDown::WndProc(TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN || !Enabled() || (Message.LParam & ssAlt)) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<uint16_t>(Message.WParam);
    const auto shift = static_cast<TShiftState>(Message.LParam);
    const bool open = DroppedDown();
    // Enter and Escape stay the framework's; a typed letter looks up only while closed.
    const bool listKey = key != VK_RETURN && key != VK_ESCAPE && key != VK_TAB && key != VK_F4 && key != VK_BACK &&
                         key != VK_DELETE && key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU;
    if (list_ && listKey) {
        keys_.KeyDown(*list_, key, shift, false, 1, open, EditorEnabled());
        if (open && (key == VK_UP || key == VK_DOWN)) Invalidate();
    }
    const bool consumed = open && (key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP ||
                                   key == VK_RIGHT || key == VK_DOWN);
    if (!consumed) TExCustomDropDown::WndProc(Message);
}

void TExDetailDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!items_.empty()) {
        if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
            workMode_ = false;
        } else if (Key == VK_RETURN) {
            if (const int i = items_.IndexOf(EditText()); i >= 0) {
                SetText(items_[static_cast<size_t>(i)].Caption);
                SetItemIndex(i);
                Change();
            }
        } else {
            workMode_ = true;
        }
    }
    TExCustomDropDown::KeyDown(Key, Shift);
    if (!items_.empty() && Key == VK_ESCAPE)
        if (const int i = items_.IndexOf(EditText()); i >= 0) SetItemIndex(i);
}

void TExDetailDropDown::KeyUp(uint16_t& Key, TShiftState Shift) {
    TExCustomDropDown::KeyUp(Key, Shift);
    if (!itemChange_) return;
    SetItemIndex(itemIdx_);
    SetSelStart(itemSel_);
    SetSelLength(static_cast<int>(EditText().size()) - itemSel_);
    itemChange_ = false;
}

void TExDetailDropDown::Change() {
    itemChange_ = false;
    TExCustomDropDown::Change();
    if (!workMode_) return;
    SetIsModified(!EditText().isEmpty());
    if (items_.empty()) return;
    const auto caption = [this](int i) { return items_[static_cast<size_t>(i)].Caption; };
    const int i = CompleteTypedStart(
        *this, static_cast<int>(items_.size()), caption, [&](int i) { return caption(i).toUpper(); }, MatchCase,
        itemSel_);
    if (i < 0) return;
    itemIndex_ = i;
    itemIdx_ = i;
    itemChange_ = true;
}
