#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

namespace zelvaro {

// The device pixels that something drawn later paints over opaquely, whatever was below. A
// pixel outside the domain counts as covered: nothing is drawn there.
class PixelCover {
  public:
    explicit PixelCover(const QRect& domain);

    // Pixels [x0, x1) of one row.
    void add(int y, int x0, int x1);
    // Whether every pixel of `rect` is covered.
    bool covers(const QRect& rect) const;

  private:
    QRect domain_;
    int wordsPerRow_ = 0;
    std::vector<std::uint64_t> bits_;
};

}  // namespace zelvaro
