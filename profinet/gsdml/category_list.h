#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// A category into which modules and submodules are sorted. The catalog window resolves a
// module's category reference as a text id directly and does not come here.
class TCategoryItem : public TArenaObject {
public:
    bool Read_CategoryItem(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(QString, TextId);
    // Only an attribute of this name; a child element "InfoText" is not read.
    GSDML_PROPERTY(QString, InfoText);
};

class TCategoryList : public TArenaObject {
public:
    bool Read_CategoryList(IXMLNode node);

    TItemList<TCategoryItem> CategoryList;
};
