// Composing the label image as the preview does after every change of the deck, and the print
// command's sheet: the picture table's rows, the page flow and the PDF; a list of 10,000 rows printed
// from the window; start-up with a stocks.ini full of faults.
// Run: scripts/bench (Release build), or build/release/bench/app_bench.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <vector>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/ErrorBox.h"
#include "data/PictureTable.h"
#include "label/compose/LabelComposer.h"
#include "label/sheet/PrintBarForm.h"
#include "label/sheet/SheetRun.h"
#include "report/PdfOutput.h"

namespace {

using namespace quillon;

// The window's designed label: EAN-13 at Modul 2 and Ratio 1.0 (clamped by the engine), Height 64,
// the code line and both captions on.
void ComposeDefaultLabel(benchmark::State& state)
{
    TBarcode barcode;
    barcode.SetTyp(bcCodeEAN13);
    barcode.SetModul(2);
    barcode.SetRatio(1.0);
    barcode.SetHeight(64);
    barcode.SetCheckSumMethod(csmNone);
    barcode.SetShowText(bcoCode);
    const TLabelCaptions captions{
        .UpperOn = true, .Upper = "www.quillon.example", .LowerOn = true, .Lower = "Description"};
    for (auto _ : state) {
        barcode.SetText("6212236011840"); // each change of the deck sets Text again
        benchmark::DoNotOptimize(ComposeLabel(barcode, captions));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComposeDefaultLabel)->Unit(benchmark::kMicrosecond);

// One keystroke in the window: BarEdChange composes the label, shows it and checks that it scans.
// Target: under 2 ms, so typing never lags.
void WindowRecomposition(benchmark::State& state)
{
    QTemporaryDir dataDir;
    TPrintBarForm printForm;
    TBarForm form(printForm, dataDir.path());
    form.BarKindSp->setCurrentIndex(bcCodeEAN13);
    form.BarKindSpChange();
    for (auto _ : state)
        form.BarEdChange();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WindowRecomposition)->Unit(benchmark::kMicrosecond);

// Start-up with a stocks.ini of 30,000 faulty lines (60 KB): the window reads it, and the message that
// tells them is built and shown, its first ten lines and a count with the rest in its details pane.
// Target: under 1 s.
void StartUpWithThirtyThousandFaultyStocksLines(benchmark::State& state)
{
    QTemporaryDir dataDir;
    QFile stocks(dataDir.filePath("stocks.ini"));
    if (!stocks.open(QIODevice::WriteOnly) || stocks.write(QByteArray("x\n").repeated(30'000)) != 60'000)
        state.SkipWithError("cannot write stocks.ini");
    stocks.close();
    for (auto _ : state) {
        TPrintBarForm printForm;
        TBarForm form(printForm, dataDir.path());
        form.ReportError = [](const QString& message) {
            const auto box = ErrorBox(nullptr, message);
            box->show();
            QApplication::processEvents();
        };
        form.show();
        QApplication::processEvents();
        form.close();
    }
}
BENCHMARK(StartUpWithThirtyThousandFaultyStocksLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// The full sheet: 4 columns of 20 rows, the largest the window allows.
constexpr TSheetSettings kFullSheet{.Columns = 4, .Rows = 20};
constexpr int kFullSheetLabels = kFullSheet.Columns * kFullSheet.Rows;

// The window's label at the full sheet's row height, as the rows control sets it.
QImage FullSheetLabel()
{
    TBarcode barcode;
    barcode.SetModul(2);
    barcode.SetHeight(SheetRowHeight(kFullSheet.TopMm, kFullSheet.BottomMm, kFullSheet.Rows));
    barcode.SetShowText(bcoCode);
    barcode.SetText("6212236011840");
    return ComposeLabel(barcode,
                        {.UpperOn = true, .Upper = "www.quillon.example", .LowerOn = false, .Lower = {}});
}

// What the print command does before its preview opens: replace the picture table's rows with 80
// copies of the label, reopen it, read the pictures back and prepare the run. Target: under 100 ms.
void PrintCommandPreparation(benchmark::State& state)
{
    QTemporaryDir dir;
    TPictureTable table;
    table.SetFileName(dir.filePath("pict.db"));
    TPrintBarForm form;
    ApplySheetSettings(form, kFullSheet);
    const QImage label = FullSheetLabel();
    for (auto _ : state) {
        table.Open();
        table.ReplaceAllRows(label, kFullSheetLabels);
        table.Close();
        table.Open();
        std::vector<QImage> pictures;
        for (table.First(); !table.Eof(); table.Next())
            pictures.push_back(table.Graphic());
        benchmark::DoNotOptimize(PrepareSheet(form, static_cast<int>(pictures.size())));
    }
    table.Close();
}
BENCHMARK(PrintCommandPreparation)->Unit(benchmark::kMillisecond);

// quillon-cli sheet's work after composing the label: the sheet set up, its run and the PDF.
void FullSheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::vector<QImage> pictures(kFullSheetLabels, FullSheetLabel());
    for (auto _ : state) {
        TPrintBarForm form;
        ApplySheetSettings(form, kFullSheet);
        WritePdf(PrepareSheet(form, kFullSheetLabels), pictures, dir.filePath("sheet.pdf"));
    }
}
BENCHMARK(FullSheetToPdf)->Unit(benchmark::kMillisecond);

// A CSV list of `rows` EAN-13 codes with both captions, as a shop's product list would be.
void WriteProductList(const QString& path, int rows)
{
    QByteArray csv = "code,upper,lower\r\n";
    for (int row = 0; row < rows; ++row) {
        const std::string twelve = "40" + QString::number(row).rightJustified(10, '0').toStdString();
        int sum = 0; // the EAN-13 check digit: weights 1 and 3 from the left
        for (std::size_t i = 0; i < twelve.size(); ++i)
            sum += (twelve[i] - '0') * (i % 2 == 0 ? 1 : 3);
        csv += QByteArray::fromStdString(twelve) + char('0' + (10 - sum % 10) % 10) + ",Item " +
               QByteArray::number(row) + ",Shelf " + QByteArray::number(row % 40) + "\r\n";
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv);
}

constexpr int kRows = 10'000;

// A window on a data folder of its own, set to EAN-13 on a 3 x 7 sheet, beside a product list of
// kRows rows; the message it would show is kept instead.
struct TProductListWindow {
    TProductListWindow()
    {
        WriteProductList(List, kRows);
        Form.ReportError = [this](const QString& message) { Failure = message; };
        Form.BarKindSp->setCurrentIndex(bcCodeEAN13);
        Form.BarKindSpChange();
        Form.CSpn->setValue(3);
        Form.RSpn->setValue(7);
    }

    QTemporaryDir DataDir;
    QString List = DataDir.filePath("products.csv");
    TPrintBarForm PrintForm;
    TBarForm Form{PrintForm, DataDir.path()};
    QString Failure;
};

// The print command of a list from the window: 10,000 rows of a CSV file opened, each label composed
// and every cell read back at the printer's 600 dpi, the picture table filled, and the sheets of 3 x 7
// shown in an open print preview. Target: under 2 s.
void ListOfTenThousandRowsToPreview(benchmark::State& state)
{
    TProductListWindow window;
    TBarForm& form = window.Form;
    const QString& failure = window.Failure;
    form.ConfirmLeftOut = [&window](const QString& message) { return window.Failure = message, false; };
    const QString& list = window.List;
    for (auto _ : state) {
        form.OpenListFile(list);
        form.SpeedButton1Click();
        form.WaitForPrint();
        state.PauseTiming();
        if (!failure.isEmpty() || form.OpenPreviewWindow() == nullptr || form.Table1.RowCount() != kRows) {
            state.SkipWithError(failure.isEmpty() ? "no preview" : failure.toUtf8().constData());
            break;
        }
        delete form.OpenPreviewWindow(); // the next print opens one anew
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(ListOfTenThousandRowsToPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening a list of 10,000 rows: what the window's thread spends before it answers again (the reading;
// the rows are checked on the pool meanwhile), and the whole check of every row composed and read back
// in the sheet's first row. Target: the window answers within 100 ms.
void ListOfTenThousandRowsOpened(benchmark::State& state, bool wholeCheck)
{
    TProductListWindow window;
    TBarForm& form = window.Form;
    const QString& failure = window.Failure;
    const QString& list = window.List;
    for (auto _ : state) {
        form.OpenListFile(list);
        if (wholeCheck)
            form.WaitForListCheck();
        state.PauseTiming();
        if (!failure.isEmpty() || form.Rows().Count() != kRows || !form.ProblemLines().isEmpty()) {
            state.SkipWithError(failure.isEmpty() ? "rows lost or refused" : failure.toUtf8().constData());
            break;
        }
        form.WaitForListCheck();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK_CAPTURE(ListOfTenThousandRowsOpened, WindowAnswers, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(ListOfTenThousandRowsOpened, EveryRowChecked, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
