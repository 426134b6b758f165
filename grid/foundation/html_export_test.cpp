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
    for (const QString& fragment : {QString(), QStringLiteral("<b>0123</b>"), QStringLiteral("<td>\u00e9\u20ac</td>")}) {
        QString text = fragment;
        MakeHTMLClipboardText(text);
        EXPECT_EQ(offset(text, QStringLiteral("StartHTML")), 97);
        EXPECT_EQ(offset(text, QStringLiteral("StartFragment")), 274);
        EXPECT_EQ(offset(text, QStringLiteral("EndFragment")), 274 + fragment.size());
        EXPECT_EQ(offset(text, QStringLiteral("EndHTML")), 306 + fragment.size());
        EXPECT_EQ(text.size(), 306 + fragment.size());
        EXPECT_TRUE(text.startsWith(QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000")));
        EXPECT_TRUE(text.mid(97).startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC")));
        EXPECT_EQ(text.mid(274, fragment.size()), fragment);
        EXPECT_TRUE(text.mid(274 - 20).startsWith(QStringLiteral("<!--StartFragment-->")));
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

TEST(HtmlExport, CellsGoToTheClipboardAsSingleByteHtml) {
    KeptClipboard clipboard;
    CopyHTMLToClipboard(QStringLiteral("<td>\u00e9\u20ac</td>"), QStringLiteral("\u00e9\u20ac"));
    EXPECT_EQ(clipboard.text, QStringLiteral("\u00e9\u20ac"));
    ASSERT_EQ(clipboard.formats.size(), 1u);
    EXPECT_EQ(clipboard.formats[0].first, QStringLiteral("HTML Format"));
    const QByteArray& bytes = clipboard.formats[0].second;
    EXPECT_EQ(bytes.size(), 306 + 11);
    EXPECT_EQ(bytes.mid(274, 11), QByteArray("<td>\xe9?</td>"));
}

}  // namespace
