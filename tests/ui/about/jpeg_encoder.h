#pragma once

#include <QByteArray>
#include <vector>

#include <cstdio>

#include <jpeglib.h>

namespace zelvaro {

// A JPEG picture of width x height pixels, every one of them `pixel` (one value per component
// of `space`), written with libjpeg: pictures of any size and colour model for the decoder.
QByteArray EncodeJpeg(int width, int height, J_COLOR_SPACE space,
                      const std::vector<unsigned char>& pixel);

}  // namespace zelvaro
