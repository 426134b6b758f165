#include "platform/core/string_list.h"

#include <algorithm>

void TStringList::checkIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TStringList::changed() {
    if (updateCount_ > 0) {
        pendingChange_ = true;
        return;
    }
    OnChange(nullptr);
}

void TStringList::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0 && pendingChange_) {
        pendingChange_ = false;
        OnChange(nullptr);
    }
}

const QString& TStringList::Strings(int Index) const {
    checkIndex(Index);
    return items_[static_cast<size_t>(Index)].String;
}

void TStringList::SetStrings(int Index, const QString& Value) {
    checkIndex(Index);
    items_[static_cast<size_t>(Index)].String = Value;
    changed();
}

TObject* TStringList::Objects(int Index) const {
    checkIndex(Index);
    return items_[static_cast<size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* Value) {
    checkIndex(Index);
    items_[static_cast<size_t>(Index)].Object = Value;
    changed();
}

int TStringList::sortedPlace(const QString& S, bool& found) const {
    const auto it = std::lower_bound(items_.begin(), items_.end(), S, [](const Item& item, const QString& s) {
        return QString::compare(item.String, s, Qt::CaseInsensitive) < 0;
    });
    found = it != items_.end() && QString::compare(it->String, S, Qt::CaseInsensitive) == 0;
    return static_cast<int>(it - items_.begin());
}

int TStringList::AddObject(const QString& S, TObject* AObject) {
    int index = Count();
    if (sorted_) {
        bool found = false;
        index = sortedPlace(S, found);
        if (found && Duplicates == dupIgnore) return -1;
        if (found && Duplicates == dupError) throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    items_.insert(items_.begin() + index, Item{S, AObject});
    changed();
    return index;
}

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject) {
    if (Index < 0 || Index > Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    items_.insert(items_.begin() + Index, Item{S, AObject});
    changed();
}

void TStringList::Delete(int Index) {
    checkIndex(Index);
    items_.erase(items_.begin() + Index);
    changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    items_.clear();
    changed();
}

int TStringList::IndexOf(const QString& S) const {
    if (sorted_) {
        bool found = false;
        const int i = sortedPlace(S, found);
        return found ? i : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].String == S) return i;
    return -1;
}

QString TStringList::Text() const { return ToStringList().join(QLatin1Char('\n')); }

QStringList TStringList::ToStringList() const {
    QStringList list;
    list.reserve(Count());
    for (const Item& item : items_) list.append(item.String);
    return list;
}

void TStringList::SetText(const QString& Value) {
    QStringList lines = Value.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (Value.endsWith(QLatin1Char('\n'))) lines.removeLast();
    if (Value.isEmpty()) lines.clear();
    Assign(lines);
}

void TStringList::Assign(const TStringList& Source) {
    if (&Source == this) return;
    BeginUpdate();
    items_.clear();
    for (const Item& item : Source.items_) AddObject(item.String, item.Object);
    changed();
    EndUpdate();
}

void TStringList::Assign(const QStringList& Source) {
    BeginUpdate();
    items_.clear();
    for (const QString& s : Source) Add(s);
    changed();
    EndUpdate();
}

void TStringList::SetSorted(bool Value) {
    if (sorted_ == Value) return;
    sorted_ = Value;
    if (!Value) return;
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        return QString::compare(a.String, b.String, Qt::CaseInsensitive) < 0;
    });
    changed();
}
