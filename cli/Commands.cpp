#include "Commands.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <span>
#include <string_view>
#include <vector>

#include "CompactImage.h"
#include "SheetCommands.h"
#include "SymbolCommands.h"
#include "ZplCommands.h"
#include "barcode/Exception.h"
#include "barcode/KindTraits.h"
#include "data/Escape.h"
#include "data/PngEncoder.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/SymbolKinds.h"
#include "label/proof/PrintCheck.h"
#include "label/proof/PrintedLabel.h"
#include "label/proof/PrintedPdf.h"
#include "label/proof/ScanCheck.h"
#include "label/render/LabelPainter.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/PrintBarForm.h"
#include "report/PdfOutput.h"

namespace quillon::cli {

namespace {

constexpr int kDefaultHeightPixels = 64;

} // namespace

TBarcode MakeBarcode(const CliOptions& options)
{
    TBarcode barcode;
    barcode.SetTyp(options.kind);
    barcode.SetChecksum(options.checksum);
    barcode.SetCheckSumMethod(options.method);
    barcode.SetModul(options.modul);
    barcode.SetRatio(options.ratio);
    barcode.SetHeight(options.height.value_or(kDefaultHeightPixels));
    barcode.SetAngle(options.angle.value_or(0.0));
    barcode.SetShowText(options.show.value_or(bcoNone));
    barcode.SetColorBar(options.barColor);
    barcode.SetText(options.text);
    return barcode;
}

void RunKinds(std::ostream& out)
{
    for (int i = 0; i < kBarcodeTypeCount; ++i)
        out << i << '\t' << KindTraits(i).ListEntry << '\t' << KindTraits(i).TypeName << '\n';
    // The kinds libzint encodes, under their readable names.
    for (int i = kFirstSymbolKind; i < kLabelKindCount; ++i)
        out << i << '\t' << LabelKindName(i) << '\t' << LabelKindTitle(i) << '\n';
}

void RunPattern(const CliOptions& options, std::ostream& out)
{
    TBarcode barcode = MakeBarcode(options);
    const std::string pattern = barcode.BuildPattern();
    out << pattern << '\n' << barcode.Text() << '\n';
}

void RunWidth(const CliOptions& options, std::ostream& out)
{
    TBarcode barcode = MakeBarcode(options);
    out << barcode.Width() << '\n';
}

// Encoded in memory first, so that a failing disk is told apart from a failing encoder. The
// compact form has the same pixels and makes a smaller file faster; a black-and-white label, the
// common one, goes straight from its pixels to the same bytes.
QByteArray EncodePng(const QImage& image, const std::string& output)
{
    if (std::optional<QByteArray> png = BlackAndWhitePng(image))
        return *std::move(png);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !CompactImage(image).save(&buffer, "PNG"))
        throw CannotWrite(output, "the PNG encoder failed");
    return png;
}

LabelFile MakeLabelFile(const CliOptions& options)
{
    PrintLabel label = MakePrintLabel(options, std::nullopt, true);
    QImage image = std::move(label.picture);
    return {.image = std::move(image), .label = std::move(label)};
}

LabelProof ProveWritten(const QByteArray& png, const PrintLabel& label)
{
    // The file is the proof: the pixels of the PNG as written are read, one printer dot each (the
    // preview's pixels for the classic label, --dpi dots for the standard one), on white paper all
    // round.
    const QImage image = QImage::fromData(png, "PNG");
    if (image.isNull())
        return {.failure = "The PNG written cannot be read back", .noReader = false};
    return ProveImage(image, label);
}

LabelProof ProveImage(const QImage& image, const PrintLabel& label)
{
    const TLabelReading reading = ReadPrintedLabel(image, *label.drawing, label.barcode, label.symbol.get());
    return {.failure = EnglishText(reading.Failure), .noReader = reading.NoReader};
}

