#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, ReadsEachCommand) {
    const Separators pt = Separators::brazilian();
    const auto reduce =
        std::get<ReduceCommand>(parseCommandLine({"reduce", "--row", "2", "a.pbl", "--json"}, pt));
    EXPECT_EQ(reduce.file, "a.pbl");
    EXPECT_EQ(reduce.row, 2);
    EXPECT_TRUE(reduce.json);

    const auto rows = std::get<RowsCommand>(parseCommandLine({"rows", "a.pbl"}, pt));
    EXPECT_EQ(rows.file, "a.pbl");
    EXPECT_FALSE(rows.csv);

    const auto page = std::get<PageCommand>(
        parseCommandLine({"page", "a.pbl", "--out", "p.pdf", "--row", "3"}, pt));
    EXPECT_EQ(page.file, "a.pbl");
    EXPECT_EQ(page.out, "p.pdf");
    EXPECT_EQ(page.row, 3);

    const auto import = std::get<ImportCommand>(
        parseCommandLine({"import", "r.csv", "--diameter", "150,5", "--radius", "1200.25",
                          "--zones", "5", "--lambda", "0,00056", "--b", "-1", "--reduction-zone",
                          "2", "--moving-source", "--out", "o.pbl"},
                         pt));
    EXPECT_EQ(import.readings, "r.csv");
    EXPECT_EQ(import.out, "o.pbl");
    EXPECT_EQ(import.D, 150.5L);
    EXPECT_EQ(import.R, 1200.25L);
    EXPECT_EQ(import.zones, 5);
    EXPECT_EQ(import.Lambda, 0.00056L);
    EXPECT_EQ(import.b, -1.0L);
    EXPECT_EQ(import.reductionZone, 2);
    EXPECT_TRUE(import.movingSource);
    EXPECT_FALSE(std::get<ImportCommand>(parseCommandLine({"import", "r.csv", "--diameter", "1",
                                                           "--radius", "1", "--out", "o.pbl"},
                                                          pt))
                     .movingSource);

    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parseCommandLine({"rows", "--help"}, pt)));
}

TEST(CommandLine, RejectsWhatFitsNoCommand) {
    const struct Case {
        const char* name;
        Args args;
    } cases[] = {
        {"nothing", {}},
        {"unknown command", {"plot", "a.pbl"}},
        {"page without out", {"page", "a.pbl"}},
        {"page without file", {"page", "--out", "a.png"}},
        {"no file", {"reduce", "--json"}},
        {"two files", {"rows", "a.pbl", "b.pbl"}},
        {"unknown option", {"rows", "a.pbl", "--tsv"}},
        {"row without value", {"reduce", "a.pbl", "--row"}},
        {"row 0", {"reduce", "a.pbl", "--row", "0"}},
        {"row not a number", {"reduce", "a.pbl", "--row", "dois"}},
        {"import without diameter", {"import", "r.csv", "--radius", "1", "--out", "o.pbl"}},
        {"import without radius", {"import", "r.csv", "--diameter", "1", "--out", "o.pbl"}},
        {"import without out", {"import", "r.csv", "--diameter", "1", "--radius", "1"}},
        {"import without readings", {"import", "--diameter", "1", "--radius", "1", "--out", "o"}},
        {"diameter not a number",
         {"import", "r.csv", "--diameter", "1.5,0", "--radius", "1", "--out", "o.pbl"}},
        {"zones above 999",
         {"import", "r.csv", "--diameter", "1", "--radius", "1", "--zones", "1000", "--out", "o"}},
        {"reduction zone 0",
         {"import", "r.csv", "--diameter", "1", "--radius", "1", "--reduction-zone", "0", "--out",
          "o"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(parseCommandLine(c.args, Separators::brazilian()), UsageError);
    }
}

}  // namespace
}  // namespace zelvaro
