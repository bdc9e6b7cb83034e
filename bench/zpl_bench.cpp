// ZPL for a roll: 10,000 distinct serial Code 128 labels (standard layout, 203 dpi), composed once
// beforehand, written as ZPL with their bars native and as one graphic each. Reports the bytes per label.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

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
            TComposedLabel label =
                ComposeLabelFor(barcode, settings, code, {.UpperOn = false, .LowerOn = false});
            made.Drawings.push_back(label.Drawing);
            made.Barcodes.push_back(std::move(barcode));
        }
        return made;
    }();
    return roll;
}

void WriteRoll(benchmark::State& state, TZplMode mode)
{
    const TComposedRoll& roll = Roll();
    const TZplSettings settings{.Dpi = kDpi, .Mode = mode};
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string zpl = ZplFileHead(settings);
        for (int i = 0; i < kLabels; ++i) {
            const TZplArtwork artwork = ZplArtwork(*roll.Drawings[i], &roll.Barcodes[i], settings);
            zpl += ZplLabel(artwork, QSize(artwork.Dots.Width, artwork.Dots.Height), {}, 1, settings);
        }
        bytes = zpl.size();
        benchmark::DoNotOptimize(zpl);
    }
    state.counters["bytes_per_label"] = static_cast<double>(bytes) / kLabels;
    state.counters["labels"] = kLabels;
}

void BM_ZplRollNative(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Native);
}
void BM_ZplRollGraphic(benchmark::State& state)
{
    WriteRoll(state, TZplMode::Graphic);
}

BENCHMARK(BM_ZplRollNative)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZplRollGraphic)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
