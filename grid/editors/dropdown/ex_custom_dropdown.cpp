#include "grid/editors/dropdown/ex_custom_dropdown.h"

#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/dropdown_styles.h"
#include "grid/editors/dropdown/watched_reference.h"
#include "grid/foundation/color_routines.h"
#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/graphics/canvas.h"
#include "platform/system/platform_version.h"

TExCustomDropDown::TExCustomDropDown(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetBounds(Left(), Top(), 200, 21);
    CreateDropDownForm();
    CreateDropDownButton();
    ReadOnly = false;
    SetText(QString());
    oldText_.clear();
    header_ = std::make_unique<THeaderAppearance>();
    header_->OnChange = [this](TObject*) { headerOrFooterChanged(); };
    header_->OnButtonsChanged = header_->OnChange;
    footer_ = std::make_unique<TFooterAppearance>();
    footer_->OnChange = [this](TObject*) { headerOrFooterChanged(); };
    footer_->OnButtonsChanged = footer_->OnChange;
    buttonAppearance_ = std::make_unique<TExButtonAppearance>();
    isThemed_ = (GetCommonControlsVersionMS() >> 16) > 5;
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    label_.Margin = 0;
    label_.Font.OnChange = [this](TObject*) { updateLabel(); };
}

TExCustomDropDown::~TExCustomDropDown() {
    label_.Font.OnChange = nullptr;
    // The pop-up goes first and is told nothing more: its hiding and its strips must not reach
    // back into a drop-down that is half gone.
    if (form_) {
        TDropDownForm* form = form_;
        form_ = nullptr;
        form->SetExDropDown(nullptr);
        form->OnHide = nullptr;
        form->OnDestroy = nullptr;
        form->OnKeyDown = nullptr;
        form->OnKeyUp = nullptr;
        form->OnKeyPress = nullptr;
        form->OnMouseWheel = nullptr;
        form->OnSizing = nullptr;
        delete form;
    }
    delete button_;
    button_ = nullptr;
}

void TExCustomDropDown::CreateDropDownForm() {
    if (form_) return;
    form_ = new TDropDownForm(this);
    form_->SetExDropDown(this);
    form_->SetVisible(false);
    form_->SetBounds(0, 0, dropDownWidth_, dropDownHeight_);
    form_->OnHide = [this](TObject*) { DropDownFormHide(); };
    form_->OnKeyPress = [this](TObject*, QChar& Key) { DropDownFormKeyPress(Key); };
    form_->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { DropDownFormKeyDown(Key, Shift); };
    form_->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { DropDownFormKeyUp(Key, Shift); };
    form_->OnMouseWheel = [this](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
        if (Delta < 0) DropDownFormWheelDown();
        else DropDownFormWheelUp();
        Handled = true;
    };
    form_->OnDestroy = [this](TObject*) { DropDownFormDestroy(); };
    form_->OnSizing = [this](TObject*) { DropDownFormSizing(); };
}

void TExCustomDropDown::CreateDropDownButton() {
    if (!button_) {
        button_ = new TDropDownEditButton(this);
        button_->SetParent(this);
        button_->OnClick = [this](TObject*) { ShowDropDownOnClick(); };
    }
    UpdateDropDownButton();
}

void TExCustomDropDown::UpdateDropDownButton() {
    button_->SetButtonWidth(buttonWidth_);
    button_->SetHeight(17);
    button_->SetVisible(true);
    button_->SetFocusControl(this);
    ResizeEdit();
}

// ---- properties

void TExCustomDropDown::SetDropDownWidth(int Value) {
    if (dropDownWidth_ == Value) return;
    dropDownWidth_ = Value;
    userDropDownWidth_ = -1;
}

void TExCustomDropDown::SetDropDownHeight(int Value) {
    if (dropDownHeight_ == Value) return;
    dropDownHeight_ = Value;
    userDropDownHeight_ = -1;
}

void TExCustomDropDown::SetImages(TImageList* Value) {
    SetWatched(*this, images_, Value);
}

void TExCustomDropDown::SetControl(TControl* Value) {
    if (control_ == Value) return;
    SetWatched(*this, control_, Value);
    PlaceDropDownControl();
}

void TExCustomDropDown::SetDropDownButtonWidth(int Value) {
    if (buttonWidth_ == Value || !button_) return;
    buttonWidth_ = Value;
    button_->SetButtonWidth(Value);
    ResizeEdit();
}

