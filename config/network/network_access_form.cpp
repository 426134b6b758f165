#include "config/network/network_access_form.h"

#include "config/network/modules_def_form.h"
#include "config/network/network_file.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/scrolling_win_control.h"
#include "platform/controls/splitter.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "profinet/catalog/catalog_form.h"
#include "profinet/gsdml/gsdml.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

#include <algorithm>

TFPROFINET_Network_Access* FPROFINET_Network_Access = nullptr;

namespace {

constexpr int Client_Width = 1150;
constexpr int Client_Height = 583;
constexpr int Properties_Height = 193;
constexpr int Splitter_Height = 4;
constexpr int Device_Panel_Height = Client_Height - 69 - 40 - Properties_Height - Splitter_Height;
constexpr int Button_Row_Height = 40;
// Room of a drop-down list beside its longest item: the frame, the text's margin and the arrow.
constexpr int Combo_Extra = 3 + 4 + 21;
constexpr int Column_Widths[] = {65, 200, 200, 200, 200, 158};
// The answer time-out factors the answer list offers.
constexpr int First_Answer_Factor = 3;
constexpr int Last_Answer_Factor = 255;
constexpr int Text_Device = 1146;
constexpr int Text_Copy_Failed = 1147;

void Error_Box(const QString& Text) { MessageDlg(Text, mtError, mbOK); }

int Text_Width(const TFont& Font, const QString& Text) {
    TBitmap bitmap(1, 1);
    bitmap.Canvas().Font.Assign(Font);
    return bitmap.Canvas().TextWidth(Text);
}

}  // namespace

TFPROFINET_Network_Access::TFPROFINET_Network_Access(TComponent* AOwner)
    : TForm(AOwner), XML1(std::make_unique<TXMLDocument>(nullptr)) {}

TFPROFINET_Network_Access::~TFPROFINET_Network_Access() = default;

