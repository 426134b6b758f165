#pragma once

// Device descriptions and catalog views shared by the catalog's tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <ostream>

#include "profinet/catalog/catalog.h"

// The device descriptions of the vendor test data, in the order a folder listing gives them.
inline const QString Vendor_GSDML_Folder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
inline const QStringList Vendor_GSDML_Files = {
    "GSDML-V2.25-ABB-FENA-20130603.xml",
    "GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
    "GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
};

inline QByteArray Vendor_GSDML_Bytes(const QString& name) {
    QFile f(Vendor_GSDML_Folder + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A small valid device description filed under the given keys; a null key leaves its
// attribute (the vendor: its element) out.
inline QByteArray Device_GSDML(const QString& mainFamily, const QString& vendor, const QString& productFamily) {
    const auto attribute = [](const char* name, const QString& value) {
        return value.isNull() ? QString() : QString(" %1=\"%2\"").arg(name, value);
    };
    const QString vendorName = vendor.isNull() ? QString() : QString("<VendorName Value=\"%1\"/>").arg(vendor);
    return QString("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                   "<ISO15745Profile><ProfileHeader/><ProfileBody>"
                   "<DeviceIdentity VendorID=\"0x1\" DeviceID=\"0x2\">%1</DeviceIdentity>"
                   "<DeviceFunction><Family%2%3/></DeviceFunction>"
                   "<ApplicationProcess><DeviceAccessPointList/><ExternalTextList/></ApplicationProcess>"
                   "</ProfileBody></ISO15745Profile>\n")
        .arg(vendorName, attribute("MainFamily", mainFamily), attribute("ProductFamily", productFamily))
        .toUtf8();
}

// The catalog as nested keys and file names, one line per main family:
// "main{vendor{product family{file,file}}}".
inline QStringList Catalog_Tree(const TPROFINET_Catalog& catalog) {
    const auto nested = [](const QString& key, const QStringList& inner) {
        return key + "{" + inner.join(",") + "}";
    };
    QStringList lines;
    for (const auto& mainFamily : catalog.MainFamily_list) {
        QStringList vendors;
        for (const auto& vendor : mainFamily->Vendor_List) {
            QStringList productFamilies;
            for (const auto& productFamily : vendor->ProductFamily_List) {
                QStringList files;
                for (const auto& entry : productFamily->GSDML_List) files << entry->GSDML->GSDML_FileName();
                productFamilies << nested(productFamily->ProductFamily(), files);
            }
            vendors << nested(vendor->Vendor(), productFamilies);
        }
        lines << nested(mainFamily->MainFamily(), vendors);
    }
    return lines;
}
