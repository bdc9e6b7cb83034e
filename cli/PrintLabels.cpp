#include "PrintLabels.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>
#include <type_traits>
#include <utility>
#include <variant>

#include "Commands.h"
#include "Interrupt.h"
#include "SymbolCommands.h"
#include "barcode/KindNames.h"
#include "data/Escape.h"
#include "report/Units.h"

namespace quillon::cli {

namespace {

static_assert(kDpi.Min == kMinLabelDpi && kDpi.Max == kMaxLabelDpi, "--dpi takes what the layout takes");
static_assert(kDpi.Min == kMinVerifyDpi && kDpi.Max == kMaxVerifyDpi, "--dpi takes what verification takes");
static_assert(kBarWidthReductionDots.Max == kMaxBarWidthReductionDots);

// Verifying takes a core per thread; more threads than cores only add switching.
constexpr unsigned kMaxVerifyThreads = 8;

PrintLabel ClassicLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TBarcode barcode = MakeBarcode(options);
    // Unless asked for, the barcode stays at (0, 0) unturned, as the window starts.
    if (options.angle)
        PlaceForAngle(barcode, *options.angle);
    auto drawing = std::make_shared<const TLabelDrawing>(RecordLabel(barcode, CaptionsFrom(options)));
    TCellFit fit;
    if (cellMm && !options.stretch)
        fit = CheckLabelFits(LabelSizeMm(*drawing), *cellMm);
    TScanExpectation expected = ExpectScan(barcode);
    return {.barcode = std::move(barcode),
            .symbol = nullptr,
            .drawing = std::move(drawing),
            .expected = std::move(expected),
            .notes = {},
            .fit = std::move(fit)};
}

// A stretched label is scaled to its cell whatever its size, so it is not fitted first.
PrintLabel StandardLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TBarcode barcode = MakeBarcode(options);
    const TStandardSettings settings = StandardSettingsFrom(options);
    TStandardLabel label;
    TCellFit fit;
    if (cellMm && !options.stretch) {
        TFittedLabel fitted = FitStandardLabel(barcode, CaptionsFrom(options), settings, *cellMm);
        label = std::move(fitted.Label);
        fit = std::move(fitted.Fit);
    } else {
        label = ComposeStandardLabel(barcode, CaptionsFrom(options), settings);
    }
    TScanExpectation expected = ExpectScan(barcode);
    return {.barcode = std::move(barcode),
            .symbol = nullptr,
            .drawing = std::make_shared<const TLabelDrawing>(std::move(label.Drawing)),
            .expected = std::move(expected),
            .notes = std::move(label.Notes),
            .fit = std::move(fit)};
}

// The drawing is the symbol label's own, shared with it rather than copied.
PrintLabel SymbolLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    TFittedSymbolLabel made = MakeSymbolLabel(options, cellMm);
    auto symbol = std::make_shared<const TSymbolLabel>(std::move(made.Label));
    std::shared_ptr<const TLabelDrawing> drawing(symbol, &symbol->Drawing);
    return {.barcode = {},
            .symbol = symbol,
            .drawing = std::move(drawing),
            .expected = {.Symbol = std::make_shared<const TSymbolExpectation>(ExpectSymbolScan(*symbol))},
            .notes = symbol->Notes,
            .fit = std::move(made.Fit)};
}

unsigned VerifyThreads(std::size_t pages)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>({cores, kMaxVerifyThreads, pages}));
}

} // namespace

TLabelCaptions CaptionsFrom(const CliOptions& options)
{
    const auto text = [](const std::optional<std::string>& caption) {
        return caption ? QString::fromLocal8Bit(caption->data(), static_cast<qsizetype>(caption->size()))
                       : QString();
    };
    return {.UpperOn = options.upper.has_value(),
            .Upper = text(options.upper),
            .LowerOn = options.lower.has_value(),
            .Lower = text(options.lower)};
}

