#include "grid/foundation/html_render_fixture.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/picture_fixture.h"
#include "platform/controls/image_list.h"
#include "platform/core/stream.h"

namespace {

class HTMLImagesTest : public HTMLRenderTest {
protected:
    void SetUp() override {
        HTMLRenderTest::SetUp();
        images.Width = images.Height = 16;
        for (const TColor c : {clRed, clLime, clBlue}) {
            TBitmap b(16, 16);
            b.Canvas().Brush.Color = c;
            b.Canvas().FillRect({0, 0, 16, 16});
            images.Add(b);
        }
        addPicture("Pic", MakePicture("BMP", 64, 48));  // left half red, right half blue
        addPicture("Tile", MakePicture("BMP", 4, 2));
        addPicture("Two", PictureFiles::twoFrameGif());
        options.Images = &images;
        options.PictureContainer = &container;
        options.PictureCache = &cache;
    }
    void addPicture(const QString& name, const QByteArray& bytes) {
        TPictureItem* item = container.Items().Add();
        item->Name = name;
        TMemoryStream stream(bytes);
        item->Picture().LoadFromStream(&stream);
    }
    THTMLDrawResults measureImg(const QString& text, TRect r = {0, 0, 300, 200}) { return measure(text, r, options); }

    TImageList images{nullptr};
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;
    THTMLDrawOptions options;
};

TEST_F(HTMLImagesTest, ImageListPicturesByIndex) {
    const struct {
        const char* html;
        int width;
    } cases[] = {{"<IMG SRC=\"IDX:2\">", 16}, {"<img src=\"idx:0\">", 16}, {"<IMG SRC=\"IDX:3\">", 0},
                 {"<IMG SRC=\"IDX:-1\">", 0}, {"<IMG SRC=\"IDX:x\">", 0},  {"a<IMG SRC=\"IDX:1\">", 16}};
    for (const auto& c : cases) {
        const THTMLDrawResults r = measureImg(c.html);
        EXPECT_EQ(r.MaxLineWidth - width(r.PlainText), c.width) << c.html;
        EXPECT_EQ(r.TotalHeight, c.width ? std::max(16, gh()) : gh()) << c.html;
    }
    options.Images = nullptr;
    EXPECT_EQ(measureImg("<IMG SRC=\"IDX:0\">").MaxLineWidth, 0);

    options.Images = &images;
    draw("<IMG SRC=\"IDX:2\">", area, options);
    EXPECT_EQ(inked(clBlue), (TRect{1, 0, 16, 15}));
    canvas.FillRect(area);
    options.ScaledImages = true;
    options.ScaleFactor = 1.5;
    draw("<IMG SRC=\"IDX:2\">", area, options);
    EXPECT_EQ(inked(clBlue), (TRect{1, 0, 24, 23}));
}

TEST_F(HTMLImagesTest, PicturesTakeTheSizeAskedForKeepingTheirProportions) {
    const struct {
        const char* html;
        int width, height;
    } cases[] = {
        {"<IMG SRC=\"Pic\">", 64, 48},          {"<IMG SRC=\"PIC\" WIDTH=\"32\">", 32, 24},
        {"<IMG SRC=\"pic\" HEIGHT=\"24\">", 32, 24}, {"<IMG SRC=\"Pic\" WIDTH=\"10\" HEIGHT=\"70\">", 10, 70},
        {"<IMG SRC=\"Missing\">", 0, 0},        {"<IMG SRC=\"Pic\" WIDTH=\"-5\">", 64, 48},
    };
    for (const auto& c : cases) {
        const THTMLDrawResults r = measureImg(c.html);
        EXPECT_EQ(r.MaxLineWidth, c.width) << c.html;
        EXPECT_EQ(r.TotalHeight, std::max(gh(), c.height)) << c.html;
    }
    draw("<IMG SRC=\"Pic\" WIDTH=\"32\">", area, options);
    EXPECT_EQ(inked(clRed).Left, 1);
    EXPECT_EQ(inked(clBlue).Right, 32);
    EXPECT_EQ(inked(clBlue).Bottom, 23);
    EXPECT_EQ(notPaper({33, 0, 300, 200}) + notPaper({0, 24, 300, 200}), 0);
}

TEST_F(HTMLImagesTest, PicturesWrapLikeWords) {
    // Too wide for the room left but not for a line: the picture starts the next line.
    EXPECT_EQ(measureImg("text <IMG SRC=\"Pic\">", {0, 0, 1 + 70, 200}).TotalHeight, gh() + 48);
    // Wider than the line: it stays where it is.
    EXPECT_EQ(measureImg("text <IMG SRC=\"Pic\">", {0, 0, 1 + 40, 200}).TotalHeight, 48);
}

TEST_F(HTMLImagesTest, AlignedPicturesRaiseTheTextOfTheirLine) {
    const QString text = "<IMG SRC=\"Pic\" HEIGHT=\"40\" ALIGN=\"TOP\"><A HREF=\"x\">link</A>";
    THTMLDrawResults r;
    const int x = 1 + 53 + 5;
    EXPECT_TRUE(hitTest(text, x, gh() / 2, r, area, options));
    EXPECT_FALSE(hitTest(text, x, 40 - gh() / 2, r, area, options));
    const QString middle = "<IMG SRC=\"Pic\" HEIGHT=\"40\" ALIGN=\"MIDDLE\"><A HREF=\"x\">link</A>";
    const int raise = (40 - gh()) / 2;
    EXPECT_TRUE(hitTest(middle, x, 40 - raise - gh() / 2, r, area, options));
    EXPECT_FALSE(hitTest(middle, x, 40 - raise + 2, r, area, options));
    EXPECT_TRUE(hitTest("<IMG SRC=\"Pic\" HEIGHT=\"40\"><A HREF=\"x\">link</A>", x, 40 - gh() / 2, r, area, options));
}

TEST_F(HTMLImagesTest, APictureInAnAnchorIsHitAndShowsItsAlternativeWhenHot) {
    const QString text = "<A HREF=\"go\" TITLE=\"Go\"><IMG SRC=\"IDX:0\" ALT=\"IDX:1\"></A> <IMG SRC=\"IDX:0\">";
    THTMLDrawResults r;
    ASSERT_TRUE(hitTest(text, 8, 8, r, area, options));
    EXPECT_EQ(r.HitHref, "go");
    EXPECT_EQ(r.HitTitle, "Go");
    THTMLDrawResults outside;
    EXPECT_FALSE(hitTest(text, 1 + 16 + width(" ") + 8, 8, outside, area, options));  // not in an anchor
    EXPECT_TRUE(outside.HitHref.isEmpty());

    // Painted with the mouse on it, the picture shows its ALT source.
    options.HitX = options.HitY = 8;
    EXPECT_TRUE(draw(text, area, options).HitHref == "go");
    EXPECT_EQ(inked(clLime), (TRect{1, 0, 16, 15}));
    EXPECT_EQ(inked(clRed).Left, 1 + 16 + width(" "));
    canvas.FillRect(area);
    options.HitX = options.HitY = -1;
    draw(text, area, options);
    EXPECT_EQ(count(clLime), 0);
}

TEST_F(HTMLImagesTest, AddressedPicturesAreLoadedOnceIntoTheCache) {
    PictureFiles files;
    const QString path = files.write("shot.png", MakePicture("PNG", 6, 4));
    const QString text = "<IMG SRC=\"file://" + path + "\">";
    EXPECT_EQ(measureImg(text).MaxLineWidth, 6);
    EXPECT_EQ(measureImg(text + text).MaxLineWidth, 12);
    ASSERT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.GetPicture(0)->ID(), "FILE://" + path.toUpper());  // sources are upper-cased
    EXPECT_EQ(measureImg("<IMG SRC=\"res://logo\">").MaxLineWidth, 5);
    EXPECT_EQ(measureImg("<IMG SRC=\"http://127.0.0.1/x.png\">").MaxLineWidth, 0);
    EXPECT_EQ(measureImg("<IMG SRC=\"http://127.0.0.1/x.png\">").MaxLineWidth, 0);
    EXPECT_EQ(cache.Count(), 3);
    options.PictureCache = nullptr;
    EXPECT_EQ(measureImg(text).MaxLineWidth, 0);
}

