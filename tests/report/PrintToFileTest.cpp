// Print to File from the preview window: the PDF is made unnamed, checked whole and put in place by the
// safe file layer, so that a FIFO, a device, another user's link or a write-protected file is refused with
// a message and left as it was; the print dialog's own check never opens a FIFO.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "LabelSheet.h"
#include "report/PrintPreview.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

// Closes every message box as it opens and keeps its text.
class TMessageCatcher {
public:
    TMessageCatcher()
    {
        FTimer.setInterval(10);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        FTimer.start();
    }
    QStringList Texts;

private:
    QTimer FTimer;
};

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class PrintToFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sheet = testing::MakeLabelSheet({.Columns = 2, .Rows = 4});
        preview = OpenPreview(sheet->Report.PrepareRun(8),
                              std::vector<QImage>(8, QImage(40, 12, QImage::Format_RGB32)));
    }
    void TearDown() override { delete preview; }

    // Prints to `target` as the dialog's "Print to File (PDF)" does.
    void PrintTo(const QString& target)
    {
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(target);
        preview->PrintPages();
        QApplication::processEvents();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    std::unique_ptr<testing::TLabelSheet> sheet;
    QPointer<TPreviewWindow> preview;
};

TEST_F(PrintToFile, AWholePdfReplacesTheFileAndKeepsItsMode)
{
    const QString target = Path("sheet.pdf");
    ASSERT_TRUE(testing::WriteBytes(target, "old"));
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    TMessageCatcher messages;
    PrintTo(target);
    EXPECT_TRUE(messages.Texts.isEmpty()) << messages.Texts.join(QStringLiteral("; ")).toStdString();
    const QByteArray pdf = Bytes(target);
    EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.contains("%%EOF"));
    EXPECT_EQ(QFileInfo(target).permissions() & QFile::WriteGroup, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"sheet.pdf"});
}

TEST_F(PrintToFile, WhatIsNoFileOfTheUsersToReplaceIsRefusedAndKept)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("fifo.pdf")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/null", Path("null.pdf")));
    ASSERT_TRUE(testing::WriteBytes(Path("kept.pdf"), "kept"));
    ASSERT_EQ(chmod(QFile::encodeName(Path("kept.pdf")).constData(), 0444), 0);
    const struct {
        const char* Name;
        const char* Reason;
    } rows[] = {
        {"fifo.pdf", "it is a FIFO, not a regular file"},
        {"null.pdf", "it is a character device, not a regular file"},
        {"kept.pdf", "it is write-protected (mode 0444)"},
    };
    alarm(60); // a FIFO opened for writing would block: fail instead of hanging
    for (const auto& row : rows) {
        TMessageCatcher messages;
        PrintTo(Path(row.Name));
        EXPECT_EQ(messages.Texts, QStringList{"Cannot write " + Path(row.Name) + ": " + row.Reason +
                                              ". Nothing was written."});
    }
    alarm(0);
    EXPECT_EQ(Bytes(Path("kept.pdf")), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"fifo.pdf", "kept.pdf", "null.pdf"}));
}

// A disk that fills midway (here a file-size limit) leaves a PDF cut short: it never takes the name, the
// old file stays whole, and the user is told.
TEST_F(PrintToFile, AFullDiskLeavesTheOldFileWholeAndSaysSo)
{
    const QString target = Path("sheet.pdf");
    ASSERT_TRUE(testing::WriteBytes(target, "old"));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    TMessageCatcher messages;
    PrintTo(target);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(messages.Texts,
              QStringList{"The PDF file " + target +
                          " could not be written whole (is the disk full?); the file there is "
                          "as it was."});
    EXPECT_EQ(Bytes(target), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"sheet.pdf"});
}

// The print dialog opens its file to test it before it closes; a FIFO is refused before that.
TEST_F(PrintToFile, ThePrintDialogNeverOpensAFifo)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("fifo.pdf")).constData(), 0600), 0);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    auto* dialog = new QPrintDialog(&printer, preview);
    dialog->show();
    QApplication::processEvents();
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->isEnabled());
    file->setText(Path("fifo.pdf"));
    alarm(60);
    TMessageCatcher messages;
    emit dialog->findChild<QDialogButtonBox*>()->accepted();
    QApplication::processEvents();
    alarm(0);
    EXPECT_EQ(messages.Texts, QStringList{"Cannot write " + Path("fifo.pdf") +
                                          ": it is a FIFO, not a regular file. Nothing was written."});
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open for another name";
    delete dialog;
}

} // namespace
} // namespace quillon
