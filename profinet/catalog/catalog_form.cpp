#include "profinet/catalog/catalog_form.h"

#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/tree_view.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/files.h"
#include "profinet/catalog/catalog.h"
#include "profinet/gsdml/device_access_point.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/program_state.h"

#include <QDir>
#include <memory>

TFPROFINETCatalog* FPROFINETCatalog = nullptr;

namespace {

constexpr int Text_Not_Read_At_Start = 1308;
constexpr int Text_Empty_Catalog = 1309;
constexpr int Tree_Margin = 4;
constexpr int Empty_Hint_Height = 40;

// The names the loader reads at start.
bool Read_At_Start(const QString& Name) { return MatchesMask(Name, QStringLiteral("GSDML*.xml")); }

// Calls visit(entry) for every filed GSDML file, in catalog order, until it returns true.
template <typename Visit>
void For_Each_Entry(TPROFINET_Catalog& catalog, Visit visit) {
    for (const auto& mainFamily : catalog.MainFamily_list)
        for (const auto& vendor : mainFamily->Vendor_List)
            for (const auto& productFamily : vendor->ProductFamily_List)
                for (const auto& entry : productFamily->GSDML_List)
                    if (visit(*entry)) return;
}

// The leaf record of entry shown by node: the leaves without a category first, then each
// category's own leaves followed by those of its sub-categories.
const TCat_Node* Find_Leaf(const TCat_GSDML& entry, const TTreeNode* node) {
    const auto inList = [node](const TItemList<TCat_Node>& list) -> const TCat_Node* {
        for (const auto& leaf : list)
            if (leaf->Node == node) return leaf.get();
        return nullptr;
    };
    if (const TCat_Node* leaf = inList(entry.List_Node_Device)) return leaf;
    for (const auto& category : entry.CategoryRefList) {
        if (const TCat_Node* leaf = inList(category->List_Node_Device)) return leaf;
        for (const auto& sub : category->SubCategory1RefList)
            if (const TCat_Node* leaf = inList(sub->List_Node_Device)) return leaf;
    }
    return nullptr;
}

// Adds a picture to the catalog's image list, drawn on the tree's window colour.
void Add_Catalog_Picture(TImageList& images, bool device) {
    TBitmap bitmap(16, 16);
    TCanvas& c = bitmap.Canvas();
    c.Brush.Color = clWindow;
    c.FillRect({0, 0, 16, 16});
    c.Pen.Color = TColor(0x404040);
    if (device) {
        // A device box with a status light.
        c.Brush.Color = TColor(0xC8C8C8);
        c.Rectangle(2, 3, 14, 14);
        c.Brush.Color = TColor(0x00B000);
        c.FillRect({4, 5, 7, 8});
    } else {
        // A folder.
        c.Brush.Color = TColor(0x40C8F0);
        c.Rectangle(1, 3, 7, 6);
        c.Rectangle(1, 5, 15, 14);
    }
    images.Add(bitmap);
}

// Adds the catalog's nodes to the tree, each as the last child of its parent, and the
// display records of each file's devices.
struct TCatalog_Tree {
    TTreeNodes& nodes;

    TTreeNode* Add(TTreeNode* parent, const QString& text, int image) const {
        TTreeNode* node = nodes.AddChild(parent, text);
        node->SetImageIndex(image);
        node->SetSelectedIndex(image);
        return node;
    }
    TTreeNode* Add_Group(TTreeNode* parent, const QString& text) const {
        return Add(parent, text, TFPROFINETCatalog::Group_Image);
    }

    // One leaf per access point, under its file's category and sub-category groups when it
    // names them; the references are looked up as text ids.
    void Add_Devices(TCat_GSDML& entry, TTreeNode* productFamilyNode) const {
        const TGSDML& gsdml = *entry.GSDML;
        const auto& list = gsdml.ProfileBody.ApplicationProcess.DeviceAccessPointList;
        if (!list) return;
        for (const auto& dap : list->DevAccPointItemList) {
            const TModuleInfo& info = dap->ModuleInfo;
            auto leaf = std::make_unique<TCat_Node>();
            leaf->SetModuleName(gsdml.GetString_ExternalTextList(info.Name()));
            leaf->SetCategoryRef(gsdml.GetString_ExternalTextList(info.CategoryRef()));

            TTreeNode* parent = productFamilyNode;
            TItemList<TCat_Node>* records = &entry.List_Node_Device;
            if (!leaf->CategoryRef().isEmpty()) {
                auto& group = Group_Of(entry.CategoryRefList, &TCat_CategoryRef::CategoryRef,
                                       &TCat_CategoryRef::SetCategoryRef, leaf->CategoryRef(), productFamilyNode);
                parent = group.Node;
                records = &group.List_Node_Device;
                if (!info.SubCategory1Ref().isEmpty()) {
                    const QString subText = gsdml.GetString_ExternalTextList(info.SubCategory1Ref());
                    auto& sub = Group_Of(group.SubCategory1RefList, &TCat_SubCategory1Ref::SubCategory1Ref,
                                         &TCat_SubCategory1Ref::SetSubCategory1Ref, subText, group.Node);
                    parent = sub.Node;
                    records = &sub.List_Node_Device;
                }
            }
            const QString text = leaf->ModuleName() + " (" + gsdml.GSDML_FileName() + ")";
            leaf->Node = Add(parent, text, TFPROFINETCatalog::Device_Image);
            records->push_back(std::move(leaf));
        }
    }

