#pragma once

#include "grid/editors/dropdown/color_palette.h"

#include <array>

// The colour cube: 127 hexagonal cells of colours laid out as one large hexagon in 13 rows.
// A click selects a cell's colour; the cell under the pointer is framed, and with ShowRGBHint
// its hint names the colour's parts. Cells are numbered from 1.
class TExColorCubePanel : public TExCustomColorSelectorPanel {
public:
    struct TCubeCell {
        int X = 0, Y = 0;
        TColor Color = clNone;
    };
    static constexpr int CellCount = 127;

    explicit TExColorCubePanel(TComponent* AOwner);

    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor Value) { SelectCubeCell(Value, -1); }
    int SelectedIndex() const { return selectedIndex_; }
    int HotIndex() const { return hotIndex_; }
    bool ShowRGBHint() const { return showRGBHint_; }
    void SetShowRGBHint(bool Value);
    const TCubeCell& Cell(int Index) const { return cells_.at(static_cast<size_t>(Index - 1)); }

    void InitCells();
    void ResetLayout();
    // The first cell whose centre lies within the cell's half width of the point; -1 for none.
    int CellAtPos(int X, int Y) const;
    // Index in 1 .. 127 selects that cell; any other the first cell of the colour, or none.
    void SelectCubeCell(TColor Color, int Index);
    // A hexagon with points at top and bottom around C, A the vertical step, B the half width.
    static void DrawHexagon(TCanvas& Canvas, TPoint C, int A, int B);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void drawCubeCell(TCanvas& Canvas, int Index);
    void invalidateCell(int Index);

    std::array<TCubeCell, CellCount> cells_{};
    TPoint cubeSize_{6, 3};
    TColor selectedColor_ = clNone;
    int selectedIndex_ = -1;
    int hotIndex_ = -1;
    bool showRGBHint_ = true;
};