void TFPROFINET_Network_Access::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Client_Width, Client_Height);
    Btn_Cancel->ModalResult = mrCancel;
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };

    const int top = P_Title->Height();
    P_Device = Place_Control<TPanel>(*this, this, "P_Device", 0, top, Client_Width, Device_Panel_Height);
    P_Device->BevelOuter = bvNone;
    P_Device->Anchors = akLeft | akTop | akRight;
    ACG_ListDevice = Place_Control<TExColumnGrid>(*this, P_Device, "ACG_ListDevice", 0, 0, Client_Width,
                                                  Device_Panel_Height - Button_Row_Height);
    ACG_ListDevice->Anchors = akLeft | akTop | akRight | akBottom;
    ACG_ListDevice->SetColCount(6);
    ACG_ListDevice->SetRowCount(2);
    ACG_ListDevice->SetFixedCols(0);
    ACG_ListDevice->SetFixedRows(1);
    ACG_ListDevice->SetOptions((ACG_ListDevice->Options() | goRowSelect) & ~goEditing);
    for (int c = 0; c < 6; ++c) {
        TGridColumnItem* column = ACG_ListDevice->Columns().Items(c);
        column->SetWidth(Column_Widths[c]);
        column->ReadOnly = true;
    }
    ACG_ListDevice->OnClickCell = [this](TObject* s, int r, int c) { ACG_ListDeviceClickCell(s, r, c); };
    ACG_ListDevice->OnDblClickCell = [this](TObject* s, int r, int c) { ACG_ListDeviceDblClickCell(s, r, c); };

    P_Device_Buttons = Place_Control<TPanel>(*this, P_Device, "P_Device_Buttons", 0,
                                             Device_Panel_Height - Button_Row_Height, Client_Width, Button_Row_Height);
    P_Device_Buttons->BevelOuter = bvNone;
    P_Device_Buttons->Anchors = akLeft | akRight | akBottom;
    int left = 16;
    for (auto [button, name] : {std::pair{&Btn_Add_Catalog, "Btn_Add_Catalog"},
                                std::pair{&Btn_Delete_Device, "Btn_Delete_Device"},
                                std::pair{&Btn_Modules, "Btn_Modules"}}) {
        *button = Place_Control<TLbButton>(*this, P_Device_Buttons, name, left, 7, 150, 26);
        (*button)->ShowHint = true;
        left += 160;
    }
    Btn_Add_Catalog->OnClick = [this](TObject* s) { Btn_Add_CatalogClick(s); };
    Btn_Delete_Device->OnClick = [this](TObject* s) { Btn_Delete_DeviceClick(s); };
    Btn_Modules->OnClick = [this](TObject* s) { Btn_ModulesClick(s); };

    // The user shares the height between the device list and the properties, which scroll
    // when they get less than they need.
    Splitter1 = Place_Control<TSplitter>(*this, this, "Splitter1", 0, top + Device_Panel_Height, Client_Width,
                                         Splitter_Height);
    ScrollBox1 = Place_Control<TScrollingWinControl>(*this, this, "ScrollBox1", 0,
                                                     top + Device_Panel_Height + Splitter_Height, Client_Width,
                                                     Properties_Height);
    ScrollBox1->SetParentColor(true);
    ScrollBox1->VertScrollBar().Increment = 16;
    Splitter1->Above = P_Device;
    Splitter1->Below = ScrollBox1;
    Splitter1->OnMoved = [this](TObject*) { Fit_Properties(); };
    P_Device_Properties =
        Place_Control<TPanel>(*this, ScrollBox1, "P_Device_Properties", 0, 0, Client_Width, Properties_Height);
    P_Device_Properties->BevelOuter = bvNone;
    TPanel* p = P_Device_Properties;
    const auto label = [&](TLabel*& field, const char* name, int x, int y) {
        field = Place_Control<TLabel>(*this, p, name, x, y, 0, 0);
    };
    label(L_Dev_DevProp, "L_Dev_DevProp", 8, 4);
    L_Dev_DevProp->Font().SetStyle(fsBold);
    label(L_Dev_DevProp_NameStation, "L_Dev_DevProp_NameStation", 16, 27);
    E_Dev_DevProp_NameStation = Place_Control<TEdit>(*this, p, "E_Dev_DevProp_NameStation", 180, 24, 400, 21);
    label(L_Dev_DevProp_IPAddress, "L_Dev_DevProp_IPAddress", 16, 53);
    E_Dev_DevProp_IPAddress = Place_Control<TEdit>(*this, p, "E_Dev_DevProp_IPAddress", 180, 50, 400, 21);
    CB_Dev_DevProp_New_Session_SPI =
        Place_Control<TCheckBox>(*this, p, "CB_Dev_DevProp_New_Session_SPI", 180, 76, 500, 17);
    label(L_Dev_CycTime, "L_Dev_CycTime", 8, 100);
    L_Dev_CycTime->Font().SetStyle(fsBold);
    label(L_Dev_CycTime_Update, "L_Dev_CycTime_Update", 16, 123);
    CB_Dev_CycTime_Update = Place_Control<TComboBox>(*this, p, "CB_Dev_CycTime_Update", 180, 120, 400, 21);
    label(L_Dev_CycTime_Answer, "L_Dev_CycTime_Answer", 16, 149);
    CB_Dev_CycTime_Answer = Place_Control<TComboBox>(*this, p, "CB_Dev_CycTime_Answer", 180, 146, 100, 21);
    label(L_Dev_CycTime_Answer_Real, "L_Dev_CycTime_Answer_Real", 290, 149);
    for (TWinControl* c : {static_cast<TWinControl*>(E_Dev_DevProp_NameStation),
                           static_cast<TWinControl*>(E_Dev_DevProp_IPAddress),
                           static_cast<TWinControl*>(CB_Dev_DevProp_New_Session_SPI),
                           static_cast<TWinControl*>(CB_Dev_CycTime_Update),
                           static_cast<TWinControl*>(CB_Dev_CycTime_Answer)})
        c->ShowHint = true;
    E_Dev_DevProp_NameStation->OnExit = [this](TObject* s) { E_Dev_DevProp_Exit(s); };
    E_Dev_DevProp_IPAddress->OnExit = [this](TObject* s) { E_Dev_DevProp_Exit(s); };
    CB_Dev_CycTime_Update->OnChange = [this](TObject* s) { CB_Dev_Change(s); };
    CB_Dev_CycTime_Answer->OnChange = [this](TObject* s) { CB_Dev_Change(s); };
    CB_Dev_DevProp_New_Session_SPI->OnClick = [this](TObject* s) { CB_Dev_DevProp_New_Session_SPIClick(s); };
    P_Device_Properties->OnResize = [this](TObject* s) { P_Device_PropertiesResize(s); };
    P_Device_PropertiesResize(P_Device_Properties);

    Fit_Properties();

    OnMouseWheel = [this](TObject* s, TShiftState sh, int d, TPoint p, bool& h) { FormMouseWheel(s, sh, d, p, h); };
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFPROFINET_Network_Access::FormCreate(TObject*) {
    QStringList factors;
    for (int f = First_Answer_Factor; f <= Last_Answer_Factor; ++f) factors << QString::number(f);
    CB_Dev_CycTime_Answer->SetItems(factors);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFPROFINET_Network_Access::FormShow(TObject*) {
    List_PROFINET_Device.clear();
    Subnet = Read_Master_Subnet();
    Load_PROFINET_Network_Project();
    Show_Device_List();
    if (!List_PROFINET_Device.empty()) {
        Select_Row(1);
        Show_Data_Device(0);
    } else {
        Show_Data_Device(-1);
    }
}

void TFPROFINET_Network_Access::Set_Lang() {
    SetCaption(Lang(1100));
    L_SW_Desc->SetCaption(Lang(1101));
    for (int c = 0; c < 6; ++c) ACG_ListDevice->Columns().Items(c)->SetHeader(Lang(1102 + c));
    Btn_Add_Catalog->SetCaption(Lang(1108));
    Btn_Add_Catalog->SetHint(Lang(1109));
    Btn_Delete_Device->SetCaption(Lang(1110));
    Btn_Delete_Device->SetHint(Lang(1111));
    Btn_Modules->SetCaption(Lang(1112));
    Btn_Modules->SetHint(Lang(1113));
    L_Dev_DevProp->SetCaption(Lang(1114));
    L_Dev_DevProp_NameStation->SetCaption(Lang(1115));
    E_Dev_DevProp_NameStation->SetHint(Lang(1116));
    L_Dev_DevProp_IPAddress->SetCaption(Lang(1117));
    E_Dev_DevProp_IPAddress->SetHint(Lang(1118));
    CB_Dev_DevProp_New_Session_SPI->SetCaption(Lang(1136));
    CB_Dev_DevProp_New_Session_SPI->SetHint(Lang(1137));
    L_Dev_CycTime->SetCaption(Lang(1119));
    L_Dev_CycTime_Update->SetCaption(Lang(1120));
    CB_Dev_CycTime_Update->SetHint(Lang(1121));
    L_Dev_CycTime_Answer->SetCaption(Lang(1122));
    CB_Dev_CycTime_Answer->SetHint(Lang(1123));
    Btn_OK->SetCaption(Lang(1124));
    Btn_OK->SetHint(Lang(1125));
    Btn_Cancel->SetCaption(Lang(1126));
    Btn_Cancel->SetHint(Lang(1127));
}

// ---- the device list

void TFPROFINET_Network_Access::Show_Device_List() {
    const int count = static_cast<int>(List_PROFINET_Device.size());
    ACG_ListDevice->SetRowCount(std::max(2, count + 1));
    for (int c = 0; c < 6; ++c) ACG_ListDevice->SetCells(c, 1, QString());
    for (int i = 0; i < count; ++i) {
        const TGSDML* gsdml = List_PROFINET_Device[size_t(i)]->GSDML();
        const auto& body = gsdml->ProfileBody;
        const int r = i + 1;
        ACG_ListDevice->SetCells(0, r, QString::number(i));
        ACG_ListDevice->SetCells(1, r, body.DeviceIdentity.VendorName());
        ACG_ListDevice->SetCells(2, r, body.DeviceFunction.Family.MainFamily());
        ACG_ListDevice->SetCells(3, r, body.DeviceFunction.Family.ProductFamily());
        ACG_ListDevice->SetCells(4, r, gsdml->GSDML_FileName());
        ACG_ListDevice->SetCells(5, r, QString());
    }
    // Vendors and file names run longer than the designed columns: those grow to their texts.
    for (int c = 0; c < 6; ++c) {
        ACG_ListDevice->Columns().Items(c)->SetWidth(Column_Widths[c]);
        ACG_ListDevice->AutoSizeColWidth(c, true);
    }
}

int TFPROFINET_Network_Access::Selected_Row() const { return ACG_ListDevice->Row(); }

void TFPROFINET_Network_Access::Select_Row(int Row) {
    ACG_ListDevice->SetRow(std::clamp(Row, 1, ACG_ListDevice->RowCount() - 1));
}

TPROFINET_Device* TFPROFINET_Network_Access::Selected_Device() const {
    const int index = Selected_Row() - 1;
    if (index < 0 || index >= static_cast<int>(List_PROFINET_Device.size())) return nullptr;
    return List_PROFINET_Device[size_t(index)].get();
}

void TFPROFINET_Network_Access::ACG_ListDeviceClickCell(TObject*, int ARow, int) {
    // A click on the header leaves the selected row, and with it the shown device, as it is:
    // an emptied panel would otherwise be stored into that device on the next edit.
    if (ARow < 1) return;
    Select_Row(ARow);
    Show_Data_Device(ARow - 1);
}

void TFPROFINET_Network_Access::ACG_ListDeviceDblClickCell(TObject*, int ARow, int) {
    if (ARow == -1) Add_Device();
    else if (ARow >= 1) Modules_Definition();
}

// ---- the properties panel

void TFPROFINET_Network_Access::Show_Data_Device(int Index) {
    Showing_Data = true;
    if (Index >= 0 && Index < static_cast<int>(List_PROFINET_Device.size())) {
        const TPROFINET_Device& device = *List_PROFINET_Device[size_t(Index)];
        E_Dev_DevProp_NameStation->SetText(device.FNameOfStation);
        E_Dev_DevProp_IPAddress->SetText(device.FIPAddress);
        CB_Dev_DevProp_New_Session_SPI->SetChecked(device.FNewSessionSPI);
        Show_Update_Times(device);
        CB_Dev_CycTime_Answer->SetItemIndex(device.FAnswerTime);
        Show_Answer_Time(device, CB_Dev_CycTime_Answer->ItemIndex());
    } else {
        E_Dev_DevProp_NameStation->SetText(QString());
        E_Dev_DevProp_IPAddress->SetText(QString());
        CB_Dev_DevProp_New_Session_SPI->SetChecked(false);
        Update_Time_Entries.clear();
        CB_Dev_CycTime_Update->Clear();
        CB_Dev_CycTime_Update->SetItemIndex(-1);
        CB_Dev_CycTime_Answer->SetItemIndex(-1);
        L_Dev_CycTime_Answer_Real->SetCaption(QString());
    }
    P_Device_Properties->SetHeight(Properties_Height);
    Showing_Data = false;
}

void TFPROFINET_Network_Access::Show_Update_Times(const TPROFINET_Device& Device) {
    // Send clocks and reduction ratios with the same product give the same time: the user
    // picks a time, once.
    QStringList times;
    Update_Time_Entries.clear();
    int width = 0;
    for (int k = 0; k < Device.UpdateTimeVal.size(); ++k) {
        const QString& time = Device.UpdateTimeVal[k];
        if (times.contains(time)) continue;
        times << time;
        Update_Time_Entries.push_back(k);
        width = std::max(width, Text_Width(CB_Dev_CycTime_Update->Font(), time));
    }
    CB_Dev_CycTime_Update->SetItems(times);
    CB_Dev_CycTime_Update->SetItemIndex(times.indexOf(Device.UpdateTimeVal.value(Device.FUpdateTime)));
    CB_Dev_CycTime_Update->SetWidth(std::max(width, Text_Width(CB_Dev_CycTime_Update->Font(), "0000")) + Combo_Extra);
}

bool TFPROFINET_Network_Access::Show_Answer_Time(const TPROFINET_Device& Device, int Index) {
    long double time = 0;
    const bool allowed = Device.CheckAnswerTime(Index, time);
    L_Dev_CycTime_Answer_Real->SetCaption(Milliseconds_Text(time));
    return allowed;
}

void TFPROFINET_Network_Access::Refuse(const QString& Text, TWinControl* Control) {
    Refusing = true;
    Error_Box(Text);
    if (Control->CanFocus()) Control->SetFocus();
    Refusing = false;
}

void TFPROFINET_Network_Access::E_Dev_DevProp_Exit(TObject* Sender) {
    TPROFINET_Device* device = Selected_Device();
    if (!device || Refusing) return;
    auto* edit = static_cast<TEdit*>(Sender);
    const QString text = edit->Text();
    const bool isName = edit == E_Dev_DevProp_NameStation;
    QString fault;
    if (isName ? Name_Of_Station_Fault(text, fault)
               : IP_Address_Fault(text, Subnet, List_PROFINET_Device, device, fault))
        return Refuse(fault, edit);
    (isName ? device->FNameOfStation : device->FIPAddress) = text;
}

void TFPROFINET_Network_Access::CB_Dev_DevProp_New_Session_SPIClick(TObject*) {
    if (Showing_Data) return;
    if (TPROFINET_Device* device = Selected_Device())
        device->FNewSessionSPI = CB_Dev_DevProp_New_Session_SPI->Checked();
}

void TFPROFINET_Network_Access::CB_Dev_Change(TObject* Sender) {
    if (Showing_Data) return;
    if (Sender == CB_Dev_CycTime_Update) Update_Time_Change();
    else if (Sender == CB_Dev_CycTime_Answer) Answer_Time_Change();
}

void TFPROFINET_Network_Access::Update_Time_Change() {
    TPROFINET_Device* device = Selected_Device();
    if (!device) return;
    const int sendClock = device->SendClock();
    const int reductionRadio = device->ReductionRadio();
    const int shown = CB_Dev_CycTime_Update->ItemIndex();
    if (shown < 0 || shown >= int(Update_Time_Entries.size())) return;
    // The same time again keeps the device's own pair of send clock and reduction ratio.
    const QString time = CB_Dev_CycTime_Update->Text();
    const int entry = device->UpdateTimeVal.value(device->FUpdateTime) == time ? device->FUpdateTime
                                                                               : Update_Time_Entries[size_t(shown)];
    if (!device->CheckUpdateTime(entry)) {
        // The check took the refused entry's timing; the device keeps what it had, so that a
        // refused update time is never saved.
        device->Restore_Timing(device->FUpdateTime, sendClock, reductionRadio, device->FAnswerTime);
        return Refuse(Lang(1133) + Milliseconds_Text(Send_Clock_Units_ms(device->FMinDevInterval)),
                      CB_Dev_CycTime_Update);
    }
    device->FUpdateTime = entry;
    if (!Show_Answer_Time(*device, CB_Dev_CycTime_Answer->ItemIndex())) {
        Error_Box(Lang(1134));
        if (CB_Dev_CycTime_Answer->CanFocus()) CB_Dev_CycTime_Answer->SetFocus();
    }
}

void TFPROFINET_Network_Access::Answer_Time_Change() {
    TPROFINET_Device* device = Selected_Device();
    if (!device) return;
    if (!Show_Answer_Time(*device, CB_Dev_CycTime_Answer->ItemIndex()))
        return Refuse(Lang(1135), CB_Dev_CycTime_Answer);
    device->FAnswerTime = CB_Dev_CycTime_Answer->ItemIndex();
}

void TFPROFINET_Network_Access::P_Device_PropertiesResize(TObject*) {
    // The update list is as wide as its longest time (Show_Update_Times).
    const int width = P_Device_Properties->Width() - 191;
    E_Dev_DevProp_NameStation->SetWidth(width);
    E_Dev_DevProp_IPAddress->SetWidth(width);
}

void TFPROFINET_Network_Access::Fit_Properties() {
    // The properties scroll up and down only: they take the width the box leaves them beside
    // its vertical bar.
    ScrollBox1->UpdateScrollBars();
    P_Device_Properties->SetWidth(ScrollBox1->ClientWidth());
    ScrollBox1->UpdateScrollBars();
}

void TFPROFINET_Network_Access::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
    Handled = Wheel_Scrolls(*ScrollBox1, WheelDelta, MousePos);
}

