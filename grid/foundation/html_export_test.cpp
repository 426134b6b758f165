#include "grid/foundation/html_export.h"

#include "platform/system/clipboard.h"

#include <gtest/gtest.h>

namespace {

// The number after "Name:" in an HTML clipboard text's header.
int offset(const QString& text, const QString& name) {
    const qsizetype at = text.indexOf(name + u':') + name.size() + 1;
    return text.mid(at, 8).toInt();
}

TEST(HtmlExport, LineEndsAndColours) {
    EXPECT_EQ(CRToBR(QStringLiteral("a\r\nb\rc")), QStringLiteral("a<br>\nb<br>c"));
    EXPECT_EQ(CRToBR(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(ColorToHexRGB(RGB(0x12, 0x34, 0x56)), QStringLiteral("123456"));
    EXPECT_EQ(ColorToHexRGB(RGB(0xAB, 0x0C, 0xFF)), QStringLiteral("AB0CFF"));
    EXPECT_EQ(ColorToHexRGB(clBtnFace), QStringLiteral("0F0000"));  // not resolved
}

TEST(HtmlExport, ClipboardTextOffsetsPointAtTheDocumentAndTheFragment) {
    // Offsets count bytes of the UTF-8 form: "\u00e9" takes two, "\u20ac" three.
    for (const QString& fragment : {QString(), QStringLiteral("<b>0123</b>"), QStringLiteral("<td>\u00e9\u20ac</td>")}) {
        QString text = fragment;
        MakeHTMLClipboardText(text);
        const QByteArray bytes = text.toUtf8();
        const qsizetype length = fragment.toUtf8().size();
        EXPECT_EQ(offset(text, QStringLiteral("StartHTML")), 97);
        EXPECT_EQ(offset(text, QStringLiteral("StartFragment")), 269);
        EXPECT_EQ(offset(text, QStringLiteral("EndFragment")), 269 + length);
        EXPECT_EQ(offset(text, QStringLiteral("EndHTML")), 301 + length);
        EXPECT_EQ(bytes.size(), 301 + length);
        EXPECT_TRUE(text.startsWith(QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000")));
        EXPECT_TRUE(bytes.mid(97).startsWith("<!DOCTYPE HTML PUBLIC"));
        EXPECT_TRUE(bytes.mid(97).contains("charset=utf-8"));
        EXPECT_EQ(bytes.mid(269, length), fragment.toUtf8());
        EXPECT_TRUE(bytes.mid(269 - 20).startsWith("<!--StartFragment-->"));
        EXPECT_TRUE(text.endsWith(QStringLiteral("<!--EndFragment--></body></html>")));
    }
}

// A clipboard that keeps what it was given.
class KeptClipboard : public TClipboard {
public:
    KeptClipboard() { SetClipboard(this); }
    ~KeptClipboard() override { SetClipboard(nullptr); }
    void SetContent(const QString& t, const std::vector<TClipboardFormat>& f) override {
        text = t;
        formats = f;
    }
    QString AsText() override { return text; }
    QByteArray FormatData(const QString&) override { return {}; }
    QString text;
    std::vector<TClipboardFormat> formats;
};

TEST(HtmlExport, CellsGoToTheClipboardAsUtf8Html) {
    KeptClipboard clipboard;
    CopyHTMLToClipboard(QStringLiteral("<td>\u00e9\u20ac\u65e5</td>"), QStringLiteral("\u00e9\u20ac\u65e5"));
    EXPECT_EQ(clipboard.text, QStringLiteral("\u00e9\u20ac\u65e5"));
    ASSERT_EQ(clipboard.formats.size(), 1u);
    EXPECT_EQ(clipboard.formats[0].first, QStringLiteral("HTML Format"));
    const QByteArray& bytes = clipboard.formats[0].second;
    EXPECT_EQ(bytes.size(), 301 + 17);
    EXPECT_EQ(bytes.mid(269, 17), QByteArray("<td>\xc3\xa9\xe2\x82\xac\xe6\x97\xa5</td>"));
}

}  // namespace