void TExCustomDropDown::SetDropDownButtonHint(const QString& Value) {
    if (buttonHint_ == Value) return;
    buttonHint_ = Value;
    button_->SetHint(Value);
    button_->ShowHint = !Value.isEmpty();
}

QString TExCustomDropDown::DropDownButtonCaption() const { return button_->ButtonCaption(); }
void TExCustomDropDown::SetDropDownButtonCaption(const QString& Value) { button_->SetButtonCaption(Value); }
void TExCustomDropDown::SetDropDownButtonGlyph(const TGraphic* Value) { button_->SetGlyph(Value); }

void TExCustomDropDown::SetBorderColor(TColor Value) {
    borderColor_ = Value;
    Invalidate();
    if (button_) button_->Button()->Invalidate();
}

void TExCustomDropDown::SetDisabledBorder(bool Value) {
    disabledBorder_ = Value;
    Invalidate();
}

void TExCustomDropDown::SetEditorEnabled(bool Value) {
    editorEnabled_ = Value;
    if (Value) ControlStyle |= csDoubleClicks;
    else ControlStyle &= ~unsigned(csDoubleClicks);
}

QString TExCustomDropDown::Version() const {
    const auto v = static_cast<uint32_t>(GetVersionNr());
    return QString("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TExCustomDropDown::Assign(const TExCustomDropDown& Source) {
    if (&Source == this) return;
    FocusDraw = Source.FocusDraw;
    ForceShadow = Source.ForceShadow;
    DropDownEnabled = Source.DropDownEnabled;
    SetDropDownColor(Source.dropDownColor_);
    DropDownColorTo = Source.DropDownColorTo;
    DropDownGradient = Source.DropDownGradient;
    DropDownBorderColor = Source.DropDownBorderColor;
    DropDownBorderWidth = Source.DropDownBorderWidth;
    DropDownShadow = Source.DropDownShadow;
    SetDropDownWidth(Source.dropDownWidth_);
    SetDropDownHeight(Source.dropDownHeight_);
    DropDownSizeable = Source.DropDownSizeable;
    editType_ = Source.editType_;
    ReturnIsTab = Source.ReturnIsTab;
    LengthLimit = Source.LengthLimit;
    precision_ = Source.precision_;
    Prefix = Source.Prefix;
    Suffix = Source.Suffix;
    DefaultHandling = Source.DefaultHandling;
    CanUndo = Source.CanUndo;
    ExcelStyleDecimalSeparator = Source.ExcelStyleDecimalSeparator;
    ValidChars = Source.ValidChars;
    Signed = Source.Signed;
    AutoThousandSeparator = Source.AutoThousandSeparator;
    buttonAppearance_->Assign(*Source.buttonAppearance_);
    header_->Assign(*Source.header_);
    footer_->Assign(*Source.footer_);
    DropPosition = Source.DropPosition;
    Flat = Source.Flat;
    SetDropDownButtonWidth(Source.buttonWidth_);
    SetDropDownButtonHint(Source.buttonHint_);
    editorEnabled_ = Source.editorEnabled_;
    button_->SetGlyph(&Source.button_->Glyph());
    button_->SetButtonCaption(Source.button_->ButtonCaption());
    SetImages(Source.images_);
    selectionColorStyle_ = Source.selectionColorStyle_;
    SelectionColor = Source.SelectionColor;
    SelectionColorTo = Source.SelectionColorTo;
}

void TExCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    label_.Forget(AComponent);
    if (AComponent == images_) {
        images_ = nullptr;
        Invalidate();
    }
    if (AComponent == control_) control_ = nullptr;
    if (AComponent == form_) form_ = nullptr;
    if (AComponent == button_) button_ = nullptr;
}

void TExCustomDropDown::headerOrFooterChanged() {
    // Changes show at once while the pop-up is open, else at the next opening.
    if (droppedDown_ && form_) form_->InitializeAndUpdate();
}

// ---- styles