TEST_F(HTMLImagesTest, AnAnimationShowsItsFrameOnTheBackgroundOfItsScreen) {
    container.FindPicture("Two")->SetFrame(2);  // a blue 2 x 1 frame at (1, 1) of a 4 x 3 screen
    canvas.Brush.Color = clYellow;
    EXPECT_EQ(measureImg("<IMG SRC=\"Two\">").MaxLineWidth, 4);
    draw("<IMG SRC=\"Two\">", area, options);
    EXPECT_EQ(inked(clYellow), (TRect{1, 0, 4, 2}));
    EXPECT_EQ(inked(clBlue), (TRect{2, 1, 3, 1}));
}

TEST_F(HTMLImagesTest, SystemIconsTakeTheSizeOfTheirList) {
    EXPECT_EQ(measureImg("<IMG SRC=\"SSYS:0\">").MaxLineWidth, 16);
    EXPECT_EQ(measureImg("<IMG SRC=\"LSYS:0\">").TotalHeight, 32);
    EXPECT_EQ(measureImg("<IMG SRC=\"SSYS:/no/such/file.txt\">").MaxLineWidth, 16);
    EXPECT_EQ(measureImg("<IMG SRC=\"SSYS:99999\">").MaxLineWidth, 0);
}

TEST_F(HTMLImagesTest, ABodyBackgroundIsTiledOverTheRectangle) {
    draw("<BODY BACKGROUND=\"tile\">", {0, 0, 10, 5}, options);
    EXPECT_EQ(at(0, 0), clRed);
    EXPECT_EQ(at(2, 0), clBlue);
    EXPECT_EQ(at(4, 1), clRed);
    EXPECT_EQ(at(7, 4), clBlue);
    EXPECT_EQ(at(9, 4), clRed);
    EXPECT_EQ(at(10, 0), Paper);
    EXPECT_EQ(at(0, 5), Paper);
}

}  // namespace
