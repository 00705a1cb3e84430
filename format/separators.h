#pragma once

#include <string>

namespace zelvaro {

// The user's two regional separators, each one UTF-8 character (possibly several bytes,
// e.g. U+00A0 or U+202F as the thousands separator). The caller reads them from the
// system; nothing in format/ ever looks at the process locale.
struct Separators {
    std::string decimal = ",";
    std::string thousands = ".";

    static Separators brazilian() { return {",", "."}; }
    static Separators english() { return {".", ","}; }

    bool operator==(const Separators& other) const {
        return decimal == other.decimal && thousands == other.thousands;
    }
    bool operator!=(const Separators& other) const { return !(*this == other); }
};

}  // namespace zelvaro
