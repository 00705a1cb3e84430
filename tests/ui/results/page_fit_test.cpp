#include "ui/results/page_fit.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

struct FitCase {
    const char* what;
    PixelSize picture;
    PixelSize printable;
    PixelSize drawn;
};

const FitCase kFitCases[] = {
    // A4 at 600 dpi with 1/4-inch margins: the width is filled, about two thirds of the height.
    {"portrait page", {846, 821}, {4760, 6716}, {4760, 4619}},
    // 846 × 4760 / 821 = 4904.95: the height is filled, the picture 103 % as wide as high.
    {"landscape page", {846, 821}, {6716, 4760}, {4905, 4760}},
    {"the window's own size", {846, 821}, {846, 821}, {846, 821}},
    // As wide exactly as the page: not narrower, so the width decides.
    {"width equal at full height", {100, 50}, {200, 100}, {200, 100}},
    // 3 × 3 / 2 = 4.5 rounds up to 5.
    {"a half rounds away from zero", {3, 2}, {10, 3}, {5, 3}},
    // 2 × 7 / 4 = 3.5 rounds up to 4.
    {"a half in the height", {4, 2}, {7, 100}, {7, 4}},
    {"square page", {846, 821}, {1000, 1000}, {1000, 970}},
};

TEST(FitToPage, KeepsTheAspectRatioFromTheTopLeftCorner) {
    for (const FitCase& c : kFitCases) {
        const PixelSize drawn = FitToPage(c.picture, c.printable);
        EXPECT_EQ(drawn.width, c.drawn.width) << c.what;
        EXPECT_EQ(drawn.height, c.drawn.height) << c.what;
    }
}

TEST(FitToPage, AnEmptyPictureDrawsNothing) {
    EXPECT_EQ(FitToPage({0, 0}, {100, 100}), (PixelSize{0, 100}));
}

}  // namespace
}  // namespace zelvaro
