// Cells read and written as integers, floating-point numbers, dates and times, and the print
// layout of the columns.
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/html_controls.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/system/date_time_text.h"

namespace {
// An empty text or a sign alone reads as 0.
QString orZero(const QString& text) { return text.isEmpty() || text == QLatin1String("-") ? QStringLiteral("0") : text; }

int textToInt(const QString& text) {
    int value = 0;
    if (!TryStrToInt(orZero(Trim(text)), value)) throw VEriRodiVizev(QStringLiteral("Cell does not contain integer value"));
    return value;
}

// The number in a display text, read with "." as its decimal point.
double textToFloat(const QString& text) {
    TFormatSettings point = FormatSettings;
    point.DecimalSeparator = QLatin1Char('.');
    double value = 0;
    if (!TryStrToFloat(orZero(ExtractNumber(text)), value, point))
        throw VEriRodiVizev(QStringLiteral("Cell does not contain a float value"));
    return value;
}

// The runtime's conversion errors.
TDateTime textToDate(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value)) throw Exception(QStringLiteral("'%1' is not a valid date").arg(text));
    return value;
}

TDateTime textToTime(const QString& text) {
    TDateTime value = 0;
    if (!TryStrToTime(text, value)) throw Exception(QStringLiteral("'%1' is not a valid time").arg(text));
    return value;
}
}  // namespace

int TExStringGrid::Ints(int ACol, int ARow) { return textToInt(StrippedCells(ACol, ARow)); }

void TExStringGrid::SetInts(int ACol, int ARow, int Value) {
    SetCellEx(ACol, ARow, QString::number(Value));
    if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int TExStringGrid::AllInts(int ACol, int ARow) { return textToInt(AllCells(ACol, ARow)); }
void TExStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, QString::number(Value)); }

double TExStringGrid::Floats(int ACol, int ARow) { return textToFloat(StrippedCells(ACol, ARow)); }

void TExStringGrid::SetFloats(int ACol, int ARow, double Value) {
    SetCellEx(ACol, ARow, FormatProgressValue(GetColumnFloatFormat(ACol, ARow), Value));
}

double TExStringGrid::AllFloats(int ACol, int ARow) { return textToFloat(AllCells(ACol, ARow)); }

void TExStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
    SetAllCells(ACol, ARow, FormatProgressValue(FloatFormat, Value));
}

QString TExStringGrid::GetColumnFloatFormat(int, int) { return FloatFormat; }

TDateTime TExStringGrid::Dates(int ACol, int ARow) { return textToDate(GetCellEx(ACol, ARow)); }

void TExStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
    SetCellEx(ACol, ARow, Value > 0 || ShowNullDates ? DateToStr(Value) : QString());
}

TDateTime TExStringGrid::Times(int ACol, int ARow) { return textToTime(GetCellEx(ACol, ARow)); }
void TExStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeToStr(Value)); }

namespace {
int printLayout(const std::array<int, 513>& layout, int ACol) {
    if (ACol < 0 || ACol >= 512) throw VEriRodiVizev(QStringLiteral("Columns is not in valid range"));
    return layout[static_cast<size_t>(ACol)];
}
}  // namespace

int TExStringGrid::PrintColWidth(int ACol) const { return printLayout(p->FPrintColWidth, ACol); }
int TExStringGrid::PrintColOffset(int ACol) const { return printLayout(p->FPrintColOffset, ACol); }

// ---- form controls in markup cells

QString TExStringGrid::ControlValues(int ACol, int ARow, const QString& ID) {
    QString value;
    return GetHTMLControlValue(Cells(ACol, ARow), ID, value) ? value : QString();
}

void TExStringGrid::SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value) {
    QString text = Cells(ACol, ARow);
    if (SetHTMLControlValue(text, ID, Value)) SetCells(ACol, ARow, text);
}
