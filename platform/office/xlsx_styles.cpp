#include "platform/office/xlsx_styles.h"

#include "platform/office/ooxml_nodes.h"

#include <QString>
#include <map>

std::vector<TDateKind> XlsxStyleDateKinds(const QByteArray& Styles) {
    std::vector<TDateKind> kinds;
    pugi::xml_document doc;
    if (Styles.isEmpty() || !doc.load_buffer(Styles.constData(), size_t(Styles.size()))) return kinds;
    const pugi::xml_node root = doc.document_element();
    std::map<int, QString> codes;
    for (pugi::xml_node f : ChildNamed(root, "numFmts").children())
        if (IsNamed(f, "numFmt"))
            codes[AttributeNamed(f, "numFmtId").as_int()] = QString::fromUtf8(AttributeNamed(f, "formatCode").value());
    for (pugi::xml_node xf : ChildNamed(root, "cellXfs").children()) {
        if (!IsNamed(xf, "xf")) continue;
        const int id = AttributeNamed(xf, "numFmtId").as_int();
        const auto code = codes.find(id);
        kinds.push_back(DateKindOfFormat(id, code == codes.end() ? QString() : code->second));
    }
    return kinds;
}
