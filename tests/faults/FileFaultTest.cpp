// The options file and the picture table under faults: a save killed at any moment, a full disk and files
// the user may not write. Each leaves one whole version behind and says what went wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>

#include "data/OptionsFile.h"
#include "data/PictureTable.h"
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

TEST(FileFault, AnOptionsSaveKilledAtAnyMomentLeavesOneWholeVersion)
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
        saver.start(QStringLiteral(QUILLON_FAULT_CHILD), {"save-loop", path});
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
    // A killed save may leave its unfinished temporary file beside the options file. It does not matter
    // as long as it can never be taken for the options file: a name of its own, and a plain file.
    for (const QString& name : EntriesBesides(dir.path(), QString::fromLatin1(kOptionsFileName))) {
        EXPECT_TRUE(name.startsWith('.' + QString::fromLatin1(kOptionsFileName) + '.')) << name.toStdString();
        EXPECT_TRUE(QFileInfo(QDir(dir.path()).filePath(name)).isFile()) << name.toStdString();
    }
}

// Where the file-size limit stops the save of the new version, counted from its start or its end.
enum class TFrom : std::uint8_t { Start, End };
constexpr std::tuple<TFrom, qint64, bool> kLimitRows[] = {
    {TFrom::Start, 0, false}, // 1 not one byte may be written
    {TFrom::End, -1, false},  // 2 all but the last byte
    {TFrom::End, 0, true},    // 3 exactly enough room: the limit alone is no failure
};

TEST(FileFault, AFullDiskIsReportedAndLeavesTheOldOptionsWhole)
{
    for (int no = 1; const auto& [from, offsetBytes, fits] : kLimitRows) {
        SCOPED_TRACE(no++);
        QTemporaryDir dir;
        const QString path = OptionsFilePath(dir.path());
        WriteOptionsFile(path, kOldBytes);
        const qint64 limit = offsetBytes + (from == TFrom::End ? kNewBytes.size() : 0);
        const TChildResult child =
            RunFaultChild({"--file-size-limit", QString::number(limit), "write", path});
        ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
        EXPECT_EQ(child.Output, fits ? QString("ok") : "error: File too large: " + path);
        EXPECT_EQ(ReadBytes(path), fits ? kNewBytes : kOldBytes);
        EXPECT_EQ(EntriesBesides(dir.path(), kOptionsFileName), QStringList()) << "a failed save cleans up";
    }
}

enum class TTarget : std::uint8_t { Options, Table };

struct TAccessRow {
    TTarget Target = TTarget::Options;
    mode_t DirectoryMode = 0;
    mode_t FileMode = 0;
    QString Error{}; // "%1" stands for the file; nothing: it is replaced
};

const QString kDenied = "File access denied: %1";
const QString kReadOnly =
    "Cannot replace the rows of the picture table %1: the file cannot be written (attempt to write a "
    "readonly database)";
const TAccessRow kAccessRows[] = {
    {TTarget::Options, 0555, 0644, kDenied}, // 1 read-only data directory, the file the owner's
    {TTarget::Options, 0555, 0666, kDenied}, // 2 a writable file, but no new file may be made beside it
    {TTarget::Options, 0777, 0444, kDenied}, // 3 a read-only file is not replaced behind its back
    {TTarget::Options, 0777, 0666},          // 4 both writable: the save goes through
    {TTarget::Table, 0555, 0444, kReadOnly}, // 5
    {TTarget::Table, 0777, 0444, kReadOnly}, // 6
    {TTarget::Table, 0555, 0666, kReadOnly}, // 7 its journal cannot be made beside it
    {TTarget::Table, 0777, 0666},            // 8
};

constexpr int kOldRows = 3, kNewRows = 5;

QImage OldPicture()
{
    return testing::NoiseImage(24, 16, 11);
}

// "old" or "new" when the file holds one version whole.
QString VersionIn(TTarget target, const QString& path)
{
    if (target == TTarget::Options) {
        const QByteArray bytes = ReadBytes(path);
        return bytes == kOldBytes ? "old" : bytes == kNewBytes ? "new" : "mixed";
    }
    TPictureTable table;
    table.SetFileName(path);
    table.Open();
    QImage blue(8, 8, QImage::Format_RGB32); // what the helper program writes
    blue.fill(Qt::blue);
    int rows = 0, oldRows = 0, newRows = 0;
    for (table.First(); !table.Eof(); table.Next(), ++rows)
        oldRows += table.Graphic() == OldPicture() ? 1 : 0, newRows += table.Graphic() == blue ? 1 : 0;
    return oldRows == kOldRows && rows == kOldRows   ? "old"
           : newRows == kNewRows && rows == kNewRows ? "new"
                                                     : "mixed";
}

TEST(FileFault, AFileTheUserMayNotWriteIsReportedAndLeftWhole)
{
    for (int no = 1; const TAccessRow& row : kAccessRows) {
        SCOPED_TRACE(no++);
        TSharedDataDir dir;
        if (!PermissionsCanBind(dir))
            GTEST_SKIP() << "file permissions are not enforced for this user";
        const bool options = row.Target == TTarget::Options;
        const QString path = options ? OptionsFilePath(dir.Path()) : dir.FilePath("pict.db");
        if (options) {
            ASSERT_TRUE(WriteBytes(path, kOldBytes));
        } else {
            TPictureTable table;
            table.SetFileName(path);
            table.Open(), table.ReplaceAllRows(OldPicture(), kOldRows), table.Close();
        }
        ASSERT_TRUE(SetMode(path, row.FileMode) && SetMode(dir.Path(), row.DirectoryMode));
        const TChildResult child = RunFaultChild(
            options ? QStringList{"--unprivileged", "write", path}
                    : QStringList{"--unprivileged", "replace", path, QString::number(kNewRows)});
        if (child.ExitCode == kCannotDropPrivilegesExit)
            GTEST_SKIP() << child.Output.toStdString();
        ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
        EXPECT_EQ(child.Output, row.Error.isEmpty() ? QString("ok") : "error: " + row.Error.arg(path));
        SetMode(dir.Path(), 0755), SetMode(path, 0644);
        EXPECT_EQ(VersionIn(row.Target, path), row.Error.isEmpty() ? "new" : "old");
        EXPECT_EQ(EntriesBesides(dir.Path(), QFileInfo(path).fileName()), QStringList());
    }
}

} // namespace
} // namespace quillon::faults