    // The group of list shown as text, added with its node under parent when there is none.
    template <typename T>
    T& Group_Of(TItemList<T>& list, QString (T::*key)() const, void (T::*setKey)(QString), const QString& text,
                TTreeNode* parent) const {
        for (const auto& group : list)
            if (((*group).*key)() == text) return *group;
        T& group = *list.emplace_back(std::make_unique<T>());
        (group.*setKey)(text);
        group.Node = Add_Group(parent, text);
        return group;
    }
};

}  // namespace

void TFPROFINETCatalog::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, 800, 500);
    BorderIcons = biSystemMenu | biMaximize;
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Desc->SetTop(42);

    // The buttons line up from the left.
    int left = 16;
    for (TLbButton* button : {Btn_OK, Btn_Cancel}) {
        button->SetBounds(left, 6, 110, 28);
        button->Anchors = akLeft | akTop;
        left += 118;
    }
    Btn_OK->ModalResult = mrOk;
    // Enter takes the device chosen, as a double click on it does.
    Btn_OK->Default = true;
    Btn_AddDevice = Place_Control<TLbButton>(*this, P_Button, "Btn_AddDevice", left, 6, 110, 28);
    Set_Window_Button_Look(*Btn_AddDevice);
    Set_Button_Glyph(*Btn_AddDevice, "BTN_NEW");
    for (TLbButton* button : {Btn_OK, Btn_Cancel, Btn_AddDevice}) button->ShowHint = true;
    Btn_AddDevice->OnClick = [this](TObject* s) { Btn_AddDeviceClick(s); };

    PCatalog = Place_Control<TPanel>(*this, this, "PCatalog", 0, 69, 800, 500 - 69 - 40);
    PCatalog->BevelOuter = bvNone;
    PCatalog->SetColor(Dialog_Background);
    PCatalog->Anchors = akLeft | akTop | akRight | akBottom;

    IL_Catalog = new TImageList(this);
    IL_Catalog->Name = "IL_Catalog";
    Add_Catalog_Picture(*IL_Catalog, false);
    Add_Catalog_Picture(*IL_Catalog, true);

    TW_Catalog = Place_Control<TTreeView>(*this, PCatalog, "TW_Catalog", 4, 4, PCatalog->Width() - 8,
                                          PCatalog->Height() - 8);
    TW_Catalog->Anchors = akLeft | akTop | akRight | akBottom;
    TW_Catalog->ReadOnly = true;
    // The families at the top show their expand arrows like every other group.
    TW_Catalog->ShowRoot = true;
    TW_Catalog->Indent = 19;
    TW_Catalog->Images = IL_Catalog;
    TW_Catalog->OnClick = [this](TObject* s) { TW_CatalogClick(s); };
    TW_Catalog->OnDblClick = [this](TObject* s) { TW_CatalogDblClick(s); };
    L_Empty_Catalog = Place_Control<TLabel>(*this, PCatalog, "L_Empty_Catalog", Tree_Margin + 4, Tree_Margin,
                                            PCatalog->Width() - 2 * Tree_Margin - 8, Empty_Hint_Height);
    L_Empty_Catalog->SetAutoSize(false);
    L_Empty_Catalog->WordWrap = true;
    L_Empty_Catalog->Anchors = akLeft | akTop | akRight;
    L_Empty_Catalog->SetVisible(false);
    // A device reached with the arrow keys is chosen as well as one clicked.
    TW_Catalog->OnChange = [this](TObject* s, TTreeNode*) { TW_CatalogClick(s); };

    OD_GSDML = new TOpenDialog(this);
    OD_GSDML->Name = "OD_GSDML";
    OD_GSDML->Filter = "GSDML File (*.xml)|*.xml|All File (*.*)|*.*";

    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFPROFINETCatalog::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(800);
    SetClientHeight(500);
    Set_Lang();
}

void TFPROFINETCatalog::Set_Lang() {
    SetCaption(Lang(1300));
    L_SW_Desc->SetCaption(Lang(1301));
    Btn_OK->SetCaption(Lang(1302));
    Btn_OK->SetHint(Lang(1303));
    Btn_Cancel->SetCaption(Lang(1304));
    Btn_Cancel->SetHint(Lang(1305));
    Btn_AddDevice->SetCaption(Lang(1306));
    Btn_AddDevice->SetHint(Lang(1307));
}

