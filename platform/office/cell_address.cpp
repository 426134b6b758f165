#include "platform/office/cell_address.h"

QString ColumnLetters(int Column) {
    QString letters;
    while (Column > 0) {
        const int rest = (Column - 1) % 26;
        letters.prepend(QChar(u'A' + rest));
        Column = (Column - 1) / 26;
    }
    return letters;
}

int ColumnNumber(QStringView Letters) {
    if (Letters.isEmpty() || Letters.size() > 3) return 0;
    int n = 0;
    for (QChar c : Letters) {
        const QChar u = c.toUpper();
        if (u < u'A' || u > u'Z') return 0;
        n = n * 26 + (u.unicode() - u'A' + 1);
    }
    return n <= MaxSheetCols ? n : 0;
}

namespace {

// One end of a block: letters, digits or both, each part with an optional "$".
bool parseEnd(QStringView t, int& Row, int& Col) {
    qsizetype i = 0;
    if (i < t.size() && t[i] == u'$') ++i;
    const qsizetype lettersStart = i;
    while (i < t.size() && t[i].isLetter()) ++i;
    const QStringView letters = t.mid(lettersStart, i - lettersStart);
    if (i < t.size() && t[i] == u'$') ++i;
    const QStringView digits = t.mid(i);
    Col = letters.isEmpty() ? 0 : ColumnNumber(letters);
    if (!letters.isEmpty() && Col == 0) return false;
    Row = 0;
    if (!digits.isEmpty()) {
        bool ok = false;
        Row = digits.toInt(&ok);
        if (!ok || Row < 1 || Row > MaxSheetRows) return false;
    }
    return Row > 0 || Col > 0;
}

}  // namespace

bool ParseCellBlock(QStringView Address, TCellBlock& Block) {
    const qsizetype colon = Address.indexOf(u':');
    int r1, c1, r2, c2;
    if (colon < 0) {
        if (!parseEnd(Address, r1, c1) || r1 == 0 || c1 == 0) return false;
        Block = {r1, c1, r1, c1};
        return true;
    }
    if (!parseEnd(Address.left(colon), r1, c1) || !parseEnd(Address.mid(colon + 1), r2, c2)) return false;
    // Both ends name the same parts: cells, whole rows or whole columns.
    if ((r1 == 0) != (r2 == 0) || (c1 == 0) != (c2 == 0)) return false;
    if (c1 == 0) c1 = 1, c2 = MaxSheetCols;
    if (r1 == 0) r1 = 1, r2 = MaxSheetRows;
    Block = {std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
    return true;
}

QString AbsoluteAddress(const TCellBlock& b) {
    if (b.Col1 == 1 && b.Col2 == MaxSheetCols) return QStringLiteral("$%1:$%2").arg(b.Row1).arg(b.Row2);
    if (b.Row1 == 1 && b.Row2 == MaxSheetRows)
        return QStringLiteral("$%1:$%2").arg(ColumnLetters(b.Col1), ColumnLetters(b.Col2));
    const QString first = QStringLiteral("$%1$%2").arg(ColumnLetters(b.Col1)).arg(b.Row1);
    if (b.Row1 == b.Row2 && b.Col1 == b.Col2) return first;
    return first + QStringLiteral(":$%1$%2").arg(ColumnLetters(b.Col2)).arg(b.Row2);
}
