#include "config/banks/bank3_tables.h"

#include "config/banks/bank3_builder.h"
#include "config/tables/table_file.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"
#include "common/state/text_helpers.h"

#include <functional>

namespace {

// Loads File when it exists and hands over the enabled rows below its root, in order. The root
// is the document's first element, whatever comes before it. The rows are those the table's
// window shows: a file with more rows than the window holds, or with a row whose key is empty
// amid filled rows, is refused rather than built with rows the user cannot see.
void forEachEnabledRow(TXMLDocument& XML, const QString& File, const TTable_File& Shape,
                       const std::function<void(const IXMLNode&)>& Take) {
    if (!FileExists(File)) return;
    XML.SetActive(true);
    XML.LoadFromFile(File);
    std::vector<IXMLNode> rows;
    QStringList keys;
    const QString key = QString::fromLatin1(Shape.Columns.at(size_t(Shape.Key)).Attribute);
    for (const IXMLNode row : XML.DocumentElement().ChildNodes()) {
        if (row.NodeType() != ntElement) continue;
        rows.push_back(row);
        keys << row.Attribute(key);
    }
    const QString name = ExtractFileName(File);
    if (int(rows.size()) > Shape.Rows)
        throw Exception(QStringLiteral("Error! %1 holds %2 rows, more than the %3 of its table: the banks are not built.")
                            .arg(name)
                            .arg(rows.size())
                            .arg(Shape.Rows));
    if (const int gap = First_Key_Gap(keys); gap >= 0)
        throw Exception(QStringLiteral("Error! Row %1 of %2 has no %3 while the rows below it have one: the banks are "
                                       "not built.")
                            .arg(gap + 1)
                            .arg(name, key));
    for (const IXMLNode& row : rows)
        if (row.Attribute(QStringLiteral("Enable")) == QLatin1String("Y")) Take(row);
}

QString upperTrimmed(const IXMLNode& Row, const QString& Name) { return Row.Attribute(Name).trimmed().toUpper(); }

// 0 when missing or not an integer; a negative number keeps its bit pattern.
uint32_t integer(const IXMLNode& Row, const QString& Name) {
    int value = 0;
    if (!TryStrToInt(Row.Attribute(Name), value)) value = 0;
    return uint32_t(value);
}

bool isY(const IXMLNode& Row, const QString& Name) { return Row.Attribute(Name) == QLatin1String("Y"); }

TIEC61850_Var readVariable(const IXMLNode& Row, QChar Separator) {
    TIEC61850_Var v;
    v.Name = Row.Attribute(QStringLiteral("Name"));

    const QString type = upperTrimmed(Row, QStringLiteral("Type"));
    v.Data_Type = type == QLatin1String("FLOAT") ? 6 : type == QLatin1String("DIGITAL (BIT)") ? 2 : 4;
    // A digital variable is one bit whatever its row says.
    v.Length = v.Data_Type == 2 ? 1 : integer(Row, QStringLiteral("Length"));
    v.Read_Only = upperTrimmed(Row, QStringLiteral("ReadOnly")) == QLatin1String("Y") ? 1 : 0;
    v.Position = integer(Row, QStringLiteral("Position"));
    v.Start_Bit = integer(Row, QStringLiteral("StartBit"));

    const QString conversion = upperTrimmed(Row, QStringLiteral("Conversion"));
    v.Operation = conversion == QLatin1String("INT TO FLOAT") ? 1 : conversion == QLatin1String("FLOAT TO INT") ? 2 : 0;

    // Text_To_Float leaves 1.0 for a text that is not a number, the same as "None".
    const QString factor = Row.Attribute(QStringLiteral("MultiplicationFactor"));
    v.Multiplication_Factor = 1.0f;
    if (factor.trimmed().toUpper() != QLatin1String("NONE")) Text_To_Float(factor, Separator, v.Multiplication_Factor);

    v.Options = uint16_t((isY(Row, QStringLiteral("Swap")) ? 1 : 0) | (isY(Row, QStringLiteral("SwapWord")) ? 2 : 0));
    return v;
}

}  // namespace

void Read_IEC61850_Variables_Bin(TXMLDocument& XML) {
    const QChar separator = Get_Decimal_Separator();
    IEC61850_Data.Variables.clear();
    IEC61850_Data.Var_Number = 0;
    forEachEnabledRow(XML, File_IEC61850_Variables, IEC61850_Variables_File,
                      [&](const IXMLNode& row) { IEC61850_Data.Variables.push_back(readVariable(row, separator)); });
    IEC61850_Data.Var_Number = uint32_t(IEC61850_Data.Variables.size());
}

void Read_TLS_Known_Cert_Bin(TXMLDocument& XML) {
    TTLS_Bank& tls = IEC61850_Data.TLS_Data;
    tls.Known_Cert.clear();
    tls.Known_Cert_Num = 0;
    forEachEnabledRow(XML, File_TLS_Known_Cert, TLS_Known_Cert_File, [&](const IXMLNode& row) {
        const QString text = row.Attribute(QStringLiteral("Certificate"));
        tls.Known_Cert.push_back({text, 0, uint32_t(text.toUtf8().size()) + 1});
    });
    tls.Known_Cert_Num = uint32_t(tls.Known_Cert.size());
}
