#include "shell/update_job_file.h"

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

namespace {

// The child elements of node as "name=text", in document order.
QStringList leaves(IXMLNode node) {
    QStringList lines;
    for (IXMLNode child : node.ChildNodes()) lines << child.NodeName() + "=" + child.Text();
    return lines;
}

class UpdateJobFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Exe_Dir = folder.path();
        Master_Dir = folder.file("MASTER");
        Project_Path = folder.file("PROJECTS/Plant");
    }
    void TearDown() override { Reset_Program_State(); }

    QString bank(int n) const { return Project_Path + QString("/bin/bank%1.bin").arg(n); }
    IXMLNode root() const { return doc.DocumentElement(); }
    std::vector<QStringList> operations() const {
        std::vector<QStringList> ops;
        for (IXMLNode op : root().ChildNodes().FindNode("Operations").ChildNodes()) {
            EXPECT_EQ(op.NodeName(), "Operation");
            ops.push_back(leaves(op));
        }
        return ops;
    }

    // One load step of this build's boot loader, element by element.
    static QStringList step(const QString& file, const QString& start, bool firmware, bool readBack, bool goToApp) {
        return {"Ope_Protection_Enabled=",
                "Ope_GoToBoot_Before=0",
                "Ope_GoToApp_Before=0",
                "Ope_IP_Address=",
                "Ope_Port=2008",
                "Ope_Port_Sec=2007",
                "Ope_Erase_Memory=0",
                "Ope_FileName=" + file,
                "Ope_Start_Address=" + start,
                "Ope_Memory_Type=0",
                QString("Ope_Bank_Type=") + (firmware ? "1" : "2"),
                QString("Ope_Read_Back=") + (readBack ? "1" : "0"),
                QString("Ope_Write_CSS=") + (firmware ? "1" : "0"),
                "Ope_Address_CSS=0x07A00",
                "Ope_Command_CSS=0x02",
                "Ope_Write_Internal_Data=0",
                "Ope_WID_Address=0x07810",
                "Ope_WID_Command=0x02",
                "Ope_WID_Data=0x00, 0x00, 0x00, 0x01",
                QString("Ope_GoToApp_After=") + (goToApp ? "1" : "0")};
    }

    TempFolder folder;
    TXMLDocument doc{nullptr};
};

TEST_F(UpdateJobFileTest, TheJobHeadsItsLoadStepsWithTheDeviceAndItsPorts) {
    doc.AddComment("left from an earlier job");
    Build_Update_Job(doc, "127.0.0.7", 1, true);
    ASSERT_EQ(doc.ChildNodes().Count(), 1);  // no declaration, no comment: only the root
    EXPECT_EQ(root().NodeName(), "Vivazova_Rorozi");
    EXPECT_EQ(leaves(root()), (QStringList{"Version=1000", "Title=Korvexline - SWQX372 Ethernet Update",
                                           "IP_Address_Dev=127.0.0.7", "Application_Port=5000", "Boot_Port=2008",
                                           "Boot_Port_Sec=2007", "Address_Protection=0x07800", "Protections=",
                                           "Operations="}));
    EXPECT_EQ(leaves(root().ChildNodes().FindNode("Protections")), QStringList{"Protection=0x244"});
}

TEST_F(UpdateJobFileTest, EachOptionLoadsItsStepsAndOnlyTheLastStartsTheApplication) {
    const QString firmware = folder.file("MASTER/SimQX372.sim");
    struct Case {
        int option;
        bool readBack;
        std::vector<QStringList> steps;
    };
    const Case cases[] = {
        {0, true,
         {step(firmware, "0x8000", true, true, false), step(bank(1), "0x07000", false, true, false),
          step(bank(2), "0x80000", false, true, false), step(bank(3), "0xA0000", false, true, true)}},
        {1, true, {step(firmware, "0x8000", true, true, true)}},
        {1, false, {step(firmware, "0x8000", true, false, true)}},
        {2, false,
         {step(bank(1), "0x07000", false, false, false), step(bank(2), "0x80000", false, false, false),
          step(bank(3), "0xA0000", false, false, true)}},
        {-1, true, {}},
        {3, true, {}},
    };
    for (const Case& c : cases) {
        Build_Update_Job(doc, "127.0.0.7", c.option, c.readBack);
        EXPECT_EQ(operations(), c.steps) << "option " << c.option << " read-back " << c.readBack;
    }
}

TEST_F(UpdateJobFileTest, TheOlderLayoutKeepsItsOwnAddresses) {
    Build_Update_Job_Old(doc, "127.0.0.8", 0, false);
    EXPECT_EQ(leaves(root()), (QStringList{"Version=1000", "Title=Korvexline - Ethernet Update", "IP_Address_Dev=127.0.0.8",
                                           "Application_Port=5000", "Boot_Port=2008", "Boot_Port_Sec=2007",
                                           "Address_Protection=0x78000", "Protections=", "Operations="}));
    EXPECT_EQ(leaves(root().ChildNodes().FindNode("Protections")), QStringList{"Protection=0x23D"});
    const std::vector<QStringList> ops = operations();
    ASSERT_EQ(ops.size(), 3u);
    // The firmware step has no internal-data elements.
    QStringList firmware = step(folder.file("MASTER/SimQX640.sim"), "0x8000", true, false, false);
    firmware.replace(13, "Ope_Address_CSS=0x78100");
    firmware.replace(14, "Ope_Command_CSS=0x0B");
    firmware.erase(firmware.begin() + 15, firmware.begin() + 19);
    EXPECT_EQ(ops[0], firmware);
    const struct {
        int bank;
        const char* start;
        bool goToApp;
    } banks[] = {{1, "0x68000", false}, {2, "0x50000", true}};
    for (int i = 0; i < 2; ++i) {
        QStringList expected = step(bank(banks[i].bank), banks[i].start, false, false, banks[i].goToApp);
        expected.replace(13, "Ope_Address_CSS=0x50100");
        expected.replace(14, "Ope_Command_CSS=0x0B");
        expected.replace(16, "Ope_WID_Address=0x78200");
        expected.replace(17, "Ope_WID_Command=0x0B");
        EXPECT_EQ(ops[1 + i], expected) << "bank " << banks[i].bank;
    }

    Build_Update_Job_Old(doc, "127.0.0.8", 1, true);
    ASSERT_EQ(operations().size(), 1u);
    EXPECT_EQ(operations()[0].last(), "Ope_GoToApp_After=1");
}

TEST_F(UpdateJobFileTest, TheUpdaterIsWhicheverProgramFileExists) {
    EXPECT_EQ(Update_Job_File(), folder.file("Vivazova_Rorozi.xml"));
    EXPECT_EQ(Updater_Program(), folder.file("Vivazova_Rorozi"));  // reported missing when run

    ForceDirectories(folder.file("Vivazova_Rorozi"));  // a folder is no program
    folder.write("VIVAZOVA_RORozi.EXE", "");
    EXPECT_EQ(Updater_Program(), folder.file("VIVAZOVA_RORozi.EXE"));

    TempFolder both;
    Exe_Dir = both.path();
    both.write("Vivazova_Rorozi.exe", "");
    both.write("Vivazova_Rorozi", "");
    EXPECT_EQ(Updater_Program(), both.file("Vivazova_Rorozi"));
}

}  // namespace