void TFPROFINETCatalog::FormShow(TObject*) {
    Selected_GSDML = nullptr;
    Selected_Device.clear();
    Show_Catalog();
}

void TFPROFINETCatalog::Show_Catalog() {
    TTreeNodes& nodes = TW_Catalog->Items();
    nodes.BeginUpdate();
    nodes.Clear();
    if (PROFINET_Catalog_Obj) {
        For_Each_Entry(*PROFINET_Catalog_Obj, [](TCat_GSDML& entry) {
            entry.List_Node_Device.clear();
            entry.CategoryRefList.clear();
            return false;
        });
        TCatalog_Tree tree{nodes};
        for (const auto& mainFamily : PROFINET_Catalog_Obj->MainFamily_list) {
            mainFamily->Node = tree.Add_Group(nullptr, mainFamily->MainFamily());
            for (const auto& vendor : mainFamily->Vendor_List) {
                vendor->Node = tree.Add_Group(mainFamily->Node, vendor->Vendor());
                for (const auto& productFamily : vendor->ProductFamily_List) {
                    productFamily->Node = tree.Add_Group(vendor->Node, productFamily->ProductFamily());
                    for (const auto& entry : productFamily->GSDML_List) tree.Add_Devices(*entry, productFamily->Node);
                }
            }
        }
    }
    nodes.EndUpdate();
    // An empty catalog says where its files go; the tree makes room for the words.
    const bool empty = !PROFINET_Catalog_Obj || PROFINET_Catalog_Obj->MainFamily_list.empty();
    L_Empty_Catalog->SetCaption(empty ? Lang(Text_Empty_Catalog) + Catalog_Dir : QString());
    L_Empty_Catalog->SetVisible(empty);
    const int top = Tree_Margin + (empty ? Empty_Hint_Height : 0);
    TW_Catalog->SetBounds(Tree_Margin, top, PCatalog->Width() - 2 * Tree_Margin,
                          PCatalog->Height() - top - Tree_Margin);
}

void TFPROFINETCatalog::TW_CatalogClick(TObject*) {
    Selected_GSDML = nullptr;
    Selected_Device.clear();
    Selected_CategoryRef.clear();
    const TTreeNode* node = TW_Catalog->Selected();
    if (!node || node->ImageIndex() != Device_Image || !PROFINET_Catalog_Obj) return;
    For_Each_Entry(*PROFINET_Catalog_Obj, [&](TCat_GSDML& entry) {
        const TCat_Node* leaf = Find_Leaf(entry, node);
        if (!leaf) return false;
        Selected_GSDML = entry.GSDML.get();
        Selected_Device = leaf->ModuleName();
        Selected_CategoryRef = leaf->CategoryRef();
        return true;
    });
}

void TFPROFINETCatalog::TW_CatalogDblClick(TObject* Sender) {
    TW_CatalogClick(Sender);
    if (Selected_GSDML) SetModalResult(mrOk);
}

void TFPROFINETCatalog::Btn_AddDeviceClick(TObject*) {
    OD_GSDML->InitialDir = Last_Folder.isEmpty() ? QDir::homePath() : Last_Folder;
    if (!OD_GSDML->Execute()) return;
    const QString chosen = OD_GSDML->FileName;
    const QString name = ExtractFileName(chosen);
    Last_Folder = ExcludeTrailingPathDelimiter(ExtractFilePath(chosen));
    // The catalog keeps what it shows: a file the loader would pass over at the next start is
    // not filed now.
    if (!Read_At_Start(name)) {
        MessageDlg(Lang(Text_Not_Read_At_Start) + chosen, mtError, mbOK);
        return;
    }
    {
        // Only whether the chosen file decodes matters; a malformed one raises.
        TGSDML probe;
        if (!probe.Decode_GSDML(ExtractFilePath(chosen), name)) {
            MessageDlg(QStringLiteral("The file %1 is no GSDML device description: it has not been added to the catalog.")
                           .arg(chosen),
                       mtError, mbOK);
            return;
        }
    }

    // Names in the catalog folder match regardless of case: an existing file of the name is
    // the one overwritten.
    QString target = FindFileIgnoreCase(Catalog_Dir, name);
    if (!target.isEmpty()) {
        if (MessageDlg("File already present in Catalog. Do you wanto to overwrite?", mtError, mbYes | mbNo) != mrYes)
            return;
    } else {
        target = Catalog_Dir + PathDelim + name;
    }
    QString reason;
    if (!CopyFile(chosen, target, false, &reason)) {
        MessageDlg(QStringLiteral("The file %1 cannot be copied into the catalog as %2: %3.").arg(chosen, target, reason),
                   mtError, mbOK);
        return;
    }

    auto added = std::make_unique<TGSDML>();
    if (added->Decode_GSDML(IncludeTrailingPathDelimiter(Catalog_Dir), ExtractFileName(target)) && PROFINET_Catalog_Obj)
        PROFINET_Catalog_Obj->Insert_in_Catalog(std::move(added));
    Show_Catalog();
}
