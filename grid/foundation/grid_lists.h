#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/messages/messages.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TControl;

// Raises the list index error "List index out of bounds (<Index>)".
[[noreturn]] void RaiseListIndexError(int Index);

// Integers bound to one cell of a grid; changes are reported with the cell so that the grid repaints just
// that cell.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

    int Count() const { return static_cast<int>(items_.size()); }
    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    void Add(int Value);
    void Delete(int Index);
    // Inserts without reporting a change.
    void Insert(int Index, int Value);
    // Empties the list without reporting a change.
    void Clear() { items_.clear(); }
    bool HasValue(int Value) const;
    // Deletes the first occurrence only.
    void DeleteValue(int Value);

    // The values joined by ",". Writing reads a comma text (a blank outside quotes also separates) and adds
    // each part; a part that is not an integer raises, keeping the parts before it.
    QString StrValue() const;
    void SetStrValue(const QString& Value);

    TImageChangeEvent OnChange;

private:
    void changed() { OnChange(this, FCol, FRow); }
    void checkIndex(int Index) const;

    std::vector<int> items_;
    int FCol;
    int FRow;
};

// Sort columns in order of precedence: each item is a column index in bits 0..30 and the direction in bit 31
// (set for descending). Its text form is "u3;d12".
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;
    void ToggleIndex(int ColumnIndex);

    int SortColumns(int i) const;
    void SetSortColumns(int i, int Value);
    // True for ascending.
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool Value);

    // Only the low 16 bits of each column are written.
    QString SaveToString() const;
    // Parts shorter than two characters are skipped; a malformed number reads as 0.
    void LoadFromString(const QString& s);
};

// A control placed in cell (X, Y).
class TControlItem : public TObject {
public:
    TControlItem(int X, int Y, TControl* AObject) : FX(X), FY(Y), FObject(AObject) {}

    int X() const { return FX; }
    void SetX(int Value) { FX = Value; }
    int Y() const { return FY; }
    void SetY(int Value) { FY = Value; }
    TControl* Control() const { return FObject; }
    void SetControl(TControl* Value) { FObject = Value; }

private:
    int FX;
    int FY;
    TControl* FObject;
};

// The controls placed in cells. The list owns its items, not their controls.
class TControlList : public TObject {
public:
    TControlList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    void AddControl(int X, int Y, TControl* AObject);
    int ControlIndex(int X, int Y) const;
    TControlItem* GetControl(int i) const;
    // Whether some item's control is a windowed control with this window handle.
    bool HasHandle(HWND Handle) const;
    void RemoveControl(int i);
    // Removes every item; the controls themselves stay.
    void Clear();

private:
    std::vector<std::unique_ptr<TControlItem>> items_;
};

// A string list read and written line by line, for exchanging grid contents as text.
class TFileStringList : public QStringList {
public:
    void Reset();
    bool Eof() const { return fp >= size(); }
    // Reading at Eof raises the list index error.
    void ReadLn(QString& s);
    // Write collects text for the line that the next WriteLn adds.
    void Write(const QString& s) { cache += s; }
    void WriteLn(const QString& s);

private:
    qsizetype fp = 0;
    QString cache;
};
