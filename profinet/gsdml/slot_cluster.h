#pragma once

#include "profinet/gsdml/gsdml_reading.h"

class TSlotCluster : public TArenaObject {
public:
    bool Read_SlotCluster(IXMLNode node);

    GSDML_PROPERTY(uint16_t, Count) = 0;
    GSDML_PROPERTY(uint16_t, FieldbusType) = 0;
};
