#include "grid/foundation/html_controls.h"
#include "grid/stringgrid/input/html_control_editors.h"
#include "grid/stringgrid/input/input_fixture.h"
#include "platform/controls/edit.h"
#include "platform/controls/shell_execute.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"

namespace {

QRect toQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

QString control(const char* type, const char* id, const char* value, const char* width = "80") {
    return QStringLiteral("<CONTROL TYPE=\"%1\" ID=\"%2\" VALUE=\"%3\" WIDTH=\"%4\">")
        .arg(type, id, value, width);
}

// Column 2 is wide and the rows tall enough for one line of links or controls; addresses the
// grid asks the desktop to open are written to the log.
class HTMLCells : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        // A shown window, so that the grid can take the focus back from the editors.
        form->Show();
        grid->SetFocus();
        grid->SetColWidths(2, 300);
        grid->SetDefaultRowHeight(30);
        SetUrlOpener([this](const QString& url) {
            note("open " + url);
            return true;
        });
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("ClickCell %1,%2").arg(ACol).arg(ARow)); };
        grid->OnAnchorClick = [this](TObject*, int ARow, int ACol, QString Anchor, bool& AutoHandle) {
            note(QStringLiteral("AnchorClick %1,%2 %3").arg(ACol).arg(ARow).arg(Anchor));
            AutoHandle = handleAnchors;
        };
        grid->OnControlClick = [this](TObject*, int ARow, int ACol, QString ID, QString Type, QString Value) {
            note(QStringLiteral("ControlClick %1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(ID, Type, Value));
        };
        grid->OnControlEditDone = [this](TObject*, int ARow, int ACol, QString ID, QString Type, QString Value) {
            note(QStringLiteral("EditDone %1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(ID, Type, Value));
        };
    }
    void TearDown() override {
        SetUrlOpener({});
        InputFixture::TearDown();
    }
    // A point Dx pixels into the text of cell (2, ARow), 10 pixels below its top.
    TPoint inText(int ARow, int Dx = 6) const {
        const TRect r = grid->CellRect(2, ARow);
        return {r.Left + 2 + Dx, r.Top + 10};
    }
    void clickText(int ARow, int Dx = 6) {
        const TPoint p = inText(ARow, Dx);
        click(*grid, p.X, p.Y);
    }
    void moveOver(int ARow, int Dx) {
        const TPoint p = inText(ARow, Dx);
        mouseMove(*grid, p.X, p.Y);
    }
    QString value(int ARow, const QString& ID) const {
        QString v;
        GetHTMLControlValue(grid->Cells(2, ARow), ID, v);
        return v;
    }

    bool handleAnchors = true;
};

TEST_F(HTMLCells, APressOnAnAnchorReportsItAndOpensIt) {
    grid->SetCells(2, 3, "<A HREF=\"http://example.test/a\">link</A> and more text");
    clickText(3);
    EXPECT_EQ(log, (QStringList{"AnchorClick 2,3 http://example.test/a", "open http://example.test/a"}));
    EXPECT_EQ(cell(), "1,1") << "a followed link leaves the current cell";

    log.clear();
    handleAnchors = false;
    clickText(3);
    EXPECT_EQ(log, (QStringList{"AnchorClick 2,3 http://example.test/a", "ClickCell 2,3"}))
        << "an anchor the handler keeps is a plain press";
    EXPECT_EQ(cell(), "2,3");

    log.clear();
    clickText(3, 250);
    EXPECT_EQ(log, QStringList{"ClickCell 2,3"}) << "beside the anchor";
}

TEST_F(HTMLCells, APlainAddressOpensOnlyWithURLShow) {
    grid->SetCells(2, 4, "http://example.test/b");
    clickText(4, 200);
    EXPECT_EQ(log, QStringList{"ClickCell 2,4"});

    log.clear();
    grid->SetURLShow(true);
    clickText(4, 200);
    EXPECT_EQ(log, (QStringList{"AnchorClick 2,4 http://example.test/b", "open http://example.test/b"}));
}

TEST_F(HTMLCells, ACellAnchorMovesToTheCellItNames) {
    const struct {
        const char* anchor;
        const char* current;
    } cases[] = {
        {"cell://R5C3", "3,5"},
        {"CELL://r2c1", "1,2"},
        {"CELL://nonsense", "1,1"},
        {"CELL://R99C1", "1,1"},   // beyond the rows
    };
    for (const auto& c : cases) {
        grid->FocusCell(1, 1);
        log.clear();
        grid->SetCells(2, 3, QStringLiteral("<A HREF=\"%1\">go</A>").arg(c.anchor));
        clickText(3);
        EXPECT_EQ(cell(), c.current) << c.anchor;
        EXPECT_EQ(log, QStringList{QStringLiteral("AnchorClick 2,3 %1").arg(c.anchor)}) << "nothing is opened";
    }
}

TEST_F(HTMLCells, CheckAndRadioControlsChangeOnAPressInAnEditableGrid) {
    grid->SetCells(2, 2, control("CHECK", "c", "FALSE", "16"));
    grid->SetCells(2, 3, control("RADIO", "r1", "TRUE", "16") + control("RADIO", "r2", "FALSE", "16"));

    clickText(2);
    EXPECT_EQ(value(2, "c"), "FALSE") << "without editing the control stays";
    EXPECT_EQ(log, QStringList{"ClickCell 2,2"}) << "and its mark is no address to open";
    EXPECT_EQ(cell(), "2,2");

    grid->SetOptions(grid->Options() | goEditing);
    log.clear();
    clickText(2);
    EXPECT_EQ(value(2, "c"), "TRUE");
    EXPECT_EQ(log, (QStringList{"ClickCell 2,2", "ControlClick 2,2 c CHECK FALSE"}));
    clickText(2);
    EXPECT_EQ(value(2, "c"), "FALSE");

    clickText(3, 16 + 6);
    EXPECT_EQ(value(3, "r1"), "FALSE");
    EXPECT_EQ(value(3, "r2"), "TRUE");

    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    clickText(2);
    EXPECT_EQ(value(2, "c"), "FALSE") << "OnCanEditCell refuses";
}

TEST_F(HTMLCells, AButtonControlIsReportedOnThePress) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, control("BUTTON", "b", "Go", "50"));
    const TPoint p = inText(2);
    mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON);
    EXPECT_TRUE(grid->Private().FCtrlDown);
    EXPECT_EQ(log, (QStringList{"ClickCell 2,2", "ControlClick 2,2 b BUTTON Go"}));
    mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y);
    EXPECT_FALSE(grid->Private().FCtrlDown);
}

