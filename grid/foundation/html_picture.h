#pragma once

#include "platform/core/events.h"
#include "platform/core/stream.h"
#include "platform/graphics/graphic.h"

#include <QString>
#include <cstdint>
#include <memory>

class TCanvas;

using TDownloadProgressEvent = TEvent<void(TObject* Sender, uint32_t dwSize, uint32_t dwTotSize)>;
using TDownloadCancelEvent = TEvent<void(TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = TEvent<void(TObject* Sender)>;
using TDownloadErrorEvent = TEvent<void(TObject* Sender, const QString& err)>;

// A picture of the markup. It keeps the raw bytes of a BMP, ICO, GIF, JPEG or PNG and decodes them
// on every load; an animated GIF is shown one frame at a time by decoding its bytes from that
// frame on. Decoding raises "Could not load image. Invalid format" for bytes that are no whole
// picture. Remote addresses are never fetched, so the download events never fire.
class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Starts again at frame 1 with no decoded picture. A THTMLPicture source that holds a picture
    // gives its data, which is decoded (raising as LoadFromStream) and reported by OnChange; an
    // empty one leaves this picture empty; no source clears the data; other graphics add nothing.
    void Assign(const TGraphic* Source);
    // Stretched into Rect, or at its own size at Rect's top-left corner; nothing when empty.
    void Draw(TCanvas& Canvas, const TRect& Rect) const;

    bool Empty() const override { return FIsEmpty; }
    // The decoded picture's size, 0 without one.
    int Width() const override;
    int Height() const override;
    const QImage& Image() const override;

    // Any error leaves the picture empty and goes no further.
    void LoadFromFile(const QString& FileName);
    // The whole stream, from its start; nothing for no stream. Decoding errors are raised.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream& Stream) const;
    // As LoadFromStream and SaveToStream, without OnChange (reading stored settings).
    void ReadData(TStream* Stream);
    void WriteData(TStream& Stream) const;
    // The program's resource of that name (any letter case); nothing when there is none.
    void LoadFromResourceName(const QString& ResName);
    // The program's resource named by the number; raises when there is none.
    void LoadFromResourceID(int ResID);
    // "RES://name" and "FILE://path" (prefixes in any case; the file found regardless of case,
    // and read only when it is a regular file) load at once and become the ID. Any
    // other address is only noted: with Asynch it marks the picture busy for good, without it
    // becomes the ID.
    void LoadFromURL(const QString& url);

    bool Stretch = false;
    bool Asynch = true;
    bool IsDB = false;
    bool Busy() const { return FThreadBusy; }
    const QString& ID() const { return FID; }

    bool IsGIF() const;
    // Frames of GIF data (counted once); -1 for other data.
    int FrameCount() const;
    // Delay of frame i in hundredths of a second; -1 when not GIF or there is no frame i. Notes the
    // frame's transparency and disposal method.
    int GetFrameTime(int i);
    // The GIF's logical screen, else the picture's own size; 0 without a decoded picture.
    int MaxWidth() const;
    int MaxHeight() const;
    // Where the shown frame lies on the GIF's logical screen.
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }

    int Frame() const { return FFrame; }
    // Decodes the frame when there is data (raising as LoadFromStream), then fires OnFrameChange.
    void SetFrame(int Value);
    // The next and previous frame, round the ends; nothing is decoded.
    void FrameNext();
    void FramePrev();
    // One tick of the animation, a tenth of a second; true when another frame is shown.
    bool Step();

    TNotifyEvent OnFrameChange;
    TDownloadErrorEvent OnDownLoadError;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadProgressEvent OnDownLoadProgress;

private:
    void takeData(TStream& Stream);
    void resetFrames();
    void makeEmpty();
    void LoadPictureFromData();

    TMemoryStream FDatastream;
    bool FIsEmpty = true;
    std::unique_ptr<TBitmap> gpPicture;
    QString FURL;
    QString FID;
    bool FThreadBusy = false;
    int FFrame = 1;
    mutable int FFrameCount = -1;
    uint16_t FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
    bool FFrameTransp = false;
    uint16_t FFrameDisposal = 0;
    uint16_t FAnimMaxX = 0, FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};
