// The files quillon-cli writes: only regular files of the user are replaced, through a link where it
// points, and file names keep their bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "RunCli.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

const std::string kCode = "6212236011840";
constexpr uid_t kNobody = 65534;

class OutputFiles : public testing::CliFiles {
protected:
    // The names in a directory as the bytes they are, sorted.
    std::vector<std::string> Names(const std::string& name = "") const
    {
        std::vector<std::string> names;
        DIR* directory = opendir((Path("") + "/" + name).c_str()); // Path() would take the name for UTF-8
        if (directory == nullptr)
            return {"(unreadable)"};
        while (const dirent* entry = readdir(directory))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.emplace_back(entry->d_name);
        closedir(directory);
        std::sort(names.begin(), names.end());
        return names;
    }
    mode_t LinkTypeOf(const std::string& name) const
    {
        struct stat status {};
        return lstat(Path(name).c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
    }
};

// Nothing but a regular file of the user is ever written: the command fails, names the target and what
// it is, and leaves it as it was, with no temporary file beside it.
TEST_F(OutputFiles, TargetsThatAreNoRegularFileOfTheUserAreRefused)
{
    struct Row {
        int line;
        std::string target;            // what the command is told to write
        std::vector<std::string> args; // the command, then what follows "-o target"
        std::function<void()> setUp;   // makes what lies at the target
        std::string named;             // the file the message names
        std::string what;
        mode_t type; // of `named` afterwards, a link followed
    } rows[] = {
        // clang-format off
        {1, "fifo.png", {"label", kCode}, [this] { mkfifo(Path("fifo.png").c_str(), 0600); }, "fifo.png", "a FIFO", S_IFIFO},
        // Never written, never even opened: the device stays what it is.
        {2, "null.png", {"label", kCode}, [this] { symlink("/dev/null", Path("null.png").c_str()); }, "null.png", "a character device", S_IFCHR},
        {3, "dir.png", {"label", kCode}, [this] { mkdir(Path("dir.png").c_str(), 0700); }, "dir.png", "a directory", S_IFDIR},
        {4, "dangling.png", {"label", kCode}, [this] { symlink("nowhere.png", Path("dangling.png").c_str()); }, "dangling.png", "a link that leads nowhere", 0},
        // In a bulk run, a label's name taken by a FIFO ends the run.
        {5, "out", {"label", "-k", "Code128B", "--sequence", "1..3"}, [this] { mkdir(Path("out").c_str(), 0700), mkfifo(Path("out/2-2.png").c_str(), 0600); }, "out/2-2.png", "a FIFO", S_IFIFO},
        // clang-format on
    };
    for (Row& row : rows) {
        row.setUp();
        std::vector<std::string> args = {row.args[0], "-o", Path(row.target)};
        args.insert(args.end(), row.args.begin() + 1, row.args.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 1) << "row " << row.line;
        EXPECT_EQ(testing::WithoutProgress(run.err), "quillon-cli: cannot write '" + Path(row.named) +
                                                         "': it is " + row.what + ", not a regular file\n")
            << "row " << row.line;
        struct stat status {};
        const bool exists = stat(Path(row.named).c_str(), &status) == 0;
        EXPECT_EQ(exists ? status.st_mode & S_IFMT : 0, row.type) << "row " << row.line;
    }
    struct stat null {};
    ASSERT_EQ(stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
    EXPECT_EQ(Names(), (std::vector<std::string>{"dangling.png", "dir.png", "fifo.png", "null.png", "out"}));
    const std::vector<std::string> labels = Names("out"); // the labels before it were made
    EXPECT_TRUE(std::find(labels.begin(), labels.end(), "1-1.png") != labels.end());
    EXPECT_TRUE(
        std::none_of(labels.begin(), labels.end(), [](const std::string& name) { return name[0] == '.'; }));
}

// Through another user's link or to another user's file, nothing is replaced; only root can set this up.
TEST_F(OutputFiles, AnotherUsersFileIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "making a file of another user needs root";
    Write("theirs.png", "theirs");
    ASSERT_EQ(chown(Path("theirs.png").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(symlink("theirs.png", Path("link.png").c_str()), 0);
    const CliRun run = RunCli({"label", "-o", Path("link.png"), kCode});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillon-cli: cannot write '" + Path("link.png") +
                           "': it is another user's file or reached through another user's link\n");
    EXPECT_EQ(Read("theirs.png"), "theirs");
}

// A file name is bytes: one that is no UTF-8 is written under exactly those bytes, as are a bulk run's
// directory and its codes file.
TEST_F(OutputFiles, NamesKeepTheirBytes)
{
    const auto bytePath = [this](const std::string& name) { return Path("") + "/" + name; };
    std::ofstream(bytePath("codes\xFF.txt")) << "A1\n";
    ASSERT_EQ(RunCli({"label", "-o", bytePath("lab\xFF.png"), kCode}).status, 0);
    ASSERT_EQ(RunCli({"sheet", "-o", bytePath("sheet\xFE.pdf"), kCode}).status, 0);
    const CliRun bulk =
        RunCli({"label", "-k", "Code128B", "--codes", bytePath("codes\xFF.txt"), "-o", bytePath("d\xFF")});
    ASSERT_EQ(bulk.status, 0) << bulk.err;
    EXPECT_EQ(Names(), (std::vector<std::string>{"codes\xFF.txt", "d\xFF", "lab\xFF.png", "sheet\xFE.pdf"}));
    EXPECT_EQ(Names("d\xFF"), std::vector<std::string>{"1-A1.png"});
}

// A bulk run over labels that exist already replaces each whole, leaving nothing else behind.
TEST_F(OutputFiles, BulkRunsReplaceExistingLabels)
{
    ASSERT_EQ(mkdir(Path("out").c_str(), 0700), 0);
    Write("out/1-A1.png", "old");
    Write("mine.png", "old");
    ASSERT_EQ(symlink(Path("mine.png").c_str(), Path("out/2-A2.png").c_str()), 0);
    Write("codes.txt", "A1\nA2\nA3\n");
    const CliRun run = RunCli({"label", "-k", "Code128B", "--codes", Path("codes.txt"), "-o", Path("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Names("out"), (std::vector<std::string>{"1-A1.png", "2-A2.png", "3-A3.png"}));
    EXPECT_EQ(LinkTypeOf("out/2-A2.png"), S_IFLNK);
    ASSERT_EQ(RunCli({"label", "-k", "Code128B", "-o", Path("single.png"), "A1"}).status, 0);
    EXPECT_EQ(Read("out/1-A1.png"), Read("single.png"));
    EXPECT_TRUE(Read("mine.png").startsWith("\x89PNG"));
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

// A bulk run's folder, and the folder part of any output, is reached only through the user's or root's
// links: a link another user planted steers nothing into the folder it points at.
TEST_F(OutputFiles, FoldersThroughAnotherUsersLinkAreRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "making a link of another user needs root";
    ASSERT_EQ(mkdir(Path("victim").c_str(), 0700), 0);
    ASSERT_EQ(symlink(Path("victim").c_str(), Path("planted").c_str()), 0);
    ASSERT_EQ(lchown(Path("planted").c_str(), kNobody, kNobody), 0);
    Write("codes.txt", "A1\n");
    const std::string refused = "': it is another user's file or reached through another user's link\n";
    const struct {
        std::vector<std::string> Args;
        std::string Target;
    } rows[] = {
        {{"label", "-k", "Code128B", "--codes", Path("codes.txt"), "-o", Path("planted")}, Path("planted")},
        {{"label", "-k", "Code128B", "--codes", Path("codes.txt"), "-o", Path("planted/new")},
         Path("planted/new")},
        {{"label", "-k", "Code128B", "-o", Path("planted/x.png"), "A1"}, Path("planted/x.png")},
        {{"sheet", "-o", Path("planted/x.pdf"), kCode}, Path("planted/x.pdf")},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCli(row.Args);
        EXPECT_EQ(run.status, 1) << row.Target;
        EXPECT_EQ(run.err, "quillon-cli: cannot write '" + row.Target + refused);
    }
    EXPECT_TRUE(Names("victim").empty());
}

// A file its owner made read-only is refused as rm would ask first, also for root.
TEST_F(OutputFiles, WriteProtectedFilesAreRefused)
{
    Write("kept.pdf", "kept");
    ASSERT_EQ(chmod(Path("kept.pdf").c_str(), 0444), 0);
    const CliRun run = RunCli({"sheet", "-o", Path("kept.pdf"), kCode});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "quillon-cli: cannot write '" + Path("kept.pdf") + "': it is write-protected (mode 0444)\n");
    EXPECT_EQ(Read("kept.pdf"), "kept");
}

// Standard input: closed is told as closed; a quoted header is a header as it is in a file; a row over
// the limit is told the same way as from a file, though only its fault is kept for the second reading.
TEST_F(OutputFiles, StandardInputIsReadAsAFileIs)
{
    const CliRun closed = RunCli({"label", "--codes", "-", "-o", Path("out")}, "exec 0<&-; ");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "quillon-cli: cannot read standard input: it is closed\n");
    const std::string list = "\"code\",\"upper\"\n" + std::string(1500, '7') + ",x\nA1,top\n";
    Write("codes.txt", QByteArray::fromStdString(list));
    const CliRun fromFile =
        RunCli({"label", "-k", "Code128B", "--no-verify", "--codes", Path("codes.txt"), "-o", Path("file")});
    const CliRun fromInput =
        RunCli({"label", "-k", "Code128B", "--no-verify", "--codes", "-", "-o", Path("input")},
               "cat " + testing::ShellQuote(Path("codes.txt")) + " | ");
    EXPECT_EQ(fromFile.status, 1);
    EXPECT_EQ(fromInput.status, 1);
    EXPECT_EQ(fromFile.err, "quillon-cli: line 2: row over 1 KiB (1502 bytes)\n");
    EXPECT_EQ(fromInput.err, fromFile.err);
    EXPECT_EQ(Names("input"), std::vector<std::string>{"3-A1.png"});
    EXPECT_EQ(Names("file"), Names("input"));
}

// A reader of standard error that quits (SIGPIPE) does not stop the run midway: the sheet is whole and
// nothing half written is left beside it.
TEST_F(OutputFiles, AReaderThatQuitsLeavesNothingHalfWritten)
{
    std::string list;
    for (int i = 0; i < 200; ++i)
        list += kCode + "\n12345\n";
    Write("codes.txt", QByteArray::fromStdString(list));
    const std::string command = testing::ShellQuote(QUILLON_CLI) + " sheet --no-verify --codes " +
                                testing::ShellQuote(Path("codes.txt")) + " -o " +
                                testing::ShellQuote(Path("s.pdf")) +
                                " 2>&1 >/dev/null | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"codes.txt", "s.pdf"}));
    EXPECT_TRUE(Read("s.pdf").startsWith("%PDF-"));
}

} // namespace
} // namespace quillon