int RunLabel(const CliOptions& options, std::ostream& err)
{
    if (options.Zpl())
        return RunLabelZpl(options, err);
    const LabelFile file = MakeLabelFile(options);
    const QByteArray png = EncodePng(file.image, options.output);
    WriteOutputFile(options.output, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    ProofReport report(err);
    for (const std::string& note : file.label.notes)
        report.Note(note);
    if (!options.verify)
        return 0;
    const LabelProof proof = ProveWritten(png, file.label);
    if (proof.noReader)
        report.Note(NoReaderNote(options));
    else if (!proof.failure.empty())
        report.Fail("", proof.failure);
    return report.Failed() ? 1 : 0;
}

TSheetSettings SheetSettingsFrom(const CliOptions& options)
{
    TSheetSettings settings{.Columns = options.columns,
                            .Rows = options.rows,
                            .TopMm = options.margins.top,
                            .RightMm = options.margins.right,
                            .BottomMm = options.margins.bottom,
                            .LeftMm = options.margins.left,
                            .SpacingMm = options.spacing,
                            .Stretch = options.stretch,
                            .Paper = PaperFrom(options),
                            .Stock = StockFrom(options),
                            .StockId = options.stock.value_or(std::string()),
                            .TapeLengthMm = options.tapeLengthMm.value_or(0.0),
                            .SkipCells = options.skip,
                            .Order = options.order,
                            .Placing = PlacingFrom(options),
                            .LabelQuietMm = LabelQuietMm(options),
                            .Footer = options.footer};
    if (options.tapeLengthMm && (!settings.Stock || settings.Stock->Media != TStockMedia::Tape))
        throw UsageError(
            "--length is for a tape stock (--stock tape-W), not " +
            (options.stock ? "label stock " + *options.stock : std::string("a sheet without --stock")));
    const int cells = SheetCellCount(settings);
    if (settings.SkipCells >= cells)
        throw UsageError("--skip takes 0 to " + std::to_string(cells - 1) + " on a sheet of " +
                         std::to_string(cells) + " labels, not " + std::to_string(settings.SkipCells));
    return settings;
}

CliOptions SheetLabelOptions(const CliOptions& options)
{
    CliOptions labelOptions = options;
    labelOptions.height = options.height.value_or(SheetRowHeight(SheetSettingsFrom(options)));
    return labelOptions;
}

TPreparedReport PrepareSheetFor(const CliOptions& options, int labelCount)
{
    TPrintBarForm form;
    ApplySheetSettings(form, SheetSettingsFrom(options));
    return PrepareSheet(form, labelCount);
}

namespace {

// The sheet by the lean label PDF, bars on the printer's dots; by the painter's PDF only when the labels'
// font has no outlines to embed.
QByteArray SheetPdfBytes(const CliOptions& options, const TPreparedReport& sheet, const TSheetLabels& labels)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        TLabelPdf pdf(buffer, sheet, CalibrationFrom(options));
        for (std::size_t page = 0; page < sheet.Pages.size(); ++page)
            pdf.Add(sheet, page, labels, options.dpi);
        pdf.Finish();
        return buffer.data();
    } catch (const TFontWithoutOutlines&) {
    }
    return PdfBytes(sheet, {}, LabelDrawer(labels, options.dpi), CalibrationFrom(options));
}

} // namespace

std::string WriteSheet(const CliOptions& options, const TPreparedReport& sheet, const TSheetLabels& labels)
{
    // Made in memory and written through the file access in one piece: no scratch file is left
    // behind, and nothing is ever opened twice by name.
    QByteArray pdf;
    try {
        pdf = SheetPdfBytes(options, sheet, labels);
    } catch (const Exception& e) {
        throw CannotWrite(options.output, e.what());
    }
    std::string bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    WriteOutputFile(options.output, bytes);
    return bytes;
}

