// Workbooks written as .xlsx: new ones through libxlsxwriter with values and sheet names, and
// those read from a package back into it.
#include "platform/office/workbook_data.h"
#include "platform/system/files.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

lxw_error writeCell(lxw_worksheet* Sheet, int Row, int Col, const OleVariant& v) {
    const auto r = lxw_row_t(Row - 1);
    const auto c = lxw_col_t(Col - 1);
    switch (v.Kind()) {
    case OleVariant::vkBool: return worksheet_write_boolean(Sheet, r, c, v.ToBool(), nullptr);
    case OleVariant::vkInteger:
    case OleVariant::vkDouble: return worksheet_write_number(Sheet, r, c, v.ToDouble(), nullptr);
    case OleVariant::vkError: {
        // An error value is kept as the formula of that error constant.
        const QString text = SheetErrorText(v.ToError().Code);
        if (text.isEmpty()) return LXW_NO_ERROR;
        return worksheet_write_formula(Sheet, r, c, (u'=' + text).toUtf8().constData(), nullptr);
    }
    default: return worksheet_write_string(Sheet, r, c, v.ToString().toUtf8().constData(), nullptr);
    }
}

// The failure names the system's or the library's reason.
EOleError saveFailure(const QString& FileName, const QString& Reason) {
    return EOleError(QStringLiteral("Cannot save the workbook as '%1': %2.").arg(FileName, Reason));
}

void writeNewWorkbook(const TWorkbookData& Book, const QString& FileName) {
    auto failure = [&](const QString& Reason) { return saveFailure(FileName, Reason); };
    QTemporaryDir dir;
    if (!dir.isValid()) throw failure(dir.errorString());
    const QString temp = dir.filePath(QStringLiteral("book.xlsx"));
    lxw_workbook* workbook = workbook_new(QFile::encodeName(temp).constData());
    if (!workbook) throw failure(QStringLiteral("the workbook cannot be made"));
    lxw_error error = LXW_NO_ERROR;
    for (size_t i = 0; i < Book.Sheets.size() && error == LXW_NO_ERROR; ++i) {
        const TSheetData& data = Book.Sheets[i];
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, data.Name.toUtf8().constData());
        if (!sheet) {
            error = LXW_ERROR_MEMORY_MALLOC_FAILED;
            break;
        }
        if (int(i) == Book.ActiveSheet) worksheet_activate(sheet);
        for (const auto& [at, value] : data.Cells) {
            error = writeCell(sheet, at.first, at.second, value);
            if (error != LXW_NO_ERROR) break;
        }
    }
    const lxw_error closed = workbook_close(workbook);
    if (error != LXW_NO_ERROR || closed != LXW_NO_ERROR)
        throw failure(QString::fromUtf8(lxw_strerror(error != LXW_NO_ERROR ? error : closed)));
    QFile written(temp);
    if (!written.open(QIODevice::ReadOnly)) throw failure(written.errorString());
    QString reason;
    if (!WriteFileAtomic(FileName, written.readAll(), &reason)) throw failure(reason);
}

}  // namespace

void WriteWorkbook(TWorkbookData& Book, const QString& FileName) {
    if (!Book.Package) {
        writeNewWorkbook(Book, FileName);
    } else {
        TWorkbookData updated = Book;
        updated.Package = std::make_shared<TZipPackage>(*Book.Package);
        UpdateXlsxPackage(updated);
        const QByteArray bytes = updated.Package->Save();
        if (bytes.isEmpty()) throw saveFailure(FileName, QStringLiteral("the package cannot be written"));
        QString reason;
        if (!WriteFileAtomic(FileName, bytes, &reason)) throw saveFailure(FileName, reason);
        Book = std::move(updated);
    }
    for (TSheetData& sheet : Book.Sheets) sheet.Written.clear();
}
