// TPictureTable: creation, cursor, whole-table replacement, picture round trip, and the failures of
// foreign, damaged and locked files, each with its message and nothing lost (a file the user may not
// write: faults/FileFaultTest).
#include "data/PictureTable.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/ExpectMessage.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

using testing::MessageOf;

QImage Noise(QImage::Format format, quint32 seed)
{
    return testing::NoiseImage(40, 30, seed, format);
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
        return QString("Cannot %1 the picture table %2: %3")
            .arg(action, Table.FileName(), reason)
            .toStdString();
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
    Table.Open(), Table.Open(); // the second one has no effect
    EXPECT_TRUE(Table.Active() && Table.Eof() && QFile::exists(File));
    const QImage pictures[] = {Noise(QImage::Format_ARGB32, 1), QImage(),
                               Noise(QImage::Format_Grayscale8, 3)};
    for (const QImage& picture : pictures)
        Table.Insert(), Table.SetGraphic(picture), Table.Post();
    EXPECT_EQ(Table.Graphic(), pictures[2]);     // the posted row is current
    Table.Insert(), Table.Close(), Table.Open(); // an unposted row is dropped
    EXPECT_EQ(Table.Graphic(), pictures[0]);     // opening stands on the first row; alpha not premultiplied
    Table.Next();
    EXPECT_TRUE(Table.Graphic().isNull()); // a row without a picture
    Table.Delete();
    EXPECT_EQ(Table.Graphic(), pictures[2]); // the next row became current
    Table.Delete();
    EXPECT_TRUE(Table.Eof()); // deleting the last row leaves the cursor past the end
    EXPECT_EQ(Table.RowCount(), 1);
}

// Rows before, rows replaced: columns 1 x rows 1 on a new table, columns 4 x rows 20 (the largest sheet), a
// smaller sheet after the largest, no rows at all.
constexpr std::pair<int, int> ReplaceRows[] = {{0, 1}, {5, 80}, {80, 3}, {2, 0}};

TEST_F(PictureTable, ReplaceAllRowsLeavesExactlyTheNewRows)
{
    for (int no = 1; const auto& [before, count] : ReplaceRows) {
        SCOPED_TRACE(no++);
        Table.Open(), Table.ReplaceAllRows(Noise(QImage::Format_RGB32, 99), before);
        Table.ReplaceAllRows(Label, count);
        Table.Close(), Table.Open(); // the rows are in the file, read from the first
        ExpectRows(count, Label);
        Table.Close();
    }
}

// A row for each picture encoded apart, pictures alike sharing their bytes; an entry that is not PNG is
// refused before anything changes.
TEST_F(PictureTable, ReplaceAllRowsTakesPicturesEncodedBeforehand)
{
    Table.Open(), Table.ReplaceAllRows(Label, 3);
    QImage bars(95, 40, QImage::Format_RGB32); // black and white, as most labels: a bit a pixel
    for (int x = 0; x < bars.width(); ++x)
        for (int y = 0; y < bars.height(); ++y)
            bars.setPixel(x, y, x % 3 == 0 ? 0xFF000000u : 0xFFFFFFFFu);
    const QByteArray label = TPictureTable::StoredPicture(Label);
    const QByteArray barsPng = TPictureTable::StoredPicture(bars);
    constexpr qsizetype kBitDepthAt = 24; // in IHDR, after the signature, its length and its type
    EXPECT_EQ(barsPng[kBitDepthAt], 1);
    const QByteArray pictures[] = {label, barsPng, label, QByteArray()};
    const QByteArray bad[] = {label, "GIF89a", label};
    EXPECT_EQ(MessageOf([&] { Table.ReplaceAllRows(bad); }),
              Message("replace the rows of", "picture 2 of 3 is not a PNG image"));
    ExpectRows(3, Label);
    Table.ReplaceAllRows(pictures);
    Table.Close(), Table.Open();
    for (const QImage& expected : {Label, bars, Label, QImage()}) {
        EXPECT_EQ(Table.Graphic(), expected);
        Table.Next();
    }
    EXPECT_TRUE(Table.Eof());
}

