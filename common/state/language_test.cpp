#include "common/state/language.h"

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "common/state/default_texts.h"
#include "common/state/program_state.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Expected {
    int id;
    QString text;
};

void expectTexts(const std::vector<Expected>& expected, const std::string& context = {}) {
    for (const Expected& e : expected) EXPECT_EQ(Lang(e.id).toStdString(), e.text.toStdString()) << "id " << e.id << " " << context;
}

TEST(DefaultTexts, EveryIdHoldsATextAndTheWindowsFindTheirEnglishDefaults) {
    Load_Default_Texts();
    EXPECT_EQ(Lang_Count, 2600);
    ASSERT_EQ(Lang_List.size(), 2600);
    for (int id = 0; id < 2600; ++id) EXPECT_FALSE(Lang(id).isEmpty()) << id;

    expectTexts({
        {0, "Begin"},
        {8, "Step 8"},
        {9, "None Configuration Opened "},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {19, "New Version Available. Click Here for more Details"},
        {27, "Wait Until the Catalog is Loaded"},
        {42, " "},  // held by the table, applied nowhere
        {49, "Set the List of TLS Certificate accepted from IEC61850 Server"},
        {103, "OK"},
        {106, "Error! Name project is not valid because directory already exists"},
        {207, "Cancel open of Configuration"},
        {304, "Selected Language : "},
        {305, "Page "},
        {306, " / "},
        {316, "Do you want to change the Language from "},
        {317, " to "},
        {318, "?"},
        {406, "PROFINET Master"},
        {455, "Error PROFINET Master!! Gateway IP 4 must be between 0 and 255"},
        {469, "Do you want to exit without saving changes?"},
        {664, " "},
        {705, "WEP"},
        {737, "11"},
        {808, "Confirm and save the MQTT Set Topics List"},
        {850, "Are you sure to delete the Row number "},
        {900, "Row Already used. Do you want to overwrite the values?"},
        {904, "Error! Please set the Set Communication Parameter before to create the GSD file"},
        {1002, "Update Device by Ethernet (UDP)"},
        {1037, "Error!!! Check the Ip Address"},
        {1102, "Device #"},
        {1133, "Update Time must be major or equal to "},
        {1137, "Automatic new session when StationProblemIndicator is active"},
        {1225, "Different Word"},
        {1307, "Insert a PROFINET Device in Catalog"},
        {1477, uR"(!! [SNMP Read] Description is not correct (allowed characters are "a".."z", "A".."Z" and "0".."9"). First character must be a letter and must be lowercase)"_s},
        {1482, "Conversion"},
        {1556, "!! [MQTT Publish] Position must be beetween 0 and "},
        {1592, " "},
        {1603, "Set Template"},
        {1772, "Error IEC61850 Server!! Port must be between 0 and 65535, and different from 10000"},
        {1784, "Enable Only Known Certificates"},
        {2043, uR"(!! [BACnet in Read] Length with variable "Access Door" must be equal to 1)"_s},
        {2059, "Error!! Too many Requests. Max requests "},
        {2108, "Select Engineering Unit"},
        {2233, " "},
        {2250, " or None"},
        {2345, "Insert the position of array to place in byte 8 of CAN frame"},
        {2424, "Select teh Type of IEC61850 Variable (Int or Float)"},
        {2438, "!! Start Bit must be Selected "},
        {2521, "Are you sure to delete the Row number "},
        {2599, " "},
    });
}

