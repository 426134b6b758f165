#pragma once

#include <span>

// The protocol panels of the general parameters form, one per protocol of the device family,
// in design order.
enum TParGen_Panel {
    ppPROFINET_Master,
    ppIEC61850_Server,
    ppTLS_Server,
    ppModbus_TCP_Slave,
    ppModbus_Slave,
    ppEthernet,
    ppEtherNetIP,
    ppPROFIBUS,
    ppSNMP_Agent,
    ppMQTT,
    ppWiFi,
    ppTLS,
    ppNTP,
    ppBACnet_Slave,
    ppCAN,
};
inline constexpr int ParGen_Panel_Count = ppCAN + 1;

// The devices of the family; each shows its own panels in its own order.
enum TDevice_Variant { dvQX215, dvQX930, dvQX358, dvQX741, dvQX126, dvQX587, dvQX463, dvQX809, dvQX372, dvQX694 };
inline constexpr int Device_Variant_Count = dvQX694 + 1;

// The device this program is built for.
inline constexpr TDevice_Variant Build_Variant = dvQX372;

// The variant's code, "QX372".
const char* Variant_Code(TDevice_Variant Variant);
// The panels a variant shows, top to bottom; its re-layout lays them out in this order too.
std::span<const TParGen_Panel> Variant_Panels(TDevice_Variant Variant);

// The grid of every panel: row k has its label at left 14 and top 12 + 28 k; edits (21 high)
// and combo boxes (22) stand three pixels higher at left 191, 238 wide; a check box that makes
// up a row stands at its label's top, 17 high.
namespace ParGen_Grid {
inline constexpr int Label_Left = 14;
inline constexpr int Field_Left = 191;
inline constexpr int Field_Width = 238;
inline constexpr int Edit_Height = 21;
inline constexpr int Combo_Height = 22;
inline constexpr int Rich_Edit_Height = 23;
inline constexpr int Check_Box_Height = 17;
inline constexpr int Row_Pitch = 28;
constexpr int Row_Top(int row) { return 12 + Row_Pitch * row; }
constexpr int Field_Top(int row) { return Row_Top(row) - 3; }
}  // namespace ParGen_Grid
