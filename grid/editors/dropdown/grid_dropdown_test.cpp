#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/grid_dropdown.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/inplace_edit.h"

namespace {

class GridDropDownTest : public DescendantFixture<TExGridDropDown> {
protected:
    GridDropDownTest() {
        for (const char* header : {"Name", "Colour"}) dd->Columns().Add().Header = header;
        for (const char* name : {"Apple", "Banana", "apricot", "Orange", "Mango"}) dd->Items().Add({name, "colour"});
        dd->EndUpdate();
        dd->OnSelect = [this](TObject*) { selects.push_back(dd->ItemIndex()); };
    }
    GridDropDown::TExColGrid& list() { return *dd->Grid(); }
    // Characters typed into the edit, each key going down and up.
    void type(const QString& text) {
        for (QChar ch : text) {
            keyDown(*dd, static_cast<uint16_t>(ch.toUpper().unicode()), 0, QString(ch));
            keyUp(*dd, static_cast<uint16_t>(ch.toUpper().unicode()));
        }
    }
    // A character typed into the open list.
    void typeInList(QChar ch) { list().OnKeyPress(&list(), ch); }
    std::vector<int> selects;
};

TEST_F(GridDropDownTest, TypingInTheEditLooksUpAndCompletesTheItem) {
    struct Case {
        bool inCase;
        QString typed;
        QString text;
        int index;
        int selStart;
    } cases[] = {
        {false, "ap", "Apple", 0, 2},
        {false, "AP", "Apple", 0, 2},
        {false, "man", "Mango", 4, 3},
        {true, "ap", "apricot", 2, 2},  // CaseSensitive and MatchCase
        {true, "Ap", "Apple", 0, 2},
        {false, "q", "q", -1, 1},       // no item: the text as typed
    };
    for (const Case& c : cases) {
        dd->CaseSensitive = dd->MatchCase = c.inCase;
        dd->SetItemIndex(-1);
        dd->Perform(CM_ENTER);  // a fresh lookup
        type(c.typed);
        const std::string label = c.typed.toStdString() + (c.inCase ? " in case" : "");
        EXPECT_EQ(dd->EditText(), c.text) << label;
        EXPECT_EQ(dd->ItemIndex(), c.index) << label;
        EXPECT_EQ(dd->SelStart(), c.selStart) << label;
        EXPECT_EQ(dd->SelLength(), c.text.size() - c.selStart) << label;
    }
    EXPECT_TRUE(selects.empty());

    // With AutoShowDropDown a typed letter opens the list on the row it found.
    dd->CaseSensitive = dd->MatchCase = false;
    dd->AutoShowDropDown = true;
    dd->SetItemIndex(-1);
    dd->Perform(CM_ENTER);
    type("o");
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(list().Row(), 4);
    EXPECT_EQ(dd->EditText(), "Orange");
}

TEST_F(GridDropDownTest, TypingInTheOpenListGoesToTheRowAndRestartsOnlyInAList) {
    struct Case {
        TDropDownStyle style;
        QString typed;
        int index;
        QString entry;
        QString text;
    } cases[] = {
        {dsDropDown, "b", 1, "b", "Banana"},
        {dsDropDown, "bx", 1, "", "Banana"},      // not found: the entry is dropped with the row kept
        {dsDropDown, "M", 4, "M", "Mango"},
        {dsDropDownList, "b", 1, "b", "Banana"},
        {dsDropDownList, "bx", 1, "", "Banana"},  // neither "bx" nor "x"
        {dsDropDownList, "bo", 3, "o", "Orange"}, // "bo" leads nowhere: from "o" alone
        {dsDropDownList, "apr", 2, "apr", "apricot"},
    };
    for (const Case& c : cases) {
        dd->SetStyle(c.style);
        dd->SetItemIndex(-1);
        dd->Perform(CM_ENTER);
        dd->ShowDropDown();
        for (QChar ch : c.typed) typeInList(ch);
        const std::string label = c.typed.toStdString() + (c.style == dsDropDownList ? " in a list" : "");
        EXPECT_EQ(dd->ItemIndex(), c.index) << label;
        EXPECT_EQ(dd->LookupEntry(), c.entry) << label;
        EXPECT_EQ(dd->EditText(), c.text) << label;
        EXPECT_EQ(list().Row(), c.index + 1) << label;
        dd->HideDropDown(false);
    }
    // Only the drop-down style selects the letters after the typed ones.
    dd->SetStyle(dsDropDown);
    dd->ShowDropDown();
    typeInList('a');
    EXPECT_EQ(dd->SelStart(), 1);
    EXPECT_EQ(dd->SelLength(), 4);
}

TEST_F(GridDropDownTest, NarrowingDownKeepsTheRowsContainingTheLetters) {
    dd->LookupMethod = lmNarrowDown;
    dd->ShowDropDown();
    typeInList('a');
    typeInList('N');
    // Banana, Orange and Mango contain "an" in some case; the header stays.
    ASSERT_EQ(list().RowCount(), 4);
    EXPECT_EQ(list().Cells(0, 0), "Name");
    EXPECT_EQ(list().Cells(0, 1), "Banana");
    EXPECT_EQ(list().Cells(0, 3), "Mango");
    EXPECT_EQ(list().Row(), 1);
    EXPECT_EQ(dd->EditText(), "Banana");
    EXPECT_EQ(dd->ItemIndex(), 1);
    // Choosing a filtered row takes its own item.
    keyPress(list(), VK_DOWN);
    keyPress(list(), VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), 3);
    EXPECT_EQ(dd->EditText(), "Orange");
    // Entering the control again shows every row.
    dd->Perform(CM_ENTER);
    EXPECT_EQ(list().RowCount(), 6);
}

