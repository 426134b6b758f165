#pragma once

#include "grid/editors/attached_label.h"
#include "grid/editors/dropdown/alive_flag.h"
#include "grid/editors/dropdown/dropdown_types.h"
#include "grid/editors/dropdown/ex_button_appearance.h"
#include "grid/editors/dropdown/strip_appearance.h"
#include "grid/foundation/style_interfaces.h"
#include "platform/controls/mask_edit.h"

#include <memory>

class TDropDownEditButton;
class TExCustomItemSelector;
class TDropDownForm;
class TGraphic;
class TImageList;
class TLabel;

// The base of the drop-down controls: a one-line edit with a drop button at its right edge and
// a borderless pop-up that opens under (or over) it. A descendant puts its own Control into the
// pop-up and decides what a choice writes back into the edit.
//
// The edit holds Prefix + value + Suffix; the value (Text) is typed and filtered by EditType
// and formatted with Precision. The pop-up opens with F4, Alt+Down or Alt+Up, the drop button,
// or a click in an edit that cannot be typed into; it closes with Enter (keeping the value),
// Escape (back to the value last written through Text), F4, Alt+Up or Alt+Down, a footer
// button, or a click elsewhere. Events: OnBeforeDropDown, OnDropDown (which may refuse), then
// the pop-up shows; OnBeforeDropUp, the pop-up hides, OnDropUp.
class TExCustomDropDown : public TCustomMaskEdit, public IExStyle, public IExTones {
public:
    explicit TExCustomDropDown(TComponent* AOwner);
    ~TExCustomDropDown() override;

