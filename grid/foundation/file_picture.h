#pragma once

#include "platform/core/component.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TCanvas;

// A picture that stays in its file: it is loaded to take its size and again at every draw, so a grid full of
// them holds no images in memory.
class TFilePicture : public TObject {
public:
    TFilePicture() = default;

    QString Filename() const { return FFilename; }
    // Stores the name, then loads the file for its size. A file that cannot be loaded raises, with the name
    // kept. An empty name only clears the size.
    void SetFilename(const QString& Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Stretches the picture into r; nothing without a file name.
    void DrawPicture(TCanvas& Canvas, const TRect& r) const;
    // Copies the name and size without loading.
    void Assign(const TFilePicture& Source);

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
