#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/memo_dropdown.h"
#include "platform/controls/memo.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

namespace {

class MemoDropDown : public DescendantFixture<TExMemoDropDown> {
protected:
    MemoDropDown() {
        dd->OnMemoChange = [this](TObject* sender) {
            EXPECT_EQ(sender, dd);
            ++memoChanges;
        };
    }
    void setLines(const QStringList& lines) {
        TStringList list;
        list.Assign(lines);
        dd->SetMemoText(list);
    }
    void typeInMemo(const QString& text) {
        for (QChar ch : text) typeChar(*dd->Memo(), ch);
    }
    int textWidth(const QString& text) {
        TBitmap measure(1, 1);
        measure.Canvas().Font.Assign(dd->Font());
        return GetTextSize(measure.Canvas(), text).cx;
    }
    int memoChanges = 0;
};

TEST_F(MemoDropDown, TheEditShowsTheFirstLineOrAllLinesWhileItCanBeTyped) {
    setLines({"abc", "def"});
    EXPECT_EQ(dd->EditText(), "abc\ndef");  // the edit can be typed into
    dd->SetEditorEnabled(false);
    setLines({"abc", "def"});
    EXPECT_EQ(dd->EditText(), "abc...");
    setLines({"abc"});
    EXPECT_EQ(dd->EditText(), "abc");

    // A first line wider than the edit: the longest start that fits with "...".
    const QString wide(60, u'W');
    setLines({wide, "x"});
    const QString shown = dd->EditText();
    ASSERT_TRUE(shown.endsWith("..."));
    const int kept = static_cast<int>(shown.size()) - 3;
    EXPECT_TRUE(wide.startsWith(shown.left(kept)));
    EXPECT_LT(textWidth(shown), 200 - dd->DropDownButtonWidth());
    EXPECT_GT(textWidth(shown), 150);  // it fills the edit
    EXPECT_EQ(memoChanges, 0);  // only changes made in the memo count
}

TEST_F(MemoDropDown, KeepsEveryLineTypedInTheMemoWhenItCloses) {
    dd->SetEditorEnabled(false);
    setLines({"first"});
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    TMemo& memo = *dd->Memo();
    EXPECT_EQ(dd->Control(), &memo);
    EXPECT_EQ(memo.Lines(), (QStringList{"first"}));
    memo.SetSelStart(5);
    // Enter makes a new line in the memo and does not close the pop-up.
    keyDown(memo, VK_RETURN);
    typeInMemo("\rsecond\rthird");
    keyUp(memo, VK_RETURN);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(memo.Lines(), (QStringList{"first", "second", "third"}));
    EXPECT_EQ(memoChanges, 13);

    // A click elsewhere closes it keeping the text, as Hide without cancel does.
    dd->HideDropDown(false);
    EXPECT_EQ(dd->MemoText().ToStringList(), (QStringList{"first", "second", "third"}));
    EXPECT_EQ(dd->EditText(), "first...");
    EXPECT_EQ(dd->SelStart(), 0);
    EXPECT_EQ(dd->SelLength(), 0);
}

TEST_F(MemoDropDown, EscapeRestoresTheTextItOpenedWith) {
    dd->SetEditorEnabled(false);
    setLines({"keep", "this"});
    dd->ShowDropDown();
    TMemo& memo = *dd->Memo();
    memo.SelectAll();
    typeInMemo("gone");
    EXPECT_EQ(memo.Text(), "gone");
    keyPress(memo, VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->MemoText().ToStringList(), (QStringList{"keep", "this"}));
    EXPECT_EQ(dd->EditText(), "keep...");
    // The next opening shows the kept lines again.
    dd->ShowDropDown();
    EXPECT_EQ(memo.Text(), "keep\nthis");
    dd->HideDropDown(true);
}

TEST_F(MemoDropDown, TypingInTheEditReplacesTheLines) {
    setLines({"a", "b"});
    dd->SetSelStart(0);
    dd->SetSelLength(static_cast<int>(dd->EditText().size()));
    typeChar(*dd, 'z');
    EXPECT_EQ(dd->MemoText().ToStringList(), (QStringList{"z"}));
}

TEST_F(MemoDropDown, SettingsReachTheMemoWhenItOpens) {
    dd->SetMemoReadOnly(true);
    dd->MemoScrollBars = ssVertical;
    dd->MaxLength = 12;
    dd->ShowDropDown();
    TMemo& memo = *dd->Memo();
    EXPECT_TRUE(memo.ReadOnly);
    EXPECT_EQ(memo.ScrollBars(), ssVertical);
    EXPECT_EQ(memo.MaxLength, 12);
    EXPECT_FALSE(popup().CancelOnDeActivate);
    typeInMemo("x");
    EXPECT_EQ(memo.Text(), "");
    dd->SetMemoReadOnly(false);
    EXPECT_FALSE(memo.ReadOnly);
    // Ctrl+A selects the whole memo.
    dd->SetMemoReadOnly(false);
    memo.SetText("all of it");
    keyPress(memo, 'A', ssCtrl);
    EXPECT_EQ(memo.SelLength(), 9);
    dd->HideDropDown(false);

    // AutoDrop opens the pop-up when the focus comes, but not when it comes back on closing.
    dd->AutoDrop = true;
    owner.SetFocus();
    dd->SetFocus();
    EXPECT_TRUE(dd->DroppedDown());
    dd->HideDropDown(false);
    EXPECT_FALSE(dd->DroppedDown());
}

}  // namespace
