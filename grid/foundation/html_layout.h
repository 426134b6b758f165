#pragma once

#include "grid/foundation/html_renderer.h"
#include "platform/graphics/canvas.h"

#include <QString>
#include <QStringView>

// The working state of DrawHTMLText, shared by the parts that lay out a line's runs, its anchors,
// its formatting tags, its pictures and its form controls. Every line is laid out twice: a
// measuring pass decides what goes on the line, then a second pass draws it at its aligned place
// (or measures it there when the call only hit-tests).

enum class THTMLAlign { Left, Right, Center };

// Carried from line to line. It is noted at the start of a line and put back for the second pass,
// which thereby meets the line in the state the first pass met it.
struct THTMLCarried {
    bool InAnchor = false;
    bool Subscript = false;
    bool Superscript = false;
    bool Shadow = false;
    bool Hidden = false;
    QString Href;
    QString Title;
    int AnchorCounter = 0;
    int ImageCounter = 0;
    int ListLevel = 0;
};

// One call of DrawHTMLText.
struct THTMLCall {
    THTMLCall(TCanvas& canvas, const TRect& rect, const THTMLDrawOptions& options, THTMLDrawResults& results)
        : Canvas(canvas), Rect(rect), O(options), R(results) {}

    TCanvas& Canvas;
    const TRect Rect;
    const THTMLDrawOptions& O;
    THTMLDrawResults& R;
    TFont BaseFont;
    TColor StartBrushColor = clNone;
    unsigned RunFlags = 0;
    bool Themed = false;

    THTMLCarried S;
    THTMLAlign Align = THTMLAlign::Left;
    int Indent = 0;
    int HotImage = 0;  // the image under the test point inside an anchor, by its number; 0 none
    int RememberedOrientation = 0;

    // Changed by drawing passes only.
    bool ErrorMark = false;
    bool ParagraphBackground = false;
    TColor Brush = clNone;  // the background of runs; clNone is transparent
    TColor HoverSavedBrush = clNone;
    TColor HoverSavedFontColor = clNone;
    TColor FontSavedBrush = clNone;
    TColor ParagraphSavedBrush = clNone;
    TColor HiSavedFontColor = clNone;
    TColor HiSavedBrush = clNone;
    TPoint FocusStart;

    void SetBrush(TColor color);
    bool RightToLeft() const;
    // The width and height of a text set as a run in the canvas's current font.
    TSize TextExtent(const QString& text);
    int GhHeight() { return TextExtent(QStringLiteral("gh")).cy; }
};

// Values of one line, shared by its two passes.
struct THTMLLine {
    int Height = 0;
    int MinHeight = 0;  // the height of "gh" in the font the line starts with
    int SubRoom = 0;
    int SuperRoom = 0;
    int TextRaise = 0;
};

// One pass over one line.
struct THTMLPass {
    bool Draws = false;    // else measures
    bool Decides = false;  // the first pass, which decides where the line ends
    const QString* Text = nullptr;
    qsizetype Pos = 0;     // the next markup; what lies before it belongs to the line
    qsizetype End = 0;
    bool EndsText = false;  // nothing after the line is laid out

    TRect LineRect;
    int TextBottom = 0;
    TRect Run;  // where the next run goes
    int X = 0;  // the width used so far
    bool LineBreak = false;
    bool LineFull = false;
    bool ListItemMet = false;
    QString Visible;
    int TrailingSpace = 0;
    int Width = 0;

    bool AnchorRunHit = false;
    bool ImageHit = false;
    bool ControlHit = false;
    bool AnchorHitPending = false;
    TPoint AnchorStart;

    int LineWidth() const { return LineRect.Right - LineRect.Left; }
};

// Pixel values that markup and layout add up stay within this, so no sum can overflow.
constexpr int MaxMarkupPixels = 100000;
int ClampedPixels(long long value);
int AddPixels(int a, int b);
// The test point's distance from where the line's runs start.
int HitOffset(const THTMLCall& call, const THTMLPass& pass);

void DrawHTMLLine(THTMLCall& call, THTMLLine& line, THTMLPass& pass);
// An object of the given size placed on the line; false, with the line full, when it does not fit
// in the measuring pass and would fit on a line of its own.
bool PlaceInline(THTMLLine& line, THTMLPass& pass, int width, int height);
// The tag (from "<" to ">") that follows a run.
void ProcessHTMLTag(THTMLCall& call, THTMLLine& line, THTMLPass& pass, QStringView tag);
void OpenHTMLAnchor(THTMLCall& call, THTMLPass& pass, QStringView tag);
void CloseHTMLAnchor(THTMLCall& call, THTMLLine& line, THTMLPass& pass);
// The anchor hit test of a measured run of width runWidth that ends at the pass's X.
void HitTestHTMLRun(THTMLCall& call, THTMLPass& pass, int runWidth);
// At the end of a drawing pass inside the focused anchor: its frame for this line.
void CloseHTMLFocusForLine(THTMLCall& call, THTMLPass& pass);
// The picture a source names, as IMG and BODY look it up: a name without ":" in the picture
// container, one with "://" in the picture cache, where it is loaded on first use.
class THTMLPicture;
THTMLPicture* FindHTMLPicture(THTMLCall& call, const QString& source);
void PlaceHTMLImage(THTMLCall& call, THTMLLine& line, THTMLPass& pass, QStringView tag);
void PlaceHTMLControl(THTMLCall& call, THTMLLine& line, THTMLPass& pass, QStringView tag);
