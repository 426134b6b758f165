#include "common/buttons/lb_button.h"

#include "platform/controls/action.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/popup_menu.h"
#include "platform/controls/panel.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/messages/message_loop.h"
#include "platform/system/resources.h"
#include "platform/testkit/testkit.h"
#include "common/buttons/lb_button_look.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <chrono>
#include <thread>
#include <vector>

// The tests' view of the button's hot-track state.
struct TLbButtonProbe {
    static int step(const TLbButton& b) { return b.FHotTrackStep; }
    static bool hot(const TLbButton& b) { return b.bCursorOnButton; }
    static bool down(const TLbButton& b) { return b.bDown; }
    static TLbButtonThread* thread(const TLbButton& b) { return b.FThread.get(); }
};

namespace {

using Probe = TLbButtonProbe;

const TColor Face = RGB(248, 247, 237);

TColor pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// A focusable control that is no push button, and one whose class name says it is a radio button.
class TTestEdit : public TWinControl {
public:
    explicit TTestEdit(TComponent* AOwner) : TWinControl(AOwner) { TabStop = true; }
};
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* AOwner) : TWinControl(AOwner) { TabStop = true; }
};

// A shown window holding buttons; each button counts its clicks.
class LbButtonTest : public ::testing::Test {
protected:
    LbButtonTest() {
        form.SetBounds(0, 0, 300, 200);
        form.Font().SetName("Verdana");
    }

    TLbButton& add(const char* name, int left = 10) {
        auto* b = new TLbButton(&form);
        b->Name = name;
        b->SetParent(&form);
        b->SetBounds(left, 10, 110, 28);
        Set_Window_Button_Look(*b);
        b->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TLbButton*>(sender)->Name); };
        return *b;
    }

    // Serves the fade thread's hand-offs until the button's step is `until`, recording each step.
    std::vector<int> fade(TLbButton& b, int until = 0) {
        std::vector<int> steps;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Probe::step(b) != until && std::chrono::steady_clock::now() < deadline) {
            if (TMessageLoop::Instance().ProcessPosted() > 0) steps.push_back(Probe::step(b));
            else std::this_thread::yield();
        }
        return steps;
    }

    TForm form{nullptr};
    std::vector<QString> clicks;
};

TEST_F(LbButtonTest, CreateGivesTheDocumentedDefaults) {
    TLbButton b(&form);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_TRUE(b.Glyph().Empty());
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.LightColor(), clWhite);
    EXPECT_EQ(b.ShadowColor(), RGB(128, 128, 128));
    EXPECT_EQ(b.ColorWhenDown(), clNone);
    EXPECT_EQ(b.HotTrackColor(), clNone);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.ModalResult, mrNone);
    EXPECT_FALSE(b.WordWrap() || b.Default || b.Cancel || b.Flat() || b.SlowDecease() || b.UseHotTrackFont);
    EXPECT_TRUE(b.TabStop);
    EXPECT_EQ(b.Color(), clBtnFace);
    // The fade thread exists from the start, suspended.
    ASSERT_NE(Probe::thread(b), nullptr);
    EXPECT_TRUE(Probe::thread(b)->Suspended());
}

TEST_F(LbButtonTest, HotTrackFontComesFromAnOwningFormOnly) {
    TLbButton onForm(&form);
    EXPECT_EQ(onForm.HotTrackFont().Name(), "Verdana");
    TPanel panel(nullptr);
    TLbButton onPanel(&panel);
    EXPECT_EQ(onPanel.HotTrackFont(), TFont());
}

TEST_F(LbButtonTest, PointerEnteringAndLeavingLightsTheButtonUpAndDown) {
    TLbButton& b = add("B");
    form.Show();
    int entered = 0, exited = 0;
    b.OnMouseEnter = [&](TObject*) { ++entered; };
    b.OnMouseExit = [&](TObject*) { ++exited; };

    b.Perform(CM_MOUSEENTER);
    EXPECT_TRUE(Probe::hot(b));
    EXPECT_EQ(Probe::step(b), 8);
    EXPECT_EQ(pixel(renderToImage(b), 55, 14), RGB(255, 255, 0));

    b.Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(Probe::hot(b));
    EXPECT_EQ(Probe::step(b), 0);
    EXPECT_EQ(pixel(renderToImage(b), 55, 14), Face);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);
    // Without SlowDecease the fade thread never runs.
    EXPECT_TRUE(Probe::thread(b)->Suspended());
}

