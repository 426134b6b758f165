#pragma once

#include "platform/core/component.h"
#include "platform/graphics/color.h"
#include "platform/graphics/graphic.h"

#include <memory>

class TExStringGrid;
class TFooterAppearance;
class THeaderAppearance;

// How check boxes, radio buttons and progress bars in cells are drawn.
enum TControlStyle : int { csClassic, csFlat, csWinXP, csBorland, csDUD, csGlyph, csTheme };

// The look of the controls drawn in cells, the fixed-cell gradients of the gradient looks and
// the header and footer of the grid's drop-down editors. The plain fields are read by painting;
// their setters also repaint. The fixed-cell gradient colours are passed on to the grid.
class TControlLook : public TObject {
public:
    explicit TControlLook(TExStringGrid* AOwner);
    ~TControlLook() override;

    // Sets every colour to its first value; only the hover and pressed mirror colours reach
    // the grid.
    void Init();
    // Copies the look, but not FlatButton, ProgressXP, the two no-disabled flags or
    // FixedDropDownButton; nothing reaches the grid and nothing repaints.
    void Assign(const TControlLook& Source);

    TControlStyle ControlStyle = csTheme;
    int CheckSize = 15;
    int RadioSize = 10;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    TColor Color = clBlack;
    TColor CommentColor = clRed;
    bool FlatButton = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    int ProgressMarginX = 2;
    int ProgressMarginY = 2;
    bool ProgressXP = false;
    // Plain stored values.
    TColor ProgressBorderColor = clGray;
    bool FixedDropDownButton = false;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    int HintMaxWidth = 0;

    void SetControlStyle(TControlStyle Value) { setAndRepaint(ControlStyle, Value); }
    void SetCheckSize(int Value) { setAndRepaint(CheckSize, Value); }
    void SetRadioSize(int Value) { setAndRepaint(RadioSize, Value); }
    void SetDropDownAlwaysVisible(bool Value) { setAndRepaint(DropDownAlwaysVisible, Value); }
    void SetSpinButtonsAlwaysVisible(bool Value) { setAndRepaint(SpinButtonsAlwaysVisible, Value); }
    void SetColor(TColor Value) { setAndRepaint(Color, Value); }
    void SetCommentColor(TColor Value) { setAndRepaint(CommentColor, Value); }
    void SetFlatButton(bool Value) { setAndRepaint(FlatButton, Value); }
    void SetNoDisabledCheckRadioLook(bool Value) { setAndRepaint(NoDisabledCheckRadioLook, Value); }
    void SetNoDisabledButtonLook(bool Value) { setAndRepaint(NoDisabledButtonLook, Value); }
    void SetProgressMarginX(int Value) { setAndRepaint(ProgressMarginX, Value); }
    void SetProgressMarginY(int Value) { setAndRepaint(ProgressMarginY, Value); }
    void SetProgressXP(bool Value) { setAndRepaint(ProgressXP, Value); }

    const TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
    const TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    const TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
    const TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
    // Copy the picture into the owned one and repaint.
    void SetCheckedGlyph(const TBitmap& Value) { setGlyph(FCheckedGlyph, Value); }
    void SetUnCheckedGlyph(const TBitmap& Value) { setGlyph(FUnCheckedGlyph, Value); }
    void SetRadioOnGlyph(const TBitmap& Value) { setGlyph(FRadioOnGlyph, Value); }
    void SetRadioOffGlyph(const TBitmap& Value) { setGlyph(FRadioOffGlyph, Value); }

    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    // Copy into the owned objects, with no repaint.
    void SetDropDownHeader(const THeaderAppearance& Value);
    void SetDropDownFooter(const TFooterAppearance& Value);

    // The fixed-cell gradient. Start, end and frame colours reach the grid unless clNone; the
    // mirror colours always do.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);

private:
    template <class T>
    void setAndRepaint(T& field, T Value) {
        field = Value;
        repaint();
    }
    void setGlyph(TBitmap& Glyph, const TBitmap& Value);
    void repaint();

    TExStringGrid* FOwner;
    TBitmap FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TColor FFixedGradientFrom = clNone, FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone, FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clGray, FFixedGradientHoverTo = clWhite;
    TColor FFixedGradientHoverMirrorFrom = clNone, FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = clSilver;
    TColor FFixedGradientDownFrom = clGray, FFixedGradientDownTo = clSilver;
    TColor FFixedGradientDownMirrorFrom = clNone, FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = clGray;
};
