#pragma once

#include <QString>
#include <memory>

#include "profinet/gsdml/gsdml.h"

// A node of the catalog window's tree, set when the window draws the tree and valid until it
// draws again; the records below refer to it and never own it.
class TTreeNode;

// A device leaf as the catalog window shows it.
class TCat_Node : public TObject {
public:
    GSDML_PROPERTY(QString, ModuleName);
    GSDML_PROPERTY(QString, CategoryRef);
    GSDML_PROPERTY(QString, SubCategory1Ref);

public:
    TTreeNode* Node = nullptr;
};

class TCat_SubCategory1Ref : public TObject {
public:
    GSDML_PROPERTY(QString, SubCategory1Ref);

public:
    TTreeNode* Node = nullptr;
    TItemList<TCat_Node> List_Node_Device;
};

class TCat_CategoryRef : public TObject {
public:
    GSDML_PROPERTY(QString, CategoryRef);

public:
    TItemList<TCat_SubCategory1Ref> SubCategory1RefList;
    // Leaves directly under the category.
    TItemList<TCat_Node> List_Node_Device;
    TTreeNode* Node = nullptr;
};

// One filed GSDML file with the display records the catalog window rebuilds whenever it draws.
class TCat_GSDML : public TObject {
public:
    std::unique_ptr<TGSDML> GSDML;
    TItemList<TCat_CategoryRef> CategoryRefList;
    // Leaves without a category.
    TItemList<TCat_Node> List_Node_Device;
};

class TCat_ProductFamily : public TObject {
public:
    // The entry whose document has that file name (exact case), or nullptr.
    TCat_GSDML* SearchGSDML(const QString& Name_GSDML) const;

    GSDML_PROPERTY(QString, ProductFamily);

public:
    TItemList<TCat_GSDML> GSDML_List;
    TTreeNode* Node = nullptr;
};

class TCat_Vendor : public TObject {
public:
    TCat_ProductFamily* SearchProductFamily(const QString& ProductFamily) const;

    GSDML_PROPERTY(QString, Vendor);

public:
    TItemList<TCat_ProductFamily> ProductFamily_List;
    TTreeNode* Node = nullptr;
};

class TCat_MainFamily : public TObject {
public:
    TCat_Vendor* SearchVendor(const QString& Vendor) const;

    GSDML_PROPERTY(QString, MainFamily);

public:
    TItemList<TCat_Vendor> Vendor_List;
    TTreeNode* Node = nullptr;
};

// Every known device description, filed by main family, vendor and product family as the
// file itself names them (compared exactly, an empty key like any other), then by file name.
// Lists keep insertion order and nothing is removed from them during the run.
//
// There is no lock: the loader thread fills the catalog before the GUI thread may read it.
class TPROFINET_Catalog : public TObject {
public:
    TPROFINET_Catalog() = default;

    TCat_MainFamily* SearchMainFamily(const QString& MainFamily) const;

    // Files the decoded document and takes it. False, dropping the document, when a file of
    // that name is already filed under the same three keys; the catalog is then unchanged.
    bool Insert_in_Catalog(std::unique_ptr<TGSDML> app_GSDML);
    // True when a file of the document's name is filed under its three keys.
    bool Present_in_Catalog(const TGSDML& app_GSDML) const;

    TItemList<TCat_MainFamily> MainFamily_list;
};

extern TPROFINET_Catalog* PROFINET_Catalog_Obj;
