// Rich-text cells exchanged with a rich edit control. A cell keeps its rich text as characters
// of one byte each, as the control's stream would hold it.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/rich_edit.h"

void TExStringGrid::CellToRich(int Col, int Row, TRichEdit& Richeditor) {
    const QString cell = GetCellEx(Col, Row);
    if (cell.isEmpty()) {
        Richeditor.SetText(QString());
        return;
    }
    QByteArray bytes;
    bytes.reserve(cell.size());
    for (const QChar c : cell) bytes.append(static_cast<char>(c.unicode() & 0xFF));
    const QString stream = QString::fromLatin1(bytes);
    // A stream that is not rich text loads as plain text.
    if (stream.startsWith(QStringLiteral("{\\rtf"))) Richeditor.LoadRTF(stream);
    else Richeditor.SetText(stream);
}

QString TExStringGrid::RichToString(TRichEdit& Richeditor) {
    if (FDestroying) return QString();
    return QString::fromLatin1(Richeditor.SaveRTF().toLatin1());
}

void TExStringGrid::RichToCell(int Col, int Row, TRichEdit& Richeditor) { SetCellEx(Col, Row, RichToString(Richeditor)); }
