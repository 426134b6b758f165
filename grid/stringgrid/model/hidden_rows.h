#pragma once

// The rows a string grid keeps out of view: one entry per hidden row, holding the row's cells
// for every real column, its height, and the index and filter level it was hidden at.
//
// A filter hides tens of thousands of rows at once and shows them again without looking at most
// of them, so the entries are plain records in one array; the item object of an entry is made
// only when someone asks for it, and from then on reads and writes the entry.

#include "platform/controls/grid_cell_store.h"
#include "platform/core/component.h"
#include "platform/core/string_list.h"

#include <memory>
#include <vector>

class THiddenRows;
class TGridItem;

// What a hidden row keeps besides its real index.
struct THeldRow {
    // The row's cells, unless its item has made its list of them.
    TGridCellStore::Row Cells;
    int Height = 0;
    // The filter level a row list hid it at; 0 for rows hidden by range.
    int Level = 0;
    // Hidden by a row list (filtering or nodes) rather than by range; such rows come back only
    // with their own level.
    bool FromRowList = false;
};

// One hidden row as the collection keeps it.
struct THiddenRowEntry {
    // The real row it had when hidden; changed only through the collection, whose mappings
    // follow it.
    int Idx = 0;
    THeldRow Held;
    std::unique_ptr<TGridItem> Item;
};

// An entry seen as an object; made by the collection on request and freed with the entry.
class TGridItem : public TObject {
public:
    int Idx() const { return FEntry->Idx; }
    void SetIdx(int Value);
    int Height() const { return FEntry->Held.Height; }
    void SetHeight(int Value) { FEntry->Held.Height = Value; }
    int Level() const { return FEntry->Held.Level; }
    void SetLevel(int Value) { FEntry->Held.Level = Value; }
    bool FromRowList() const { return FEntry->Held.FromRowList; }
    void SetFromRowList(bool Value) { FEntry->Held.FromRowList = Value; }
    // The texts and objects of the row's cells, indexed by real column. The list is made from
    // the held cells when first asked for; from then on it is what the row holds.
    TStringList& Items() const;
    // Takes the given list in place of the held one, which is freed.
    void SetItems(std::unique_ptr<TStringList> Value);
    // The row's cells, moved in when the row is hidden and out when it is shown again: most
    // hidden rows are never looked at, so they need no list of their own.
    void HoldCells(TGridCellStore::Row Cells);
    TGridCellStore::Row TakeCells();

private:
    friend class THiddenRows;
    TGridItem(THiddenRows& Collection, THiddenRowEntry& Entry) : FCollection(&Collection), FEntry(&Entry) {}

    THiddenRows* FCollection;
    // Moved along by the collection whenever its array moves the entry.
    THiddenRowEntry* FEntry;
    mutable std::unique_ptr<TStringList> FItems;
};

// The collection of hidden rows with the mappings between real and display rows. The mappings
// keep the indexes sorted beside the entries, kept up to date with each change, so that each
// answer costs O(log n) in the number of hidden rows.
class THiddenRows {
public:
    THiddenRows() = default;
    THiddenRows(const THiddenRows&) = delete;
    THiddenRows& operator=(const THiddenRows&) = delete;

    int Count() const { return static_cast<int>(entries_.size()); }
    // The item of an entry, made on the first request; it lives as long as the entry.
    TGridItem* Items(int Index);
    TGridItem* Insert(int Index);
    TGridItem* Add() { return Insert(Count()); }
    // Frees the entry; the objects in its list are the caller's.
    void Delete(int Index);
    void Clear();
    // Appends one entry per Idx (ascending), in time linear in the entries; Held(k) gives what
    // the k-th one keeps, so that each entry is written once.
    template <class F>
    void AddRange(const std::vector<int>& Idxs, F&& Held);
    void AddRange(const std::vector<int>& Idxs) {
        AddRange(Idxs, [](size_t) { return THeldRow(); });
    }
    // Frees the entries at the indexes (ascending, distinct), in time linear in the entries.
    void DeleteRange(const std::vector<int>& Indexes);

    // An entry's fields, read and written without making its item.
    int Idx(int Index) const { return entry(Index).Idx; }
    void SetIdx(int Index, int Value);
    int Height(int Index) const { return entry(Index).Held.Height; }
    int Level(int Index) const { return entry(Index).Held.Level; }
    bool FromRowList(int Index) const { return entry(Index).Held.FromRowList; }
    // What the entry keeps, in place of what it kept (and of its item's list, if made).
    void Hold(int Index, THeldRow Held);
    // The row's cells out, from the item's list where it has made one.
    TGridCellStore::Row TakeCells(int Index);

    // The entry of a hidden row (the first with that Idx), -1 when the row is shown.
    int Find(int RealRow) const;
    bool IsHidden(int RealRow) const;
    // The number of entries whose Idx lies below Row.
    int CountBelow(int Row) const;
    // The display rows the entries at Indexes (in order of their rows) take when they are shown
    // again together: each one's Idx less the entries below it that stay hidden.
    std::vector<int> PlacesOf(const std::vector<int>& Indexes) const;
    // The real row of a display row: the display row-th shown one.
    int DisplToReal(int DisplRow) const;
    // The display row of a real row: the row less the entries below it.
    int RealToDispl(int RealRow) const { return RealRow - CountBelow(RealRow); }

private:
    friend class TGridItem;
    THiddenRowEntry& entry(int Index) { return entries_.at(static_cast<size_t>(Index)); }
    const THiddenRowEntry& entry(int Index) const { return entries_.at(static_cast<size_t>(Index)); }
    // Points the items of the entries from From on at their entries again, after the array
    // moved them.
    void rebind(size_t From);
    void changeIdx(THiddenRowEntry& Entry, int Value);
    // Makes room for Count more entries, moving the items along if the array moves.
    void reserveMore(size_t Count);
    // Brings the mappings up to date with the entries appended after the first OldCount.
    void mergeAppended(size_t OldCount);
    void added(int Idx);
    void removed(int Idx);

    std::vector<THiddenRowEntry> entries_;
    // Every entry's Idx in order, and the distinct ones.
    std::vector<int> sorted_;
    std::vector<int> distinct_;
};

template <class F>
void THiddenRows::AddRange(const std::vector<int>& Idxs, F&& Held) {
    const size_t oldCount = entries_.size();
    reserveMore(Idxs.size());
    for (size_t k = 0; k < Idxs.size(); ++k) entries_.push_back({Idxs[k], Held(k), nullptr});
    mergeAppended(oldCount);
}
