#pragma once

// The string grid's published values as a form description holds them: name and value, in the
// order of declaration. A value equal to its stored default is left out. The stored default is
// the value after construction but for FixedRowHeight (21) and ScrollWidth (17).

#include "platform/graphics/color.h"

#include <QString>
#include <QVariant>
#include <type_traits>
#include <vector>

class TExStringGrid;

struct TStreamedProperty {
    QString Name;
    QVariant Value;
    bool operator==(const TStreamedProperty&) const = default;
};
using TFormProperties = std::vector<TStreamedProperty>;

// How a published value is held in a description: enumerations by ordinal, colours as numbers.
template <class T>
QVariant ToStreamedValue(T v) {
    if constexpr (std::is_enum_v<T>) return QVariant(static_cast<int>(v));
    else if constexpr (std::is_same_v<T, TColor>) return QVariant(static_cast<qlonglong>(v));
    else return QVariant::fromValue(v);
}

template <class T>
T FromStreamedValue(const QVariant& v) {
    if constexpr (std::is_enum_v<T>) return static_cast<T>(v.toInt());
    else if constexpr (std::is_same_v<T, TColor>) return static_cast<TColor>(v.toLongLong());
    else return v.value<T>();
}

// The published values that differ from their stored defaults.
TFormProperties WriteGridProperties(const TExStringGrid& Grid);
// Reads values into a grid while it is loading, each through its property, then completes the
// loading (Loaded). A name the grid does not publish raises an Exception naming it.
void ReadGridProperties(TExStringGrid& Grid, const TFormProperties& Properties);
// The names of the published values in declaration order.
QStringList PublishedGridProperties();
// The value of a published property of the grid as it is now.
QVariant GridPropertyValue(const TExStringGrid& Grid, const QString& Name);
