// The PDF of a bulk sheet alone: 125 pages of 80 distinct EAN-13 labels (4 x 20, classic, the bulk
// run's default) written by the painter's PDF (TPdfPages) and by the lean label PDF (TLabelPdf), the
// latter also with its pages made on a second thread as a bulk run could make them beside its labels.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <exception>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "label/render/LabelPdf.h"
#include "label/sheet/SheetRun.h"
#include "report/PdfOutput.h"

namespace {

using namespace quillon;

constexpr int kCodes = 10000;
constexpr int kDpi = 600;

// 200000000000 + n with its check digit (ISO/IEC 15420: weights 1 and 3 from the left).
std::string Ean13(int n)
{
    std::string code = std::to_string(200000000000LL + n);
    int sum = 0;
    for (std::size_t i = 0; i < code.size(); ++i)
        sum += (code[i] - '0') * (i % 2 ? 3 : 1);
    return code + char('0' + (10 - sum % 10) % 10);
}

struct TBulkSheet {
    TPreparedReport Report{};
    TSheetLabels Labels{};
};

const TBulkSheet& Sheet()
{
    static const TBulkSheet sheet = [] {
        TBulkSheet made;
        TPrintBarForm form;
        const TSheetSettings settings{.Columns = 4, .Rows = 20};
        ApplySheetSettings(form, settings);
        made.Report = PrepareSheet(form, kCodes);
        for (int n = 0; n < kCodes; ++n) {
            TBarcode barcode;
            barcode.SetShowText(bcoCode), barcode.SetHeight(SheetRowHeight(settings)),
                barcode.SetText(Ean13(n));
            made.Labels.push_back(std::make_shared<const TLabelDrawing>(RecordLabel(barcode, {})));
        }
        return made;
    }();
    return sheet;
}

void BM_PainterPdf(benchmark::State& state)
{
    const TBulkSheet& sheet = Sheet();
    qsizetype bytes = 0;
    for (auto _ : state) {
        TPdfPages pdf(sheet.Report);
        const auto fonts = std::make_shared<TLabelFonts>();
        for (std::size_t page = 0; page < sheet.Report.Pages.size(); ++page)
            pdf.Add(sheet.Report, page, {}, LabelDrawer(sheet.Labels, kDpi, fonts));
        bytes = pdf.Finish().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PainterPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LabelPdf(benchmark::State& state)
{
    const TBulkSheet& sheet = Sheet();
    qsizetype bytes = 0;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TLabelPdf pdf(out, sheet.Report);
        for (std::size_t page = 0; page < sheet.Report.Pages.size(); ++page)
            pdf.Add(sheet.Report, page, sheet.Labels, kDpi);
        pdf.Finish();
        bytes = out.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LabelPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every other page made on a helper thread (one for the run: a thread's fonts are resolved once) while
// this one makes the others and writes them all in order.
void BM_LabelPdfTwoThreads(benchmark::State& state)
{
    const TBulkSheet& sheet = Sheet();
    const std::size_t pages = sheet.Report.Pages.size();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TLabelPdf pdf(out, sheet.Report);
        const auto make = [&](std::size_t page) {
            return pdf.MakePage(sheet.Report, page, sheet.Labels, kDpi);
        };
        std::vector<std::promise<TLabelPdfPage>> made(pages);
        std::jthread helper([&] {
            for (std::size_t page = 1; page < pages; page += 2) {
                try {
                    made[page].set_value(make(page));
                } catch (...) {
                    made[page].set_exception(std::current_exception());
                }
            }
        });
        for (std::size_t page = 0; page < pages; ++page)
            pdf.AddPage(page % 2 == 0 ? make(page) : made[page].get_future().get());
        pdf.Finish();
    }
}
BENCHMARK(BM_LabelPdfTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