TEST_F(GridDropDownTest, EnterClickAndEscapeInTheList) {
    dd->SetItemIndex(2);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    EXPECT_EQ(list().Row(), 3);
    // Enter at once keeps the row the list opened on.
    keyPress(list(), VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "apricot");
    EXPECT_EQ(selects, (std::vector<int>{2}));

    // Moving through the list writes each row; Escape puts back the item of the opening.
    dd->ShowDropDown();
    keyPress(list(), VK_DOWN);
    EXPECT_EQ(dd->ItemIndex(), 3);
    EXPECT_EQ(dd->EditText(), "Orange");
    keyPress(list(), VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "apricot");

    // The release of the left button over a data row takes it.
    dd->ShowDropDown();
    const TRect r = list().CellRect(1, 2);
    click(list(), r.Left + 4, r.Top + 4);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->EditText(), "Banana");
    EXPECT_EQ(selects, (std::vector<int>{2, 1}));

    // A wheel move changes neither the text nor the item until Enter takes the row.
    dd->ShowDropDown();
    const TPoint screen = list().ClientToScreen({r.Left + 4, r.Top + 4});
    DeliverMessage(list(), WM_MOUSEWHEEL, static_cast<uintptr_t>(static_cast<uint16_t>(-120)) << 16,
                   MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(list().Row(), 5);  // three rows a notch
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->EditText(), "Banana");
    keyPress(list(), VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), 4);
    EXPECT_EQ(dd->EditText(), "Mango");
}

TEST_F(GridDropDownTest, AnEditableListStaysOpenOnAChoice) {
    dd->GridEditable = true;
    dd->RowSelect = false;  // cells are edited one at a time
    dd->ShowDropDown();
    const TRect r = list().CellRect(0, 4);
    click(list(), r.Left + 4, r.Top + 4);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(selects, (std::vector<int>{3}));
    EXPECT_EQ(dd->EditText(), "Orange");

    // An Enter that reaches the edit while a cell is edited ends the edit and takes its row.
    keyPress(list(), VK_F2);
    ASSERT_TRUE(list().EditMode());
    ASSERT_NE(list().InplaceEditor(), nullptr);
    list().InplaceEditor()->SetText("Blood orange");
    dd->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(list().EditMode());
    EXPECT_EQ(dd->EditText(), "Blood orange");
    EXPECT_EQ(dd->ItemIndex(), 3);
}

TEST_F(GridDropDownTest, AHeaderClickSortKeepsTheChosenItem) {
    dd->Sorting = gsSingleColumn;
    dd->SetItemIndex(0);
    dd->ShowDropDown();
    const TRect header = list().CellRect(0, 0);
    click(list(), header.Left + 10, header.Top + 5);
    // Apple, Banana, Mango, Orange, apricot: each row still names its item.
    ASSERT_EQ(list().Cells(0, 3), "Mango");
    EXPECT_EQ(list().ItemOfRow(3), 4);
    EXPECT_EQ(list().ItemOfRow(5), 2);
    EXPECT_EQ(list().Row(), 1);
    EXPECT_EQ(dd->ItemIndex(), 0);
    // Sorted the other way, Apple is last, and still the current row.
    click(list(), header.Left + 10, header.Top + 5);
    ASSERT_EQ(list().Cells(0, 5), "Apple");
    EXPECT_EQ(list().Row(), 5);
    EXPECT_EQ(dd->ItemIndex(), 0);
    keyPress(list(), VK_UP);
    keyPress(list(), VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->EditText(), "Banana");
}

