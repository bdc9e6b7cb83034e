// quillon-cli stopped midway by SIGINT, SIGTERM or SIGHUP during a bulk run: every file left is whole (the
// old one or the new label), and no temporary file stays behind. (A file-size limit: cli/SheetCommandTest.)
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "ChildProcess.h"

namespace quillon::faults {
namespace {

constexpr int kWaitMs = 60000;
const QByteArray kOld = "old";
const QByteArray kPngEnd = QByteArray::fromHex("0000000049454e44ae426082"); // the IEND chunk

QStringList AllEntries(const QString& path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The labels in `path` that are whole new PNG files.
int NewLabels(const QString& path)
{
    int count = 0;
    for (const QString& name : AllEntries(path))
        count += ReadBytes(QDir(path).filePath(name)).endsWith(kPngEnd) ? 1 : 0;
    return count;
}

// Runs a bulk run over 4,000 codes, sends `signal` once a few labels are written and waits for its end.
TChildResult StopBulkRun(const QString& out, int signal)
{
    QProcess cli;
    cli.start(QStringLiteral(QUILLON_CLI),
              {"label", "-k", "Code128B", "--sequence", "0001..4000", "-o", out});
    QElapsedTimer waited;
    waited.start();
    while (NewLabels(out) < 4 && waited.elapsed() < kWaitMs && cli.state() != QProcess::NotRunning)
        QThread::msleep(5);
    kill(static_cast<pid_t>(cli.processId()), signal);
    cli.waitForFinished(kWaitMs);
    return {.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            .Output = QString::fromLocal8Bit(cli.readAllStandardOutput()),
            .Errors = QString::fromLocal8Bit(cli.readAllStandardError())};
}

// New labels appear whole under their names or not at all; labels that exist already are replaced
// through a temporary file, which the signal removes. The exit status is 128 + the signal.
TEST(CliInterrupt, SignalsEndABulkRunWithNothingHalfWritten)
{
    struct Row {
        int line;
        int signal;
        bool existing; // the labels' names are taken by old files
        int status;
        QString message;
    } rows[] = {
        {1, SIGTERM, false, 143, "quillon-cli: terminated (SIGTERM)\n"},
        {2, SIGINT, true, 130, "quillon-cli: interrupted (SIGINT)\n"},
        {3, SIGHUP, true, 129, "quillon-cli: hung up (SIGHUP)\n"}, // the terminal closed: as SIGTERM
    };
    for (const Row& row : rows) {
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QDir().mkdir(out);
        for (int n = 1; row.existing && n <= 4000; ++n)
            WriteBytes(QDir(out).filePath(QStringLiteral("%1-%1.png").arg(n, 4, 10, QChar('0'))), kOld);
        const TChildResult result = StopBulkRun(out, row.signal);
        EXPECT_EQ(result.ExitCode, row.status) << "row " << row.line;
        EXPECT_TRUE(result.Errors.endsWith(row.message))
            << "row " << row.line << ": " << result.Errors.toStdString();
        const QStringList entries = AllEntries(out);
        EXPECT_LT(NewLabels(out), 4000) << "row " << row.line << ": the run was not stopped midway";
        for (const QString& name : entries) {
            EXPECT_FALSE(name.startsWith('.')) << "row " << row.line << ": " << name.toStdString();
            const QByteArray bytes = ReadBytes(QDir(out).filePath(name));
            EXPECT_TRUE(bytes == kOld || (bytes.startsWith("\x89PNG") && bytes.endsWith(kPngEnd)))
                << "row " << row.line << ": " << name.toStdString();
        }
    }
}

} // namespace
} // namespace quillon::faults
