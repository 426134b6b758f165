#include "grid/foundation/html_layout.h"

#include "grid/foundation/html_markup.h"
#include "grid/foundation/html_picture.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "platform/controls/image_list.h"
#include "platform/controls/system_images.h"
#include "platform/graphics/device_caps.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"

#include <cmath>
#include <exception>

namespace {

// The device's pixels for a size given at 96 pixels per inch.
struct Resolution {
    int x;
    int y;
    int width(int w) const { return ClampedPixels(static_cast<long long>(w) * x / 96); }
    int height(int h) const { return ClampedPixels(static_cast<long long>(h) * y / 96); }
};

int scaled(int size, double factor) { return ClampedPixels(std::llrint(std::clamp(size * factor, -1e9, 1e9))); }

struct Placed {
    int width = 0;
    int height = 0;
};

Placed imageListPicture(THTMLCall& call, const THTMLPass& p, const QString& index, const Resolution& dpi) {
    TImageList* images = call.O.Images;
    int n = 0;
    if (!images || !TryStrToInt(index, n) || n < 0 || n >= images->Count()) return {};
    if (p.Draws) {
        const int left = p.Run.Left, top = p.LineRect.Top;
        if (call.O.ScaledImages)
            images->StretchDraw(call.Canvas,
                                {left, top, AddPixels(left, scaled(images->Width, call.O.ScaleFactor)),
                                 AddPixels(top, scaled(images->Height, call.O.ScaleFactor))},
                                n);
        else
            images->Draw(call.Canvas, left, top, n);
    }
    return {dpi.width(images->Width), dpi.height(images->Height)};
}

// "SSYS:" and "LSYS:" sources: a position in the system image list, or the path of a file or
// folder whose icon the shell shows.
Placed systemPicture(THTMLCall& call, const THTMLPass& p, const QString& name, bool large, const Resolution& dpi) {
    int index = 0;
    if (!TryStrToInt(name, index)) {
        const QString path = ExistingPathIgnoreCase(name);
        index = SystemImageIndex(path.isEmpty() ? name : path);
    }
    if (index < 0 || index >= SystemImageCount()) return {};
    const int side = SystemImageSize(large);
    if (p.Draws) {
        const int shown = call.O.ScaledImages ? scaled(side, call.O.ScaleFactor) : side;
        DrawSystemImage(call.Canvas, {p.Run.Left, p.LineRect.Top, AddPixels(p.Run.Left, shown), AddPixels(p.LineRect.Top, shown)},
                        index, large);
    }
    return {dpi.width(side), dpi.height(side)};
}

// A picture of the container or the cache, at the size WIDTH and HEIGHT ask for, or its own.
Placed markupPicture(THTMLCall& call, const THTMLPass& p, const QString& source, int width, int height, const Resolution& dpi) {
    THTMLPicture* picture = FindHTMLPicture(call, source);
    if (!picture || picture->Empty()) return {};
    const int pw = picture->Width(), ph = picture->Height();
    int w = pw, h = ph;
    if (width > 0 && height > 0) {
        w = width;
        h = height;
    } else if (width > 0) {
        w = width;
        h = pw > 0 ? ClampedPixels(std::llrint(double(ph) * width / pw)) : 0;
    } else if (height > 0) {
        h = height;
        w = ph > 0 ? ClampedPixels(std::llrint(double(pw) * height / ph)) : 0;
    }
    const bool sized = width > 0 || height > 0;
    if (p.Draws) {
        TCanvas& canvas = call.Canvas;
        const int left = p.Run.Left, top = p.LineRect.Top;
        if (sized) {
            picture->Stretch = true;
            picture->Draw(canvas, {left, top, AddPixels(left, w), AddPixels(top, h)});
        } else if (picture->FrameCount() > 1) {
            // An animation's frames cover parts of its screen: the rest shows the background.
            const TColor penColor = canvas.Pen.Color;
            canvas.Pen.Color = call.StartBrushColor;
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = call.StartBrushColor;
            canvas.Rectangle(left, top, AddPixels(left, picture->MaxWidth()), AddPixels(top, picture->MaxHeight()));
            canvas.Pen.Color = penColor;
            call.SetBrush(call.Brush);
            const int x = left + picture->FrameXPos(), y = top + picture->FrameYPos();
            picture->Draw(canvas, {x, y, x + pw, y + ph});
        } else {
            picture->Draw(canvas, {left, top, left + pw, top + ph});
        }
    }
    return sized ? Placed{dpi.width(w), dpi.height(h)} : Placed{dpi.width(picture->MaxWidth()), dpi.height(picture->MaxHeight())};
}

}  // namespace

THTMLPicture* FindHTMLPicture(THTMLCall& call, const QString& source) {
    if (!source.contains(':')) return call.O.PictureContainer ? call.O.PictureContainer->FindPicture(source) : nullptr;
    THTMLPictureCache* cache = call.O.PictureCache;
    if (!source.contains(QLatin1StringView("://")) || !cache) return nullptr;
    if (THTMLPicture* known = cache->FindPicture(source)) return known;
    THTMLPicture* picture = cache->AddPicture();
    picture->Asynch = false;
    try {
        picture->LoadFromURL(source);
    } catch (const std::exception&) {
        // A resource that is no picture stays in the cache, empty, and is not asked for again.
        picture->Assign(nullptr);
    }
    return picture;
}

void PlaceHTMLImage(THTMLCall& call, THTMLLine& line, THTMLPass& p, QStringView tag) {
    const int number = ++call.S.ImageCounter;
    const QString upper = tag.toString().toUpper();
    QString source = HTMLAttribute(upper, QLatin1StringView("SRC"));
    if (HasHTMLAttribute(upper, QLatin1StringView("ALT")) && call.HotImage == number)
        source = HTMLAttribute(upper, QLatin1StringView("ALT"));
    const int width = std::min(LeadingNumber(HTMLAttribute(upper, QLatin1StringView("WIDTH"))), MaxMarkupPixels);
    const int height = std::min(LeadingNumber(HTMLAttribute(upper, QLatin1StringView("HEIGHT"))), MaxMarkupPixels);
    const Resolution dpi{DevicePixelsPerInchX(call.Canvas), DevicePixelsPerInchY(call.Canvas)};
    Placed placed;
    if (source.startsWith(QLatin1StringView("IDX:"))) placed = imageListPicture(call, p, source.mid(4), dpi);
    else if (source.startsWith(QLatin1StringView("SSYS:")) || source.startsWith(QLatin1StringView("LSYS:")))
        placed = systemPicture(call, p, source.mid(5), source[0] == 'L', dpi);
    else placed = markupPicture(call, p, source, width, height, dpi);

    const int at = HitOffset(call, p), top = p.LineRect.Top;
    if (call.S.InAnchor && at > p.X && at < p.X + placed.width && call.O.HitY > top && call.O.HitY < top + placed.height) {
        p.ImageHit = true;
        call.R.HitHref = call.S.Href;
        call.R.HitTitle = call.S.Title;
        call.HotImage = number;
    }
    if (!PlaceInline(line, p, placed.width, placed.height)) return;
    if (HasHTMLAttribute(upper, QLatin1StringView("ALIGN"))) {
        const QString align = HTMLAttribute(upper, QLatin1StringView("ALIGN"));
        if (align.startsWith(QLatin1StringView("TOP"))) line.TextRaise = line.Height - call.GhHeight();
        else if (align.startsWith(QLatin1StringView("MIDDLE"))) line.TextRaise = (line.Height - call.GhHeight()) / 2;
    }
}
