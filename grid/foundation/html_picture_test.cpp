#include "grid/foundation/html_picture.h"

#include "grid/foundation/picture_fixture.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/exception_message.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Kind {
    const char* file;
    QByteArray bytes;
    int width, height;
};

std::vector<Kind> kinds() {
    return {
        {"p.bmp", MakePicture("BMP", 5, 2), 5, 2},   {"p.ico", MakePicture("ICO", 6, 4), 6, 4},
        {"p.jpg", MakePicture("JPG", 4, 3), 4, 3},   {"p.png", MakePicture("PNG", 7, 5), 7, 5},
        {"p.gif", PictureFiles::twoFrameGif(), 4, 3},
    };
}

QByteArray savedData(const THTMLPicture& p) {
    TMemoryStream s;
    p.SaveToStream(s);
    return s.Memory();
}

QRgb pixel(const THTMLPicture& p, int x, int y) { return p.Image().pixel(x, y); }

// A printer of a given resolution that notes where images go instead of printing them.
class RecordingPrinter : public QPaintDevice {
public:
    explicit RecordingPrinter(int Dpi) : dpi(Dpi) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    int devType() const override { return QInternal::Printer; }
    const std::vector<QRectF>& imageTargets() const { return engine.targets; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: case PdmHeight: return 8 * dpi;
        case PdmWidthMM: case PdmHeightMM: return 203;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi;
        case PdmDepth: return 32;
        case PdmNumColors: return 0x7FFFFFFF;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { targets.push_back(r); }
        void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
            targets.push_back(r);
        }
        Type type() const override { return User; }
        std::vector<QRectF> targets;
    };
    const int dpi;
    mutable Engine engine;
};

}  // namespace

TEST(HTMLPicture, LoadsOneFileOfEveryKind) {
    PictureFiles files;
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.file);
        THTMLPicture p;
        int changes = 0;
        p.OnChange = [&](TObject*) { ++changes; };
        p.LoadFromFile(files.write(k.file, k.bytes));
        EXPECT_FALSE(p.Empty());
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(p.Width(), k.width);
        EXPECT_EQ(p.Height(), k.height);
        EXPECT_EQ(p.MaxWidth(), k.width);
        EXPECT_EQ(p.MaxHeight(), k.height);
        const bool gif = QByteArray(k.file).endsWith(".gif");
        EXPECT_EQ(p.IsGIF(), gif);
        EXPECT_EQ(p.FrameCount(), gif ? 2 : -1);
        EXPECT_EQ(savedData(p), k.bytes) << "the raw bytes are kept";
    }
}

TEST(HTMLPicture, ShowsAGifOneFrameAtATime) {
    PictureFiles files;
    THTMLPicture p;
    p.LoadFromFile(files.write("two.gif", PictureFiles::twoFrameGif()));
    EXPECT_EQ(p.GetFrameTime(1), 10);
    EXPECT_EQ(p.GetFrameTime(2), 25);
    EXPECT_EQ(p.GetFrameTime(3), -1);
    EXPECT_EQ(pixel(p, 0, 0), qRgb(255, 0, 0));

    int frameChanges = 0;
    p.OnFrameChange = [&](TObject*) { ++frameChanges; };
    p.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(p.Width(), 2) << "a frame has its own size";
    EXPECT_EQ(p.Height(), 1);
    EXPECT_EQ(p.MaxWidth(), 4) << "the logical screen";
    EXPECT_EQ(p.MaxHeight(), 3);
    EXPECT_EQ(p.FrameXPos(), 1);
    EXPECT_EQ(p.FrameYPos(), 1);
    EXPECT_EQ(pixel(p, 0, 0), qRgb(0, 0, 255));

    p.FrameNext();
    EXPECT_EQ(p.Frame(), 1);
    p.FramePrev();
    EXPECT_EQ(p.Frame(), 2);
    p.FramePrev();
    EXPECT_EQ(p.Frame(), 1);
    EXPECT_EQ(frameChanges, 1) << "stepping the number decodes nothing";

    EXPECT_THROW(p.SetFrame(3), Exception) << "no such frame: nothing to decode";
}

TEST(HTMLPicture, NewDataStartsAtItsFirstFrameWithItsOwnFrameCount) {
    PictureFiles files;
    THTMLPicture p;
    p.LoadFromFile(files.write("two.gif", PictureFiles::twoFrameGif()));
    p.SetFrame(2);
    p.LoadFromFile(files.write("one.gif", MakeGif(5, 2, {{0, 0, 5, 2, 1, 10}})));
    EXPECT_FALSE(p.Empty());
    EXPECT_EQ(p.Frame(), 1);
    EXPECT_EQ(p.FrameCount(), 1);
    EXPECT_EQ(p.Width(), 5);
    p.LoadFromFile(files.write("p.png", MakePicture("PNG", 3, 2)));
    EXPECT_EQ(p.FrameCount(), -1);
    EXPECT_EQ(p.MaxWidth(), 3);
}

