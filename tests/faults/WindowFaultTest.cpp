// The main window started over a broken data directory: each fault is reported once through the
// window's error report, start-up goes on to the About panel, the window composes labels and closes,
// and a failed print leaves the picture table as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/Shapes.h"
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"
#include "tests/faults/ChildProcess.h"
#include "tests/support/ExpectMessage.h"

namespace quillon::faults {
namespace {

enum class TFault : std::uint8_t {
    OptionsIsDirectory, // a directory where the options file should be
    ForeignBytes,       // pict.db holds random bytes
    CutTable,           // pict.db cut off in the middle of its rows
    LockedNewTable,     // another program holds the write lock on a pict.db without a table yet
    LockedRows,         // another program holds the write lock on a pict.db with rows
};

constexpr int kPreviousRows = 3;
constexpr int kCutTableRows = 200; // enough rows for several pages, so the cut falls among them

QImage Noise(quint32 seed)
{
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, seed = seed * 1664525u + 1013904223u); // Numerical Recipes LCG
    return image;
}

// 7680 bytes that are no database.
QByteArray NoiseBytes()
{
    const QImage noise = Noise(7);
    return QByteArray(reinterpret_cast<const char*>(noise.constBits()), noise.sizeInBytes()).repeated(5);
}

// One start of the window over a data directory prepared with one fault.
class TFaultyStart {
public:
    explicit TFaultyStart(TFault fault) : FLockName("other-program-" + QString::number(int(fault)))
    {
        RegisterFontSubstitutions();
        Prepare(fault);
        TableBefore = ReadBytes(TablePath());
        Form = std::make_unique<TBarForm>(PrintForm, Dir.path());
        Form->ReportError = [this](const QString& message) { Errors << message; };
        Form->ConfirmCloseAnyway = [this](const QString& message) { return Errors << message, CloseAnyway; };
        Form->show();
    }
    ~TFaultyStart()
    {
        delete (Form != nullptr ? Form->OpenPreviewWindow() : nullptr);
        Form.reset();
        ReleaseLock();
    }

    // The message the application's error handler would show for the print command; "" when it printed.
    QString Print()
    {
        return QString::fromStdString(
            testing::MessageOf<std::exception>([this] { Form->SpeedButton1Click(); }));
    }

    void ReleaseLock()
    {
        if (!QSqlDatabase::contains(FLockName))
            return;
        QSqlQuery(QSqlDatabase::database(FLockName)).exec("ROLLBACK");
        QSqlDatabase::database(FLockName).close();
        QSqlDatabase::removeDatabase(FLockName);
    }

    QString TablePath() const { return Dir.filePath("pict.db"); }

    QTemporaryDir Dir;
    const QImage Previous = Noise(5);
    QByteArray TableBefore; // pict.db as the fault left it, before the window started
    QStringList Errors;
    bool CloseAnyway = false;
    TPrintBarForm PrintForm;
    std::unique_ptr<TBarForm> Form;

private:
    void Prepare(TFault fault)
    {
        switch (fault) {
        case TFault::OptionsIsDirectory: QDir(Dir.path()).mkdir("options.txt"); break;
        case TFault::ForeignBytes: WriteBytes(TablePath(), NoiseBytes()); break;
        case TFault::CutTable:
            WriteRows(kCutTableRows), QFile(TablePath()).resize(QFileInfo(TablePath()).size() / 2);
            break;
        case TFault::LockedNewTable: HoldLock(); break;
        case TFault::LockedRows: WriteRows(kPreviousRows), HoldLock(); break;
        }
    }

    void WriteRows(int count)
    {
        TPictureTable table;
        table.SetFileName(TablePath());
        table.Open(), table.ReplaceAllRows(Previous, count), table.Close();
    }

    // As another program would: a connection of its own that takes the write lock and keeps it.
    void HoldLock()
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", FLockName);
        other.setDatabaseName(TablePath());
        other.open();
        QSqlQuery(other).exec("BEGIN IMMEDIATE");
    }

    QString FLockName;
};

