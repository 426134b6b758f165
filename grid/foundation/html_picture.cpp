#include "grid/foundation/html_picture.h"

#include "grid/foundation/gif_frames.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_caps.h"
#include "platform/system/files.h"
#include "platform/system/resources.h"

#include <cstdint>
#include <exception>

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Assign(const TGraphic* Source) {
    if (Source == this) return;
    FIsEmpty = true;
    gpPicture.reset();
    // The data about to be replaced is not decoded again for frame 1: bad data would make even
    // clearing the picture fail.
    resetFrames();
    if (!Source) {
        FDatastream.Clear();
        return;
    }
    const auto* picture = dynamic_cast<const THTMLPicture*>(Source);
    if (!picture) return;
    if (picture->FIsEmpty) {
        FDatastream.Clear();
        return;
    }
    FDatastream = TMemoryStream(picture->FDatastream.Memory());
    FIsEmpty = false;
    LoadPictureFromData();
    OnChange(nullptr);
}

// At its natural size on the device: a printer's page takes more pixels for the same inch.
void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const {
    if (FIsEmpty || !gpPicture) return;
    if (Stretch) {
        Canvas.StretchDraw(Rect, *gpPicture);
        return;
    }
    const int dpiX = DevicePixelsPerInchX(Canvas), dpiY = DevicePixelsPerInchY(Canvas);
    if (dpiX == ScreenPixelsPerInch && dpiY == ScreenPixelsPerInch) {
        Canvas.Draw(Rect.Left, Rect.Top, *gpPicture);
        return;
    }
    const int w = int(int64_t(Width()) * dpiX / ScreenPixelsPerInch);
    const int h = int(int64_t(Height()) * dpiY / ScreenPixelsPerInch);
    Canvas.StretchDraw({Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h}, *gpPicture);
}

int THTMLPicture::Width() const { return gpPicture ? gpPicture->Width() : 0; }
int THTMLPicture::Height() const { return gpPicture ? gpPicture->Height() : 0; }

const QImage& THTMLPicture::Image() const {
    static const TBitmap none;
    return gpPicture ? gpPicture->Image() : none.Image();
}

void THTMLPicture::LoadFromFile(const QString& FileName) {
    try {
        TMemoryStream file;
        file.LoadFromFile(FileName);
        takeData(file);
        OnChange(nullptr);
    } catch (const std::exception&) {
        makeEmpty();
    }
}

void THTMLPicture::LoadFromStream(TStream* Stream) {
    if (!Stream) return;
    takeData(*Stream);
    OnChange(nullptr);
}

void THTMLPicture::SaveToStream(TStream& Stream) const { FDatastream.SaveToStream(Stream); }

void THTMLPicture::ReadData(TStream* Stream) {
    if (Stream) takeData(*Stream);
}

void THTMLPicture::WriteData(TStream& Stream) const { FDatastream.SaveToStream(Stream); }

void THTMLPicture::LoadFromResourceName(const QString& ResName) {
    TMemoryStream resource(LoadResourceData(ResName));
    if (resource.Size() > 0) LoadFromStream(&resource);
}

void THTMLPicture::LoadFromResourceID(int ResID) {
    TMemoryStream resource(LoadResourceData(QString::number(ResID)));
    if (resource.Size() == 0) throw Exception(QString("Resource %1 not found").arg(ResID));
    LoadFromStream(&resource);
}

void THTMLPicture::LoadFromURL(const QString& url) {
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        FID = url;
        if (url.size() > 6) LoadFromResourceName(url.mid(6));
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        FID = url;
        // The markup upper-cases its sources, so the file is found regardless of case; only a
        // regular file is read (a device such as /dev/zero would never end).
        if (url.size() > 7) {
            const QString path = ExistingPathIgnoreCase(url.mid(7));
            if (FileExists(path)) LoadFromFile(path);
            else makeEmpty();
        }
    } else if (!Asynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // The background fetch ends at once without loading, and the picture stays busy.
        FURL = url;
        FThreadBusy = true;
    }
}

bool THTMLPicture::IsGIF() const { return IsGIFData(FDatastream.Memory()); }

int THTMLPicture::FrameCount() const {
    if (!IsGIF()) return -1;
    if (FFrameCount == -1) FFrameCount = CountGIFFrames(FDatastream.Memory());
    return FFrameCount;
}

int THTMLPicture::GetFrameTime(int i) {
    if (!IsGIF()) return -1;
    const TGIFFrameTiming timing = GIFFrameTiming(FDatastream.Memory(), i);
    if (timing.Delay < 0) return -1;
    FFrameTransp = timing.Transparent;
    FFrameDisposal = timing.Disposal;
    return timing.Delay;
}

int THTMLPicture::MaxWidth() const {
    if (!gpPicture) return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const {
    if (!gpPicture) return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::SetFrame(int Value) {
    FFrame = Value;
    if (FDatastream.Size() == 0) return;
    LoadPictureFromData();
    OnFrameChange(nullptr);
}

void THTMLPicture::FrameNext() { FFrame = FFrame + 1 > FrameCount() ? 1 : FFrame + 1; }

void THTMLPicture::FramePrev() { FFrame = FFrame < 2 ? FrameCount() : FFrame - 1; }

bool THTMLPicture::Step() {
    if (FrameCount() < 2 || FIsEmpty) return false;
    bool changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        try {
            LoadPictureFromData();
        } catch (const Exception&) {
            // A frame the file holds only in part: the animation stops at the first frame.
            FFrameCount = 1;
            FFrame = 1;
            try {
                LoadPictureFromData();
            } catch (const Exception&) {
            }
        }
        FNextCount += GetFrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

void THTMLPicture::takeData(TStream& Stream) {
    FDatastream.LoadFromStream(Stream);
    resetFrames();
    FIsEmpty = false;
    LoadPictureFromData();
}

// New data starts at its first frame, with its frames counted anew.
void THTMLPicture::resetFrames() {
    FFrame = 1;
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

void THTMLPicture::makeEmpty() {
    FDatastream.Clear();
    gpPicture.reset();
    resetFrames();
    FIsEmpty = true;
}

void THTMLPicture::LoadPictureFromData() {
    gpPicture.reset();
    FFrameXPos = FFrameYPos = 0;
    FAnimMaxX = FAnimMaxY = 0;
    QByteArray data = FDatastream.Memory();
    if (IsGIF() && FrameCount() > 0) {
        FAnimMaxX = GIFScreenWidth(data);
        FAnimMaxY = GIFScreenHeight(data);
        TGIFFrameCut cut = CutGIFFrames(data, FFrame);
        FFrameXPos = cut.XPos;
        FFrameYPos = cut.YPos;
        FFrameXSize = cut.Width;
        FFrameYSize = cut.Height;
        data = std::move(cut.Data);
    }
    gpPicture = DecodePicture(data);
    if (!gpPicture) throw Exception("Could not load image. Invalid format");
}
