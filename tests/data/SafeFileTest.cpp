// The safe file layer: reads refuse what is not a small regular file without reading it; replacements
// never write through a device, a FIFO or another user's link or file, keep links as links, keep name
// bytes, and leave the old file and no temporary file behind when abandoned or cut short.
#include "data/SafeFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

#include "data/Escape.h"

namespace quillon {
namespace {

constexpr std::size_t kLimit = 64 * 1024;
using TOutcome = std::pair<TFileFault, std::string>;

// The fault and message of the file error `action` raises; None and "" when it raises none.
TOutcome OutcomeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EFileError& error) {
        return {error.Fault(), error.what()};
    }
    return {TFileFault::None, ""};
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

mode_t StatusOf(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 ? status.st_mode : 0;
}

std::set<std::string> Names(const std::string& directory)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

class SafeFile : public ::testing::Test {
protected:
    std::string Dir;

    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillon-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr); // under TMPDIR or /tmp, never in the home directory
        Dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }
    std::string Path(const std::string& name) const { return Dir + "/" + name; }
    std::string Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Link(const std::string& name, const std::string& to) const
    {
        return symlink(to.c_str(), Path(name).c_str()) == 0 ? Path(name) : "";
    }
    std::string Fifo(const std::string& name) const
    {
        return mkfifo(Path(name).c_str(), 0600) == 0 ? Path(name) : "";
    }
};

TEST_F(SafeFile, ReadsRefuseWhatIsNotASmallRegularFileWithoutBlocking)
{
    const std::string big = Put("big", std::string(kLimit + 1, 'x'));
    alarm(30); // a FIFO opened for reading would block for ever: fail the run instead of hanging it
    const struct {
        std::string Path;
        std::size_t Limit;
        TFileFault Fault;
        const char* Message;
    } rows[] = {
        /* 1 */ {Fifo("fifo"), kLimit, TFileFault::NotRegular, "Not a regular file: "},
        /* 2 */ {Dir, kLimit, TFileFault::NotRegular, "Not a regular file: "},
        /* 3 */ {"/dev/null", kLimit, TFileFault::NotRegular, "Not a regular file: "},
        /* 4 */ {Link("zero", "/dev/zero"), kLimit, TFileFault::NotRegular, "Not a regular file: "},
        /* 5 */ {Path("none"), kLimit, TFileFault::NotFound, "File not found: "},
        /* 6 */ {big, kLimit, TFileFault::TooLarge, "Larger than 64 KiB: "},
        // Its size says 0 while it holds more: the read stops one byte past the limit.
        /* 7 */ {"/proc/self/status", 16, TFileFault::TooLarge, "Larger than 16 bytes: "},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row)
        EXPECT_EQ(OutcomeOf([&] { ReadRegularFile(rows[row].Path, rows[row].Limit); }),
                  TOutcome(rows[row].Fault, rows[row].Message + rows[row].Path))
            << "row " << row + 1;
    alarm(0);
    EXPECT_EQ(Slurp(big), std::string(kLimit + 1, 'x'));
    EXPECT_TRUE(S_ISFIFO(StatusOf(Path("fifo"))));
}

TEST_F(SafeFile, ReadsGiveEveryByteUpToTheLimit)
{
    const std::string bytes = std::string("\0\r\n\xff", 4) + std::string(kLimit - 4, 'y');
    EXPECT_EQ(ReadRegularFile(Put("full", bytes), kLimit), bytes);
    EXPECT_EQ(ReadRegularFile(Put("empty", ""), kLimit), "");
}