TEST(HTMLPicture, FilesCutShortEmptyOrMislabelledLoadEmptyOrByContent) {
    PictureFiles files;
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.file);
        THTMLPicture p;
        p.LoadFromFile(files.write(k.file, k.bytes.left(k.bytes.size() / 2)));
        EXPECT_TRUE(p.Empty());
        EXPECT_EQ(p.Width(), 0);
        EXPECT_EQ(p.MaxWidth(), 0);
    }
    const struct {
        const char* file;
        QByteArray bytes;
        bool loads;
    } cases[] = {
        {"empty.png", QByteArray(), false},
        {"text.gif", "GIF8 is all", false},
        {"png.jpg", MakePicture("PNG", 3, 2), true},
        {"jpeg.bmp", MakePicture("JPG", 3, 2), true},
    };
    for (const auto& c : cases) {
        THTMLPicture p;
        p.LoadFromFile(files.write(c.file, c.bytes));
        EXPECT_EQ(p.Empty(), !c.loads) << c.file;
        EXPECT_EQ(p.Width(), c.loads ? 3 : 0) << c.file;
    }
    THTMLPicture missing;
    missing.LoadFromFile(files.folder.file("missing.png"));
    EXPECT_TRUE(missing.Empty());
}

TEST(HTMLPicture, StreamsRaiseOnBadDataAndKeepTheRawBytes) {
    THTMLPicture p;
    TMemoryStream bad(QByteArray("not a picture"));
    EXPECT_EQ(messageOf([&] { p.LoadFromStream(&bad); }), "Could not load image. Invalid format");
    TMemoryStream empty;
    EXPECT_EQ(messageOf([&] { p.LoadFromStream(&empty); }), "Could not load image. Invalid format");
    p.LoadFromStream(nullptr);

    const QByteArray png = MakePicture("PNG", 3, 2);
    TMemoryStream good(png);
    good.SetPosition(2);
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.ReadData(&good);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(p.Width(), 3) << "the whole stream, from its start";
    TMemoryStream written;
    p.WriteData(written);
    EXPECT_EQ(written.Memory(), png);
}

TEST(HTMLPicture, AssignCopiesPicturesAndClears) {
    PictureFiles files;
    THTMLPicture source;
    source.LoadFromFile(files.write("two.gif", PictureFiles::twoFrameGif()));
    source.SetFrame(2);

    THTMLPicture copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Frame(), 1) << "a copy starts at its first frame";
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(savedData(copy), savedData(source));

    THTMLPicture emptySource;
    copy.Assign(&emptySource);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(savedData(copy).isEmpty());

    // Bad data stays after a failed load; clearing must still work.
    THTMLPicture broken;
    TMemoryStream bad(QByteArray("GIF89a broken"));
    EXPECT_THROW(broken.LoadFromStream(&bad), Exception);
    broken.Assign(nullptr);
    EXPECT_TRUE(broken.Empty());
    EXPECT_TRUE(savedData(broken).isEmpty());

    TBitmap other(2, 2);
    copy.Assign(&source);
    copy.Assign(&other);
    EXPECT_TRUE(copy.Empty()) << "another kind of graphic gives nothing";
    EXPECT_EQ(copy.Width(), 0);
}

TEST(HTMLPicture, LoadsFromResourcesFilesAndNotesOtherAddresses) {
    PictureFiles files;
    THTMLPicture resource;
    resource.LoadFromURL("res://LOGO");
    EXPECT_EQ(resource.ID(), "res://LOGO");
    EXPECT_FALSE(resource.Empty()) << "the resource Logo, found in any case";
    EXPECT_EQ(resource.Width(), 5);

    THTMLPicture file;
    const QString path = files.write("p.png", MakePicture("PNG", 3, 2));
    file.LoadFromURL("File://" + path);
    EXPECT_EQ(file.ID(), "File://" + path);
    EXPECT_EQ(file.Width(), 3);
    // Found in any case, as the markup asks for it; a device is never read.
    THTMLPicture upper;
    upper.LoadFromURL("FILE://" + path.toUpper());
    EXPECT_EQ(upper.Width(), 3);
    THTMLPicture device;
    device.LoadFromURL("FILE:///dev/zero");
    EXPECT_TRUE(device.Empty());

    for (const char* url : {"res://NOSUCH", "res://", "file://"}) {
        THTMLPicture p;
        p.LoadFromURL(url);
        EXPECT_TRUE(p.Empty()) << url;
        EXPECT_EQ(p.ID(), url);
    }

    THTMLPicture remote;
    remote.Asynch = false;
    remote.LoadFromURL("http://127.0.0.1/p.png");
    EXPECT_EQ(remote.ID(), "http://127.0.0.1/p.png");
    EXPECT_TRUE(remote.Empty());
    EXPECT_FALSE(remote.Busy());

    THTMLPicture background;
    background.LoadFromURL("http://127.0.0.1/p.png");
    EXPECT_TRUE(background.Busy()) << "the fetch never ends";
    EXPECT_TRUE(background.ID().isEmpty());
    EXPECT_TRUE(background.Empty());

    THTMLPicture numbered;
    EXPECT_THROW(numbered.LoadFromResourceID(4711), Exception);
}

