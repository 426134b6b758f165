#include "platform/controls/rich_edit.h"

#include <gtest/gtest.h>

namespace {

TEST(RichEditText, RichTextReadsAsItsPlainText) {
    const struct {
        const char* Rtf;
        const char16_t* Plain;
    } cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Tahoma;}}{\colortbl;\red255\green0\blue0;}\f0\b Bold\b0  text\par second})",
         u"Bold text\nsecond"},
        {R"({\rtf1 a\tab b\line c\par})", u"a\tb\nc"},
        {R"({\rtf1 caf\'e9 \{x\} \\ end})", u"caf\u00e9 {x} \\ end"},
        {R"({\rtf1 {\*\generator Writer;}\u8364?uro})", u"\u20acuro"},
        {"plain", u"plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(TRichEdit::RTFToPlainText(QString::fromLatin1(c.Rtf)), QString::fromUtf16(c.Plain)) << c.Rtf;
}

} // namespace
