#pragma once

#include "config/network/network_entry_checks.h"
#include "config/network/network_file.h"
#include "config/network/profinet_device.h"
#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

#include <memory>
#include <vector>

class TCheckBox;
class TComboBox;
class TEdit;
class TExColumnGrid;
class TLabel;
class TScrollingWinControl;
class TSplitter;
class TXMLDocument;

// The PROFINET network editor: the IO devices of the network (PROFINET_Master_Network.xml),
// added from the catalog, deleted, their modules defined, and the selected device's name of
// station, address, session flag and cyclic timing edited.
class TFPROFINET_Network_Access : public TForm, public TDialogFrame {
public:
    explicit TFPROFINET_Network_Access(TComponent* AOwner);
    ~TFPROFINET_Network_Access() override;

    static constexpr int Max_Devices = 10;

    TPanel* P_Device = nullptr;
    TExColumnGrid* ACG_ListDevice = nullptr;
    TPanel* P_Device_Buttons = nullptr;
    TLbButton* Btn_Add_Catalog = nullptr;
    TLbButton* Btn_Delete_Device = nullptr;
    TLbButton* Btn_Modules = nullptr;
    TSplitter* Splitter1 = nullptr;
    TScrollingWinControl* ScrollBox1 = nullptr;
    TPanel* P_Device_Properties = nullptr;
    TLabel* L_Dev_DevProp = nullptr;
    TLabel* L_Dev_DevProp_NameStation = nullptr;
    TEdit* E_Dev_DevProp_NameStation = nullptr;
    TLabel* L_Dev_DevProp_IPAddress = nullptr;
    TEdit* E_Dev_DevProp_IPAddress = nullptr;
    TCheckBox* CB_Dev_DevProp_New_Session_SPI = nullptr;
    TLabel* L_Dev_CycTime = nullptr;
    TLabel* L_Dev_CycTime_Update = nullptr;
    TComboBox* CB_Dev_CycTime_Update = nullptr;
    TLabel* L_Dev_CycTime_Answer = nullptr;
    TComboBox* CB_Dev_CycTime_Answer = nullptr;
    TLabel* L_Dev_CycTime_Answer_Real = nullptr;

    // Row r of the device grid (r >= 1) shows entry r - 1.
    TPROFINET_Device_List List_PROFINET_Device;
    // The devices of the file that could not be read: not shown, but kept in the file on OK.
    TUnread_Network Unread_Network;

    void Show_Device_List();
    // Shows the device Index in the properties panel; an index outside the list empties it.
    void Show_Data_Device(int Index);
    void Select_Device_From_Catalog();
    void Add_Device();
    void Delete_Device();
    void Modules_Definition();
    void Load_PROFINET_Network_Project();
    void Save_PROFINET_Netword_Project();
    void Set_Lang();

    // The device of the selected grid row; nullptr when that row holds none.
    TPROFINET_Device* Selected_Device() const;
    // The selected data row of the device grid (0 when none is).
    int Selected_Row() const;
    void Select_Row(int Row);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ACG_ListDeviceClickCell(TObject* Sender, int ARow, int ACol);
    void ACG_ListDeviceDblClickCell(TObject* Sender, int ARow, int ACol);
    void Btn_Add_CatalogClick(TObject*) { Add_Device(); }
    void Btn_Delete_DeviceClick(TObject*) { Delete_Device(); }
    void Btn_ModulesClick(TObject*) { Modules_Definition(); }
    // Leaving either edit.
    void E_Dev_DevProp_Exit(TObject* Sender);
    // A new choice in either drop-down list.
    void CB_Dev_Change(TObject* Sender);
    void CB_Dev_DevProp_New_Session_SPIClick(TObject* Sender);
    void P_Device_PropertiesResize(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    void Btn_OKClick(TObject* Sender);

    // The update list shows each time once; entry i of the list is entry Update_Time_Entries[i]
    // of the device's UpdateTimeVal, the first that gives the time (the device's own entry is
    // kept when the user picks its time again).
    std::vector<int> Update_Time_Entries;

protected:
    void Loaded() override;

private:
    void Update_Time_Change();
    // The properties panel as wide as the scroll box's client area, bars set again.
    void Fit_Properties();
    // Fills the update list with the device's times, each once, and selects its own.
    void Show_Update_Times(const TPROFINET_Device& Device);
    void Answer_Time_Change();
    // Shows the answer time-out of answer entry Index at the device's update time; true when
    // it is allowed.
    bool Show_Answer_Time(const TPROFINET_Device& Device, int Index);
    // An error box, then the focus back to Control when it can take it.
    void Refuse(const QString& Text, TWinControl* Control);

    std::unique_ptr<TXMLDocument> XML1;
    // Where the devices' addresses must lie, from the general parameters as the window opened.
    TMaster_Subnet Subnet;
    // Set while the window itself fills the panel, so that no handler stores what it shows.
    bool Showing_Data = false;
    // Set while a refusal sends the user back to a field: a field the focus only passes through
    // meanwhile is neither checked nor stored, so two refused fields never send it to each
    // other for ever.
    bool Refusing = false;
};

extern TFPROFINET_Network_Access* FPROFINET_Network_Access;
