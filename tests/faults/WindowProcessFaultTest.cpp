// The window as a process of its own: an options file it may write but not read, a file-size limit and a
// data folder name whose bytes the file name encoding cannot give back. Each is told, and every file is left
// as it was or whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "data/OptionsFile.h"
#include "data/PictureTable.h"
#include "tests/faults/ChildProcess.h"
#include "tests/faults/FaultVersions.h"

namespace quillon::faults {
namespace {

const QByteArray kOldBytes = OptionsVersion(TVersion::Old);
const QString kLeft =
    "The options file is left as it is, and the settings of this session are not saved in it.";

QStringList Entries(const QString& directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Mode 222: the user may write the file but not read it. Reading fails, and the file is then never
// replaced with defaults, neither at start-up nor at close.
TEST(WindowProcessFault, AnOptionsFileThatCanBeWrittenButNotReadIsLeftAsItWas)
{
    TSharedDataDir dir;
    if (!PermissionsCanBind(dir))
        GTEST_SKIP() << "file permissions are not enforced for this user";
    const QString path = OptionsFilePath(dir.Path());
    ASSERT_TRUE(WriteBytes(path, kOldBytes));
    ASSERT_TRUE(SetMode(path, 0222) && SetMode(dir.Path(), 0777));
    const TChildResult child = RunFaultChild({"--unprivileged", "window", dir.Path()});
    if (child.ExitCode == kCannotDropPrivilegesExit)
        GTEST_SKIP() << child.Output.toStdString();
    ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
    EXPECT_EQ(child.Output, "error: File access denied: " + path + "  " + kLeft + "\nclosed");
    SetMode(path, 0644);
    EXPECT_EQ(ReadBytes(path), kOldBytes);
}

// With a file-size limit every write of the options fails as "File too large": the window is not killed
// by SIGXFSZ, says so at start-up and when closing, and leaves no temporary file.
TEST(WindowProcessFault, AFileSizeLimitIsToldAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    TPictureTable table; // a table that is there already, so that starting writes nothing else
    table.SetFileName(dir.filePath("pict.db"));
    table.Open(), table.Close();
    const TChildResult child = RunFaultChild({"--file-size-limit", "1", "window", dir.path()});
    ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
    const QString tooLarge = "File too large: " + OptionsFilePath(dir.path());
    EXPECT_EQ(child.Output,
              "error: " + tooLarge + "\nasked: The options could not be saved: " + tooLarge + "\nclosed");
    EXPECT_EQ(Entries(dir.path()), QStringList{"pict.db"});
}

// A name with a byte that is not UTF-8 would become another name through the text of the command line:
// it is refused with a message and status 2 before anything is made.
TEST(WindowProcessFault, ADataFolderNameThatCannotKeepItsBytesIsRefused)
{
    const char* const forms[] = {"--data-dir \"$(printf 'd\\377')\"", "--data-dir=\"$(printf 'd\\377')\""};
    for (const char* form : forms) {
        SCOPED_TRACE(form);
        QTemporaryDir dir;
        QProcess window;
        window.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        window.setProcessEnvironment(environment);
        // The shell makes the byte: a QProcess argument is text and could not carry it.
        window.start("/bin/sh",
                     {"-c", QString("exec \"$0\" %1").arg(form), QStringLiteral(QUILLON_WINDOW_PROGRAM)});
        if (!window.waitForFinished(60'000)) { // a window that started instead would run for ever
            window.kill(), window.waitForFinished(-1);
            FAIL() << "the window started";
        }
        EXPECT_EQ(window.exitCode(), 2);
        EXPECT_TRUE(window.readAllStandardError().contains(
            "--data-dir d\\xFF: the folder name cannot be represented"));
        EXPECT_EQ(Entries(dir.path()), QStringList());
    }
}

} // namespace
} // namespace quillon::faults
