#include "config/tables/table_file.h"

#include "platform/xml/xml_document.h"

namespace {

// Leaves XML empty whatever happens, so no node outlives the operation.
struct TInactiveAfter {
    TXMLDocument& XML;
    ~TInactiveAfter() { XML.SetActive(false); }
};

}  // namespace

const TTable_File IEC61850_Variables_File{"IEC61850_Variables",
                                          "SW_VERSION = 1.001",
                                          {{"Enable", "Y"},
                                           {"Name", ""},
                                           {"Type", ""},
                                           {"Length", ""},
                                           {"ReadOnly", "N"},
                                           {"Position", ""},
                                           {"StartBit", ""},
                                           {"Conversion", ""},
                                           {"MultiplicationFactor", ""},
                                           {"Swap", "N"},
                                           {"SwapWord", "N"},
                                           {"Mnemonic", ""}},
                                          50,
                                          1};

const TTable_File TLS_Known_Cert_File{
    "TLS_Server_Known_Cert", "SW_VERSION = 1.001", {{"Enable", "Y"}, {"Certificate", ""}, {"Mnemonic", ""}}, 10, 1};

TTable_Rows Read_Table_File(TXMLDocument& XML, const QString& File, const TTable_File& Shape) {
    TInactiveAfter inactive{XML};
    XML.SetActive(true);
    XML.LoadFromFile(File);
    TTable_Rows rows;
    for (const IXMLNode node : XML.DocumentElement().ChildNodes()) {
        if (node.NodeType() != ntElement) continue;
        QStringList cells;
        for (const TTable_Column& column : Shape.Columns) {
            const QString name = QString::fromLatin1(column.Attribute);
            if (node.HasAttribute(name)) cells << node.Attribute(name);
            else cells << (column.Row_Default ? column.Row_Default(cells) : QString::fromLatin1(column.Default));
        }
        rows.push_back(cells);
    }
    return rows;
}

int First_Key_Gap(const QStringList& Keys) {
    int gap = -1;
    for (int i = 0; i < Keys.size(); ++i) {
        if (Keys[i].trimmed().isEmpty()) {
            if (gap < 0) gap = i;
        } else if (gap >= 0) {
            return gap;
        }
    }
    return -1;
}

void Write_Table_File(TXMLDocument& XML, const QString& File, const TTable_File& Shape, const TTable_Rows& Rows) {
    TInactiveAfter inactive{XML};
    XML.SetActive(true);
    XML.Clear();
    IXMLNode root = XML.AddChild(QString::fromLatin1(Shape.Root));
    XML.AddComment(QString::fromLatin1(Shape.Version));
    for (const QStringList& cells : Rows) {
        IXMLNode row = root.AddChild(QStringLiteral("row"));
        for (size_t c = 0; c < Shape.Columns.size(); ++c)
            row.SetAttribute(QString::fromLatin1(Shape.Columns[c].Attribute), cells.value(int(c)));
    }
    XML.SaveToFile(File);
}
