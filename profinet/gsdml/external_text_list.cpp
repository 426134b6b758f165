#include "profinet/gsdml/external_text_list.h"

bool TTextItem::Read_TextItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "TextId", FTextId);
        Read_Attribute(node, "Value", FValue);
        return true;
    });
}

bool TPrimaryLanguage::Read_PrimaryLanguage(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "Text", TextList, &TTextItem::Read_TextItem); });
}

bool TLanguage::Read_Language(IXMLNode node) {
    return Guarded([&] {
               Read_Attribute(node, "xml:lang", FLang);
               return true;
           }) &&
           Guarded([&] { return Read_ItemList(node, "Text", TextList, &TTextItem::Read_TextItem); });
}

bool TExternalTextList::Read_ExternalTextList(IXMLNode node) {
    // A primary language that fails part-way keeps what it read and fails nothing.
    return Guarded([&] {
               Read_OptionalChild(node, "PrimaryLanguage", PrimaryLanguage, &TPrimaryLanguage::Read_PrimaryLanguage);
               return true;
           }) &&
           Guarded([&] { return Read_ItemList(node, "Language", LanguageList, &TLanguage::Read_Language); });
}