TStandardSettings StandardSettingsFrom(const CliOptions& options)
{
    return {.XDimensionMm = options.xDimensionMm,
            .Dpi = options.dpi,
            .BarHeightMm = options.barHeightMm,
            .BarWidthReductionDots = options.barWidthReductionDots,
            .Ratio = options.ratio};
}

PrintLabel MakePrintLabel(const CliOptions& options, std::optional<QSizeF> cellMm)
{
    CliOptions labelOptions = options;
    labelOptions.show = options.show.value_or(bcoCode);
    if (options.symbol)
        return SymbolLabel(labelOptions, cellMm);
    return options.layout == Layout::Standard ? StandardLabel(labelOptions, cellMm)
                                              : ClassicLabel(labelOptions, cellMm);
}

// The size the page renderer gives a row's bitmap: the label at its true size in the report's pixels,
// as the proof of the sheet sizes it too.
std::vector<QImage> PictureSizes(const TSheetLabels& labels, int pixelsPerInch)
{
    std::map<std::pair<int, int>, QImage> shared;
    std::vector<QImage> pictures;
    pictures.reserve(labels.size());
    for (const std::shared_ptr<const TLabelDrawing>& label : labels) {
        const double scale = pixelsPerInch / (label->UnitsPerInch > 0 ? label->UnitsPerInch : pixelsPerInch);
        const std::pair size{std::max(1, static_cast<int>(std::lround(label->Size.width() * scale))),
                             std::max(1, static_cast<int>(std::lround(label->Size.height() * scale)))};
        QImage& picture = shared[size];
        if (picture.isNull()) {
            picture = QImage(size.first, size.second, QImage::Format_Mono);
            picture.fill(1); // white, should a cell ever fall back to its bitmap
        }
        pictures.push_back(picture);
    }
    return pictures;
}

SheetPage PageAlone(const TPreparedReport& sheet, std::size_t index, const TSheetLabels& labels,
                    const std::vector<TScanExpectation>* expected)
{
    SheetPage page{.Index = index,
                   .FirstRow = 0,
                   .Report = {.Pages = {sheet.Pages[index]},
                              .PaperSize = sheet.PaperSize,
                              .Orientation = sheet.Orientation,
                              .PaperWidthTenths = sheet.PaperWidthTenths,
                              .PaperLengthTenths = sheet.PaperLengthTenths,
                              .PixelsPerInch = sheet.PixelsPerInch},
                   .Labels = {},
                   .Expected = {}};
    std::optional<std::int64_t> first;
    std::int64_t last = -1;
    for (const TPlacedElement& element : page.Report.Pages.front().Elements)
        if (const auto* image = std::get_if<TPlacedImage>(&element.Content)) {
            first = std::min(first.value_or(image->Row), image->Row);
            last = std::max(last, image->Row);
        }
    page.FirstRow = first.value_or(0);
    for (TPlacedElement& element : page.Report.Pages.front().Elements)
        if (auto* image = std::get_if<TPlacedImage>(&element.Content))
            image->Row -= page.FirstRow;
    // Rows past the labels given print nothing, as in the whole sheet.
    const auto rowsOf = [&](const auto& all) {
        const auto from = std::min(static_cast<std::size_t>(page.FirstRow), all.size());
        const auto to = std::min(static_cast<std::size_t>(last + 1), all.size());
        return std::decay_t<decltype(all)>(all.begin() + static_cast<std::ptrdiff_t>(from),
                                           all.begin() + static_cast<std::ptrdiff_t>(std::max(from, to)));
    };
    page.Labels = rowsOf(labels);
    if (expected != nullptr)
        page.Expected = rowsOf(*expected);
    return page;
}

SheetProof::SheetProof(int dpi, unsigned helpers) : FDpi(dpi)
{
    for (unsigned n = std::min(helpers, kMaxVerifyThreads); n > 0; --n)
        FHelpers.emplace_back([this] { Work(); });
}

