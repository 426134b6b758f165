// Check boxes, radio buttons and radio groups in cells: made, removed, read, written and toggled.
#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/cells/cell_lookup.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr TCellVAlign kPlacement[] = {vaTop, vaCenter, vaBottom};

bool isCheckBoxKind(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

bool isTextCheckBox(TCellType t) { return t == ctDataCheckBox || t == ctVirtCheckBox; }

// A merged range answers with its base cell's decoration.
TCellType baseCellType(TExStringGrid& Grid, int ACol, int ARow) {
    const TPoint base = Grid.BaseCell(ACol, ARow);
    return Grid.GetCellType(base.X, base.Y);
}

TCellGraphic* baseCellGraphic(TExStringGrid& Grid, int ACol, int ARow) {
    const TPoint base = Grid.BaseCell(ACol, ARow);
    return Grid.GetCellGraphic(base.X, base.Y);
}
}  // namespace

static void requireCellInGrid(const TExStringGrid& grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= grid.TotalColCount() || ARow >= grid.TotalRowCount())
        throw Exception(QStringLiteral("Invalid cell"));
}

// ---- making and removing

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
    requireCellInGrid(*this, ACol, ARow);
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetCheckBox(State, Data, true, haBeforeText, kPlacement[p->VAlignment]);
    if (!Data) return;
    const QString text = GetCellEx(ACol, ARow);
    if (text != CheckTrue && text != CheckFalse) SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
    const int first = p->MouseActions->CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r)) AddCheckBox(ACol, r, cbUnchecked);
        else AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow) {
    const TCellType t = GetCellType(ACol, ARow);
    // The row check box is the grid's shared record and stays.
    if (t == ctCheckBox || t == ctDataCheckBox || t == ctTriStateCheckBox) RemoveCellGraphic(ACol, ARow);
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol) {
    const int first = p->MouseActions->CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
    requireCellInGrid(*this, ACol, ARow);
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetRadioButton(State, true, haBeforeText, kPlacement[p->VAlignment]);
}

void TExStringGrid::AddRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) RemoveRadioButton(ACol, r);
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadioButton); }

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRadio;
    graphic->CellAngle = sl ? sl->Count() : 0;
    graphic->CellBoolean = DirRadio != 0;
    graphic->CellIndex = IdxRadio;
    graphic->CellBitmap = sl;
    graphic->CellCreated = false;
}

TStringList* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
    auto* list = new TStringList;
    AddRadio(ACol, ARow, DirRadio, IdxRadio, list);
    TCellGraphic* graphic = ownCellGraphic(ACol, ARow);
    if (!graphic) {
        delete list;
        return nullptr;
    }
    graphic->CellCreated = true;
    return list;
}

void TExStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

// ---- kinds

bool TExStringGrid::HasCheckBox(int ACol, int ARow) { return isCheckBoxKind(baseCellType(*this, ACol, ARow)); }

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow) {
    const TCellType t = baseCellType(*this, ACol, ARow);
    return isTextCheckBox(t) || t == ctRowCheckBox;
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow) { return baseCellType(*this, ACol, ARow) == ctRadioButton; }
bool TExStringGrid::IsRadio(int ACol, int ARow) { return baseCellType(*this, ACol, ARow) == ctRadio; }

bool IsDataGraphicCell(TExStringGrid& Grid, int ACol, int ARow) {
    const TCellType t = baseCellType(Grid, ACol, ARow);
    return t == ctDataCheckBox || t == ctDataImage || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool TExStringGrid::IsControlCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const TCellType t = baseCellType(*this, ACol, ARow);
    return isCheckBoxKind(t) || t == ctRadio || t == ctButton || t == ctRadioButton;
}

// ---- two-state reading and writing

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    const TCellGraphic* graphic = GraphicByRealRow(*this, ACol, ARow);
    if (!graphic) return false;
    QString checked;
    switch (graphic->CellType) {
    case ctCheckBox: State = graphic->CellBoolean; return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: GetCheckTrue(ACol, ARow, checked); State = AllCells(ACol, ARow) == checked; return true;
    case ctTriStateCheckBox:
        // Without hidden rows the three-state form answers such a cell.
        if (NumHiddenRows() == 0) return false;
        GetCheckTrue(ACol, ARow, checked);
        State = AllCells(ACol, ARow) == checked;
        return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = rowSelected(ARow);
        return true;
    default: return false;
    }
}

