#include "platform/office/workbook_data.h"

#include <QFile>

#include <array>

namespace {
struct TErrorName {
    int Code;
    const char* Text;
};
constexpr std::array<TErrorName, 7> errorNames{{{2000, "#NULL!"},
                                                {2007, "#DIV/0!"},
                                                {2015, "#VALUE!"},
                                                {2023, "#REF!"},
                                                {2029, "#NAME?"},
                                                {2036, "#NUM!"},
                                                {2042, "#N/A"}}};
}  // namespace

int SheetErrorCode(QStringView Text) {
    for (const TErrorName& e : errorNames)
        if (Text.compare(QLatin1String(e.Text), Qt::CaseInsensitive) == 0) return e.Code;
    return 0;
}

QString SheetErrorText(int Code) {
    for (const TErrorName& e : errorNames)
        if (e.Code == Code) return QLatin1String(e.Text);
    return {};
}

OleVariant TSheetData::Value(int Row, int Col) const {
    const auto it = Cells.find({Row, Col});
    return it == Cells.end() ? OleVariant() : it->second;
}

void TSheetData::SetValue(int Row, int Col, const OleVariant& Value) {
    if (Value.IsEmpty() || (Value.Kind() == OleVariant::vkString && Value.ToString().isEmpty())) Cells.erase({Row, Col});
    else Cells[{Row, Col}] = Value;
}

bool TSheetData::UsedBlock(TCellBlock& Block) const {
    if (Cells.empty()) return false;
    Block = {Cells.begin()->first.first, MaxSheetCols, Cells.rbegin()->first.first, 1};
    for (const auto& cell : Cells) {
        Block.Col1 = std::min(Block.Col1, cell.first.second);
        Block.Col2 = std::max(Block.Col2, cell.first.second);
    }
    return true;
}

TWorkbookData ReadWorkbook(const QString& FileName) {
    QFile file(FileName);
    if (!file.exists()) throw EOleError(QStringLiteral("'%1' could not be found.").arg(FileName));
    if (!file.open(QIODevice::ReadOnly)) throw EOleError(QStringLiteral("'%1' cannot be read.").arg(FileName));
    const QByteArray head = file.read(8);
    if (head.startsWith("PK")) return ReadXlsxWorkbook(FileName);
    if (head == QByteArray::fromHex("d0cf11e0a1b11ae1")) return ReadXlsWorkbook(FileName);
    throw EOleError(QStringLiteral("'%1' is not a workbook.").arg(FileName));
}
