#include "platform/office/ooxml_nodes.h"

#include <QDir>

#include <cstring>

namespace {

bool localNameIs(const char* Name, const char* Local) {
    const char* colon = std::strrchr(Name, ':');
    return std::strcmp(colon ? colon + 1 : Name, Local) == 0;
}

}  // namespace

bool IsNamed(const pugi::xml_node& Node, const char* Local) { return localNameIs(Node.name(), Local); }

pugi::xml_node ChildNamed(const pugi::xml_node& Node, const char* Local) {
    for (pugi::xml_node c : Node.children())
        if (IsNamed(c, Local)) return c;
    return {};
}

pugi::xml_attribute AttributeNamed(const pugi::xml_node& Node, const char* Local) {
    for (pugi::xml_attribute a : Node.attributes())
        if (localNameIs(a.name(), Local)) return a;
    return {};
}

QString WorkbookPartName(const QString& Target) {
    if (Target.startsWith(u'/')) return Target.mid(1);
    return QDir::cleanPath(QStringLiteral("xl/") + Target);
}
