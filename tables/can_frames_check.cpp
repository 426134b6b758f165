#include "tables/can_frames_check.h"

#include "common/state/program_state.h"

#include <utility>

namespace {

constexpr int Max_CobID_11 = 2047;
constexpr int Max_CobID_29 = 0x1FFFFFFF;
constexpr int Max_Time_Ms = 100000000;

bool switchedOn(const QString& Cell) { return Cell.trimmed().toUpper() == QLatin1String("Y"); }

}  // namespace

std::optional<TRow_Fault> Check_CAN_Frames(const TTable_Rows& Rows, const TCAN_Frames_Shape& Shape, int MAX_Byte) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        const QStringList& row = Rows[i];
        const auto cell = [&](int c) { return row.value(c - 1); };
        const int r = int(i) + 1;
        if (!switchedOn(cell(Shape.Enable))) continue;

        const bool short_id = cell(Shape.Type).trimmed() == QLatin1String("2.0A (11 bits)");
        const int cob_id = Cell_Number(cell(Shape.CobID));
        if (short_id && (cob_id < 0 || cob_id > Max_CobID_11)) return TRow_Fault{r, Shape.Text_CobID_11, {}};
        if (!short_id && (cob_id < 0 || cob_id > Max_CobID_29)) return TRow_Fault{r, Shape.Text_CobID_29, {}};

        const int dimension = Cell_Number(cell(Shape.Dimension));
        if (dimension < 1 || dimension > CAN_Max_Dimension) return TRow_Fault{r, Shape.Text_Dimension, {}};

        if (Shape.Time_Switch == 0 || switchedOn(cell(Shape.Time_Switch))) {
            const int time = Cell_Number(cell(Shape.Time));
            if (time < 0 || time > Max_Time_Ms) return TRow_Fault{r, Shape.Text_Time, {}};
        }

        for (int k = 1; k <= dimension; ++k) {
            const QString position = cell(Shape.Byte1 + k - 1).trimmed();
            if (position.isEmpty() || position == QLatin1String("None")) continue;
            const int value = Cell_Number(position);
            if (value < 0 || value > MAX_Byte - 1)
                return TRow_Fault{r, k == 1 ? Shape.Text_Byte1 : Shape.Text_Byte1 + k,
                                  QString::number(MAX_Byte - 1) + Lang(Shape.Text_Or_None)};
        }
    }
    return std::nullopt;
}

TTable_File CAN_Frames_File(const char* Root, std::vector<TTable_Column> Leading) {
    static const char* const Byte_Attributes[CAN_Max_Dimension] = {"Byte1", "Byte2", "Byte3", "Byte4",
                                                                   "Byte5", "Byte6", "Byte7", "Byte8"};
    for (const char* name : Byte_Attributes) Leading.push_back({name, ""});
    Leading.push_back({"Mnemonic", ""});
    return {Root, "SW_VERSION = 1.001", std::move(Leading), CAN_Frames_Rows, 1};
}
