#include "profinet/gsdml/slot_cluster.h"

bool TSlotCluster::Read_SlotCluster(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "Count", FCount);
        Read_Attribute(node, "FieldbusType", FFieldbusType);
        return true;
    });
}
