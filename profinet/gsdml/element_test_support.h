#pragma once

// Helpers for the tests of single element classes: small XML texts, the fixtures beside the
// tests and the shared device descriptions, read without a whole decode.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/xml/xml_document.h"

inline QString FixturePath(const char* name) { return QStringLiteral(LW_TESTDATA "/") + name; }
inline QString VendorGsdmlPath(const char* name) { return QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/") + name; }

// A parsed XML text or file.
class TTestXml {
public:
    struct File {
        QString path;
    };
    explicit TTestXml(const QString& xml) { doc.LoadFromXML(xml); }
    explicit TTestXml(const File& file) { doc.LoadFromFile(file.path); }
    static TTestXml FromFile(const QString& path) { return TTestXml(File{path}); }

    IXMLNode Root() const { return doc.DocumentElement(); }

    // Every element named name (every element for nullptr), the root included, in document order.
    std::vector<IXMLNode> Elements(const char* name) const {
        std::vector<IXMLNode> found;
        collect(Root(), name, found);
        return found;
    }

    // The first element named name inside the index-th child element of the root.
    IXMLNode ElementIn(int index, const char* name) const {
        std::vector<IXMLNode> found;
        int at = 0;
        for (IXMLNode child = Root().ChildNodes().First(); child; child = child.NextSibling()) {
            if (child.NodeType() != ntElement || at++ != index) continue;
            collect(child, name, found);
            break;
        }
        return found.empty() ? IXMLNode() : found.front();
    }

    // The first submodule item (an element whose name ends with "SubmoduleItem") whose ID is
    // id. A fixture that lacks it fails the test, so that a reader is never handed a null node
    // by mistake.
    IXMLNode Submodule(const QString& id) const {
        for (const IXMLNode& node : Elements(nullptr))
            if (isSubmodule(node, id)) return node;
        ADD_FAILURE() << "no submodule " << id.toStdString();
        return IXMLNode();
    }

    // The first element named name whose ID is id, failing as above.
    IXMLNode Item(const char* name, const QString& id) const {
        for (const IXMLNode& node : Elements(name))
            if (node.Attribute(QStringLiteral("ID")) == id) return node;
        ADD_FAILURE() << "no " << name << " " << id.toStdString();
        return IXMLNode();
    }

    // The child element name of the first submodule item whose ID is id, failing as above.
    IXMLNode SubmodulePart(const QString& id, const char* name) const {
        for (const IXMLNode& node : Elements(nullptr))
            if (isSubmodule(node, id))
                if (const IXMLNode part = node.ChildNodes().FindNode(name)) return part;
        ADD_FAILURE() << "no " << name << " in submodule " << id.toStdString();
        return IXMLNode();
    }

private:
    static bool isSubmodule(const IXMLNode& node, const QString& id) {
        return node.NodeName().endsWith(QLatin1String("SubmoduleItem")) && node.Attribute(QStringLiteral("ID")) == id;
    }

    static void collect(IXMLNode node, const char* name, std::vector<IXMLNode>& found) {
        if (node.NodeType() != ntElement) return;
        if (!name || node.NameIs(name)) found.push_back(node);
        for (IXMLNode child = node.ChildNodes().First(); child; child = child.NextSibling())
            collect(child, name, found);
    }

    TXMLDocument doc{nullptr};
};

// What one reader made of one element.
template <class T>
struct TReadResult {
    bool ok = false;
    std::unique_ptr<T> object;
};

// Reads node into a new T.
template <class T>
TReadResult<T> ReadElement(IXMLNode node, bool (T::*read)(IXMLNode)) {
    TReadResult<T> result{false, std::make_unique<T>()};
    result.ok = ((*result.object).*read)(node);
    return result;
}

// Reads the root element of xml into a new T.
template <class T>
TReadResult<T> ReadXml(const QString& xml, bool (T::*read)(IXMLNode)) {
    const TTestXml doc(xml);
    return ReadElement(doc.Root(), read);
}
