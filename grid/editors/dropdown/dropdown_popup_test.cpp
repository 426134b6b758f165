#include "grid/editors/dropdown/dropdown_colors.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/ex_button.h"
#include "grid/editors/dropdown/ex_button_appearance.h"
#include "grid/editors/dropdown/ex_strips.h"
#include "platform/controls/activation.h"
#include "platform/controls/panel.h"
#include "platform/controls/window_backend.h"
#include "platform/core/exception.h"

#include "platform/graphics/canvas.h"

#include <QImage>

namespace {

TColor pixelOf(TControl& control, int x, int y) {
    const QImage image = renderToImage(control);
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// ---- the pop-up form

class DropDownPopup : public DropDownFixture {};

TEST_F(DropDownPopup, PaintsTheBackgroundAndTheBorderInsideWhichItsChildrenStand) {
    dd->DropDownHeader().SetVisible(false);
    dd->DropDownFooter().SetVisible(false);
    dd->SetDropDownColor(0x00FFFF);
    dd->DropDownColorTo = clNone;
    dd->DropDownBorderColor = 0x000080;
    dd->DropDownBorderWidth = 2;
    dd->ShowDropDown();
    EXPECT_EQ(popup().AdjustedClientRect(), Rect(2, 2, popup().Width() - 2, popup().Height() - 2));
    EXPECT_EQ(pixelOf(popup(), 0, 0), 0x000080);
    EXPECT_EQ(pixelOf(popup(), 1, 10), 0x000080);
    EXPECT_EQ(pixelOf(popup(), 10, 10), 0x00FFFF);
    keyPress(*dd, VK_ESCAPE);

    // Without a border nothing insets the children; without a colour nothing is painted.
    dd->DropDownBorderWidth = 0;
    dd->SetDropDownColor(clNone);
    dd->ShowDropDown();
    EXPECT_EQ(popup().AdjustedClientRect(), popup().ClientRect());
    EXPECT_EQ(pixelOf(popup(), 0, 0), ColorToRGB(popup().Color()));
}

TEST_F(DropDownPopup, SizesOnlyFromItsCornerWhenSizeable) {
    dd->ShowDropDown();
    const TPoint corner = popup().ClientToScreen({popup().Width() - 5, popup().Height() - 5});
    const TPoint inside = popup().ClientToScreen({popup().Width() - 15, popup().Height() - 5});
    EXPECT_EQ(popup().Perform(WM_NCHITTEST, 0, MakeLParam(corner.X, corner.Y)), HTNOWHERE);
    popup().Sizeable = true;
    EXPECT_EQ(popup().Perform(WM_NCHITTEST, 0, MakeLParam(corner.X, corner.Y)), HTBOTTOMRIGHT);
    EXPECT_EQ(popup().Perform(WM_NCHITTEST, 0, MakeLParam(inside.X, inside.Y)), HTNOWHERE);
    int sizing = 0;
    popup().OnSizing = [&](TObject*) { ++sizing; };
    popup().Perform(WM_SIZING);
    EXPECT_EQ(sizing, 1);
    EXPECT_EQ(popup().Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

TEST_F(DropDownPopup, BlockedActivationChangesAreIgnored) {
    TForm other(nullptr);
    dd->ShowDropDown();
    popup().BlockActivate = true;
    ActivateWindow(&other);
    EXPECT_TRUE(dd->DroppedDown());
    popup().BlockActivate = false;
    ActivateWindow(&popup());
    ActivateWindow(&other);
    EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDownPopup, CastsTheDesktopsShadowOnlyWithDropDownShadow) {
    EXPECT_TRUE(dd->DropDownShadow);
    dd->ShowDropDown();
    EXPECT_TRUE(popup().Shadow);
    EXPECT_TRUE(popup().WindowParams().ClassStyle & CS_DROPSHADOW);
    keyPress(*dd, VK_ESCAPE);
    dd->DropDownShadow = false;
    dd->ForceShadow = true;  // forces nothing without the shadow
    dd->ShowDropDown();
    EXPECT_FALSE(popup().Shadow);
    EXPECT_FALSE(popup().WindowParams().ClassStyle & CS_DROPSHADOW);
}

// ---- the strips

class DropDownStrips : public DropDownFixture {
protected:
    TExHeader& header() { return *popup().Header(); }
    TExFooter& footer() { return *popup().Footer(); }
};

TEST_F(DropDownStrips, ButtonsStandRightToLeftInTheirArea) {
    THeaderButtons& items = dd->DropDownHeader().GetButtons();
    items.Add()->SetCaption("A");
    items.Add()->SetCaption("Bee");
    items.Items(1)->Height = 500;  // no taller than the area
    dd->ShowDropDown();
    const TDbgList<TExButton>& buttons = header().ButtonList();
    ASSERT_EQ(buttons.Count(), 2);
    TExButton* a = buttons.ItemsEx(0);
    TExButton* b = buttons.ItemsEx(1);
    const TRect area = header().ButtonArea();
    EXPECT_EQ(a->Left() + a->Width(), area.Right);
    EXPECT_EQ(b->Left() + b->Width(), a->Left());
    EXPECT_EQ(b->Height(), area.Height());
    // Sized to the caption: text width + 8 by text height + 4.
    const TSize text = GetTextSize(a->Canvas(), "A");
    EXPECT_EQ(a->Width(), text.cx + 8);
    EXPECT_EQ(a->Height(), text.cy + 4);
    EXPECT_THROW(
        {
            try {
                buttons.ItemsEx(2);
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message, "Index out of bounds in list read access");
                throw;
            }
        },
        Exception);

    keyPress(*dd, VK_ESCAPE);
    dd->DropDownHeader().ButtonAlignment = baLeft;
    dd->ShowDropDown();
    EXPECT_EQ(header().ButtonList().ItemsEx(0)->Left(), header().ButtonArea().Left);
}

TEST_F(DropDownStrips, HeaderButtonsReportTheirIndex) {
    dd->DropDownHeader().GetButtons().Add()->SetCaption("one");
    dd->DropDownHeader().GetButtons().Add()->SetCaption("two");
    int clicked = -1;
    dd->OnDropDownHeaderButtonClick = [&](TObject* sender, int index) {
        EXPECT_EQ(sender, dd);
        clicked = index;
    };
    dd->ShowDropDown();
    click(*header().ButtonList().ItemsEx(1), 2, 2);
    EXPECT_EQ(clicked, 1);
    EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDownStrips, FooterButtonsCloseByTheirModalResult) {
    TFooterButtons& items = dd->DropDownFooter().GetButtons();
    items.Add()->ModalResult = mrOk;
    items.Add()->ModalResult = mrCancel;
    items.Add()->ModalResult = mrRetry;
    for (int i = 0; i < 3; ++i) items.Items(i)->SetCaption(QString("b%1").arg(i));
    QList<int> clicks;
    dd->OnDropDownFooterButtonClick = [&](TObject*, int index) { clicks << index; };
    dd->SetText("kept");
    const auto press = [this](int index) {
        dd->ShowDropDown();
        dd->SetText("kept");
        dd->SetTextDirect("typed");
        click(*footer().ButtonList().ItemsEx(index), 2, 2);
    };
    press(0);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "typed");
    EXPECT_EQ(log.last(), "drop up");
    press(1);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "kept");
    EXPECT_EQ(log.last(), "drop up cancelled");
    press(2);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(clicks, (QList<int>{0, 1, 2}));

    // From the keyboard the button closes but fires no click.
    keyPress(*footer().ButtonList().ItemsEx(0), VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(clicks.size(), 3);
}

TEST_F(DropDownStrips, DraggingOffAButtonGivesNoClick) {
    dd->DropDownFooter().GetButtons().Add()->SetCaption("OK");
    dd->DropDownFooter().GetButtons().Items(0)->ModalResult = mrOk;
    dd->ShowDropDown();
    TExButton& ok = *footer().ButtonList().ItemsEx(0);
    mouseMessage(ok, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    EXPECT_EQ(ok.State(), absDown);
    mouseMessage(ok, WM_MOUSEMOVE, 200, 2, MK_LBUTTON);
    EXPECT_EQ(ok.State(), absUp);
    mouseMessage(ok, WM_LBUTTONUP, 200, 2);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(ok.State(), absUp);
}

TEST_F(DropDownStrips, AFooterWithoutSizingShowsNoGrip) {
    dd->DropDownSizeable = false;
    dd->ShowDropDown();
    EXPECT_FALSE(footer().HasSizeGrip());
    EXPECT_EQ(footer().ButtonArea().Right, footer().Width() - 2);
    keyPress(*dd, VK_ESCAPE);
    dd->DropDownSizeable = true;
    dd->ShowDropDown();
    EXPECT_TRUE(footer().HasSizeGrip());
    EXPECT_EQ(footer().ButtonArea().Right, footer().Width() - 14);
}

// Records where the user starts sizing a window with the mouse.
class SizingRecorder : public TWindowBackend {
public:
    SizingRecorder() { SetWindowBackend(this); }
    ~SizingRecorder() override { SetWindowBackend(nullptr); }
    void BeginUserSizing(TWinControl& window) override { sized = &window; }
    TWinControl* sized = nullptr;
};

TEST_F(DropDownStrips, TheFootersGripSizesThePopup) {
    SizingRecorder recorder;
    dd->ShowDropDown();
    TExFooter& grip = footer();
    const int right = grip.Width() - 1, bottom = grip.Height() - 1;
    mouseMove(grip, right - 3, bottom - 3);
    EXPECT_EQ(grip.Cursor(), crSizeNWSE);
    mouseMove(grip, 5, 5);
    EXPECT_EQ(grip.Cursor(), crDefault);
    mouseMessage(grip, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(grip, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(recorder.sized, nullptr);
    mouseMessage(grip, WM_LBUTTONDOWN, right - 3, bottom - 3, MK_LBUTTON);
    EXPECT_EQ(recorder.sized, &popup());
}

TEST_F(DropDownStrips, TheHeadersBorderLineIsBelowALightInnerOutline) {
    dd->ShowDropDown();
    const TColor border = ColorToRGB(dd->DropDownHeader().BorderColor);
    EXPECT_EQ(pixelOf(header(), 5, header().Height() - 1), border);
    EXPECT_EQ(pixelOf(header(), 5, 0), BlendColor(border, 0xFFFFFF, 20));
}

TEST_F(DropDownStrips, ABackgroundHandlerPaintsTheWholeStrip) {
    dd->DropDownHeader().Caption = "Caption";
    dd->OnDrawHeader = [](TObject*, TCanvas& canvas, TRect r) {
        canvas.Brush.Color = 0x00FF00;
        canvas.FillRect(r);
    };
    dd->ShowDropDown();
    const QImage image = renderToImage(header());
    EXPECT_EQ(paintedAround(image, 0x00FF00, Rect(0, 0, 0, 0)).second, 0);
}

TEST_F(DropDownStrips, HeaderChangesShowAtOnceWhileOpen) {
    dd->ShowDropDown();
    ASSERT_TRUE(header().Visible());
    dd->DropDownHeader().SetVisible(false);
    EXPECT_FALSE(header().Visible());
    dd->DropDownHeader().GetButtons().Add()->SetCaption("new");
    EXPECT_EQ(header().ButtonList().Count(), 1);
}

TEST(ExButtonGroups, ADownButtonOfAGroupStaysDownUntilAnotherGoesDown) {
    TPanel parent(nullptr);
    TExButtonAppearance appearance;
    TExButton* buttons[2];
    for (TExButton*& b : buttons) {
        b = new TExButton(&parent);
        b->SetParent(&parent);
        b->GroupIndex = 1;
        b->SetAppearance(&appearance);
    }
    click(*buttons[0], 2, 2);
    EXPECT_TRUE(buttons[0]->Down());
    click(*buttons[0], 2, 2);
    EXPECT_TRUE(buttons[0]->Down());
    click(*buttons[1], 2, 2);
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[1]->Down());

    // A check button toggles; a plain button outside a group is never down.
    TExButton check(nullptr);
    check.SetStyle(tasCheck);
    click(check, 2, 2);
    EXPECT_TRUE(check.Down());
    click(check, 2, 2);
    EXPECT_FALSE(check.Down());
    TExButton plain(nullptr);
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down());
}

TEST(ExButtonLook, FacesFollowTheState) {
    TPanel parent(nullptr);
    parent.SetBounds(0, 0, 60, 30);
    TExButtonAppearance appearance;
    appearance.SetColor(0x00FF00);
    appearance.SetColorTo(clNone);
    appearance.SetColorHot(0xFF0000);
    appearance.SetColorDisabled(0x0000FF);
    appearance.SetColorDisabledTo(clNone);
    auto* b = new TExButton(&parent);
    b->SetParent(&parent);
    b->SetAppearance(&appearance);
    EXPECT_EQ(pixelOf(*b, 3, 3), 0x00FF00);
    mouseMove(*b, 3, 3);
    EXPECT_EQ(pixelOf(*b, 3, 3), 0xFF0000);
    b->Perform(CM_MOUSELEAVE);
    b->SetEnabled(false);
    EXPECT_EQ(pixelOf(*b, 3, 3), 0x0000FF);
    EXPECT_EQ(b->State(), absDisabled);
}

}  // namespace
