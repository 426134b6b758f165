#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/list_box.h"
#include "platform/controls/popup.h"
#include "platform/controls/qt_backend.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/tree_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QFontMetrics>
#include <QTextEdit>
#include <QTreeWidget>
#include <QRegion>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/testkit/testkit.h"

namespace {

// The native widgets behind the controls, made but never shown.
class QtBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowBackend(&backend);
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
    }
    void TearDown() override {
        delete form;
        SetWindowBackend(nullptr);
    }
    template <typename W>
    static W* native(TWinControl& control) {
        return dynamic_cast<W*>(static_cast<QObject*>(static_cast<QWidget*>(control.BackendData)));
    }
    static void typeNatively(QWidget* widget, const QString& text) {
        for (QChar ch : text) {
            const int key = ch == '\r' ? int(Qt::Key_Return) : ch == '.' ? int(Qt::Key_Period) : int(ch.toUpper().unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, ch == '\r' ? QString("\r") : QString(ch));
            QApplication::sendEvent(widget, &press);
        }
    }

    QtBackend backend;
    TForm* form = nullptr;
};

TEST_F(QtBackendTest, AWindowMadeTransparentLetsTheMouseThroughBeforeAndAfterItsWidgetExists) {
    auto* made = new TRichEdit(form);
    made->SetParent(form);
    made->HandleNeeded();
    QWidget* widget = static_cast<QWidget*>(made->BackendData);
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
    made->SetExStyle(made->ExStyle() | WS_EX_TRANSPARENT);
    EXPECT_TRUE(made->ExStyle() & WS_EX_TRANSPARENT);
    EXPECT_TRUE(widget->testAttribute(Qt::WA_TransparentForMouseEvents));

    auto* later = new TRichEdit(form);
    later->SetParent(form);
    later->SetExStyle(WS_EX_TRANSPARENT);
    later->HandleNeeded();
    EXPECT_TRUE(static_cast<QWidget*>(later->BackendData)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(QtBackendTest, ANativeEditTypesWhatTheControlLetsThroughAndIgnoresTextSetByCode) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->MaxLength = 5;
    edit->CharCase = ecLowerCase;
    edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == '.') key = QChar();
    };
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    form->HandleNeeded();
    QLineEdit* line = native<QLineEdit>(*edit);
    ASSERT_NE(line, nullptr);

    edit->SetText("Longer Than Five");
    EXPECT_EQ(line->text(), "Longer Than Five");
    EXPECT_EQ(changes, 0);
    typeNatively(line, "X");
    EXPECT_EQ(edit->Text(), "Longer Than Five");
    EXPECT_EQ(line->text(), "Longer Than Five");

    edit->SetText("");
    typeNatively(line, "A.bCdEfG");
    EXPECT_EQ(edit->Text(), "abcde");
    EXPECT_EQ(line->text(), "abcde");
    EXPECT_EQ(changes, 5);
}

TEST_F(QtBackendTest, AFieldTheFocusMovesToShowsItsTextSelectedSoTypingReplacesIt) {
    auto* first = new TEdit(form);
    first->SetParent(form);
    auto* next = new TEdit(form);
    next->SetParent(form);
    next->SetText("168");
    form->HandleNeeded();
    first->SetFocus();
    next->SetFocus();
    QLineEdit* line = native<QLineEdit>(*next);
    EXPECT_EQ(line->selectedText(), "168");
    typeNatively(line, "0");
    EXPECT_EQ(next->Text(), "0");
}

TEST_F(QtBackendTest, NativeChoicesReportTheUsersPicksOnlyAndFollowTheCode) {
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetItems({"RS232", "RS485"});
    auto* memo = new TRichEdit(form);
    memo->SetParent(form);
    QStringList events;
    box->OnClick = [&](TObject*) { events << QString("box %1").arg(box->Checked()); };
    combo->OnChange = [&](TObject*) { events << "combo " + combo->Text(); };
    memo->OnChange = [&](TObject*) { events << "memo"; };
    form->HandleNeeded();

    native<QCheckBox>(*box)->click();
    box->SetChecked(false);
    EXPECT_FALSE(native<QCheckBox>(*box)->isChecked());
    combo->SetItemIndex(0);
    EXPECT_EQ(native<QComboBox>(*combo)->currentText(), "RS232");
    emit native<QComboBox>(*combo)->activated(1);
    EXPECT_EQ(combo->Text(), "RS485");
    memo->SetText("line 1\nline 2");
    EXPECT_EQ(native<QTextEdit>(*memo)->toPlainText(), "line 1\nline 2");
    EXPECT_EQ(events, (QStringList{"box 1", "box 0", "combo RS485"}));
    native<QTextEdit>(*memo)->moveCursor(QTextCursor::End);
    typeNatively(native<QTextEdit>(*memo), "\rx");
    EXPECT_EQ(memo->Text(), "line 1\nline 2\nx");
}