void TExCustomDropDown::SetComponentStyle(TExStyle AStyle) {
    exStyle_ = AStyle;
    TDropDownStyleColors colors;
    if (!DropDownStyleColors(AStyle, colors)) return;
    SetDropDownColor(colors.DropDownColor);
    DropDownColorTo = colors.DropDownColorTo;
    if (colors.SetsBorderColor) DropDownBorderColor = colors.DropDownBorderColor;
    header_->Color = colors.HeaderColor;
    header_->ColorTo = colors.HeaderColorTo;
    header_->Font().SetColor(colors.HeaderFontColor);
    header_->BorderColor = colors.HeaderBorderColor;
    footer_->Color = colors.FooterColor;
    footer_->ColorTo = colors.FooterColorTo;
    footer_->Font().SetColor(colors.FooterFontColor);
    footer_->BorderColor = colors.FooterBorderColor;
    TButtonStyleColors b;
    ButtonStyleColors(AStyle, b);
    TExButtonAppearance& a = *buttonAppearance_;
    a.SetColor(b.Color);
    a.SetColorTo(b.ColorTo);
    a.SetBorderColor(b.BorderColor);
    a.SetColorHot(b.ColorHot);
    a.SetColorHotTo(b.ColorHotTo);
    a.SetBorderColorHot(b.BorderColorHot);
    a.SetColorDown(b.ColorDown);
    a.SetColorDownTo(b.ColorDownTo);
    a.SetBorderColorDown(b.BorderColorDown);
    a.SetColorDisabled(b.ColorDisabled);
    a.SetColorDisabledTo(b.ColorDisabledTo);
    a.SetColorChecked(b.ColorChecked);
    a.SetColorCheckedTo(b.ColorCheckedTo);
    a.SetBorderColorChecked(b.BorderColorChecked);
}

void TExCustomDropDown::SetColorTones(const TColorTones& ATones) {
    button_->Colors.ButtonColor = ATones.Background.BrushColor;
    button_->Colors.ButtonColorHot = ATones.Hover.BrushColor;
    button_->Colors.ButtonColorDown = ATones.Selected.BrushColor;
    button_->Colors.ButtonBorderColor = ATones.Background.BorderColor;
    SetBorderColor(ATones.Background.BorderColor);
}

void TExCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
    selectionColorStyle_ = AStyle;
    TSelectionStyleColors colors;
    if (!SelectionStyleColors(AStyle, colors)) return;
    SelectionColor = colors.SelectionColor;
    SelectionColorTo = colors.SelectionColorTo;
}

void TExCustomDropDown::DrawSelectionBackground(TCanvas& ACanvas, TRect R, TColor BackColor, uint8_t Segment) {
    TSelectionStyleColors c;
    if (!SelectionStyleColors(selectionColorStyle_, c)) {
        ACanvas.Pen.Color = SelectionColor;
        ACanvas.Brush.Style = bsSolid;
        ACanvas.Brush.Color = SelectionColor;
        ACanvas.Rectangle(R);
        return;
    }
    DrawSelectionGradient(ACanvas, SelectionColor, SelectionColorTo, c.MirrorColor, c.MirrorColorTo, c.InnerTopColor,
                          c.InnerBottomColor, c.BorderColor, c.CornerColor, BackColor, R, Segment);
}

void TExCustomDropDown::DrawHeaderGradient(TCanvas& ACanvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                                           TGradientDirection Direction) {
    DrawGradient(ACanvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}

// ---- the attached label

void TExCustomDropDown::DoLabelClick() { FireEvent(OnLabelClick, this); }
void TExCustomDropDown::DoLabelDblClick() { FireEvent(OnLabelDblClick, this); }

void TExCustomDropDown::SetLabelCaption(const QString& Value) {
    const bool made = label_.Label() != nullptr;
    label_.SetCaption(Value);
    if (!made) {
        label_.Label()->OnClick = [this](TObject*) { DoLabelClick(); };
        label_.Label()->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
    }
    updateLabel();
}

void TExCustomDropDown::SetLabelFont(const TFont& Value) {
    if (!ParentFont()) label_.Font.Assign(Value);
}

void TExCustomDropDown::SetLabelMargin(int Value) {
    label_.Margin = Value;
    updateLabel();
}

void TExCustomDropDown::SetLabelPosition(TLabelPosition Value) {
    label_.Position = Value;
    updateLabel();
}

void TExCustomDropDown::SetLabelTransparent(bool Value) {
    label_.Transparent = Value;
    updateLabel();
}

void TExCustomDropDown::updateLabel() {
    if (!label_.Label() || !label_.Label()->Parent()) return;
    label_.Place(parentFnt_ ? &Font() : &label_.Font);
}

void TExCustomDropDown::Loaded() {
    parentFnt_ = ParentFont();
    SetEditRect();
    ResizeEdit();
    button_->SetEnabled(Enabled());
    if (TLabel* label = label_.Label(); label && !label_.AlwaysEnabled) label->SetEnabled(Enabled());
    updateLabel();
}

void TExCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    updateLabel();
}
