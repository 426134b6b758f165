#include "config/tables/table_file.h"

#include "platform/core/exception.h"
#include "platform/xml/xml_document.h"


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

namespace {

// Leaves XML empty whatever happens, so no node outlives the operation.
struct TInactiveAfter {
    TXMLDocument& XML;
    ~TInactiveAfter() { XML.SetActive(false); }
};

// The rows below Parent up to the first that lacks a required attribute; the error names it.
QString readRows(const IXMLNode& Parent, const std::vector<TTable_Column>& Columns, const QString& File,
                 TTable_Rows& Rows) {
    for (const IXMLNode node : Parent.ChildNodes()) {
        if (node.NodeType() != ntElement) continue;
        QStringList cells;
        for (const TTable_Column& column : Columns) {
            const QString name = QString::fromLatin1(column.Attribute);
            if (node.HasAttribute(name)) cells << node.Attribute(name);
            else if (column.Row_Default) cells << column.Row_Default(cells);
            else if (column.Default) cells << QString::fromLatin1(column.Default);
            else
                return QStringLiteral("Attribute \"%1\" is missing in row %2 of %3.")
                    .arg(name)
                    .arg(Rows.size() + 1)
                    .arg(File);
        }
        Rows.push_back(cells);
    }
    return QString();
}

void writeRows(IXMLNode& Parent, const std::vector<TTable_Column>& Columns, const TTable_Rows& Rows) {
    for (const QStringList& cells : Rows) {
        IXMLNode row = Parent.AddChild(QStringLiteral("row"));
        for (size_t c = 0; c < Columns.size(); ++c)
            row.SetAttribute(QString::fromLatin1(Columns[c].Attribute), cells.value(int(c)));
    }
}

}  // namespace

TTable_Rows Read_Table_File(TXMLDocument& XML, const QString& File, const TTable_File& Shape) {
    TInactiveAfter inactive{XML};
    XML.SetActive(true);
    XML.LoadFromFile(File);
    TTable_Rows rows;
    const QString error = readRows(XML.DocumentElement(), Shape.Columns, File, rows);
    if (!error.isEmpty()) throw Exception(error);
    return rows;
}

TTable_Groups_Read Read_Table_Groups(TXMLDocument& XML, const QString& File, const TTable_Groups_File& Shape) {
    TInactiveAfter inactive{XML};
    XML.SetActive(true);
    XML.LoadFromFile(File);
    TTable_Groups_Read read;
    const IXMLNode root = XML.DocumentElement();
    for (const TTable_Group& group : Shape.Groups) {
        read.Rows.emplace_back();
        const IXMLNode node = root.ChildNodes().FindNode(group.Name);
        if (!node) {
            // Every save writes every group: one that is missing was renamed or lost, and its
            // table would be saved empty over the file.
            if (read.Error.isEmpty())
                read.Error = QStringLiteral("Group \"%1\" is missing in %2.").arg(QString::fromLatin1(group.Name), File);
            continue;
        }
        const QString error = readRows(node, group.Columns, File, read.Rows.back());
        if (error.isEmpty()) continue;
        read.Error = error;
        break;
    }
    read.Rows.resize(Shape.Groups.size());
    return read;
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
    writeRows(root, Shape.Columns, Rows);
    XML.SaveToFile(File);
}

void Write_Table_Groups(TXMLDocument& XML, const QString& File, const TTable_Groups_File& Shape,
                        const std::vector<TTable_Rows>& Rows) {
    TInactiveAfter inactive{XML};
    XML.SetActive(true);
    XML.Clear();
    IXMLNode root = XML.AddChild(QString::fromLatin1(Shape.Root));
    XML.AddComment(QString::fromLatin1(Shape.Version));
    for (size_t g = 0; g < Shape.Groups.size(); ++g) {
        IXMLNode group = root.AddChild(QString::fromLatin1(Shape.Groups[g].Name));
        writeRows(group, Shape.Groups[g].Columns, g < Rows.size() ? Rows[g] : TTable_Rows());
    }
    XML.SaveToFile(File);
}
