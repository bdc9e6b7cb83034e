// Preparing and printing a full label sheet: 4 x 20 cells of one label image, to a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "report/PdfOutput.h"
#include "report/Report.h"

namespace {

using namespace quillon;

// A label as the preview composes it: bars with a caption line, about 180 x 80 screen pixels.
QImage TypicalLabel()
{
    QImage label(180, 80, QImage::Format_RGB32);
    label.fill(Qt::white);
    QPainter painter(&label);
    for (int x = 10, module = 0; x < 170; x += 2 + module % 3, ++module) {
        if (module % 2 == 0)
            painter.fillRect(x, 8, 1 + module % 3, 52, Qt::black);
    }
    painter.drawText(QRect(0, 62, 180, 16), Qt::AlignCenter, "5 901234 123457");
    return label;
}

// The label application's sheet: 4 columns, 20 rows of 23 design pixels, at zoom 45.
void SetUpSheet(TReport& report)
{
    report.Page().SetZoomPercent(45);
    report.Page().SetColumns(4);
    TBand& cell = report.AddBand(TBandKind::SubDetail);
    cell.SetHeight(23);
    TImageElement& image = cell.AddImage();
    image.SetWidth(cell.Width());
    image.SetHeight(23);
    TBand& footer = report.AddBand(TBandKind::PageFooter);
    footer.SetHeight(6);
    TTextLabel& credit = footer.AddLabel();
    credit.SetText("Quillon");
    credit.SetWidth(footer.Width());
    credit.SetHeight(6);
}

// Pictures shared by every row, or one decoded copy per row as a picture table hands them over.
enum class TPictureSharing : std::uint8_t { Shared, CopyPerRow };

std::vector<QImage> SheetPictures(TPictureSharing sharing)
{
    const QImage label = TypicalLabel();
    std::vector<QImage> pictures;
    for (int row = 0; row < 80; ++row)
        pictures.push_back(sharing == TPictureSharing::Shared ? label : label.copy());
    return pictures;
}

void BM_LabelSheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    TReport report;
    SetUpSheet(report);
    const std::vector<QImage> pictures = SheetPictures(static_cast<TPictureSharing>(state.range(0)));
    for (auto _ : state) {
        const TPreparedReport prepared = report.PrepareRun(80);
        WritePdf(prepared, pictures, dir.filePath("sheet.pdf"));
    }
}
BENCHMARK(BM_LabelSheetToPdf)
    ->Arg(static_cast<int>(TPictureSharing::Shared))
    ->Arg(static_cast<int>(TPictureSharing::CopyPerRow))
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
