#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/rich_edit.h"

namespace {

class RichTextCells : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        editor = new TRichEdit(grid);
    }
    TRichEdit* editor = nullptr;
};

TEST_F(RichTextCells, ACellWrittenFromTheEditorLoadsBackUnchanged) {
    grid->SetCells(1, 1, QStringLiteral("{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\f0 Gr\\'fc\\'dfe\\par \\{x\\} \\u8364? end}"));
    grid->CellToRich(1, 1, *editor);
    const QString text = QStringLiteral("Grüße\n{x} € end");
    EXPECT_EQ(editor->Text(), text);

    grid->RichToCell(2, 1, *editor);
    const QString stored = grid->Cells(2, 1);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("{\\rtf1")));
    for (const QChar c : stored) EXPECT_LT(c.unicode(), 0x80) << "rich text keeps to 7-bit characters";
    editor->SetText(QString());
    grid->CellToRich(2, 1, *editor);
    EXPECT_EQ(editor->Text(), text);
}

TEST_F(RichTextCells, AnEmptyCellClearsTheEditorAndPlainTextLoadsAsItIs) {
    editor->SetText(QStringLiteral("left over"));
    grid->SetCells(1, 2, QString());
    grid->CellToRich(1, 2, *editor);
    EXPECT_EQ(editor->Text(), QString());
    grid->SetCells(1, 2, QStringLiteral("plain"));
    grid->CellToRich(1, 2, *editor);
    EXPECT_EQ(editor->Text(), QStringLiteral("plain"));
}

}  // namespace
