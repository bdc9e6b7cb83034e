// The main window started over a broken data directory: each fault is told once, start-up goes on to the
// About panel (at once: nothing blocks), a failed print leaves the picture table as it was, and an options
// file the window cannot read or may not replace is left exactly as it was for the whole session.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>
#include <tuple>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/Shapes.h"
#include "label/compose/FontSubstitutions.h"
#include "label/sheet/PrintBarForm.h"
#include "tests/faults/ChildProcess.h"
#include "tests/faults/FaultVersions.h"

namespace quillon::faults {
namespace {

enum class TFault : std::uint8_t {
    ForeignBytes,       // pict.db holds random bytes (every table SQLite cannot open: data/PictureTableTest)
    OptionsFifo,        // options.txt is a FIFO, on which a read would block
    OptionsToOtherUser, // options.txt is a link to a file of another user, planted in a shared folder
};

// What a test can see of a file without reading it: a FIFO must not be opened.
using TFileState = std::tuple<bool, dev_t, ino_t, mode_t, off_t, long, QByteArray>;
TFileState StateOf(const QString& path)
{
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const bool small = S_ISREG(status.st_mode) && status.st_size < (1 << 20);
    const QByteArray bytes = small ? ReadBytes(path) : QByteArray();
    return {true,           status.st_dev,          status.st_ino, status.st_mode,
            status.st_size, status.st_mtim.tv_nsec, bytes};
}

// 7680 bytes that are no database.
QByteArray NoiseBytes()
{
    const QImage noise = testing::NoiseImage(24, 16, 7);
    return QByteArray(reinterpret_cast<const char*>(noise.constBits()), noise.sizeInBytes()).repeated(5);
}

// One start of the window over a data directory prepared with one fault.
class TFaultyStart {
public:
    explicit TFaultyStart(TFault fault)
    {
        RegisterFontSubstitutions();
        Prepare(fault);
        TableBefore = StateOf(TablePath());
        OptionsBefore = StateOf(OptionsPath());
        Form = std::make_unique<TBarForm>(PrintForm, Dir.path());
        Form->ReportError = [this](const QString& message) { Errors << message; };
        Form->ConfirmCloseAnyway = [this](const QString& message) { return Errors << message, CloseAnyway; };
        Form->show();
    }
    ~TFaultyStart() { delete (Form != nullptr ? Form->OpenPreviewWindow() : nullptr); }

    // The message the print command shows; "" when it printed.
    QString Print()
    {
        const qsizetype before = Errors.size();
        Form->SpeedButton1Click();
        return Errors.size() > before ? Errors.takeLast() : QString();
    }

    QString TablePath() const { return Dir.filePath("pict.db"); }
    QString OptionsPath() const { return Dir.filePath("options.txt"); }

    QTemporaryDir Dir;
    QTemporaryDir OtherUsersDir;
    TFileState TableBefore;   // pict.db as the fault left it, before the window started
    TFileState OptionsBefore; // options.txt likewise
    QStringList Errors;
    bool CloseAnyway = false;
    TPrintBarForm PrintForm;
    std::unique_ptr<TBarForm> Form;

private:
    void Prepare(TFault fault)
    {
        const QByteArray options = QFile::encodeName(OptionsPath());
        switch (fault) {
        case TFault::OptionsFifo: mkfifo(options.constData(), 0600); break;
        case TFault::OptionsToOtherUser: {
            const QString theirs = QDir(OtherUsersDir.path()).filePath("options.txt");
            WriteBytes(theirs, "their own\r\n");
            if (chown(QFile::encodeName(theirs).constData(), kNobodyUser, kNobodyGroup) == 0)
                QFile::link(theirs, OptionsPath());
            break;
        }
        case TFault::ForeignBytes: WriteBytes(TablePath(), NoiseBytes()); break;
        }
    }
};

struct TWindowRow {
    int No = 0;
    TFault Fault = TFault::ForeignBytes;
    QStringList StartErrors{}; // "%1" stands for the data directory
    QString PrintError{};      // empty: printing works
};

const QString kTable = "Cannot open the picture table %1/pict.db: ";
const QString kLeft =
    ": %1/options.txt\n\nThe options file is left as it is, and the settings of this session "
    "are not saved in it.";
const QString kForeign = kTable + "the file is not a picture table (file is not a database)";
// clang-format off
const TWindowRow kRows[] = {
    // The table cannot be opened at start-up, and printing reports it again.
    {1, TFault::ForeignBytes, {kForeign}, kForeign},
    // An options file that cannot be read is told once and never written: not at start-up, not at close.
    // (Each kind of file the safe file layer refuses: data/SafeFileTest.)
    {2, TFault::OptionsFifo, {"Not a regular file" + kLeft}},
    {3, TFault::OptionsToOtherUser, {"Not yours to replace" + kLeft}},
};
// clang-format on

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
    run.Form->RatioSpn->setValue(2); // the deck's bar width is the barcode's: Code 93 scans from 2 up
    run.Form->BarEd->setText("4006381333931");
    EXPECT_EQ(run.Form->PreviewStatus(), "Scans as 4006381333931");
    EXPECT_FALSE(run.Form->LabelImage().isNull());

    run.Form->CSpn->setValue(2);
    const QString printError = run.Print();
    EXPECT_EQ(printError, QString(row.PrintError).replace("%1", dir));
    if (!printError.isEmpty()) {
        EXPECT_EQ(run.Form->OpenPreviewWindow(), nullptr);
        EXPECT_EQ(StateOf(run.TablePath()), run.TableBefore) << "a failed print leaves the table alone";
    }

    // Neither applying the design panel nor closing writes an options file that could not be read.
    EXPECT_EQ(run.PrintForm.qr().Page().ValueMm(TPageValue::TopMargin), 10.0) << "the designed margins";
    run.Errors.clear();
    run.Form->DesBtnClick(), run.Form->BitBtn1Click();
    EXPECT_TRUE(run.Form->close());
    EXPECT_EQ(run.Errors, QStringList());
    if (row.Fault >= TFault::OptionsFifo) {
        EXPECT_EQ(StateOf(run.OptionsPath()), run.OptionsBefore) << "the options file is as it was";
    }
}

// A broken picture table or options file is reported, and a failed print leaves the table alone.
TEST(WindowFault, ABrokenDataDirectoryIsReportedAndAFailedPrintLeavesItAlone)
{
    alarm(120); // a start that blocks on a FIFO fails the run instead of hanging it
    for (const TWindowRow& row : kRows) {
        SCOPED_TRACE(row.No);
        if (row.Fault == TFault::OptionsToOtherUser && geteuid() != 0)
            continue; // only root can give a file to another user
        CheckFaultyStart(row);
    }
    alarm(0);
}

} // namespace
} // namespace quillon::faults
