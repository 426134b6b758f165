#include "config/server/iec61850_variables_check.h"

#include "platform/system/regional.h"
#include "common/state/program_state.h"
#include "common/state/text_helpers.h"

namespace {

constexpr int Text_Position = 2430;
constexpr int Text_Start_Bit = 2438;
constexpr int Text_Conversion = 2439;
constexpr int Text_Factor = 2440;
constexpr int Text_Length = 2441;

}  // namespace

std::optional<TRow_Fault> Check_IEC61850_Variables(const TTable_Rows& Rows, int NByte_IN) {
    const QChar separator = Get_Decimal_Separator();
    for (size_t i = 0; i < Rows.size(); ++i) {
        const QStringList& row = Rows[i];
        const auto cell = [&](TIEC61850_Column c) { return row.value(c - 1); };
        const int r = int(i) + 1;
        if (cell(icEnable).trimmed() != QLatin1String("Y")) continue;

        // Every fault of the row at once, in rule order: the first names the row, the others
        // follow it line by line.
        std::optional<TRow_Fault> fault;
        const auto add = [&](int id, const QString& suffix = QString()) {
            if (!fault) fault = TRow_Fault{r, id, suffix};
            else fault->Suffix += QLatin1Char('\n') + Lang(id) + suffix;
        };
        const int length = Cell_Number(cell(icLength));
        if (length < 1 || length > 4) add(Text_Length);
        const int position = Cell_Number(cell(icPosition));
        if (position < 0 || position > NByte_IN - 1) add(Text_Position, QString::number(NByte_IN - 1));
        if (cell(icType) == QLatin1String("Digital (Bit)") && cell(icStartBit).trimmed().isEmpty()) add(Text_Start_Bit);
        if (cell(icConversion).trimmed().isEmpty()) add(Text_Conversion);
        float factor = 1.0f;
        if (cell(icFactor).trimmed().toUpper() != QLatin1String("NONE") && !Text_To_Float(cell(icFactor), separator, factor))
            add(Text_Factor);
        if (fault) return fault;
    }
    return std::nullopt;
}
