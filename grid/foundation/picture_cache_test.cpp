#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"

#include "grid/foundation/picture_fixture.h"
#include "platform/controls/timer.h"
#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

// What the markup does with a "://" source: the cached picture, loaded on first use.
THTMLPicture* cachedPicture(THTMLPictureCache& cache, const QString& source) {
    if (THTMLPicture* found = cache.FindPicture(source)) return found;
    THTMLPicture* picture = cache.AddPicture();
    picture->Asynch = false;
    picture->LoadFromURL(source);
    return picture;
}

}  // namespace

TEST(HTMLPictureCache, KeepsPicturesUnderTheirExactSource) {
    PictureFiles files;
    const QString path = files.write("p.png", MakePicture("PNG", 3, 2));
    THTMLPictureCache cache;
    THTMLPicture* first = cachedPicture(cache, "FILE://" + path);
    ASSERT_FALSE(first->Empty());
    ASSERT_TRUE(DeleteFile(path));
    EXPECT_EQ(cachedPicture(cache, "FILE://" + path), first) << "reused, not loaded again";
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(first->Width(), 3);

    EXPECT_EQ(cache.FindPicture("file://" + path), nullptr) << "letter case counts";
    THTMLPicture* remote = cachedPicture(cache, "http://127.0.0.1/x.png");
    EXPECT_TRUE(remote->Empty());
    EXPECT_EQ(cachedPicture(cache, "http://127.0.0.1/x.png"), remote) << "an empty picture is cached too";
    EXPECT_EQ(cache.Count(), 2);
}

TEST(HTMLPictureCache, ReplacesReadsAndClearsItsPictures) {
    THTMLPictureCache cache;
    cache.AddPicture();
    EXPECT_THROW(cache.GetPicture(1), Exception);
    EXPECT_THROW(cache.SetPicture(-1, std::make_unique<THTMLPicture>()), Exception);
    auto replacement = std::make_unique<THTMLPicture>();
    THTMLPicture* raw = replacement.get();
    cache.SetPicture(0, std::move(replacement));
    EXPECT_EQ(cache.GetPicture(0), raw);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, FindsItemsByNameInAnyCaseAndCopiesThem) {
    PictureFiles files;
    TPictureContainer container(nullptr);
    TPictureItem* logo = container.Items().Add();
    logo->Name = "Logo";
    logo->Tag = 7;
    logo->Picture().LoadFromFile(files.write("p.png", MakePicture("PNG", 3, 2)));
    container.Items().Insert(0)->Name = "Other";

    EXPECT_EQ(container.FindPicture("LOGO"), &logo->Picture());
    EXPECT_EQ(container.FindPicture("Missing"), nullptr);
    EXPECT_EQ(container.Items().GetOwner(), &container);
    EXPECT_THROW(container.Items().Insert(3), Exception);

    TPictureContainer copy(nullptr);
    copy.SetItems(container.Items());
    ASSERT_EQ(copy.Items().Count(), 2);
    TPictureItem* copied = copy.Items().GetItem(1);
    EXPECT_EQ(copied->Name, "Logo");
    EXPECT_EQ(copied->Tag, 7);
    EXPECT_NE(&copied->Picture(), &logo->Picture());
    EXPECT_EQ(copied->Picture().Width(), 3);
    EXPECT_EQ(copy.FindPicture("logo"), &copied->Picture());

    copy.Items().SetItem(0, *logo);
    EXPECT_EQ(copy.Items().GetItem(0)->Name, "Logo");
    EXPECT_EQ(copy.Items().Count(), 2);
}

TEST(PictureAnimation, RunsOnATimerOfATenthOfASecond) {
    PictureFiles files;
    THTMLPictureCache cache;
    cachedPicture(cache, "FILE://" + files.write("still.png", MakePicture("PNG", 3, 2)));
    THTMLPicture* gif = cachedPicture(cache, "FILE://" + files.write("two.gif", PictureFiles::twoFrameGif()));
    TPictureContainer container(nullptr);
    container.Items().Add()->Picture().Assign(gif);

    std::vector<int> repaints;
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.OnTimer = [&](TObject*) {
        const bool cacheChanged = cache.Animate();
        const bool containerChanged = container.Items().Animate();
        if (cacheChanged || containerChanged) repaints.push_back(gif->Frame());
    };
    advance(1000);
    EXPECT_EQ(repaints, (std::vector<int>{2, 1, 2, 1, 2})) << "a quarter second on frame 2, a tenth on frame 1";
    EXPECT_EQ(container.Items().GetItem(0)->Picture().Frame(), gif->Frame());
}
