#include "grid/stringgrid/model/cell_model_records.h"

#include "grid/stringgrid/model/ex_string_grid.h"

void TCellNode::Assign(const TCellNode& Source) {
    Color = Source.Color;
    ExpandOne = Source.ExpandOne;
    FNodeType = Source.FNodeType;
    NodeColor = Source.NodeColor;
    FNodeIndent = Source.FNodeIndent;
    FExpandGlyph.Assign(Source.FExpandGlyph);
    FContractGlyph.Assign(Source.FContractGlyph);
    FShowTree = Source.FShowTree;
    FShowTreeFull = Source.FShowTreeFull;
    FTreeColor = Source.FTreeColor;
}

void TCellNode::repaintGrid() {
    if (FOwner) FOwner->Invalidate();
}

void TColumnSize::Assign(const TColumnSize& Source) {
    Rows = Source.Rows;
    Save = Source.Save;
    Key = Source.Key;
    Section = Source.Section;
    FStretch = Source.FStretch;
    StretchColumn = Source.StretchColumn;
    SynchWithGrid = Source.SynchWithGrid;
    SynchNormalCellsOnly = Source.SynchNormalCellsOnly;
    Location = Source.Location;
}

void TColumnSize::SetStretch(bool Value) {
    FStretch = Value;
    auto* grid = dynamic_cast<TExStringGrid*>(FOwner);
    if (grid && grid->Parent()) grid->StretchColumn(StretchColumn);
}

void TFilterData::Assign(const TFilterData& Source) {
    Column = Source.Column;
    Condition = Source.Condition;
    CaseSensitive = Source.CaseSensitive;
    Data = Source.Data;
    Prefix = Source.Prefix;
    Suffix = Source.Suffix;
    Operation = Source.Operation;
}

TFilterData* TFilter::Add() {
    items_.push_back(std::make_unique<TFilterData>());
    items_.back()->Operation = items_.size() == 1 ? foNONE : foAND;
    return items_.back().get();
}

void TFilter::Delete(int Index) {
    if (Index >= 0 && Index < Count()) items_.erase(items_.begin() + Index);
}

void TFilter::Assign(const TFilter& Source) {
    if (&Source == this) return;
    Clear();
    for (const auto& item : Source.items_) {
        TFilterData* copy = Add();
        copy->Assign(*item);
        copy->Method = item->Method;
    }
}
