#include "grid/stringgrid/office/office_calls.h"

#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/office/cell_address.h"
#include "platform/office/office_servers.h"

OleVariant CreateOfficeObject(const QString& ProgID, const QString& Failure) {
    try {
        return OfficeServers().CreateOleObject(ProgID);
    } catch (const EOleError&) {
        throw VEriRodiVizev(Failure);
    }
}

OleVariant AttachOfficeObject(const QString& ProgID, const QString& Failure, bool& Created) {
    try {
        Created = false;
        return OfficeServers().GetActiveOleObject(ProgID);
    } catch (const EOleError&) {
        Created = true;
        return CreateOfficeObject(ProgID, Failure);
    }
}

namespace {

// "B$2": the letters before the "$" and the number after it.
void readCell(const QString& Part, int& Col, int& Row) {
    const qsizetype dollar = Part.indexOf(u'$');
    Col = ColumnNumber(QStringView(Part).left(dollar));
    if (Col == 0) Col = -1;
    bool ok = false;
    Row = Part.mid(dollar + 1).toInt(&ok);
    if (!ok) Row = -1;
}

QString dropLeadingDollar(const QString& Part) { return Part.startsWith(u'$') ? Part.mid(1) : Part; }

}  // namespace

TUsedRange ReadUsedRange(const QString& Address) {
    TUsedRange r;
    const qsizetype colon = Address.indexOf(u':');
    if (colon >= 0) {
        const QString first = dropLeadingDollar(Address.left(colon)), last = dropLeadingDollar(Address.mid(colon + 1));
        if (!first.contains(u'$')) {
            bool ok1 = false, ok2 = false;
            r.FirstRow = first.toInt(&ok1);
            r.LastRow = last.toInt(&ok2);
            if (!ok1) r.FirstRow = -1;
            if (!ok2) r.LastRow = -1;
            r.FirstCol = 1;
            r.LastCol = 256;
        } else {
            readCell(first, r.FirstCol, r.FirstRow);
            readCell(last, r.LastCol, r.LastRow);
        }
    } else if (!Address.contains(u'$')) {
        r = {1, 1, 1, 1};
    } else {
        readCell(dropLeadingDollar(Address), r.FirstCol, r.FirstRow);
        r.LastCol = r.FirstCol;
        r.LastRow = r.FirstRow;
    }
    return r;
}

QString RangeAddress(int FirstCol, int FirstRow, int LastCol, int LastRow) {
    return QStringLiteral("%1%2:%3%4").arg(ColumnLetters(FirstCol)).arg(FirstRow).arg(ColumnLetters(LastCol)).arg(LastRow);
}
