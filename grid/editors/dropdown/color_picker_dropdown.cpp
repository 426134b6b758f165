#include "grid/editors/dropdown/color_picker_dropdown.h"

#include "grid/editors/dropdown/color_cube.h"
#include "grid/editors/dropdown/color_palette.h"
#include "grid/editors/dropdown/hue_lightness_panel.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/web_colors.h"

TExColorPickerDropDown::TExColorPickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      keys_(this, {[this] { return static_cast<int>(colors_.size()); }, [this] { fillColorList(); },
                   [this](bool Last) { Last ? SelectLast() : SelectFirst(); },
                   [this](bool Next) { Next ? SelectNext() : SelectPrevious(); }}) {
    SetEditorEnabled(false);
    DropDownEnabled = true;
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetCursor(crArrow);
    // The base made its pop-up before this class existed: the list joins it now.
    CreateDropDownForm();
}

TExColorPickerDropDown::~TExColorPickerDropDown() = default;

// ---- the value

void TExColorPickerDropDown::AddDefaultColors() {
    static const struct {
        const char* caption;
        TColor color;
    } defaults[] = {
        {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000},  {"Olive", 0x008080},
        {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},   {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
    };
    for (const auto& d : defaults) colors_.push_back({QString::fromLatin1(d.caption), d.color, true, QString()});
}

void TExColorPickerDropDown::SetItemIndex(int Value) {
    if (Value >= static_cast<int>(colors_.size())) return;
    itemIndex_ = Value;
    if (Value >= 0) selectedColor_ = colors_[static_cast<size_t>(Value)].Color;
    Invalidate();
    OnSelect(this);
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value) {
    if (Value == selectedColor_) return;
    selectedColor_ = Value;
    bool found = false;
    for (size_t i = 0; i < colors_.size() && !found; ++i)
        if (colors_[i].Color == Value) {
            SetItemIndex(static_cast<int>(i));
            found = true;
        }
    if (!found) itemIndex_ = -1;
    Invalidate();
}

QString TExColorPickerDropDown::GetSelectedColorText() const {
    if (style_ == csList && itemIndex_ >= 0) return colors_[static_cast<size_t>(itemIndex_)].Caption;
    const TColor rgb = ColorToRGB(selectedColor_);
    const auto hex2 = [](unsigned v) { return QString("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper(); };
    switch (ColorValueText) {
    case cvtHex: return QString("%1").arg(static_cast<unsigned>(selectedColor_), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: return ColorToWebColorName(selectedColor_);
    case cvtRGB:
        return QString("Red:%1,Green:%2,Blue:%3").arg(rgb & 0xFF).arg((rgb >> 8) & 0xFF).arg((rgb >> 16) & 0xFF);
    case cvtHTML: return "#" + hex2(rgb) + hex2(rgb >> 8) + hex2(rgb >> 16);
    default: return QString();
    }
}

void TExColorPickerDropDown::SetShowText(bool Value) {
    if (Value == showText_) return;
    showText_ = Value;
    Invalidate();
}

void TExColorPickerDropDown::step(TListStep Step) {
    if (const int v = SteppedIndex(Step, itemIndex_, static_cast<int>(colors_.size())); v >= 0) SetItemIndex(v);
}

// ---- the panels

void TExColorPickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (DropDownForm()) createStylePanel();
}

void TExColorPickerDropDown::createStylePanel() {
    switch (style_) {
    case csList: createListPanel(); break;
    case csDiscrete: createPalettePanel(); break;
    case csColorCube: createCubePanel(); break;
    case csSpectrum: createSpectrumPanel(); break;
    }
}

namespace {
template <typename T>
T* makePanel(T*& panel, TExCustomDropDown* owner, TWinControl* parent, TColor color, bool& made) {
    made = !panel;
    if (!panel) {
        panel = new T(owner);
        panel->SetParent(parent);
    }
    panel->SetBounds(0, 0, panel->Width(), panel->Height());
    panel->SetColor(color);
    return panel;
}
}  // namespace

void TExColorPickerDropDown::createListPanel() {
    bool made = false;
    makePanel(list_, this, DropDownForm(), DropDownColor(), made);
    list_->SetSelectorType(stColor);
    list_->SetHeight(150);
    list_->UpdateSelectorPanel();
    SetControl(list_);
}

void TExColorPickerDropDown::createPalettePanel() {
    bool made = false;
    makePanel(palette_, this, DropDownForm(), DropDownColor(), made);
    if (made) palette_->AddPaletteColors();
    palette_->UpdateItems();
    SetControl(palette_);
}

void TExColorPickerDropDown::createCubePanel() {
    bool made = false;
    makePanel(cube_, this, DropDownForm(), DropDownColor(), made);
    SetControl(cube_);
}

void TExColorPickerDropDown::createSpectrumPanel() {
    bool made = false;
    makePanel(spectrum_, this, DropDownForm(), DropDownColor(), made);
    SetControl(spectrum_);
}

void TExColorPickerDropDown::hideOthers(TControl* Keep) {
    for (TControl* panel : std::initializer_list<TControl*>{list_, palette_, cube_, spectrum_})
        if (panel && panel != Keep) panel->SetVisible(false);
}

void TExColorPickerDropDown::fillColorList() {
    list_->OnItemSelect = nullptr;
    list_->SetColumns(Columns);
    list_->SetImages(Images());
    list_->SetItemLayout(Layout);
    list_->SetColor(DropDownColor());
    TSelectorItems& items = list_->Items();
    items.Clear();
    for (const TColorItem& color : colors_) {
        TSelectorItem* item = items.Add();
        item->SetCaption(color.Caption);
        item->SetColor(color.Color);
        item->Hint = color.Hint;
    }
    list_->SetColorBoxHeight(ColorBoxHeight);
    list_->SetColorBoxWidth(ColorBoxWidth);
    list_->SetItemAppearance(appearance_);
    list_->UpdateSelectorPanel();
    list_->SetItemIndex(itemIndex_);
    list_->OnItemSelect = [this](TObject*) { selectorItemSelect(); };
    list_->ShowHint = ShowHint;
}

void TExColorPickerDropDown::preparePanel(bool Switching) {
    switch (style_) {
    case csList:
        createListPanel();
        hideOthers(list_);
        if (Switching) list_->SetVisible(true);
        fillColorList();
        if (OnDrawColor)
            list_->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) { OnDrawColor(this, Canvas, R, Index); };
        else list_->OnDrawItem = nullptr;
        oldItemIndex_ = itemIndex_;
        break;
    case csDiscrete:
        createPalettePanel();
        hideOthers(palette_);
        palette_->SetSelectedColor(selectedColor_);
        palette_->UpdateItems();
        palette_->OnItemSelect = [this](TObject*) { panelSelect(palette_->SelectedColor(), false); };
        palette_->SetItemColorStyle(SelectionColorStyle());
        palette_->SetVisible(true);
        break;
    case csColorCube:
        createCubePanel();
        hideOthers(cube_);
        cube_->SetSelectedColor(selectedColor_);
        cube_->InitCells();
        cube_->ResetLayout();
        cube_->OnSelect = [this](TObject*) { panelSelect(cube_->SelectedColor(), true); };
        cube_->SetVisible(true);
        break;
    case csSpectrum:
        createSpectrumPanel();
        hideOthers(spectrum_);
        spectrum_->SetSelectedColor(selectedColor_);
        spectrum_->UpdateLayout();
        spectrum_->OnSelect = [this](TObject*) { panelSelect(spectrum_->SelectedColor(), true); };
        spectrum_->SetVisible(true);
        break;
    }
    oldSelectedColor_ = selectedColor_;
}

void TExColorPickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (DropDownForm()) preparePanel(false);
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    if (!DropDownForm()) return;
    preparePanel(true);
    if (style_ == csList) {
        SizeToSelector(*list_);
        list_->Align = alClient;
    } else {
        sizeToPanel();
        Control()->Align = alClient;
    }
    DropDownForm()->ArrangeChildren();
    DropDownForm()->Invalidate();
}

void TExColorPickerDropDown::PlaceDropDownControl() {
    TExCustomDropDown::PlaceDropDownControl();
    // Only the list may be sized by the user.
    if (DropDownForm() && style_ != csList) DropDownForm()->Sizeable = false;
}

void TExColorPickerDropDown::sizeToPanel() {
    TDropDownForm& form = *DropDownForm();
    TControl* control = Control();
    const bool shown = control && control->Visible();
    if (control) control->Align = alNone;
    const int width = shown ? control->Width() + 2 * DropDownBorderWidth : Width();
    int height = 2 * DropDownBorderWidth;
    if (DropDownHeader().Visible()) height += DropDownHeader().Height;
    if (DropDownFooter().Visible()) height += DropDownFooter().Height;
    if (shown) height += control->Height();
    form.SetBounds(form.Left(), form.Top(), width, height);
}

void TExColorPickerDropDown::SetDropDownSize() {
    if (!DropDownForm()) return;
    if (style_ != csList) sizeToPanel();
    else if (list_) SizeToSelector(*list_);
    else TExCustomDropDown::SetDropDownSize();
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (!Cancel) return;
    if (style_ == csList && list_) SetItemIndex(oldItemIndex_);
    // The palette goes back to the colour of the opening, and the value with it.
    if (style_ == csDiscrete && palette_) palette_->SetSelectedColor(oldSelectedColor_);
}

void TExColorPickerDropDown::DropDownFormDestroy() {
    TExCustomDropDown::DropDownFormDestroy();
    if (IsDestroying()) return;
    list_ = nullptr;
    palette_ = nullptr;
    cube_ = nullptr;
    spectrum_ = nullptr;
}

// ---- choosing

void TExColorPickerDropDown::selectorItemSelect() {
    SetItemIndex(list_->ItemIndex());
    if (!keys_.InternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::panelSelect(TColor Color, bool AlwaysClose) {
    SetSelectedColor(Color);
    SetItemIndex(-1);
    if (AlwaysClose || !keys_.InternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
    TExCustomDropDown::SetSelectionColorStyle(AStyle);
    if (list_) list_->ItemAppearance().SetColorStyle(AStyle);
}

void TExColorPickerDropDown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&appearance_, AStyle);
}

// ---- the wheel and the keys

void TExColorPickerDropDown::wheel(bool Down) {
    if (!Enabled() || ReadOnly) return;
    if (style_ == csList && list_) {
        keys_.Wheel(*list_, Down, DroppedDown());
    } else if (style_ == csDiscrete && palette_) {
        keys_.InternalCall = true;
        if (DroppedDown()) Down ? palette_->HotNext() : palette_->HotPrevious();
        else Down ? palette_->SelectNext() : palette_->SelectPrevious();
        keys_.InternalCall = false;
    }
}

void TExColorPickerDropDown::HandleWheelDown() {
    TExCustomDropDown::HandleWheelDown();
    wheel(true);
}

void TExColorPickerDropDown::HandleWheelUp() {
    TExCustomDropDown::HandleWheelUp();
    wheel(false);
}

void TExColorPickerDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN) keyDownMessage(Message);
    else TExCustomDropDown::WndProc(Message);
}

