#include "Commands.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <span>
#include <string_view>
#include <vector>

#include "CompactImage.h"
#include "PngEncoder.h"
#include "barcode/Exception.h"
#include "barcode/KindNames.h"
#include "data/Escape.h"
#include "label/LabelComposer.h"
#include "label/PrintBarForm.h"
#include "label/ScanCheck.h"
#include "report/PdfOutput.h"

namespace quillon::cli {

namespace {

constexpr int kDefaultHeightPixels = 64;

// Captions come from the command line in the locale's encoding; they are shown, never encoded.
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
        out << i << '\t' << KindListEntries[i] << '\t' << BarcodeTypeTable[i].Name << '\n';
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

ComposedLabel ComposeLabelFor(const CliOptions& options)
{
    CliOptions labelOptions = options;
    labelOptions.show = options.show.value_or(bcoCode);
    TBarcode barcode = MakeBarcode(labelOptions);
    // Unless asked for, the barcode stays at (0, 0) unturned, as the window starts; the window's
    // placement for angle 0 would put the bars below the label.
    if (options.angle)
        PlaceForAngle(barcode, *options.angle);
    QImage image = ComposeLabel(barcode, CaptionsFrom(options));
    return {.barcode = std::move(barcode), .image = std::move(image)};
}

QImage ComposeLabelImage(const CliOptions& options)
{
    return ComposeLabelFor(options).image;
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

void RunLabel(const CliOptions& options)
{
    const QByteArray png = EncodePng(ComposeLabelImage(options), options.output);
    WriteOutputFile(options.output, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

TSheetSettings SheetSettingsFrom(const CliOptions& options)
{
    return {.Columns = options.columns,
            .Rows = options.rows,
            .TopMm = options.margins.top,
            .RightMm = options.margins.right,
            .BottomMm = options.margins.bottom,
            .LeftMm = options.margins.left,
            .SpacingMm = options.spacing,
            .Stretch = options.stretch};
}

CliOptions SheetLabelOptions(const CliOptions& options)
{
    CliOptions labelOptions = options;
    labelOptions.height =
        options.height.value_or(SheetRowHeight(options.margins.top, options.margins.bottom, options.rows));
    return labelOptions;
}

void WriteSheet(const CliOptions& options, std::span<const QImage> pictures)
{
    TPrintBarForm form;
    ApplySheetSettings(form, SheetSettingsFrom(options));
    const TPreparedReport prepared = PrepareSheet(form, static_cast<int>(pictures.size()));
    // Made in memory and written through the file access in one piece: no scratch file is left
    // behind, and nothing is ever opened twice by name.
    QByteArray pdf;
    try {
        pdf = PdfBytes(prepared, pictures);
    } catch (const Exception& e) {
        throw CannotWrite(options.output, e.what());
    }
    WriteOutputFile(options.output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

void RunSheet(const CliOptions& options)
{
    // Compact, so that the PDF writer embeds a black-and-white label losslessly.
    const QImage label = CompactImage(ComposeLabelImage(SheetLabelOptions(options)));
    // One shared image for every cell, as every row of the picture table holds the same label.
    const std::vector<QImage> pictures(static_cast<std::size_t>(options.columns * options.rows), label);
    WriteSheet(options, pictures);
}

int RunVerify(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const ComposedLabel label = ComposeLabelFor(options);
    const TScanResult scan = CheckScan(label.image, label.barcode);
    switch (scan.Outcome) {
    case TScanOutcome::Matches: out << scan.Decoded << '\n' << scan.Format << '\n'; return 0;
    case TScanOutcome::ReadsOther:
        out << scan.Decoded << '\n' << scan.Format << '\n';
        err << "quillon-cli: the label reads '" << EscapeForMessage(scan.Decoded) << "', not '"
            << EscapeForMessage(scan.Expected) << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::DoesNotScan:
        err << "quillon-cli: the label does not scan; it should read '" << EscapeForMessage(scan.Expected)
            << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::NoReader: break;
    }
    err << "quillon-cli: no scan check for " << KindListEntries[options.kind]
        << ": the decoder has no reader for it\n";
    return kExitNoReader;
}

} // namespace quillon::cli