TEST_F(LbButtonTest, NoHotLookWhenDisabledOrItsWindowIsHidden) {
    TLbButton& b = add("B");
    int entered = 0;
    b.OnMouseEnter = [&](TObject*) { ++entered; };
    b.Perform(CM_MOUSEENTER);  // the window is not showing yet
    EXPECT_FALSE(Probe::hot(b));

    form.Show();
    b.SetEnabled(false);
    b.Perform(CM_MOUSEENTER);
    EXPECT_FALSE(Probe::hot(b));
    EXPECT_EQ(pixel(renderToImage(b), 55, 14), Face);
    EXPECT_EQ(entered, 0);
}

TEST_F(LbButtonTest, ReleaseAfterPressClicksOnceWhereverThePointerIs) {
    TLbButton& b = add("B");
    form.Show();
    click(b, 5, 5);
    EXPECT_EQ(clicks.size(), 1u);

    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(Probe::down(b));
    EXPECT_TRUE(b.Focused());
    EXPECT_EQ(pixel(renderToImage(b), 55, 14), RGB(255, 128, 0));
    mouseMessage(b, WM_MOUSEMOVE, -40, 80, MK_LBUTTON);
    mouseMessage(b, WM_LBUTTONUP, -40, 80);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_FALSE(Probe::down(b));

    // A release without a press on the button clicks nothing.
    mouseMessage(b, WM_LBUTTONUP, 5, 5);
    mouseMessage(b, WM_RBUTTONDOWN, 5, 5);
    mouseMessage(b, WM_RBUTTONUP, 5, 5);
    EXPECT_EQ(clicks.size(), 2u);
}

// With DragMode automatic the button is dragged once the pointer moves past the threshold:
// each control under it is asked, the one that accepts gets the drop, and the press clicks
// nothing; a press released in place still clicks.
TEST_F(LbButtonTest, AnAutomaticDragDropsTheButtonOnAControlThatAcceptsIt) {
    TLbButton& b = add("B");
    auto* bin = new TPanel(&form);
    bin->SetParent(&form);
    bin->SetBounds(10, 100, 200, 80);
    form.Show();
    QStringList events;
    b.DragMode = dmAutomatic;
    b.DragCursor = crHandPoint;
    b.OnStartDrag = [&](TObject* sender, TObject*&) { events << "start " + static_cast<TLbButton*>(sender)->Name; };
    b.OnEndDrag = [&](TObject*, TObject* target, int x, int y) {
        events << QString("end %1 %2,%3").arg(target == bin ? "bin" : target ? "other" : "none").arg(x).arg(y);
    };
    bin->OnDragOver = [&](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
        events << QString("over %1 %2,%3").arg(state).arg(x).arg(y);
        accept = source == &b && y >= 10;
    };
    bin->OnDragDrop = [&](TObject*, TObject* source, int x, int y) {
        events << QString("drop %1 %2,%3").arg(source == &b ? "B" : "?").arg(x).arg(y);
    };

    // A small move stays a press: the release clicks.
    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(b, WM_MOUSEMOVE, 7, 6, MK_LBUTTON);
    EXPECT_FALSE(b.Dragging());
    mouseMessage(b, WM_LBUTTONUP, 7, 6);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(events.isEmpty());

    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(b, WM_MOUSEMOVE, 5, 40, MK_LBUTTON);  // over the form: nobody takes it
    EXPECT_TRUE(b.Dragging());
    EXPECT_EQ(b.Cursor(), crNoDrop);
    EXPECT_FALSE(Probe::down(b));
    mouseMessage(b, WM_MOUSEMOVE, 5, 95, MK_LBUTTON);  // over the bin, too near its top
    EXPECT_EQ(b.Cursor(), crNoDrop);
    mouseMessage(b, WM_MOUSEMOVE, 5, 120, MK_LBUTTON);
    EXPECT_EQ(b.Cursor(), crHandPoint);
    mouseMessage(b, WM_LBUTTONUP, 5, 120);
    EXPECT_FALSE(b.Dragging());
    EXPECT_EQ(b.Cursor(), crDefault);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(events, QStringList({"start B", "over 0 5,5", "over 2 5,30", "drop B 5,30", "end bin 5,30"}));

    // Dropped where nobody accepts it, the drag ends on no target.
    events.clear();
    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(b, WM_MOUSEMOVE, 5, 95, MK_LBUTTON);
    mouseMessage(b, WM_MOUSEMOVE, 5, 40, MK_LBUTTON);
    mouseMessage(b, WM_LBUTTONUP, 5, 40);
    EXPECT_EQ(events, QStringList({"start B", "over 0 5,5", "over 1 5,-50", "end none 5,40"}));
    EXPECT_EQ(clicks.size(), 1u);

    // A drag the program begins and ends drops where the pointer was last, not where it began.
    events.clear();
    b.BeginDrag(true);
    mouseMessage(b, WM_MOUSEMOVE, 5, 120, MK_LBUTTON);
    b.EndDrag(true);
    EXPECT_FALSE(b.Dragging());
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.mid(events.size() - 2), QStringList({"drop B 5,30", "end bin 5,30"}));
}