TEST_F(QtBackendTest, ANativeRichFieldEditsTheControlsFormattedText) {
    auto* rich = new TRichEdit(form);
    rich->SetParent(form);
    form->HandleNeeded();
    rich->LoadRTF(R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0\fs16 plain {\b bold}})");
    auto* field = native<QTextEdit>(*rich);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->toPlainText(), "plain bold");
    field->moveCursor(QTextCursor::End);
    typeNatively(field, "x");
    EXPECT_EQ(rich->Text(), "plain boldx");
    EXPECT_TRUE(rich->SaveRTF().contains(R"(\b boldx)")) << rich->SaveRTF().toStdString();
    QTextCursor c = field->textCursor();
    c.setPosition(1);
    c.setPosition(4, QTextCursor::KeepAnchor);
    field->setTextCursor(c);
    EXPECT_EQ(rich->SelStart(), 1);
    EXPECT_EQ(rich->SelLength(), 3);
}

TEST_F(QtBackendTest, ANativeListReportsAPickByTheKeysAsByTheMouseButNotTheCodesChanges) {
    auto* list = new TListBox(form);
    list->SetParent(form);
    QStringList picks;
    list->OnClick = [&](TObject*) { picks << list->Items().value(list->ItemIndex()); };
    form->HandleNeeded();
    list->SetItems({"Line 2", "Plant A", "Plant B"});
    list->SetItemIndex(0);
    auto* native = QtBackendTest::native<QListWidget>(*list);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->currentRow(), 0);

    for (int key : {int(Qt::Key_Down), int(Qt::Key_End), int(Qt::Key_Up)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(native, &press);
    }
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(picks, (QStringList{"Plant A", "Plant B", "Plant A"}));
    native->setCurrentRow(0);  // as a click on the first item does
    EXPECT_EQ(picks.last(), "Line 2");
    list->SetItemIndex(2);
    list->SetItems({"Line 2"});
    EXPECT_EQ(picks.size(), 4);
}

// A modal form blocks the other windows while it is open, and the window that was active
// before it gets the keyboard back when it closes.
TEST_F(QtBackendTest, AModalFormBlocksTheOtherWindowsAndGivesTheKeyboardBackWhenItCloses) {
    SetModalDriver(&backend);
    const struct Restore {
        ~Restore() { SetModalDriver(&driver()); }
    } restore;
    form->Show();
    auto* owner = static_cast<QWidget*>(form->BackendData);
    owner->activateWindow();
    for (int i = 0; i < 20 && !owner->isActiveWindow(); ++i) QApplication::processEvents();
    ASSERT_TRUE(owner->isActiveWindow());

    TForm dialog(nullptr);
    dialog.SetBounds(20, 20, 200, 100);
    const QWidget* blocking = nullptr;
    QTimer::singleShot(0, [&] {
        blocking = QApplication::activeModalWidget();
        dialog.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(blocking, static_cast<QWidget*>(dialog.BackendData));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (int i = 0; i < 20 && !owner->isActiveWindow(); ++i) QApplication::processEvents();
    EXPECT_TRUE(owner->isActiveWindow());
}

// A window that counts the mouse leaving it.
class LeaveCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int leaves = 0;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSELEAVE) ++leaves;
        TCustomControl::WndProc(m);
    }
};

TEST_F(QtBackendTest, AWindowHiddenUnderTheMouseTellsItsControlsThatTheMouseLeft) {
    auto* button = new LeaveCounter(form);
    button->SetParent(form);
    auto* elsewhere = new LeaveCounter(form);
    elsewhere->SetParent(form);
    form->Show();
    auto* native = static_cast<QWidget*>(button->BackendData);
    native->setAttribute(Qt::WA_UnderMouse);  // as Qt marks it when the mouse enters
    form->Hide();
    EXPECT_EQ(button->leaves, 1);
    EXPECT_EQ(elsewhere->leaves, 0);
    EXPECT_FALSE(native->underMouse());
}

// A window that asks for the given styles.
class StyledWindow : public TCustomControl {
public:
    StyledWindow(TComponent* owner, TCreateParams params) : TCustomControl(owner), params_(params) {}

protected:
    void CreateParams(TCreateParams& p) override { p = params_; }

private:
    TCreateParams params_;
};

