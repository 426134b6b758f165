#include "profinet/gsdml/gsdml.h"
#include "platform/testkit/exception_message.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <algorithm>
#include <ostream>

#include "platform/core/exception.h"
#include "platform/testkit/temp_folder.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/module_list.h"
#include "profinet/gsdml/submodule_list.h"

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
const QString fixtureFolder = QStringLiteral(LW_TESTDATA "/");
const QString minimalName = QStringLiteral("GSDML-V2.4-Minimal.xml");

// The fixture as text, for tests that write a variant of it.
QString minimalText() {
    QFile f(fixtureFolder + minimalName);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// The fixture with the first element named name (and all it holds) left out.
QString withoutElement(const QString& name) {
    QString text = minimalText();
    const QRegularExpression element(QStringLiteral("<%1(\\s[^>]*)?(/>|>.*?</%1>)").arg(name),
                                     QRegularExpression::DotMatchesEverythingOption);
    const qsizetype before = text.size();
    text.remove(element);
    EXPECT_LT(text.size(), before) << name.toStdString();
    return text;
}

QByteArray latin1(const QString& text) { return text.toLatin1(); }

QStringList texts(const TItemList<TTextItem>& list) {
    QStringList out;
    for (const auto& item : list) out << item->TextId() + "=" + item->Value();
    return out;
}


struct SharedFile {
    const char* name;
    uint16_t vendorID;
    uint16_t deviceID;
    const char* vendorName;
    const char* mainFamily;
    const char* productFamily;
    const char* infoText;  // the text behind DeviceIdentity's InfoText
    std::vector<std::pair<const char*, const char*>> primaryTexts;
    int primaryCount;
    QStringList languages;
};

TEST(GSDML, DecodesTheSharedFiles) {
    const SharedFile files[] = {
        {"GSDML-V2.25-ABB-FENA-20130603.xml", 0x001A, 0x0003, "ABB Oy", "Drives", "ABB FENA",
         "PROFINET IO module FENA",
         {{"IDT_DIAG_NAME_Other", "Other"}},
         120, {"en"}},
        {"GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml", 0x011E, 0x0128,
         "Hilscher Gesellschaft für Systemautomation mbH", "Gateway", "NIOT-E-NPI3-51-EN-RE", "netIOT Edge Gateway",
         {{"DAP Module_CategoryName", "Device Access Point Modules"},
          {"DIM 29_InfoText", "NIOT-E-NPI3-51-EN-RE V1.x. Supports Identification & Maintenance 1-4, Shared Device, "
                              "RT and IRT Communication, Advanced startup."},
          {"X1P2", "X1 P2"}},
         132, {"de"}},
        {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml", 0x0152, 0x0015, "Leuze electronic GmbH + Co. KG", "Ident Systems",
         "Leuze", "PROFINET IO Ident-Device",
         {{"IDT_CATEGORY_DeviceFunctions", "Device Functions"}, {"Port2", "Port 2"}},
         499, {"de", "es", "fr", "it"}},
    };
    for (const SharedFile& f : files) {
        SCOPED_TRACE(f.name);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(vendorFolder, f.name));
        EXPECT_EQ(gsdml.GSDML_FileName(), f.name);
        EXPECT_EQ(gsdml.GSDML_Path(), vendorFolder);

        const TProfileHeader& header = gsdml.ProfileHeader;
        EXPECT_EQ(header.ProfileIdentification(), "PROFINET Device Profile");
        EXPECT_EQ(header.ProfileClassID(), "Device");
        EXPECT_EQ(header.ISO15745Reference.ISO15745Technology(), "GSDML");

        const TProfileBody& body = gsdml.ProfileBody;
        EXPECT_EQ(body.DeviceIdentity.VendorID(), f.vendorID);
        EXPECT_EQ(body.DeviceIdentity.DeviceID(), f.deviceID);
        EXPECT_EQ(body.DeviceIdentity.VendorName(), QString::fromUtf8(f.vendorName));
        EXPECT_EQ(body.DeviceFunction.Family.MainFamily(), f.mainFamily);
        EXPECT_EQ(body.DeviceFunction.Family.ProductFamily(), f.productFamily);
        EXPECT_EQ(gsdml.GetString_ExternalTextList(body.DeviceIdentity.InfoText()), QString::fromUtf8(f.infoText));
        for (const auto& [id, value] : f.primaryTexts) EXPECT_EQ(gsdml.GetString_ExternalTextList(id), value) << id;

        const TExternalTextList* textList = body.ApplicationProcess.ExternalTextList.get();
        ASSERT_NE(textList, nullptr);
        EXPECT_EQ(textList->PrimaryLanguage.TextList.size(), size_t(f.primaryCount));
        QStringList languages;
        for (const auto& language : textList->LanguageList) languages << language->Lang();
        EXPECT_EQ(languages, f.languages);
    }
}

