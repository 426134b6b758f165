#include "profinet/gsdml/graphics_list.h"

bool TGraphicItem::Read_GraphicItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "GraphicFile", FGraphicFile);
        return true;
    });
}

bool TGraphicsList::Read_GraphicsList(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "GraphicItem", GraphicsList, &TGraphicItem::Read_GraphicItem); });
}
