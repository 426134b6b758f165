#pragma once

#include <QString>

#include "profinet/gsdml/gsdml_reading.h"

// Reading steps shared by the diagnosis, alarm and logbook items.

// The text ids of the first children "Name" and "Help" (attribute "TextId"), each kept when
// present. False only when "Name" is required and missing; "Help" is always optional.
bool Read_NameAndHelp(IXMLNode node, QString& name, QString& help, bool nameRequired = true);

// One item name of a list with several: the class it makes and the list it goes into.
template <class TBase, class TItem>
struct TItemKind {
    const char* name;
    TItemList<TBase>& items;
    bool (TItem::*read)(IXMLNode);
};

template <class TBase, class TItem>
TItemKind<TBase, TItem> ItemKind(const char* name, TItemList<TBase>& items, bool (TItem::*read)(IXMLNode)) {
    return {name, items, read};
}

// Items of several names in document order, each kind into its own list or several kinds into
// one; the first item that fails ends the reading with false.
template <class... Kinds>
bool Read_ItemKinds(IXMLNode list, const Kinds&... kinds) {
    return Read_Items(list, {kinds.name...}, [&](IXMLNode node, int index) {
        int kind = 0;
        bool result = true;
        const auto readAs = [&](const auto& k) {
            if (kind++ == index) result = Read_Item(node, k.items, k.read);
        };
        (readAs(kinds), ...);
        return result;
    });
}
