#include "grid/editors/dropdown/column_list_sizing.h"
#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/multi_column_dropdown.h"

#include <QImage>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

class MultiColumnDropDown : public DescendantFixture<TExMultiColumnDropDown> {
protected:
    MultiColumnDropDown() {
        for (const char* header : {"Name", "Colour"}) dd->Columns().Add().Header = header;
        dd->Items().Add({"Apple", "red"});
        dd->Items().Add({"Banana", "yellow"});
        dd->Items().Add({"apricot", "orange"});
        dd->EndUpdate();
        dd->OnSelect = [this](TObject*) { selects.push_back(dd->ItemIndex()); };
    }
    // Characters typed into the edit, each key going down and up.
    void type(const QString& text) {
        for (QChar ch : text) {
            keyDown(*dd, static_cast<uint16_t>(ch.toUpper().unicode()), 0, QString(ch));
            keyUp(*dd, static_cast<uint16_t>(ch.toUpper().unicode()));
        }
    }
    MultiColumnList::TExColGrid& list() { return *dd->ListGrid(); }
    std::vector<int> selects;
};

TEST_F(MultiColumnDropDown, TypingInTheEditCompletesFromTheLookupColumn) {
    struct Case {
        bool matchCase;
        QString typed;
        QString text;
        int index;
        int selStart;
    } cases[] = {
        {false, "ap", "Apple", 0, 2},   // Apple comes before apricot
        {false, "AP", "Apple", 0, 2},
        {false, "b", "Banana", 1, 1},
        {true, "ap", "apricot", 2, 2},  // in its case only apricot starts with "ap"
        {true, "Ap", "Apple", 0, 2},
        {false, "x", "x", -1, 1},       // nothing starts with it: the text as typed
        {false, "apx", "Apx", 0, 3},    // the last completion still names its item
    };
    for (const Case& c : cases) {
        dd->MatchCase = c.matchCase;
        dd->SetItemIndex(-1);
        type(c.typed);
        const std::string label = c.typed.toStdString() + (c.matchCase ? " in case" : "");
        EXPECT_EQ(dd->EditText(), c.text) << label;
        EXPECT_EQ(dd->ItemIndex(), c.index) << label;
        EXPECT_EQ(dd->SelStart(), c.selStart) << label;
        EXPECT_EQ(dd->SelLength(), c.text.size() - c.selStart) << label;
    }
    EXPECT_TRUE(selects.empty());
    EXPECT_EQ(dd->GetItemIndex("Banana"), 1);
    EXPECT_EQ(dd->GetItemIndex("banana"), -1);
}

TEST_F(MultiColumnDropDown, TypingInTheOpenListGoesToTheFirstRowStartingWithTheLetters) {
    for (int i = 0; i < 20; ++i) dd->Items().Add({QString("Cherry %1").arg(i, 2, 10, QChar('0')), "red"});
    dd->ShowDropDown();
    struct Case {
        QChar ch;
        int index;  // -1: unchanged
        QString entry;
        QString text;
    } cases[] = {
        {'b', 1, "b", "Banana"},
        {'x', 1, "", "Banana"},                // neither "bx" nor "x": the entry is dropped
        {'C', 3, "C", "Cherry 00"},
        {'h', 3, "Ch", "Cherry 00"},
        {'A', 0, "A", "Apple"},                // "ChA" leads nowhere: from "A" alone
        {'p', 0, "Ap", "Apple"},
        {'r', 2, "Apr", "apricot"},            // without case
        {'\b', 2, "", "Ap"},                   // Backspace takes the last letter back and ends the lookup
    };
    for (const Case& c : cases) {
        QChar ch = c.ch;
        dd->ListGrid()->OnKeyPress(dd->ListGrid(), ch);
        const std::string label(1, static_cast<char>(c.ch.unicode()));
        EXPECT_EQ(dd->ItemIndex(), c.index) << label;
        EXPECT_EQ(dd->LookupEntry(), c.entry) << label;
        EXPECT_EQ(dd->EditText(), c.text) << label;
        if (c.ch != '\b') {
            EXPECT_EQ(list().Row(), c.index + 1) << label;
        }
    }
    // A row far down is scrolled into view.
    QChar ch = 'C';
    dd->ListGrid()->OnKeyPress(dd->ListGrid(), ch);
    for (QChar c : QString("herry 19")) dd->ListGrid()->OnKeyPress(dd->ListGrid(), c);
    EXPECT_EQ(dd->ItemIndex(), 22);
    EXPECT_EQ(list().Row(), 23);
    EXPECT_LE(list().TopRow(), 23);
    EXPECT_GE(list().TopRow() + list().VisibleRowCount(), 24);
    EXPECT_EQ(dd->SelStart(), 9);  // the typed letters, the rest selected
    EXPECT_EQ(dd->SelLength(), 0);
}

