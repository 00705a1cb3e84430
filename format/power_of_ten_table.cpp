#include "format/power_of_ten_table.h"

#include <vector>

#include "format/uint128.h"

namespace zelvaro {

namespace {

using Limbs = std::vector<std::uint32_t>;  // little-endian base 2^32, no leading zero limb

// 2^kScaleBits / 10^-q keeps about 700 significant bits even at q = kMinPowerOfTen.
constexpr int kScaleBits = 16384 + 640;

int bitLength(const Limbs& n) {
    int bits = 32 * static_cast<int>(n.size() - 1);
    for (std::uint32_t top = n.back(); top != 0; top >>= 1) ++bits;
    return bits;
}

std::uint64_t limbAt(const Limbs& n, int index) {
    return index >= 0 && index < static_cast<int>(n.size()) ? n[index] : 0;
}

// Bits [position, position + 64) of n; bits below 0 read as zeros.
std::uint64_t bitsAt(const Limbs& n, int position) {
    const int index = position >= 0 ? position / 32 : -((31 - position) / 32);
    const int offset = position - 32 * index;
    const Uint128 window = limbAt(n, index) | (limbAt(n, index + 1) << 32) |
                           (static_cast<Uint128>(limbAt(n, index + 2)) << 64);
    return static_cast<std::uint64_t>(window >> offset);
}

// The top 128 bits of n, for a value n * 2^scale.
PowerOfTen topBits(const Limbs& n, int scale) {
    const int start = bitLength(n) - 128;
    return {bitsAt(n, start + 64), bitsAt(n, start), start + scale};
}

void multiplyByTen(Limbs& n) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : n) {
        const std::uint64_t product = std::uint64_t{limb} * 10 + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) n.push_back(static_cast<std::uint32_t>(carry));
}

// Floor division; floor(floor(a / 10^q) / 10) = floor(a / 10^(q+1)), so repeated steps stay exact.
void divideByTen(Limbs& n) {
    std::uint64_t remainder = 0;
    for (auto limb = n.rbegin(); limb != n.rend(); ++limb) {
        const std::uint64_t current = (remainder << 32) | *limb;
        *limb = static_cast<std::uint32_t>(current / 10);
        remainder = current % 10;
    }
    while (n.size() > 1 && n.back() == 0) n.pop_back();
}

std::vector<PowerOfTen> buildTable() {
    std::vector<PowerOfTen> table(kMaxPowerOfTen - kMinPowerOfTen + 1);
    Limbs power{1};
    for (int q = 0; q <= kMaxPowerOfTen; ++q) {
        table[q - kMinPowerOfTen] = topBits(power, 0);
        multiplyByTen(power);
    }
    Limbs scaled(kScaleBits / 32 + 1, 0);
    scaled.back() = std::uint32_t{1} << (kScaleBits % 32);
    for (int q = -1; q >= kMinPowerOfTen; --q) {
        divideByTen(scaled);
        table[q - kMinPowerOfTen] = topBits(scaled, -kScaleBits);
    }
    return table;
}

}  // namespace

const PowerOfTen& powerOfTen(int q) {
    static const std::vector<PowerOfTen> table = buildTable();
    return table[q - kMinPowerOfTen];
}

}  // namespace zelvaro
