// Lists of labels: the CSV dialects a spreadsheet saves, plain code lists kept as they always were,
// bad rows reported with their lines among good ones, and serial runs at their edges.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "label/input/LabelList.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using testing::MessageOf;

std::vector<TListRow> Rows(std::string_view bytes, TListFormat format, std::size_t chunk = 0)
{
    std::vector<TListRow> rows;
    TListReader reader(format, "list");
    // A row's problem compared as the command line words it.
    const auto sink = [&](TListRow&& row) {
        if (!row.Problem.Empty())
            row.Problem = {TMessageCode::Said, {EnglishText(row.Problem)}};
        rows.push_back(std::move(row));
    };
    // Fed in small pieces too: a row, a quote or a CR LF split between two reads is still one.
    for (std::size_t at = 0; at < bytes.size(); at += chunk == 0 ? bytes.size() : chunk)
        reader.Add(bytes.substr(at, chunk == 0 ? bytes.size() : chunk), sink);
    reader.Finish(sink);
    return rows;
}

TListRow Row(std::size_t line, std::string code, std::optional<std::string> upper = std::nullopt,
             std::optional<std::string> lower = std::nullopt, int copies = 1, std::string problem = {})
{
    return {.Line = line,
            .Code = std::move(code),
            .Upper = std::move(upper),
            .Lower = std::move(lower),
            .Copies = copies,
            .Problem =
                problem.empty() ? TLabelMessage{} : TLabelMessage{TMessageCode::Said, {std::move(problem)}}};
}

struct ListCase {
    int line;
    std::string bytes;
    TListFormat format;
    std::vector<TListRow> rows;
};

constexpr auto Csv = TListFormat::Csv, Lines = TListFormat::Lines;
constexpr std::nullopt_t none = std::nullopt;

// clang-format off
const std::vector<ListCase> kLists = {
    {1, "code,upper,lower,copies\n111,Tea,250 g,2\n222,Coffee,,\n", Csv,
     {Row(2, "111", "Tea", "250 g", 2), Row(3, "222", "Coffee", "", 1)}},
    // The columns in any order, a header in any case; a column the list lacks stays unset.
    {2, "Lower;CODE\r\nbox;111\r\n", Csv, {Row(2, "111", none, "box")}},
    // Quoted fields: separators, quotes and line ends inside, a byte order mark before the header.
    {3, "\xEF\xBB\xBF" "code\tupper\n\"1\t2\"\t\"say \"\"hi\"\"\nthere\"\n333\t\n", Csv,
     {Row(2, "1\t2", "say \"hi\"\nthere"), Row(4, "333", "")}},
    // Without a header the columns are code, upper, lower, copies; blank lines are skipped.
    {4, "111,Top\n\n  \n222,Top,Bottom,3", Csv, {Row(1, "111", "Top"), Row(4, "222", "Top", "Bottom", 3)}},
    // Bad rows among good ones, each with its line and why.
    {5, "code,copies\n111,0\n,2\n222,1,x\n333\n\"444", Csv,
     {Row(2, "111", none, none, 1, "copies must be a whole number from 1 to 10000, not '0'"),
      Row(3, "", none, none, 2, "no code"), Row(4, "222", none, none, 1, "3 fields where the header names 2"),
      Row(5, "333"), Row(6, "", none, none, 1, "a quoted field is not closed")}},
    // A plain list keeps commas and quotes in its codes, and reads CR LF as LF but a lone CR as a byte.
    {6, "\xEF\xBB\xBFTea, 250 g\r\n\"A\"\r\nx\ry\n", Lines, {Row(1, "Tea, 250 g"), Row(2, "\"A\""), Row(3, "x\ry")}},
    {7, "111\n" + std::string(1025, '9') + "\n222", Lines,
     {Row(1, "111"), Row(2, "", none, none, 1, "row over 1 KiB (1025 bytes)"), Row(3, "222")}},
    // A row of exactly the longest length is kept whole, in either format.
    {8, std::string(1024, '8') + "\n", Lines, {Row(1, std::string(1024, '8'))}},
    {9, "code\n" + std::string(1024, '8') + "\n", Csv, {Row(2, std::string(1024, '8'))}},
    // A quote never closed is told as such, also when the rest of the list follows it: the field ends at
    // the longest row and the rows after the next line end are read again.
    {10, "code,upper\n\"111,a\n" + std::string(1100, 'x') + "\n222,b\n", Csv,
     {Row(2, "", none, none, 1, "a quoted field is not closed (lines 2 to 3 read as one row)"),
      Row(4, "222", "b")}},
};
// clang-format on