// The project's own small descriptions of invented devices, about 10 KB: one access point, a
// few modules and parameters; one Latin-1 with CRLF line ends, one UTF-8 with pluggable
// submodules.
TEST(GSDML, DecodesTheSmallDescriptions) {
    const struct {
        const char* name;
        uint16_t vendorID;
        const char* vendorName;
        std::pair<const char*, const char*> text;
        size_t modules, submodules, valueItems, primaryTexts;
        // One submodule's I/O data, with its lengths in bytes.
        const TIOData* (*ioData)(const TApplicationProcess&);
        int input, output;
    } files[] = {
        {"GSDML-V2.35-KESTREL-DIO16-20250301.xml", 0x7A31, "Kestrel Feldgeräte GmbH",
         {"IDT_Filter_10ms", "10 ms"}, 3, 0, 2, 34,
         [](const TApplicationProcess& a) -> const TIOData* {
             return &a.ModuleList->ModuleItemList.at(2)->VirtualSubmoduleList->VirtualSubmoduleItelList.at(0)->IOData;
         },
         1, 1},
        {"GSDML-V2.43-MOSSBANK-TC4-20260115.xml", 0x7B02, "Mossbank Instruments Ltd.",
         {"T_Device", "Temperature input, 4 thermocouples, −200 °C to 1370 °C"}, 1, 2, 2, 35,
         [](const TApplicationProcess& a) -> const TIOData* {
             return &dynamic_cast<const TSubmoduleItem&>(*a.SubmoduleList->SubmoduleList.at(0)).IOData;
         },
         5, 0},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(fixtureFolder + "small/", f.name));
        const TProfileBody& body = gsdml.ProfileBody;
        EXPECT_EQ(body.DeviceIdentity.VendorID(), f.vendorID);
        EXPECT_EQ(body.DeviceIdentity.VendorName(), QString::fromUtf8(f.vendorName));
        EXPECT_EQ(gsdml.GetString_ExternalTextList(f.text.first), QString::fromUtf8(f.text.second));

        const TApplicationProcess& process = body.ApplicationProcess;
        ASSERT_EQ(process.DeviceAccessPointList->DevAccPointItemList.size(), 1u);
        ASSERT_TRUE(process.ModuleList);
        EXPECT_EQ(process.ModuleList->ModuleItemList.size(), f.modules);
        EXPECT_EQ(process.SubmoduleList ? process.SubmoduleList->SubmoduleList.size() : 0, f.submodules);
        EXPECT_EQ(process.ValueList->ValueItemList.size(), f.valueItems);
        EXPECT_EQ(process.ExternalTextList->PrimaryLanguage.TextList.size(), f.primaryTexts);
        const TIOData* ioData = f.ioData(process);
        EXPECT_EQ(ioData->Get_Input(), f.input);
        EXPECT_EQ(ioData->Get_Output(), f.output);
    }
}

