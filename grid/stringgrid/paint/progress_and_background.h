#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/color.h"
#include "platform/graphics/graphic.h"

class TExStringGrid;

enum TProgressStyle { psXP, psClassic };

// The look of appearance-driven progress cells, handed unchanged to the progress painter. The
// fields are read by painting; each setter stores a changed value and fires OnChange, which the
// grid answers with a repaint.
class TGridProgressAppearance : public TObject {
public:
    // Copies every value and keeps this object's OnChange; fires it once.
    void Assign(const TGridProgressAppearance& Source);

    TColor CompleteColor = clRed;
    TColor CompleteFontColor = clBlue;
    TColor UnCompleteColor = clNone;
    TColor UnCompleteFontColor = clWindowText;
    TColor Level0Color = clLime;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TProgressStyle Style = psXP;
    TNotifyEvent OnChange;

    void SetCompleteColor(TColor Value) { change(CompleteColor, Value); }
    void SetCompleteFontColor(TColor Value) { change(CompleteFontColor, Value); }
    void SetUnCompleteColor(TColor Value) { change(UnCompleteColor, Value); }
    void SetUnCompleteFontColor(TColor Value) { change(UnCompleteFontColor, Value); }
    void SetLevel0Color(TColor Value) { change(Level0Color, Value); }
    void SetLevel0ColorTo(TColor Value) { change(Level0ColorTo, Value); }
    void SetLevel1Color(TColor Value) { change(Level1Color, Value); }
    void SetLevel1ColorTo(TColor Value) { change(Level1ColorTo, Value); }
    void SetLevel2Color(TColor Value) { change(Level2Color, Value); }
    void SetLevel2ColorTo(TColor Value) { change(Level2ColorTo, Value); }
    void SetLevel3Color(TColor Value) { change(Level3Color, Value); }
    void SetLevel3ColorTo(TColor Value) { change(Level3ColorTo, Value); }
    void SetLevel1Perc(int Value) { change(Level1Perc, Value); }
    void SetLevel2Perc(int Value) { change(Level2Perc, Value); }
    void SetBorderColor(TColor Value) { change(BorderColor, Value); }
    void SetShowBorder(bool Value) { change(ShowBorder, Value); }
    void SetStacked(bool Value) { change(Stacked, Value); }
    void SetShowPercentage(bool Value) { change(ShowPercentage, Value); }
    void SetCompletionSmooth(bool Value) { change(CompletionSmooth, Value); }
    void SetShowGradient(bool Value) { change(ShowGradient, Value); }
    void SetSteps(int Value) { change(Steps, Value); }
    void SetStyle(TProgressStyle Value) { change(Style, Value); }

private:
    template <class T>
    void change(T& field, T Value) {
        if (field == Value) return;
        field = Value;
        OnChange(this);
    }
};

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// The picture or gradient behind the cells. The fields are read by painting; the setters store
// and repaint the grid, also when the value is unchanged.
class TBackGround : public TObject {
public:
    explicit TBackGround(TExStringGrid* AGrid) : FGrid(AGrid) {}
    void Assign(const TBackGround& Source);

    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    TColor Color = clWindow;
    TColor ColorTo = clBtnFace;
    int Top = 0;
    int Left = 0;
    TBitmap Bitmap;

    void SetDisplay(TBackGroundDisplay Value) { store(Display, Value); }
    void SetCells(TBackGroundCells Value) { store(Cells, Value); }
    void SetColor(TColor Value) { store(Color, Value); }
    void SetColorTo(TColor Value) { store(ColorTo, Value); }
    void SetTop(int Value) { store(Top, Value); }
    void SetLeft(int Value) { store(Left, Value); }
    // Copies the picture into the owned one.
    void SetBitmap(const TBitmap& Value);

private:
    template <class T>
    void store(T& field, T Value) {
        field = Value;
        repaint();
    }
    void repaint();

    TExStringGrid* FGrid;
};
