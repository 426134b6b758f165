#include "profinet/gsdml/graphic_item_ref.h"

bool TGraphicItemRef::Read_GraphicItemRef(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "Type", FTypeGraph);
        Read_Attribute(node, "GraphicItemTarget", FGraphicItemTarget);
        return true;
    });
}

bool TGraphics::Read_Graphics(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "GraphicItemRef", GraphicItemRefList, &TGraphicItemRef::Read_GraphicItemRef);
    });
}
