#pragma once

// The strip under the string grid's cells that shows its floating footer: the footer row with
// per-column calculations, a preview of the current row, or the application's own painting.

#include "platform/controls/control.h"

#include <functional>
#include <vector>

class TExStringGrid;

// The display text of a template: every "<#n>" holds the text of column n (CellText); a
// placeholder whose number does not read is dropped, and an unclosed one is kept as text.
QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellText);

class TFooterPanel : public TCustomControl {
public:
    explicit TFooterPanel(TExStringGrid* AGrid);

    // One column of the footer as laid out: the display column and its left and right edge.
    struct Column {
        int Col;
        int Left;
        int Right;
    };
    // The fixed columns, then the scrolled ones from the grid's first visible one.
    std::vector<Column> Columns() const;
    // The display column under a client x; -1 right of the last column.
    int ColumnAt(int X) const;
    // The hint at a client point: OnGridHint of the grid may fill it. True when it shows.
    bool GetHint(TPoint ClientPos, QString& HintStr);
    // The column the shown hint belongs to, -1 when none.
    int HintColumn() const { return FHintCol; }

protected:
    void CreateWnd() override;
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;

private:
    // The right edge of the last column.
    int footerWidth() const;
    void paintFooterRow(TCanvas& canvas);
    void paintFooterCell(TCanvas& canvas, const Column& column, TRect r);
    // The raised frame of the preview styles.
    void paintPreviewFrame(TCanvas& canvas, int width);
    void paintColumnPreview(TCanvas& canvas, TRect area);
    void paintTemplate(TCanvas& canvas, TRect area);

    TExStringGrid* FGrid;
    int FHintCol = -1;
};
