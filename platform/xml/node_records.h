#pragma once

#include <pugixml.hpp>

#include "platform/xml/record_layout.h"

// Steps through pugixml's node and attribute records by reading them directly: one load per
// step in place of a call into the library, which readers of large documents make millions
// of times and which cost more than the parse itself. Private to the XML layer.
namespace node_records {

static_assert(elementType == pugi::node_element && instructionType == pugi::node_pi);

inline const Node* record(pugi::xml_node_struct* n) { return reinterpret_cast<const Node*>(n); }
inline pugi::xml_node_struct* handle(const Node* n) {
    return reinterpret_cast<pugi::xml_node_struct*>(const_cast<Node*>(n));
}
inline const Attribute* record(pugi::xml_attribute_struct* a) { return reinterpret_cast<const Attribute*>(a); }

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
