#include "platform/system/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(SystemClipboard, KeepsTextAndRegisteredFormatsAndOffersHtml) {
    const QByteArray document = "<html><body>x &amp; \xc3\xa9 \xe2\x82\xac</body></html>";
    QByteArray html = "Version:1.0\r\nStartHTML:00000050\r\nEndHTML:00000000\r\n";
    html.resize(50, ' ');
    html += document;
    html.replace("EndHTML:00000000", QByteArray("EndHTML:") + QByteArray::number(html.size()).rightJustified(8, '0'));

    Clipboard().SetContent(QStringLiteral("x & \u00e9"), {{CF_HTML_FORMAT, html}, {QStringLiteral("Other"), "123"}});
    EXPECT_EQ(Clipboard().AsText(), QStringLiteral("x & \u00e9"));
    EXPECT_EQ(Clipboard().FormatData(CF_HTML_FORMAT), html);
    EXPECT_EQ(Clipboard().FormatData(QStringLiteral("Other")), QByteArray("123"));
    EXPECT_TRUE(Clipboard().FormatData(QStringLiteral("Missing")).isEmpty());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->html(), QString::fromUtf8(document));

    Clipboard().SetContent(QStringLiteral("plain"), {});
    EXPECT_EQ(Clipboard().AsText(), QStringLiteral("plain"));
    EXPECT_TRUE(Clipboard().FormatData(CF_HTML_FORMAT).isEmpty());
}

TEST(SystemClipboard, AnHtmlTextWithBrokenOffsetsIsKeptButNotOfferedAsHtml) {
    Clipboard().SetContent(QStringLiteral("t"), {{CF_HTML_FORMAT, "Version:1.0\r\nStartHTML:00000900\r\nEndHTML:x\r\n"}});
    EXPECT_FALSE(Clipboard().FormatData(CF_HTML_FORMAT).isEmpty());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

}  // namespace