TEST_F(SafeFile, ReplacementsRefuseWhatIsNotARegularFileBeforeWritingAnything)
{
    ASSERT_EQ(mkdir(Path("sub").c_str(), 0700), 0);
    struct stat devNull {};
    ASSERT_EQ(stat("/dev/null", &devNull), 0);
    const struct {
        std::string Target;
        TFileFault Fault;
        const char* Message;
    } rows[] = {
        /* 1 */ {Fifo("fifo"), TFileFault::NotRegular, "Not a regular file: "},
        /* 2 */ {Path("sub"), TFileFault::NotRegular, "Not a regular file: "},
        /* 3 */ {Link("null", "/dev/null"), TFileFault::NotRegular, "Not a regular file: "},
        /* 4 */ {Link("to-fifo", "fifo"), TFileFault::NotRegular, "Not a regular file: "},
        // A dangling link could point where a file must not appear, such as another user's home.
        /* 5 */ {Link("dangling", "nowhere"), TFileFault::NotRegular, "Not a regular file: "},
        /* 6 */ {Link("loop", "loop"), TFileFault::NotRegular, "Not a regular file: "},
        /* 7 */ {Path("none/out.png"), TFileFault::NotFound, "File not found: "},
    };
    const std::set<std::string> before = Names(Dir), devBefore = Names("/dev");
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const std::string& target = rows[row].Target;
        const TOutcome expected(rows[row].Fault, rows[row].Message + target);
        const mode_t status = StatusOf(target);
        EXPECT_EQ(OutcomeOf([&] { CheckReplaceable(target); }), expected) << "row " << row + 1;
        EXPECT_EQ(OutcomeOf([&] { ReplaceFile(target, "PNG"); }), expected) << "row " << row + 1;
        EXPECT_EQ(StatusOf(target), status) << "row " << row + 1;
    }
    EXPECT_EQ(Names(Dir), before);
    EXPECT_EQ(Names("/dev"), devBefore);
    struct stat devNullAfter {};
    ASSERT_EQ(stat("/dev/null", &devNullAfter), 0);
    EXPECT_TRUE(S_ISCHR(devNullAfter.st_mode) && devNullAfter.st_rdev == devNull.st_rdev);
}

TEST_F(SafeFile, LinksOfOrToAnotherUserAreNotFollowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const std::string theirs = Put("theirs", "theirs");
    ASSERT_EQ(chown(theirs.c_str(), 65534, 65534), 0);
    Put("mine", "mine");
    const std::string planted = Link("planted", "mine"); // a link another user left in a shared directory
    ASSERT_EQ(lchown(planted.c_str(), 65534, 65534), 0);
    for (const std::string& target : {Link("to-theirs", "theirs"), planted}) {
        const TOutcome expected{TFileFault::NotOwned, "Not yours to replace: " + target};
        EXPECT_EQ(OutcomeOf([&] { CheckReplaceable(target); }), expected);
        EXPECT_EQ(OutcomeOf([&] { ReplaceFile(target, "new"); }), expected);
    }
    EXPECT_EQ(Slurp(theirs), "theirs");
    EXPECT_EQ(Slurp(Path("mine")), "mine");
    EXPECT_EQ(Names(Dir), (std::set<std::string>{"mine", "planted", "theirs", "to-theirs"}));
}

TEST_F(SafeFile, ReplacingThroughLinksKeepsThemAndChangesTheFileTheyReach)
{
    const std::string real = Put("real", "old");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    Link("link", "real");
    ReplaceFile(Link("outer", Path("link")), "new");
    EXPECT_EQ(Slurp(real), "new");
    EXPECT_EQ(StatusOf(real), S_IFREG | 0640); // the replaced file's mode is kept
    EXPECT_TRUE(S_ISLNK(StatusOf(Path("link"))) && S_ISLNK(StatusOf(Path("outer"))));
    EXPECT_EQ(Names(Dir), (std::set<std::string>{"link", "outer", "real"}));
}

TEST_F(SafeFile, NewFilesGetTheUmaskModeAndKeepTheirNameBytes)
{
    const mode_t saved = umask(027);
    const std::string longest(NAME_MAX, 'n'); // its temporary name must be cut to fit
    for (const std::string& name : {std::string("lab\xff.png"), longest})
        ReplaceFile(Path(name), name);
    umask(saved);
    EXPECT_EQ(Names(Dir), (std::set<std::string>{"lab\xff.png", longest}));
    EXPECT_EQ(ReadRegularFile(Path("lab\xff.png"), kLimit), "lab\xff.png");
    EXPECT_EQ(StatusOf(Path(longest)), S_IFREG | 0640);
}