TEST(HTMLPicture, StepsItsFramesByTheirDelays) {
    PictureFiles files;
    THTMLPicture p;
    p.LoadFromFile(files.write("two.gif", PictureFiles::twoFrameGif()));
    // Each step is a tenth of a second and the delays add up from the second step: frame 2 is due
    // to end at 0.24 s, frame 1 at 0.34 s, frame 2 at 0.59 s, frame 1 at 0.69 s.
    const bool changes[] = {false, true, false, false, true, true, false, true, true};
    const int frames[] = {1, 2, 2, 2, 1, 2, 2, 1, 2};
    for (size_t i = 0; i < std::size(changes); ++i) {
        EXPECT_EQ(p.Step(), changes[i]) << "step " << i + 1;
        EXPECT_EQ(p.Frame(), frames[i]) << "step " << i + 1;
    }
    EXPECT_EQ(pixel(p, 0, 0), qRgb(0, 0, 255));

    THTMLPicture still;
    still.LoadFromFile(files.write("p.png", MakePicture("PNG", 3, 2)));
    THTMLPicture empty;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(still.Step());
        EXPECT_FALSE(empty.Step());
    }
}

TEST(HTMLPicture, AGifCutInItsSecondFrameStopsAtItsFirst) {
    PictureFiles files;
    const QByteArray gif = PictureFiles::twoFrameGif();
    const qsizetype second = gif.lastIndexOf("\x21\xF9\x04");
    ASSERT_GT(second, 0);
    THTMLPicture p;
    p.LoadFromFile(files.write("cut.gif", gif.left(second + 20)));  // up to its pixel data
    ASSERT_FALSE(p.Empty());
    EXPECT_EQ(p.FrameCount(), 2);
    for (int i = 0; i < 4; ++i) EXPECT_NO_THROW(p.Step());
    EXPECT_EQ(p.FrameCount(), 1);
    EXPECT_EQ(p.Frame(), 1);
    EXPECT_EQ(p.Width(), 4);
}

TEST(HTMLPicture, DrawsAtItsOwnSizeOrStretched) {
    PictureFiles files;
    THTMLPicture p;
    p.LoadFromFile(files.write("p.png", MakePicture("PNG", 2, 2)));  // red left column, blue right
    TBitmap target(10, 10);
    TCanvas& canvas = target.Canvas();
    p.Draw(canvas, Rect(3, 3, 9, 9));
    EXPECT_EQ(canvas.Pixel(3, 3), clRed);
    EXPECT_EQ(canvas.Pixel(4, 4), clBlue);
    EXPECT_EQ(canvas.Pixel(5, 5), clWhite);

    p.Stretch = true;
    p.Draw(canvas, Rect(0, 6, 10, 10));
    EXPECT_EQ(canvas.Pixel(4, 9), clRed);
    EXPECT_EQ(canvas.Pixel(5, 9), clBlue);

    THTMLPicture empty;
    empty.Stretch = true;
    empty.Draw(canvas, Rect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
}

TEST(HTMLPicture, APrinterPageTakesThePictureAtItsOwnResolution) {
    PictureFiles files;
    THTMLPicture p;
    p.LoadFromFile(files.write("p.png", MakePicture("PNG", 8, 6)));
    RecordingPrinter printer(600);
    {
        QPainter painter(&printer);
        TCanvas canvas(&painter);
        p.Draw(canvas, Rect(10, 20, 11, 21));
        p.Stretch = true;
        p.Draw(canvas, Rect(0, 0, 30, 30));
    }
    ASSERT_EQ(printer.imageTargets().size(), 2u);
    EXPECT_EQ(printer.imageTargets()[0], QRectF(10, 20, 8 * 600 / 96, 6 * 600 / 96));
    EXPECT_EQ(printer.imageTargets()[1], QRectF(0, 0, 30, 30)) << "stretched fills its rectangle";
}
