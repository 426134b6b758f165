#pragma once

// The string grid's published values as a form description holds them: name and value, in the
// order of declaration. A value equal to its stored default is left out. The stored default is
// the value after construction but for FixedRowHeight (21) and ScrollWidth (17).

#include <QString>
#include <QVariant>
#include <vector>

class TExStringGrid;

struct TStreamedProperty {
    QString Name;
    QVariant Value;
    bool operator==(const TStreamedProperty&) const = default;
};
using TFormProperties = std::vector<TStreamedProperty>;

// The published values that differ from their stored defaults.
TFormProperties WriteGridProperties(const TExStringGrid& Grid);
// Reads values into a grid while it is loading, each through its property, then completes the
// loading (Loaded). A name the grid does not publish raises an Exception naming it.
void ReadGridProperties(TExStringGrid& Grid, const TFormProperties& Properties);
// The names of the published values in declaration order.
QStringList PublishedGridProperties();
// The value of a published property of the grid as it is now.
QVariant GridPropertyValue(const TExStringGrid& Grid, const QString& Name);
