#include "cli/csv.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

using Records = std::vector<std::vector<std::string>>;

TEST(Csv, QuotesOnlyWhatNeedsIt) {
    const struct Case {
        const char* text;
        const char* field;
    } cases[] = {
        {"0,25", "0,25"},
        {"", ""},
        {"a;b", "\"a;b\""},
        {"diz \"oi\"", "\"diz \"\"oi\"\"\""},
        {"linha 1\nlinha 2", "\"linha 1\nlinha 2\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(csvField(c.text), c.field);
        EXPECT_EQ(parseCsv(csvField(c.text) + ";x"), (Records{{c.text, "x"}}));
    }
}

TEST(Csv, SplitsRecordsAndFields) {
    const struct Case {
        const char* name;
        const char* text;
        Records expected;
    } cases[] = {
        {"LF lines", "a;b\n1;2\n", {{"a", "b"}, {"1", "2"}}},
        {"CR LF lines, no final break", "a;b\r\n1;2", {{"a", "b"}, {"1", "2"}}},
        {"empty fields", ";\n;x;", {{"", ""}, {"", "x", ""}}},
        {"empty lines skipped", "a\n\n\r\nb\n", {{"a"}, {"b"}}},
        {"byte-order mark", "\xEF\xBB\xBFZona1\n1", {{"Zona1"}, {"1"}}},
        {"quoted break and separator", "\"x;\r\ny\";2\n3", {{"x;\r\ny", "2"}, {"3"}}},
        {"unclosed quote runs to the end", "\"a;b\nc", {{"a;b\nc"}}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseCsv(c.text), c.expected);
    }
}

}  // namespace
}  // namespace zelvaro
