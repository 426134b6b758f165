#include "profinet/catalog/catalog_loader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <chrono>
#include <thread>

#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/graphic.h"
#include "platform/messages/message_loop.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog_test_files.h"
#include "common/state/program_state.h"

namespace {

class CatalogLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Catalog_Dir = folder.file("PROFINET_Catalog");
        PROFINET_Catalog_Obj = &catalog;
        image = new TImage(&form);
        image->SetParent(&form);
        image->Picture().SetGraphic(std::make_unique<TGIFImage>());
        label = new TLabel(&form);
        label->SetParent(&form);
        image->SetVisible(false);
        label->SetVisible(false);
    }
    void TearDown() override {
        PROFINET_Catalog_Obj = nullptr;
        Catalog_Dir.clear();
    }

    QString write(const QString& name, const QByteArray& bytes) { return folder.write("PROFINET_Catalog/" + name, bytes); }
    void writeSharedFiles() {
        for (const QString& name : Vendor_GSDML_Files) write(name, Vendor_GSDML_Bytes(name));
    }
    bool animating() const { return static_cast<TGIFImage*>(image->Picture().Graphic())->Animate(); }
    bool indicatorShown() const { return image->Visible() && label->Visible() && animating(); }
    bool indicatorHidden() const { return !image->Visible() && !label->Visible() && !animating(); }

    // Runs the GUI thread's queued calls until the loader has shown the indicator.
    bool serveUntilShown() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!image->Visible()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            if (TMessageLoop::Instance().ProcessPosted() == 0) std::this_thread::yield();
        }
        return true;
    }

    TempFolder folder;
    TPROFINET_Catalog catalog;
    TForm form{nullptr};
    TImage* image = nullptr;
    TLabel* label = nullptr;
};

TEST_F(CatalogLoaderTest, LoadsTheFilesThatMatchAndDecodeBehindTheIndicator) {
    writeSharedFiles();
    const QByteArray device = Device_GSDML("I/O", "Acme", "Blocks");
    write("gsdml-x.XML", Device_GSDML("Lower", "Acme", "Case"));
    write("GSDML.xml", device);
    write("GSDML-broken.xml", "<?xml version=\"1.0\"?><ISO15745Profile><ProfileHeader>");
    write("GSDML-NotAProfile.xml", "<?xml version=\"1.0\"?><Other/>");
    write("Device-GSDML.xml", device);
    write("GSDML-x.xml.bak", device);
    write("GSDML1.xml/GSDML-inside.xml", device);
    const QString readOnly = write("GSDML-ReadOnly.xml", Device_GSDML("Locked", "Acme", "Blocks"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    TPROFINETCatLoad loader(false, image, label);
    ASSERT_TRUE(serveUntilShown());
    EXPECT_TRUE(indicatorShown());
    loader.WaitFor();

    EXPECT_TRUE(indicatorHidden());
    EXPECT_EQ(Catalog_Tree(catalog),
              (QStringList{"Drives{ABB Oy{ABB FENA{GSDML-V2.25-ABB-FENA-20130603.xml}}}",
                           "Gateway{Hilscher Gesellschaft für Systemautomation mbH{NIOT-E-NPI3-51-EN-RE{GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml}}}",
                           "Ident Systems{Leuze electronic GmbH + Co. KG{Leuze{GSDML-V2.41-LEUZE-BCL248i-20211213.xml}}}",
                           "Lower{Acme{Case{gsdml-x.XML}}}", "I/O{Acme{Blocks{GSDML.xml}}}"}));
    const TCat_GSDML* abb = catalog.MainFamily_list[0]->Vendor_List[0]->ProductFamily_List[0]->GSDML_List[0].get();
    EXPECT_EQ(abb->GSDML->GSDML_Path(), Catalog_Dir + "/");
    EXPECT_TRUE(driver().boxes().empty());
}

TEST_F(CatalogLoaderTest, AMissingFolderLoadsNothingAndStillHidesTheIndicator) {
    TPROFINETCatLoad loader(false, image, label);
    ASSERT_TRUE(serveUntilShown());
    loader.WaitFor();
    EXPECT_TRUE(indicatorHidden());
    EXPECT_TRUE(catalog.MainFamily_list.empty());
}

// Ending the program while the loader waits for the GUI thread must neither hang nor let the
// scan go on: the loader stops before its next file and still hides the indicator.
TEST_F(CatalogLoaderTest, ALoaderAskedToEndStopsBeforeTheNextFile) {
    writeSharedFiles();
    {
        TPROFINETCatLoad loader(false, image, label);
        loader.Terminate();
    }
    EXPECT_TRUE(indicatorHidden());
    EXPECT_TRUE(catalog.MainFamily_list.empty());
}

}  // namespace
