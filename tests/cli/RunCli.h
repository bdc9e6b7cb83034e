// Runs the built quillon-cli as a script would and captures its output, error text and exit status.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "tests/support/PatternDecoder.h"
#include "tests/support/QtSupport.h"

namespace quillon::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a program as RunCli runs quillon-cli, such as a build of it with a fault planted.
inline CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& shellPrologue = "")
{
    // One file per process: ctest runs the tests of this binary in parallel processes.
    const std::string errFile = ::testing::TempDir() + "cli_stderr_" + std::to_string(getpid()) + ".txt";
    std::string command = shellPrologue + ShellQuote(program);
    for (const auto& arg : args)
        command += " " + ShellQuote(arg);
    command += " 2>" + ShellQuote(errFile);

    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream errText;
    errText << err.rdbuf();
    run.err = errText.str();
    return run;
}

// shellPrologue runs in the same shell first, such as a limit on the size of the files written.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& shellPrologue = "")
{
    return RunProgram(QUILLON_CLI, args, shellPrologue);
}

// Standard error without the progress lines that a run over a second prints, however slow the
// machine running the tests is.
inline std::string WithoutProgress(const std::string& err)
{
    static const std::regex progress("quillon-cli: [0-9]+ of [0-9]+ labels\n");
    return std::regex_replace(err, progress, "");
}

inline const std::string kLabelUsage =
    "usage: quillon-cli label [options] -o FILE.png TEXT\n"
    "       quillon-cli label [options] -o DIR --codes FILE|--sequence FROM..TO[/STEP]\n";
inline const std::string kSheetUsage =
    "usage: quillon-cli sheet [options] -o FILE.pdf TEXT\n"
    "       quillon-cli sheet [options] -o FILE.pdf --codes FILE|--sequence FROM..TO[/STEP]\n";
// A label of this as Code 128 B with it as the lower caption makes a PNG of over 512 bytes.
inline const std::string kLongText =
    "Quillon 0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz";
// A disk that takes only one POSIX block (512 bytes) of a file. The signal the limit raises is the
// command's own to ignore.
inline const std::string kFileSizeLimit = "ulimit -f 1; ";

inline std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A run expected to fail: exit status and exact standard error, nothing on standard output.
struct FailRow {
    int line;
    std::vector<std::string> args;
    int status;
    std::string err;
};

inline void ExpectFailures(const std::vector<FailRow>& rows)
{
    for (const FailRow& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(run.out, "") << "row " << row.line;
        EXPECT_EQ(run.err, row.err) << "row " << row.line;
    }
}

// A scratch directory for the files a test hands the command and the files it writes.
class CliFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Path(const std::string& name) const
    {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    void Write(const std::string& name, const QByteArray& bytes) const
    {
        ASSERT_TRUE(WriteBytes(QString::fromStdString(Path(name)), bytes));
    }
    QByteArray Read(const std::string& name) const { return ReadBytes(QString::fromStdString(Path(name))); }
    // The files in a directory, sorted; hidden temporary files, FIFOs and links would show here too.
    QStringList Files(const std::string& name = "") const
    {
        return QDir(QString::fromStdString(Path(name)))
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    QTemporaryDir dir;
};

} // namespace quillon::testing
