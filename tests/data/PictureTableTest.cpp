// TPictureTable: creation, cursor, whole-table replacement, picture round trip, and the failures of
// foreign, damaged, locked and read-only files, each with its message and nothing lost.
#include "data/PictureTable.h"

#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

#include "barcode/Exception.h"

namespace quillon {
namespace {

// A picture whose pixels all differ from their neighbours, so that any change shows.
QImage Noise(QImage::Format format, quint32 seed)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, seed = seed * 1664525u + 1013904223u);  // Numerical Recipes LCG
    return image.convertToFormat(format);
}

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    return "(no error)";
}

// Statements run through a second, independent connection, as another program would; `then`
// runs while that connection still holds what the statements took.
void AsOtherProgram(
    const QString& file, const QStringList& statements, const std::function<void()>& then = [] {})
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
        db.setDatabaseName(file), db.open();
        for (const QString& statement : statements)
            EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        then();
    }
    QSqlDatabase::removeDatabase("other");
}

class PictureTable : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString File = Dir.filePath("pict.db");
    TPictureTable Table;
    QImage Label = Noise(QImage::Format_RGB32, 7);

    void SetUp() override { Table.SetFileName(File); }
    void TearDown() override
    {
        QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    std::string Message(const char* action, const char* reason)
    {
        const QString message = QString("Cannot %1 the picture table %2: %3");
        return message.arg(action, Table.FileName(), reason).toStdString();
    }
    void ExpectRows(int count, const QImage& image)
    {
        EXPECT_EQ(Table.RowCount(), count);
        int rows = 0;
        for (Table.First(); !Table.Eof(); Table.Next(), ++rows)
            ASSERT_EQ(Table.Graphic(), image) << "row " << rows;
        EXPECT_EQ(rows, count);
    }
};

TEST_F(PictureTable, OpenCreatesTheFileAndRowsKeepTheirPicturesPixelExact)
{
    Table.Open(), Table.Open();  // the second one has no effect
    EXPECT_TRUE(Table.Active() && Table.Eof() && QFile::exists(File));
    const QImage pictures[] = {Noise(QImage::Format_ARGB32, 1), QImage(),
                               Noise(QImage::Format_Grayscale8, 3)};
    for (const QImage& picture : pictures)
        Table.Insert(), Table.SetGraphic(picture), Table.Post();
    EXPECT_EQ(Table.Graphic(), pictures[2]);      // the posted row is current
    Table.Insert(), Table.Close(), Table.Open();  // an unposted row is dropped
    EXPECT_EQ(Table.Graphic(), pictures[0]);      // opening stands on the first row; alpha not premultiplied
    Table.Next();
    EXPECT_TRUE(Table.Graphic().isNull());  // a row without a picture
    Table.Delete();
    EXPECT_EQ(Table.Graphic(), pictures[2]);  // the next row became current
    Table.Delete();
    EXPECT_TRUE(Table.Eof());
    EXPECT_EQ(Table.RowCount(), 1);
}

struct ReplaceRow {
    int No, Before, Count;
};
constexpr ReplaceRow ReplaceRows[] = {
    {1, 0, 1},   // columns 1 x rows 1 on a new table
    {2, 5, 80},  // columns 4 x rows 20, the largest sheet
    {3, 80, 3},  // a smaller sheet after the largest
    {4, 2, 0},   // no rows at all
};

TEST_F(PictureTable, ReplaceAllRowsLeavesExactlyTheNewRows)
{
    for (const ReplaceRow& row : ReplaceRows) {
        SCOPED_TRACE(row.No);
        Table.Open();
        Table.ReplaceAllRows(Noise(QImage::Format_RGB32, 99), row.Before);
        Table.ReplaceAllRows(Label, row.Count);
        Table.Close(), Table.Open();  // the rows are in the file, read from the first
        ExpectRows(row.Count, Label);
        Table.Close();
    }
}

// Each file first holds 20 good rows, then is cut short or has bytes written over it. The words in
// parentheses are SQLite's own (sqlite3_errstr of SQLITE_NOTADB and SQLITE_CORRUPT).
struct BadFileRow {
    int No;
    qint64 CutAt, WriteAt;
    const char* Bytes;
    const char* Reason;
};
constexpr const char* kDamaged = "the file is damaged (database disk image is malformed)";
const BadFileRow BadFileRows[] = {
    {1, -1, 0, "Label,1\r\n", "the file is not a picture table (file is not a database)"},  // a text file
    {2, 4096, -1, "", kDamaged},      // cut after page 1, the schema
    {3, -1, 4096, "UUUU", kDamaged},  // pict's root page (page 2) overwritten
};

TEST_F(PictureTable, AForeignOrDamagedFileIsReportedAndLeftAlone)
{
    for (const BadFileRow& row : BadFileRows) {
        SCOPED_TRACE(row.No);
        Table.Open(), Table.ReplaceAllRows(Label, 20), Table.Close();
        QFile file(File);
        file.open(QIODevice::ReadWrite);
        if (row.CutAt >= 0)
            file.resize(row.CutAt);
        if (row.WriteAt >= 0)
            file.seek(row.WriteAt), file.write(row.Bytes);
        const QByteArray bytes = (file.seek(0), file.readAll());
        EXPECT_EQ(MessageOf([&] { Table.Open(); }), Message("open", row.Reason));
        EXPECT_FALSE(Table.Active());
        EXPECT_TRUE(file.seek(0) && file.readAll() == bytes);
        file.remove();
    }
}

// Another program as a writer, or as a reader that keeps the commit from finishing; then a
// statement that fails after some rows are in.
const std::pair<QStringList, const char*> HoldRows[] = {
    {{"BEGIN IMMEDIATE"}, "the file is in use by another program"},
    {{"BEGIN", "SELECT count(*) FROM pict"}, "the file is in use by another program"},
    {{"CREATE TRIGGER full BEFORE INSERT ON pict WHEN (SELECT count(*) FROM pict) >= 2 "
      "BEGIN SELECT RAISE(ABORT, 'disk full'); END"},
     "disk full"},
};

TEST_F(PictureTable, AFailedReplacementLeavesTheOldRowsWhole)
{
    Table.Open(), Table.ReplaceAllRows(Label, 3);
    for (const auto& [hold, reason] : HoldRows) {
        SCOPED_TRACE(hold.join("; ").toStdString());
        AsOtherProgram(File, hold, [&] {
            EXPECT_EQ(MessageOf([&] { Table.ReplaceAllRows(QImage(), 6); }),
                      Message("replace the rows of", reason));
        });
        ExpectRows(3, Label);
    }
}

TEST_F(PictureTable, AReadOnlyFileOrFolderIsReported)
{
    Table.Open(), Table.ReplaceAllRows(Label, 2), Table.Close();
    QFile::setPermissions(File, QFile::ReadOwner);
    QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (access(File.toLocal8Bit().constData(), W_OK) == 0)
        GTEST_SKIP() << "permissions do not bind this user";
    Table.Open();
    EXPECT_EQ(
        MessageOf([&] { Table.ReplaceAllRows(QImage(), 9); }),
        Message("replace the rows of", "the file cannot be written (attempt to write a readonly database)"));
    ExpectRows(2, Label);
    Table.Close(), Table.SetFileName(Dir.filePath("new.db"));
    EXPECT_EQ(MessageOf([&] { Table.Open(); }),
              Message("open", "the file cannot be opened or created (unable to open database file)"));
}

}  // namespace
}  // namespace quillon