struct TWindowRow {
    int No = 0;
    TFault Fault = TFault::OptionsIsDirectory;
    QStringList StartErrors{}; // "%1" stands for the data directory
    QString PrintError{};      // empty: printing works
    bool OptionsUnsavable = false;
};

const QString kTable = "Cannot open the picture table %1/pict.db: ";
const QString kInUse = "the file is in use by another program";
const TWindowRow kRows[] = {
    // The table cannot be opened at start-up, and printing reports it again.
    {1,
     TFault::ForeignBytes,
     {kTable + "the file is not a picture table (file is not a database)"},
     kTable + "the file is not a picture table (file is not a database)"},
    {2,
     TFault::CutTable,
     {kTable + "the file is damaged (database disk image is malformed)"},
     kTable + "the file is damaged (database disk image is malformed)"},
    {3, TFault::LockedNewTable, {kTable + kInUse}, kTable + kInUse},
    // Reading a locked table is allowed, so start-up is quiet; only replacing the rows must wait.
    {4, TFault::LockedRows, {}, "Cannot replace the rows of the picture table %1/pict.db: " + kInUse},
    // Reading fails at start-up and so does the rewrite that ends it; the table is fine, closing asks.
    {5,
     TFault::OptionsIsDirectory,
     {"File access denied: %1/options.txt", "File access denied: %1/options.txt"},
     "",
     true},
};

// Takes one faulty start through composing, printing and closing.
void CheckFaultyStart(const TWindowRow& row)
{
    TFaultyStart run(row.Fault);
    const QString dir = run.Dir.path();
    EXPECT_EQ(run.Errors, QStringList(row.StartErrors).replaceInStrings("%1", dir));
    EXPECT_TRUE(run.Form->AboutPanel->isVisible()) << "start-up went on to the About panel";

    run.Form->AboutOkClick();
    EXPECT_FALSE(run.Form->AboutPanel->isVisible());
    EXPECT_TRUE(run.Form->UPanel->isVisible());
    run.Form->BarEd->setText("4006381333931");
    EXPECT_EQ(run.Form->PreviewStatus(), "Scans as 4006381333931");
    EXPECT_FALSE(run.Form->LabelImage().isNull());

    run.Form->CSpn->setValue(2);
    const QString printError = run.Print();
    EXPECT_EQ(printError, QString(row.PrintError).replace("%1", dir));
    if (!printError.isEmpty()) {
        EXPECT_EQ(run.Form->OpenPreviewWindow(), nullptr);
        EXPECT_EQ(ReadBytes(run.TablePath()), run.TableBefore) << "a failed print leaves the table alone";
    }
    TPictureTable& table = run.Form->Table1;
    if (row.Fault == TFault::LockedRows) {
        EXPECT_EQ(table.RowCount(), kPreviousRows);
        for (table.First(); !table.Eof(); table.Next())
            EXPECT_EQ(table.Graphic(), run.Previous);
    }
    run.ReleaseLock();
    if (row.Fault == TFault::LockedNewTable || row.Fault == TFault::LockedRows) {
        EXPECT_EQ(run.Print(), "") << "once the other program lets go, printing works";
        EXPECT_EQ(table.RowCount(), 2);
    }

    run.Errors.clear();
    if (row.OptionsUnsavable) {
        EXPECT_FALSE(run.Form->close());
        EXPECT_TRUE(run.Form->isVisible());
        run.CloseAnyway = true;
    }
    EXPECT_TRUE(run.Form->close());
    EXPECT_EQ(run.Errors.size(), row.OptionsUnsavable ? 2 : 0) << run.Errors.join("; ").toStdString();
}

// A broken picture table or options file is reported, and a failed print leaves the table alone.
TEST(WindowFault, ABrokenDataDirectoryIsReportedAndAFailedPrintLeavesItAlone)
{
    for (const TWindowRow& row : kRows) {
        SCOPED_TRACE(row.No);
        CheckFaultyStart(row);
    }
}

} // namespace
} // namespace quillon::faults
