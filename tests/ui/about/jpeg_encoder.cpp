#include "jpeg_encoder.h"

#include <cstdlib>

namespace zelvaro {

QByteArray EncodeJpeg(int width, int height, J_COLOR_SPACE space,
                      const std::vector<unsigned char>& pixel) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = static_cast<int>(pixel.size());
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> line;
    for (int x = 0; x < width; ++x) line.insert(line.end(), pixel.begin(), pixel.end());
    JSAMPROW row = line.data();
    while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, &row, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<int>(size));
    std::free(buffer);
    return bytes;
}

}  // namespace zelvaro
