// One window at a time writes a data folder: a second window is told at once and goes on read-only (writing
// none of the options, the picture table or the settings) or quits, and a lock that nobody holds any more
// is taken over without a question.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "WindowFixture.h"

namespace quillon {
namespace {

using testing::ReadBytes;

class DataFolderTest : public testing::TWindowTest {
protected:
    std::unique_ptr<TBarForm> Open(TSecondWindow choice)
    {
        auto window = NewWindow();
        window->ChooseSecondWindow = [this, choice](const QString& message) {
            return asked << message, choice;
        };
        window->show();
        return window;
    }
    QString FilePath(const char* name) const { return DataPath(QString::fromLatin1(name)); }
};

TEST_F(DataFolderTest, ASecondWindowIsToldAndGoesOnReadOnlyWithoutWritingTheFolder)
{
    const auto first = Open(TSecondWindow::ReadOnly);
    first->AboutOkClick();
    first->SpeedButton1Click(); // pict.db now holds the first window's rows
    first->BarEd->setText("FIRST");
    testing::Wait(TBarForm::kSaveDelayMs + 200); // the settings file is written a moment after a change
    const QByteArray options = ReadBytes(FilePath("options.txt"));
    const QByteArray table = ReadBytes(FilePath("pict.db"));
    const QByteArray settings = ReadBytes(first->SettingsPath());
    ASSERT_TRUE(asked.isEmpty());

    const auto second = Open(TSecondWindow::ReadOnly);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith("Quillon is already running with this data folder: " + dataDir.path()));
    EXPECT_TRUE(second->ReadOnly() && !second->WritesOptions() && first->WritesOptions());
    EXPECT_TRUE(second->ReadOnlyMark->isVisible() && !first->ReadOnlyMark->isVisible());
    second->AboutOkClick();
    second->CSpn->setValue(3);
    second->DesBtnClick(), second->BitBtn1Click();
    second->BarEd->setText("OTHER");
    second->SpeedButton1Click(); // printing works, from a table in memory
    EXPECT_NE(second->OpenPreviewWindow(), nullptr);
    EXPECT_EQ(second->Table1.RowCount(), 3);
    delete second->OpenPreviewWindow();
    testing::Wait(TBarForm::kSaveDelayMs + 200);
    EXPECT_TRUE(second->close());
    EXPECT_EQ(ReadBytes(FilePath("options.txt")), options);
    EXPECT_EQ(ReadBytes(FilePath("pict.db")), table);
    EXPECT_EQ(ReadBytes(first->SettingsPath()), settings);
    EXPECT_TRUE(errors.isEmpty()) << Errors();

    delete first->OpenPreviewWindow();
    first->CSpn->setValue(4);
    EXPECT_TRUE(first->close());
    EXPECT_TRUE(ReadBytes(FilePath("options.txt")).contains("\r\n4\r\n1\r\n9\r\n"))
        << "the first one still saves";
}

TEST_F(DataFolderTest, TheSecondWindowAsksInTheLanguageTheFolderKeeps)
{
    const auto first = Open(TSecondWindow::Quit);
    first->AboutOkClick();
    first->SetLangIndex(0);
    first->DesBtnClick(), first->BitBtn1Click(); // the options now keep Arabic
    const auto second = Open(TSecondWindow::Quit);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(
        asked[0].startsWith(QString::fromUtf8("كويلون يعمل بالفعل بمجلد البيانات هذا: ") + dataDir.path()))
        << asked[0].toStdString();
}

TEST_F(DataFolderTest, ASecondWindowThatQuitsClosesAtOnce)
{
    const auto first = Open(TSecondWindow::Quit);
    const QByteArray options = ReadBytes(FilePath("options.txt"));
    const auto second = Open(TSecondWindow::Quit);
    ASSERT_EQ(asked.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(second->isVisible());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(ReadBytes(FilePath("options.txt")), options);
}

// A lock file left half written, or naming a process that has ended, is taken over; so is the lock of a
// window that has closed.
TEST_F(DataFolderTest, ALockNobodyHoldsIsTakenOverWithoutAQuestion)
{
    const QByteArray leftovers[] = {
        "",
        "999999999\nquillon\n" + QSysInfo::machineHostName().toUtf8() + "\n", // beyond any process number
    };
    for (const QByteArray& leftover : leftovers) {
        QFile lock(FilePath("quillon.lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly) && lock.write(leftover) == leftover.size());
        lock.close();
        auto form = Open(TSecondWindow::Quit);
        EXPECT_TRUE(asked.isEmpty()) << leftover.toStdString();
        EXPECT_TRUE(form->WritesOptions());
        EXPECT_TRUE(ReadBytes(FilePath("quillon.lock"))
                        .startsWith(QByteArray::number(QCoreApplication::applicationPid())));
        EXPECT_TRUE(form->close());
        EXPECT_FALSE(QFile::exists(FilePath("quillon.lock"))) << "closing lets go";
    }
}

// What is not a small lock file of the user's is told and never read (a FIFO would block start-up, a
// link to /dev/zero fill the memory), nor taken for a running window: the window goes on writing.
TEST_F(DataFolderTest, ALockFileThatIsNoLockIsToldAndStartUpGoesOn)
{
    const std::string lock = QFile::encodeName(FilePath("quillon.lock")).toStdString();
    const struct {
        const char* What;
        std::function<bool()> Make;
    } rows[] = {
        {"a FIFO", [&] { return mkfifo(lock.c_str(), 0600) == 0; }},
        {"a directory", [&] { return mkdir(lock.c_str(), 0700) == 0; }},
        {"a character device", [&] { return symlink("/dev/zero", lock.c_str()) == 0; }},
        {"larger than a lock file can be",
         [&] { return testing::WriteBytes(FilePath("quillon.lock"), QByteArray(8192, '1')); }},
    };
    alarm(60); // a blocked start-up fails the test instead of hanging it
    for (const auto& row : rows) {
        SCOPED_TRACE(row.What);
        errors.clear();
        ASSERT_TRUE(row.Make());
        auto form = Open(TSecondWindow::Quit);
        EXPECT_TRUE(asked.isEmpty());
        ASSERT_EQ(errors.size(), 1) << Errors();
        EXPECT_TRUE(
            errors[0].startsWith("The lock file " + FilePath("quillon.lock") + " is " + row.What + ","))
            << Errors();
        EXPECT_TRUE(form->WritesOptions() && !form->ReadOnly());
        EXPECT_TRUE(form->close());
        std::filesystem::remove(lock);
    }
    alarm(0);
}

} // namespace
} // namespace quillon
