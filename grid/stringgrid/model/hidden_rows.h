#pragma once

// The rows a string grid keeps out of view: one item per hidden row, holding the row's cells
// for every real column, its height, and the index and filter level it was hidden at.

#include "platform/controls/grid_cell_store.h"
#include "platform/core/component.h"
#include "platform/core/string_list.h"

#include <memory>
#include <vector>

class THiddenRows;

class TGridItem : public TObject {
public:
    explicit TGridItem(THiddenRows* ACollection) : FCollection(ACollection) {}

    // The real row it had when hidden.
    int Idx() const { return FIdx; }
    void SetIdx(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    // The filter level a row list hid it at; 0 for rows hidden by range.
    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    // The texts and objects of the row's cells, indexed by real column. The list is made from
    // the held cells when first asked for; from then on it is what the row holds.
    TStringList& Items() const;
    // Takes the given list in place of the held one, which is freed.
    void SetItems(std::unique_ptr<TStringList> Value);
    // The row's cells, moved in when the row is hidden and out when it is shown again: most
    // hidden rows are never looked at, so they need no list of their own.
    void HoldCells(TGridCellStore::Row Cells);
    TGridCellStore::Row TakeCells();

    // Hidden by a row list (filtering or nodes) rather than by range; such rows come back only
    // with their own level.
    bool FromRowList = false;

private:
    friend class THiddenRows;
    THiddenRows* FCollection;
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    mutable std::unique_ptr<TStringList> FItems;
    mutable TGridCellStore::Row FCells;
};

// The collection of hidden rows with the mappings between real and display rows. The mappings
// keep the indexes sorted beside the items, kept up to date with each change, so that each
// answer costs O(log n) in the number of hidden rows.
class THiddenRows {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TGridItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    TGridItem* Insert(int Index);
    TGridItem* Add() { return Insert(Count()); }
    // Frees the item; the objects in its list are the caller's.
    void Delete(int Index);
    void Clear();
    // Appends one item per Idx (ascending), in time linear in the items.
    void AddRange(const std::vector<int>& Idxs);
    // Frees the items at the indexes (ascending, distinct), in time linear in the items.
    void DeleteRange(const std::vector<int>& Indexes);

    // The item of a hidden row (the first with that Idx), -1 when the row is shown.
    int Find(int RealRow) const;
    bool IsHidden(int RealRow) const;
    // The number of items whose Idx lies below Row.
    int CountBelow(int Row) const;
    // The real row of a display row: the display row-th shown one.
    int DisplToReal(int DisplRow) const;
    // The display row of a real row: the row less the items below it.
    int RealToDispl(int RealRow) const { return RealRow - CountBelow(RealRow); }

private:
    friend class TGridItem;
    void added(int Idx);
    void removed(int Idx);

    std::vector<std::unique_ptr<TGridItem>> items_;
    // Every item's Idx in order, and the distinct ones.
    std::vector<int> sorted_;
    std::vector<int> distinct_;
};
