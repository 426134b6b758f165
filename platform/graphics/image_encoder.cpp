#include "platform/graphics/image_encoder.h"

#include "platform/graphics/graphic.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace {

// libjpeg leaves by longjmp on errors; everything that outlives the jump lives here.
struct Encoding {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

[[noreturn]] void leaveOnError(j_common_ptr info) { std::longjmp(static_cast<Encoding*>(info->client_data)->jump, 1); }
void ignoreMessage(j_common_ptr, int) {}

bool encode(Encoding& e, const QImage& rgb, int quality) {
    e.info.err = jpeg_std_error(&e.errors);
    e.errors.error_exit = leaveOnError;
    e.errors.emit_message = ignoreMessage;
    e.info.client_data = &e;
    if (setjmp(e.jump)) {
        jpeg_destroy_compress(&e.info);
        return false;
    }
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = static_cast<JDIMENSION>(rgb.width());
    e.info.image_height = static_cast<JDIMENSION>(rgb.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    jpeg_destroy_compress(&e.info);
    return true;
}

}  // namespace

QByteArray EncodeJpeg(const TGraphic& Graphic, int Quality) {
    if (Graphic.Empty()) return {};
    QImage rgb(Graphic.Width(), Graphic.Height(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, Graphic.Image());
    }
    auto* e = new Encoding;
    QByteArray bytes;
    if (encode(*e, rgb, Quality)) bytes = QByteArray(reinterpret_cast<const char*>(e->buffer), static_cast<qsizetype>(e->size));
    std::free(e->buffer);
    delete e;
    return bytes;
}

QByteArray EncodePng(const TGraphic& Graphic) {
    if (Graphic.Empty()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return Graphic.Image().save(&buffer, "PNG") ? bytes : QByteArray();
}
