#include "grid/stringgrid/paint/html_hint_window.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/picture_container.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

namespace {

class HTMLHintWindowTest : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        screen.Monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
        hint = new THTMLHintWindow(form);
    }
    void TearDown() override {
        SetHTMLHintFontName(QString());
        StringGridFixture::TearDown();
    }

    TScriptedScreen screen;
    THTMLHintWindow* hint = nullptr;
};

// The window sizes itself to the text whatever rectangle it gets, and stays on the monitor.
TEST_F(HTMLHintWindowTest, TakesTheSizeOfItsTextAndStaysOnTheMonitor) {
    const QString text = QStringLiteral("<b>Width</b> = 120");
    const TRect size = hint->CalcHintRect(300, text);
    struct Case {
        const char* name;
        TPoint asked;
        TPoint shown;
    };
    const Case cases[] = {
        {"inside", {100, 50}, {100, 50}},
        {"past the right edge", {1000, 50}, {1024 - size.Width() - 2, 50}},
        {"past the bottom", {100, 760}, {100, 768 - 2 - size.Height()}},
    };
    for (const Case& c : cases) {
        hint->ActivateHint(Rect(c.asked.X, c.asked.Y, c.asked.X + 5, c.asked.Y + 5), text);
        EXPECT_TRUE(hint->Showing()) << c.name;
        EXPECT_EQ(hint->Width(), hint->TextWidth() + 16) << c.name;
        EXPECT_EQ(hint->Height(), hint->TextHeight() + 4) << c.name;
        EXPECT_EQ((TPoint{hint->Left(), hint->Top()}), c.shown) << c.name;
    }
    EXPECT_EQ(size.Width(), hint->Width());
    EXPECT_EQ(size.Height(), hint->Height());
}

TEST_F(HTMLHintWindowTest, WideTextIsDecodedAndMeasuredInTheHintFont) {
    SetHTMLHintFontName(QStringLiteral("DejaVu Sans Mono"));
    const QString wide = QStringLiteral("Grüße, ∑ 42");
    hint->ActivateHint(Rect(10, 10, 20, 20), EncodeWideText(wide));
    EXPECT_EQ(hint->WideCaption(), wide);
    TCanvas& canvas = hint->Canvas();
    canvas.Font.Assign(hint->Font());
    canvas.Font.SetName(QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(hint->TextWidth(), canvas.TextWidth(wide));
    EXPECT_EQ(hint->Width(), canvas.TextWidth(wide) + 8);
    EXPECT_FALSE(renderToImage(*hint).isNull());
}

// A grid as the hint's data lends its images and pictures; other data leaves them; a list
// freed while the window keeps it is let go rather than drawn from later.
TEST_F(HTMLHintWindowTest, AGridLendsItsPicturesAndAFreedListIsLetGo) {
    auto* images = new TImageList(nullptr);
    TPictureContainer pictures(nullptr);
    grid->SetGridImages(images);
    grid->SetPictureContainer(&pictures);
    hint->ActivateHintData(Rect(10, 10, 20, 20), "<b>a</b>", grid);
    EXPECT_EQ(hint->Images(), images);
    EXPECT_EQ(hint->PictureContainer(), &pictures);

    TObject other;
    hint->ActivateHintData(Rect(10, 10, 20, 20), "<b>b</b>", &other);
    EXPECT_EQ(hint->Images(), images);
    EXPECT_EQ(hint->PictureContainer(), &pictures);

    delete images;
    EXPECT_EQ(hint->Images(), nullptr);
    hint->ActivateHint(Rect(10, 10, 20, 20), "<img src=\"idx:0\"> c");
    EXPECT_FALSE(renderToImage(*hint).isNull());
    grid->SetPictureContainer(nullptr);
    hint->SetPictureContainer(nullptr);
}

}  // namespace
