#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// One energy-saving mode: how long the device takes into and out of it and what it draws.
class TEnergySavingModeItem : public TArenaObject {
public:
    bool Read_EnergySavingModeItem(IXMLNode node);

    GSDML_PROPERTY(uint8_t, ID) = 0;
    GSDML_PROPERTY(uint32_t, TimeToPause) = 0;
    GSDML_PROPERTY(uint32_t, RTTO) = 0;
    GSDML_PROPERTY(uint32_t, TimeMinLengthOfStay) = 0;
    GSDML_PROPERTY(float, PowerConsumption) = 0.0f;
    GSDML_PROPERTY(float, EnergyConsumptionToDestination) = 0.0f;
    GSDML_PROPERTY(float, EnergyConsumptionToOperation) = 0.0f;
};

class TEnergySavingModeList : public TArenaObject {
public:
    bool Read_EnergySavingModeList(IXMLNode node);

    TItemList<TEnergySavingModeItem> EnergySavingModeItemList;
};

class TMeasurementValue : public TArenaObject {
public:
    bool Read_MeasurementValue(IXMLNode node);

    GSDML_PROPERTY(uint16_t, ID) = 0;
    GSDML_PROPERTY(uint8_t, AccuracyDomain) = 0;
    GSDML_PROPERTY(uint8_t, AccuracyClass) = 0;
};

class TMeasurementItem : public TArenaObject {
public:
    // False when "Number" is there but no number.
    bool Read_MeasurementItem(IXMLNode node);

    TItemList<TMeasurementValue> MeasurementValueList;

    GSDML_PROPERTY(uint16_t, Number) = 0;
};

class TMeasurementList : public TArenaObject {
public:
    bool Read_MeasurementList(IXMLNode node);

    TItemList<TMeasurementItem> MeasurementItemList;
};

// The energy management of a submodule. Its lists exist only when the file has them; a
// list that fails to read does not fail the element.
class TPROFIenergy : public TArenaObject {
public:
    bool Read_PROFIenergy(IXMLNode node);

    GSDML_PROPERTY(QString, ProfileVersion);
    GSDML_PROPERTY(QString, EntityClass);
    GSDML_PROPERTY(QString, EntitySubclass);
    GSDML_PROPERTY(bool, DynamicTimeAndEnergyValues) = false;
    GSDML_PROPERTY(bool, PESAP_uses_PROFIenergyASE) = false;

public:
    std::unique_ptr<TEnergySavingModeList> EnergySavingModeList;
    std::unique_ptr<TMeasurementList> MeasurementList;
};
