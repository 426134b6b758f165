#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/core/component.h"
#include "platform/xml/tree_arena.h"
#include "platform/xml/xml_document.h"

// What every GSDML element class shares: its attributes as typed fields, its item lists, and
// the helpers its reader is made of. A reader looks names up exactly as written in the file
// (case-sensitive), reads an attribute or child only when the element has it, and validates
// and resolves nothing.

// An attribute kept in the private field F<Name> behind the read/write property Name /
// Set<Name>. The field's default follows the use: GSDML_PROPERTY(uint16_t, DeviceID) = 1;
// Leaves the class in its private part.
#define GSDML_PROPERTY(Type, Name)                                   \
public:                                                              \
    Type Name() const { return F##Name; }                            \
    void Set##Name(Type value) { F##Name = std::move(value); }       \
                                                                     \
private:                                                             \
    Type F##Name

// The items of one list element, owned, in document order.
template <class T>
using TItemList = std::vector<std::unique_ptr<T>>;

// ---- Attributes: a missing attribute leaves the field as it is. Inline, as readers make
// them by the thousand: each search is specialised for its name.

// An attribute's text converted as the integer fields below convert it, and as the flag does.
int GSDML_AttributeInteger(const char* value, int conversionDefault);
bool GSDML_AttributeFlag(const char* value);

// The text exactly as it stands.
inline void Read_Attribute(IXMLNode node, const char* name, QString& field) { node.ReadAttribute(name, field); }
// True when the trimmed text is "TRUE" in any case.
inline void Read_Attribute(IXMLNode node, const char* name, bool& field) {
    if (const char* value = node.FindAttribute(name)) field = GSDML_AttributeFlag(value);
}
// Integers convert to 32 bits (conversionDefault when the text is no number) and keep the
// field's width: 70000 gives 4464 in a Word, -1 gives 4294967295 in a Cardinal.
template <class T>
    requires std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t> || std::is_same_v<T, uint32_t> ||
             std::is_same_v<T, int32_t>
inline void Read_Attribute(IXMLNode node, const char* name, T& field, int conversionDefault = 0) {
    if (const char* value = node.FindAttribute(name))
        field = static_cast<T>(GSDML_AttributeInteger(value, conversionDefault));
}
// An integer in any form the integer rule takes, blanks around it allowed, kept in 16 bits;
// any other text raises instead of falling back to a default.
void Read_StrictAttribute(IXMLNode node, const char* name, uint16_t& field);

// The program's integer conversion, with conversionDefault for a text that is no number.
int GSDML_To_Integer(const QString& text, int conversionDefault);

// ---- Children

// The first child element named name; a null handle when there is none.
inline IXMLNode Child(IXMLNode node, const char* name) { return node.ChildNodes().FindNode(name); }

// The text of the first child named name, into field when there is one.
void Read_ChildText(IXMLNode node, const char* name, QString& field);

// A child object that exists from construction is filled in place; one held by pointer is
// created, stored and then read, so a failed read leaves the partly read object there.
template <class T>
bool Read_Child(IXMLNode child, T& object, bool (T::*read)(IXMLNode)) {
    return (object.*read)(child);
}
template <class T>
bool Read_Child(IXMLNode child, std::unique_ptr<T>& object, bool (T::*read)(IXMLNode)) {
    object = std::make_unique<T>();
    return ((*object).*read)(child);
}

// A missing required child fails the reader; a missing optional one reads as true.
template <class Field, class T>
bool Read_RequiredChild(IXMLNode node, const char* name, Field& object, bool (T::*read)(IXMLNode)) {
    const IXMLNode child = Child(node, name);
    return child && Read_Child(child, object, read);
}
template <class Field, class T>
bool Read_OptionalChild(IXMLNode node, const char* name, Field& object, bool (T::*read)(IXMLNode)) {
    const IXMLNode child = Child(node, name);
    return !child || Read_Child(child, object, read);
}

// ---- Item lists

// Hands every child of list named one of names to read(node, index of the name), in document
// order; comments, text and other names are passed over. Stops at the first false.
template <class F>
bool Read_Items(IXMLNode list, std::initializer_list<const char*> names, F&& read) {
    // Comments, like text, never carry an element's name.
    for (IXMLNode node = list.ChildNodes().First(); node; node = node.NextSibling()) {
        int index = 0;
        for (const char* name : names) {
            if (node.NameIs(name)) {
                if (!read(node, index)) return false;
                break;
            }
            ++index;
        }
    }
    return true;
}

// One item: created and read; appended when its reader returns true, discarded otherwise.
template <class TItem, class TBase>
bool Read_Item(IXMLNode node, TItemList<TBase>& list, bool (TItem::*read)(IXMLNode)) {
    auto item = std::make_unique<TItem>();
    if (!((*item).*read)(node)) return false;
    list.push_back(std::move(item));
    return true;
}

// The common list: items of one name and class.
template <class TItem>
bool Read_ItemList(IXMLNode list, const char* name, TItemList<TItem>& items, bool (TItem::*read)(IXMLNode)) {
    // Counted first, so that the list is allocated once rather than grown step by step.
    std::size_t count = 0;
    for (IXMLNode node = list.ChildNodes().First(); node; node = node.NextSibling()) count += node.NameIs(name);
    items.reserve(items.size() + count);
    return Read_Items(list, {name}, [&](IXMLNode node, int) { return Read_Item(node, items, read); });
}

// ---- Guards

// Runs read so that an error raised below it (a raising conversion, exhausted memory) makes
// it false instead of passing on.
template <class F>
bool Guarded(F&& read) {
    try {
        return read();
    } catch (const std::exception&) {
        return false;
    }
}