TEST_F(SafeFile, AnAbandonedReplacementLeavesTheOldFileAndNoTemporaryFile)
{
    const std::string target = Put("keep", "old");
    {
        TFileReplacement replacement(target);
        replacement.Write("new");
        EXPECT_EQ(Names(Dir), std::set<std::string>{"keep"}); // written unnamed: nothing shows yet
    }
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(Names(Dir), std::set<std::string>{"keep"});
    TFileReplacement replacement(target);
    ASSERT_EQ(write(replacement.Descriptor(), "fd", 2), 2);
    replacement.Commit();
    EXPECT_EQ(Slurp(target), "fd");
    EXPECT_EQ(Names(Dir), std::set<std::string>{"keep"});
}

// Even SIGKILL, which no handler sees, leaves no half-written file: the file has no name until it is whole.
TEST_F(SafeFile, AKilledReplacementLeavesNothingBehind)
{
    const std::string target = Put("keep", "old");
    for (const std::string& name : {target, Path("new")}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TFileReplacement replacement(name);
            replacement.Write(std::string(1 << 20, 'x'));
            raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(Names(Dir), std::set<std::string>{"keep"});
}

// A file without its owner's write bit is not replaced, by its owner or by root; a writable one is.
TEST_F(SafeFile, WriteProtectionIsTakenFromTheModeBits)
{
    const bool root = geteuid() == 0; // only root can give a file to another user
    const struct {
        const char* Name;
        mode_t Mode;
        bool OtherOwner;
        TFileFault Fault;
    } rows[] = {
        /* 1 */ {"mine-ro", 0444, false, TFileFault::WriteProtected},
        /* 2 */ {"mine-rw", 0644, false, TFileFault::None},
        /* 3 */ {"mine-group-w", 0464, false, TFileFault::WriteProtected},
        /* 4 */ {"theirs-ro", 0444, true, TFileFault::WriteProtected},
        /* 5 */ {"theirs-rw", 0644, true, TFileFault::None},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        if (rows[row].OtherOwner && !root)
            continue; // only root can give a file to another user
        const std::string path = Put(rows[row].Name, "old");
        ASSERT_EQ(chmod(path.c_str(), rows[row].Mode), 0);
        if (rows[row].OtherOwner) {
            ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
        }
        const TOutcome outcome = OutcomeOf([&] { ReplaceFile(path, "new"); });
        EXPECT_EQ(outcome.first, rows[row].Fault) << "row " << row + 1;
        EXPECT_EQ(Slurp(path), rows[row].Fault == TFileFault::None ? "new" : "old") << "row " << row + 1;
        if (rows[row].Fault == TFileFault::WriteProtected) {
            EXPECT_EQ(outcome.second, "Write-protected: " + path);
        }
    }
}

// Folders too are reached only through links of the user or of root: a link another user planted in a
// shared folder cannot steer files into a folder of its choosing.
TEST_F(SafeFile, FolderLinksOfAnotherUserAreNotFollowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_EQ(mkdir(Path("victim").c_str(), 0700), 0);
    ASSERT_EQ(mkdir(Path("mine").c_str(), 0700), 0);
    const std::string planted = Link("planted", Path("victim"));
    ASSERT_EQ(lchown(planted.c_str(), 65534, 65534), 0);
    Link("own", "planted"); // the user's own link to the planted one is no way round it
    const std::string rows[] = {planted + "/out.png", Path("own/out.png"), Path("own/sub/../out.png")};
    for (const std::string& target : rows) {
        EXPECT_EQ(OutcomeOf([&] { ReplaceFile(target, "PNG"); }),
                  TOutcome(TFileFault::NotOwned, "Not yours to replace: " + target));
        EXPECT_EQ(OutcomeOf([&] { WriteNewFile(target, "PNG"); }).first, TFileFault::NotOwned);
    }
    EXPECT_EQ(OutcomeOf([&] { CheckFolderLinks(planted + "/new/sub"); }).first, TFileFault::NotOwned);
    EXPECT_TRUE(Names(Path("victim")).empty());
    Link("mine-link", "mine");
    ReplaceFile(Path("mine-link/out.png"), "PNG"); // the user's own links still lead where they point
    EXPECT_EQ(Slurp(Path("mine/out.png")), "PNG");
}

TEST_F(SafeFile, NewFilesNeverOverwriteAnEarlierOne)
{
    const std::string path = Path("options.txt.bad");
    EXPECT_EQ(WriteNewFile(path, "first"), path);
    EXPECT_EQ(WriteNewFile(path, "second"), path + ".1");
    EXPECT_EQ(WriteNewFile(path, "third"), path + ".2");
    EXPECT_EQ(Slurp(path) + Slurp(path + ".1") + Slurp(path + ".2"), "firstsecondthird");
    EXPECT_EQ(Names(Dir).size(), 3u);
}

// A lock file is read by a library that reads it whole and blocking: only a small regular file of the
// user's passes, and nothing is opened to find out.
TEST_F(SafeFile, OnlyASmallOwnRegularFilePassesAsALockFile)
{
    alarm(30);
    const std::string big = Put("big", std::string(5000, 'x'));
    const struct {
        std::string Path;
        TFileFault Fault;
        const char* What;
    } rows[] = {
        /* 1 */ {Fifo("fifo"), TFileFault::NotRegular, "a FIFO"},
        /* 2 */ {Dir, TFileFault::NotRegular, "a directory"},
        /* 3 */ {Link("zero", "/dev/zero"), TFileFault::NotRegular, "a character device"},
        /* 4 */ {Link("to-big", "big"), TFileFault::NotRegular, "a link"},
        /* 5 */ {big, TFileFault::TooLarge, "a regular file"},
        /* 6 */ {Put("small", "1234\nquillon\nhost\n"), TFileFault::None, "a regular file"},
        /* 7 */ {Path("none"), TFileFault::None, "not a regular file"},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        EXPECT_EQ(OutcomeOf([&] { CheckSmallOwnFile(rows[row].Path, 4096); }).first, rows[row].Fault)
            << "row " << row + 1;
        EXPECT_EQ(WhatIsAt(rows[row].Path), rows[row].What) << "row " << row + 1;
    }
    alarm(0);
}

TEST(FileError, MessagesNameTheFaultAndTheEscapedPath)
{
    const struct {
        TFileFault Fault;
        int Errno;
        std::size_t Limit;
        const char* Expected;
    } rows[] = {
        /* 1 */ {TFileFault::NotFound, ENOENT, 0, "File not found: a\\x1B[2Jb"},
        /* 2 */ {TFileFault::AccessDenied, EACCES, 0, "File access denied: a\\x1B[2Jb"},
        /* 3 */ {TFileFault::TooLarge, EFBIG, 3 * 1024 * 1024, "Larger than 3 MiB: a\\x1B[2Jb"},
        /* 4 */ {TFileFault::TooLarge, EFBIG, 1536 * 1024, "Larger than 1536 KiB: a\\x1B[2Jb"},
        /* 5 */ {TFileFault::DiskFull, ENOSPC, 0, "Disk full: a\\x1B[2Jb"},
        /* 6 */ {TFileFault::Io, EIO, 0, "I/O error 5: a\\x1B[2Jb"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(EFileError(row.Fault, row.Errno, "a\x1b[2Jb", row.Limit).what(), row.Expected);
}

TEST(EscapeForMessage, KeepsWellFormedUtf8AndEscapesControlsAndStrayBytes)
{
    const std::pair<std::string, std::string> rows[] = {
        /* 1 */ {"plain \xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
                 "plain \xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"}, // é € 😀
        /* 2 */ {"\t\x7f", "\\x09\\x7F"},
        /* 3 */ {"\xc2\x9b", "\\xC2\\x9B"}, // U+009B, the C1 control sequence introducer
        // Overlong forms of "/", a surrogate, a code point beyond U+10FFFF, a sequence cut short.
        /* 4 */ {"\xc0\xaf\xe0\x80\xaf", "\\xC0\\xAF\\xE0\\x80\\xAF"},
        /* 5 */ {"\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82", "\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xE2\\x82"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(EscapeForMessage(text), expected);
}

} // namespace
} // namespace quillon