bool TExStringGrid::IsChecked(int ACol, int ARow) {
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
    TCellGraphic* graphic = GraphicByRealRow(*this, ACol, ARow);
    if (!graphic) return false;
    QString text;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = State;
        if (!IsHiddenRow(ARow)) RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        if (State) GetCheckTrue(ACol, ARow, text);
        else GetCheckFalse(ACol, ARow, text);
        SetAllCells(ACol, ARow, text);
        return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        SetRowSelect(ARow, State);
        return true;
    default: return false;
    }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
    TCellGraphic* graphic = GraphicByRealRow(*this, ACol, ARow);
    if (!graphic || graphic->CellType != ctTriStateCheckBox) return false;
    graphic->CellCheckBoxState = State;
    if (!IsHiddenRow(ARow)) RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
    return true;
}

bool TExStringGrid::SetCellCheckState(int ACol, int ARow, bool Value) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType) {
    case ctCheckBox:
        if (graphic->CellBoolean != Value) {
            graphic->CellBoolean = Value;
            DoCheckBoxChange(ACol, ARow, Value);
            RepaintCell(DisplColIndex(ACol), ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checked, unchecked;
        GetCheckTrue(ACol, ARow, checked);
        GetCheckFalse(ACol, ARow, unchecked);
        const bool was = GetCellEx(ACol, ARow) == checked;
        SetCellEx(ACol, ARow, Value ? checked : unchecked);
        if (was != Value) DoCheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctRowCheckBox: {
        if (ACol != 0) return false;
        const int real = RealRowIndex(ARow);
        if (rowSelected(real) != Value) {
            SetRowSelect(real, Value);
            DoCheckBoxChange(ACol, ARow, Value);
        }
        return true;
    }
    default: return false;
    }
}

void TExStringGrid::CheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) SetCellCheckState(ACol, r, true);
    if (NumHiddenColumns() > 0) TBaseGrid::Invalidate();
}

void TExStringGrid::UnCheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) SetCellCheckState(ACol, r, false);
}

// ---- toggling

namespace {
TCheckBoxState nextTriState(TCheckBoxState s, bool nodeRow) {
    if (nodeRow) return s == cbChecked ? cbUnchecked : cbChecked;
    return s == cbUnchecked ? cbGrayed : s == cbGrayed ? cbChecked : cbUnchecked;
}
}  // namespace

bool TExStringGrid::ToggleCheck(int ACol, int ARow, bool UserAction) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !isCheckBoxKind(graphic->CellType)) return false;
    const bool group = p->Grouping->AutoCheckGroup;
    const bool nodeRow = group && IsNode(ARow);
    const int parentRow = group && !nodeRow ? GetParentRow(ARow) : -1;
    const bool contracted = nodeRow && GetNodeState(ARow);
    int span = 0;
    if (group) span = nodeRow ? GetNodeSpan(ARow) : parentRow >= 0 ? GetNodeSpan(parentRow) : 0;

    if (UserAction && !p->ControlLook->CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }

    bool newState = false;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = !graphic->CellBoolean;
        newState = graphic->CellBoolean;
        break;
    case ctTriStateCheckBox:
        graphic->CellCheckBoxState = nextTriState(graphic->CellCheckBoxState, nodeRow);
        newState = graphic->CellCheckBoxState == cbChecked;
        break;
    default: {
        // Data, virtual and row check boxes toggle through their text.
        QString checked, unchecked;
        GetCheckTrue(ACol, ARow, checked);
        GetCheckFalse(ACol, ARow, unchecked);
        newState = GetCellEx(ACol, ARow) != checked;
        SetCellEx(ACol, ARow, newState ? checked : unchecked);
    }
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, newState);

    if (nodeRow) {
        for (int i = 1; i < span; ++i)
            SetCheckBoxState(ACol, contracted ? RealRowIndex(ARow) + i : RealRowIndex(ARow + i), newState);
    } else if (parentRow >= 0 && span > 1) {
        bool reference = false;
        GetCheckBoxState(ACol, RealRowIndex(parentRow + 1), reference);
        bool mixed = false;
        for (int i = 1; i < span; ++i) {
            bool state = false;
            GetCheckBoxState(ACol, RealRowIndex(parentRow + i), state);
            mixed = mixed || state != reference;
        }
        SetCheckBoxState(ACol, RealRowIndex(parentRow), mixed ? cbGrayed : reference ? cbChecked : cbUnchecked);
    }
    if (TExGridUndoRedo* undo = UndoRedo()) {
        // By the new state: a data check box keeps its state in the text, not in CellBoolean.
        QString checked, unchecked;
        GetCheckTrue(ACol, ARow, checked);
        GetCheckFalse(ACol, ARow, unchecked);
        undo->RegisterChange(ACol, ARow, newState ? unchecked : checked, newState ? checked : unchecked);
    }
    return true;
}

