#pragma once

#include "platform/core/exception.h"

#include <vector>

// A list of pointers whose checked access names what went wrong.
template <typename T>
class TDbgList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(T* Item) { items_.push_back(Item); }
    void Clear() { items_.clear(); }
    void Delete(int Index) { items_.erase(items_.begin() + Index); }
    // Empties the list and takes the items of ListA in order.
    void AssignList(const TDbgList& ListA) { items_ = ListA.items_; }

    T* ItemsEx(int Index) const {
        if (Index < 0 || Index >= Count()) throw Exception("Index out of bounds in list read access");
        return items_[static_cast<size_t>(Index)];
    }
    void SetItemsEx(int Index, T* Value) {
        if (Index < 0 || Index >= Count()) throw Exception("Index out of bounds in list write access");
        items_[static_cast<size_t>(Index)] = Value;
    }

private:
    std::vector<T*> items_;
};
