#include "profinet/gsdml/application_process.h"

#include <gtest/gtest.h>

#include <QFile>

#include "platform/testkit/temp_folder.h"
#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/gsdml.h"

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");

// A fixture as text, byte for byte as Latin-1.
QString fixtureText(const char* name) {
    QFile f(FixturePath(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// What stands between the start and end tags of the fixture's root element.
QString inner(const char* fixture, const QString& root) {
    const QString text = fixtureText(fixture);
    const QString start = "<" + root + ">";
    const qsizetype from = text.indexOf(start) + start.size();
    return text.mid(from, text.lastIndexOf("</" + root + ">") - from);
}

// The small device description with the value list and the diagnosis, alarm, logbook, graphics
// and category lists of the fixtures, in the order a file gives them.
QString withAllLists() {
    QString text = fixtureText("GSDML-V2.4-Minimal.xml");
    const QString lists = "<ValueList>" + inner("values_list.xml", "ValueList") + "</ValueList>" +
                          inner("diag_lists.xml", "ApplicationProcess");
    text.insert(text.indexOf("<ExternalTextList>"), lists);
    return text;
}

// Decodes text written as a file of tmp.
bool decode(TGSDML& gsdml, const TempFolder& tmp, const QString& text) {
    tmp.write("GSDML-x.xml", text.toLatin1());
    return gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml");
}

// How many of the optional lists have an object, counted from the first until one has none.
int listsRead(const TApplicationProcess& process) {
    const bool present[] = {process.ValueList != nullptr,
                            process.ChannelDiagList != nullptr,
                            process.ChannelProcessAlarmList != nullptr,
                            process.UnitDiagTypeList != nullptr,
                            process.LogBookEntryList != nullptr,
                            process.GraphicsList != nullptr,
                            process.CategoryList != nullptr};
    int n = 0;
    while (n < int(std::size(present)) && present[n]) ++n;
    return n;
}

TEST(ApplicationProcess, HangsEveryListIntoItsField) {
    TempFolder tmp;
    TGSDML gsdml;
    ASSERT_TRUE(decode(gsdml, tmp, withAllLists()));
    const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
    EXPECT_EQ(listsRead(process), 7);
    EXPECT_EQ(process.ValueList->ValueItemList.size(), 3u);
    EXPECT_EQ(process.ChannelDiagList->ChannelDiagItemList.size(), 2u);
    EXPECT_EQ(process.ChannelProcessAlarmList->ProfileChannelProcessAlarmItem.size(), 1u);
    EXPECT_EQ(process.UnitDiagTypeList->UnitDiagTypeList.size(), 3u);
    EXPECT_EQ(process.LogBookEntryList->LogBookEntryList.size(), 2u);
    EXPECT_EQ(process.GraphicsList->GraphicsList.size(), 2u);
    EXPECT_EQ(process.CategoryList->CategoryList.size(), 2u);
    ASSERT_NE(process.ExternalTextList, nullptr);
    EXPECT_EQ(gsdml.GetString_ExternalTextList("IDT_Info"), QString::fromUtf8("Test device °C"));
}

TEST(ApplicationProcess, ListsTheFileLacksHaveNoObject) {
    TempFolder tmp;
    TGSDML gsdml;
    ASSERT_TRUE(decode(gsdml, tmp, fixtureText("GSDML-V2.4-Minimal.xml")));
    EXPECT_EQ(listsRead(gsdml.ProfileBody.ApplicationProcess), 0);
    EXPECT_EQ(gsdml.ProfileBody.ApplicationProcess.CategoryList, nullptr);
    EXPECT_NE(gsdml.ProfileBody.ApplicationProcess.ExternalTextList, nullptr);
}

TEST(ApplicationProcess, AFailingListEndsTheDecodeAndKeepsWhatWasRead) {
    // Each case leaves one element "Name" out of the lists.
    const struct {
        const char* name;  // the text id of the Name left out
        bool decodes;
        int listsRead;
    } cases[] = {
        {"IDT_Diag_Profile", false, 2},
        {"IDT_Diag_Second", false, 2},
        {"IDT_Ext_Short", false, 2},
        {"IDT_Ext_System", false, 2},
        {"IDT_Alarm", false, 3},
        {"IDT_Ext_Alarm", false, 3},
        {"IDT_Ext_System_Alarm", false, 3},
        {"IDT_Profile_Alarm", false, 3},
        {"IDT_Ext_Profile_Alarm", false, 3},
        {"IDT_Unit", true, 7},  // a unit diagnosis needs no name
        {"IDT_Log_Value", false, 5},
        {"IDT_Code_255", false, 5},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = withAllLists();
        const QString name = QStringLiteral("<Name TextId=\"%1\"/>").arg(c.name);
        ASSERT_TRUE(text.contains(name));
        text.remove(name);
        TGSDML gsdml;
        EXPECT_EQ(decode(gsdml, tmp, text), c.decodes);
        const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
        EXPECT_EQ(listsRead(process), c.listsRead);
        EXPECT_EQ(process.ExternalTextList != nullptr, c.decodes);
    }
}

TEST(ApplicationProcess, ItemsBeforeAFailingOneStay) {
    QString text = withAllLists();
    text.remove("<Name TextId=\"IDT_Diag_Second\"/>");
    TempFolder tmp;
    TGSDML gsdml;
    ASSERT_FALSE(decode(gsdml, tmp, text));
    const TChannelDiagList& list = *gsdml.ProfileBody.ApplicationProcess.ChannelDiagList;
    ASSERT_EQ(list.ChannelDiagItemList.size(), 1u);  // the failing second one is dropped
    EXPECT_EQ(list.ChannelDiagItemList[0]->Name(), "IDT_Diag_Short");
    EXPECT_EQ(list.SystemDefinedChannelDiagItemList.size(), 1u);
    EXPECT_EQ(list.ProfileChannelDiagItemList.size(), 1u);
}

TEST(ApplicationProcess, DecodesTheListsOfTheSharedFiles) {
    const struct {
        const char* file;
        size_t valueItems;
        size_t assigns;
        size_t channelDiagItems;
        size_t profileChannelDiagItems;
        const char* graphicFile;
        QStringList categories;  // their texts
    } files[] = {
        {"GSDML-V2.25-ABB-FENA-20130603.xml", 2, 5, 0, 19, "GSDML-001A-0003-FENA", {"PPO Types", "Standard Telegrams"}},
        {"GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
         0,
         0,
         0,
         0,
         "GSDML-011E-0128-NIOT-E-NPI351ENRE",
         {"Device Access Point Modules", "Receive data(outputs)", "Send data(inputs)"}},
        {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
         38,
         159,
         1,
         0,
         "GSDML-0152-0021-BCL248i",
         {"Control", "Result Format", "Decoder", "Data Processing", "Device Functions", "Device DIO", "Data Output",
          "Special Functions", "MultiScan"}},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(vendorFolder, f.file));
        const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
        EXPECT_EQ(process.ValueList != nullptr, f.valueItems > 0);
        EXPECT_EQ(process.ChannelDiagList != nullptr, f.channelDiagItems + f.profileChannelDiagItems > 0);
        EXPECT_EQ(process.ChannelProcessAlarmList, nullptr);
        EXPECT_EQ(process.UnitDiagTypeList, nullptr);
        EXPECT_EQ(process.LogBookEntryList, nullptr);

        size_t valueItems = 0, assigns = 0;
        if (process.ValueList)
            for (const auto& item : process.ValueList->ValueItemList) {
                ++valueItems;
                assigns += item->AssignmentsList.size();
            }
        EXPECT_EQ(valueItems, f.valueItems);
        EXPECT_EQ(assigns, f.assigns);
        if (process.ChannelDiagList) {
            EXPECT_EQ(process.ChannelDiagList->ChannelDiagItemList.size(), f.channelDiagItems);
            EXPECT_EQ(process.ChannelDiagList->ProfileChannelDiagItemList.size(), f.profileChannelDiagItems);
        }

        ASSERT_NE(process.GraphicsList, nullptr);
        ASSERT_EQ(process.GraphicsList->GraphicsList.size(), 1u);
        EXPECT_EQ(process.GraphicsList->GraphicsList[0]->GraphicFile(), f.graphicFile);
        ASSERT_NE(process.CategoryList, nullptr);
        QStringList categories;
        for (const auto& item : process.CategoryList->CategoryList)
            categories << gsdml.GetString_ExternalTextList(item->TextId());
        EXPECT_EQ(categories, f.categories);
    }
}

TEST(ApplicationProcess, SharedFileDiagnosisAndChoicesResolveToTheirTexts) {
    TGSDML abb;
    ASSERT_TRUE(abb.Decode_GSDML(vendorFolder, "GSDML-V2.25-ABB-FENA-20130603.xml"));
    const TProfileChannelDiagItem& last =
        *abb.ProfileBody.ApplicationProcess.ChannelDiagList->ProfileChannelDiagItemList.back();
    EXPECT_EQ(last.API(), 14848u);
    EXPECT_EQ(last.ErrorType(), 36882);
    EXPECT_EQ(abb.GetString_ExternalTextList(last.Name()), "Other");

    TGSDML leuze;
    ASSERT_TRUE(leuze.Decode_GSDML(vendorFolder, "GSDML-V2.41-LEUZE-BCL248i-20211213.xml"));
    const TApplicationProcess& process = leuze.ProfileBody.ApplicationProcess;
    const TChannelDiagItem& diag = *process.ChannelDiagList->ChannelDiagItemList.at(0);
    EXPECT_EQ(diag.ErrorType(), 16);
    EXPECT_EQ(leuze.GetString_ExternalTextList(diag.Name()), "Configuration error");
    const TValueItem& codeType = *process.ValueList->ValueItemList.at(1);
    EXPECT_EQ(codeType.ID(), "PARAM_REF_VALUE_Codetype");
    const TAssign& code39 = *codeType.AssignmentsList.at(2);
    EXPECT_EQ(code39.Content(), "2");
    EXPECT_EQ(leuze.GetString_ExternalTextList(code39.TextId()), "Code39");
}

}  // namespace
