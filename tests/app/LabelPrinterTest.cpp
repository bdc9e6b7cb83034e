// The window's label-printer destination: a roll printed from the window reaches a fake raw printer on
// 127.0.0.1 as ZPL, and a virtual IPP printer as PDF, that read back as typed at the printer's
// resolution; a label that would not print as it should is never sent; an unreachable printer is named;
// the choice is kept between runs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/DesignPanel.h"
#include "app/LabelPrinterDialog.h"
#include "label/proof/WrittenZpl.h"
#include "report/PrintPreview.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/FakeRawPrinter.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/Rasterisers.h"
#include "tests/support/VirtualIppPrinter.h"

namespace quillon::testing {
namespace {

using namespace std::chrono_literals;

class LabelPrinterTest : public TWindowTest {
protected:
    void StartSending(int kind, const char* code)
    {
        Start();
        Confirm();
        form->ReportLabelJob = [this](const QString& message, bool handedOver) {
            reports << message;
            handed.push_back(handedOver);
        };
        form->ChooseLabelPrinter = [this](const TLabelPrinterChoice& kept) {
            shown = kept;
            return choice;
        };
        form->LabelPrinterTimeout = 1s;
        SetKind(kind);
        form->ZomSpn->setValue(1);
        form->BarEd->setText(QString::fromLatin1(code));
    }
    // Sends and waits for the outcome: its message, or "" when none came.
    std::string Send()
    {
        const qsizetype before = reports.size();
        form->SendToLabelPrinter();
        form->WaitForLabelJob();
        return reports.size() > before ? reports.last().toStdString() : std::string();
    }

    TLabelPrinterChoice choice{
        .Printer = "", .Speaks = TPrinterSpeaks::Zpl, .Dpi = 203, .StockId = "roll-57x32"};
    std::optional<TLabelPrinterChoice> shown;
    QStringList reports;
    std::vector<bool> handed;
};

// What ZXing-cpp reads on each label of the ZPL as a printer prints it, on white paper all round.
std::vector<std::string> ReadLabels(const std::vector<TPrintedZplLabel>& labels)
{
    std::vector<std::string> read;
    for (const TPrintedZplLabel& label : labels) {
        const QImage dots = ImageOfDots(label.Dots).convertToFormat(QImage::Format_Grayscale8);
        QImage paper(dots.width() + 80, dots.height() + 80, QImage::Format_Grayscale8);
        paper.fill(255);
        for (int y = 0; y < dots.height(); ++y)
            std::copy_n(dots.constScanLine(y), dots.width(), paper.scanLine(y + 40) + 40);
        const std::vector<TZxingReading> readings = ReadWithZxing(paper);
        read.push_back(readings.empty() ? "" : readings.front().Text);
    }
    return read;
}

// The job made at the printer's dots for the roll: one label of the roll's size in dots, read back as
// typed. Sizes in dots are the millimetres at the printer's dpi, rounded: 57 mm at 203 dpi is 455.6, so 456.
TEST_F(LabelPrinterTest, ARollReachesTheRawPortAndReadsBackAtThePrintersDots)
{
    const struct {
        int No;
        int Dpi;
        int Kind;
        const char* Code;
        const char* Stock;
        int WidthDots;
        int HeightDots;
        std::string Read;
    } rows[] = {
        {1, 203, bcCodeEAN13, "5901234123457", "roll-57x32", 456, 256, "5901234123457"},
        {2, 300, bcCodeEAN13, "5901234123457", "roll-57x32", 673, 378, "5901234123457"},
        {3, 203, bcCode128B, "Quillon-26", "roll-58x40", 464, 320, "Quillon-26"},
        {4, 300, bcCode128B, "Quillon-26", "roll-58x40", 685, 472, "Quillon-26"},
    };
    StartSending(bcCodeEAN13, "");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.No);
        SetKind(row.Kind);
        form->BarEd->setText(QString::fromLatin1(row.Code));
        FakeRawPrinter printer;
        choice = {.Printer = printer.Address(),
                  .Speaks = TPrinterSpeaks::Zpl,
                  .Dpi = row.Dpi,
                  .StockId = row.Stock};
        const std::string said = Send();
        EXPECT_TRUE(!handed.empty() && handed.back()) << said;
        EXPECT_NE(said.find("handed over to " + printer.Address()), std::string::npos) << said;
        const std::vector<TPrintedZplLabel> labels = ReadWrittenZpl(printer.Received());
        ASSERT_EQ(labels.size(), 1U);
        EXPECT_EQ(std::pair(labels[0].Dots.Width, labels[0].Dots.Height),
                  std::pair(row.WidthDots, row.HeightDots));
        EXPECT_EQ(ReadLabels(labels), std::vector<std::string>{row.Read});
    }
}

