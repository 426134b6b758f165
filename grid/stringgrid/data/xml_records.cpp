#include "grid/stringgrid/data/xml_records.h"

#include "platform/core/exception.h"
#include "platform/xml/xml_document.h"

namespace {

// Records are rows of fields, a few levels deep; a file nested far deeper is refused rather
// than walked until the stack runs out.
constexpr int MaxDepth = 256;

TXMLRecord recordOf(const IXMLNode& N, int Depth) {
    if (Depth > MaxDepth) throw Exception(QStringLiteral("elements nested deeper than %1 levels").arg(MaxDepth));
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
        r.Children.push_back(recordOf(child, Depth + 1));
        r.Text += r.Children.back().Text;
    }
    return r;
}

}  // namespace

TXMLRecord ReadXMLRecords(const QString& FileName) {
    TXMLDocument doc(nullptr);
    doc.LoadFromFile(FileName);
    return recordOf(doc.DocumentElement(), 1);
}
