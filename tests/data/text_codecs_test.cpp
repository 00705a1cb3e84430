#include <gtest/gtest.h>

#include <string>

#include "data/cp1252.h"
#include "data/memo_text.h"
#include "data/xml_attribute.h"

namespace zelvaro {
namespace {

TEST(Cp1252, DecodesEveryByteAndEncodesItBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081));
    EXPECT_EQ(text[0xE7], QChar(0x00E7));
    EXPECT_EQ(toCp1252(text), all);
}

TEST(Cp1252, EncodesCharactersOutsideTheCodePageAsQuestionMarks) {
    struct Case {
        const char* name;
        QString text;
        std::string bytes;
    } cases[] = {
        {"Portuguese", QString::fromUtf8("ação"), "a\xE7\xE3o"},
        {"euro and dashes", QString::fromUtf8("€–—"), "\x80\x96\x97"},
        {"Greek", QString::fromUtf8("λ/4"), "?/4"},
        {"beyond 16 bits is one character", QString::fromUtf8("a😀b"), "a?b"},
    };
    for (const Case& c : cases) EXPECT_EQ(toCp1252(c.text), c.bytes) << c.name;
}

TEST(MemoText, StoresCrLfLineBreaksAndNoEmptyNotes) {
    EXPECT_EQ(memoBytes(QString::fromUtf8("linha 1\nlinha 2")), "linha 1\r\nlinha 2");
    EXPECT_EQ(memoBytes("a\r\nb"), "a\r\nb");
    EXPECT_EQ(memoBytes(""), std::nullopt);
    EXPECT_EQ(memoText(std::string("linha 1\r\nlinha 2")), "linha 1\nlinha 2");
    EXPECT_EQ(memoText(std::string("espa\xE7o")), QString::fromUtf8("espaço"));
    EXPECT_TRUE(memoText(std::nullopt).isEmpty());
}

TEST(XmlAttribute, EscapesTheWritersCharacters) {
    std::string out = "x=";
    appendEscapedAttribute(out, "a<b>&'\"\r\n\t\\z");
    EXPECT_EQ(out, "x=a&lt;b&gt;&amp;&apos;&quot;&#013;&#010;&#009;&#092;z");
}

TEST(XmlAttribute, UnescapesReferencesAndNormalisesWhitespace) {
    struct Case {
        const char* name;
        const char* raw;
        bool ok;
        std::string value;
    } cases[] = {
        {"entities", "&lt;&gt;&amp;&apos;&quot;", true, "<>&'\""},
        {"decimal reference", "&#013;&#092;", true, "\r\\"},
        {"hex reference", "&#xE7;", true, "\xC3\xA7"},
        {"literal line breaks", "1\r\n2\t3\n4", true, "1 2 3 4"},
        {"unknown entity", "&nbsp;", false, ""},
        {"unterminated", "&amp", false, ""},
        {"reference to nothing", "&#0;", false, ""},
        {"surrogate", "&#xD800;", false, ""},
        {"beyond Unicode", "&#x110000;", false, ""},
    };
    for (const Case& c : cases) {
        std::string value;
        EXPECT_EQ(unescapeAttribute(c.raw, value), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.name;
        }
    }
}

}  // namespace
}  // namespace zelvaro
