#include "profinet/gsdml/isochrone_mode.h"

bool TIsochroneMode::Read_IsochroneMode(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "T_DC_Base", FT_DC_Base);
        Read_Attribute(node, "T_DC_Min", FT_DC_Min);
        Read_Attribute(node, "T_DC_Max", FT_DC_Max);
        Read_Attribute(node, "T_IO_Base", FT_IO_Base);
        Read_Attribute(node, "T_IO_InputMin", FT_IO_InputMin);
        Read_Attribute(node, "T_IO_OutputMin", FT_IO_OutputMin);
        Read_Attribute(node, "IsochroneModeRequired", FIsochroneModeRequired);
        return true;
    });
}
