#include "grid/editors/dropdown/color_cube.h"

#include "platform/graphics/canvas.h"

namespace {

const TColor cubeColors[TExColorCubePanel::CellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC, 0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC, 0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

}  // namespace

TExColorCubePanel::TExColorCubePanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
    ShowHint = true;
    InitCells();
    ResetLayout();
}

void TExColorCubePanel::SetShowRGBHint(bool Value) {
    showRGBHint_ = Value;
    ShowHint = Value;
}

void TExColorCubePanel::InitCells() {
    cubeSize_ = {6, 3};
    int n = 0;
    for (int r = 1; r <= 13; ++r) {
        const int count = r <= 7 ? r + 6 : 20 - r;
        int x = r <= 7 ? 55 - cubeSize_.X * (r - 1) : 19 + cubeSize_.X * (r - 7);
        const int y = 20 + 10 * (r - 1);
        for (int i = 0; i < count; ++i, ++n, x += 2 * cubeSize_.X) cells_[static_cast<size_t>(n)] = {x, y, cubeColors[n]};
    }
}

void TExColorCubePanel::ResetLayout() {
    hotIndex_ = -1;
    SetBounds(Left(), Top(), 182, 160);
}

int TExColorCubePanel::CellAtPos(int X, int Y) const {
    for (int i = 1; i <= CellCount; ++i) {
        const TCubeCell& c = Cell(i);
        const int dx = c.X - X, dy = c.Y - Y;
        if (dx * dx + dy * dy <= cubeSize_.X * cubeSize_.X) return i;
    }
    return -1;
}

void TExColorCubePanel::SelectCubeCell(TColor Color, int Index) {
    selectedColor_ = Color;
    if (Index >= 1 && Index <= CellCount) {
        selectedIndex_ = Index;
        return;
    }
    selectedIndex_ = -1;
    for (int i = 1; i <= CellCount; ++i)
        if (Cell(i).Color == Color) {
            selectedIndex_ = i;
            return;
        }
}

void TExColorCubePanel::DrawHexagon(TCanvas& Canvas, TPoint C, int A, int B) {
    Canvas.Polygon({{C.X - B, C.Y - A},
                    {C.X, C.Y - 2 * A},
                    {C.X + B, C.Y - A},
                    {C.X + B, C.Y + A},
                    {C.X, C.Y + 2 * A},
                    {C.X - B, C.Y + A}});
}

void TExColorCubePanel::drawCubeCell(TCanvas& Canvas, int Index) {
    if (Index < 1 || Index > CellCount) return;
    const TCubeCell& cell = Cell(Index);
    const TPoint centre{cell.X, cell.Y};
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = cell.Color;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = cell.Color;
    DrawHexagon(Canvas, centre, 3, 6);
    // The hot cell in red and white, the selected one in black and white.
    const auto frame = [&](TColor first) {
        Canvas.Brush.Style = bsClear;
        Canvas.Pen.Color = first;
        DrawHexagon(Canvas, centre, 3, 5);
        Canvas.Pen.Color = 0xFFFFFF;
        DrawHexagon(Canvas, centre, 2, 4);
        Canvas.Brush.Style = bsSolid;
    };
    if (Index == hotIndex_) frame(0x0000FF);
    if (Index == selectedIndex_) frame(0x000000);
}

void TExColorCubePanel::invalidateCell(int Index) {
    if (Index < 1 || Index > CellCount) return;
    const TCubeCell& c = Cell(Index);
    InvalidateRect({c.X - 7, c.Y - 7, c.X + 8, c.Y + 8});
}

void TExColorCubePanel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    for (int i = 1; i <= CellCount; ++i) drawCubeCell(canvas, i);
}

void TExColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int k = CellAtPos(X, Y);
    if (k < 0) return;
    if (selectedIndex_ >= 0) {
        const int old = selectedIndex_;
        selectedIndex_ = -1;
        invalidateCell(old);
    }
    SelectCubeCell(Cell(k).Color, k);
    invalidateCell(k);
    OnSelect(this);
}

void TExColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int k = CellAtPos(X, Y);
    if (k < 0) {
        // The hot cell stays hot; only its hint goes.
        if (showRGBHint_) SetHint(QString());
        return;
    }
    if (k == hotIndex_) return;
    if (hotIndex_ >= 0) {
        const int old = hotIndex_;
        hotIndex_ = -1;
        invalidateCell(old);
    }
    hotIndex_ = k;
    invalidateCell(k);
    if (showRGBHint_) {
        const TColor c = Cell(k).Color;
        SetHint(QString("Red: %1,  Green: %2,  Blue: %3").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF));
    }
}

void TExColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    OnShouldHide(this);
}
