// The grid as a table of a word processor's document, through its automation server.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/office/office_calls.h"

namespace {

const QString WordID = QStringLiteral("word.application");
const QString NoWord = QStringLiteral("Word OLE server not found");

// Every cell of the grid, fixed ones included, into a table added at Range.
void writeTable(TExStringGrid& Grid, const OleVariant& Document, const OleVariant& Range) {
    OleVariant table = Document.Get(QStringLiteral("Tables")).Call(QStringLiteral("Add"), {Range, Grid.RowCount(), Grid.ColCount()});
    Grid.ExportNotification(esExportStart, 0);
    for (int d = 1; d <= Grid.RowCount(); ++d) {
        Grid.ExportNotification(esExportNextRow, d);
        for (int g = 1; g <= Grid.ColCount(); ++g) {
            const int col = Grid.RealColIndex(g - 1);
            OleVariant cell = table.Call(QStringLiteral("Cell"), {d, g}).Get(QStringLiteral("Range"));
            cell.Call(QStringLiteral("InsertAfter"), {Grid.SaveCell(col, d - 1)});
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            Grid.GetCellAlignment(col, d - 1, ha, va);
            if (ha == taRightJustify) cell.Get(QStringLiteral("ParagraphFormat")).Set(QStringLiteral("Alignment"), 2);
            else if (ha == taCenter) cell.Get(QStringLiteral("ParagraphFormat")).Set(QStringLiteral("Alignment"), 1);
        }
    }
    Grid.ExportNotification(esExportDone, -1);
}

enum class TDocTarget { NewDocument, ActiveDocument, Append };

void exportToWord(TExStringGrid& Grid, const QString& FileName, TDocTarget Target, const QString& Bookmark) {
    TBusyCursor busy(Grid);
    bool created = false;
    OleVariant word = AttachOfficeObject(WordID, NoWord, created);
    try {
        OleVariant doc;
        OleVariant documents = word.Get(QStringLiteral("Documents"));
        if (Target == TDocTarget::Append) doc = documents.Call(QStringLiteral("Open"), {FileName});
        else if (Target == TDocTarget::NewDocument || documents.Get(QStringLiteral("Count")).ToInt() == 0)
            doc = documents.Call(QStringLiteral("Add"));
        else doc = word.Get(QStringLiteral("ActiveDocument"));
        doc.Set(QStringLiteral("ShowSpellingErrors"), false);

        OleVariant selection = word.Get(QStringLiteral("Selection"));
        selection.Call(QStringLiteral("TypeText"), {Grid.Caption()});
        selection.Call(QStringLiteral("TypeParaGraph"));

        OleVariant range;
        if (Target != TDocTarget::Append) range = doc.Call(QStringLiteral("Range"), {0, 0});
        else if (!Bookmark.isEmpty() && doc.Get(QStringLiteral("Bookmarks")).Call(QStringLiteral("Exists"), {Bookmark}).ToBool())
            range = doc.Call(QStringLiteral("Goto"), {-1, OleVariant(), OleVariant(), Bookmark});
        else {
            doc.Get(QStringLiteral("Paragraphs")).Call(QStringLiteral("Add"));
            word.Get(QStringLiteral("Selection")).Call(QStringLiteral("Goto"), {3, -1});
            const OleVariant end = word.Get(QStringLiteral("Selection")).Get(QStringLiteral("End"));
            range = doc.Call(QStringLiteral("Range"), {end, end});
        }
        writeTable(Grid, doc, range);
        doc.Call(QStringLiteral("SaveAs"), {FileName});
    } catch (...) {
        if (created) word.Call(QStringLiteral("Quit"));
        throw;
    }
    if (created) word.Call(QStringLiteral("Quit"));
}

}  // namespace

void TExStringGrid::SaveToDOC(const QString& FileName, bool CreateNewDocument) {
    exportToWord(*this, FileName, CreateNewDocument ? TDocTarget::NewDocument : TDocTarget::ActiveDocument, QString());
}

void TExStringGrid::AppendToDoc(const QString& FileName, const QString& Bookmark) {
    exportToWord(*this, FileName, TDocTarget::Append, Bookmark);
}
