#pragma once

#include <cstdint>

// The layout of the parser's node and attribute records, which readers of large documents
// step through directly: one load per step in place of a call into the library. The records
// are laid out as pugixml 1.13 lays them out (without PUGIXML_COMPACT). Direct() compares
// that layout with the library's own answers once; when they differ, callers go through the
// library instead. Free of the library's header, so that the DOM's header can step through
// attributes inline.
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

// The node types that readers ask for, as the library numbers them.
constexpr uintptr_t elementType = 2;
constexpr uintptr_t instructionType = 6;
inline uintptr_t TypeOf(const Node* n) { return n->header & 15; }

// True when the records are laid out as above.
bool LayoutMatches();

inline bool Direct() {
    static const bool direct = LayoutMatches();
    return direct;
}

inline const char* orEmpty(const char* s) { return s ? s : ""; }

// Names are short and mostly differ in their first character, where this stops.
inline bool SameName(const char* a, const char* b) {
    for (; *a == *b; ++a, ++b)
        if (*a == '\0') return true;
    return false;
}

}  // namespace node_records
