#pragma once

#include "platform/controls/control.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <QStringList>
#include <vector>

// The column and item definitions of the drop-downs that show their items as a list with
// several columns and a header row (the multi-column drop-down and the grid drop-down).

// An image column makes the automatic sizing reserve room for the item's image.
enum TColumnType { ctText, ctImage };

struct TDropDownColumn {
    // The rows grow to this column's text wrapped at the column width.
    bool Wordwrap = false;
    int Width = 80;
    // The width follows the item texts when the list opens.
    bool AutoSize = false;
    QString Header;
    TAlignment Alignment = taLeftJustify;
    TColor Color = clWhite;
    TColumnType ColumnType = ctText;
    // The font the column's texts are measured and drawn in.
    TFont Font;
    bool Ellipsis = false;
};

class TDropDownColumns : public std::vector<TDropDownColumn> {
public:
    TDropDownColumn& Add() { return emplace_back(); }
    int Count() const { return static_cast<int>(size()); }
};

// A row of the list: line i of Text is the row's text in column i.
struct TDropDownItem {
    int ImageIndex = -1;
    QStringList Text;

    bool HasLine(int Column) const { return Column >= 0 && Column < Text.size(); }
    // Line Column, empty where the item has fewer lines.
    QString Line(int Column) const { return HasLine(Column) ? Text[Column] : QString(); }
};

// Whether Text upper-cased starts with UpperKey (already upper-cased), without upper-casing
// all of Text.
bool StartsWithUpper(const QString& Text, const QString& UpperKey);

class TDropDownItems : public std::vector<TDropDownItem> {
public:
    TDropDownItem& Add() { return emplace_back(); }
    TDropDownItem& Add(const QStringList& Lines) {
        TDropDownItem& item = emplace_back();
        item.Text = Lines;
        return item;
    }
    int Count() const { return static_cast<int>(size()); }
    // The first item whose line Column is exactly Value (items without the line are skipped),
    // -1 for none.
    int IndexInColumn(int Column, const QString& Value) const;
    // The first item whose line Column starts with Value, -1 for none. Without CaseSensitive
    // both sides compare upper-cased; an empty Value matches nothing.
    int IndexStartingWith(int Column, const QString& Value, bool CaseSensitive) const;
};
