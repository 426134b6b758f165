#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/controls/application.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/graphic.h"
#include "platform/messages/message_loop.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog.h"
#include "profinet/catalog/catalog_test_files.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

namespace {

class CatalogMainWindowTest : public TProgramTest {
protected:
    // Copies of each shared file in the catalog folder, each under a name of its own.
    void writeCatalog(int copies) {
        for (int i = 0; i < copies; ++i)
            for (const QString& name : Vendor_GSDML_Files)
                folder.write(QString("PROFINET_Catalog/GSDML-%1-%2").arg(i).arg(name.mid(6)), Vendor_GSDML_Bytes(name));
    }
    bool animating() { return static_cast<TGIFImage*>(w().ILoadCat->Picture().Graphic())->Animate(); }

    // Runs the GUI thread's queued calls until the loader has started the animation.
    bool serveUntilAnimating() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!animating()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            if (TMessageLoop::Instance().ProcessPosted() == 0) std::this_thread::yield();
        }
        return true;
    }
};

TEST_F(CatalogMainWindowTest, TheFirstShowLoadsTheCatalogFolderBehindTheIndicator) {
    writeCatalog(1);
    Create_Program_Windows();
    ASSERT_NE(PROFINET_Catalog_Obj, nullptr);
    EXPECT_TRUE(w().ILoadCat->Visible());
    EXPECT_FALSE(animating());

    w().Show();
    ASSERT_TRUE(serveUntilAnimating());
    EXPECT_TRUE(w().ILoadCat->Visible());
    EXPECT_TRUE(w().LLoadCat->Visible());
    w().WaitForCatalog();

    EXPECT_FALSE(w().ILoadCat->Visible());
    EXPECT_FALSE(w().LLoadCat->Visible());
    EXPECT_FALSE(animating());
    EXPECT_EQ(Catalog_Tree(*PROFINET_Catalog_Obj),
              (QStringList{"Drives{ABB Oy{ABB FENA{GSDML-0-V2.25-ABB-FENA-20130603.xml}}}",
                           "Gateway{Hilscher Gesellschaft für Systemautomation mbH{NIOT-E-NPI3-51-EN-RE{GSDML-0-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml}}}",
                           "Ident Systems{Leuze electronic GmbH + Co. KG{Leuze{GSDML-0-V2.41-LEUZE-BCL248i-20211213.xml}}}"}));
}

// Closing the program at any moment of the load ends the loader and frees the catalog after it,
// without waiting for the rest of the folder.
TEST_F(CatalogMainWindowTest, DestroyingTheWindowsEndsTheLoaderAtAnyMoment) {
    writeCatalog(10);
    for (bool waitForTheScan : {false, true}) {
        Create_Program_Windows();
        w().Show();
        if (waitForTheScan) {
            ASSERT_TRUE(serveUntilAnimating());
        }
        Application->DestroyForms();
        EXPECT_EQ(PROFINET_Catalog_Obj, nullptr);
    }
}

}  // namespace
