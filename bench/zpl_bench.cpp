// ZPL for a roll: 10,000 distinct serial Code 128 labels (standard layout, 203 dpi), composed once
// beforehand, written as ZPL with their bars native and as one graphic each. "Write" is the writing
// alone; "WriteAndProve" also reads every label back from its written block, as the command line does
// before anything is sent (the ZPL read into dots, its inked part scanned). Reports the bytes per label.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "label/proof/ScanCheck.h"
#include "label/proof/WrittenZpl.h"
#include "label/render/LabelZpl.h"
#include "label/run/RowComposer.h"

namespace {

using namespace quillon;

constexpr int kLabels = 10000;
constexpr int kDpi = 203;

struct TComposedRoll {
    std::vector<TBarcode> Barcodes{};
    std::vector<std::shared_ptr<const TLabelDrawing>> Drawings{};
};

const TComposedRoll& Roll()
{
    static const TComposedRoll roll = [] {
        TComposedRoll made;
        const TComposeSettings settings{.Layout = TLabelLayout::Standard, .Dpi = kDpi, .Picture = false};
        for (int i = 0; i < kLabels; ++i) {
            TBarcode barcode;
            barcode.SetTyp(bcCode128C);
            barcode.SetShowText(bcoCode);
            std::string code = std::to_string(1000000 + i).substr(1);
            TComposedLabel label = ComposeLabelFor(
                barcode, settings, code, {.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}});
            made.Drawings.push_back(label.Drawing);
            made.Barcodes.push_back(std::move(barcode));
        }
        return made;
    }();
    return roll;
}

// The label's block, read back as printed and scanned; raises when it would not read.
void Prove(const std::string& block, const TBarcode& barcode)
{
    const std::vector<TPrintedZplLabel> printed = ReadWrittenZpl(block);
    const TDotBitmap& dots = printed.at(0).Dots;
    if (CheckScan(ImageOfDots(Cropped(dots, InkBox(dots))), barcode).Outcome != TScanOutcome::Matches)
        throw std::runtime_error("a label does not read");
}

void WriteRoll(benchmark::State& state, TZplMode mode, bool prove)
{
    const TComposedRoll& roll = Roll();
    const TZplSettings settings{.Dpi = kDpi, .Mode = mode};
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string zpl = ZplFileHead(settings);
        for (int i = 0; i < kLabels; ++i) {
            const TZplArtwork artwork = ZplArtwork(*roll.Drawings[i], &roll.Barcodes[i], settings);
            const std::string block =
                ZplLabel(artwork, QSize(artwork.Dots.Width, artwork.Dots.Height), {}, 1, settings);
            if (prove)
                Prove(block, roll.Barcodes[i]);
            zpl += block;
        }
        bytes = zpl.size();
        benchmark::DoNotOptimize(zpl);
    }
    state.counters["bytes_per_label"] = static_cast<double>(bytes) / kLabels;
    state.counters["labels"] = kLabels;
}

void BM_ZplRollNativeWrite(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Native, false);
}
void BM_ZplRollGraphicWrite(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Graphic, false);
}
void BM_ZplRollNativeWriteAndProve(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Native, true);
}
void BM_ZplRollGraphicWriteAndProve(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Graphic, true);
}

BENCHMARK(BM_ZplRollNativeWrite)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZplRollGraphicWrite)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZplRollNativeWriteAndProve)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZplRollGraphicWriteAndProve)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
