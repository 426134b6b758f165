#include "tables/mqtt_set_topic_check.h"

#include "common/state/text_helpers.h"

namespace {

constexpr int Max_Time = 1000000000;
constexpr int Max_Port = 65535;

// Where a table keeps what its checks read (0 where it has no such column) and their texts.
struct TMQTT_Shape {
    int DataType, Dimension, Position, IPAddress, Port, InputTemplate, Template, OnTimer, Time;
    int Text_Type, Text_Int, Text_Float, Text_Other, Text_Position, Text_IP, Text_Port, Text_Input, Text_Template,
        Text_Time;
};
constexpr TMQTT_Shape Publish{mpDataType, mpDimension, mpPosition, mpIPAddress, 0,    mpInputTemplate, mpTemplate,
                              mpOnTimer,  mpTime,      1552,       1553,        1554, 1555,            1556,
                              1574,       0,           1577,       1578,        1589};
constexpr TMQTT_Shape Subscribe{msDataType, msDimension, msPosition, msIPAddress, msPort, msInputTemplate, msTemplate,
                                0,          0,           1557,       1558,        1559,   1560,            1561,
                                1575,       1576,        1579,       1580,        0};

bool dimensionFits(const QString& Type, int Dimension) {
    if (Type == QLatin1String("INT")) return Dimension == 1 || Dimension == 2 || Dimension == 4 || Dimension == 8;
    if (Type == QLatin1String("FLOAT")) return Dimension == 4 || Dimension == 8;
    return Dimension >= 1;
}

std::optional<TRow_Fault> checkTable(const TTable_Rows& Rows, int Image_Size, const TShown_Column& Shown,
                                     const TMQTT_Shape& S) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TChecked_Row row{Rows[i], int(i) + 1};
        const auto cell = [&](int c) { return row.Cell(c); };
        const auto fault = [&](int id, const QString& suffix = QString()) { return row.Fault(id, suffix); };
        const QString type = cell(S.DataType).toUpper().trimmed();
        if (Shown(S.DataType) && type.isEmpty()) return fault(S.Text_Type);
        if (Shown(S.Dimension) && !dimensionFits(type, Cell_Number(cell(S.Dimension)))) {
            if (type == QLatin1String("INT")) return fault(S.Text_Int);
            return fault(type == QLatin1String("FLOAT") ? S.Text_Float : S.Text_Other);
        }
        if (Shown(S.Position) && !Cell_In_Range(cell(S.Position), 0, Image_Size - 1))
            return fault(S.Text_Position, QString::number(Image_Size - 1));
        QString p1, p2, p3, p4;
        if (Shown(S.IPAddress) && !Split_IP_Address(cell(S.IPAddress).trimmed(), p1, p2, p3, p4))
            return fault(S.Text_IP);
        if (S.Port && Shown(S.Port) && !Cell_In_Range(cell(S.Port), 0, Max_Port)) return fault(S.Text_Port);
        if (Shown(S.InputTemplate) && Error_In_Topic_Template(cell(S.InputTemplate).trimmed()))
            return fault(S.Text_Input);
        if (Shown(S.Template) && Error_In_Topic_Template(cell(S.Template).trimmed())) return fault(S.Text_Template);
        if (S.Time && Shown(S.Time) && cell(S.OnTimer).toUpper().trimmed() == QLatin1String("Y") &&
            !Cell_In_Range(cell(S.Time), 1, Max_Time))
            return fault(S.Text_Time);
    }
    return std::nullopt;
}

}  // namespace

bool Error_In_Topic_Template(const QString& Text) { return Text.count(u'$') % 2 != 0; }

std::optional<TRow_Fault> Check_MQTT_Publish(const TTable_Rows& Rows, int Byte_IN, const TShown_Column& Shown) {
    return checkTable(Rows, Byte_IN, Shown, Publish);
}

std::optional<TRow_Fault> Check_MQTT_Subscribe(const TTable_Rows& Rows, int Byte_OUT, const TShown_Column& Shown) {
    return checkTable(Rows, Byte_OUT, Shown, Subscribe);
}