// ---- adding, deleting, modules

void TFPROFINET_Network_Access::Add_Device() {
    // The devices that could not be read stay in the network and count.
    if (static_cast<int>(List_PROFINET_Device.size() + Unread_Network.Devices().size()) >= Max_Devices)
        return Error_Box(Lang(1129));
    Select_Device_From_Catalog();
}

void TFPROFINET_Network_Access::Select_Device_From_Catalog() {
    if (FPROFINETCatalog->ShowModal() != mrOk || !FPROFINETCatalog->Selected_GSDML) return;
    const TGSDML& chosen = *FPROFINETCatalog->Selected_GSDML;
    const QString folder = IncludeTrailingPathDelimiter(Project_Path) + "GSDML" + PathDelim;
    const QString fileName = chosen.GSDML_FileName();
    if (!ForceDirectories(folder) || !CopyFile(chosen.GSDML_Path() + fileName, folder + fileName, false))
        return Error_Box(Lang(Text_Copy_Failed) + folder + fileName);
    auto gsdml = std::make_shared<TGSDML>();
    try {
        if (!gsdml->Decode_GSDML(folder, fileName)) return;
    } catch (const Exception&) {
        return;
    }
    auto device = std::make_unique<TPROFINET_Device>();
    device->FDeviceName = FPROFINETCatalog->Selected_Device;
    device->FDeviceCategoryRef = FPROFINETCatalog->Selected_CategoryRef;
    device->SetGSDML(std::move(gsdml));
    device->ReadInfoFromGSDML();
    device->Take_Initial_Update_Time();
    List_PROFINET_Device.push_back(std::move(device));
    Show_Device_List();
    const int index = static_cast<int>(List_PROFINET_Device.size()) - 1;
    Select_Row(index + 1);
    Show_Data_Device(index);
}

