#include "tables/bacnet_slave_check.h"

#include "platform/system/regional.h"

#include <QStringList>
#include <vector>

namespace {

constexpr int Max_Eng_Unit = 65535;
constexpr int Text_Too_Many = 2059;

struct TLength_Range {
    const char* Type;
    int Low, High, Text;
};

// The fault texts and length ranges of one table.
struct TBACnet_Table {
    int Text_Eng_Unit, Text_Position, Text_Bit, Text_End, Text_Mnemonic;
    QStringList Binary;
    std::vector<TLength_Range> Ranges;
};

const TBACnet_Table Read_Table{2033,
                               2034,
                               2045,
                               2046,
                               2061,
                               {"Binary Input", "Binary Value"},
                               {{"Analog Input", 1, 4, 2035},
                                {"Positive Integer Value", 1, 4, 2036},
                                {"Large Analog Value", 1, 8, 2037},
                                {"Analog Value", 1, 4, 2038},
                                {"Multi State Input", 1, 4, 2039},
                                {"Multi State Value", 1, 4, 2040},
                                {"Life Safety Point", 1, 2, 2041},
                                {"Life Safety Zone", 1, 2, 2042},
                                {"Access Door", 1, 1, 2043},
                                {"Accumulator", 1, 4, 2044}}};

const TBACnet_Table Write_Table{2047,
                                2048,
                                2057,
                                2058,
                                2062,
                                {"Binary Out", "Binary Value"},
                                {{"Analog Out", 1, 4, 2049},
                                 {"Analog Value", 1, 4, 2050},
                                 {"Positive Integer Value", 1, 4, 2051},
                                 {"Large Analog Value", 1, 8, 2052},
                                 {"Integer Value", 1, 4, 2053},
                                 {"Multi State Output", 1, 4, 2054},
                                 {"Multi State Value", 1, 4, 2055},
                                 {"Access Door", 1, 1, 2056}}};

std::optional<TRow_Fault> checkTable(const TTable_Rows& Rows, int NByte, const TBACnet_Table& T) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TChecked_Row row{Rows[i], int(i) + 1};
        const auto cell = [&](int c) { return row.Cell(c); };
        const auto fault = [&](int id, const QString& suffix = QString()) { return row.Fault(id, suffix); };
        // The mnemonic becomes a field of the EDE export's lines.
        const QString mnemonic = cell(bcMnemonic);
        if (mnemonic.contains(u';') || mnemonic.contains(u'\r') || mnemonic.contains(u'\n'))
            return fault(T.Text_Mnemonic);
        if (!Cell_In_Range(cell(bcEngUnit), 0, Max_Eng_Unit)) return fault(T.Text_Eng_Unit);
        if (!Cell_In_Range(cell(bcPosition), 0, NByte - 1)) return fault(T.Text_Position, QString::number(NByte - 1));
        const int position = Cell_Number(cell(bcPosition));
        const QString type = cell(bcDataType);
        if (T.Binary.contains(type)) {
            if (cell(bcBit).isEmpty()) return fault(T.Text_Bit);
            continue;
        }
        int used = 0;
        if (!TryStrToInt(cell(bcLength), used)) used = 0;
        for (const TLength_Range& range : T.Ranges)
            if (type == QLatin1String(range.Type) && (used < range.Low || used > range.High)) return fault(range.Text);
        if (position + used - 1 >= NByte) return fault(T.Text_End);
    }
    return std::nullopt;
}

}  // namespace

std::optional<TRow_Fault> Check_BACnet_Objects(const TTable_Rows& Read, const TTable_Rows& Write, int NByte_IN,
                                               int NByte_OUT, int Limit) {
    if (auto fault = checkTable(Read, NByte_IN, Read_Table)) return fault;
    if (auto fault = checkTable(Write, NByte_OUT, Write_Table)) return fault;
    if (Read.size() + Write.size() > size_t(Limit)) return TRow_Fault{0, Text_Too_Many, QString::number(Limit)};
    return std::nullopt;
}

QString BACnet_Default_Length(const QString& Type) {
    const QString key = Type.toUpper();
    for (const char* four : {"ANALOG OUT", "ANALOG VALUE", "POSITIVE INTEGER VALUE", "INTEGER VALUE",
                             "MULTI STATE OUTPUT", "MULTI STATE VALUE"})
        if (key == QLatin1String(four)) return QStringLiteral("4");
    if (key == QLatin1String("LARGE ANALOG VALUE")) return QStringLiteral("8");
    for (const char* one : {"BINARY OUT", "BINARY VALUE", "ACCESS DOOR"})
        if (key == QLatin1String(one)) return QStringLiteral("1");
    return QString();
}
