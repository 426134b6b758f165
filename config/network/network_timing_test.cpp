#include "config/network/profinet_device.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/system/regional.h"

namespace {

std::unique_ptr<TPROFINET_Device> Device_With(std::vector<int> sendClocks, std::vector<int> reductionRatios,
                                              int minInterval = 0) {
    auto device = std::make_unique<TPROFINET_Device>();
    device->Values_SendClock = std::move(sendClocks);
    device->Values_ReductionRadio = std::move(reductionRatios);
    device->FMinDevInterval = minInterval;
    device->Fill_UpdateTimeVal();
    return device;
}

const std::vector<int> All_Ratios = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512};

class NetworkTimingTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = FormatSettings; }
    void TearDown() override { FormatSettings = saved_; }
    TFormatSettings saved_;
};

}  // namespace

TEST_F(NetworkTimingTest, UpdateTimesAreSendClockMajorInTheUsersDecimalFormat) {
    FormatSettings.DecimalSeparator = QLatin1Char('.');
    EXPECT_EQ(Device_With({32}, All_Ratios)->UpdateTimeVal,
              (QStringList{"1", "2", "4", "8", "16", "32", "64", "128", "256", "512"}));
    EXPECT_EQ(Device_With({8, 32}, {1, 2})->UpdateTimeVal, (QStringList{"0.25", "0.5", "1", "2"}));
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(Device_With({8}, {1, 3})->UpdateTimeVal, (QStringList{"0,25", "0,75"}));
    EXPECT_TRUE(Device_With({}, All_Ratios)->UpdateTimeVal.isEmpty());
}

TEST_F(NetworkTimingTest, CheckUpdateTimeTakesTheEntryAndComparesWithTheMinimumInterval) {
    struct Case {
        std::vector<int> sendClocks;
        std::vector<int> ratios;
        int minInterval;
        int index;
        bool accepted;
        int sendClock;
        int ratio;
    };
    const Case cases[] = {
        {{32}, All_Ratios, 0, 3, true, 32, 8},
        {{32}, All_Ratios, 64, 0, false, 32, 1},  // refused, yet the pair is taken
        {{32}, All_Ratios, 64, 1, true, 32, 2},
        {{8, 32}, {1, 2, 4}, 32, 2, true, 8, 4},
        {{8, 32}, {1, 2, 4}, 32, 3, true, 32, 1},
        {{8, 32}, {1, 2, 4}, 64, 4, true, 32, 2},
        {{8, 32}, {1, 2, 4}, 64, 0, false, 8, 1},
        {{65536}, {65536}, 64, 0, true, 65536, 65536},  // the product passes 32 bits
    };
    for (const Case& c : cases) {
        const auto device = Device_With(c.sendClocks, c.ratios, c.minInterval);
        SCOPED_TRACE(c.index);
        EXPECT_EQ(device->CheckUpdateTime(c.index), c.accepted);
        EXPECT_EQ(device->SendClock(), c.sendClock);
        EXPECT_EQ(device->ReductionRadio(), c.ratio);
    }
}

TEST_F(NetworkTimingTest, CheckAnswerTimeLimitsTheTimeOutTo1920ms) {
    struct Case {
        int updateTime;
        int index;
        bool accepted;
        long double ms;
    };
    const Case cases[] = {
        {1, 252, true, 510},  // 2 ms x 255
        {9, 0, true, 1536},   // 512 ms x 3
        {9, 1, false, 2048},  // 512 ms x 4: refused, the time still given
        {0, 0, true, 3},      // 1 ms x 3
        {5, 57, true, 1920},  // 32 ms x 60: the limit itself passes
        {5, 58, false, 1952},
        {0, INT_MAX, false, 2147483650.0L},  // the count of answers passes 32 bits
    };
    for (const Case& c : cases) {
        const auto device = Device_With({32}, All_Ratios);
        device->FUpdateTime = c.updateTime;
        long double ms = -1;
        SCOPED_TRACE(c.index);
        EXPECT_EQ(device->CheckAnswerTime(c.index, ms), c.accepted);
        EXPECT_EQ(ms, c.ms);
    }
}

TEST_F(NetworkTimingTest, IndexesOutsideTheListsAreRefusedWithoutChange) {
    const auto device = Device_With({32}, {1, 2});
    EXPECT_FALSE(device->CheckUpdateTime(2));
    EXPECT_FALSE(device->CheckUpdateTime(-1));
    EXPECT_EQ(device->SendClock(), 32);
    EXPECT_EQ(device->ReductionRadio(), 2);
    device->FUpdateTime = 7;
    long double ms = -1;
    EXPECT_FALSE(device->CheckAnswerTime(0, ms));
    EXPECT_EQ(ms, 0);
    const auto empty = Device_With({}, {});
    EXPECT_FALSE(empty->CheckUpdateTime(0));
    EXPECT_FALSE(empty->CheckAnswerTime(0, ms));
}