    // ---- opening and closing
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return droppedDown_; }
    TDropDownEditButton* Button() const { return button_; }
    TDropDownForm* DropDownForm() const { return form_; }

    // ---- the pop-up
    TColor DropDownColor() const { return dropDownColor_; }
    void SetDropDownColor(TColor Value) { dropDownColor_ = Value; }
    TColor DropDownColorTo = clNone;
    TColor DropDownBorderColor = clBlack;
    int DropDownBorderWidth = 1;
    TGradientDirection DropDownGradient = gdHorizontal;
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return dropDownHeight_; }
    void SetDropDownHeight(int Value);
    bool DropDownShadow = true;
    bool DropDownSizeable = true;
    bool ForceShadow = false;
    bool DropDownEnabled = false;
    TDropPosition DropPosition = dpAuto;
    THeaderAppearance& DropDownHeader() { return *header_; }
    void SetDropDownHeader(const THeaderAppearance& Value) { header_->Assign(Value); }
    TFooterAppearance& DropDownFooter() { return *footer_; }
    void SetDropDownFooter(const TFooterAppearance& Value) { footer_->Assign(Value); }
    TExButtonAppearance& ButtonAppearance() { return *buttonAppearance_; }
    void SetButtonAppearance(const TExButtonAppearance& Value) { buttonAppearance_->Assign(Value); }
    TImageList* Images() const { return images_; }
    virtual void SetImages(TImageList* Value);
    // The descendant's control shown in the pop-up.
    TControl* Control() const { return control_; }
    void SetControl(TControl* Value);

    // ---- the drop button
    int DropDownButtonWidth() const { return buttonWidth_; }
    void SetDropDownButtonWidth(int Value);
    QString DropDownButtonHint() const { return buttonHint_; }
    void SetDropDownButtonHint(const QString& Value);
    QString DropDownButtonCaption() const;
    void SetDropDownButtonCaption(const QString& Value);
    void SetDropDownButtonGlyph(const TGraphic* Value);

    // ---- the edit's frame and look
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor = clNone;
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool Value);
    bool Flat = false;
    bool FocusDraw = true;
    bool EditorEnabled() const { return editorEnabled_; }
    virtual void SetEditorEnabled(bool Value);

    // ---- the value
    virtual QString Text() const;
    virtual void SetText(const QString& Value);
    // Writes the edit's text as it stands: no prefix, suffix or formatting.
    void SetTextDirect(const QString& Value);
    // The whole text of the edit, prefix and suffix included.
    QString EditText() const { return TCustomEdit::Text(); }
    TDropDownEditType EditType() const { return editType_; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return precision_; }
    void SetPrecision(int Value);
    QString Prefix;
    QString Suffix;
    bool Signed = false;
    bool ReturnIsTab = false;
    int LengthLimit = 0;
    QString ValidChars;
    bool AllowNumericNullValue = false;
    bool DefaultHandling = true;
    bool CanUndo = true;
    bool ExcelStyleDecimalSeparator = false;
    bool AutoThousandSeparator = true;
    double FloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int Value);
    bool IsModified() const { return isModified_; }
    void SetIsModified(bool Value);
    // Caret placement within the value.
    void SelectAll();
    void SelectAfterDecimal();
    void SelectBeforeDecimal();

    // ---- the attached label
    QString LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const QString& Value);
    TFont& LabelFont() { return label_.Font; }
    // Taken only while the edit does not use its parent's font.
    void SetLabelFont(const TFont& Value);
    int LabelMargin() const { return label_.Margin; }
    void SetLabelMargin(int Value);
    TLabelPosition LabelPosition() const { return label_.Position; }
    void SetLabelPosition(TLabelPosition Value);
    bool LabelTransparent() const { return label_.Transparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return label_.AlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { label_.AlwaysEnabled = Value; }
    TLabel* Label() const { return label_.Label(); }

    // ---- styles
    TExStyle GetComponentStyle() const { return exStyle_; }
    void SetComponentStyle(TExStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    virtual void SetSelectionColorStyle(TSelectionColorStyle AStyle);
    TSelectionColorStyle SelectionColorStyle() const { return selectionColorStyle_; }
    TColor SelectionColor = 0xD7FFFD;
    TColor SelectionColorTo = 0x58D4FC;
    virtual void DrawSelectionBackground(TCanvas& ACanvas, TRect R, TColor BackColor, uint8_t Segment);
    virtual void DrawHeaderGradient(TCanvas& ACanvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                                    TGradientDirection Direction);

    QString Version() const;
    virtual int GetVersionNr() const { return 0x01020104; }

    // Copies the drop-down settings of another drop-down (not its text, label, frame colours,
    // events or component style).
    void Assign(const TExCustomDropDown& Source);

    TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TDropDownClipboardEvent OnClipboardCopy;
    TDropDownClipboardEvent OnClipboardCut;
    TDropDownClipboardEvent OnClipboardPaste;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // The set-up after the settings are in place: the frame, the button and the label follow.
    void Loaded();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& /*Height*/) {}
    virtual void FocusDropDownControl() {}
    virtual void DoShowDropDown();
    virtual void PlaceDropDownControl();
    virtual void SetDropDownSize();
    virtual void DoHideDropDown(bool Cancel);
    virtual void DropDownFormHide();
    virtual void DropDownFormDestroy() {}
    virtual void DropDownFormWheelDown() { HandleWheelDown(); }
    virtual void DropDownFormWheelUp() { HandleWheelUp(); }
    virtual void DropDownFormKeyPress(QChar& Key);
    virtual void DropDownFormKeyDown(uint16_t& Key, TShiftState Shift);
    virtual void DropDownFormKeyUp(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyDown(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyUp(uint16_t& Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar& Key);
    virtual void DropDownFormSizing() {}
    virtual void HandleWheelDown() {}
    virtual void HandleWheelUp() {}
    virtual void PaintEditArea(TCanvas& Canvas);
    virtual void SetEditRect();
    virtual void ResizeEdit();

    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void PaintWindow(TCanvas& Canvas) override;
    void Resize() override;

    TRect GetEditRect() const { return editRect_; }
    // Counts the change notices given; a change swallowed for a replaced selection does not count.
    int ChangeCount() const { return changeCount_; }
    // The pop-up sized around an item selector: its natural size where DropDownWidth and
    // DropDownHeight leave it, and room for its scroll bar.
    void SizeToSelector(TExCustomItemSelector& List);
    // Its direct write.
    void SetEditText(const QString& Value);
    // The value can be typed into.
    bool Editable() const { return editorEnabled_; }
    void FormatThousands();
    void ShowDropDownOnClick();
    void DrawControlBorder(TCanvas& Canvas);

    TAliveFlag alive_;

private:
    friend class TDropDownForm;

    // Key and character handling of the framework, then of the value; false when dropped.
    void keyDownMessage(TMessage& Message);
    bool caretKeyAllowed(uint16_t Key, TShiftState Shift);
    void charMessage(TMessage& Message);
    // The character filter of the edit type: true when the character goes on to the edit.
    bool filterChar(QChar& Key, intptr_t KeyData);
    bool filterFloat(QChar& Key, bool Money);
    void toggleSign();
    void endStep();
    void pushCaretOutOfPrefix();
    void afterMouseRelease(TMessage& Message);
    void specialKey(TMessage& Message);
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    // The value with the selected part replaced by Text; Caret and SelLength where they go.
    QString pastedValue(const QString& Text, int& Caret, int& Length) const;
    void setFocusHandling();
    void killFocusHandling();
    void updateLabel();
    void headerOrFooterChanged();
    void toggleDropDown();
    bool hot() const;
    int valueStart() const { return static_cast<int>(Prefix.size()); }

    TAttachedLabel label_{*this};
    bool parentFnt_ = false;
    int dropDownWidth_ = 0, dropDownHeight_ = 0;
    int userDropDownWidth_ = -1, userDropDownHeight_ = -1;
    bool editorEnabled_ = true;
    TImageList* images_ = nullptr;
    QString buttonHint_;
    TColor dropDownColor_ = 0xFFFFFF;
    int buttonWidth_ = 17;
    bool mouseInControl_ = false;
    std::unique_ptr<THeaderAppearance> header_;
    std::unique_ptr<TExButtonAppearance> buttonAppearance_;
    std::unique_ptr<TFooterAppearance> footer_;
    TControl* control_ = nullptr;
    TSelectionColorStyle selectionColorStyle_ = scOffice2007;
    TDropDownEditType editType_ = etString;
    int precision_ = 0;
    bool isThemed_ = false;
    bool blockChange_ = false;
    bool blockCopy_ = false;
    bool buttonDown_ = false;
    bool isModified_ = false;
    bool editModified_ = false;
    int changeCount_ = 0;
    bool altToggled_ = false;
    TRect editRect_;
    bool droppedDown_ = false;
    TExStyle exStyle_ = tsOffice2007Luna;
    TColor borderColor_ = clNone;
    bool disabledBorder_ = true;
    TDropDownForm* form_ = nullptr;
    TDropDownEditButton* button_ = nullptr;
    QString oldText_;
};