// A label cut off by its cell is reported as such, whatever its reading says.
// The cells are read from the PDF's own bytes, drawn at the printer's dots.
void ProveSheet(const CliOptions& options, const TPreparedReport& sheet, const TSheetLabels& labels,
                const std::vector<TScanExpectation>& expected, const std::vector<std::string>& misfits,
                const std::vector<std::string>& where, std::string written, ProofReport& report)
{
    for (std::size_t row = 0; row < misfits.size(); ++row)
        if (!misfits[row].empty())
            report.Fail(where[row], misfits[row]);
    if (!options.verify)
        return;
    const TPrintedPdf pdf(std::move(written));
    std::vector<std::unique_ptr<TPrintedPdfPage>> pages;
    std::vector<const TPrintedPdfPage*> shown;
    for (std::size_t page = 0; page < pdf.Pages(); ++page) {
        pages.push_back(pdf.Page(page, options.dpi));
        shown.push_back(pages.back().get());
    }
    const TSheetVerification verified =
        VerifyWrittenSheet(sheet, labels, expected, options.dpi, shown, CalibrationFrom(options));
    if (verified.Checked < verified.Labels)
        report.Note(NoReaderNote(options));
    bool failed = false;
    for (const TCellFailure& failure : verified.Failures) {
        const auto row = static_cast<std::size_t>(failure.Row);
        failed = true;
        if (misfits[row].empty())
            report.Fail(where[row], EnglishText(failure.Reason));
    }
    if (failed)
        report.Fail("", VerificationSummary(verified));
}

int RunSheet(const CliOptions& options, std::ostream& err)
{
    if (options.Zpl()) // one label for the roll, as label writes it
        return RunLabelZpl(options, err);
    // The one label fills every cell after those skipped.
    const TSheetSettings settings = SheetSettingsFrom(options);
    const int cells = SheetCellCount(settings) - settings.SkipCells;
    const TPreparedReport sheet = PrepareSheetFor(options, cells);
    const PrintLabel label = MakePrintLabel(SheetLabelOptions(options), CellSizeMm(sheet));
    ProofReport report(err);
    for (const std::string& note : label.notes)
        report.Note(note);
    // One drawing for every cell, as every row of the picture table holds the same label.
    const auto count = static_cast<std::size_t>(cells);
    const TSheetLabels labels(count, label.drawing);
    std::string written = WriteSheet(options, sheet, labels);
    ProveSheet(options, sheet, labels, std::vector<TScanExpectation>(count, label.expected),
               std::vector<std::string>(count, EnglishText(label.fit.Message)),
               std::vector<std::string>(count), std::move(written), report);
    return report.Failed() ? 1 : 0;
}

namespace {

// Why the label read as another text, as verify words it for the engine's kinds and the symbol kinds.
std::string ReadsOtherMessage(const PrintLabel& label, const TScanResult& scan)
{
    if (label.symbol)
        return EscapeForMessage(SymbolFailureOf(scan, ExpectSymbolScan(*label.symbol)));
    return "the label reads '" + EscapeForMessage(scan.Decoded) + "', not '" +
           EscapeForMessage(scan.Expected) + "'";
}

} // namespace

// The label as label writes it, read back printed alone at --dpi; line 1 the text read (GS1 data with
// its AIs in brackets), line 2 the format that read it ("Code128 ]C1" for GS1 data).
int RunVerify(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const PrintLabel label = MakePrintLabel(options, std::nullopt);
    const TScanResult scan = label.symbol ? CheckSymbolScan(*label.symbol, options.dpi)
                                          : VerifyLabelAlone(*label.drawing, label.barcode, options.dpi).Scan;
    switch (scan.Outcome) {
    case TScanOutcome::Matches: out << scan.Decoded << '\n' << scan.Format << '\n'; return 0;
    case TScanOutcome::ReadsOther:
        out << scan.Decoded << '\n' << scan.Format << '\n';
        err << "quillon-cli: " << ReadsOtherMessage(label, scan) << '\n';
        return kExitDoesNotScan;
    case TScanOutcome::DoesNotScan:
        err << "quillon-cli: the label does not scan; it should read '" << EscapeForMessage(scan.Expected)
            << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::NoReader: break;
    }
    err << "quillon-cli: " << NoReaderNote(options) << '\n';
    return kExitNoReader;
}

} // namespace quillon::cli
