#include "profinet/gsdml/isochrone_mode.h"

#include <gtest/gtest.h>

#include "profinet/gsdml/element_test_support.h"

namespace {

TEST(IsochroneMode, ReadsItsTimingLimits) {
    const TTestXml doc(TTestXml::File{FixturePath("energy_submodule.xml")});
    const auto read = ReadElement(doc.ElementIn(0, "IsochroneMode"), &TIsochroneMode::Read_IsochroneMode);
    ASSERT_TRUE(read.ok);
    const TIsochroneMode& mode = *read.object;
    EXPECT_EQ(mode.T_DC_Base(), 8);
    EXPECT_EQ(mode.T_DC_Min(), 1);
    EXPECT_EQ(mode.T_DC_Max(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(mode.T_IO_Base(), 125000u);
    EXPECT_EQ(mode.T_IO_InputMin(), 4294967295u);  // -1 in 32 unsigned bits
    EXPECT_EQ(mode.T_IO_OutputMin(), 2000u);
    EXPECT_TRUE(mode.IsochroneModeRequired());
}

TEST(IsochroneMode, WithoutAttributesEverythingIsZero) {
    const TTestXml doc(TTestXml::File{FixturePath("energy_submodule.xml")});
    const auto read = ReadElement(doc.ElementIn(1, "IsochroneMode"), &TIsochroneMode::Read_IsochroneMode);
    TIsochroneMode fresh;
    for (const TIsochroneMode* mode : {&fresh, read.object.get()}) {
        EXPECT_EQ(mode->T_DC_Base(), 0);
        EXPECT_EQ(mode->T_DC_Min(), 0);
        EXPECT_EQ(mode->T_DC_Max(), 0);
        EXPECT_EQ(mode->T_IO_Base(), 0u);
        EXPECT_EQ(mode->T_IO_InputMin(), 0u);
        EXPECT_EQ(mode->T_IO_OutputMin(), 0u);
        EXPECT_FALSE(mode->IsochroneModeRequired());
    }
    EXPECT_TRUE(read.ok);
}

}  // namespace
