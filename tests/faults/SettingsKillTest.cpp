// A window killed with SIGKILL after a change starts again with that change: the code (kept as typed even
// where the kind cannot encode it), the lower caption and its switch, the bar colour (the settings file) and
// the zoom and kind (the options file). The child is this test program itself, with the child's variable set.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "label/compose/FontSubstitutions.h"
#include "label/sheet/PrintBarForm.h"
#include "tests/support/QtSupport.h"

namespace quillon::faults {
namespace {

constexpr char kChildVariable[] = "QUILLON_SETTINGS_KILL_CHILD";
constexpr char kChanged[] = "changed";
constexpr int kChildTimeoutMs = 120'000;

using testing::Wait;

// The child: changes the window as a user would, lets the change be written, says so and waits for
// the kill. Skipped in an ordinary run.
TEST(SettingsKillChild, ChangesTheWindowAndWaitsToBeKilled)
{
    const char* dir = std::getenv(kChildVariable);
    if (dir == nullptr)
        GTEST_SKIP() << "runs only as the child of SettingsKill.AWindowKilledAfterAChangeStartsWithIt";
    RegisterFontSubstitutions();
    TPrintBarForm printForm;
    TBarForm form(printForm, QFile::decodeName(dir));
    form.ReportError = [](const QString& message) {
        std::fprintf(stderr, "error: %s\n", qPrintable(message));
    };
    form.show();
    form.AboutPanel->AboutOk()->click();
    form.BarKindSp->setCurrentIndex(bcCode128B);
    form.BarKindSpChange();
    form.BarEd->setText(QString::fromUtf8("Kill-me 42\u00e9"));
    form.DEd->setText(QString::fromUtf8("Caf\u00e9 \u0643\u0648\u064a"));
    form.DChk->setChecked(false);
    form.ColorBox1->SetSelected(0xFF0000);
    emit form.ColorBox1->selectedChanged(0xFF0000);
    form.ZomSpn->setValue(4);
    Wait(TBarForm::kSaveDelayMs + 200); // the burst is written once, a moment after its last change
    std::puts(kChanged);
    std::fflush(stdout);
    QEventLoop().exec(); // until killed
}

TEST(SettingsKill, AWindowKilledAfterAChangeStartsWithIt)
{
    QTemporaryDir dir;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildVariable, dir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=SettingsKillChild.ChangesTheWindowAndWaitsToBeKilled"});
    QByteArray output;
    while (!output.contains(kChanged) && child.waitForReadyRead(kChildTimeoutMs))
        output += child.readAllStandardOutput();
    child.kill(); // SIGKILL: no close handler runs
    child.waitForFinished(-1);
    ASSERT_TRUE(output.contains(kChanged))
        << output.toStdString() << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left.filter(".tmp").size() + left.filter("~").size(), 0) << left.join(' ').toStdString();

    RegisterFontSubstitutions();
    TPrintBarForm printForm;
    TBarForm form(printForm, dir.path());
    QStringList errors;
    form.ReportError = [&errors](const QString& message) { errors << message; };
    form.show(); // the killed window's lock is stale: this one takes the folder
    EXPECT_FALSE(form.ReadOnly());
    EXPECT_EQ(form.BarKindSp->currentIndex(), bcCode128B);
    EXPECT_EQ(form.BarEd->text(), QString::fromUtf8("Kill-me 42\u00e9")); // lowercase kept for Code 128 B
    EXPECT_EQ(form.DEd->text(), QString::fromUtf8("Caf\u00e9 \u0643\u0648\u064a"));
    EXPECT_FALSE(form.DChk->isChecked());
    EXPECT_EQ(form.ColorBox1->Selected(), 0xFF0000u);
    EXPECT_EQ(std::pair(form.ZomSpn->value(), form.BCode().Modul()), std::pair(4, 4));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_TRUE(form.close());
}

} // namespace
} // namespace quillon::faults