SheetProof::~SheetProof()
{
    // A proof left unfinished (its sheet not written) drops the pages not begun.
    const std::lock_guard lock(FMutex);
    FQueue.clear();
    FClosed = true;
    FChanged.notify_all();
}

void SheetProof::Offer(SheetPage page)
{
    const std::lock_guard lock(FMutex);
    FQueue.push_back(std::move(page));
    FChanged.notify_one();
}

void SheetProof::Restart()
{
    std::unique_lock lock(FMutex);
    FQueue.clear();
    FChanged.wait(lock, [this] { return FBusy == 0; });
    FProved.clear();
}

void SheetProof::Prove(SheetPage page)
{
    TSheetVerification proved = VerifySheet(page.Report, page.Labels, page.Expected, FDpi);
    for (TCellFailure& failure : proved.Failures) {
        failure.Page = page.Index;
        failure.Row += page.FirstRow;
    }
    const std::lock_guard lock(FMutex);
    FProved[page.Index] = std::move(proved);
}

// Proves the pages offered until the proof is closed and none is left, or one fails.
void SheetProof::Work()
{
    std::unique_lock lock(FMutex);
    while (true) {
        FChanged.wait(lock, [this] { return !FQueue.empty() || FClosed; });
        if (FQueue.empty() || FFailure || InterruptSignal() != 0)
            return;
        SheetPage page = std::move(FQueue.front());
        FQueue.pop_front();
        ++FBusy;
        lock.unlock();
        try {
            Prove(std::move(page));
        } catch (...) {
            const std::lock_guard failed(FMutex);
            FFailure = std::current_exception();
            FQueue.clear();
        }
        lock.lock();
        --FBusy;
        FChanged.notify_all();
    }
}

TSheetVerification SheetProof::Finish(std::size_t pages)
{
    {
        const std::lock_guard lock(FMutex);
        FClosed = true;
        FChanged.notify_all();
    }
    {
        std::vector<std::jthread> others;
        for (unsigned n = VerifyThreads(pages); n > 1 + FHelpers.size(); --n)
            others.emplace_back([this] { Work(); });
        Work();
    }
    FHelpers.clear(); // joins them
    if (FFailure)
        std::rethrow_exception(FFailure);
    ThrowIfInterrupted();
    TSheetVerification total{.Dpi = FDpi};
    for (std::size_t page = 0; page < pages; ++page) {
        TSheetVerification& proved = FProved.at(page);
        total.Labels += proved.Labels;
        total.Checked += proved.Checked;
        total.ReadBack += proved.ReadBack;
        total.DistinctCells += proved.DistinctCells;
        std::move(proved.Failures.begin(), proved.Failures.end(), std::back_inserter(total.Failures));
    }
    return total;
}

TSheetVerification VerifyPages(const TPreparedReport& sheet, const TSheetLabels& labels,
                               const std::vector<TScanExpectation>& expected, int dpi)
{
    if (labels.size() != expected.size())
        return VerifySheet(sheet, labels, expected, dpi); // which refuses them
    SheetProof proof(dpi, 0);
    for (std::size_t page = 0; page < sheet.Pages.size(); ++page)
        proof.Offer(PageAlone(sheet, page, labels, &expected));
    return proof.Finish(sheet.Pages.size());
}

void ProofReport::Note(const std::string& note)
{
    if (FSaid.insert("note: " + note).second)
        FErr << "quillon-cli: " << EscapeForMessage(note) << '\n';
}

void ProofReport::Fail(const std::string& where, const std::string& reason)
{
    FFailed = true;
    if (FSaid.insert(where + reason).second)
        FErr << "quillon-cli: " << where << EscapeForMessage(reason) << '\n';
}

std::string NoReaderNote(TBarcodeType kind)
{
    return "no scan check for " + std::string(KindListEntries[kind]) + ": the decoder has no reader for it";
}

std::string NoReaderNote(const CliOptions& options)
{
    return options.symbol ? SymbolNoReaderNote(*options.symbol) : NoReaderNote(options.kind);
}

} // namespace quillon::cli
