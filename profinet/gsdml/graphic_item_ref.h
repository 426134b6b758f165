#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// A reference to a graphic item of the graphics list, by its ID.
class TGraphicItemRef : public TArenaObject {
public:
    bool Read_GraphicItemRef(IXMLNode node);

    // The kind of graphic ("DeviceSymbol", "DeviceIcon"), from the attribute "Type".
    GSDML_PROPERTY(QString, TypeGraph);
    GSDML_PROPERTY(QString, GraphicItemTarget);
};

// The pictures of a device access point, module or submodule.
class TGraphics : public TArenaObject {
public:
    bool Read_Graphics(IXMLNode node);

    TItemList<TGraphicItemRef> GraphicItemRefList;
};