void TExColorPickerDropDown::keyDownMessage(TMessage& Message) {
    const auto key = static_cast<uint16_t>(Message.WParam);
    const auto shift = static_cast<TShiftState>(Message.LParam);
    const auto alive = alive_.Watch();
    // Enter over a hot item in the open pop-up chooses it.
    bool tookHot = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN) {
        if (style_ == csList && list_) {
            tookHot = keys_.TakeHot(*list_);
        } else if (style_ == csDiscrete && palette_ && palette_->ItemHot() >= 0) {
            palette_->SetItemIndex(palette_->ItemHot());
            tookHot = true;
        }
    }
    if (!*alive) return;
    TExCustomDropDown::WndProc(Message);
    if (!*alive || !Enabled() || (shift & ssAlt)) return;
    if (style_ == csList && list_) {
        if (keys_.KeyDown(*list_, key, shift, tookHot, Columns, DroppedDown(), EditorEnabled())) OnSelect(this);
    } else if (style_ == csDiscrete && palette_) {
        keys_.InternalCall = true;
        palette_->KeySelect(key, EditorEnabled(), DroppedDown());
        keys_.InternalCall = false;
        if (key == VK_RETURN && !tookHot) OnSelect(this);
    }
}

// ---- the edit area

void TExColorPickerDropDown::PaintEditArea(TCanvas& Canvas) {
    TExCustomDropDown::PaintEditArea(Canvas);
    PaintSelectedColor(Canvas);
}

void TExColorPickerDropDown::PaintSelectedColor(TCanvas& Canvas) {
    const TRect R{1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2};
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, Canvas, R);
        return;
    }
    if (selectedColor_ == clNone) return;
    const TRect box{R.Left + 4, (Height() - ColorBoxHeight) / 2 + R.Top, R.Left + 4 + ColorBoxWidth,
                    (Height() - ColorBoxHeight) / 2 + R.Top + ColorBoxHeight};
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = clBlack;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = selectedColor_;
    Canvas.Rectangle(box);
    if (!showText_) return;
    Canvas.Font.Assign(Font());
    if (!EditorEnabled() && Focused()) Canvas.Font.SetColor(clHighlightText);
    TRect text{box.Right + 4, R.Top, R.Right, R.Bottom};
    Canvas.Brush.Color = Focused() ? clHighlight : Color();
    Canvas.FillRect(text);
    Canvas.Brush.Style = bsClear;
    Canvas.DrawText(GetSelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    Canvas.Brush.Style = bsSolid;
}
