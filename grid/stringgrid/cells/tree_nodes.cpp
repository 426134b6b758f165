// Tree nodes: a node row in column 0 covers the rows of its span; contracting moves them into the
// hidden rows and expanding brings them back. Also the expand cells.
#include "grid/stringgrid/cells/cell_lookup.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

namespace {
TCellGraphic* nodeByRealRow(TExStringGrid& grid, int ARow) {
    TCellGraphic* graphic = GraphicByRealRow(grid, 0, ARow);
    return graphic && graphic->CellType == ctNode ? graphic : nullptr;
}

// The real rows a node covers, its own row included: a span of 0 or less runs to the next node.
int realSpan(TExStringGrid& grid, int ARow, const TCellGraphic& node) {
    if (node.CellIndex > 0) return std::min(node.CellIndex, grid.TotalRowCount() - ARow);
    int r = ARow + 1;
    while (r < grid.TotalRowCount() && !nodeByRealRow(grid, r)) ++r;
    return r - ARow;
}
}  // namespace

void TExStringGrid::AddNode(int ARow, int Span) {
    const int d = DisplRowIndex(ARow);
    TCellGraphic* node = CreateCellGraphic(0, d);
    if (!node) return;
    node->CellType = ctNode;
    node->CellBoolean = false;
    node->CellIndex = Span;
    node->CellErrFrom = 0;
    node->CellAngle = d;
    node->CellHAlign = haBeforeText;
    node->CellVAlign = vaCenter;
    node->CellVar = -1;
    for (int r = d; r < d + Span && r < RowCount(); ++r) {
        TCellProperties* props = GetCellProperties(0, r);
        props->SetNodeLevel(props->NodeLevel() + 1);
    }
    if (p->FNumNodes++ == 0) InvalidateGridRect({0, 0, 0, RowCount() - 1});
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExStringGrid::SetSummaryRow(int ARow) {
    if (TCellGraphic* graphic = CreateCellGraphic(0, DisplRowIndex(ARow))) graphic->CellType = ctSummary;
}

void TExStringGrid::RemoveNode(int ARow) {
    TCellGraphic* node = nodeByRealRow(*this, ARow);
    if (!node || IsHiddenRow(ARow)) return;
    expandNodeOnly(ARow);
    const int d = DisplRowIndex(ARow);
    for (int r = d; r < d + node->CellIndex && r < RowCount(); ++r)
        if (HasCellProperties(0, r)) {
            TCellProperties* props = GetCellProperties(0, r);
            props->SetNodeLevel(std::max(props->NodeLevel() - 1, 0));
        }
    RemoveCellGraphicOfType(0, d, ctNode);
    if (p->FNumNodes > 0) --p->FNumNodes;
}

void TExStringGrid::RemoveAllNodes() {
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    TBaseGrid::Invalidate();
}

// ---- state, level, span

bool TExStringGrid::GetNodeState(int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(0, ARow);
    return graphic && graphic->CellType == ctNode && graphic->CellBoolean;
}

void TExStringGrid::SetNodeState(int ARow, bool Value) {
    if (Value) ContractNode(RealRowIndex(ARow));
    else ExpandNode(RealRowIndex(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow) { return IsNode(ARow) ? NodeLevelOf(*this, ARow) : -1; }

int TExStringGrid::GetNodeSpan(int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(0, ARow);
    return graphic && graphic->CellType == ctNode ? graphic->CellIndex : -1;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span) {
    if (TCellGraphic* graphic = GetCellGraphic(0, ARow); graphic && graphic->CellType == ctNode)
        graphic->CellIndex = Span;
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta) {
    if (TCellGraphic* graphic = GetCellGraphic(0, ARow); graphic && graphic->CellType == ctNode)
        graphic->CellIndex += Delta;
}

int TExStringGrid::GetSubNodeCount(int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(0, ARow);
    return graphic && graphic->CellType == ctNode ? graphic->CellErrFrom : 0;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
    if (TCellGraphic* graphic = GetCellGraphic(0, ARow); graphic && graphic->CellType == ctNode)
        graphic->CellErrFrom += Delta;
}

bool TExStringGrid::HasNodes() { return p->FNumNodes > 0; }
int TExStringGrid::NumNodes() const { return p->FNumNodes; }

// ---- expanding and contracting

void TExStringGrid::expandNodeOnly(int ARow) {
    TCellGraphic* node = nodeByRealRow(*this, ARow);
    if (!node || !node->CellBoolean || IsHiddenRow(ARow)) return;
    node->CellBoolean = false;
    const int top = TopRow(), row = Row();
    const bool disjunct = p->MouseActions->DisjunctRowSelectDirect();
    p->MouseActions->SetDisjunctRowSelectDirect(false);
    const TGridOptions options = Options();
    if (options & goRowSelect) SetOptions(options & ~goRowSelect);
    const bool lock = NumCellControls() == 0;
    if (lock) BeginUpdate();
    // The children were hidden by this node alone: a contracted node inside it was marked
    // expanded when its rows went.
    UnHideRows(ARow + 1, ARow + realSpan(*this, ARow, *node) - 1);
    if (options & goRowSelect) SetOptions(Options() | goRowSelect);
    if (row < RowCount()) SetRow(row);
    if (top < RowCount()) SetTopRow(top);
    p->MouseActions->SetDisjunctRowSelectDirect(disjunct);
    if (lock) EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::ExpandNode(int ARow) {
    if (p->CellNode->ExpandOne) {
        // Every other expanded node goes, but not one that holds the row to expand.
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const int real = RealRowIndex(r);
            const TCellGraphic* node = nodeByRealRow(*this, real);
            if (!node || node->CellBoolean || real == ARow) continue;
            if (real < ARow && ARow < real + realSpan(*this, real, *node)) continue;
            ContractNode(real);
        }
    }
    expandNodeOnly(ARow);
}

void TExStringGrid::ContractNode(int ARow) {
    HideInplaceEdit();
    TCellGraphic* node = nodeByRealRow(*this, ARow);
    if (!node || node->CellBoolean || IsHiddenRow(ARow)) return;
    node->CellBoolean = true;
    const int end = ARow + realSpan(*this, ARow, *node);
    // Contracted nodes inside show their rows again with this one.
    for (int r = ARow + 1; r < end; ++r)
        if (TCellGraphic* inner = nodeByRealRow(*this, r)) inner->CellBoolean = false;
    if (end - 1 > ARow) HideRows(ARow + 1, end - 1);
    CalcFooter(-1);
}

void TExStringGrid::ExpandAll() {
    BeginUpdate();
    // From the top: an outer node shows the inner ones before they are reached.
    for (int r = FixedRows(); r < TotalRowCount(); ++r)
        if (const TCellGraphic* node = nodeByRealRow(*this, r); node && node->CellBoolean) ExpandNode(r);
    EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::ContractAll() {
    BeginUpdate();
    ExpandAll();
    std::vector<std::pair<int, int>> ranges;
    for (int r = FixedRows(); r < TotalRowCount();) {
        TCellGraphic* node = IsHiddenRow(r) ? nullptr : nodeByRealRow(*this, r);
        if (!node) {
            ++r;
            continue;
        }
        const int span = realSpan(*this, r, *node);
        node->CellBoolean = true;
        if (span > 1) ranges.emplace_back(r + 1, r + span - 1);
        r += std::max(span, 1);
    }
    // From the bottom, so that the real rows of the ranges above stay where they are.
    for (auto it = ranges.rbegin(); it != ranges.rend(); ++it) HideRows(it->first, it->second);
    EndUpdate();
    CellControlsUpdate(false);
    CalcFooter(-1);
}

int TExStringGrid::GetParentRow(int ARow) {
    if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
    // The innermost node above whose real rows hold the row; a node row without one is its own.
    const int real = RealRowIndex(ARow);
    const bool isNode = nodeByRealRow(*this, real) != nullptr;
    for (int r = isNode ? real - 1 : real; r >= FixedRows(); --r) {
        const TCellGraphic* node = nodeByRealRow(*this, r);
        if (node && real < r + realSpan(*this, r, *node)) return DisplRowIndex(r);
    }
    return isNode ? ARow : -1;
}

int TExStringGrid::GetNodeSpanType(int ARow) {
    if (IsNode(ARow)) return 0;
    if (ARow >= RowCount() - FixedFooters() - 1 || !HasCellProperties(0, ARow + 1) ||
        NodeLevelOf(*this, ARow + 1) < NodeLevelOf(*this, ARow))
        return 1;
    return 2;
}

bool TExStringGrid::IsInNodeButton(int ARow, int X) {
    if (!p->MouseActions->PreciseNodeClick) return true;
    const int lv = NodeLevelOf(*this, ARow);
    TCellNode& settings = *p->CellNode;
    const int indent = settings.NodeIndent();
    int w = 4, m = 4;
    switch (settings.NodeType()) {
    case cn3D: w = 6; m = 0; break;
    case cnGlyph: {
        const bool empty = settings.ExpandGlyph().Empty();
        w = empty ? 0 : settings.ExpandGlyph().Width() / 2;
        m = empty ? 0 : 2;
        break;
    }
    case cnLeaf: w = 8; m = 2; break;
    default: break;
    }
    return m + (lv - 1) * indent < X && X < w + lv * indent;
}

int TExStringGrid::GetRowIndent(int ARow) {
    if (!HasNodes() || ARow < 0 || !HasCellProperties(0, ARow)) return 0;
    return NodeLevelOf(*this, ARow) * p->CellNode->NodeIndent();
}

// ---- expand cells

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
    const int normal = RowHeights(ARow);
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctExpand;
    graphic->CellAngle = ExpandedHeight;
    graphic->CellIndex = normal;
    graphic->CellVar = false;
}

void TExStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TExStringGrid::HasExpand(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctExpand;
}

bool TExStringGrid::ToggleExpand(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return false;
    graphic->CellVar = !graphic->CellVar.toBool();
    return graphic->CellVar.toBool();
}

bool TExStringGrid::GetExpandState(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellVar.toBool();
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return DefaultRowHeight();
    return Expanded ? graphic->CellAngle : graphic->CellIndex;
}

void TExStringGrid::GetExpandButtonRect(int ACol, int ARow, TRect& R) {
    if (GetCellType(ACol, ARow) != ctExpand) {
        R = TRect{};
        return;
    }
    const TRect cell = CellRect(ACol, ARow);
    R = TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}
