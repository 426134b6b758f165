// libFuzzer entry for the markup renderer: each input is a formatted text, measured and
// hit-tested the way the grids size and probe their cells, and its controls read and rewritten.
// Built only with clang and -DLW_FUZZ=ON.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "grid/foundation/html_controls.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "platform/controls/application.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

namespace {

// What the texts may name: three pictures of an image list and one named picture.
struct Surroundings {
    TBitmap bitmap{200, 100};
    TImageList images{nullptr};
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;

    Surroundings() {
        TBitmap square(16, 16);
        for (int i = 0; i < 3; ++i) images.Add(square);
        TPictureItem* item = container.Items().Add();
        item->Name = "Pic";
        item->SetPicture(THTMLPicture());
        bitmap.Canvas().Font.SetName("Tahoma");
        bitmap.Canvas().Font.SetHeight(-11);
    }
};

TApplication* application = nullptr;
Surroundings* surroundings = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Left alive at exit: the toolkit's own statics go first.
    application = new TApplication;
    application->Initialize(*argc, *argv);
    surroundings = new Surroundings;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the options, the rest is the text.
    const uint8_t choice = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    Surroundings& s = *surroundings;
    THTMLDrawOptions o;
    o.Images = &s.images;
    o.PictureContainer = &s.container;
    o.PictureCache = &s.cache;
    o.WordWrap = choice & 1;
    o.KeepColours = choice & 2;
    o.HoverOnly = choice & 4;
    o.BlinkVisible = choice & 8;
    o.FocusAnchor = (choice >> 4) & 3;
    o.HoverAnchor = 1;
    const TRect r{0, 0, (choice & 0x40) ? 12 : 180, 90};

    THTMLDrawResults measured;
    o.MeasureOnly = true;
    DrawHTMLText(s.bitmap.Canvas(), text, r, o, measured);

    THTMLDrawResults probed;
    o.MeasureOnly = false;
    o.HitTestOnly = true;
    o.HitX = 20;
    o.HitY = 8;
    o.ControlID = (choice & 0x80) ? "a" : QString();
    DrawHTMLText(s.bitmap.Canvas(), text, r, o, probed);

    if (HasHTMLControl(text)) {
        QString value;
        GetHTMLControlValue(text, "a", value);
        const QString next = GetNextHTMLControlID(text, QString());
        QString rewritten = ClearHTMLRadioControls(text);
        SetHTMLControlValue(rewritten, next, "v\"<&>");
    }
    s.cache.ClearPictures();
    return 0;
}
