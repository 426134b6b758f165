#include "grid/foundation/grid_lists.h"

#include "platform/controls/control.h"
#include "platform/core/exception.h"
#include "platform/system/regional.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr uint32_t DescendingBit = 0x80000000u;

bool isBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= ' '; }

// Splits a comma text: parts are separated by "," or by blanks outside double quotes, a quoted part may hold
// doubled quotes, and a trailing "," adds an empty part.
QStringList splitCommaText(const QString& text) {
    QStringList parts;
    const qsizetype n = text.size();
    qsizetype p = 0;
    auto skipBlanks = [&] {
        while (p < n && isBlank(text[p])) ++p;
    };
    skipBlanks();
    while (p < n) {
        QString part;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        part += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                part += text[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && text[p] > ' ' && text[p] != ',') ++p;
            part = text.mid(start, p - start);
        }
        parts.append(part);
        skipBlanks();
        if (p < n && text[p] == ',') {
            if (p + 1 == n) parts.append(QString());
            do ++p;
            while (p < n && isBlank(text[p]));
        }
    }
    return parts;
}

int withColumn(int item, int column) {
    return static_cast<int>((static_cast<uint32_t>(item) & DescendingBit) |
                            (static_cast<uint32_t>(column) & ~DescendingBit));
}

int withDirection(int item, bool ascending) {
    const uint32_t bits = static_cast<uint32_t>(item);
    return static_cast<int>(ascending ? bits & ~DescendingBit : bits | DescendingBit);
}

}  // namespace

void RaiseListIndexError(int Index) { throw Exception(QString("List index out of bounds (%1)").arg(Index)); }

void TIntList::checkIndex(int Index) const {
    if (Index < 0 || Index >= Count()) RaiseListIndexError(Index);
}

int TIntList::GetInteger(int Index) const {
    checkIndex(Index);
    return items_[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value) {
    checkIndex(Index);
    items_[static_cast<size_t>(Index)] = Value;
    changed();
}

void TIntList::Add(int Value) {
    items_.push_back(Value);
    changed();
}

void TIntList::Delete(int Index) {
    checkIndex(Index);
    items_.erase(items_.begin() + Index);
    changed();
}

void TIntList::Insert(int Index, int Value) {
    if (Index < 0 || Index > Count()) RaiseListIndexError(Index);
    items_.insert(items_.begin() + Index, Value);
}

bool TIntList::HasValue(int Value) const { return std::find(items_.begin(), items_.end(), Value) != items_.end(); }

void TIntList::DeleteValue(int Value) {
    const auto it = std::find(items_.begin(), items_.end(), Value);
    if (it != items_.end()) Delete(static_cast<int>(it - items_.begin()));
}

QString TIntList::StrValue() const {
    QStringList parts;
    for (int v : items_) parts.append(QString::number(v));
    return parts.join(',');
}

void TIntList::SetStrValue(const QString& Value) {
    const QStringList parts = splitCommaText(Value);
    Clear();
    for (const QString& part : parts) Add(StrToInt(part));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
    Add(Ascending ? ColumnIndex : withDirection(ColumnIndex, false));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
    for (int i = 0; i < Count(); ++i)
        if (SortColumns(i) == ColumnIndex) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
    const int i = FindIndex(ColumnIndex);
    if (i >= 0) SetInteger(i, static_cast<int>(static_cast<uint32_t>(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int i) const {
    return static_cast<int>(static_cast<uint32_t>(GetInteger(i)) & ~DescendingBit);
}

void TSortIndexList::SetSortColumns(int i, int Value) { SetInteger(i, withColumn(GetInteger(i), Value)); }

bool TSortIndexList::SortDirections(int i) const { return (static_cast<uint32_t>(GetInteger(i)) & DescendingBit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Value) { SetInteger(i, withDirection(GetInteger(i), Value)); }

QString TSortIndexList::SaveToString() const {
    QStringList parts;
    for (int i = 0; i < Count(); ++i)
        parts.append((SortDirections(i) ? "u" : "d") + QString::number(GetInteger(i) & 0xFFFF));
    return parts.join(';');
}

void TSortIndexList::LoadFromString(const QString& s) {
    Clear();
    for (const QString& part : s.split(';')) {
        if (part.size() < 2) continue;
        int column = 0;  // kept when the number is malformed
        TryStrToInt(part.mid(1), column);
        AddIndex(column, part[0] == 'u');
    }
}

void TControlList::AddControl(int X, int Y, TControl* AObject) {
    items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->X() == X && items_[static_cast<size_t>(i)]->Y() == Y) return i;
    return -1;
}

TControlItem* TControlList::GetControl(int i) const {
    if (i < 0 || i >= Count()) RaiseListIndexError(i);
    return items_[static_cast<size_t>(i)].get();
}

bool TControlList::HasHandle(HWND Handle) const {
    // A control without a window yet cannot own the handle asked for, so none is made here.
    return std::any_of(items_.begin(), items_.end(), [Handle](const auto& item) {
        auto* win = dynamic_cast<TWinControl*>(item->Control());
        return win != nullptr && win->HandleAllocated() && win->Handle() == Handle;
    });
}

void TControlList::RemoveControl(int i) {
    if (i < 0 || i >= Count()) RaiseListIndexError(i);
    items_.erase(items_.begin() + i);
}

void TControlList::Clear() {
    items_.clear();
}

void TFileStringList::Reset() {
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s) {
    if (Eof()) RaiseListIndexError(static_cast<int>(fp));
    s = at(fp++);
}

void TFileStringList::WriteLn(const QString& s) {
    append(cache + s);
    cache.clear();
}