TEST_F(HTMLCells, AnEditControlOpensABoxThatWritesItsValueBack) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, "Name " + control("EDIT", "e", "ab") + control("PASSWORD", "pw", "") + control("CHECK", "c", "FALSE", "16") +
                             control("EDIT", "f", "x"));
    const int name = grid->Canvas().TextWidth("Name ");
    clickText(2, name + 20);
    TControlEdit* edit = grid->ControlEdit();
    ASSERT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(edit->Parent(), grid);

    typeChar(*edit, 'c');
    typeChar(*edit, '\t');
    EXPECT_EQ(value(2, "e"), "c") << "the focus selected the value, typing replaced it";
    EXPECT_TRUE(log.contains("EditDone 2,2 e EDIT c"));
    ASSERT_TRUE(edit->Visible()) << "Tab goes on to the password box, past nothing else";
    EXPECT_EQ(edit->PasswordChar(), QChar('*'));

    typeChar(*edit, 's');
    typeChar(*edit, '\t');
    EXPECT_EQ(value(2, "pw"), "s");
    EXPECT_EQ(edit->Text(), "x") << "the check box is skipped";
    typeChar(*edit, '\r');
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(FocusedControl(), grid);
    EXPECT_EQ(value(2, "f"), "x");
}

TEST_F(HTMLCells, EnterOrF2OpensTheCellsFirstFormControl) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, "Name " + control("CHECK", "c", "FALSE", "16") + control("EDIT", "e", "ab") +
                             control("EDIT", "f", "x"));
    for (uint16_t key : {VK_RETURN, VK_F2}) {
        grid->SetFocus();
        grid->SetCol(2);
        grid->SetRow(2);
        keyPress(*grid, key);
        TControlEdit* edit = grid->ControlEdit();
        ASSERT_TRUE(edit->Visible()) << key;
        EXPECT_TRUE(edit->Focused()) << key;
        EXPECT_EQ(edit->Text(), "ab") << key << ": the check box is no edit stop";
        EXPECT_FALSE(grid->EditMode()) << key << ": no text edit of the markup";
        typeChar(*edit, '\r');
        EXPECT_FALSE(edit->Visible());
    }
}

