#pragma once

#include "grid/columngrid/grid_column_item.h"

#include <memory>
#include <vector>

class TExColumnGrid;

// The ordered column definitions of a column grid, owned by it. A change outside a batch
// update, outside the grid's own rearranging (NoRecursion) and after loading brings the grid's
// column count to the number of shown items and rebuilds the header texts.
class TGridColumnCollection : public TObject {
public:
    explicit TGridColumnCollection(TExColumnGrid* AOwner);
    ~TGridColumnCollection() override;

    TExColumnGrid* Grid() const { return FOwner; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError outside the collection.
    TGridColumnItem* Items(int Index) const;
    TGridColumnItem* GetItem(int Index) const { return Items(Index); }
    // Copies Value into the item at Index.
    void SetItem(int Index, const TGridColumnItem& Value);
    int IndexOf(const TGridColumnItem* Item) const;

    // A new last item that looks and edits like the one before it.
    TGridColumnItem* Add();
    // A new item with the plain defaults at Index (0 .. Count).
    TGridColumnItem* Insert(int Index);
    // Frees the item at Index.
    void Delete(int Index);
    // Moves the item at FromIndex to ToIndex, the items between shifting one place.
    void Move(int FromIndex, int ToIndex);
    void Clear();
    // Replaces the items with copies of Source's.
    void Assign(const TGridColumnCollection& Source);

    // Changes inside a bracket are told once, at its end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Set while the grid itself rearranges items, so that their changes do not rearrange again.
    bool NoRecursion = false;

    // Matches the items to the grid's columns and takes the present order as the designed one.
    void SetOrganization();
    // Brings the columns back into their designed order (DefIdx). The DefIdx values must be
    // 0 .. Count - 1 each once; other values leave the order as it is.
    void ResetOrganization();

    // A change of Item (nullptr: of the collection as a whole).
    void Update(TGridColumnItem* Item);

private:
    void changed(TGridColumnItem* Item);

    TExColumnGrid* FOwner;
    std::vector<std::unique_ptr<TGridColumnItem>> items_;
    int FUpdateCount = 0;
};