TEST_F(MultiColumnDropDown, EnterAndClickChooseARowAndEscapeChangesNothing) {
    dd->SetItemIndex(0);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    EXPECT_EQ(list().Row(), 1);
    // Down moves through the list and writes each row's text; Escape puts the opening back.
    keyPress(list(), VK_DOWN);
    keyPress(list(), VK_DOWN);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "apricot");
    keyPress(list(), VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 0);
    EXPECT_EQ(dd->EditText(), "Apple");
    EXPECT_TRUE(selects.empty());

    dd->ShowDropDown();
    keyPress(list(), VK_DOWN);
    keyPress(list(), VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->EditText(), "Banana");
    EXPECT_EQ(selects, (std::vector<int>{1}));

    dd->ShowDropDown();
    EXPECT_EQ(list().Row(), 2);
    const TRect r = list().GetCellRect(1, 3);
    click(list(), r.Left + 5, r.Top + 5);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "apricot");
    EXPECT_EQ(selects, (std::vector<int>{1, 2}));

    // The release of the right button over a data row closes the list on its current row.
    dd->ShowDropDown();
    const TRect r0 = list().GetCellRect(0, 1);
    mouseMessage(list(), WM_RBUTTONDOWN, r0.Left + 5, r0.Top + 5, MK_RBUTTON);
    mouseMessage(list(), WM_RBUTTONUP, r0.Left + 5, r0.Top + 5);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);

    // The wheel moves the list's row without choosing it; Enter takes it.
    dd->ShowDropDown();
    const TPoint screen = list().ClientToScreen({r0.Left + 5, r0.Top + 5});
    DeliverMessage(list(), WM_MOUSEWHEEL, static_cast<uintptr_t>(120) << 16, MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(list().Row(), 2);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "apricot");
    keyPress(list(), VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(selects, (std::vector<int>{1, 2, 2, 1}));

    // A click on the header chooses nothing.
    dd->ShowDropDown();
    click(list(), 5, 5);
    EXPECT_TRUE(dd->DroppedDown());
    dd->HideDropDown(true);
    EXPECT_EQ(dd->ItemIndex(), 1);
}

TEST_F(MultiColumnDropDown, EscapeKeepsATypedTextThatNamesNoItem) {
    type("x");
    dd->ShowDropDown();
    EXPECT_EQ(list().Row(), 1);
    keyPress(list(), VK_DOWN);
    EXPECT_EQ(dd->EditText(), "Banana");
    keyPress(list(), VK_ESCAPE);
    EXPECT_EQ(dd->ItemIndex(), -1);
    EXPECT_EQ(dd->EditText(), "x");
}

