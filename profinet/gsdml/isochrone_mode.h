#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// The timing limits of a submodule that runs in step with the bus cycle.
class TIsochroneMode : public TArenaObject {
public:
    bool Read_IsochroneMode(IXMLNode node);

    GSDML_PROPERTY(uint16_t, T_DC_Base) = 0;
    GSDML_PROPERTY(uint16_t, T_DC_Min) = 0;
    GSDML_PROPERTY(uint16_t, T_DC_Max) = 0;
    GSDML_PROPERTY(uint32_t, T_IO_Base) = 0;
    GSDML_PROPERTY(uint32_t, T_IO_InputMin) = 0;
    GSDML_PROPERTY(uint32_t, T_IO_OutputMin) = 0;
    GSDML_PROPERTY(bool, IsochroneModeRequired) = false;
};
