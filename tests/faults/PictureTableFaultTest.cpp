// The picture table under a user who may not write it: replacing its rows fails with a clear message
// and the previous rows stay whole.
#include <gtest/gtest.h>

#include <QImage>

#include "data/PictureTable.h"
#include "tests/faults/ChildProcess.h"
#include "tests/faults/FaultVersions.h"

namespace quillon::faults {
namespace {

constexpr int kPreviousRows = 3;
constexpr int kNewRows = 5;
const QString kReadOnly = QStringLiteral("the file cannot be written (attempt to write a readonly database)");

struct TAccessRow {
    int No = 0;
    mode_t DirectoryMode = 0;
    mode_t FileMode = 0;
    const QString* Reason = nullptr; // nothing: the rows are replaced
};
const TAccessRow kAccessRows[] = {
    {1, 0555, 0444, &kReadOnly}, // read-only file in a read-only data directory
    {2, 0777, 0444, &kReadOnly}, // read-only file in a writable directory
    {3, 0555, 0666, &kReadOnly}, // a writable file, but its journal cannot be made beside it
    {4, 0777, 0666, nullptr},    // both writable: the rows are replaced
};

TEST(PictureTableFault, ATableTheUserMayNotWriteKeepsItsRows)
{
    const QImage previous = testing::NoiseImage(24, 16, 11);
    for (const TAccessRow& row : kAccessRows) {
        SCOPED_TRACE(row.No);
        TSharedDataDir dir;
        if (!PermissionsCanBind(dir))
            GTEST_SKIP() << "file permissions are not enforced for this user";
        const QString path = dir.FilePath("pict.db");
        TPictureTable table;
        table.SetFileName(path);
        table.Open(), table.ReplaceAllRows(previous, kPreviousRows), table.Close();
        ASSERT_TRUE(SetMode(path, row.FileMode) && SetMode(dir.Path(), row.DirectoryMode));

        const TChildResult child = RunFaultChild({"replace-unprivileged", path, QString::number(kNewRows)});
        if (child.ExitCode == kCannotDropPrivilegesExit)
            GTEST_SKIP() << child.Output.toStdString();
        ASSERT_EQ(child.ExitCode, 0) << child.Errors.toStdString();
        const QString expected =
            row.Reason == nullptr
                ? "ok"
                : "error: Cannot replace the rows of the picture table " + path + ": " + *row.Reason;
        EXPECT_EQ(child.Output, expected);

        SetMode(dir.Path(), 0755);
        table.Open();
        ASSERT_EQ(table.RowCount(), row.Reason == nullptr ? kNewRows : kPreviousRows);
        for (table.First(); row.Reason != nullptr && !table.Eof(); table.Next())
            EXPECT_EQ(table.Graphic(), previous);
        table.Close();
    }
}

} // namespace
} // namespace quillon::faults
