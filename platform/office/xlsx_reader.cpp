// Workbooks in the Office Open XML form: the zip package's workbook, relationships, shared
// strings and sheet parts, read through pugixml.
#include "platform/office/ooxml_nodes.h"
#include "platform/office/workbook_data.h"
#include "platform/office/xlsx_styles.h"
#include "platform/office/zip_package.h"

#include <pugixml.hpp>


namespace {

bool named(const pugi::xml_node& n, const char* local) { return IsNamed(n, local); }
pugi::xml_node child(const pugi::xml_node& n, const char* local) { return ChildNamed(n, local); }
pugi::xml_attribute attribute(const pugi::xml_node& n, const char* local) { return AttributeNamed(n, local); }

QString text(const pugi::xml_node& n) { return QString::fromUtf8(n.child_value()); }

// A rich or plain string item: its "t" text, or the texts of its runs.
QString stringItem(const pugi::xml_node& si) {
    if (pugi::xml_node t = child(si, "t")) return text(t);
    QString out;
    for (pugi::xml_node r : si.children())
        if (named(r, "r")) out += text(child(r, "t"));
    return out;
}

EOleError notWorkbook(const QString& FileName) { return EOleError(QStringLiteral("'%1' is not a workbook.").arg(FileName)); }
EOleError notWorkbook(const QString& FileName, const QString& Reason) {
    return EOleError(QStringLiteral("'%1' is not a workbook: %2.").arg(FileName, Reason));
}

void parse(pugi::xml_document& Doc, const QByteArray& Bytes, const QString& FileName) {
    if (!Doc.load_buffer(Bytes.constData(), size_t(Bytes.size()))) throw notWorkbook(FileName);
}

// How the workbook shows numbers: the date kind of each cell style and the date system.
struct TNumberStyles {
    std::vector<TDateKind> Kinds;
    bool Date1904 = false;
};

OleVariant cellValue(const pugi::xml_node& c, const std::vector<QString>& Shared, const TNumberStyles& Styles) {
    const QString type = QString::fromUtf8(attribute(c, "t").value());
    if (type == QLatin1String("inlineStr")) return stringItem(child(c, "is"));
    // A formula that is an error constant ("=#DIV/0!") holds that error, whatever value was cached.
    if (const pugi::xml_node f = child(c, "f")) {
        const int code = SheetErrorCode(text(f).trimmed());
        if (code != 0) return TOleErrorValue{code};
    }
    const pugi::xml_node v = child(c, "v");
    if (!v) return {};
    const QString value = text(v);
    if (type == QLatin1String("s")) {
        const size_t i = value.toULongLong();
        return i < Shared.size() ? OleVariant(Shared[i]) : OleVariant();
    }
    if (type == QLatin1String("str") || type == QLatin1String("d")) return value;
    if (type == QLatin1String("b")) return value.trimmed() == QLatin1String("1");
    if (type == QLatin1String("e")) return TOleErrorValue{SheetErrorCode(value.trimmed())};
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok) return value;
    // Dates and times come as text, as the legacy reader gives them.
    const size_t style = attribute(c, "s").as_uint();
    if (style < Styles.Kinds.size() && Styles.Kinds[style] != TDateKind::None) return SerialDateText(d, Styles.Kinds[style], Styles.Date1904);
    return d;
}

void readSheet(TSheetData& Sheet, const QByteArray& Bytes, const std::vector<QString>& Shared, const TNumberStyles& Styles,
               const QString& FileName) {
    pugi::xml_document doc;
    parse(doc, Bytes, FileName);
    const pugi::xml_node root = doc.document_element();
    if (pugi::xml_node selection = child(child(child(root, "sheetViews"), "sheetView"), "selection")) {
        TCellBlock at;
        if (ParseCellBlock(QString::fromUtf8(attribute(selection, "activeCell").value()), at)) {
            Sheet.ActiveRow = at.Row1;
            Sheet.ActiveCol = at.Col1;
        }
    }
    int row = 0;
    for (pugi::xml_node r : child(root, "sheetData").children()) {
        if (!named(r, "row")) continue;
        row = attribute(r, "r") ? attribute(r, "r").as_int() : row + 1;
        if (row < 1 || row > MaxSheetRows) throw notWorkbook(FileName, QStringLiteral("a row lies outside the sheet"));
        int col = 0;
        for (pugi::xml_node c : r.children()) {
            if (!named(c, "c")) continue;
            TCellBlock at;
            if (!attribute(c, "r")) ++col;
            else if (ParseCellBlock(QString::fromUtf8(attribute(c, "r").value()), at) && at.Rows() == 1 && at.Cols() == 1) col = at.Col1;
            else col = 0;
            if (col < 1 || col > MaxSheetCols) throw notWorkbook(FileName, QStringLiteral("a cell lies outside the sheet"));
            Sheet.SetValue(row, col, cellValue(c, Shared, Styles));
        }
    }
}

}  // namespace

TWorkbookData ReadXlsxWorkbook(const QString& FileName) {
    auto kept = std::make_shared<TZipPackage>();
    TZipPackage& package = *kept;
    QString why;
    if (!package.Load(FileName, &why)) throw notWorkbook(FileName, why);
    if (!package.Has(QStringLiteral("xl/workbook.xml"))) throw notWorkbook(FileName);

    std::vector<QString> shared;
    pugi::xml_document doc;
    if (package.Has(QStringLiteral("xl/sharedStrings.xml"))) {
        parse(doc, package.Part(QStringLiteral("xl/sharedStrings.xml")), FileName);
        for (pugi::xml_node si : doc.document_element().children())
            if (named(si, "si")) shared.push_back(stringItem(si));
    }

    std::map<QString, QString> targets;
    parse(doc, package.Part(QStringLiteral("xl/_rels/workbook.xml.rels")), FileName);
    for (pugi::xml_node rel : doc.document_element().children())
        targets[QString::fromUtf8(attribute(rel, "Id").value())] = WorkbookPartName(QString::fromUtf8(attribute(rel, "Target").value()));

    TWorkbookData book;
    parse(doc, package.Part(QStringLiteral("xl/workbook.xml")), FileName);
    const pugi::xml_node workbook = doc.document_element();
    TNumberStyles styles;
    styles.Date1904 = attribute(child(workbook, "workbookPr"), "date1904").as_bool();
    for (const auto& [id, part] : targets)
        if (part.endsWith(QLatin1String("/styles.xml")) && package.Has(part)) styles.Kinds = XlsxStyleDateKinds(package.Part(part));
    book.ActiveSheet = attribute(child(child(workbook, "bookViews"), "workbookView"), "activeTab").as_int();
    for (pugi::xml_node s : child(workbook, "sheets").children()) {
        if (!named(s, "sheet")) continue;
        TSheetData sheet;
        sheet.Name = QString::fromUtf8(attribute(s, "name").value());
        const QString part = targets[QString::fromUtf8(attribute(s, "id").value())];
        if (!package.Has(part)) throw notWorkbook(FileName);
        readSheet(sheet, package.Part(part), shared, styles, FileName);
        sheet.Part = part;
        book.Sheets.push_back(std::move(sheet));
    }
    if (book.Sheets.empty()) throw notWorkbook(FileName);
    if (book.ActiveSheet < 0 || book.ActiveSheet >= int(book.Sheets.size())) book.ActiveSheet = 0;
    book.Package = std::move(kept);
    return book;
}
