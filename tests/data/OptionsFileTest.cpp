// The options file: integer and line reading, the 15-line format and the data folder it lives in. How the
// file is read and replaced safely is the safe file layer's (SafeFileTest) and the fault tests'.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <tuple>

#include "data/OptionsFile.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {

// Failures show the values as the file would hold them.
void PrintTo(const TOptionsValues& values, std::ostream* out)
{
    *out << FormatOptions(values);
}

namespace {

using namespace std::literals;

// File errors are EFileError, a std::runtime_error; number errors are Exception.
const auto MessageOf = testing::MessageOf<std::exception>;

const std::string kInvalid = "Invalid numeric input";
const std::string kZeros(30, '0');
const std::string kHuge(1 << 20, '9');

// A record that differs from the empty one in every field, so that whatever a read leaves alone shows.
// clang-format off
const TOptionsValues kBefore{.TM = 1, .RM = 2, .BM = 3, .LM = 4, .CS = 5, .UEd = "before", .CSpn = 2, .RSpn = 3,
                             .BarKindSp = 9, .ColorBox1 = -16777211, .ZomSpn = 2, .RatioSpn = 1, .LangRG = 1,
                             .StChk = true, .UChk = true};
// clang-format on

TOptionsValues ReadValues(const std::string& bytes)
{
    TOptionsReader reader(bytes);
    TOptionsValues values = kBefore;
    ReadOptions(reader, values);
    return values;
}

// Ops: I reads an integer, L a line; each result as text, or the message an integer read raised.
TEST(OptionsReader, ReadsIntegersAndLinesByTheFileRules)
{
    struct Row {
        int No;
        std::string Bytes;
        std::string Ops;
        std::vector<std::string> Results;
    };
    // clang-format off
    const Row rows[] = {
        {1, "10\r\n20\r\n", "III", {"10", "20", "0"}},                // end of file reads 0, no error
        {2, "1\r\n\r\n2\r\n", "II", {"1", "2"}},                      // a blank line is skipped: reads shift
        {3, "10\r\n\r\n10\r\n10\r\n2\r\nwww.x\r\n", "IIIII", {"10", "10", "10", "2", kInvalid}},  // 5th: caption
        {4, "42 and more text\r\n7\r\n", "II", {"42", "7"}},          // the rest of a value's line is skipped
        {5, "12abc\r\n", "I", {kInvalid}},                            // letters joined to the number
        {6, "$10\r\n0x10\r\n0X10\r\nx10\r\nX10\r\n", "IIIII", {"16", "16", "16", "16", "16"}},
        {7, "$ff\n$7FFFFFFF\n$FF000005\n$FFFFFFFF\n$100000000", "IIIII",  // read as a 32-bit pattern
            {"255", "2147483647", "-16777211", "-1", kInvalid}},
        {8, "2147483647\n-2147483648\n+5\n-0\n007\n", "IIIII", {"2147483647", "-2147483648", "5", "0", "7"}},
        {9, "2147483648", "I", {kInvalid}},  {10, "-2147483649", "I", {kInvalid}},  {11, "-", "I", {kInvalid}},
        {12, "$", "I", {kInvalid}},  {13, "0x", "I", {kInvalid}},  {14, "-$10", "I", {kInvalid}},  // no signed hex
        {15, "5-", "I", {kInvalid}}, {16, "5\xC3\xA9", "I", {kInvalid}}, {17, kHuge, "I", {kInvalid}},
        {18, kZeros + "42\n$" + kZeros + "A\n" + kZeros + "042", "III", {"42", "10", kInvalid}},  // 32 ok, 33 not
        {19, " \t\r\n\r\n", "I", {"0"}},
        {20, std::string("\0\0 5\0rest\n6"sv), "II", {"5", "6"}},    // NUL is a blank
        {21, "1\r2\r\n3\n4", "IIII", {"1", "2", "3", "4"}},           // lone CR, CR LF and LF end a line
        {22, "5\r\n  caption with spaces  \r\n7", "ILI", {"5", "  caption with spaces  ", "7"}},
        {23, "5 tail\r\ncap\nnext\r\n", "ILLL", {"5", "cap", "next", ""}},  // empty text at the end
        {24, std::string("a\0b\xFF\r\n"sv) + kHuge + "\n", "LL", {std::string("a\0b\xFF"sv), kHuge}},
    };
    // clang-format on
    for (const Row& row : rows) {
        TOptionsReader r(row.Bytes);
        std::vector<std::string> results;
        for (const char op : row.Ops) {
            std::string value;
            const std::string error =
                MessageOf([&] { value = op == 'I' ? std::to_string(r.ReadInteger()) : r.ReadLine(); });
            results.push_back(error.empty() ? value : error);
        }
        EXPECT_EQ(results, row.Results) << "row " << row.No;
    }
}

// The file byte for byte; a round trip keeps every value and drops the caption's line breaks; a file of
// only the margin lines reads the rest as 0 and an empty caption; a bad number keeps what came before it.
TEST(OptionsFormat, FileBytesRoundTripShortFileAndBadNumber)
{
    EXPECT_EQ(FormatOptions(kBefore),
              "1\r\n2\r\n3\r\n4\r\n5\r\nbefore\r\n2\r\n3\r\n9\r\n-16777211\r\n2\r\n1\r\n1\r\n1\r\n1\r\n");
    // clang-format off
    TOptionsValues values{.TM = 0, .RM = 50, .BM = 7, .LM = 1, .CS = 12, .UEd = "  \xD9\x85 a\r\nb\rc\n ", .CSpn = 4,
                          .RSpn = 20, .BarKindSp = -1, .ColorBox1 = INT32_MIN, .ZomSpn = 10, .RatioSpn = 0,
                          .LangRG = 0, .StChk = true, .UChk = false};
    // clang-format on
    const TOptionsValues read = ReadValues(FormatOptions(values));
    values.UEd = "  \xD9\x85 abc ";
    EXPECT_EQ(read, values);
    EXPECT_EQ(ReadValues("10\r\n10\r\n10\r\n10\r\n2\r\n"),
              (TOptionsValues{.TM = 10, .RM = 10, .BM = 10, .LM = 10, .CS = 2}));
    TOptionsValues partly = kBefore;
    TOptionsReader bad("20\r\n21\r\n2x\r\n22\r\n"s);
    EXPECT_EQ(MessageOf([&] { ReadOptions(bad, partly); }), kInvalid);
    EXPECT_EQ(std::tuple(partly.TM, partly.RM, partly.BM, partly.UEd), std::tuple(20, 21, 3, "before"s));
}

TEST(OptionsFileIo, EnsureDirectoryCreatesMissingFolders)
{
    QTemporaryDir dir;
    WriteOptionsFile(dir.filePath("file"), "x");
    EXPECT_TRUE(EnsureDirectory(dir.filePath("a/b")) && EnsureDirectory(dir.filePath("a/b"))); // twice
    EXPECT_FALSE(EnsureDirectory(dir.filePath("file"))); // a file is in the way
}

} // namespace
} // namespace quillon
