#include "grid/editors/dropdown/dropdown_columns.h"

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const {
    for (size_t i = 0; i < size(); ++i)
        if ((*this)[i].HasLine(Column) && (*this)[i].Text[Column] == Value) return static_cast<int>(i);
    return -1;
}

int TDropDownItems::IndexStartingWith(int Column, const QString& Value, bool CaseSensitive) const {
    if (Value.isEmpty()) return -1;
    const QString key = CaseSensitive ? Value : Value.toUpper();
    for (size_t i = 0; i < size(); ++i) {
        const TDropDownItem& item = (*this)[i];
        if (!item.HasLine(Column)) continue;
        const QString& line = item.Text[Column];
        if ((CaseSensitive ? line : line.toUpper()).startsWith(key)) return static_cast<int>(i);
    }
    return -1;
}
