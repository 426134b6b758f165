// The grid's rows as records of a simple XML file, written as text and read through the XML DOM.
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/data/xml_records.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/exception.h"
#include "platform/core/string_list.h"
#include "platform/system/files.h"

#include <QRegularExpression>
#include <algorithm>
#include <functional>

namespace {

// "&" becomes "$amp;": the reader turns it back, so the text survives the round trip.
QString escapeField(const QString& S) {
    QString t = S;
    return t.replace(u'&', QLatin1String("$amp;"))
        .replace(u'>', QLatin1String("&gt;"))
        .replace(u'<', QLatin1String("&lt;"))
        .replace(u'"', QLatin1String("&quot;"));
}

QString unescapeField(const QString& S) {
    QString t = S;
    return t.replace(QLatin1String("$amp;"), QLatin1String("&"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""));
}

}  // namespace

void TExStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                              const TStringList* FieldDescr, bool ExportEmptyCells) {
    const int lastCol = SaveEndCol() + (SaveHiddenCells ? NumHiddenColumns() : 0);
    QStringList lines{QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>").arg(XMLEncoding),
                      QStringLiteral("<%1>").arg(ListDescr)};
    TExchangeProgress progress(*this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        lines << QStringLiteral("<%1>").arg(RecordDescr);
        for (int b = SaveStartCol(); b <= lastCol; ++b) {
            int bc = b, br = r;
            if (!ResolveBaseCell(b, r, bc, br)) continue;
            QString t = SaveCell(SaveHiddenCells ? b : RealColIndex(b), r);
            if (t.isEmpty() && !ExportEmptyCells) continue;
            if (t.isEmpty() && QuoteEmptyCells) t = QStringLiteral("\"\"");
            const int field = b - SaveStartCol();
            const QString tag = FieldDescr && field < FieldDescr->Count() ? FieldDescr->Strings(field)
                                                                          : QStringLiteral("FIELD%1").arg(field);
            lines << QStringLiteral("<%1>%2</%1>").arg(tag, escapeField(t));
        }
        lines << QStringLiteral("</%1>").arg(RecordDescr);
        progress.Report(r - SaveStartRow(), std::max(1, SaveEndRow() - SaveStartRow()));
    }
    lines << QStringLiteral("</%1>").arg(ListDescr);
    ExportNotification(esExportDone, -1);
    // The file says its encoding; UTF-8 when it names that, else the ANSI code page.
    const bool utf8 = XMLEncoding.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0;
    WriteExchangeFile(FileName, ExchangeLines(lines, utf8 ? TTextEncoding::Utf8 : TTextEncoding::Windows1252, false),
                      QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr) {
    if (!FileExists(FileName)) throw Exception(QStringLiteral("XML file not found"));
    TXMLRecord root;
    try {
        root = ReadXMLRecords(FileName);
    } catch (const Exception& e) {
        const QRegularExpressionMatch at = QRegularExpression(QStringLiteral("^(?:.*: )?(.*) at line (\\d+)")).match(e.Message);
        if (!at.hasMatch()) throw Exception(QStringLiteral("XMLDOM Parsing error ") + e.Message);
        throw Exception(QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(at.captured(1), at.captured(2)));
    }
    const bool header = SaveFixedCells || SaveFixedRows;
    const int sc = SaveStartCol();
    const int sr = header && !LoadFieldDescr ? 0 : FixedRows();
    // Two walks of the same records: the first finds the extent, which is checked and set once,
    // and the second stores the cells, so the grid never grows field by field.
    bool storing = false;
    qint64 col = 0, row = 0, level = 1, maxCol = std::max<qint64>(sc, ColCount() - 1), maxRow = std::max<qint64>(sr, RowCount() - 1);
    qint64 lastCol = sc, lastRow = sr;
    auto store = [&](const QString& Value) {
        const qint64 c = col + sc, r = row + sr;
        if (c >= 0 && r >= 0) {
            if (storing) LoadCell(static_cast<int>(c), static_cast<int>(r), Value);
            maxCol = std::max(maxCol, c), lastCol = std::max(lastCol, c);
            maxRow = std::max(maxRow, r), lastRow = std::max(lastRow, r);
        }
        ++col;
    };
    auto headerName = [&](const QString& Name) {
        const int c = static_cast<int>(col + sc);
        if (storing && GetCellEx(c, 0).isEmpty()) SetCells(c, 0, Name);
        maxCol = std::max<qint64>(maxCol, c);
    };
    std::function<void(const TXMLRecord&)> walk = [&](const TXMLRecord& N) {
        const auto& attributes = N.Attributes;
        for (const auto& [name, value] : attributes) {
            if (header) headerName(name);
            store(storing ? unescapeField(value) : QString());
        }
        bool newRow = false;
        if (LevelToRow && !attributes.empty()) {
            ++row;
            col = level;
            newRow = true;
        }
        const std::vector<TXMLRecord>& children = N.Children;
        if (children.size() > 1) {
            if (LevelToRow && !newRow) {
                ++row;
                col = 0;
            }
            ++level;
            for (const TXMLRecord& child : children) walk(child);
        } else if (children.size() == 1) {
            if (header && LoadFieldDescr) headerName(N.Name);
            const QString& text = N.Text;
            store(!storing || (QuoteEmptyCells && text == QLatin1String("\"\"")) ? QString() : unescapeField(text));
        } else {
            store(QString());
        }
    };
    auto walkAll = [&] {
        col = 0, row = 0, level = 1;
        bool first = true;
        for (const TXMLRecord& record : root.Children) {
            if (!record.Element) continue;
            col = 0;
            level = 1;
            if (LevelToRow && first && record.Attributes.empty()) row = -1;
            first = false;
            walk(record);
            if (!LevelToRow) ++row;
        }
    };
    walkAll();
    CheckImportSize(maxCol + 1, maxRow + 1, QStringLiteral("The file ") + FileName);
    SetColCount(static_cast<int>(maxCol + 1));
    SetRowCount(static_cast<int>(maxRow + 1));
    storing = true;
    walkAll();
    SetColCount(static_cast<int>(lastCol + 1));
    SetRowCount(static_cast<int>(lastRow + 1));
    AllCellsChanged();
}
