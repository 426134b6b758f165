#pragma once

#include <cstdint>
#include <pugixml.hpp>

// Steps through pugixml's node and attribute records by reading them directly: one load per
// step in place of a call into the library, which readers of large documents make millions
// of times and which cost more than the parse itself. The records are laid out as pugixml 1.13
// lays them out (without PUGIXML_COMPACT). Direct() compares that layout with the library's
// own answers once; when they differ, callers go through the library instead.
// Private to the XML layer.
namespace node_records {

struct Attribute {
    uintptr_t header;
    char* name;
    char* value;
    Attribute* previous;  // cyclic: the first one's is the last
    Attribute* next;
};

struct Node {
    uintptr_t header;  // the node type in the low four bits
    char* name;
    char* value;
    Node* parent;
    Node* first_child;
    Node* previous;  // cyclic: the first one's is the last
    Node* next_sibling;
    Attribute* first_attribute;
};

// True when the records are laid out as above.
bool LayoutMatches();

inline bool Direct() {
    static const bool direct = LayoutMatches();
    return direct;
}

inline const Node* record(pugi::xml_node_struct* n) { return reinterpret_cast<const Node*>(n); }
inline pugi::xml_node_struct* handle(const Node* n) {
    return reinterpret_cast<pugi::xml_node_struct*>(const_cast<Node*>(n));
}
inline const Attribute* record(pugi::xml_attribute_struct* a) { return reinterpret_cast<const Attribute*>(a); }
inline const char* orEmpty(const char* s) { return s ? s : ""; }

// Reading the records; only when Direct(), and never on null.
inline pugi::xml_node_type Type(pugi::xml_node_struct* n) {
    return static_cast<pugi::xml_node_type>(record(n)->header & 15);
}
// "" for nodes without a name (text, comments, the document).
inline const char* Name(pugi::xml_node_struct* n) { return orEmpty(record(n)->name); }
inline pugi::xml_node_struct* FirstChild(pugi::xml_node_struct* n) { return handle(record(n)->first_child); }
inline pugi::xml_node_struct* NextSibling(pugi::xml_node_struct* n) { return handle(record(n)->next_sibling); }
inline const Attribute* FirstAttribute(pugi::xml_node_struct* n) { return record(n)->first_attribute; }

}  // namespace node_records
