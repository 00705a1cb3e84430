#pragma once

#include <QByteArray>
#include <QImage>

namespace zelvaro {

// The largest width and height a picture may have; a header claiming more is refused before any
// memory is taken for the pixels.
constexpr int kMaxJpegSide = 8192;

// Decodes a JPEG picture held in memory with libjpeg into an RGB image (QImage::Format_RGB888).
// Bytes that are not one whole, readable JPEG picture of at most kMaxJpegSide pixels a side
// (empty, truncated, corrupt, another format, or a colour model libjpeg cannot turn into RGB)
// give a null image: nothing is thrown and nothing is printed.
QImage DecodeJpeg(const QByteArray& bytes);

}  // namespace zelvaro