void TFPROFINET_Network_Access::Delete_Device() {
    const int row = Selected_Row();
    if (row < 1) return Error_Box(Lang(1128));
    if (!Selected_Device()) return;
    List_PROFINET_Device.erase(List_PROFINET_Device.begin() + (row - 1));
    Show_Device_List();
    Select_Row(row);
    Show_Data_Device(Selected_Row() - 1);
}

void TFPROFINET_Network_Access::Modules_Definition() {
    if (Selected_Row() < 1) return Error_Box(Lang(1130));
    TPROFINET_Device* device = Selected_Device();
    if (!device) return;
    TFPROFINET_Modules_Def& modules = *FPROFINET_Modules_Def;
    modules.Device = device;
    modules.Prepare_Temp_Data();
    if (modules.ShowModal() != mrOk) return;
    if (device->SlotList.empty() || device->SlotList.size() != modules.SlotList.size()) return;
    for (size_t k = 0; k < device->SlotList.size(); ++k) {
        TPROFINET_Slot& slot = *device->SlotList[k];
        const TPROFINET_Slot& working = *modules.SlotList[k];
        slot.Selected_Module = working.Selected_Module;
        slot.Copy_SubSlot_List(working.SubSlotList);
    }
}

// ---- the network file

void TFPROFINET_Network_Access::Load_PROFINET_Network_Project() {
    ::Load_PROFINET_Network_Project(*XML1, List_PROFINET_Device, Unread_Network);
}

