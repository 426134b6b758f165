// The parts of the control look that hold the drop-down editors' header and footer; kept apart
// from the grid's own declarations, whose event names the drop-down unit uses too.
#include "grid/stringgrid/paint/control_look.h"

#include "grid/editors/dropdown/strip_appearance.h"

TControlLook::TControlLook(TExStringGrid* AOwner)
    : FOwner(AOwner), FDropDownHeader(std::make_unique<THeaderAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>()) {
    Init();
}

TControlLook::~TControlLook() = default;

void TControlLook::Assign(const TControlLook& Source) {
    if (&Source == this) return;
    CheckSize = Source.CheckSize;
    RadioSize = Source.RadioSize;
    ControlStyle = Source.ControlStyle;
    FCheckedGlyph.Assign(Source.FCheckedGlyph);
    FUnCheckedGlyph.Assign(Source.FUnCheckedGlyph);
    FRadioOnGlyph.Assign(Source.FRadioOnGlyph);
    FRadioOffGlyph.Assign(Source.FRadioOffGlyph);
    ProgressMarginX = Source.ProgressMarginX;
    ProgressMarginY = Source.ProgressMarginY;
    CommentColor = Source.CommentColor;
    Color = Source.Color;
    ProgressBorderColor = Source.ProgressBorderColor;
    CheckAlwaysActive = Source.CheckAlwaysActive;
    RadioAlwaysActive = Source.RadioAlwaysActive;
    FFixedGradientFrom = Source.FFixedGradientFrom;
    FFixedGradientTo = Source.FFixedGradientTo;
    FFixedGradientMirrorFrom = Source.FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = Source.FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = Source.FFixedGradientHoverFrom;
    FFixedGradientHoverTo = Source.FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = Source.FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = Source.FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = Source.FFixedGradientHoverBorder;
    FFixedGradientDownFrom = Source.FFixedGradientDownFrom;
    FFixedGradientDownTo = Source.FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = Source.FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = Source.FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = Source.FFixedGradientDownBorder;
    DropDownAlwaysVisible = Source.DropDownAlwaysVisible;
    SpinButtonsAlwaysVisible = Source.SpinButtonsAlwaysVisible;
    DropDownCount = Source.DropDownCount;
    FDropDownFooter->Assign(*Source.FDropDownFooter);
    FDropDownHeader->Assign(*Source.FDropDownHeader);
    HintMaxWidth = Source.HintMaxWidth;
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(Value); }
void TControlLook::SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(Value); }

