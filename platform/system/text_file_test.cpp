#include "platform/system/text_file.h"

#include "platform/testkit/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

const char* encodingName(TTextEncoding e) {
    switch (e) {
    case TTextEncoding::Utf8: return "UTF-8";
    case TTextEncoding::Utf16LE: return "UTF-16 LE";
    case TTextEncoding::Utf16BE: return "UTF-16 BE";
    case TTextEncoding::Windows1252: return "Windows-1252";
    }
    return "?";
}

TEST(DecodeText, ByteOrderMarkOrValidUtf8ElseWindows1252) {
    struct Case {
        const char* what;
        QByteArray in;
        TTextEncoding encoding;
        QString text;
    } cases[] = {
        {"ASCII", "STR1 = a", TTextEncoding::Utf8, "STR1 = a"},
        {"empty", "", TTextEncoding::Utf8, ""},
        {"UTF-8 mark dropped", bytes({0xEF, 0xBB, 0xBF, 'a', 0xC2, 0xB6}), TTextEncoding::Utf8, u"a\u00B6"_s},
        {"UTF-8 without mark", bytes({0xC2, 0xB6, 'x', 0xE2, 0x82, 0xAC}), TTextEncoding::Utf8, u"\u00B6x\u20AC"_s},
        {"UTF-16 LE", bytes({0xFF, 0xFE, 'a', 0, 0xB6, 0, 0xAC, 0x20}), TTextEncoding::Utf16LE, u"a\u00B6\u20AC"_s},
        {"UTF-16 BE", bytes({0xFE, 0xFF, 0, 'a', 0, 0xB6}), TTextEncoding::Utf16BE, u"a\u00B6"_s},
        {"UTF-16 LE surrogate pair", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), TTextEncoding::Utf16LE,
         u"\U0001F600"_s},
        {"lone pilcrow byte", bytes({0xB6, 'a', 0xB6}), TTextEncoding::Windows1252, u"\u00B6a\u00B6"_s},
        {"euro and quotes of 1252", bytes({0x80, 0x93, 'x', 0x94, 0xE4}), TTextEncoding::Windows1252,
         u"\u20AC\u201Cx\u201D\u00E4"_s},
        {"undefined 1252 bytes keep their code", bytes({0x81, 0x9D}), TTextEncoding::Windows1252, u"\u0081\u009D"_s},
        {"cut UTF-8 sequence", bytes({'a', 0xC3}), TTextEncoding::Windows1252, u"a\u00C3"_s},
        {"UTF-8 surrogate is not valid", bytes({0xED, 0xA0, 0x80}), TTextEncoding::Windows1252, u"\u00ED\u00A0\u20AC"_s},
        {"overlong UTF-8 is not valid", bytes({0xC0, 0xAF}), TTextEncoding::Windows1252, u"\u00C0\u00AF"_s},
    };
    for (const Case& c : cases) {
        TTextEncoding found{};
        EXPECT_EQ(DecodeText(c.in, &found), c.text) << c.what;
        EXPECT_STREQ(encodingName(found), encodingName(c.encoding)) << c.what;
    }
}

TEST(EncodeText, EachEncodingReadsBackAndAnsiMarksWhatItCannotHold) {
    const QString text = u"a\u00B6\u20AC\u201C"_s;
    for (TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf16LE, TTextEncoding::Utf16BE})
        EXPECT_EQ(DecodeText(EncodeText(text, e, true)), text) << encodingName(e);
    EXPECT_EQ(EncodeText(u"a\u00B6"_s, TTextEncoding::Utf8, true), bytes({0xEF, 0xBB, 0xBF, 'a', 0xC2, 0xB6}));
    EXPECT_EQ(EncodeText(u"a"_s, TTextEncoding::Utf16LE, true), bytes({0xFF, 0xFE, 'a', 0}));
    EXPECT_EQ(EncodeText(u"a"_s, TTextEncoding::Utf16LE, false), bytes({'a', 0}));
    EXPECT_EQ(EncodeText(u"\u20ACx\u00E4\u0416"_s, TTextEncoding::Windows1252, false), bytes({0x80, 'x', 0xE4, '?'}));
}

TEST(SplitTextLines, CrLfAndCrLfEachEndALine) {
    struct Case {
        QString in;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"a\n\nb\n\n", {"a", "", "b", ""}},
        {" x \t\r\n", {" x \t"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTextLines(c.in), c.lines) << c.in.toStdString();
}

TEST(ReadTextFileLines, ReadsAFileOrSaysWhyNot) {
    TempFolder folder;
    const QString utf16 = folder.write("u.txt", bytes({0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, 0xB6, 0}));
    TTextFileLines read = ReadTextFileLines(utf16);
    ASSERT_TRUE(read.Ok);
    EXPECT_EQ(read.Lines, QStringList({"a", u"\u00B6"_s}));
    EXPECT_EQ(read.Encoding, TTextEncoding::Utf16LE);

    const QString empty = folder.write("empty.txt", {});
    read = ReadTextFileLines(empty);
    EXPECT_TRUE(read.Ok);
    EXPECT_TRUE(read.Lines.isEmpty());

    for (const QString& bad : {folder.file("missing.txt"), folder.path()}) {
        read = ReadTextFileLines(bad);
        EXPECT_FALSE(read.Ok) << bad.toStdString();
        EXPECT_FALSE(read.Error.isEmpty()) << bad.toStdString();
        EXPECT_TRUE(read.Lines.isEmpty());
    }
}

}  // namespace
