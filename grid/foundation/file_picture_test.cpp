#include "grid/foundation/file_picture.h"

#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"

#include <gtest/gtest.h>

namespace {

QString testFile(const char* name) { return QString(LW_TESTDATA) + "/" + name; }

TEST(FilePicture, TakesTheSizeOfItsFile) {
    struct Case {
        const char* file;
        int width, height;
    };
    const Case cases[] = {{"picture_5x2.bmp", 5, 2}, {"picture_4x3.jpg", 4, 3}};
    for (const Case& c : cases) {
        TFilePicture picture;
        picture.SetFilename(testFile(c.file));
        EXPECT_EQ(picture.Width(), c.width) << c.file;
        EXPECT_EQ(picture.Height(), c.height) << c.file;
    }
}

TEST(FilePicture, FileThatCannotBeLoadedKeepsTheNameAndRaises) {
    TempFolder folder;
    const QString notPicture = folder.write("note.bmp", "not a picture");
    const QString missing = folder.file("missing.bmp");
    for (const QString& name : {notPicture, missing}) {
        TFilePicture picture;
        EXPECT_THROW(picture.SetFilename(name), Exception) << name.toStdString();
        EXPECT_EQ(picture.Filename(), name);
    }
}

TEST(FilePicture, EmptyNameClearsTheSizeAndDrawsNothing) {
    TFilePicture picture;
    picture.SetFilename(testFile("picture_5x2.bmp"));
    picture.SetFilename("");
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    TBitmap target(4, 4);
    target.Canvas().SetPixel(1, 1, clWhite);
    picture.DrawPicture(target.Canvas(), TRect{0, 0, 4, 4});
    EXPECT_EQ(target.Canvas().Pixel(1, 1), clWhite);
}

TEST(FilePicture, DrawsByLoadingTheFileAgain) {
    TempFolder folder;
    ASSERT_TRUE(CopyFile(testFile("picture_5x2.bmp"), folder.file("p.bmp"), false));
    TFilePicture picture;
    picture.SetFilename(folder.file("p.bmp"));

    TBitmap target(10, 10);
    picture.DrawPicture(target.Canvas(), TRect{0, 0, 10, 4});
    EXPECT_EQ(target.Canvas().Pixel(5, 2), clRed);

    // Nothing is held in memory: a vanished file cannot be drawn.
    ASSERT_TRUE(DeleteFile(folder.file("p.bmp")));
    EXPECT_THROW(picture.DrawPicture(target.Canvas(), TRect{0, 0, 10, 4}), Exception);

    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), picture.Filename());
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_EQ(copy.Height(), 2);
}

}  // namespace
