#pragma once

#include "platform/core/events.h"
#include "platform/core/exception.h"

#include <QString>
#include <QStringList>
#include <vector>

class TObject;

// Raised for an index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

enum TDuplicates { dupAccept, dupIgnore, dupError };

// Texts with an object reference each. Objects are not owned. A sorted list keeps its texts in
// order (compared case-insensitively) and adds at the sorted place; with dupIgnore a text
// already in it is not added again. Every change fires OnChange, once per BeginUpdate /
// EndUpdate bracket.
class TStringList {
public:
    TStringList() = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Index errors raise EListError.
    const QString& Strings(int Index) const;
    void SetStrings(int Index, const QString& Value);
    TObject* Objects(int Index) const;
    void SetObjects(int Index, TObject* Value);

    // The index of the new text; -1 when a sorted list with dupIgnore holds it already.
    int Add(const QString& S) { return AddObject(S, nullptr); }
    int AddObject(const QString& S, TObject* AObject);
    void Insert(int Index, const QString& S) { InsertObject(Index, S, nullptr); }
    void InsertObject(int Index, const QString& S, TObject* AObject);
    void Delete(int Index);
    void Clear();
    // The first index of a text equal to S (case-insensitively when sorted), -1 when none.
    int IndexOf(const QString& S) const;

    // The texts joined by line breaks; writing replaces every line.
    QString Text() const;
    void SetText(const QString& Value);
    QStringList ToStringList() const;
    // Copies texts and objects.
    void Assign(const TStringList& Source);
    void Assign(const QStringList& Source);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    TDuplicates Duplicates = dupAccept;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    TNotifyEvent OnChange;

private:
    struct Item {
        QString String;
        TObject* Object = nullptr;
    };
    void checkIndex(int Index) const;
    void changed();
    int sortedPlace(const QString& S, bool& found) const;

    std::vector<Item> items_;
    bool sorted_ = false;
    int updateCount_ = 0;
    bool pendingChange_ = false;
};