TEST_F(GridDropDownTest, WithoutItemsTheGridItselfIsTheList) {
    dd->UseItems = false;
    GridDropDown::TExColGrid& g = list();
    g.SetColCount(3);
    g.SetRowCount(4);
    const char* rows[][3] = {{"Code", "Name", "Size"}, {"A1", "Alpha", "1"}, {"B2", "Beta", "2"}, {"B3", "Bravo", "3"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) g.SetCells(c, r, rows[r][c]);
    dd->LookupColumn = 1;
    QString full;
    int row = 0;
    EXPECT_TRUE(dd->LookupText("br", full, row));
    EXPECT_EQ(full, "Bravo");
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(dd->LookupText("c", full, row));
    EXPECT_EQ(row, -1);
    dd->SetItemIndex(1);
    EXPECT_EQ(dd->EditText(), "Beta");
    dd->SetItemIndex(7);  // past the rows: ignored
    EXPECT_EQ(dd->ItemIndex(), 1);

    dd->SetText("Alpha");
    dd->ShowDropDown();
    EXPECT_EQ(g.Row(), 1);  // the row of the edit's text
    EXPECT_EQ(dd->Columns().Count(), 3);  // columns follow the grid's
    keyPress(g, VK_DOWN);
    keyPress(g, VK_DOWN);
    keyPress(g, VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "Bravo");
}

TEST_F(GridDropDownTest, ThePopUpTakesWholeRowsAndTheStyles) {
    dd->DropDownHeader().SetVisible(false);
    dd->DropDownFooter().SetVisible(false);
    dd->ShowDropDown();
    // 200 asked: 25 + 2 for the list's header, 7 rows of 22 and 4 more.
    EXPECT_EQ(popup().Height(), 185);
    EXPECT_EQ(list().RowHeights(0), 25);
    EXPECT_EQ(list().RowHeights(1), 22);
    dd->HideDropDown(true);
    dd->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(dd->HeaderColor, 0xD68759);
    EXPECT_EQ(dd->HeaderFont().Color(), clWhite);
    EXPECT_EQ(dd->LineColor, 0x962D00);
    // The Office 2010 family changes nothing of the grid drop-down's own colours.
    dd->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(dd->HeaderColor, 0xD68759);
}

}  // namespace

namespace {

// Lists without items or columns open, take keys and close.
TEST_F(GridDropDownTest, EmptyListsOpenAndClose) {
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
    keyPress(list(), VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    keyPress(*dd, VK_DOWN);
    EXPECT_EQ(dd->ItemIndex(), -1);
}

}  // namespace

namespace {

// A descendant that acts on list events itself, through the forwarders it overrides.
class WatchingGridDropDown : public TExGridDropDown {
public:
    using TExGridDropDown::TExGridDropDown;
    QStringList seen;

protected:
    void DoRowMoved(TObject* Sender, int FromIndex, int ToIndex) override {
        seen << QString("moved %1>%2").arg(FromIndex).arg(ToIndex);
        TExGridDropDown::DoRowMoved(Sender, FromIndex, ToIndex);
    }
    void DoGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value) override {
        if (ARow > 0 && ACol == 1) Value = Value.toUpper();
        TExGridDropDown::DoGetDisplText(Sender, ACol, ARow, Value);
    }
};

class GridDropDownDescendant : public DescendantFixture<WatchingGridDropDown> {
protected:
    GridDropDownDescendant() {
        for (const char* header : {"Name", "Colour"}) dd->Columns().Add().Header = header;
        for (const char* name : {"Apple", "Banana", "Mango"}) dd->Items().Add({name, "colour"});
        dd->EndUpdate();
    }
};

TEST_F(GridDropDownDescendant, OverriddenForwardersSeeTheListsEventsBeforeTheApplication) {
    QStringList events;
    dd->OnGridRowMoved = [&](TObject* Sender, int FromIndex, int ToIndex) {
        EXPECT_EQ(Sender, dd->Grid());
        events << QString("moved %1>%2").arg(FromIndex).arg(ToIndex);
    };
    dd->RowMoving = true;
    dd->ShowDropDown();
    dd->Grid()->MoveRow(1, 3);
    EXPECT_EQ(dd->seen, QStringList({"moved 1>3"}));
    EXPECT_EQ(events, QStringList({"moved 1>3"}));
    EXPECT_EQ(dd->Grid()->Cells(0, 3), "Apple");
    // The descendant's display text reaches the painted list.
    QString shown = dd->Grid()->Cells(1, 1);
    dd->Grid()->OnGetDisplText(dd->Grid(), 1, 1, shown);
    EXPECT_EQ(shown, "COLOUR");
    dd->HideDropDown(true);
}

}  // namespace