TEST_F(MultiColumnDropDown, TheClosedEditStepsThroughTheItems) {
    for (int i = 3; i < 12; ++i) dd->Items().Add({QString("Item %1").arg(i)});
    struct Case {
        int from;
        uint16_t key;
        int to;
    } cases[] = {
        {5, VK_NEXT, 11}, {5, VK_PRIOR, 0}, {0, VK_NEXT, 10}, {-1, VK_NEXT, 0},
        {-1, VK_DOWN, 0}, {0, VK_UP, 0},    {11, VK_DOWN, 11}, {4, VK_UP, 3},
    };
    for (const Case& c : cases) {
        dd->SetItemIndex(c.from);
        keyPress(*dd, c.key);
        EXPECT_EQ(dd->ItemIndex(), c.to) << c.from << " " << c.key;
    }
    // Home and End choose only where the edit takes no typing.
    dd->SetItemIndex(5);
    keyPress(*dd, VK_END);
    EXPECT_EQ(dd->ItemIndex(), 5);
    dd->SetEditorEnabled(false);
    keyPress(*dd, VK_END);
    EXPECT_EQ(dd->ItemIndex(), 11);
    keyPress(*dd, VK_HOME);
    EXPECT_EQ(dd->ItemIndex(), 0);
    EXPECT_EQ(dd->EditText(), "Apple");
}

