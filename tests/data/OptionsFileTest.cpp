// The options file: integer and line reading, the 15-line format, reading only what is safe to read,
// atomic replacement and its errors.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "data/OptionsFile.h"
#include "data/SafeFile.h"
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
const TOptionsValues kBefore{.TM = 1,
                             .RM = 2,
                             .BM = 3,
                             .LM = 4,
                             .CS = 5,
                             .UEd = "before",
                             .CSpn = 2,
                             .RSpn = 3,
                             .BarKindSp = 9,
                             .ColorBox1 = -16777211,
                             .ZomSpn = 2,
                             .RatioSpn = 1,
                             .LangRG = 1,
                             .StChk = true,
                             .UChk = true};

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
    TOptionsValues values{.TM = 0,
                          .RM = 50,
                          .BM = 7,
                          .LM = 1,
                          .CS = 12,
                          .UEd = "  \xD9\x85 a\r\nb\rc\n ",
                          .CSpn = 4,
                          .RSpn = 20,
                          .BarKindSp = -1,
                          .ColorBox1 = INT32_MIN,
                          .ZomSpn = 10,
                          .RatioSpn = 0,
                          .LangRG = 0,
                          .StChk = true,
                          .UChk = false};
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

// Each row gives a folder holding an old options file the modes named and reads or writes the target
// (empty: the folder itself); the operation fails with the reason and the old file stays whole.
enum class Op : std::uint8_t { Read, Write };
const QFile::Permissions kRw = QFile::ReadOwner | QFile::WriteOwner, kRx = QFile::ReadOwner | QFile::ExeOwner;
const QFile::Permissions kRwx = kRw | QFile::ExeOwner;
struct FailureRow {
    int No;
    Op Kind;
    const char* Target;
    QFile::Permissions Folder, File;
    std::string Reason;
};

void ExpectFailures(const std::vector<FailureRow>& rows)
{
    for (const FailureRow& row : rows) {
        QTemporaryDir dir;
        const QString old = OptionsFilePath(dir.path());
        const QString path = *row.Target != '\0' ? dir.filePath(row.Target) : dir.path();
        WriteOptionsFile(old, "old");
        QFile::setPermissions(old, row.File);
        QFile::setPermissions(dir.path(), row.Folder);
        const auto act = [&] {
            row.Kind == Op::Write ? WriteOptionsFile(path, "x") : void(ReadOptionsFile(path));
        };
        EXPECT_EQ(MessageOf(act), row.Reason + ": " + path.toStdString()) << "row " << row.No;
        QFile::setPermissions(dir.path(), kRwx);
        QFile::setPermissions(old, kRw);
        EXPECT_EQ(ReadOptionsFile(old), "old") << "row " << row.No;
    }
}

TEST(OptionsFileIo, FailuresAreReportedAndLoseNothing)
{
    ExpectFailures({{1, Op::Write, "missing/options.txt", kRwx, kRw, "File not found"},
                    {2, Op::Write, "", kRwx, kRw, "Not a regular file"},
                    {3, Op::Read, "missing/options.txt", kRwx, kRw, "File not found"},
                    {4, Op::Read, "", kRwx, kRw, "Not a regular file"},
                    {5, Op::Read, "other.txt", kRwx, kRw, "File not found"}});
}

TEST(OptionsFileIo, PermissionFailuresAreReportedAndLoseNothing)
{
    QTemporaryDir probe;
    QFile::setPermissions(probe.path(), kRx);
    const bool enforced = access(probe.path().toLocal8Bit().constData(), W_OK) != 0;
    QFile::setPermissions(probe.path(), kRwx);
    if (!enforced)
        GTEST_SKIP() << "file permissions are not enforced for this user (root)";
    ExpectFailures({{6, Op::Write, "options.txt", kRwx, QFile::ReadOwner, "File access denied"}, // read-only
                    {7, Op::Write, "options.txt", kRx, kRw, "File access denied"},  // read-only folder
                    {8, Op::Read, "options.txt", kRwx, {}, "File access denied"}}); // unreadable
}

// Only a regular file of this user, reached through this user's links, of at most 64 KiB is read; the
// rest is refused by name without being read, and stays as it was. A read-only folder still lets it read.
TEST(OptionsFileIo, ReadsOnlyWhatIsSafeToRead)
{
    QTemporaryDir dir;
    const QString path = OptionsFilePath(dir.path());
    const QByteArray largest(kOptionsFileLimit, '7');
    struct Row {
        int No;
        std::function<bool()> Make;
        std::string Reason; // empty: read whole
    };
    const auto link = [&](const char* to) { return QFile::link(QString::fromLatin1(to), path); };
    const auto write = [&](const QByteArray& bytes) { return WriteOptionsFile(path, bytes), true; };
    const Row rows[] = {
        {1, [&] { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }, "Not a regular file"},
        {2, [&] { return link("/dev/zero"); }, "Not a regular file"},
        {3, [&] { return link("/nowhere/options.txt"); }, "Not a regular file"}, // never created there
        {4, [&] { return write(largest + '\n'); }, "Larger than 64 KiB"},
        {5, [&] { return write(largest); }, ""},
        {6, [&] { return write("5") && QFile::setPermissions(dir.path(), kRx); }, ""},
    };
    alarm(30); // a FIFO opened for reading would block for ever: fail the run instead of hanging it
    for (const Row& row : rows) {
        ASSERT_TRUE(row.Make()) << "row " << row.No;
        struct stat before {};
        lstat(QFile::encodeName(path).constData(), &before);
        QByteArray bytes;
        const std::string message = MessageOf([&] { bytes = ReadOptionsFile(path); });
        EXPECT_EQ(message, row.Reason.empty() ? "" : row.Reason + ": " + path.toStdString())
            << "row " << row.No;
        struct stat after {};
        lstat(QFile::encodeName(path).constData(), &after);
        EXPECT_EQ(std::tuple(after.st_ino, after.st_mode, after.st_size, after.st_mtim.tv_nsec),
                  std::tuple(before.st_ino, before.st_mode, before.st_size, before.st_mtim.tv_nsec))
            << "row " << row.No;
        EXPECT_EQ(bytes.size(), row.Reason.empty() ? before.st_size : 0) << "row " << row.No;
        QFile::setPermissions(dir.path(), kRwx);
        QFile::remove(path);
    }
    alarm(0);
}

// Writes beyond the file size limit fail with EFBIG and the previous file stays; a write that succeeds
// replaces it and leaves nothing else behind.
TEST(OptionsFileIo, WriteReplacesTheFileOrKeepsThePreviousOneWhenTheDiskIsFull)
{
    QTemporaryDir dir;
    const QString path = OptionsFilePath(dir.path());
    WriteOptionsFile(path, "old");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{.rlim_cur = 8, .rlim_max = saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = MessageOf([&] { WriteOptionsFile(path, QByteArray(64, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "File too large: " + path.toStdString());
    EXPECT_EQ(ReadOptionsFile(path), "old");
    const QByteArray bytes("new\0\xFF\r\n", 7);
    WriteOptionsFile(path, bytes);
    EXPECT_EQ(ReadOptionsFile(path), bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"options.txt"});
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