// Each file first holds 20 good rows, then is cut short or has bytes written over it. The words in
// parentheses are SQLite's own (sqlite3_errstr of SQLITE_NOTADB and SQLITE_CORRUPT).
constexpr const char* kDamaged = "the file is damaged (database disk image is malformed)";
// Cut at, write at (-1: not), bytes written, reason.
constexpr std::tuple<qint64, qint64, const char*, const char*> BadFileRows[] = {
    {-1, 0, "Label,1\r\n", "the file is not a picture table (file is not a database)"}, // 1 a text file
    {4096, -1, "", kDamaged},     // 2 cut after page 1, the schema
    {-1, 4096, "UUUU", kDamaged}, // 3 pict's root page (page 2) overwritten
};

TEST_F(PictureTable, AForeignOrDamagedFileIsReportedAndLeftAlone)
{
    for (int no = 1; const auto& [cutAt, writeAt, bytesWritten, reason] : BadFileRows) {
        SCOPED_TRACE(no++);
        Table.Open(), Table.ReplaceAllRows(Label, 20), Table.Close();
        QFile file(File);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && (cutAt < 0 || file.resize(cutAt)));
        if (writeAt >= 0)
            file.seek(writeAt), file.write(bytesWritten);
        const QByteArray bytes = (file.seek(0), file.readAll());
        EXPECT_EQ(MessageOf([&] { Table.Open(); }), Message("open", reason));
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
        {
            // The statements run through a second, independent connection, as another program would, and
            // the replacement runs while that connection still holds what they took.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(File), db.open();
            for (const QString& statement : hold)
                EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
            EXPECT_EQ(MessageOf([&] { Table.ReplaceAllRows(QImage(), 6); }),
                      Message("replace the rows of", reason));
        }
        QSqlDatabase::removeDatabase("other");
        ExpectRows(3, Label);
    }
}

// What SQLite would block on or write through is refused before it opens the file, which stays as it was;
// a link of this user to a table of this user is followed.
TEST_F(PictureTable, OnlyARegularFileOfThisUserIsOpened)
{
    const QString own = Dir.filePath("own.db");
    const QString foreign = Dir.filePath("foreign.db");
    const auto make = [&](const char* name) { return Dir.filePath(QString::fromLatin1(name)); };
    Table.SetFileName(own), Table.Open(), Table.ReplaceAllRows(Label, 2), Table.Close();
    ASSERT_EQ(mkfifo(QFile::encodeName(make("fifo.db")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", make("zero.db")) && QFile::link(own, make("link.db")));
    const bool asRoot = geteuid() == 0; // only root can give a file away
    if (asRoot) {
        QFile(foreign).open(QIODevice::WriteOnly);
        ASSERT_EQ(chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        ASSERT_TRUE(QFile::link(foreign, make("other.db")));
    }
    const std::pair<const char*, const char*> rows[] = {
        {"fifo.db", "it is not a regular file"},
        {"zero.db", "it is not a regular file"},
        {"other.db", "it is another user's link or file"},
        {"link.db", ""},
    };
    alarm(30); // SQLite on a FIFO would block for ever: fail the run instead of hanging it
    for (const auto& [name, reason] : rows) {
        if (!asRoot && QString::fromLatin1(name) == "other.db")
            continue;
        Table.Close(), Table.SetFileName(make(name));
        EXPECT_EQ(MessageOf([&] { Table.Open(); }), *reason == '\0' ? "" : Message("open", reason)) << name;
    }
    alarm(0);
    ExpectRows(2, Label); // through the link
    EXPECT_FALSE(QFileInfo(make("fifo.db")).isFile());
    EXPECT_EQ(QFileInfo(foreign).size(), 0);
}

} // namespace
} // namespace quillon
