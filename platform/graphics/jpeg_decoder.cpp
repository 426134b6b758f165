#include "platform/graphics/jpeg_decoder.h"

#include <QByteArray>
#include <QImageReader>
#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace {

const JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};

// libjpeg leaves by longjmp on errors (its default ends the process). All state that outlives a jump
// lives here, reached through a pointer, so nothing with a destructor is skipped.
struct Decoding {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    jpeg_source_mgr source;
    std::jmp_buf jump;
    bool cutShort = false;
    const QByteArray* bytes = nullptr;
    QImage image;
};

Decoding& decodingOf(j_common_ptr info) { return *static_cast<Decoding*>(info->client_data); }

[[noreturn]] void leaveOnError(j_common_ptr info) { std::longjmp(decodingOf(info).jump, 1); }
void ignoreMessage(j_common_ptr, int) {}

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

// Asked for more after the last byte: the file is cut short. An end marker lets libjpeg finish
// cleanly; the result is thrown away.
boolean fillInput(j_decompress_ptr info) {
    decodingOf(reinterpret_cast<j_common_ptr>(info)).cutShort = true;
    info->src->next_input_byte = kEndOfImage;
    info->src->bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& src = *info->src;
    if (count > static_cast<long>(src.bytes_in_buffer)) {
        fillInput(info);
        return;
    }
    src.next_input_byte += count;
    src.bytes_in_buffer -= static_cast<size_t>(count);
}

bool fitsAllocationLimit(JDIMENSION width, JDIMENSION height) {
    const int limitMb = QImageReader::allocationLimit();
    return limitMb <= 0 || qint64(width) * height * 4 <= qint64(limitMb) * 1024 * 1024;
}

void storeRow(const Decoding& d, const JSAMPLE* row, QRgb* out) {
    const jpeg_decompress_struct& info = d.info;
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
        const JSAMPLE* p = row + x * static_cast<JDIMENSION>(info.output_components);
        switch (info.out_color_space) {
        case JCS_GRAYSCALE:
            out[x] = qRgb(p[0], p[0], p[0]);
            break;
        case JCS_CMYK: {
            // Adobe writes CMYK inverted.
            const int c = info.saw_Adobe_marker ? p[0] : 255 - p[0];
            const int m = info.saw_Adobe_marker ? p[1] : 255 - p[1];
            const int y = info.saw_Adobe_marker ? p[2] : 255 - p[2];
            const int k = info.saw_Adobe_marker ? p[3] : 255 - p[3];
            out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
            break;
        }
        default:
            out[x] = qRgb(p[0], p[1], p[2]);
        }
    }
}

// Holds no object with a destructor of its own: a jump may leave it at any libjpeg call.
bool decode(Decoding* d) {
    jpeg_decompress_struct& info = d->info;
    info.err = jpeg_std_error(&d->errors);
    info.client_data = d;  // kept by jpeg_create_decompress, which may fail already
    d->errors.error_exit = leaveOnError;
    d->errors.emit_message = ignoreMessage;
    if (setjmp(d->jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    d->source.init_source = initSource;
    d->source.fill_input_buffer = fillInput;
    d->source.skip_input_data = skipInput;
    d->source.resync_to_restart = jpeg_resync_to_restart;
    d->source.term_source = termSource;
    d->source.next_input_byte = reinterpret_cast<const JOCTET*>(d->bytes->constData());
    d->source.bytes_in_buffer = static_cast<size_t>(d->bytes->size());
    info.src = &d->source;

    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || d->cutShort) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    if (!fitsAllocationLimit(info.output_width, info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    d->image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (d->image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height && !d->cutShort) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        storeRow(*d, row[0], reinterpret_cast<QRgb*>(d->image.scanLine(y)));
    }
    if (!d->cutShort) jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return !d->cutShort;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    Decoding d{};
    d.bytes = &bytes;
    if (!decode(&d)) return {};
    return d.image;
}
