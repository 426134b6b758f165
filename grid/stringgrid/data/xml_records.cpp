#include "grid/stringgrid/data/xml_records.h"

#include "platform/xml/xml_document.h"

namespace {

TXMLRecord recordOf(const IXMLNode& N) {
    TXMLRecord r;
    if (N.NodeType() == ntText || N.NodeType() == ntCData) {
        r.Element = false;
        r.Text = N.Text();
        return r;
    }
    r.Name = N.NodeName();
    r.Attributes = N.Attributes();
    for (const IXMLNode& child : N.ChildNodes()) {
        const TNodeType type = child.NodeType();
        if (type != ntElement && type != ntText && type != ntCData) continue;
        r.Children.push_back(recordOf(child));
        r.Text += r.Children.back().Text;
    }
    return r;
}

}  // namespace

TXMLRecord ReadXMLRecords(const QString& FileName) {
    TXMLDocument doc(nullptr);
    doc.LoadFromFile(FileName);
    return recordOf(doc.DocumentElement());
}
