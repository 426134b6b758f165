#include "platform/graphics/graphic.h"
#include "platform/graphics/image_decoder.h"
#include "platform/graphics/image_encoder.h"
#include "platform/testkit/test_pictures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct Sample {
    const char* name;
    QByteArray bytes;
};

std::vector<Sample> samples() {
    return {
        {"BMP", MakePicture("BMP", 6, 4)},
        {"PNG", MakePicture("PNG", 6, 4)},
        {"ICO", MakePicture("ICO", 6, 4)},
        {"JPEG", MakePicture("JPG", 6, 4)},
        {"grey JPEG", MakePicture("JPG", 6, 4, true)},
        {"GIF", MakeGif(6, 4, {{0, 0, 3, 4, 0, 0}, {3, 0, 3, 4, 2, 0}})},
    };
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 && std::abs(qBlue(a) - qBlue(b)) < 24;
}

}  // namespace

TEST(DecodeImage, ReadsEveryKindByItsContent) {
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.name);
        ASSERT_FALSE(s.bytes.isEmpty());
        const QImage image = DecodeImage(s.bytes);
        ASSERT_EQ(image.size(), QSize(6, 4));
        if (QByteArray(s.name) == "grey JPEG") {
            EXPECT_GT(qGray(image.pixel(0, 0)), qGray(image.pixel(5, 3))) << "red is lighter than blue";
        } else if (QByteArray(s.name) != "GIF") {  // the GIF's first frame covers the left half only
            EXPECT_TRUE(near(image.pixel(0, 0), qRgb(255, 0, 0)));
            EXPECT_TRUE(near(image.pixel(5, 3), qRgb(0, 0, 255)));
        }
    }
}

TEST(DecodeImage, RefusesPicturesCutShortAndOtherKinds) {
    for (const Sample& s : samples()) {
        for (qsizetype keep : {qsizetype(0), qsizetype(2), qsizetype(14), s.bytes.size() / 2}) {
            SCOPED_TRACE(std::string(s.name) + " cut to " + std::to_string(keep));
            EXPECT_TRUE(DecodeImage(s.bytes.left(keep)).isNull());
        }
    }
    EXPECT_TRUE(DecodeImage(MakePicture("PPM", 6, 4)).isNull()) << "a kind Qt reads but pictures do not";
    EXPECT_TRUE(DecodeImage("GIF89a not really").isNull());
}

TEST(DecodeImage, RefusesAJpegCutInItsPixelData) {
    // libjpeg itself would fill the missing rows with grey and go on.
    const QByteArray jpeg = MakePicture("JPG", 64, 48);
    ASSERT_EQ(DecodeImage(jpeg).size(), QSize(64, 48));
    EXPECT_TRUE(DecodeImage(jpeg.left(jpeg.size() - 12)).isNull());
}

TEST(DecodeImage, RefusesAJpegTooLargeToHoldWithoutTryingIt) {
    QByteArray jpeg = MakePicture("JPG", 6, 4);
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    jpeg.replace(frame + 5, 4, QByteArray::fromHex("fde8fde8"));  // 65000 x 65000
    EXPECT_TRUE(DecodeImage(jpeg).isNull());
}

TEST(GifFirstImageRect, FindsTheFirstImageBehindExtensions) {
    const QByteArray gif = MakeGif(8, 6, {{2, 1, 3, 4, 1, 5}, {0, 0, 8, 6, 0, 5}});
    EXPECT_EQ(GifFirstImageRect(gif), QRect(2, 1, 3, 4));
    EXPECT_TRUE(GifFirstImageRect(gif.left(30)).isEmpty());
    EXPECT_TRUE(GifFirstImageRect(MakePicture("PNG", 2, 2)).isEmpty());
}

TEST(DecodePicture, GivesAGifItsFirstImageAloneAndOtherPicturesWhole) {
    const auto gif = DecodePicture(MakeGif(8, 6, {{2, 1, 3, 4, 2, 5}, {0, 0, 8, 6, 0, 5}}));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->Width(), 3);
    EXPECT_EQ(gif->Height(), 4);
    EXPECT_EQ(gif->Image().pixel(0, 0), qRgb(0, 0, 255));

    const auto png = DecodePicture(MakePicture("PNG", 5, 3));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->Width(), 5);
    EXPECT_FALSE(DecodePicture("not a picture"));
}

TEST(EncodeJpeg, WritesAJpegTheDecoderReadsBack) {
    TBitmap bitmap(8, 6);
    bitmap.MutableImage().fill(qRgb(200, 30, 40));
    const QByteArray jpeg = EncodeJpeg(bitmap, 95);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    const QImage back = DecodeImage(jpeg);
    ASSERT_EQ(back.size(), QSize(8, 6));
    EXPECT_TRUE(near(back.pixel(4, 3), qRgb(200, 30, 40)));
    EXPECT_TRUE(EncodeJpeg(TBitmap()).isEmpty());
}

TEST(EncodePng, KeepsEveryPixel) {
    TBitmap bitmap(3, 2);
    bitmap.MutableImage().fill(qRgb(1, 2, 3));
    const QImage back = DecodeImage(EncodePng(bitmap));
    ASSERT_EQ(back.size(), QSize(3, 2));
    EXPECT_EQ(back.pixel(2, 1) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
}
