#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/qt_backend.h"
#include "platform/controls/rich_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

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
    EXPECT_EQ(native<QPlainTextEdit>(*memo)->toPlainText(), "line 1\nline 2");
    EXPECT_EQ(events, (QStringList{"box 1", "box 0", "combo RS485"}));
    native<QPlainTextEdit>(*memo)->moveCursor(QTextCursor::End);
    typeNatively(native<QPlainTextEdit>(*memo), "\rx");
    EXPECT_EQ(memo->Text(), "line 1\nline 2\nx");
}

}  // namespace
