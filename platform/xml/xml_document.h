#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "platform/core/component.h"
#include "platform/xml/record_layout.h"

// An XML DOM with the original platform's names. Nodes are small value handles into a
// document: a missing node is a null handle, and every call on a null handle does nothing or
// returns an empty value. Handles are valid while their document holds the node.

enum TNodeType {
    ntReserved,  // a null handle
    ntElement,
    ntAttribute,
    ntText,
    ntCData,
    ntEntityRef,
    ntEntity,
    ntProcessingInstr,  // also the "<?xml ...?>" declaration
    ntComment,
    ntDocument,
    ntDocType,
    ntDocFragment,
    ntNotation
};

// The DOM's node behind a handle; defined by the implementation only.
struct TXMLNodeData;

class TXMLNodeList;

class IXMLNode {
public:
    IXMLNode() = default;

    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return node_ != nullptr; }
    bool operator==(const IXMLNode& other) const = default;

    // The element's or instruction's name; "#text", "#cdata-section", "#comment", "#document"
    // for the others.
    QString NodeName() const;
    TNodeType NodeType() const;
    // An element: its direct text and CDATA children joined. Text, CDATA, comment and
    // instruction: their value. The declaration: its attributes as written.
    QString Text() const;
    // Text(), made as ReadAttribute makes values: for readers of whole documents.
    QString ReadText() const;
    // An element: replaces all its children by one text node. Others: sets their value.
    void SetText(const QString& text);

    bool HasAttribute(const QString& name) const;
    // "" when missing.
    QString Attribute(const QString& name) const;
    // The attributes in document order as name and value pairs.
    std::vector<std::pair<QString, QString>> Attributes() const;
    // Adds the attribute or replaces its value (elements and the declaration only).
    void SetAttribute(const QString& name, const QString& value);

    // For readers of large documents: the name is UTF-8 and is neither converted nor copied.
    // True when this element or instruction is named name, exactly.
    bool NameIs(const char* name) const {
        if (!node_records::Direct()) return nameIsThroughLibrary(name);
        if (!node_ || !node_records::SameName(node_records::orEmpty(record()->name), name)) return false;
        const uintptr_t type = node_records::TypeOf(record());
        return type == node_records::elementType || type == node_records::instructionType;
    }
    // The attribute's value as UTF-8, owned by the document; nullptr when it is missing. Inline,
    // so that each reader's search is specialised for its name and its branches are foreseen
    // apart from other readers'.
    const char* FindAttribute(const char* name) const {
        if (!node_records::Direct()) return findAttributeThroughLibrary(name);
        if (!node_) return nullptr;
        for (const node_records::Attribute* a = record()->first_attribute; a; a = a->next)
            if (node_records::SameName(node_records::orEmpty(a->name), name)) return node_records::orEmpty(a->value);
        return nullptr;
    }
    // The attribute's value into value when the element has it; false, value unchanged, when not.
    // Made for reading documents whole: the values share blocks of memory, cheap to make and to
    // free in great numbers, and a value kept long after the others keeps its block.
    bool ReadAttribute(const char* name, QString& value) const {
        const char* text = FindAttribute(name);
        if (text) value = ReadValue(text);
        return text != nullptr;
    }
    // A value FindAttribute gave, made as ReadAttribute makes values.
    static QString ReadValue(const char* value);

    TXMLNodeList ChildNodes() const;
    // Appends a child element / comment; a null handle when this node cannot take one.
    IXMLNode AddChild(const QString& name);
    IXMLNode AddComment(const QString& text);
    // Appends a copy of source with all it holds; source may belong to another document. A null
    // handle when this node cannot take it.
    IXMLNode AppendCopy(const IXMLNode& source);

    // The root element's parent is the document node (ntDocument).
    IXMLNode ParentNode() const;
    IXMLNode NextSibling() const {
        if (!node_records::Direct()) return nextSiblingThroughLibrary();
        return node_ ? IXMLNode(record()->next_sibling) : IXMLNode();
    }