// ParentShowHint: the button shows hints as its window does until its own ShowHint is set.
TEST_F(LbButtonTest, ParentShowHintFollowsTheWindow) {
    TLbButton& b = add("B");
    b.SetHint("Save");
    EXPECT_FALSE(b.ParentShowHint());
    b.SetParentShowHint(true);
    form.ShowHint = true;
    EXPECT_TRUE(b.HintShown());
    form.ShowHint = false;
    EXPECT_FALSE(b.HintShown());
    b.SetShowHint(true);
    EXPECT_FALSE(b.ParentShowHint());
    EXPECT_TRUE(b.HintShown());
}

TEST_F(LbButtonTest, ADisabledButtonIgnoresThePressAndNeverClicks) {
    TLbButton& b = add("B");
    form.Show();
    b.SetEnabled(false);
    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_FALSE(Probe::down(b));
    mouseMessage(b, WM_LBUTTONUP, 5, 5);
    b.Click();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, DisablingClearsThePress) {
    TLbButton& b = add("B");
    form.Show();
    mouseMessage(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    b.SetEnabled(false);
    b.SetEnabled(true);
    EXPECT_FALSE(Probe::down(b));
    mouseMessage(b, WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, ModalResultEndsTheModalWindowAfterOnClick) {
    TLbButton& cancel = add("Cancel");
    cancel.ModalResult = mrCancel;
    bool stillOpenInOnClick = false;
    cancel.OnClick = [&](TObject*) { stillOpenInOnClick = form.InModal() && form.ModalResult() == mrNone; };
    driver().onNextModal([&](TForm&) { click(cancel, 5, 5); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(stillOpenInOnClick);

    // OnClick may still change the result it gives.
    TLbButton& retry = add("Retry", 130);
    retry.OnClick = [&](TObject*) { retry.ModalResult = mrRetry; };
    driver().onNextModal([&](TForm&) { click(retry, 5, 5); });
    EXPECT_EQ(form.ShowModal(), mrRetry);

    // Without a modal result the window stays open.
    TLbButton& plain = add("Plain", 250);
    driver().onNextModal([&](TForm& f) {
        click(plain, 5, 5);
        EXPECT_EQ(f.ModalResult(), mrNone);
    });
    form.ShowModal();
    EXPECT_EQ(clicks, (std::vector<QString>{"Plain"}));
}

TEST_F(LbButtonTest, EnterReachesTheDefaultButtonUnlessAButtonHasTheFocusEscAlwaysTheCancelButton) {
    TLbButton& ok = add("OK");
    ok.Default = true;
    TLbButton& cancel = add("Cancel", 130);
    cancel.Cancel = true;
    TLbButton& other = add("Other", 250);
    auto* edit = new TTestEdit(&form);
    edit->SetParent(&form);
    auto* radio = new TRadioButton(&form);
    radio->SetParent(&form);
    form.Show();

    struct Case {
        TWinControl* focus;
        uint16_t key;
        TShiftState shift;
        std::vector<QString> clicked;
    } cases[] = {
        {edit, VK_RETURN, 0, {"OK"}},
        {edit, VK_ESCAPE, 0, {"Cancel"}},
        {edit, VK_ESCAPE, ssShift, {}},
        {edit, VK_ESCAPE, ssCtrl, {}},
        {radio, VK_RETURN, 0, {"OK"}},
        {&other, VK_RETURN, 0, {"Other"}},  // the focused button keeps Enter for itself
        {&other, VK_SPACE, 0, {"Other"}},
        {&other, VK_ESCAPE, 0, {"Cancel"}},  // Esc cancels from a focused button too
        {&other, VK_ESCAPE, ssShift, {}},
        {&ok, VK_RETURN, 0, {"OK"}},        // once, through its own key
    };
    for (const Case& k : cases) {
        clicks.clear();
        k.focus->SetFocus();
        keyPress(*k.focus, k.key, k.shift);
        EXPECT_EQ(clicks, k.clicked) << k.focus->Name.toStdString() << " key " << k.key;
    }

    // With no focused control the window's buttons take the keys (a button that is no tab stop
    // does not take the focus when its window opens).
    auto* lone = new TForm(nullptr);
    auto* loneOk = new TLbButton(lone);
    loneOk->SetParent(lone);
    loneOk->TabStop = false;
    loneOk->Default = true;
    int loneClicks = 0;
    loneOk->OnClick = [&](TObject*) { ++loneClicks; };
    lone->Show();
    EXPECT_EQ(lone->Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(loneClicks, 1);
    delete lone;
}

TEST_F(LbButtonTest, EnterInAModalWindowClosesItThroughTheDefaultButton) {
    TLbButton& ok = add("OK");
    ok.Default = true;
    ok.ModalResult = mrOk;
    auto* edit = new TTestEdit(&form);
    edit->SetParent(&form);
    driver().onNextModal([&](TForm&) {
        edit->SetFocus();
        keyPress(*edit, VK_RETURN);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST_F(LbButtonTest, KeysPressAndReleaseTheFocusedButton) {
    TLbButton& b = add("B");
    form.Show();
    b.SetFocus();
    DeliverMessage(b, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(Probe::down(b));
    EXPECT_TRUE(clicks.empty());
    DeliverMessage(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(Probe::down(b));
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(LbButtonTest, TheCaptionsAcceleratorClicksTheButton) {
    TLbButton& b = add("B");
    b.SetCaption("Save && &Apply");
    form.Show();
    EXPECT_EQ(b.Perform(CM_DIALOGCHAR, 'a'), 1);
    EXPECT_EQ(b.Perform(CM_DIALOGCHAR, 's'), 0);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(LbButtonTest, AColourPresetIsAppliedButNotRemembered) {
    TLbButton b(&form);
    b.SetParentColor(true);
    b.SetColorStyle(lcsGold);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Color(), RGB(192, 192, 0));
    EXPECT_FALSE(b.ParentColor());
    EXPECT_EQ(b.LightColor(), RGB(255, 255, 0));
    EXPECT_EQ(b.ShadowColor(), RGB(128, 128, 0));
    EXPECT_EQ(b.HotTrackColor(), RGB(223, 223, 0));
    EXPECT_EQ(b.ColorWhenDown(), clNone);
    EXPECT_EQ(b.Style(), bsModern);

    b.SetColorStyle(lcsQuicken);
    EXPECT_EQ(b.Style(), bsQuicken);
    EXPECT_EQ(b.Font().Color(), clWhite);
    EXPECT_EQ(b.ColorWhenDown(), RGB(41, 101, 173));

    b.SetColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(b.Flat());
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.Style(), bsNormal);

    b.SetColorStyle(lcsCustom);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_TRUE(b.Flat());
}

TEST_F(LbButtonTest, KindsSetResultGlyphAndCaptionUntilResultOrGlyphIsWritten) {
    struct Case {
        TLbButtonKind kind;
        TModalResult result;
        QString caption;
        int glyphHeight;
    } cases[] = {
        {bkOK, 1, "OK", 18},           {bkCancel, 2, "Abbrechen", 18},   {bkHelp, 0, "Hilfe", 18},
        {bkYes, 6, "Ja", 18},          {bkNo, 7, "Nein", 18},            {bkClose, 0, QString::fromUtf8("Schließen"), 18},
        {bkAbort, 3, "Abbrechen", 18}, {bkRetry, 4, "Wiederholen", 18}, {bkIgnore, 5, "Ignorieren", 18},
        {bkAll, 12, "Alle", 19},
    };
    for (const Case& k : cases) {
        TLbButton b(&form);
        b.SetKind(k.kind);
        EXPECT_EQ(b.Kind(), k.kind);
        EXPECT_EQ(b.ModalResult, k.result);
        EXPECT_EQ(b.Caption(), k.caption);
        EXPECT_EQ(b.NumGlyphs(), 2);
        EXPECT_EQ(b.Glyph().Width(), 36) << k.kind;
        EXPECT_EQ(b.Glyph().Height(), k.glyphHeight) << k.kind;
    }

    TLbButton b(&form);
    b.SetKind(bkYes);
    b.ModalResult = mrNo;
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Caption(), "Ja");
    EXPECT_EQ(b.NumGlyphs(), 2);

    b.SetKind(bkRetry);
    TBitmap strip(64, 16);
    b.SetGlyph(&strip);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.ModalResult, mrRetry);
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetGlyph(nullptr);
    EXPECT_TRUE(b.Glyph().Empty());
    EXPECT_EQ(b.NumGlyphs(), 0);
}

TEST_F(LbButtonTest, EveryGlyphIsCompiledInWithItsSize) {
    struct Case {
        const char* name;
        int width, height;
    } cases[] = {
        {"LBARROW", 5, 3},           {"BTN_INFO", 32, 32},        {"BTN_OPTIONS", 32, 32},
        {"BTN_CLOSE", 32, 32},       {"BTN_NEW", 24, 24},         {"BTN_OPEN", 24, 24},
        {"BTN_PARAMETERS", 24, 24},  {"BTN_NETWORK", 24, 24},     {"BTN_VARIABLES", 24, 24},
        {"BTN_CERTIFICATES", 24, 24}, {"BTN_UPDATE", 24, 24},     {"BTN_OK", 16, 16},
        {"BTN_CANCEL", 16, 16},
    };
    for (const Case& k : cases) {
        TBitmap b;
        ASSERT_TRUE(b.LoadFromData(LoadResourceData(k.name))) << k.name;
        EXPECT_EQ(b.Width(), k.width) << k.name;
        EXPECT_EQ(b.Height(), k.height) << k.name;
        // The bottom-left pixel is the transparent colour of a drawn glyph.
        EXPECT_EQ(b.Canvas().Pixel(0, k.height - 1), LbTransparentColor) << k.name;
    }
}

TEST_F(LbButtonTest, AGlyphIsDrawnWithoutItsBackground) {
    TLbButton& b = add("B");
    b.SetBounds(10, 10, 50, 50);
    Set_Button_Glyph(b, "BTN_INFO");
    EXPECT_EQ(b.NumGlyphs(), 1);
    const QImage image = renderToImage(b);
    int fuchsia = 0, glyph = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const TColor c = pixel(image, x, y);
            fuchsia += c == clFuchsia;
            glyph += c != Face && x >= 9 && x < 41 && y >= 9 && y < 41;
        }
    EXPECT_EQ(fuchsia, 0);
    EXPECT_GT(glyph, 300);
    EXPECT_EQ(pixel(image, 9, 40), Face);
}

TEST_F(LbButtonTest, TransparentStylesShowWhatLiesBeneath) {
    TLbButton& b = add("B");
    b.SetColorStyle(lcsChrome);
    const QImage image = renderToImage(b);  // painted over white
    EXPECT_EQ(pixel(image, 0, 0), clWhite);
    EXPECT_EQ(pixel(image, 1, 14), RGB(192, 192, 192));
    EXPECT_EQ(pixel(image, 0, 14), RGB(128, 128, 128));
}

TEST_F(LbButtonTest, FocusDrawsADottedRectangleAndFramesAnOldStyleFace) {
    TLbButton& b = add("B");
    form.Show();
    b.SetFocus();
    QImage image = renderToImage(b);
    EXPECT_EQ(pixel(image, 4, 4), Face ^ 0xFFFFFF);
    EXPECT_EQ(pixel(image, 5, 4), Face);
    EXPECT_EQ(pixel(image, 105, 23), Face ^ 0xFFFFFF);
    EXPECT_EQ(pixel(image, 106, 23), Face);

    b.SetStyle(bsOld);
    image = renderToImage(b);
    EXPECT_EQ(pixel(image, 0, 0), clBlack);
    EXPECT_EQ(pixel(image, 109, 27), clBlack);
    EXPECT_EQ(pixel(image, 1, 14), b.LightColor());  // the face, one pixel in
}

TEST_F(LbButtonTest, SlowDeceaseFadesTheHotColourOutInEightTicks) {
    TLbButton& b = add("B");
    b.SetSlowDecease(true);
    form.Show();
    b.Perform(CM_MOUSEENTER);
    b.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Probe::step(b), 8);  // the leave itself changes nothing yet
    EXPECT_EQ(fade(b), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_TRUE(Probe::thread(b)->Suspended());
    EXPECT_EQ(pixel(renderToImage(b), 55, 14), Face);
}

TEST_F(LbButtonTest, EnteringDuringAFadeRestartsItFromTheTop) {
    TLbButton& b = add("B");
    b.SetSlowDecease(true);
    form.Show();
    b.Perform(CM_MOUSEENTER);
    b.Perform(CM_MOUSELEAVE);
    fade(b, 5);
    b.Perform(CM_MOUSEENTER);
    EXPECT_EQ(Probe::step(b), 8);
    // The tick does not look at the pointer: the fade goes on while it stays on the button.
    EXPECT_EQ(fade(b, 6), (std::vector<int>{7, 6}));
    EXPECT_TRUE(Probe::hot(b));
}

TEST_F(LbButtonTest, DestroyingAButtonStopsItsFadeMidway) {
    auto* b = &add("B");
    b->SetSlowDecease(true);
    form.Show();
    b->Perform(CM_MOUSEENTER);
    b->Perform(CM_MOUSELEAVE);
    fade(*b, 6);
    delete b;  // its thread is waiting with the next tick
    processPosted();
}

TEST_F(LbButtonTest, SwitchingSlowDeceaseOffStopsAndDropsTheThread) {
    TLbButton& b = add("B");
    b.SetSlowDecease(true);
    form.Show();
    b.Perform(CM_MOUSEENTER);
    b.Perform(CM_MOUSELEAVE);
    fade(b, 6);
    b.SetSlowDecease(false);
    EXPECT_EQ(Probe::thread(b), nullptr);
    EXPECT_EQ(Probe::step(b), 0);

    b.SetSlowDecease(true);
    ASSERT_NE(Probe::thread(b), nullptr);
    EXPECT_TRUE(Probe::thread(b)->Suspended());
}

// A click pops the button's menu up below its bottom-left corner, after OnClick; the chosen
// item executes its action. A freed menu is forgotten.
TEST_F(LbButtonTest, AClickPopsTheMenuUpBelowTheButtonAndTheChosenItemRunsItsAction) {
    TLbButton& b = add("B", 40);
    auto* menu = new TPopupMenu(&form);
    menu->Items = {"Export", "Import"};
    TCustomAction import_action(nullptr);
    import_action.OnExecute = [&](TObject*) { clicks.push_back("import"); };
    menu->SetItemAction(1, &import_action);
    b.SetPopupMenu(menu);
    form.Show();
    driver().answerNextMenu(2);
    click(b, 5, 5);
    ASSERT_EQ(driver().menus().size(), 1u);
    const TPoint corner = b.ClientToScreen(TPoint{0, 28});
    EXPECT_EQ(driver().menus()[0].X, corner.X);
    EXPECT_EQ(driver().menus()[0].Y, corner.Y);
    EXPECT_EQ(driver().menus()[0].Items, QStringList({"Export", "Import"}));
    EXPECT_EQ(clicks, std::vector<QString>({"B", "import"}));

    delete menu;
    EXPECT_EQ(b.PopupMenu(), nullptr);
    click(b, 5, 5);
    EXPECT_EQ(driver().menus().size(), 1u);
}

// The button follows its action: caption and hint while it still shows the action's, enabled
// always; a click executes the action after OnClick; the action's picture becomes the glyph of
// a button without one.
TEST_F(LbButtonTest, AButtonFollowsItsActionAndTakesItsPicture) {
    TLbButton& b = add("B");
    TActionList list(nullptr);
    TImageList images(nullptr);
    TBitmap picture(16, 16);
    picture.Canvas().Brush.Color = clRed;
    picture.Canvas().FillRect(TRect{0, 0, 16, 16});
    images.Add(picture);
    list.Images = &images;
    TCustomAction action(nullptr);
    action.ActionList = &list;
    action.SetCaption("Save");
    action.SetHint("Saves the table");
    action.OnExecute = [&](TObject*) { clicks.push_back("save"); };
    b.SetAction(&action);
    EXPECT_EQ(b.Caption(), "Save");
    EXPECT_EQ(b.Hint(), "Saves the table");
    EXPECT_EQ(b.NumGlyphs(), 0) << "no picture chosen yet";

    action.SetImageIndex(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.Glyph().Width(), 16);
    EXPECT_EQ(b.Glyph().Image().pixelColor(3, 3), QColor(Qt::red));

    action.SetCaption("Store");
    EXPECT_EQ(b.Caption(), "Store");
    b.SetCaption("Mine");
    action.SetCaption("Keep");
    EXPECT_EQ(b.Caption(), "Mine");

    form.Show();
    click(b, 5, 5);
    EXPECT_EQ(clicks, std::vector<QString>({"B", "save"}));
    action.SetEnabled(false);
    EXPECT_FALSE(b.Enabled());
    click(b, 5, 5);
    EXPECT_EQ(clicks.size(), 2u);

    b.SetAction(nullptr);
    action.SetEnabled(true);
    EXPECT_FALSE(b.Enabled());
}

}  // namespace