TEST(ColumnListLookup, ComparesStartsUpperCasedAsTheWholeTextWould) {
    struct Case {
        QString text, key;
        bool starts;
    } cases[] = {
        {"apple", "AP", true},     {"Apple", "APPLE", true},  {"ab", "ABC", false}, {"abc", "ABD", false},
        {"Straße", "STRASS", true},  // one letter becomes two
        {"ßx", "SSX", true},         {"ıi", "II", true},        // a letter outside ASCII becomes I
        {"Äpfel", "ÄP", true},     {"äpfel", "AP", false},    {"", "A", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartsWithUpper(c.text, c.key), c.starts) << c.text.toStdString() << " " << c.key.toStdString();
    TDropDownItems items;
    items.Add({"Pear"});
    items.Add({"x", "apple"});
    items.Add({"y", "Apricot"});
    EXPECT_EQ(items.IndexStartingWith(1, "ap", false), 1);
    EXPECT_EQ(items.IndexStartingWith(1, "Ap", true), 2);
    EXPECT_EQ(items.IndexStartingWith(1, "", false), -1);  // an empty start matches nothing
    EXPECT_EQ(items.IndexStartingWith(2, "a", false), -1); // no item has a third line
}

TEST(ColumnListSizing, FitsHeightsToRowsAndStretchesWidthsInProportion) {
    EXPECT_EQ(FitHeightToRows(200, 27, 22, 0), 181);
    EXPECT_EQ(FitHeightToRows(200, 27, 22, 4), 185);
    EXPECT_EQ(ProportionalWidths({10, 10, 10, 10, 10}, 63), (std::vector<int>{12, 12, 13, 12, 12}));
    EXPECT_EQ(ProportionalWidths({80, 80, 80}, 300), (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(ProportionalWidths({}, 300), std::vector<int>{});
}

TEST_F(MultiColumnDropDown, ThePopUpTakesWholeRowsAndTheColumnsTheirWidths) {
    dd->Columns()[0].Width = 60;
    dd->Columns()[1].Width = 100;
    // An automatic column takes the width of its longest text.
    dd->Columns()[1].AutoSize = true;
    dd->Items()[2].Text[1] = "a much longer colour name";
    dd->ColumnSizeWithDropDown = false;
    dd->DropDownHeader().SetVisible(false);
    dd->DropDownFooter().SetVisible(false);
    dd->ShowDropDown();
    // 200 asked: 25 + 2 for the list's header, 7 rows of 22.
    EXPECT_EQ(popup().Height(), 181);
    EXPECT_EQ(list().ColCount(), 2);
    EXPECT_EQ(list().ColWidths(0), 60);
    const int wide = list().ColWidths(1);
    EXPECT_GT(wide, 100);
    EXPECT_EQ(dd->Columns()[1].Width, wide);
    EXPECT_EQ(list().RowHeights(0), 25);
    EXPECT_EQ(list().RowHeights(1), 22);
    // The pop-up is as wide as the columns; all rows show, so no room for a scroll bar.
    EXPECT_EQ(popup().Width(), 60 + wide + 2);
    dd->HideDropDown(true);

    // With ColumnSizeWithDropDown the columns share the pop-up's width as their widths do.
    dd->Columns()[1].AutoSize = false;
    dd->Columns()[1].Width = 120;
    dd->ColumnSizeWithDropDown = true;
    dd->DropDownAutoWidth = false;
    dd->SetDropDownWidth(362);
    dd->ShowDropDown();
    EXPECT_EQ(popup().Width(), 362);
    // The list is 360 wide inside the pop-up's border: 60 and 120 of 181 of it.
    EXPECT_EQ(list().Width(), 360);
    EXPECT_EQ(list().ColWidths(0), 119);
    EXPECT_EQ(list().ColWidths(1), 239);
    EXPECT_EQ(list().LeftCol(), 0);
}

TEST_F(MultiColumnDropDown, TheStripsTakeTheirRoomFromTheRows) {
    dd->DropDownHeader().Height = 30;
    dd->DropDownFooter().SetVisible(false);
    dd->ShowDropDown();
    EXPECT_EQ(popup().Height(), 30 + 27 + 6 * 22);
}

TEST_F(MultiColumnDropDown, PaintsHeadersRowsAndTheSelectionInTheStyleColours) {
    dd->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(dd->HeaderColorTo, clNone);
    EXPECT_EQ(dd->SelectionColor, 0x6CD0FF);
    dd->Columns()[1].Color = 0xE0F0E0;
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    const QImage image = renderToImage(list());
    const TRect header = list().GetCellRect(0, 0), plain = list().GetCellRect(1, 1), chosen = list().GetCellRect(1, 2);
    EXPECT_EQ(pixelAt(image, header.Right - 5, header.Top + 3), 0xEDDBCD);       // a plain header fill
    EXPECT_EQ(pixelAt(image, header.Right - 5, header.Bottom - 3), 0xEDDBCD);
    EXPECT_EQ(pixelAt(image, plain.Right - 5, plain.Top + 5), 0xE0F0E0);         // the column's colour
    EXPECT_EQ(pixelAt(image, chosen.Right - 5, chosen.Top + 5), 0x6CD0FF);       // the chosen row
    EXPECT_EQ(pixelAt(image, plain.Right - 5, plain.Bottom - 1), dd->LineColor);  // its line below
    // Header and item texts come from the columns and items.
    EXPECT_GT(paintedAround(image, 0xEDDBCD, {header.Left + 2, header.Top + 2, header.Left + 40, header.Bottom - 2}).first, 0);
}

TEST_F(MultiColumnDropDown, WrappedColumnsMakeTallRowsAndEllipsisCutsLongTexts) {
    dd->Columns()[0].Width = 50;
    dd->Columns()[0].Wordwrap = true;
    dd->Items()[1].Text[0] = "Banana with a long wrapped name";
    dd->ColumnSizeWithDropDown = false;
    dd->ShowDropDown();
    EXPECT_EQ(list().RowHeights(1), 24);  // one line: at least 24
    EXPECT_GT(list().RowHeights(2), 3 * 14);
    dd->HideDropDown(true);

    // An ellipsis keeps a long text within its cell: nothing reaches the last pixels.
    dd->Columns()[0].Wordwrap = false;
    dd->Columns()[0].Ellipsis = true;
    dd->ShowDropDown();
    const QImage image = renderToImage(list());
    const TRect cell = list().GetCellRect(0, 2);
    EXPECT_EQ(paintedAround(image, clWhite, {cell.Right - 2, cell.Top + 1, cell.Right - 1, cell.Bottom - 2}).first, 0);
    EXPECT_GT(paintedAround(image, clWhite, {cell.Left + 2, cell.Top + 1, cell.Right - 2, cell.Bottom - 2}).first, 0);
}

}  // namespace

namespace {

TEST_F(MultiColumnDropDown, EmptyListsOpenAndClose) {
    dd->Items().clear();
    dd->ShowDropDown();
    EXPECT_TRUE(dd->DroppedDown());
    QChar ch = 'a';
    list().OnKeyPress(&list(), ch);
    keyPress(list(), VK_DOWN);
    keyPress(list(), VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), -1);
    dd->Columns().clear();
    dd->ShowDropDown();
    (void)renderToImage(list());
    keyPress(list(), VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
}

}  // namespace
