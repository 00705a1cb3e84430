#include "data/project_text.h"

#include <gtest/gtest.h>

#include <string>

#include "data/project_file_error.h"

namespace zelvaro {
namespace {

using Values = std::vector<std::string_view>;

TEST(ProjectText, FindsHeaderValuesByKey) {
    const std::vector<std::string_view> keys = {"[A]", "[B]"};
    struct Case {
        const char* name;
        std::string text;
        Values expected;
    } cases[] = {
        {"CR LF lines", "[A]=1\r\n[B]=2\r\n", {"1", "2"}},
        {"LF lines", "[A]=1\n[B]=2", {"1", "2"}},
        {"lone CR lines", "[A]=1\r[B]=2\r", {"1", "2"}},
        {"LF CR is two breaks", "[A]=1\n\r[B]=2", {"1", "2"}},
        {"any order", "[B]=2\r\n[A]=1", {"1", "2"}},
        {"letter case ignored", "[a]=1\r\n[b]=2", {"1", "2"}},
        {"first line wins", "[A]=1\r\n[A]=9\r\n[B]=2", {"1", "2"}},
        {"other lines between", "x\r\n\r\n[A]=1\r\nfoo=bar\r\n[B]=2", {"1", "2"}},
        {"value not trimmed", "[A]= 1 \r\n[B]==2", {" 1 ", "=2"}},
        {"missing key is empty", "[A]=1", {"1", ""}},
        {"key must end at the first =", "[A]x=1\r\n[B] =2", {"", ""}},
        {"key needs an =", "[A]\r\n[B]", {"", ""}},
        {"empty value", "[A]=\r\n[B]=2", {"", "2"}},
        {"empty text", "", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findHeaderValues(c.text, keys), c.expected);
    }
}

TEST(ProjectText, ReadsLongLinesWhole) {
    const std::string radii(10000, '7');
    const std::string text = "[A]=" + radii + "\r\n[B]=2";
    EXPECT_EQ(findHeaderValues(text, {"[A]", "[B]"}), (Values{radii, "2"}));
}

TEST(ProjectText, CutsOutThePacket) {
    struct Case {
        const char* name;
        std::string text;
        std::string_view expected;
    } cases[] = {
        {"whole packet", "[X]=1\r\n[TABELA_DADOS]\r\n<?xml a?><DATAPACKET></DATAPACKET>",
         "<?xml a?><DATAPACKET></DATAPACKET>"},
        {"text after the packet ignored", "<?xml?></DATAPACKET>\r\ntrailing</DATAPACKET>",
         "<?xml?></DATAPACKET>"},
        {"first <?xml counts", "<?xml 1<?xml 2</DATAPACKET>", "<?xml 1<?xml 2</DATAPACKET>"},
        {"no packet", "[X]=1\r\n[TABELA_DADOS]\r\n", ""},
        {"nothing at all", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cutOutPacket(c.text), c.expected);
    }
}

TEST(ProjectText, RejectsAPacketWithoutItsStartOrItsEnd) {
    for (const char* text : {"[TABELA_DADOS]\r\n</DATAPACKET>", "</DATAPACKET><?xml",
                             "[TABELA_DADOS]\r\n<?xml version=\"1.0\"?><DATAPACKET>"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(cutOutPacket(text), ProjectFileError);
    }
}

}  // namespace
}  // namespace zelvaro
