#include "profinet/gsdml/item_reading.h"

bool Read_NameAndHelp(IXMLNode node, QString& name, QString& help, bool nameRequired) {
    const IXMLNode nameNode = Child(node, "Name");
    if (!nameNode && nameRequired) return false;
    Read_Attribute(nameNode, "TextId", name);
    Read_Attribute(Child(node, "Help"), "TextId", help);
    return true;
}