TEST_F(HTMLCells, TabWithAdvanceAutoLeavesTheCellInsteadOfGoingToItsNextControl) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation().SetAdvanceAuto(true);
    grid->SetCells(2, 2, control("EDIT", "e", "ab") + control("EDIT", "f", "x"));
    clickText(2, 20);
    typeChar(*grid->ControlEdit(), '\t');
    EXPECT_FALSE(grid->ControlEdit()->Visible());
    EXPECT_EQ(cell(), "3,2");
}

TEST_F(HTMLCells, AGridFreedWhileAControlIsEditedTakesItsEditorAlong) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, control("EDIT", "e", "ab"));
    clickText(2, 20);
    ASSERT_TRUE(grid->ControlEdit()->Focused());
    delete form;
    form = nullptr;
    EXPECT_TRUE(log.contains("ClickCell 2,2"));
}

TEST_F(HTMLCells, AComboControlListsWhatTheHandlerGivesAndReportsPicks) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, control("COMBO", "k", "two"));
    grid->OnControlComboList = [](TObject*, int, int, QString, QString, QString, TStringList* Values, bool& Edit,
                                  int& DropCount) {
        Values->Add("one");
        Values->Add("two");
        Edit = false;
        DropCount = 4;
    };
    grid->OnControlComboSelect = [this](TObject*, int ARow, int ACol, int Index, QString ID, QString Value) {
        note(QStringLiteral("Select %1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(Index).arg(ID, Value));
    };
    clickText(2);
    TControlCombo* combo = grid->ControlCombo();
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(combo->DroppedDown());

    keyPress(*combo, VK_UP);
    keyPress(*combo, VK_RETURN);
    EXPECT_TRUE(log.contains("Select 2,2 0 k one"));
    grid->SetFocus();
    EXPECT_EQ(value(2, "k"), "one");
    EXPECT_FALSE(combo->Visible());
}

TEST_F(HTMLCells, HoveringAnAnchorFiresItsEventsAndShowsTheHand) {
    grid->SetCursor(crIBeam);
    grid->SetCells(2, 3, "<A HREF=\"one\">first</A> plain text here <A HREF=\"two\">second</A>");
    grid->OnAnchorEnter = [this](TObject*, int ARow, int ACol, QString Anchor) {
        note(QStringLiteral("Enter %1,%2 %3").arg(ACol).arg(ARow).arg(Anchor));
    };
    grid->OnAnchorExit = [this](TObject*, int ARow, int ACol, QString Anchor) {
        note(QStringLiteral("Exit %1,%2 %3").arg(ACol).arg(ARow).arg(Anchor));
    };
    const int second = grid->Canvas().TextWidth("first plain text here ") + 6;
    moveOver(3, 6);
    EXPECT_EQ(grid->Cursor(), crHandPoint);
    moveOver(3, 8);
    moveOver(3, second);
    moveOver(3, second + 150);
    EXPECT_EQ(log, (QStringList{"Enter 2,3 one", "Enter 2,3 two", "Exit 2,3 two"}));
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

TEST_F(HTMLCells, UnderlineOnHoverRepaintsOnlyTheCellsWhoseAnchorChanged) {
    grid->URLUnderlineOnHover = true;
    grid->SetCells(2, 3, "<A HREF=\"one\">first</A> and plain text");
    moveOver(3, 6);
    EXPECT_EQ(grid->Private().FHoverCell, (TPoint{2, 3}));
    EXPECT_EQ(grid->Private().FHoverlink, 1);
    moveOver(3, 200);
    EXPECT_EQ(grid->Private().FHoverlink, -1);
    clickCell(4, 5);
    const TPoint m = middle(4, 5);
    mouseMove(*grid, m.X, m.Y);
    EXPECT_EQ(grid->Private().FHoverCell, (TPoint{-1, -1}));
}

TEST_F(HTMLCells, AnAnchorHintShowsItsTitleOrTheAnchorAsTheHandlerLeavesIt) {
    grid->AnchorHint = true;
    grid->SetCells(2, 3, "<A HREF=\"one\" TITLE=\"First page\">first</A> plain text here <A HREF=\"two\">second</A>");
    grid->OnAnchorHint = [](TObject*, int ARow, int ACol, QString& Anchor) {
        Anchor += QStringLiteral(" @%1,%2").arg(ACol).arg(ARow);
    };
    const TRect r = grid->CellRect(2, 3);
    const struct {
        int dx;
        const char* hint;
        bool nearPointer;
    } cases[] = {
        {6, "First page @2,3", true},
        {grid->Canvas().TextWidth("first plain text here ") + 6, "two @2,3", true},
        {250, "", false},
    };
    for (const auto& c : cases) {
        const TPoint at = inText(3, c.dx);
        QString hint;
        TPoint pos;
        TColor colour = clNone;
        ASSERT_TRUE(grid->PrepareCellHint(at, hint, pos, colour));
        EXPECT_EQ(hint, c.hint) << c.dx;
        const TPoint expected = c.nearPointer ? TPoint{at.X + 8, at.Y - 16} : TPoint{at.X, r.Bottom + 6};
        EXPECT_EQ(pos, expected) << c.dx;
    }
}

TEST_F(HTMLCells, TheHoveredAnchorAndAHeldButtonAreDrawnSo) {
    grid->URLUnderlineOnHover = true;
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 3, "<A HREF=\"one\">first</A> and plain text");
    grid->SetCells(2, 4, control("BUTTON", "b", "Go", "50"));
    const QImage plain = renderToImage(*grid);
    moveOver(3, 6);
    const QImage hovered = renderToImage(*grid);
    EXPECT_NE(hovered.copy(toQRect(grid->CellRect(2, 3))), plain.copy(toQRect(grid->CellRect(2, 3))));

    const TPoint p = inText(4);
    mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON);
    const QImage held = renderToImage(*grid);
    mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y);
    const QImage released = renderToImage(*grid);
    const QRect button = toQRect(grid->CellRect(2, 4));
    EXPECT_NE(held.copy(button), released.copy(button));
}

TEST_F(HTMLCells, AMaskControlOpensItsBoxWithTheControlsMask) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 2, R"(<CONTROL TYPE="MASK" ID="m" VALUE="" WIDTH="80" PROP="00-00;0;_">)");
    clickText(2, 20);
    TControlEdit* edit = grid->ControlEdit();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "__-__");
    for (const QChar ch : QStringLiteral("12x34")) typeChar(*edit, ch);
    EXPECT_EQ(edit->Text(), "12-34");
    typeChar(*edit, '\r');
    EXPECT_EQ(value(2, "m"), "1234") << "the value read back, without the literal";
    EXPECT_TRUE(log.contains("EditDone 2,2 m MASK 1234"));
}

TEST_F(HTMLCells, LosingTheFocusLetsAHeldButtonControlGo) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(2, 4, control("BUTTON", "b", "Go", "50"));
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(0, 400, 100, 21);
    const TPoint p = inText(4);
    mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON);
    ASSERT_TRUE(grid->Private().FCtrlDown);
    // The focus goes elsewhere before the button comes up.
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    EXPECT_FALSE(grid->Private().FCtrlDown) << "the button is drawn released again";
}

} // namespace
