#pragma once

// The plain records the string grid keeps beside its cells: node look, column size handling,
// sizing while typing, filter conditions and the change notifier.

#include "grid/stringgrid/model/string_grid_types.h"
#include "platform/core/component.h"
#include "platform/graphics/graphic.h"

#include <memory>
#include <vector>

class TExStringGrid;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of node (tree) cells. Writing the tree's shape or colours repaints the grid.
class TCellNode : public TObject {
public:
    explicit TCellNode(TExStringGrid* AOwner) : FOwner(AOwner) {}
    void Assign(const TCellNode& Source);

    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value) { setAndRepaint(FNodeType, Value); }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value) { setAndRepaint(FShowTree, Value); }
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value) { setAndRepaint(FShowTreeFull, Value); }
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value) { setAndRepaint(FTreeColor, Value); }
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { setAndRepaint(FNodeIndent, Value); }
    // Writing a glyph copies the bitmap.
    TBitmap& ExpandGlyph() { return FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& Value) { FExpandGlyph.Assign(Value); }
    TBitmap& ContractGlyph() { return FContractGlyph; }
    void SetContractGlyph(const TBitmap& Value) { FContractGlyph.Assign(Value); }

    TColor Color = 0xC0C0C0;
    TColor NodeColor = clBlack;
    bool ExpandOne = false;

private:
    template <class T>
    void setAndRepaint(T& field, T Value) {
        if (field == Value) return;
        field = Value;
        repaintGrid();
    }
    void repaintGrid();

    TExStringGrid* FOwner;
    TNodeType FNodeType = cnXP;
    TBitmap FExpandGlyph;
    TBitmap FContractGlyph;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = 0x808080;
};

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

// Column width persistence and stretching.
class TColumnSize : public TObject {
public:
    explicit TColumnSize(TComponent* AOwner) : FOwner(AOwner) {}
    void Assign(const TColumnSize& Source);

    bool Save = false;
    QString Key;
    QString Section;
    bool Stretch() const { return FStretch; }
    // Stores the flag and, once the grid is placed in a parent, stretches StretchColumn at once.
    void SetStretch(bool Value);
    int StretchColumn = -1;
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    TAutoSizeRows Rows = arAll;

private:
    friend class TExStringGrid;  // loading saved widths holds stretching off without stretching
    TComponent* FOwner;
    bool FStretch = false;
};

// Growing the row or the column while the editor's text grows.
class TSizeWhileTyping : public TObject {
public:
    bool Height = false;
    bool Width = false;
};

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

// One filter condition.
class TFilterData : public TObject {
public:
    // Copies everything but Method.
    void Assign(const TFilterData& Source);

    int16_t Column = 0;
    QString Condition;
    bool CaseSensitive = true;
    QString Suffix;
    QString Prefix;
    TFilterOperation Operation = foSHORT;
    TFilterCells Data = fcVirtual;
    TFilterMethod Method = fmExpression;
};

// The grid's filter conditions.
class TFilter : public TObject {
public:
    explicit TFilter(TExStringGrid* AOwner) : FOwner(AOwner) {}
    void Assign(const TFilter& Source);

    int Count() const { return static_cast<int>(items_.size()); }
    TFilterData* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    // The new last item: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    void Delete(int Index);
    void Clear() { items_.clear(); }
    // A new last item whose operation stays foSHORT; Index is not used.
    TFilterData* Insert(int Index);
    TExStringGrid* GetOwner() const { return FOwner; }
    // The first item on real column Col, added (as by Add) when there is none.
    TFilterData* GetColFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every item on the column and repaints its header cell.
    void RemoveColumnFilter(int Col);

private:
    TExStringGrid* FOwner;
    std::vector<std::unique_ptr<TFilterData>> items_;
};

// What outside code implements to hear of every cell selected: the current column and the new row.
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

// A component outside code derives from to hear of changed cells.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;
    virtual void CellsChanged(TRect R) {}
};
