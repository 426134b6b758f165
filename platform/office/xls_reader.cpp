// Legacy binary workbooks, read through FreeXL. FreeXL hands out the stored values of texts,
// numbers and dates; the results of formulas and which Boolean-or-error cells hold errors come
// from the workbook stream's own records.
#include "platform/office/workbook_data.h"
#include "platform/office/xls_records.h"

#include <freexl.h>

#include <QFile>

namespace {

OleVariant freexlValue(const FreeXL_CellValue& v) {
    switch (v.type) {
    case FREEXL_CELL_INT: return int64_t(v.value.int_value);
    case FREEXL_CELL_DOUBLE: return v.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: return QString::fromUtf8(v.value.text_value);
    default: return {};
    }
}

struct TFreexlHandle {
    const void* Handle = nullptr;
    ~TFreexlHandle() {
        if (Handle) freexl_close(Handle);
    }
};

}  // namespace

TWorkbookData ReadXlsWorkbook(const QString& FileName) {
    const EOleError notWorkbook(QStringLiteral("'%1' is not a workbook.").arg(FileName));
    TFreexlHandle file;
    unsigned int sheets = 0;
    if (freexl_open(QFile::encodeName(FileName).constData(), &file.Handle) != FREEXL_OK ||
        freexl_get_info(file.Handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        throw notWorkbook;
    TWorkbookData book;
    for (unsigned int s = 0; s < sheets; ++s) {
        TSheetData sheet;
        const char* name = nullptr;
        unsigned int rows = 0;
        unsigned short cols = 0;
        if (freexl_get_worksheet_name(file.Handle, static_cast<unsigned short>(s), &name) != FREEXL_OK ||
            freexl_select_active_worksheet(file.Handle, static_cast<unsigned short>(s)) != FREEXL_OK ||
            freexl_worksheet_dimensions(file.Handle, &rows, &cols) != FREEXL_OK)
            throw notWorkbook;
        sheet.Name = QString::fromUtf8(name);
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < cols; ++c) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(file.Handle, r, c, &value) != FREEXL_OK) throw notWorkbook;
                sheet.SetValue(int(r) + 1, int(c) + 1, freexlValue(value));
            }
        book.Sheets.push_back(std::move(sheet));
    }
    for (const TXlsSheetResults& results : ReadXlsFormulaResults(FileName))
        for (TSheetData& sheet : book.Sheets)
            if (sheet.Name == results.Name)
                for (const auto& [at, value] : results.Cells) sheet.SetValue(at.first, at.second, value);
    return book;
}
