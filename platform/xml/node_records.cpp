// Checks once that the parser lays its records out as the readers step through them.
#include <cstring>
#include <pugixml.hpp>

#include "platform/xml/record_layout.h"

namespace node_records {

static_assert(elementType == pugi::node_element && instructionType == pugi::node_pi);

namespace {

const Node* record(pugi::xml_node_struct* n) { return reinterpret_cast<const Node*>(n); }
const Attribute* record(pugi::xml_attribute_struct* a) { return reinterpret_cast<const Attribute*>(a); }

// The same text: the very same characters where the record holds any.
bool sameText(const char* own, const char* library) {
    return own ? own == library : std::strcmp(library, "") == 0;
}

bool sameAttributes(pugi::xml_node n) {
    const Attribute* own = record(n.internal_object())->first_attribute;
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute(), own = own->next) {
        if (own != record(a.internal_object()) || !sameText(own->name, a.name()) || !sameText(own->value, a.value()))
            return false;
    }
    return own == nullptr;
}

bool sameTree(pugi::xml_node n) {
    const Node* own = record(n.internal_object());
    if (static_cast<pugi::xml_node_type>(TypeOf(own)) != n.type() || !sameText(own->name, n.name()) ||
        !sameText(own->value, n.value()) || own->parent != record(n.parent().internal_object()) ||
        own->first_child != record(n.first_child().internal_object()) ||
        own->next_sibling != record(n.next_sibling().internal_object()) || !sameAttributes(n))
        return false;
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        if (!sameTree(c)) return false;
    return true;
}

}  // namespace

bool LayoutMatches() {
    // Every kind of node the layer reads, with and without names, values and attributes.
    static const char text[] =
        "<?xml version='1.0' encoding='UTF-8'?><!DOCTYPE r><!--c--><?p x?>"
        "<r a='1' b='' c:d='&amp;'>t<e f='2'/><![CDATA[d]]><g>  </g><h/></r>";
    pugi::xml_document doc;
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                             pugi::parse_doctype | pugi::parse_ws_pcdata_single;
    return doc.load_string(text, options) && sameTree(doc);
}

}  // namespace node_records
