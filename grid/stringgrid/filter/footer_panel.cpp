#include "grid/stringgrid/filter/footer_panel.h"

#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/control_hint.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_ids.h"

QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellText) {
    QString out;
    qsizetype from = 0;
    while (from < Template.size()) {
        const qsizetype open = Template.indexOf(QStringLiteral("<#"), from);
        const qsizetype close = open < 0 ? -1 : Template.indexOf(QLatin1Char('>'), open + 2);
        // Without a closing ">" the rest stays as it is.
        if (close < 0) {
            out += Template.mid(from);
            break;
        }
        out += Template.mid(from, open - from);
        bool ok = false;
        const int col = Template.mid(open + 2, close - open - 2).toInt(&ok);
        if (ok) out += CellText(col);
        from = close + 1;
    }
    return out;
}

namespace {
constexpr TColor frameShadow = 0x808080;
constexpr TColor frameLight = 0xFFFFFF;

void line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen.Color = color;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void fill(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}

// The looks whose fixed cells carry a white left edge.
bool raisedLook(const TExStringGrid& grid) {
    return (grid.Look == glSoft || grid.Look == glDUD || grid.Look == glXP || grid.Look == glVista) && !grid.Flat();
}
}  // namespace

TFooterPanel::TFooterPanel(TExStringGrid* AGrid) : TCustomControl(AGrid), FGrid(AGrid) {}

void TFooterPanel::CreateWnd() {
    TCustomControl::CreateWnd();
    const TFloatingFooter& footer = FGrid->FloatingFooter();
    SetBounds(Left(), Top(), Width(), footer.Visible ? footer.Height : 0);
    FGrid->OnCreatedFloatingFooter(this);
}

std::vector<TFooterPanel::Column> TFooterPanel::Columns() const {
    std::vector<Column> out;
    int x = 0;
    auto add = [&](int c) {
        const int w = FGrid->ColWidths(c);
        out.push_back({c, x, x + w});
        x += w + FGrid->GridLineWidth();
    };
    for (int c = 0; c < FGrid->FixedCols() && c < FGrid->ColCount(); ++c) add(c);
    for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) add(c);
    return out;
}

int TFooterPanel::footerWidth() const {
    const std::vector<Column> columns = Columns();
    return columns.empty() ? 0 : columns.back().Right;
}

int TFooterPanel::ColumnAt(int X) const {
    for (const Column& c : Columns())
        if (X >= c.Left && X < c.Right + FGrid->GridLineWidth()) return c.Col;
    return -1;
}

void TFooterPanel::Paint() {
    TCanvas& canvas = Canvas();
    const TFloatingFooter& footer = FGrid->FloatingFooter();
    const TRect client = ClientRect();
    int width = footerWidth();
    switch (footer.FooterStyle) {
    case fsFixedLastRow:
        fill(canvas, footer.Color, {0, 0, width, client.Bottom});
        fill(canvas, FGrid->Color(), {width, 0, client.Right, client.Bottom});
        paintFooterRow(canvas);
        break;
    case fsColumnPreview:
        paintPreviewFrame(canvas, width);
        paintColumnPreview(canvas, {0, 0, width, client.Bottom});
        break;
    case fsCustomPreview:
        paintPreviewFrame(canvas, width);
        paintTemplate(canvas, {0, 0, width, client.Bottom});
        break;
    case fsCustomPaint:
        width = client.Right;
        FGrid->OnFooterPaint(this, footer.Column, canvas, client);
        break;
    }
    if (footer.BorderColor != clNone) line(canvas, footer.BorderColor, 0, 0, width, 0);
}

void TFooterPanel::paintFooterRow(TCanvas& canvas) {
    const TGridOptions options = FGrid->Options();
    const bool vertLines = options & goFixedVertLine, horzLines = options & goFixedHorzLine;
    const int bottom = ClientRect().Bottom;
    for (const Column& c : Columns()) {
        const bool fixed = c.Col < FGrid->FixedCols();
        if (vertLines && raisedLook(*FGrid)) line(canvas, frameLight, c.Left, 0, c.Left, bottom);
        if (horzLines) line(canvas, FGrid->GridLineColor(), c.Left, 0, c.Right + 1, 0);
        if (vertLines) {
            const TColor edge = fixed || FGrid->Look == glVista ? FGrid->GridLineColor() : frameShadow;
            line(canvas, edge, c.Right, 0, c.Right, bottom);
        }
    }
    const std::vector<Column> columns = Columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        const int real = FGrid->RealColIndex(c.Col), last = FGrid->RowCount() - 1;
        if (!FGrid->IsBaseCell(real, last)) continue;
        TRect r{c.Left, 1, c.Right, bottom};
        // A merged footer cell spans the columns of its range.
        const int span = FGrid->CellSpan(real, last).X;
        if (span > 0 && i + static_cast<size_t>(span) < columns.size()) r.Right = columns[i + static_cast<size_t>(span)].Right;
        if (horzLines && raisedLook(*FGrid)) r.Left += 1;
        paintFooterCell(canvas, c, r);
    }
}