TEST(GSDML, OtherLanguagesAreReadButNeverLookedUp) {
    TGSDML gsdml;
    ASSERT_TRUE(gsdml.Decode_GSDML(vendorFolder, "GSDML-V2.41-LEUZE-BCL248i-20211213.xml"));
    const TLanguage& german = *gsdml.ProfileBody.ApplicationProcess.ExternalTextList->LanguageList.at(0);
    const auto text = std::find_if(german.TextList.begin(), german.TextList.end(),
                                   [](const auto& item) { return item->TextId() == "DeviceDescription"; });
    ASSERT_NE(text, german.TextList.end());
    EXPECT_EQ((*text)->Value(), QString::fromUtf8("PROFINET IO Ident-Gerät"));
    EXPECT_EQ(gsdml.GetString_ExternalTextList("DeviceDescription"), "PROFINET IO Ident-Device");
}

TEST(GSDML, DecodesTheWholeTopOfAFile) {
    TGSDML gsdml;
    ASSERT_TRUE(gsdml.Decode_GSDML(fixtureFolder, minimalName));

    const TProfileHeader& header = gsdml.ProfileHeader;
    EXPECT_EQ(header.ProfileRevision(), "1.00");
    EXPECT_EQ(header.ProfileName(), "Device Profile for PROFINET Devices");
    EXPECT_EQ(header.ProfileSource(), "PROFIBUS Nutzerorganisation e. V. (PNO)");
    EXPECT_EQ(header.ProfileDate(), "2024-02-29");
    EXPECT_EQ(header.ISO15745Reference.ISO15745Part(), "4");
    EXPECT_EQ(header.ISO15745Reference.ISO15745Edition(), "1");
    EXPECT_EQ(header.IASInterfaceType, QStringList({"CSI", " HMI "}));  // kept as written

    const TDeviceIdentity& identity = gsdml.ProfileBody.DeviceIdentity;
    EXPECT_EQ(identity.VendorID(), 42);
    EXPECT_EQ(identity.DeviceID(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(identity.InfoText(), "IDT_Info");
    EXPECT_EQ(identity.VendorName(), QString::fromUtf8("Grün & Söhne"));
    EXPECT_EQ(gsdml.ProfileBody.DeviceFunction.Family.MainFamily(), "I/O");
    EXPECT_EQ(gsdml.ProfileBody.DeviceFunction.Family.ProductFamily(), " Test Family ");

    const TExternalTextList& textList = *gsdml.ProfileBody.ApplicationProcess.ExternalTextList;
    EXPECT_EQ(texts(textList.PrimaryLanguage.TextList),
              QStringList({QString::fromUtf8("IDT_Info=Test device °C"), "IDT_Twice=first", "IDT_Twice=second",
                           "IDT_Empty="}));
    ASSERT_EQ(textList.LanguageList.size(), 2u);
    EXPECT_EQ(textList.LanguageList[0]->Lang(), "de");
    EXPECT_EQ(texts(textList.LanguageList[0]->TextList),
              QStringList({QString::fromUtf8("IDT_Info=Testgerät"), "IDT_Other=anders"}));
    EXPECT_EQ(textList.LanguageList[1]->Lang(), "fr");
}

TEST(GSDML, TextLookupTakesTheFirstPrimaryTextOrTheIdItself) {
    TGSDML gsdml;
    EXPECT_EQ(gsdml.GetString_ExternalTextList("IDT_Info"), "IDT_Info");  // nothing decoded yet
    ASSERT_TRUE(gsdml.Decode_GSDML(fixtureFolder, minimalName));
    const struct {
        const char* id;
        QString text;
    } cases[] = {
        {"IDT_Info", QString::fromUtf8("Test device °C")},
        {"IDT_Twice", "first"},
        {"IDT_Empty", ""},
        {"IDT_Other", "IDT_Other"},  // only in another language and in a TextX element
        {"idt_info", "idt_info"},
        {"IDT_Inf", "IDT_Inf"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(gsdml.GetString_ExternalTextList(c.id), c.text) << c.id;
}

TEST(GSDML, ValueListsGiveTheirNonNegativeNumbers) {
    const struct {
        const char* list;
        std::vector<int32_t> values;
    } cases[] = {
        {"1 2 4 8 16 32 64 128 256 512", {1, 2, 4, 8, 16, 32, 64, 128, 256, 512}},
        {" 32 ", {32}},
        {"", {}},
        {"8..16", {}},
        {"-1 5 x 0", {5, 0}},
        {"0x20", {32}},
        {"4  4   1\t", {4, 4, 1}},
        {"2147483647 2147483648 $FFFFFFFF", {2147483647}},
        {"1\t2 3", {3}},  // only blanks separate
    };
    TGSDML gsdml;
    gsdml.ArrValueList = {99};
    for (const auto& c : cases) {
        EXPECT_TRUE(gsdml.GetValuesFromValueList(c.list));
        EXPECT_EQ(gsdml.ArrValueList, c.values) << c.list;
    }
}

TEST(GSDML, MissingFileLeavesTheObjectAsItWas) {
    TempFolder tmp;
    TGSDML gsdml;
    EXPECT_FALSE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-missing.xml"));
    EXPECT_FALSE(gsdml.Decode_GSDML(tmp.path(), "/"));  // the folder itself
    EXPECT_EQ(gsdml.GSDML_FileName(), "");
    EXPECT_EQ(gsdml.GSDML_Path(), "");
    EXPECT_EQ(gsdml.ProfileHeader.ProfileName(), "");
    EXPECT_EQ(gsdml.ProfileBody.ApplicationProcess.ExternalTextList, nullptr);
}

TEST(GSDML, PathAndNameAreJoinedAsGiven) {
    TempFolder tmp;
    tmp.write("sub/GSDML-a.xml", latin1(minimalText()));
    TGSDML joined;
    EXPECT_TRUE(joined.Decode_GSDML(tmp.path() + "/sub/", "GSDML-a.xml"));
    EXPECT_EQ(joined.GSDML_Path(), tmp.path() + "/sub/");
    TGSDML unjoined;
    EXPECT_FALSE(unjoined.Decode_GSDML(tmp.path() + "/sub", "GSDML-a.xml"));  // no separator added
}

TEST(GSDML, MissingRequiredElementsFailTheDecode) {
    const struct {
        const char* element;
        bool headerRead;
    } cases[] = {
        {"ProfileHeader", false}, {"ProfileBody", true},         {"DeviceIdentity", true},
        {"DeviceFunction", true}, {"Family", true},              {"ApplicationProcess", true},
        {"ExternalTextList", true}, {"DeviceAccessPointList", true},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element);
        tmp.write("GSDML-x.xml", latin1(withoutElement(c.element)));
        TGSDML gsdml;
        EXPECT_FALSE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"));
        EXPECT_EQ(gsdml.GSDML_FileName(), "GSDML-x.xml");
        EXPECT_EQ(gsdml.ProfileHeader.ProfileDate() == "2024-02-29", c.headerRead);
    }
}

TEST(GSDML, AFailedDecodeKeepsWhatWasRead) {
    TempFolder tmp;
    tmp.write("GSDML-x.xml", latin1(withoutElement("DeviceAccessPointList")));
    TGSDML gsdml;
    EXPECT_FALSE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"));
    EXPECT_EQ(gsdml.ProfileBody.DeviceIdentity.VendorID(), 42);
    EXPECT_EQ(gsdml.ProfileBody.DeviceFunction.Family.MainFamily(), "I/O");
    EXPECT_EQ(gsdml.ProfileBody.ApplicationProcess.ExternalTextList, nullptr);  // never reached
}

TEST(GSDML, OptionalPartsMayBeMissing) {
    TempFolder tmp;
    QString text = withoutElement("PrimaryLanguage");
    text.remove(QRegularExpression("<ISO15745Reference>.*</ISO15745Reference>",
                                   QRegularExpression::DotMatchesEverythingOption));
    text.replace(QRegularExpression("<DeviceIdentity [^>]*>"), "<DeviceIdentity>");
    text.remove(QRegularExpression("<(InfoText|VendorName)[^>]*/>"));
    tmp.write("GSDML-x.xml", latin1(text));
    TGSDML gsdml;
    ASSERT_TRUE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"));
    EXPECT_EQ(gsdml.ProfileHeader.ISO15745Reference.ISO15745Part(), "");
    const TDeviceIdentity& identity = gsdml.ProfileBody.DeviceIdentity;
    EXPECT_EQ(identity.VendorID(), 0);
    EXPECT_EQ(identity.DeviceID(), 1);
    EXPECT_EQ(identity.InfoText(), "");
    EXPECT_EQ(identity.VendorName(), "");
    EXPECT_TRUE(gsdml.ProfileBody.ApplicationProcess.ExternalTextList->PrimaryLanguage.TextList.empty());
    EXPECT_EQ(gsdml.GetString_ExternalTextList("IDT_Info"), "IDT_Info");
}

TEST(GSDML, IdentityNumbersConvertByTheIntegerRule) {
    TempFolder tmp;
    QString text = minimalText();
    text.replace("VendorID=\"0x002A\" DeviceID=\"70000\"", "VendorID=\" 42\" DeviceID=\"\"");
    tmp.write("GSDML-x.xml", latin1(text));
    TGSDML gsdml;
    ASSERT_TRUE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"));
    EXPECT_EQ(gsdml.ProfileBody.DeviceIdentity.VendorID(), 42);
    EXPECT_EQ(gsdml.ProfileBody.DeviceIdentity.DeviceID(), 1);
}

TEST(GSDML, FilesThatAreNoGsdmlDecodeToFalse) {
    const char* cases[] = {
        "<?xml version=\"1.0\"?>\n<Project><ProfileHeader/><ProfileBody/></Project>\n",
        "<ISO15745Profile/>",
        "<!-- only a comment before --><iso15745profile><ProfileHeader/><ProfileBody/></iso15745profile>",
    };
    TempFolder tmp;
    for (const char* xml : cases) {
        tmp.write("GSDML-x.xml", xml);
        TGSDML gsdml;
        EXPECT_FALSE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml")) << xml;
    }
}

TEST(GSDML, UnreadableXmlRaisesTheParserError) {
    const QString text = minimalText();
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"cut short", latin1(text.left(text.indexOf("<ApplicationProcess>")))},
        {"mismatched tag", latin1(QString(text).replace("</DeviceFunction>", "</DeviceFunktion>"))},
        {"binary", QByteArray("\x01\x02\x03\xFF\xFE\x00\x00", 7)},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        tmp.write("GSDML-x.xml", c.bytes);
        TGSDML gsdml;
        const QString message = messageOf([&] { gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"); });
        EXPECT_TRUE(message.contains("line")) << c.what << ": " << message.toStdString();
        EXPECT_EQ(gsdml.GSDML_FileName(), "GSDML-x.xml") << c.what;
        EXPECT_EQ(gsdml.ProfileHeader.ProfileName(), "") << c.what;
    }
}

TEST(GSDML, ReadsEveryEncodingOfTheSameFile) {
    // The fixture's Latin-1 declaration is rewritten to match each encoding.
    QString text = minimalText();
    text.replace("encoding=\"iso-8859-1\"", "encoding=\"%1\"");
    const auto encoded = [&](const char* name, QStringConverter::Encoding encoding, bool mark) {
        QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(text.arg(name)));
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"latin-1 with LF", latin1(QString(text.arg("ISO-8859-1")).replace("\r\n", "\n"))},
        {"utf-8", encoded("UTF-8", QStringConverter::Utf8, false)},
        {"utf-8 with mark", encoded("UTF-8", QStringConverter::Utf8, true)},
        {"utf-16le with mark", encoded("UTF-16", QStringConverter::Utf16LE, true)},
        {"utf-16le without mark", encoded("UTF-16", QStringConverter::Utf16LE, false)},
        {"utf-16be with mark", encoded("UTF-16", QStringConverter::Utf16BE, true)},
        {"utf-16be without mark", encoded("UTF-16", QStringConverter::Utf16BE, false)},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tmp.write("GSDML-x.xml", c.bytes);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"));
        EXPECT_EQ(gsdml.ProfileBody.DeviceIdentity.VendorName(), QString::fromUtf8("Grün & Söhne"));
        EXPECT_EQ(gsdml.GetString_ExternalTextList("IDT_Info"), QString::fromUtf8("Test device °C"));
    }
}

}  // namespace
