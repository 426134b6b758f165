#include "platform/controls/mask_edit.h"

#include "platform/system/clipboard.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class MaskEditTest : public ::testing::Test {
protected:
    MaskEditTest() {
        edit = new TCustomMaskEdit(&form);
        edit->SetParent(&form);
        edit->OnChange = [this](TObject*) { changes << edit->Text(); };
    }
    TForm form{nullptr};
    TCustomMaskEdit* edit;
    QStringList changes;
};

TEST_F(MaskEditTest, TheCaretKeysMoveAndSelectAndDeleteRemoves) {
    edit->SetText("abcd");
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 4);  // selected on entry
    keyPress(*edit, VK_HOME);
    keyPress(*edit, VK_RIGHT);
    keyPress(*edit, VK_RIGHT, ssShift);
    keyPress(*edit, VK_RIGHT, ssShift);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelText(), "bc");
    keyPress(*edit, VK_DELETE);
    EXPECT_EQ(edit->Text(), "ad");
    keyPress(*edit, VK_DELETE);
    keyPress(*edit, VK_END);
    keyPress(*edit, VK_DELETE);  // nothing after the caret
    typeChar(*edit, 'x');
    EXPECT_EQ(changes, (QStringList{"ad", "a", "ax"}));
}

TEST_F(MaskEditTest, CutAndPasteGoThroughTheClipboardAndPasteOneLine) {
    edit->SetText("12345");
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    keyPress(*edit, 'X', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "23");
    EXPECT_EQ(edit->Text(), "145");
    Clipboard().SetContent("ab\ncd", {});
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "1ab45");
    edit->ReadOnly = true;
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "1ab45");
}

TEST_F(MaskEditTest, TheFormattingRectangleIsSetAndReadAndTheTextStaysInIt) {
    edit->SetBounds(0, 0, 100, 21);
    TRect r;
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    EXPECT_EQ(r, (TRect{1, 1, 95, 17}));
    const TRect narrow{1, 1, 38, 17};
    edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&narrow));
    edit->SetText("WWWWWWWWWWWWWWWWWW");
    edit->SetColor(clWhite);
    edit->Font().SetColor(clBlack);
    const QImage image = renderToImage(*edit);
    int outside = 0;
    for (int y = 3; y < 19; ++y)
        for (int x = 41; x < 97; ++x) outside += image.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_EQ(outside, 0);
}

}  // namespace
