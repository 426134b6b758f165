#include "platform/graphics/device_caps.h"

#include "platform/graphics/canvas.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
const QPaintDevice* printer(const TCanvas& canvas) {
    const QPaintDevice* device = canvas.Painter()->device();
    return device && device->devType() == QInternal::Printer ? device : nullptr;
}
}  // namespace

int DevicePixelsPerInchX(const TCanvas& canvas) {
    const QPaintDevice* device = printer(canvas);
    return device ? device->logicalDpiX() : ScreenPixelsPerInch;
}

int DevicePixelsPerInchY(const TCanvas& canvas) {
    const QPaintDevice* device = printer(canvas);
    return device ? device->logicalDpiY() : ScreenPixelsPerInch;
}