TEST(LabelList, ReadsEachDialectWholeOrInPieces)
{
    for (const ListCase& c : kLists)
        for (const std::size_t chunk : {0, 1, 2}) {
            const std::vector<TListRow> rows = Rows(c.bytes, c.format, chunk);
            ASSERT_EQ(rows.size(), c.rows.size()) << "case " << c.line << ", chunk " << chunk;
            for (std::size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(rows[i], c.rows[i]) << "case " << c.line << ", chunk " << chunk << ", row " << i;
        }
}

TEST(LabelList, TheFormatIsCsvForItsNamesOrAHeader)
{
    EXPECT_EQ(DetectListFormat("codes.CSV", "111,Tea"), TListFormat::Csv);
    EXPECT_EQ(DetectListFormat("codes.tsv", "111"), TListFormat::Csv);
    EXPECT_EQ(DetectListFormat("-", "\xEF\xBB\xBF"
                                    "code;upper\r\n1;2"),
              TListFormat::Csv);
    EXPECT_EQ(DetectListFormat("codes.txt", "Tea, 250 g\n"), TListFormat::Lines);
    EXPECT_EQ(DetectListFormat("codes.txt", "code,code\n"), TListFormat::Lines);
    // A quoted header reads as the reader reads it, from a file, standard input or a paste alike.
    for (const char* name : {"standard input", "pasted", "codes.txt"})
        EXPECT_EQ(DetectListFormat(name, "\"code\",\"upper\"\n111,a\n"), TListFormat::Csv) << name;
    EXPECT_EQ(DetectListFormat("-", "\"code\"\n"), TListFormat::Csv);
    EXPECT_EQ(DetectListFormat("-", "\"Tea, 250 g\"\n"), TListFormat::Lines);
}

// Which first row is a header under each rule, and what the fields are then taken for. A kind's codes
// are digits here (EAN-13), or any word (Code 128), as the window asks.
TEST(LabelList, AHeaderIsToldByItsRuleAndItsColumnsMapped)
{
    const auto digitsOnly = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const auto anyText = [](std::string_view text) { return !text.empty(); };
    struct Case {
        int line;
        std::string bytes;
        THeaderRule rule;
        std::function<bool(std::string_view)> isCode;
        TListFormat format; // as DetectListFormat tells it for a pasted list
        std::vector<TListRow> rows;
    };
    // clang-format off
    const Case cases[] = {
        // 1-2: quillon-cli's rule reads "code,name" as a row, as it always has; the window's as a header,
        // the name going to the upper caption.
        {1, "code,name\n5901234123457,Tea\n", THeaderRule::Named, {}, TListFormat::Lines,
         {Row(1, "code,name"), Row(2, "5901234123457,Tea")}},
        {2, "code,name\n5901234123457,Tea\n", THeaderRule::Worded, digitsOnly, TListFormat::Csv,
         {Row(2, "5901234123457", "Tea")}},
        // 3: a spreadsheet's export: SKU the code, Description the upper caption, Qty the copies.
        {3, "SKU;Description;Qty\r\n5901234123457;Tea;2\r\n", THeaderRule::Worded, digitsOnly,
         TListFormat::Csv, {Row(2, "5901234123457", "Tea", none, 2)}},
        // 4: two naming words are a header even where any word is a code.
        {4, "Barcode,Product Name\nABC-1,Tea\n", THeaderRule::Worded, anyText, TListFormat::Csv,
         {Row(2, "ABC-1", "Tea")}},
        // 5: a list of words that are codes of the kind keeps its first row.
        {5, "HELLO\nWORLD\n", THeaderRule::Worded, anyText, TListFormat::Lines,
         {Row(1, "HELLO"), Row(2, "WORLD")}},
        // 6: a word that is no code of the kind is a header, its field the code.
        {6, "Artikel\n5901234123457\n", THeaderRule::Worded, digitsOnly, TListFormat::Csv,
         {Row(2, "5901234123457")}},
        // 7: a first row holding a digit is data under every rule.
        {7, "5901234123457,Tea\n", THeaderRule::Worded, digitsOnly, TListFormat::Lines,
         {Row(1, "5901234123457,Tea")}},
        // 8: an Arabic header of words.
        {8, "\xD8\xA7\xD9\x84\xD8\xB1\xD9\x85\xD8\xB2,\xD8\xA7\xD8\xB3\xD9\x85\n5901234123457,x\n",
         THeaderRule::Worded, digitsOnly, TListFormat::Csv, {Row(2, "5901234123457", none, none)}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const TListColumns columns{.Header = c.rule, .Fields = {}, .IsCode = c.isCode};
        EXPECT_EQ(DetectListFormat("pasted", c.bytes, columns), c.format) << "case " << c.line;
        std::vector<TListRow> rows;
        ReadList(
            c.bytes, c.format, "list", [&](TListRow&& row) { rows.push_back(std::move(row)); }, columns);
        EXPECT_EQ(rows, c.rows) << "case " << c.line;
    }
}

// Columns mapped by hand win over the header's names and the positions; a field may be left out.
TEST(LabelList, MappedColumnsTakeTheFieldsTheyName)
{
    using enum TListColumn;
    struct Case {
        int line;
        THeaderRule rule;
        std::vector<TListColumn> fields;
        std::vector<TListRow> rows;
    };
    const std::string list = "name,code,n\nTea,111,2\n";
    const Case cases[] = {
        {1, THeaderRule::Always, {Upper, Code, Copies}, {Row(2, "111", "Tea", none, 2)}},
        {2, THeaderRule::Always, {Ignore, Code}, {Row(2, "111")}},
        {3, THeaderRule::Never, {Lower, Code}, {Row(1, "code", none, "name"), Row(2, "111", none, "Tea")}},
        // The header's own guess: "name" the upper caption, "code" the code, "n" names nothing.
        {4, THeaderRule::Worded, {}, {Row(2, "111", "Tea")}},
    };
    for (const Case& c : cases) {
        std::vector<TListRow> rows;
        TListReader reader(TListFormat::Csv, "list", {.Header = c.rule, .Fields = c.fields, .IsCode = {}});
        const auto keep = [&](TListRow&& row) { rows.push_back(std::move(row)); };
        reader.Add(list, keep);
        reader.Finish(keep);
        EXPECT_EQ(rows, c.rows) << "case " << c.line;
        const std::vector<std::string> header = c.rule == THeaderRule::Never
                                                    ? std::vector<std::string>{}
                                                    : std::vector<std::string>{"name", "code", "n"};
        EXPECT_EQ(reader.Header(), header) << "case " << c.line;
    }
    EXPECT_EQ(GuessListColumns({"Item No.", "Description", "Description 2", "Qty", "Price"}),
              (std::vector<TListColumn>{Code, Upper, Lower, Copies, Ignore}));
    EXPECT_EQ(GuessListColumns({"Price", "Colour"}), (std::vector<TListColumn>{Code, Ignore}));
    EXPECT_EQ(ListRecords("a;b\n\"1;2\";3\n4;5\n", "list", 2),
              (std::vector<std::vector<std::string>>{{"a", "b"}, {"1;2", "3"}}));
}

TEST(LabelList, AFileThatIsNoTextOrTooLongIsRefused)
{
    const std::string nul = std::string("111\n22") + '\0' + "2\n";
    EXPECT_EQ(MessageOf([&] { Rows(nul, TListFormat::Csv); }),
              "'list' is not a text file: line 2 holds a NUL byte");
    std::string rows;
    for (std::size_t i = 0; i <= kMaxListRows; ++i)
        rows += "1\n";
    std::size_t count = 0;
    const auto counting = [&](TListRow&&) { ++count; };
    EXPECT_EQ(MessageOf([&] { ReadList(rows, TListFormat::Lines, "list", counting); }),
              "'list' holds more than 1000000 rows");
    EXPECT_EQ(count, kMaxListRows);
}

TEST(LabelList, SerialRunsPadCountAndStopAtTheirEdges)
{
    const TSerialRun run{.Start = 98, .Step = 1, .Count = 3, .Prefix = "SN-", .Suffix = "/A", .Width = 3};
    CheckSerialRun(run);
    EXPECT_EQ(SerialCode(run, 0), "SN-098/A");
    EXPECT_EQ(SerialCode(run, 2), "SN-100/A");
    EXPECT_EQ(SerialCode({.Start = 12345, .Width = 3}, 0), "12345"); // wider than the width: kept whole

    struct Bad {
        TSerialRun run;
        std::string message;
    };
    const Bad bad[] = {
        {{.Count = 0}, "Count out of range: 0 (1 to 1000000)"},
        {{.Step = 0}, "Step out of range: 0 (1 or more)"},
        {{.Width = 19}, "Width out of range: 19 (1 to 18)"},
        {{.Start = 999'999'999'999'999'990, .Step = 5, .Count = 3},
         "The run passes 999999999999999999: start 999999999999999990, step 5, count 3"},
    };
    for (const Bad& b : bad)
        EXPECT_EQ(MessageOf([&] { CheckSerialRun(b.run); }), b.message);
}

} // namespace
} // namespace quillon