// ---- hit test

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !(isCheckBoxKind(graphic->CellType) || graphic->CellType == ctRadioButton)) return false;
    if (!p->MouseActions->PreciseCheckBoxCheck) return true;
    const int s = p->ControlLook->CheckSize;
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    int top = r.Top + 2;
    if (graphic->CellVAlign == vaBottom) top = r.Bottom - s - 2;
    else if (graphic->CellVAlign == vaCenter) top = r.Top + (r.Bottom - r.Top - s) / 2;
    // The cell's own alignment counts too, not only the grid's answer for it.
    TAlignment halign = taLeftJustify;
    TVAlignment valign = vtaTop;
    GetCellAlignment(ACol, ARow, halign, valign);
    int left = r.Left + 2;
    if (halign == taRightJustify) {
        left = r.Right - s - 2;
        if (!GetCellEx(ACol, ARow).isEmpty()) left -= GetCellTextSize(ACol, ARow, false, false).cx;
    } else if (halign == taCenter) {
        left = r.Left + (r.Right - r.Left - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

// ---- radio buttons

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
    const TCellGraphic* graphic = baseCellGraphic(*this, ACol, ARow);
    return graphic && graphic->CellType == ctRadioButton && graphic->CellBoolean;
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
    TCellGraphic* graphic = baseCellGraphic(*this, ACol, ARow);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
    for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExStringGrid::SelectRadioButton(int ACol, int ARow, bool UserAction) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (UserAction && !p->ControlLook->CheckAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    if (graphic->CellBoolean) return true;
    graphic->CellBoolean = true;
    RepaintCell(DisplColIndex(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r)
        if (r != ARow && IsRadioButtonChecked(ACol, r)) SetRadioButtonState(ACol, r, false);
    return true;
}

// ---- radio groups

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    IdxRadio = graphic->CellIndex;
    return graphic->CellType == ctRadio;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    graphic->CellIndex = IdxRadio;
    if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
    RepaintCell(DisplColIndex(ACol), ARow);
    return graphic->CellType == ctRadio;
}

TStringList* TExStringGrid::GetRadioStrings(int ACol, int ARow) {
    const TCellGraphic* graphic = baseCellGraphic(*this, ACol, ARow);
    return graphic && graphic->CellType == ctRadio ? graphic->Held<TStringList>() : nullptr;
}

void TExStringGrid::SelectNextRadio(int ACol, int ARow, bool UserAction) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadio) return;
    if (UserAction && !p->ControlLook->RadioAlwaysActive) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return;
    }
    const TStringList* options = graphic->Held<TStringList>();
    // A group without options has nothing to move to.
    if (!options || options->Count() == 0) return;
    int next = graphic->CellIndex >= 0 ? graphic->CellIndex + 1 : options->IndexOf(GetCellEx(ACol, ARow)) + 1;
    if (next >= options->Count()) next = 0;
    // Below -1 the text alone carries the selection.
    if (graphic->CellIndex >= -1) graphic->CellIndex = next;
    graphic->CellVar = next;
    SetCellEx(ACol, ARow, options->Strings(next));
}
