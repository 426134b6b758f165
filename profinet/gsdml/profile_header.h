#pragma once

#include <QStringList>

#include "profinet/gsdml/gsdml_reading.h"

// The ISO 15745 part, edition and technology the profile names; filled by the header.
class TISO15745Reference : public TArenaObject {
    friend class TProfileHeader;

    GSDML_PROPERTY(QString, ISO15745Part);
    GSDML_PROPERTY(QString, ISO15745Edition);
    GSDML_PROPERTY(QString, ISO15745Technology);
};

// The profile's own description; nothing in it is required.
class TProfileHeader : public TArenaObject {
public:
    bool Read_ProfileHeader(IXMLNode node);

    QStringList IASInterfaceType;
    TISO15745Reference ISO15745Reference;

    GSDML_PROPERTY(QString, ProfileIdentification);
    GSDML_PROPERTY(QString, ProfileRevision);
    GSDML_PROPERTY(QString, ProfileName);
    GSDML_PROPERTY(QString, ProfileSource);
    GSDML_PROPERTY(QString, ProfileClassID);
    GSDML_PROPERTY(QString, ProfileDate);
};
