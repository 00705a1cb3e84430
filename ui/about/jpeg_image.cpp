#include "ui/about/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zelvaro {

namespace {

// libjpeg's error manager with a way back: an error, or a warning about damaged data, jumps
// back to the decoder instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf failure;
};

void fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->failure, 1);
}

// Level -1 is a warning: libjpeg goes on over damaged data and fills in grey, which would show
// a half-drawn picture as if it were whole.
void failOnWarning(j_common_ptr info, int level) {
    if (level < 0) fail(info);
}

void printNothing(j_common_ptr) {}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    QImage image;
};

// Every libjpeg call stays between the setjmp and its longjmp in this one frame, which holds no
// object with a destructor, so jumping back skips nothing that needs cleaning up.
bool decode(Decoding* d, const QByteArray& bytes) {
    if (setjmp(d->errors.failure)) return false;
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d->info, TRUE);
    const auto largest = static_cast<JDIMENSION>(kMaxJpegSide);
    if (d->info.image_width > largest || d->info.image_height > largest) return false;
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    if (d->info.output_components != 3) return false;
    d->image = QImage(static_cast<int>(d->info.output_width),
                      static_cast<int>(d->info.output_height), QImage::Format_RGB888);
    if (d->image.isNull()) return false;
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = d->image.scanLine(static_cast<int>(d->info.output_scanline));
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    Decoding d{};
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = fail;
    d.errors.base.emit_message = failOnWarning;
    d.errors.base.output_message = printNothing;
    const bool decoded = decode(&d, bytes);
    jpeg_destroy_decompress(&d.info);
    return decoded ? d.image : QImage();
}

}  // namespace zelvaro
