#pragma once

#include "platform/controls/form.h"
#include "platform/controls/link_label.h"
#include "common/state/dialog_frame.h"

#include <QStringList>
#include <array>
#include <memory>

class TCheckBox;
class THTTP;
class TImage;
class TPageControl;
class TTabSheet;
class TVersion_Check_Thread;

// The software options: the language, taken into use at once in every window, the internet
// access and version check, and two table behaviours; OK makes them the stored settings.
class TFSoftOptions : public TForm, public TDialogFrame {
public:
    static constexpr int Slots_Per_Page = 6;

    explicit TFSoftOptions(TComponent* AOwner);
    ~TFSoftOptions() override;

    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    TLabel* L_Sel_Lang = nullptr;
    TLabel* L_Page_Lang = nullptr;
    std::array<TImage*, Slots_Per_Page> I_L{};  // I_L1 .. I_L6
    std::array<TLabel*, Slots_Per_Page> L_L{};  // L_L1 .. L_L6
    TLbButton* Btn_Prev = nullptr;
    TLbButton* Btn_Next = nullptr;
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TLbButton* Btn_Check_Update = nullptr;
    TLinkLabel* LL_Check_Update = nullptr;
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    // Fired when a language is taken into use, so that every window shows its texts.
    TNotifyEvent OnLanguageChange;
    // The client of the version check; without one there is no newer version.
    THTTP* Version_Client = nullptr;

    int Show_Page = 1;
    QStringList SL_Languages;  // language file names with their extension
    QString Language_In_Use;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Btn_NextClick(TObject* Sender);
    void LangClick(TObject* Sender);
    void Update_CheckBox();
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);
    void Btn_OKClick(TObject* Sender);
    bool Check_Version();
    int Conv_Version(const QString& Ver_str);
    // Waits until a check started by the button has shown its answer (for tests).
    void WaitForVersionCheck();

protected:
    void Loaded() override;

private:
    void Build_Language_Page();
    void Build_Connection_Page();
    void Build_Settings_Page();
    int Page_Count() const;
    QString Page_Line(int Num_Page, int Pages) const;
    void Show_Check_Result(bool Newer);

    // The button's check, which waits for the server on a thread of its own.
    std::unique_ptr<TVersion_Check_Thread> versionCheck_;
    bool checking_ = false;
};

extern TFSoftOptions* FSoftOptions;
