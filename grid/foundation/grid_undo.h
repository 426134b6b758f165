#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/core/component.h"

#include <QString>
#include <memory>
#include <vector>

class TBaseGrid;

// One entry of a grid's history: a cell change, or a marker (column and row -1) that opens or
// closes a sequence undone and redone as one step.
class TUndoRedoItem : public TObject {
public:
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    // The text after the change, written back by redo.
    const QString& Value() const { return FValue; }
    void SetValue(const QString& Value) { FValue = Value; }
    // The text before the change, written back by undo.
    const QString& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const QString& Value) { FOrigValue = Value; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool Value) { FSequenceStart = Value; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool Value) { FSequenceStop = Value; }

    bool IsMarker() const { return FSequenceStart || FSequenceStop; }

private:
    int FRow = -1;
    int FCol = -1;
    QString FValue;
    QString FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

// The history, oldest first; it owns its items.
class TUndoRedoCollection {
public:
    TUndoRedoCollection() = default;
    TUndoRedoCollection(const TUndoRedoCollection&) = delete;
    TUndoRedoCollection& operator=(const TUndoRedoCollection&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    TUndoRedoItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
    TUndoRedoItem* Add();
    void Delete(int Index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

// Keeps the cell-text changes of one grid and undoes and redoes them, singly or as bracketed
// sequences. The grid registers nothing itself; its editing does. The grid's UndoRedo and
// this Grid point at each other, and each side forgets the other when that one is removed.
class TExGridUndoRedo : public TComponent {
public:
    explicit TExGridUndoRedo(TComponent* AOwner);
    ~TExGridUndoRedo() override;

    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }
    void Undo();
    void Redo();
    void Reset();

    TUndoRedoCollection& Items() { return FItems; }
    const TUndoRedoCollection& Items() const { return FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* Value);
    // Items below Level count as done; those at Level and beyond are undone.
    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    // 0 keeps every change.
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }

    TExGridUndoRedoEvent OnUndo;
    TExGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void appendMarker(bool start);
    // Writes the item's old (undo) or new (redo) text into the grid and puts the cursor on the
    // cell. Markers are never written.
    void apply(const TUndoRedoItem& I, bool undo);
    const TUndoRedoItem& at(int Index) const { return *FItems.Items(Index); }

    TUndoRedoCollection FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
