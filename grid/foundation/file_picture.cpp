#include "grid/foundation/file_picture.h"

#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/system/files.h"

#include <memory>

namespace {

std::unique_ptr<TBitmap> loadPicture(const QString& fileName) {
    if (!FileExists(fileName)) throw Exception(QString("Cannot open file \"%1\"").arg(fileName));
    auto picture = std::make_unique<TBitmap>();
    if (!picture->LoadFromFile(fileName)) throw Exception(QString("Invalid graphic format in \"%1\"").arg(fileName));
    return picture;
}

}  // namespace

void TFilePicture::SetFilename(const QString& Value) {
    FFilename = Value;
    if (Value.isEmpty()) {
        FWidth = 0;
        FHeight = 0;
        return;
    }
    const auto picture = loadPicture(Value);
    FWidth = picture->Width();
    FHeight = picture->Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& r) const {
    if (FFilename.isEmpty()) return;
    Canvas.StretchDraw(r, *loadPicture(FFilename));
}

void TFilePicture::Assign(const TFilePicture& Source) {
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}
