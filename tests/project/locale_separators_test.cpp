#include "data/locale_separators.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

TEST(LocaleSeparators, TakesTheFirstCharacterOfEach) {
    const struct Case {
        const char* locale;
        const char* decimal;
        const char* thousands;
    } cases[] = {
        {"pt_BR", ",", "."},
        {"en_US", ".", ","},
        {"de_CH", ".", "\u2019"},
        {"fr_FR", ",", "\u202F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const Separators seps = separatorsOf(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(seps.decimal, c.decimal);
        EXPECT_EQ(seps.thousands, c.thousands);
    }
}

}  // namespace
}  // namespace zelvaro