void TFPROFINET_Network_Access::Save_PROFINET_Netword_Project() {
    ::Save_PROFINET_Netword_Project(*XML1, List_PROFINET_Device, Unread_Network);
}

void TFPROFINET_Network_Access::Btn_OKClick(TObject*) {
    // The fields are checked as the user leaves them; one never entered, or a name or address
    // another device took since, is caught here, before the network is saved.
    const TDevice_Fault fault = Network_Fault(Subnet, List_PROFINET_Device);
    if (fault.Index >= 0) {
        Select_Row(fault.Index + 1);
        Show_Data_Device(fault.Index);
        TEdit* field = fault.Field == TDevice_Field::NameOfStation ? E_Dev_DevProp_NameStation : E_Dev_DevProp_IPAddress;
        return Refuse(Lang(Text_Device) + QString::number(fault.Index) + ": " + fault.Message, field);
    }
    // A new update time may have left a device's answer time-out above its limit; such a
    // network is not saved.
    for (size_t i = 0; i < List_PROFINET_Device.size(); ++i) {
        long double time = 0;
        const TPROFINET_Device& device = *List_PROFINET_Device[i];
        if (device.CheckAnswerTime(device.FAnswerTime, time) || time == 0) continue;
        Select_Row(int(i) + 1);
        Show_Data_Device(int(i));
        return Refuse(Lang(1135), CB_Dev_CycTime_Answer);
    }
    try {
        Save_PROFINET_Netword_Project();
    } catch (const Exception& e) {
        return Error_Box(e.Message);
    }
    SetModalResult(mrOk);
}
