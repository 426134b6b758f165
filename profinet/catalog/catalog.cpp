#include "profinet/catalog/catalog.h"

TPROFINET_Catalog* PROFINET_Catalog_Obj = nullptr;

namespace {

template <class T>
using KeyOf = QString (T::*)() const;

// The first record of list whose key equals value exactly, or nullptr.
template <class T>
T* Find_Key(const TItemList<T>& list, KeyOf<T> key, const QString& value) {
    for (const auto& item : list)
        if (((*item).*key)() == value) return item.get();
    return nullptr;
}

// The record with that key, appended when the list has none.
template <class T>
T& Find_Or_Add_Key(TItemList<T>& list, KeyOf<T> key, void (T::*setKey)(QString), const QString& value) {
    if (T* found = Find_Key(list, key, value)) return *found;
    auto& added = list.emplace_back(std::make_unique<T>());
    ((*added).*setKey)(value);
    return *added;
}

// The three keys a document is filed under, taken from the file as they stand.
struct Catalog_Keys {
    QString MainFamily, Vendor, ProductFamily;
};

Catalog_Keys Keys_Of(const TGSDML& gsdml) {
    const TFamily& family = gsdml.ProfileBody.DeviceFunction.Family;
    return {family.MainFamily(), gsdml.ProfileBody.DeviceIdentity.VendorName(), family.ProductFamily()};
}

// The product family of the document's keys; nullptr when one of them is not in the catalog.
const TCat_ProductFamily* Search_Keys(const TPROFINET_Catalog& catalog, const Catalog_Keys& keys) {
    const TCat_MainFamily* mainFamily = catalog.SearchMainFamily(keys.MainFamily);
    const TCat_Vendor* vendor = mainFamily ? mainFamily->SearchVendor(keys.Vendor) : nullptr;
    return vendor ? vendor->SearchProductFamily(keys.ProductFamily) : nullptr;
}

}  // namespace

TCat_GSDML* TCat_ProductFamily::SearchGSDML(const QString& Name_GSDML) const {
    for (const auto& entry : GSDML_List)
        if (entry->GSDML && entry->GSDML->GSDML_FileName() == Name_GSDML) return entry.get();
    return nullptr;
}

TCat_ProductFamily* TCat_Vendor::SearchProductFamily(const QString& ProductFamily) const {
    return Find_Key(ProductFamily_List, &TCat_ProductFamily::ProductFamily, ProductFamily);
}

TCat_Vendor* TCat_MainFamily::SearchVendor(const QString& Vendor) const {
    return Find_Key(Vendor_List, &TCat_Vendor::Vendor, Vendor);
}

TCat_MainFamily* TPROFINET_Catalog::SearchMainFamily(const QString& MainFamily) const {
    return Find_Key(MainFamily_list, &TCat_MainFamily::MainFamily, MainFamily);
}

bool TPROFINET_Catalog::Insert_in_Catalog(std::unique_ptr<TGSDML> app_GSDML) {
    if (!app_GSDML || Present_in_Catalog(*app_GSDML)) return false;
    const Catalog_Keys keys = Keys_Of(*app_GSDML);
    TCat_MainFamily& mainFamily =
        Find_Or_Add_Key(MainFamily_list, &TCat_MainFamily::MainFamily, &TCat_MainFamily::SetMainFamily, keys.MainFamily);
    TCat_Vendor& vendor =
        Find_Or_Add_Key(mainFamily.Vendor_List, &TCat_Vendor::Vendor, &TCat_Vendor::SetVendor, keys.Vendor);
    TCat_ProductFamily& productFamily = Find_Or_Add_Key(vendor.ProductFamily_List, &TCat_ProductFamily::ProductFamily,
                                                        &TCat_ProductFamily::SetProductFamily, keys.ProductFamily);
    auto& entry = productFamily.GSDML_List.emplace_back(std::make_unique<TCat_GSDML>());
    entry->GSDML = std::move(app_GSDML);
    return true;
}

bool TPROFINET_Catalog::Present_in_Catalog(const TGSDML& app_GSDML) const {
    const TCat_ProductFamily* productFamily = Search_Keys(*this, Keys_Of(app_GSDML));
    return productFamily && productFamily->SearchGSDML(app_GSDML.GSDML_FileName());
}
