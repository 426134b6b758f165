#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// The timing a controller may choose for the interface. The value lists (send clock factors in
// units of 31.25 us, reduction ratios) stay texts as written and have no defaults here: the
// network editor keeps its own when they are missing.
class TTimingProperties : public TArenaObject {
public:
    bool Read_TimingProperties(IXMLNode node);

    GSDML_PROPERTY(QString, SendClock);
    GSDML_PROPERTY(QString, ReductionRatio);
    GSDML_PROPERTY(QString, ReductionRatioPow2);
    GSDML_PROPERTY(uint16_t, PreferredSendClock) = 0;
    // Whether the lists are written at all: only a missing list takes the editor's default.
    GSDML_PROPERTY(bool, HasSendClock) = false;
    GSDML_PROPERTY(bool, HasReductionRatio) = false;
};

// The same for isochronous real-time traffic.
class TRT_Class3TimingProperties : public TArenaObject {
public:
    bool Read_RT_Class3TimingProperties(IXMLNode node);

    GSDML_PROPERTY(QString, SendClock);
    GSDML_PROPERTY(QString, ReductionRatio);
    GSDML_PROPERTY(QString, ReductionRatioPow2);
    GSDML_PROPERTY(uint16_t, MaxReductionRatioIsochroneMode) = 0;
    GSDML_PROPERTY(uint16_t, PreferredSendClock) = 0;
};

// The interface submodule's application relations; the access point's own are another class.
class TApplicationRelationsIntSubItem : public TArenaObject {
public:
    bool Read_ApplicationRelationsIntSubItem(IXMLNode node);

    GSDML_PROPERTY(QString, StartupMode);
    GSDML_PROPERTY(uint16_t, NumberOfAdditionalInputCR) = 0;
    GSDML_PROPERTY(uint16_t, NumberOfAdditionalOutputCR) = 0;
    GSDML_PROPERTY(uint16_t, NumberOfAdditionalMulticastProviderCR) = 0;
    GSDML_PROPERTY(uint16_t, NumberOfMulticastConsumerCR) = 0;
    GSDML_PROPERTY(bool, PullModuleAlarmSupported) = false;
    GSDML_PROPERTY(uint16_t, NumberOfAR) = 0;

public:
    std::unique_ptr<TTimingProperties> TimingProperties;
    std::unique_ptr<TRT_Class3TimingProperties> RT_Class3TimingProperties;
};
