#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// One choice of an enumerated value: the number as written and the text id of its label.
// Content stays text ("0x10" included); users of the tree convert it.
class TAssign : public TArenaObject {
public:
    bool Read_Assign(IXMLNode Assig);

    GSDML_PROPERTY(QString, TextId);
    GSDML_PROPERTY(QString, Content);
};

// The values a parameter may take, named once and referred to by ID.
class TValueItem : public TArenaObject {
public:
    bool Read_ValueItem(IXMLNode ValItem);

    GSDML_PROPERTY(QString, ID);
    // Text id.
    GSDML_PROPERTY(QString, Help);

public:
    // From the children of "Assignments".
    TItemList<TAssign> AssignmentsList;
};

class TValueList : public TArenaObject {
public:
    bool Read_ValueList(IXMLNode ValList);

    TItemList<TValueItem> ValueItemList;
};