private:
    friend struct XmlAccess;
    friend class TXMLNodeList;
    explicit IXMLNode(TXMLNodeData* node) : node_(node) {}
    explicit IXMLNode(const node_records::Node* node)
        : node_(reinterpret_cast<TXMLNodeData*>(const_cast<node_records::Node*>(node))) {}
    const node_records::Node* record() const { return reinterpret_cast<const node_records::Node*>(node_); }
    // The same answers through the library, where the records are laid out otherwise.
    const char* findAttributeThroughLibrary(const char* name) const;
    bool nameIsThroughLibrary(const char* name) const;
    IXMLNode nextSiblingThroughLibrary() const;
    IXMLNode firstChildThroughLibrary() const;
    IXMLNode findChildThroughLibrary(const char* name) const;
    TXMLNodeData* node_ = nullptr;
};

// The children of a node in document order, comments and instructions included. A live view:
// children appended later are counted. Stepping Nodes(i) forwards or backwards is O(1) per
// step (a small per-thread cache remembers the last position of the recent lists), so
// "for (i = 0; i < n.ChildNodes().Count(); i++) n.ChildNodes().Nodes(i)" stays linear.
class TXMLNodeList {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = IXMLNode;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = IXMLNode;

        Iterator() = default;
        IXMLNode operator*() const { return node_; }
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const Iterator& other) const = default;

    private:
        friend class TXMLNodeList;
        explicit Iterator(IXMLNode node) : node_(node) {}
        IXMLNode node_;
    };

    TXMLNodeList() = default;

    int Count() const;
    // Null when index is out of range.
    IXMLNode Nodes(int index) const;
    IXMLNode First() const {
        if (!node_records::Direct()) return parent_.firstChildThroughLibrary();
        return parent_ ? IXMLNode(parent_.record()->first_child) : IXMLNode();
    }
    // The first child element named name (exact case); null when none.
    IXMLNode FindNode(const QString& name) const;
    // The same for a UTF-8 name, which is neither converted nor copied.
    IXMLNode FindNode(const char* name) const {
        if (!node_records::Direct()) return parent_.findChildThroughLibrary(name);
        if (!parent_) return IXMLNode();
        for (const node_records::Node* n = parent_.record()->first_child; n; n = n->next_sibling)
            if (node_records::SameName(node_records::orEmpty(n->name), name) &&
                node_records::TypeOf(n) == node_records::elementType)
                return IXMLNode(n);
        return IXMLNode();
    }

    Iterator begin() const;
    Iterator end() const { return Iterator(); }

private:
    friend struct XmlAccess;
    friend class IXMLNode;
    explicit TXMLNodeList(IXMLNode parent) : parent_(parent) {}
    IXMLNode parent_;
};

inline TXMLNodeList IXMLNode::ChildNodes() const { return TXMLNodeList(*this); }

// A whole XML file. An inactive document is empty; loading or adding nodes activates it.
class TXMLDocument : public TComponent {
public:
    explicit TXMLDocument(TComponent* AOwner);
    ~TXMLDocument() override;

    bool Active() const { return active_; }
    // Deactivating drops every node.
    void SetActive(bool value);

    // Reads and parses the file. The encoding comes from the byte-order mark or the
    // declaration (UTF-8, UTF-16, UTF-32, ISO-8859-1, Windows-1252); otherwise UTF-8. Comments,
    // the declaration and processing instructions are kept; whitespace-only text is dropped.
    // Throws Exception for an unreadable file or malformed XML, with the parser's reason and
    // the line and column; the document is then empty and inactive.
    void LoadFromFile(const QString& path);
    void LoadFromXML(const QString& text);

    // Removes every node.
    void Clear();

    // The document-level nodes in order: declaration, comments, root element ...
    TXMLNodeList ChildNodes() const;
    // The first element at document level.
    IXMLNode DocumentElement() const;
    IXMLNode AddChild(const QString& name);
    IXMLNode AddComment(const QString& text);

    // Writes UTF-8 indented by two spaces. No declaration is added; a loaded one is written
    // as it is, except that it names UTF-8. The text goes to a temporary file in the target's
    // folder that then replaces the target, so a failed save leaves the old file intact.
    // Throws Exception when the file cannot be written.
    void SaveToFile(const QString& path) const;
    // The text SaveToFile writes.
    QString XML() const;

private:
    struct Impl;
    // Parses utf8; original() gives the same text again for locating an error.
    void load(QByteArray utf8, const std::function<QByteArray()>& original, const QString& source);
    IXMLNode documentNode() const;

    std::unique_ptr<Impl> impl_;
    bool active_ = false;
};
