#include "grid/editors/dropdown/dropdown_columns.h"

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const {
    for (size_t i = 0; i < size(); ++i)
        if ((*this)[i].HasLine(Column) && (*this)[i].Text[Column] == Value) return static_cast<int>(i);
    return -1;
}

bool StartsWithUpper(const QString& Text, const QString& UpperKey) {
    // Letters of the plain ASCII range upper-case one to one; any other character (some
    // upper-case to several, or into that range) sends the text's start to the full mapping.
    const qsizetype n = UpperKey.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i >= Text.size()) return false;
        char16_t c = Text[i].unicode();
        if (c >= 0x80) return Text.left(n + 1).toUpper().startsWith(UpperKey);
        if (c >= 'a' && c <= 'z') c = static_cast<char16_t>(c - 'a' + 'A');
        if (c != UpperKey[i].unicode()) return false;
    }
    return true;
}

int TDropDownItems::IndexStartingWith(int Column, const QString& Value, bool CaseSensitive) const {
    if (Value.isEmpty()) return -1;
    const QString key = CaseSensitive ? Value : Value.toUpper();
    for (size_t i = 0; i < size(); ++i) {
        const TDropDownItem& item = (*this)[i];
        if (!item.HasLine(Column)) continue;
        const QString& line = item.Text[Column];
        if (CaseSensitive ? line.startsWith(key) : StartsWithUpper(line, key)) return static_cast<int>(i);
    }
    return -1;
}
