#include <cstdint>

#include "config/network/profinet_device.h"
#include "platform/system/regional.h"

namespace {

// One send clock unit in milliseconds.
constexpr long double Send_Clock_Unit_ms = 0.03125L;
constexpr long double Max_Answer_Time_ms = 1920;

// The update time list entry Index as send clock and reduction ratio; false outside the list.
bool Update_Time_Entry(const TPROFINET_Device& Device, int Index, int& SendClock, int& ReductionRadio) {
    const auto n = static_cast<int>(Device.Values_ReductionRadio.size());
    if (n == 0 || Index < 0 || Index / n >= static_cast<int>(Device.Values_SendClock.size())) return false;
    SendClock = Device.Values_SendClock[static_cast<size_t>(Index / n)];
    ReductionRadio = Device.Values_ReductionRadio[static_cast<size_t>(Index % n)];
    return true;
}

}  // namespace

bool TPROFINET_Device::CheckUpdateTime(int Index) {
    if (!Update_Time_Entry(*this, Index, FSendClock, FReductionRadio)) return false;
    // Both values come from the description and may be large: multiply without overflow.
    return static_cast<int64_t>(FSendClock) * FReductionRadio >= FMinDevInterval;
}

bool TPROFINET_Device::CheckAnswerTime(int Index, long double& AnsTime) const {
    int sendClock = 0;
    int reductionRadio = 0;
    if (!Update_Time_Entry(*this, FUpdateTime, sendClock, reductionRadio)) {
        AnsTime = 0;
        return false;
    }
    AnsTime = static_cast<long double>(sendClock) * reductionRadio * Send_Clock_Unit_ms *
              (static_cast<long double>(Index) + 3);
    return AnsTime <= Max_Answer_Time_ms;
}

void TPROFINET_Device::Take_Initial_Update_Time() {
    const int entries = static_cast<int>(Values_SendClock.size() * Values_ReductionRadio.size());
    for (int i = 0; i < entries; ++i) {
        int sendClock = 0, reductionRadio = 0;
        Update_Time_Entry(*this, i, sendClock, reductionRadio);
        if (sendClock == FSendClock && reductionRadio == FReductionRadio) {
            FUpdateTime = i;
            return;
        }
    }
    for (int i = 0; i < entries; ++i)
        if (CheckUpdateTime(i)) {
            FUpdateTime = i;
            return;
        }
    FUpdateTime = 0;
    CheckUpdateTime(0);
}

void TPROFINET_Device::Fill_UpdateTimeVal() {
    for (const int sendClock : Values_SendClock)
        for (const int reductionRadio : Values_ReductionRadio) {
            UpdateTimeVal.append(Milliseconds_Text(sendClock * Send_Clock_Unit_ms * reductionRadio));
        }
}

QString Milliseconds_Text(long double ms) {
    return QString::number(static_cast<double>(ms), 'g', 12).replace(QLatin1Char('.'), FormatSettings.DecimalSeparator);
}

long double Send_Clock_Units_ms(int Units) { return Units * Send_Clock_Unit_ms; }
