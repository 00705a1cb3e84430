#include "ui/results/page_fit.h"

namespace zelvaro {

namespace {

// a × b / c, rounded to the nearest integer; 0 when c is 0.
long long MulDiv(long long a, long long b, long long c) {
    if (c == 0) return 0;
    const long long product = a * b;
    const long long half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return negative ? -magnitude : magnitude;
}

}  // namespace

PixelSize FitToPage(PixelSize picture, PixelSize printable) {
    const long long fullHeightWidth = MulDiv(picture.width, printable.height, picture.height);
    if (fullHeightWidth < printable.width) return {fullHeightWidth, printable.height};
    return {printable.width, MulDiv(picture.height, printable.width, picture.width)};
}

}  // namespace zelvaro