TEST_F(QtBackendTest, APopupIsABorderlessTopLevelWindowOwnedByItsParentsWindowAndPlacedOnTheScreen) {
    form->HandleNeeded();
    auto* popup = new StyledWindow(form, {WS_POPUP, 0});
    popup->SetVisible(false);
    popup->SetParent(form);
    popup->SetBounds(400, 150, 9, 11);
    auto* w = static_cast<QWidget*>(popup->BackendData);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), static_cast<QWidget*>(form->BackendData));
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(400, 150, 9, 11));

    // Its shape follows the region, set before or after the window is made.
    popup->SetWindowRegion({{0, 3}, {0, 7}, {8, 5}});
    EXPECT_EQ(w->mask(), QRegion(QPolygon({QPoint(0, 3), QPoint(0, 7), QPoint(8, 5)}), Qt::WindingFill));
    popup->SetWindowRegion({});
    EXPECT_TRUE(w->mask().isEmpty());

    auto* child = new StyledWindow(form, {});
    child->SetParent(form);
    EXPECT_FALSE(static_cast<QWidget*>(child->BackendData)->isWindow());
}

TEST_F(QtBackendTest, ADisabledTopmostPopupTakesNoInputAndStaysOnTopAndCanBeLayered) {
    form->HandleNeeded();
    auto* popup = new StyledWindow(form, {WS_POPUP | WS_DISABLED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW});
    popup->SetParent(form);
    auto* w = static_cast<QWidget*>(popup->BackendData);
    EXPECT_FALSE(w->isEnabled());
    popup->SetEnabled(false);
    popup->SetEnabled(true);
    EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    TWindowOpacity layered;
    EXPECT_TRUE(layered.SetLayeredWindowAttributes(popup->Handle(), clNone, 230, LWA_ALPHA));
    EXPECT_NEAR(w->windowOpacity(), 230 / 255.0, 0.01);
}

TEST_F(QtBackendTest, APopupHasTheDropShadowOnlyWhenItsClassStyleAsksForIt) {
    form->HandleNeeded();
    for (const uint32_t classStyle : {uint32_t(CS_DROPSHADOW), uint32_t(0)}) {
        auto* popup = new StyledWindow(form, {WS_POPUP, 0, classStyle});
        popup->SetVisible(false);
        popup->SetBounds(400, 150, 20, 20);
        popup->HandleNeeded();
        ShowPopup(*popup, true);
        auto* w = static_cast<QWidget*>(popup->BackendData);
        EXPECT_EQ(!(w->windowFlags() & Qt::NoDropShadowWindowHint), classStyle == CS_DROPSHADOW);
        ShowPopup(*popup, false);
        delete popup;
    }
}

}  // namespace

namespace {

// A rich field one line high, as the certificate fields of the general parameters are, has a
// frame like every other field and shows its whole line inside it.
TEST_F(QtBackendTest, ANativeRichFieldHasAFrameAndShowsALineOfItsHeight) {
    auto* rich = new TRichEdit(form);
    rich->SetParent(form);
    rich->SetBounds(10, 10, 238, 23);
    form->HandleNeeded();
    rich->SetText("-----BEGIN CERTIFICATE-----");
    auto* field = native<QTextEdit>(*rich);
    ASSERT_NE(field, nullptr);
    EXPECT_NE(field->frameShape(), QFrame::NoFrame);
    EXPECT_GT(field->frameWidth(), 0);
    const int line = QFontMetrics(field->font()).height();
    EXPECT_GE(field->viewport()->height(), line + 2 * int(field->document()->documentMargin()));
}

}  // namespace

namespace {

// A double click on an item of a native list or tree reaches the control's double-click event,
// as on the platform's own controls: the dialogs choose the item with it.
TEST_F(QtBackendTest, ADoubleClickOnANativeListOrTreeItemReachesTheControl) {
    auto* list = new TListBox(form);
    list->SetParent(form);
    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(0, 100, 200, 100);
    int listClicks = 0, treeClicks = 0;
    list->OnDblClick = [&](TObject*) { ++listClicks; };
    tree->OnDblClick = [&](TObject*) { ++treeClicks; };
    form->HandleNeeded();
    list->SetItems({"Plant A"});
    tree->Items().AddChild(nullptr, "Device");
    auto* nativeList = native<QListWidget>(*list);
    auto* nativeTree = native<QTreeWidget>(*tree);
    ASSERT_NE(nativeList, nullptr);
    ASSERT_NE(nativeTree, nullptr);
    ASSERT_NE(nativeList->item(0), nullptr);
    ASSERT_NE(nativeTree->topLevelItem(0), nullptr);
    // What the native widgets report of a double click on an item.
    emit nativeList->itemDoubleClicked(nativeList->item(0));
    emit nativeTree->itemDoubleClicked(nativeTree->topLevelItem(0), 0);
    EXPECT_EQ(listClicks, 1);
    EXPECT_EQ(treeClicks, 1);
}

}  // namespace
