#include "tables/ede_export.h"

#include "tables/export_file.h"
#include "tables/exports.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <map>

namespace {

struct TObject_Type {
    const char* Text;
    int Number;
};
// The types that have instance counters.
constexpr TObject_Type Object_Types[] = {
    {"ANALOG INPUT", 0},       {"ANALOG OUT", 1},         {"ANALOG VALUE", 2},          {"BINARY INPUT", 3},
    {"BINARY OUT", 4},         {"BINARY VALUE", 5},       {"MULTI STATE INPUT", 13},    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19}, {"LIFE SAFETY POINT", 21}, {"LIFE SAFETY ZONE", 22},     {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},       {"CHARACTERSTRING VALUE", 40}, {"DATETIME VALUE", 44},   {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

struct TInactiveAfter {
    TXMLDocument& XML;
    ~TInactiveAfter() { XML.SetActive(false); }
};

QString childText(const IXMLNode& Root, const char* Name) { return Root.ChildNodes().FindNode(Name).Text(); }

QString required(const IXMLNode& Row, const char* Name) {
    const char* value = Row.FindAttribute(Name);
    if (!value) throw Exception(QStringLiteral("Attribute \"%1\" is missing in BACnet_Slave.xml.").arg(QLatin1String(Name)));
    return QString::fromUtf8(value);
}

// One field of a line: quoted when it holds the separator or a quote, as CSV readers expect.
// A line break would end the record in the middle whatever the quoting, so it is refused.
QString field(const QString& Text) {
    if (Text.contains(u'\r') || Text.contains(u'\n'))
        throw Exception(QStringLiteral("\"%1\" holds a line break, which an EDE file cannot carry.").arg(Text.simplified()));
    if (!Text.contains(u';') && !Text.contains(u'"')) return Text;
    QString quoted = Text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

int Get_BACnet_Object_Type(const QString& Text) {
    const QString key = Text.trimmed().toUpper();
    for (const TObject_Type& type : Object_Types)
        if (key == QLatin1String(type.Text)) return type.Number;
    return 0;
}

TEDE_Device Read_ParGen_EDE(TXMLDocument& XML, const QString& File) {
    TEDE_Device device;
    if (!FileExists(File)) return device;
    TInactiveAfter inactive{XML};
    XML.LoadFromFile(File);
    const IXMLNode root = XML.DocumentElement();
    int bacnet_type = 0;
    if (!TryStrToInt(childText(root, "BACnet_Type"), bacnet_type)) bacnet_type = 0;
    device.Dev_Instance = childText(root, bacnet_type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE");
    device.Name_32 = childText(root, "BACnet_Desc_Chars_Limit") == QLatin1String("1");
    return device;
}

std::vector<TBACnet_EDE_Obj> Read_BACnet_Slave_List(TXMLDocument& XML, const QString& File, const TEDE_Device& Device) {
    std::vector<TBACnet_EDE_Obj> objects;
    if (!FileExists(File)) return objects;
    TInactiveAfter inactive{XML};
    XML.LoadFromFile(File);
    const IXMLNode root = XML.DocumentElement();
    std::map<int, int> counters;
    for (const char* group_name : {"BACnet_in_Read", "BACnet_in_Write"}) {
        const IXMLNode group = root.ChildNodes().FindNode(group_name);
        if (!group) throw Exception(QStringLiteral("Element \"%1\" is missing in BACnet_Slave.xml.").arg(QLatin1String(group_name)));
        for (const IXMLNode row : group.ChildNodes()) {
            if (row.NodeType() != ntElement) continue;
            const int type = Get_BACnet_Object_Type(required(row, "Data_Type"));
            const QString unit = required(row, "Eng_Unit");
            const QString mnemonic = required(row, "Mnemonic");
            // Only the listed types count their instances; any other is numbered 0.
            int instance = 0;
            for (const TObject_Type& t : Object_Types)
                if (t.Number == type) instance = counters[type]++;
            TBACnet_EDE_Obj object;
            object.DevObjInstance = Device.Dev_Instance;
            object.ObjectName = mnemonic.left(Device.Name_32 ? 32 : 16);
            object.ObjectType = QString::number(type);
            object.ObjectInstance = QString::number(instance);
            object.Keyname = Device.Dev_Instance + u'_' + mnemonic + u'_' + object.ObjectInstance;
            object.Description = object.ObjectName;
            object.UnitCode = unit;
            objects.push_back(object);
        }
    }
    return objects;
}

QByteArray EDE_File_Text(const QString& Project, const QDateTime& Time, const std::vector<TBACnet_EDE_Obj>& Objects) {
    QStringList l;
    l << QStringLiteral("PROJECT_NAME;%1;;;;;;").arg(field(QStringLiteral(" Korvexline--") + Project)) << "VERSION_OF_REFERENCEFILE;1.0;;;;;;"
      << QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;%1;;;;;;").arg(Time.toString(QStringLiteral("HH:mm:ss dd/MM/yyyy")))
      << "AUTHOR_OF_LAST_CHANGE;Korvexline;;;;;;" << "VERSION_OF_LAYOUT;2;;;;;;"
      << "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"
      << "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;";
    for (const TBACnet_EDE_Obj& o : Objects) {
        QStringList fields;
        for (const QString* text : {&o.Keyname, &o.DevObjInstance, &o.ObjectName, &o.ObjectType, &o.ObjectInstance,
                                    &o.Description, &o.UnitCode})
            fields << field(*text);
        l << fields.join(u';') + u';';
    }
    return Export_Lines(l);
}

// Reads both files first, so a faulty one writes nothing.
void Create_EDE_File(const QString& FileName) {
    TXMLDocument xml(nullptr);
    const TEDE_Device device = Read_ParGen_EDE(xml, File_ParGen);
    const std::vector<TBACnet_EDE_Obj> objects = Read_BACnet_Slave_List(xml, File_BACnet_Slave, device);
    Write_Export_File(FileName, EDE_File_Text(Project_Name, QDateTime::currentDateTime(), objects));
}
