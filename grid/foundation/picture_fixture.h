#pragma once

#include "platform/testkit/test_pictures.h"
#include "platform/testkit/temp_folder.h"

#include <QByteArray>

// The pictures the picture tests load: one small file per kind and a GIF of two frames on a 4 x 3
// screen, a red frame over all of it for a tenth of a second and a blue 2 x 1 frame at (1, 1)
// for a quarter.
struct PictureFiles {
    TempFolder folder;

    static QByteArray twoFrameGif() { return MakeGif(4, 3, {{0, 0, 4, 3, 0, 10}, {1, 1, 2, 1, 2, 25}}); }

    QString write(const char* name, const QByteArray& bytes) const { return folder.write(name, bytes); }
};