void TFooterPanel::paintFooterCell(TCanvas& canvas, const Column& column, TRect r) {
    const int real = FGrid->RealColIndex(column.Col), last = FGrid->RowCount() - 1;
    if (column.Col < FGrid->FixedCols()) {
        FGrid->DrawCellContent(canvas, column.Col, last, r, gdFixed);
        return;
    }
    TBrush brush;
    brush.Color = clNone;
    TFont font;
    font.Assign(FGrid->Font());
    FGrid->OnGetCellColor(FGrid, last, real, gdFixed, brush, font);
    if (brush.Color != clNone) fill(canvas, brush.Color, r);
    if (FGrid->Colors(real, last) != clNone) fill(canvas, FGrid->Colors(real, last), r);
    if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, column.Col, canvas, r);
    else FGrid->DrawCellContent(canvas, column.Col, last, r, gdFixed);
}

void TFooterPanel::paintPreviewFrame(TCanvas& canvas, int width) {
    const TRect client = ClientRect();
    fill(canvas, FGrid->FloatingFooter().Color, {0, 0, width, client.Bottom});
    fill(canvas, FGrid->Color(), {width, 0, client.Right, client.Bottom});
    line(canvas, frameShadow, 0, client.Bottom - 1, width, client.Bottom - 1);
    line(canvas, frameShadow, width - 1, 0, width - 1, client.Bottom);
    line(canvas, frameLight, 0, 0, width, 0);
    line(canvas, frameLight, 0, 0, 0, client.Bottom);
}

void TFooterPanel::paintColumnPreview(TCanvas& canvas, TRect area) {
    const int column = FGrid->FloatingFooter().Column;
    if (FGrid->OnFooterPaint) {
        FGrid->OnFooterPaint(this, column, canvas, area);
        return;
    }
    // The current row's cell, in black whatever the selection's text colour.
    const TColor selectionText = FGrid->SelectionTextColor();
    FGrid->SetSelectionTextColor(clBlack);
    FGrid->DrawCellContent(canvas, column, FGrid->Row(), area, 0);
    FGrid->SetSelectionTextColor(selectionText);
}

void TFooterPanel::paintTemplate(TCanvas& canvas, TRect area) {
    const int row = FGrid->Row();
    const QString text = ExpandFooterTemplate(FGrid->FloatingFooter().CustomTemplate, [&](int c) {
        return c >= 0 && c < FGrid->TotalColCount() ? FGrid->GetCellEx(c, row) : QString();
    });
    THTMLDrawOptions options = FGrid->HTMLDrawOptions();
    THTMLDrawResults results;
    canvas.Font.Assign(FGrid->Font());
    canvas.Brush.Style = bsClear;
    area.Top += 2;
    DrawHTMLText(canvas, text, area, options, results);
    canvas.Brush.Style = bsSolid;
}

bool TFooterPanel::GetHint(TPoint ClientPos, QString& HintStr) {
    const int col = ColumnAt(ClientPos.X);
    if (FGrid->OnGridHint && col >= 0) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, HintStr);
    FHintCol = ShowHint ? col : -1;
    return ShowHint;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    // Another column asks for its own hint.
    const int col = ColumnAt(X);
    if (ShowHint && FHintCol != -1 && col != FHintCol) {
        CancelControlHint();
        FHintCol = col;
    }
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FGrid->OnClick(FGrid);
    FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

void TFooterPanel::WndProc(TMessage& Message) {
    if (Message.Msg == CM_MOUSELEAVE) FHintCol = -1;
    if (Message.Msg == CM_HINTSHOW) {
        auto& info = *reinterpret_cast<THintInfo*>(Message.LParam);
        Message.Result = GetHint(info.CursorPos, info.HintStr) ? 0 : 1;
        return;
    }
    TCustomControl::WndProc(Message);
}
