// The options file under faults: a save killed at any moment, a full disk and files the user may not
// write. Each leaves one whole version of the file behind and says what went wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>

#include "data/OptionsFile.h"
#include "tests/faults/ChildProcess.h"
#include "tests/faults/FaultVersions.h"

namespace quillon::faults {
namespace {

const QByteArray kOldBytes = OptionsVersion(TVersion::Old);
const QByteArray kNewBytes = OptionsVersion(TVersion::New);

QStringList EntriesBesides(const QString& directory, const QString& name)
{
    QStringList entries = QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.removeAll(name);
    return entries;
}

// A killed save may leave its unfinished temporary file beside the options file. It does not matter as
// long as it can never be taken for the options file: a name of its own, and a plain file.
void ExpectOnlySaveLeftovers(const QString& directory)
{
    for (const QString& name : EntriesBesides(directory, QString::fromLatin1(kOptionsFileName))) {
        EXPECT_TRUE(name.startsWith('.' + QString::fromLatin1(kOptionsFileName) + '.')) << name.toStdString();
        EXPECT_TRUE(QFileInfo(QDir(directory).filePath(name)).isFile()) << name.toStdString();
    }
}

TEST(OptionsFault, ASaveKilledAtAnyMomentLeavesOneWholeVersion)
{
    constexpr int kKills = 40;
    constexpr int kLatestKillMs = 20;
    QTemporaryDir dir;
    const QString path = OptionsFilePath(dir.path());
    WriteOptionsFile(path, kOldBytes);
    std::mt19937 moments(20240611); // the randomness only picks the moments; the outcome must not vary
    std::uniform_int_distribution<int> delayMs(0, kLatestKillMs);
    for (int kill = 1; kill <= kKills; ++kill) {
        QProcess saver;
        saver.start(QStringLiteral(QUILLON_OPTIONS_SAVER), {path});
        ASSERT_TRUE(saver.waitForReadyRead(-1))
            << "kill " << kill << ": " << saver.readAllStandardError().data();
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(moments)));
        saver.kill();
        saver.waitForFinished(-1);
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit)
            << "kill " << kill << ": the saver stopped on its own";
        const QByteArray bytes = ReadOptionsFile(path);
        ASSERT_TRUE(bytes == kOldBytes || bytes == kNewBytes)
            << "kill " << kill << ": " << bytes.size() << " bytes";
    }
    ExpectOnlySaveLeftovers(dir.path());
}

// Where the file-size limit stops the save of the new version, counted from its start or its end.
enum class TFrom : std::uint8_t { Start, End };
struct TLimitRow {
    int No = 0;
    TFrom From = TFrom::Start;
    qint64 OffsetBytes = 0;
    bool Fits = false;
};
constexpr TLimitRow kLimitRows[] = {
    {1, TFrom::Start, 0, false},    // not one byte may be written
    {2, TFrom::Start, 1, false},    // one byte goes in, the rest fails
    {3, TFrom::Start, 4096, false}, // a page goes in
    {4, TFrom::End, -1, false},     // all but the last byte
    {5, TFrom::End, 0, true},       // exactly enough room: the limit alone is no failure
};

TEST(OptionsFault, AFullDiskIsReportedAndLeavesTheOldFileWhole)
{
    for (const TLimitRow& row : kLimitRows) {
        SCOPED_TRACE(row.No);
        QTemporaryDir dir;
        const QString path = OptionsFilePath(dir.path());
        WriteOptionsFile(path, kOldBytes);
        const qint64 limit = row.OffsetBytes + (row.From == TFrom::End ? kNewBytes.size() : 0);
        const TChildResult child = RunFaultChild({"write-limited", QString::number(limit), path});
        ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
        EXPECT_EQ(child.Output, row.Fits ? QString("ok") : "error: File too large: " + path);
        EXPECT_EQ(ReadBytes(path), row.Fits ? kNewBytes : kOldBytes);
        EXPECT_EQ(EntriesBesides(dir.path(), kOptionsFileName), QStringList()) << "a failed save cleans up";
    }
}

struct TAccessRow {
    int No = 0;
    mode_t DirectoryMode = 0;
    mode_t FileMode = 0;
    bool Denied = false;
};
constexpr TAccessRow kAccessRows[] = {
    {1, 0555, 0644, true},  // read-only data directory, the file the owner's
    {2, 0555, 0666, true},  // a writable file, but no new file may be made beside it
    {3, 0777, 0444, true},  // a read-only file in a writable directory is not replaced behind its back
    {4, 0777, 0666, false}, // both writable: the save goes through
};

TEST(OptionsFault, AFileTheUserMayNotWriteIsReportedAndLeftWhole)
{
    for (const TAccessRow& row : kAccessRows) {
        SCOPED_TRACE(row.No);
        TSharedDataDir dir;
        if (!PermissionsCanBind(dir))
            GTEST_SKIP() << "file permissions are not enforced for this user";
        const QString path = OptionsFilePath(dir.Path());
        ASSERT_TRUE(WriteBytes(path, kOldBytes));
        ASSERT_TRUE(SetMode(path, row.FileMode) && SetMode(dir.Path(), row.DirectoryMode));
        const TChildResult child = RunFaultChild({"write-unprivileged", path});
        if (child.ExitCode == kCannotDropPrivilegesExit)
            GTEST_SKIP() << child.Output.toStdString();
        ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
        EXPECT_EQ(child.Output, row.Denied ? "error: File access denied: " + path : QString("ok"));
        EXPECT_EQ(ReadBytes(path), row.Denied ? kOldBytes : kNewBytes);
        EXPECT_EQ(EntriesBesides(dir.Path(), kOptionsFileName), QStringList());
    }
}

} // namespace
} // namespace quillon::faults
