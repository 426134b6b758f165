#include "profinet/gsdml/profi_energy.h"

#include <cfloat>
#include <cmath>

#include "platform/system/regional.h"

namespace {

// A decimal number in the user's regional format; any other text, and a number beyond the
// range of a float, reads as 0.
void Read_Attribute(IXMLNode node, const char* name, float& field) {
    const char* value = node.FindAttribute(name);
    if (!value) return;
    double number = 0.0;
    const bool converted = TryStrToFloat(QString::fromUtf8(value), number) && std::fabs(number) <= double(FLT_MAX);
    field = converted ? float(number) : 0.0f;
}

}  // namespace

bool TEnergySavingModeItem::Read_EnergySavingModeItem(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "TimeToPause", FTimeToPause);
        Read_Attribute(node, "RTTO", FRTTO);
        Read_Attribute(node, "TimeMinLengthOfStay", FTimeMinLengthOfStay);
        Read_Attribute(node, "PowerConsumption", FPowerConsumption);
        Read_Attribute(node, "EnergyConsumptionToDestination", FEnergyConsumptionToDestination);
        Read_Attribute(node, "EnergyConsumptionToOperation", FEnergyConsumptionToOperation);
        return true;
    });
}

bool TEnergySavingModeList::Read_EnergySavingModeList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "EnergySavingModeItem", EnergySavingModeItemList,
                             &TEnergySavingModeItem::Read_EnergySavingModeItem);
    });
}

bool TMeasurementValue::Read_MeasurementValue(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "AccuracyDomain", FAccuracyDomain);
        Read_Attribute(node, "AccuracyClass", FAccuracyClass);
        return true;
    });
}

bool TMeasurementItem::Read_MeasurementItem(IXMLNode node) {
    // The number is converted strictly: a text that is no number fails the item.
    return Guarded([&] {
               Read_StrictAttribute(node, "Number", FNumber);
               return true;
           }) &&
           Guarded([&] {
               return Read_ItemList(node, "MeasurementValue", MeasurementValueList,
                                    &TMeasurementValue::Read_MeasurementValue);
           });
}

bool TMeasurementList::Read_MeasurementList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "MeasurementItem", MeasurementItemList, &TMeasurementItem::Read_MeasurementItem);
    });
}

bool TPROFIenergy::Read_PROFIenergy(IXMLNode node) {
    const bool attributes = Guarded([&] {
        Read_Attribute(node, "ProfileVersion", FProfileVersion);
        Read_Attribute(node, "EntityClass", FEntityClass);
        Read_Attribute(node, "EntitySubclass", FEntitySubclass);
        Read_Attribute(node, "DynamicTimeAndEnergyValues", FDynamicTimeAndEnergyValues);
        Read_Attribute(node, "PESAP_uses_PROFIenergyASE", FPESAP_uses_PROFIenergyASE);
        return true;
    });
    if (!attributes) return false;
    // The lists' results are not the element's.
    Read_OptionalChild(node, "EnergySavingModeList", EnergySavingModeList,
                       &TEnergySavingModeList::Read_EnergySavingModeList);
    Read_OptionalChild(node, "MeasurementList", MeasurementList, &TMeasurementList::Read_MeasurementList);
    return true;
}
