#include "ui/charts/pixel_cover.h"

#include <algorithm>

namespace zelvaro {

namespace {

constexpr int kWordBits = 64;

// Bits [from, to) of one word, 0 <= from < to <= 64.
std::uint64_t Bits(int from, int to) {
    const std::uint64_t upTo = to == kWordBits ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
    return upTo & ~((std::uint64_t{1} << from) - 1);
}

}  // namespace

PixelCover::PixelCover(const QRect& domain)
    : domain_(domain),
      wordsPerRow_((std::max(domain.width(), 0) + kWordBits - 1) / kWordBits),
      bits_(std::size_t(wordsPerRow_) * std::size_t(std::max(domain.height(), 0))) {}

void PixelCover::add(int y, int x0, int x1) {
    if (y < domain_.top() || y > domain_.bottom()) return;
    x0 = std::max(x0, domain_.left()) - domain_.left();
    x1 = std::min(x1, domain_.right() + 1) - domain_.left();
    std::uint64_t* row = bits_.data() + std::size_t(y - domain_.top()) * wordsPerRow_;
    for (int x = x0; x < x1;) {
        const int word = x / kWordBits;
        const int end = std::min(x1, (word + 1) * kWordBits);
        row[word] |= Bits(x - word * kWordBits, end - word * kWordBits);
        x = end;
    }
}

bool PixelCover::covers(const QRect& rect) const {
    const QRect inside = rect.intersected(domain_);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const std::uint64_t* row = bits_.data() + std::size_t(y - domain_.top()) * wordsPerRow_;
        const int x1 = inside.right() + 1 - domain_.left();
        for (int x = inside.left() - domain_.left(); x < x1;) {
            const int word = x / kWordBits;
            const int end = std::min(x1, (word + 1) * kWordBits);
            const std::uint64_t wanted = Bits(x - word * kWordBits, end - word * kWordBits);
            if ((row[word] & wanted) != wanted) return false;
            x = end;
        }
    }
    return true;
}

}  // namespace zelvaro