TEST(DefaultTexts, TheTableListsEachIdOnceInOrder) {
    int previous = -1;
    for (const TDefaultText& t : Default_Texts()) {
        EXPECT_GT(t.Id, previous);
        EXPECT_LT(t.Id, 2600);
        EXPECT_STRNE(t.Text, "") << t.Id;
        previous = t.Id;
    }
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Language_Dir = folder.file("LANGUAGE");
        ForceDirectories(Language_Dir);
    }
    void TearDown() override { Reset_Program_State(); }

    void writeLanguage(const QString& fileName, const QByteArray& bytes) { folder.write("LANGUAGE/" + fileName, bytes); }

    static QString fixtureText() {
        QFile f(QStringLiteral(LW_TESTDATA "/Test.lng"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }

    TempFolder folder;
};

// What the test file sets, and the English texts its faulty lines leave alone.
const std::vector<Expected> fixtureTexts = {
    {0, "Anfang"},
    {1, "Schritt 1"},  // not overwritten by "STR12=Hallo"
    {2, "Schritt 2"},
    {3, "Schritt 3"},
    {4, "Step 4"},
    {9, u"Keine Konfiguration geöffnet "_s},
    {12, "Information"},
    {13, "Optionen"},
    {14, "Close Configurator"},
    {15, "New Configuration"},
    {16, "  Neue Konfiguration "},
    {17, u"Gerät aktualisieren"_s},
    {20, "Kommunikation "},
    {21, "PROFINET = Zugang"},
    {22, "Zweite"},
    {24, "Info"},
    {25, "Tabulator"},
    {26, "Update the actual Firmware and/or Configuration in the device"},
    {27, "Wait Until the Catalog is Loaded"},
    {304, u"Gewählte Sprache : "_s},
    {2599, "Letzter"},
};

TEST_F(LanguageTest, ReadsEveryFormOfLineInEveryEncodingAndLineEnd) {
    const QStringList lines = fixtureText().split("\r\n");
    const auto utf16 = [](QStringConverter::Encoding e, const QByteArray& mark) {
        return [e, mark](const QString& text) { return mark + QByteArray(QStringEncoder(e).encode(text)); };
    };
    const struct Variant {
        const char* name;
        const char* lineEnd;
        std::function<QByteArray(const QString&)> encode;
    } variants[] = {
        {"UTF-8 with CR LF", "\r\n", [](const QString& t) { return t.toUtf8(); }},
        {"UTF-8 with LF", "\n", [](const QString& t) { return t.toUtf8(); }},
        {"UTF-8 with CR", "\r", [](const QString& t) { return t.toUtf8(); }},
        {"UTF-8 with a mark", "\r\n", [](const QString& t) { return "\xEF\xBB\xBF" + t.toUtf8(); }},
        {"UTF-16 LE with a mark", "\r\n", utf16(QStringConverter::Utf16LE, "\xFF\xFE")},
        {"UTF-16 BE with a mark", "\r\n", utf16(QStringConverter::Utf16BE, "\xFE\xFF")},
        {"Windows-1252", "\r\n", [](const QString& t) { return t.toLatin1(); }},
    };
    for (const Variant& v : variants) {
        writeLanguage("Deutsch.lng", v.encode(lines.join(QString::fromLatin1(v.lineEnd))));
        Language_Name = "Deutsch";
        Load_Language();
        EXPECT_EQ(Language_Name, "Deutsch") << v.name;
        ASSERT_EQ(Lang_List.size(), 2600) << v.name;
        expectTexts(fixtureTexts, v.name);
    }
}

TEST_F(LanguageTest, FindsTheFileWhateverTheCaseOfItsName) {
    writeLanguage("German.LNG", "STR0 = Anfang\r\n");
    Language_Name = "German";
    Load_Language();
    EXPECT_EQ(Language_Name, "German");
    EXPECT_EQ(Lang(0), "Anfang");
    EXPECT_EQ(Language_File("german"), folder.file("LANGUAGE/German.LNG"));
}

TEST_F(LanguageTest, AMissingLanguageFallsBackToEnglish) {
    struct Case {
        const char* what;
        const char* englishFile;  // nullptr: none
        const char* name;
        const char* text0;
    } cases[] = {
        {"no file at all", nullptr, "Klingon", "Begin"},
        {"an English file", "STR0 = Start", "Klingon", "Start"},
        {"an empty name", "STR0 = Start", "", "Start"},
    };
    for (const Case& c : cases) {
        QFile::remove(folder.file("LANGUAGE/english.lng"));
        if (c.englishFile) writeLanguage("english.lng", c.englishFile);
        Language_Name = c.name;
        Load_Language();
        EXPECT_EQ(Language_Name, "English") << c.what;
        EXPECT_EQ(Lang(0), c.text0) << c.what;
        EXPECT_EQ(Lang(1), "Step 1") << c.what;
    }
}

TEST_F(LanguageTest, AFolderNamedLikeALanguageIsNoLanguageFile) {
    ForceDirectories(folder.file("LANGUAGE/Broken.lng"));
    Language_Name = "Broken";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang(0), "Begin");
    EXPECT_EQ(Lang_List.size(), 2600);
}

TEST_F(LanguageTest, ALanguageWithFewLinesShowsEnglishForTheRest) {
    writeLanguage("Deutsch.lng", fixtureText().toUtf8());
    Language_Name = "Deutsch";
    Load_Language();
    ASSERT_EQ(Lang(13), "Optionen");

    writeLanguage("Kurz.lng", "STR13 = Opzioni\n");
    Language_Name = "Kurz";
    Load_Language();
    expectTexts({{0, "Begin"}, {13, "Opzioni"}, {16, "Open Configuration"}, {2599, " "}});
}

TEST_F(LanguageTest, ALanguageFileCannotGrowOrShrinkTheTable) {
    Load_Default_Texts();
    Load_Lang_File(folder.file("LANGUAGE/missing.lng"));
    EXPECT_EQ(Lang_List.size(), 2600);
    EXPECT_EQ(Lang(0), "Begin");

    writeLanguage("Edge.lng", "STR2599 = last\nSTR2600 = beyond\nSTR0 = first\n");
    Load_Lang_File(folder.file("LANGUAGE/Edge.lng"));
    EXPECT_EQ(Lang_List.size(), 2600);
    expectTexts({{0, "first"}, {2599, "last"}});
}

TEST_F(LanguageTest, FlagsAreFoundWhateverTheCaseOfTheirNames) {
    EXPECT_EQ(Language_Flag_File("German"), "");
    writeLanguage("defaultflag.BMP", "BM");
    EXPECT_EQ(Language_Flag_File("German"), folder.file("LANGUAGE/defaultflag.BMP"));
    writeLanguage("GERMAN.bmp", "BM");
    EXPECT_EQ(Language_Flag_File("German"), folder.file("LANGUAGE/GERMAN.bmp"));
}

}  // namespace
