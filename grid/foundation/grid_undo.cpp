#include "grid/foundation/grid_undo.h"

#include "grid/foundation/base_grid.h"

TUndoRedoItem* TUndoRedoCollection::Add() {
    FItems.push_back(std::make_unique<TUndoRedoItem>());
    return FItems.back().get();
}

void TUndoRedoCollection::Delete(int Index) { FItems.erase(FItems.begin() + Index); }

TExGridUndoRedo::TExGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TExGridUndoRedo::~TExGridUndoRedo() = default;

void TExGridUndoRedo::SetGrid(TBaseGrid* Value) {
    FGrid = Value;
    // Either side's destruction then tells the other.
    if (FGrid) FreeNotification(FGrid);
}

void TExGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent != nullptr && AComponent == FGrid) FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue) {
    if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel) FItems.Delete(0);
    TUndoRedoItem* I = FItems.Add();
    I->SetCol(ACol);
    I->SetRow(ARow);
    I->SetValue(NewValue);
    I->SetOrigValue(OldValue);
    FLevel = FItems.Count();
}

void TExGridUndoRedo::appendMarker(bool start) {
    TUndoRedoItem* I = FItems.Add();
    I->SetSequenceStart(start);
    I->SetSequenceStop(!start);
    FLevel = FItems.Count();
}

void TExGridUndoRedo::StartSequence() { appendMarker(true); }

void TExGridUndoRedo::StopSequence() { appendMarker(false); }

void TExGridUndoRedo::Reset() {
    FItems.Clear();
    FLevel = 0;
}

void TExGridUndoRedo::apply(const TUndoRedoItem& I, bool undo) {
    if (I.IsMarker()) return;
    const QString& text = undo ? I.OrigValue() : I.Value();
    const TExGridUndoRedoEvent& event = undo ? OnUndo : OnRedo;
    if (event) event(this, FGrid, I.Col(), I.Row(), FGrid->GetCellEx(I.Col(), I.Row()), text);
    FGrid->SetCellEx(I.Col(), I.Row(), text);
    FGrid->SetCol(FGrid->DisplColIndex(I.Col()));
    FGrid->SetRow(I.Row());
}

void TExGridUndoRedo::Undo() {
    if (!FGrid || FLevel <= 0 || FLevel > FItems.Count()) return;
    if (at(FLevel - 1).SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !at(FLevel - 1).SequenceStart()) {
            apply(at(FLevel - 1), true);
            --FLevel;
        }
        // Step over the start marker; a trimmed history may have lost it.
        if (FLevel > 0) --FLevel;
        FGrid->Invalidate();
        return;
    }
    const TUndoRedoItem& I = at(FLevel - 1);
    if (!I.IsMarker()) {
        apply(I, true);
        FGrid->RepaintCell(FGrid->Col(), I.Row());
    }
    --FLevel;
}

void TExGridUndoRedo::Redo() {
    if (!FGrid || FLevel < 0 || FLevel >= FItems.Count()) return;
    ++FLevel;
    if (at(FLevel - 1).SequenceStart()) {
        while (FLevel < FItems.Count() && !at(FLevel).SequenceStop()) {
            apply(at(FLevel), false);
            ++FLevel;
        }
        // Step over the stop marker; a sequence left open ends with the history.
        if (FLevel < FItems.Count()) ++FLevel;
        FGrid->Invalidate();
        return;
    }
    apply(at(FLevel - 1), false);
}