// A list prints a label a row, its copies as the block's own count.
TEST_F(LabelPrinterTest, AListSendsEachRowWithItsCopies)
{
    StartSending(bcCode128B, "");
    form->SourceBox->setCurrentIndex(static_cast<int>(TLabelSource::List));
    form->SourcePanel->ListEd->setPlainText(QStringLiteral("code,copies\nA-1,1\nB-22,3\n"));
    testing::Wait(400); // read a moment after the last keystroke
    form->WaitForListCheck();
    FakeRawPrinter printer;
    choice.Printer = printer.Address();
    const std::string said = Send();
    EXPECT_NE(said.find("The whole job, 4 labels, was handed over"), std::string::npos) << said;
    const std::vector<TPrintedZplLabel> labels = ReadWrittenZpl(printer.Received());
    ASSERT_EQ(labels.size(), 2U);
    EXPECT_EQ(std::pair(labels[0].Copies, labels[1].Copies), std::pair(1, 3));
    EXPECT_EQ(ReadLabels(labels), (std::vector<std::string>{"A-1", "B-22"}));
}

// Nothing reaches the printer when a label would not print as it should; the message says which and why.
// A PDF job is refused the same way, before CUPS is asked for the printer.
TEST_F(LabelPrinterTest, ALabelThatWouldNotPrintRightIsNeverSent)
{
    const struct {
        int No;
        TPrinterSpeaks Speaks;
        const char* Code;
        const char* Stock;
        std::string Said; // in the message
    } rows[] = {
        // A wrong check digit: the written ZPL, or the written PDF, would not read as typed.
        {1, TPrinterSpeaks::Zpl, "5901234123458", "roll-57x32", "Check digit should be 7"},
        {2, TPrinterSpeaks::Pdf, "5901234123458", "roll-57x32", "Check digit should be 7"},
        // Larger than the roll's label: refused, naming both sizes.
        {3, TPrinterSpeaks::Zpl, "5901234123457", "roll-15x10", "does not fit the 15"},
        {4, TPrinterSpeaks::Pdf, "5901234123457", "roll-15x10", "does not fit the 15"},
    };
    StartSending(bcCodeEAN13, "");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.No);
        form->BarEd->setText(QString::fromLatin1(row.Code));
        FakeRawPrinter printer;
        const std::string name = row.Speaks == TPrinterSpeaks::Zpl ? printer.Address() : "no-such-queue";
        choice = {.Printer = name, .Speaks = row.Speaks, .Dpi = 203, .StockId = row.Stock};
        const std::string said = Send();
        EXPECT_FALSE(handed.empty() || handed.back()) << said;
        EXPECT_EQ(said.rfind("Nothing was sent to " + name + ": the label " + row.Code, 0), 0U) << said;
        EXPECT_NE(said.find(row.Said), std::string::npos) << said;
        EXPECT_EQ(printer.Received(), "");
    }
}

// PDF through the driver: a virtual IPP printer the test starts keeps one PDF, a page of the roll's label
// size, that reads back as typed.
TEST_F(LabelPrinterTest, PdfThroughCupsIsAPageOfTheLabelsSize)
{
    for (const char* program : {"ippeveprinter", "dbus-daemon", "pdftoppm"})
        if (QStandardPaths::findExecutable(program).isEmpty())
            GTEST_SKIP() << program << " missing: run scripts/setup";
    const QTemporaryDir folder;
    ASSERT_TRUE(QDir().mkpath(folder.filePath("spool")));
    const int port = ClosedPort();
    VirtualIppPrinter printer(folder.path(), port);
    ASSERT_TRUE(printer.Ready()) << printer.Errors();
    StartSending(bcCode128B, "Quillon-42");
    choice = {.Printer = "ipp://127.0.0.1:" + std::to_string(port) + "/ipp/print",
              .Speaks = TPrinterSpeaks::Pdf,
              .Dpi = 300,
              .StockId = "roll-57x32"};
    const std::string said = Send();
    ASSERT_TRUE(!handed.empty() && handed.back()) << said;
    EXPECT_EQ(SpooledLabelText(folder.filePath("spool"), 57, 32, 300), "Quillon-42");
}

