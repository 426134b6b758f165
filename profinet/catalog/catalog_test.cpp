#include "profinet/catalog/catalog.h"

#include <gtest/gtest.h>


#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "profinet/catalog/catalog_test_files.h"

namespace {

class CatalogTest : public ::testing::Test {
protected:
    // The document of a file written below subfolder with the given keys.
    std::unique_ptr<TGSDML> device(const QString& subfolder, const QString& name, const QString& mainFamily,
                                   const QString& vendor, const QString& productFamily) {
        const QString path = folder.write(subfolder + "/" + name, Device_GSDML(mainFamily, vendor, productFamily));
        auto gsdml = std::make_unique<TGSDML>();
        EXPECT_TRUE(gsdml->Decode_GSDML(ExtractFilePath(path), name)) << name.toStdString();
        return gsdml;
    }

    TempFolder folder;
    TPROFINET_Catalog catalog;
};

TEST_F(CatalogTest, FilesEachDocumentUnderItsThreeKeysInInsertionOrder) {
    const struct {
        const char* subfolder;
        const char* name;
        QString mainFamily, vendor, productFamily;
        bool inserted;
    } inserts[] = {
        {"one", "a.xml", "I/O", "Acme", "Blocks", true},
        {"one", "b.xml", "I/O", "Acme", "Blocks", true},     // beside a.xml
        {"one", "c.xml", "i/o", "Acme", "Blocks", true},     // keys compare with their case
        {"two", "a.xml", "I/O", "Acme", "Blocks", false},    // already filed there
        {"two", "a.xml", "I/O", "Acme", "Rails", true},      // the same name under other keys
        {"one", "d.xml", "I/O", "Other", "Blocks", true},    // a new vendor of a known family
        {"one", "e.xml", QString(), QString(), QString(), true},  // no keys at all
        {"one", "f.xml", "", "", "", true},                  // empty keys like the missing ones
    };
    for (const auto& in : inserts) {
        std::unique_ptr<TGSDML> gsdml = device(in.subfolder, in.name, in.mainFamily, in.vendor, in.productFamily);
        EXPECT_EQ(catalog.Present_in_Catalog(*gsdml), !in.inserted) << in.name;
        EXPECT_EQ(catalog.Insert_in_Catalog(std::move(gsdml)), in.inserted) << in.name;
    }
    EXPECT_EQ(Catalog_Tree(catalog), (QStringList{"I/O{Acme{Blocks{a.xml,b.xml},Rails{a.xml}},Other{Blocks{d.xml}}}",
                                                  "i/o{Acme{Blocks{c.xml}}}", "{{{e.xml,f.xml}}}"}));
    // The refused document did not replace the one filed first.
    const TCat_ProductFamily* blocks = catalog.SearchMainFamily("I/O")->SearchVendor("Acme")->SearchProductFamily("Blocks");
    EXPECT_EQ(blocks->SearchGSDML("a.xml")->GSDML->GSDML_Path(), folder.file("one/"));
}

TEST_F(CatalogTest, SearchesMatchWholeKeysExactly) {
    catalog.Insert_in_Catalog(device("one", "Device.xml", "I/O", "Acme", "Blocks"));
    const TCat_MainFamily* io = catalog.SearchMainFamily("I/O");
    ASSERT_NE(io, nullptr);
    const TCat_Vendor* acme = io->SearchVendor("Acme");
    ASSERT_NE(acme, nullptr);
    const TCat_ProductFamily* blocks = acme->SearchProductFamily("Blocks");
    ASSERT_NE(blocks, nullptr);
    EXPECT_NE(blocks->SearchGSDML("Device.xml"), nullptr);

    EXPECT_EQ(catalog.SearchMainFamily("i/o"), nullptr);
    EXPECT_EQ(catalog.SearchMainFamily("I/O "), nullptr);
    EXPECT_EQ(io->SearchVendor("Acm"), nullptr);
    EXPECT_EQ(acme->SearchProductFamily(""), nullptr);
    EXPECT_EQ(blocks->SearchGSDML("device.xml"), nullptr);
    EXPECT_FALSE(catalog.Present_in_Catalog(*device("two", "Device.xml", "I/O", "Acme", "Rails")));
}

}  // namespace
