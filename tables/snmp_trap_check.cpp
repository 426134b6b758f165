#include "tables/snmp_trap_check.h"

#include "common/state/text_helpers.h"

#include <QSet>

namespace {

constexpr int Max_Time = 1000000000;
constexpr int Text_Same_Description = 1480;

// The fault texts of one table.
struct TSNMP_Texts {
    int Community, Type, Position, Start_Bit, String_Bit, Int_Bits, String_Bytes, Description, Conversion;
};
constexpr TSNMP_Texts Read_Texts{1476, 1461, 1463, 1464, 1465, 1466, 1467, 1477, 1485};
constexpr TSNMP_Texts Write_Texts{1478, 1469, 1470, 1471, 1472, 1473, 1474, 1479, 1486};

// The columns of one table.
struct TSNMP_Columns {
    int Enable, Community, Type, Position, Bit, NumBits, Description, Conversion;
};
constexpr TSNMP_Columns Read_Columns{srEnable, srCommunity, srType, srPosition, srBit, srNumBits, srDescription,
                                     srConversion};
constexpr TSNMP_Columns Write_Columns{swEnable, swCommunity, swType, swPosition, swBit, swNumBits, swDescription,
                                      swConversion};

bool validIP(const QString& Text) {
    QString p1, p2, p3, p4;
    return Split_IP_Address(Text, p1, p2, p3, p4);
}

// The checks both tables share, in their order; Timer and Address run between them for the
// read table.
std::optional<TRow_Fault> checkRow(const TChecked_Row& Row, const TSNMP_Columns& Col, const TSNMP_Texts& Text, bool Read,
                                   QStringList& Descriptions) {
    const auto cell = [&](int c) { return Row.Cell(c); };
    const auto fault = [&](int id) { return Row.Fault(id); };
    if (Check_Error_CommName_Desc(cell(Col.Community), 0)) return fault(Text.Community);
    if (cell(Col.Type).trimmed().isEmpty()) return fault(Text.Type);
    if (Read && cell(srOnTimer).toUpper() == QLatin1String("Y") && !Cell_In_Range(cell(srTime), 1, Max_Time))
        return fault(1462);
    if (cell(Col.Position).trimmed().isEmpty()) return fault(Text.Position);
    if (cell(Col.Bit).trimmed().isEmpty()) return fault(Text.Start_Bit);
    const bool is_int = cell(Col.Type).toUpper() == QLatin1String("INT");
    if (!is_int && cell(Col.Bit).trimmed() != QLatin1String("0")) return fault(Text.String_Bit);
    if (is_int && !Cell_In_Range(cell(Col.NumBits), 1, 64)) return fault(Text.Int_Bits);
    if (!is_int && !Cell_In_Range(cell(Col.NumBits), 1, 16)) return fault(Text.String_Bytes);
    if (Check_Error_CommName_Desc(cell(Col.Description), 1)) return fault(Text.Description);
    Descriptions << cell(Col.Description);
    if (Read && !validIP(cell(srIPAddress))) return fault(1468);
    if (cell(Col.Conversion).trimmed().isEmpty()) return fault(Text.Conversion);
    return std::nullopt;
}

std::optional<TRow_Fault> checkTable(const TTable_Rows& Rows, const TSNMP_Columns& Col, const TSNMP_Texts& Text,
                                     bool Read, QStringList& Descriptions) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        if (Rows[i].value(Col.Enable - 1).toUpper() != QLatin1String("Y")) continue;
        if (auto fault = checkRow({Rows[i], int(i) + 1}, Col, Text, Read, Descriptions)) return fault;
    }
    return std::nullopt;
}

}  // namespace

bool Check_Error_CommName_Desc(const QString& Text, int Check_Type) {
    for (int i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        const bool lower = c >= u'a' && c <= u'z';
        const bool allowed = lower || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!allowed || (Check_Type == 1 && i == 0 && !lower)) return true;
    }
    return false;
}

std::optional<TRow_Fault> Check_SNMP_Trap(const TTable_Rows& Read, const TTable_Rows& Write,
                                          QStringList& SL_Check_Desc) {
    SL_Check_Desc.clear();
    if (auto fault = checkTable(Read, Read_Columns, Read_Texts, true, SL_Check_Desc)) return fault;
    if (auto fault = checkTable(Write, Write_Columns, Write_Texts, false, SL_Check_Desc)) return fault;
    QSet<QString> seen;
    for (const QString& description : SL_Check_Desc) {
        if (seen.contains(description)) return TRow_Fault{0, Text_Same_Description, {}};
        seen.insert(description);
    }
    return std::nullopt;
}