// A printer that cannot be reached or does not answer is named, and the message says nothing was sent.
TEST_F(LabelPrinterTest, AnUnreachablePrinterIsNamed)
{
    StartSending(bcCodeEAN13, "5901234123457");
    const std::string closed = "127.0.0.1:" + std::to_string(ClosedPort());
    choice.Printer = closed;
    EXPECT_EQ(Send(), "Nothing was sent: the printer " + closed + " cannot be reached (Connection refused).");

    // The one connection the backlog holds, never accepted: the next one waits unanswered.
    const LoopbackSocket full(0);
    const int filler = ConnectedTo(full.Port());
    ASSERT_GE(filler, 0);
    choice.Printer = full.Address();
    EXPECT_EQ(Send(), "Nothing was sent: the printer " + full.Address() + " did not answer within 1 second.");
    ::close(filler);

    choice.Printer = "no-such-printer";
    EXPECT_EQ(Send().rfind("Nothing was sent: there is no printer no-such-printer (", 0), 0U);
    choice.Printer = "";
    EXPECT_EQ(Send().rfind("Name the label printer", 0), 0U);
    choice = {
        .Printer = "127.0.0.1:9100", .Speaks = TPrinterSpeaks::Pdf, .Dpi = 203, .StockId = "roll-57x32"};
    EXPECT_EQ(Send(), "127.0.0.1:9100 is a raw port, which takes ZPL: choose ZPL, or a CUPS queue for PDF.");
    EXPECT_EQ(handed, std::vector<bool>(5, false));
}

// The choice is kept in settings.ini's [label printer] section and offered again after a restart.
TEST_F(LabelPrinterTest, TheChoiceIsKeptBetweenRuns)
{
    StartSending(bcCodeEAN13, "5901234123457");
    choice = {.Printer = "127.0.0.1:" + std::to_string(ClosedPort()),
              .Speaks = TPrinterSpeaks::Zpl,
              .Dpi = 300,
              .StockId = "roll-102x152"};
    Send();
    Restart();
    Confirm();
    form->ChooseLabelPrinter = [this](const TLabelPrinterChoice& kept) {
        shown = kept;
        return std::nullopt;
    };
    form->SendToLabelPrinter();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(std::tuple(shown->Printer, shown->Dpi, shown->StockId),
              std::tuple(choice.Printer, 300, choice.StockId));
    EXPECT_TRUE(testing::ReadBytes(DataPath("settings.ini")).contains("[label printer]"));
}

// The dialog offers the rolls, says when the window's stock is a sheet, and reads right to left in Arabic.
TEST_F(LabelPrinterTest, TheDialogOffersRollsAndFollowsTheLanguage)
{
    TStockCatalogue stocks;
    std::vector<TLabelStock> rolls;
    for (const TLabelStock& stock : stocks.Stocks())
        if (IsRollStock(stock))
            rolls.push_back(stock);
    const TLabelStock sheet = stocks.Find("a4-3x7-63.5x38.1");
    const TLabelPrinterChoice kept{
        .Printer = "zebra", .Speaks = TPrinterSpeaks::Pdf, .Dpi = 300, .StockId = "tape-62"};
    TLabelPrinterDialog english({"office", "zebra"}, rolls, kept, sheet, TLanguage::English);
    EXPECT_FALSE(english.SheetNote->isHidden());
    EXPECT_NE(english.SheetNote->text().indexOf("one label a page"), -1);
    const TLabelPrinterChoice chosen = english.Choice();
    EXPECT_EQ(std::tuple(chosen.Printer, chosen.Speaks, chosen.Dpi, chosen.StockId),
              std::tuple(kept.Printer, kept.Speaks, kept.Dpi, kept.StockId));
    EXPECT_EQ(english.layoutDirection(), Qt::LeftToRight);
    TLabelPrinterDialog arabic({}, rolls, {}, std::nullopt, TLanguage::Arabic);
    EXPECT_EQ(arabic.layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(arabic.SheetNote->isHidden());
    EXPECT_NE(arabic.windowTitle(), QStringLiteral("Label printer"));
}

// A roll chosen in the design panel previews one label a page, the page the roll label's size, and the
// preview offers the label printer.
TEST_F(LabelPrinterTest, ARollPreviewsOneLabelAPageOfItsSize)
{
    StartSending(bcCodeEAN13, "5901234123457");
    form->DesBtnClick();
    TDesignPanel& design = *form->DesBarPanel;
    design.StockBox->setCurrentIndex(design.StockBox->findText(QStringLiteral("roll-57x32")));
    form->BitBtn1Click();
    ASSERT_TRUE(form->Stock().has_value());
    form->SpeedButton1Click();
    TPreviewWindow* preview = form->OpenPreviewWindow();
    ASSERT_NE(preview, nullptr) << Errors();
    EXPECT_EQ(preview->PageCount(), 1);
    const QPageLayout layout = preview->printer()->pageLayout();
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).width(), 57.0, 0.1);
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).height(), 32.0, 0.1);
    EXPECT_TRUE(preview->LabelPrinterAction()->isVisible());
}

} // namespace
} // namespace quillon::testing
