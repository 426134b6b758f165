#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// A graphic file of the description, referred to by its ID.
class TGraphicItem : public TArenaObject {
public:
    bool Read_GraphicItem(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(QString, GraphicFile);
};

class TGraphicsList : public TArenaObject {
public:
    bool Read_GraphicsList(IXMLNode node);

    TItemList<TGraphicItem> GraphicsList;
};
