#pragma once

namespace zelvaro {

struct PixelSize {
    long long width = 0;
    long long height = 0;

    friend bool operator==(const PixelSize& a, const PixelSize& b) {
        return a.width == b.width && a.height == b.height;
    }
};

// The size a picture is drawn at on a page, keeping its aspect ratio: as high as the
// printable area when it is then no wider than it, otherwise as wide. Each product is divided
// with rounding to the nearest integer, halves away from zero.
PixelSize FitToPage(PixelSize picture, PixelSize printable);

}  // namespace zelvaro
