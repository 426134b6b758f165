#pragma once

#include "grid/foundation/style_interfaces.h"
#include "platform/core/events.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/graphics_objects.h"

#include <memory>

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia,
    wsBlack, wsBlackWhite, wsGray, wsSuperNova, wsSports, wsSmooth
};

// How the analog watch looks. Whoever changes fields calls Changed, which tells the watch to
// draw its face again.
struct TWatchAppearance {
    TWatchAppearance() : TWatchAppearance(nullptr) {}
    TWatchAppearance(const TWatchAppearance& Other) { Assign(Other); }
    TWatchAppearance& operator=(const TWatchAppearance& Other) {
        Assign(Other);
        return *this;
    }
    // Copies every setting, not the change event, and tells it.
    void Assign(const TWatchAppearance& Source);
    // Back to the defaults, without telling.
    void Reset();
    void Changed() { OnChange(nullptr); }

    // Side of the watch square; 0 or less fits the control.
    int Size = 0;
    TColor HourPointer = clBlack;
    TColor BackgroundColor = clWhite;
    TColor MinutePointerShadow = clBtnShadow;
    TColor BackgroundColorTo = clNone;
    TColor HourPointerShadow = clBtnShadow;
    TColor SecondPointer = clRed;
    TColor BorderColor = clBlack;
    TColor MinutePointer = clBlack;
    TFont HourFont;
    TFont AMPMFont;
    // Drawn over the face at its own size, its background colour transparent.
    std::shared_ptr<TBitmap> Picture = std::make_shared<TBitmap>();
    TAMPMFrame AMPMFrame = apRect;
    TWatchShape Shape = wsCircle;
    TPointerStyle PointerStyle = psLine;
    int HourPointerSize = 4;
    int SecondPointerSize = 1;
    int MinutePointerSize = 3;
    TColor HourColor = clBlack;
    TColor MinuteColor = 0x808080;
    int CenterPointSize = 4;
    TColor CenterPointColor = clBlack;
    TColor CenterPointBorderColor = clNone;
    TWatchGradient BackgroundGradient = wgVertical;
    // 0: a tenth of the radius.
    int HourMarkLength = 0;
    int HourMarkWidth = 1;
    // 0: a twentieth of the radius.
    int MinuteMarkLength = 0;
    int MinuteMarkWidth = 1;
    int BorderWidth = 4;
    TColor AMPMColor = clWhite;
    TColor AMPMBorderColor = clBlack;
    TColor CenterPointOuterBorderColor = clNone;
    TTickMarks TickMarks = tmAll;
    THourMarkStyle HourMarkStyle = hmsLine;

    TNotifyEvent OnChange;

private:
    // The defaults that are no plain field initialisers.
    explicit TWatchAppearance(std::nullptr_t);
};

// Whether the watch follows the system clock (plus TimeOffset minutes) and shows seconds.
struct TWatchSettings {
    bool Auto = false;
    bool Second = true;
    int TimeOffset = 0;
};

// The suite's component style on a watch appearance.
void ApplyWatchComponentStyle(TWatchAppearance& A, TExStyle AStyle);

// What a style preset switches besides the appearance.
struct TWatchStyleSwitches {
    bool ShowAMPM;
    bool ShowNumbers;
    bool Animation;
    int AnimationFactor;
};

// A style preset: the appearance reset to its defaults and changed as the style has it, for a
// watch of Width x Height; the switches it keeps stay as they come in.
void ApplyWatchStyle(TWatchAppearance& A, TWatchStyle Style, int Width, int Height, TWatchStyleSwitches& Switches);
