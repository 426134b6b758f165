#pragma once

#include "config/network/profinet_device.h"
#include "profinet/gsdml/gsdml.h"

#include <gtest/gtest.h>

#include <memory>

// A description decoded for a test; a file that does not decode fails the test.
inline std::shared_ptr<TGSDML> Decoded(const QString& folder, const QString& file) {
    auto gsdml = std::make_shared<TGSDML>();
    EXPECT_TRUE(gsdml->Decode_GSDML(folder, file)) << file.toStdString();
    return gsdml;
}

// A device built from the access point name (and category) of a decoded description.
inline std::unique_ptr<TPROFINET_Device> Built(std::shared_ptr<TGSDML> gsdml, const QString& name,
                                               const QString& category) {
    auto device = std::make_unique<TPROFINET_Device>();
    device->FDeviceName = name;
    device->FDeviceCategoryRef = category;
    device->SetGSDML(std::move(gsdml));
    device->ReadInfoFromGSDML();
    return device;
}
