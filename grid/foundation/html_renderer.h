#pragma once

#include "platform/graphics/bidi_mode.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <QString>

class TCanvas;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// Formatted texts of cells, headers, footers, hints and drop-downs: a small HTML-like markup
// laid out line by line in a rectangle, and drawn, measured or hit-tested in one call.
//
// Tags: <A HREF="..." TITLE="..."> anchors; <B> <I> <U> <S> styles; <FONT FACE COLOR BGCOLOR
// SIZE>; <P ALIGN INDENT BGCOLOR>; <BR> <HR> line breaks; <UL> <LI> lists; <SUB> <SUP>; <SHAD>
// shadows; <HI> highlights; <E> error marks; <Z> hidden text; <BLINK>; <BODY BACKGROUND
// BGCOLOR>; <IND x>; <R a> turned text; <IMG SRC ALT WIDTH HEIGHT ALIGN> pictures; <CONTROL
// TYPE ID VALUE WIDTH HEIGHT> form controls. Malformed markup draws what it can: an unknown
// tag is skipped, a tag without ">" ends the text, a "<" in text starts a tag ("&lt;" shows
// one), and a single "&" underlines the character after it ("&&" or "&amp;" shows one).

// What a call is asked to do.
struct THTMLDrawOptions {
    TImageList* Images = nullptr;    // pictures of "IDX:" sources
    int HitX = -1;                   // the test point
    int HitY = -1;
    int FocusAnchor = -1;            // anchor framed as focused, from 0; -1 none
    int HoverAnchor = -1;            // anchor under the mouse, from 1
    int ShadowOffset = 1;            // of <SHAD> shadows
    bool HitTestOnly = false;        // measure instead of drawing, and report the control ControlID
    bool MeasureOnly = false;        // lay out only, for the sizes
    bool ScaledImages = false;       // image-list and system pictures drawn scaled by ScaleFactor
    bool KeepColours = false;        // colour markup is ignored
    bool BlinkVisible = true;        // the phase of <BLINK> text
    bool HoverOnly = false;          // only the hovered anchor is underlined and takes hover colours
    bool WordWrap = true;            // break lines at spaces; else cut them with "..."
    bool MouseDown = false;          // pressed state of buttons
    double ScaleFactor = 1.0;
    TColor URLColor = clBlue;        // anchor text
    TColor HoverColor = clNone;      // background of the hovered anchor
    TColor HoverFontColor = clNone;  // text of the hovered anchor
    TColor ShadowColor = clGray;
    QString ControlID;               // with HitTestOnly, a control reported wherever the test point is
    THTMLPictureCache* PictureCache = nullptr;       // pictures of "://" sources, loaded on first use
    TPictureContainer* PictureContainer = nullptr;   // named pictures
    HWND ThemeWindow = nullptr;      // whose visual style draws the controls
    TBiDiMode BiDiMode = bdLeftToRight;
};

// What a call found. HitHref and HitAnchorRect are written only on a hit.
struct THTMLDrawResults {
    QString HitHref;        // HREF of the anchor under the test point; "ctrl" for a control
    QString PlainText;      // the text of all runs, hidden ones too, a carriage return per <BR>
    QString FocusHref;      // HREF of the focused anchor
    QString HitTitle;       // TITLE of the anchor under the test point
    int MaxLineWidth = 0;
    int TotalHeight = 0;
    int AnchorCount = 0;
    int HitAnchor = -1;     // from 1
    TRect HitAnchorRect;
    TRect ControlRect;      // the control under the test point
    QString ControlID;
    QString ControlValue;
    QString ControlType;
};

// Lays Text out in Rect on Canvas, whose font is the base font. True when the test point lies on
// an anchor's text (hit-testing only), on a picture inside an anchor or on a control. The
// canvas's pen, brush and font are as before afterwards.
bool DrawHTMLText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THTMLDrawOptions& Options,
                  THTMLDrawResults& Results);

// The colours of <HI>, for every grid; clHighlight and clHighlightText at first.
void SetHTMLHilightColors(TColor BackColor, TColor TextColor);
TColor HilightBackColor();
TColor HilightTextColor();

// Drawing flags turned for right-to-left output: only on a right-to-left system locale,
// bdRightToLeft swaps a right alignment for the left and a left one for the right, and every
// right-to-left mode reads right to left.
unsigned BiDiDrawTextFlags(unsigned Flags, TBiDiMode BiDiMode);
