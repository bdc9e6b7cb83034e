#include "Commands.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QTemporaryFile>
#include <algorithm>
#include <span>
#include <vector>

#include "Codes.h"
#include "CompactImage.h"
#include "barcode/Exception.h"
#include "barcode/KindNames.h"
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

QString LocalPath(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

OutputError WriteFailure(const std::string& output, const QString& reason)
{
    return OutputError("cannot write '" + output + "': " + reason.toStdString());
}

// The target's replacement: a temporary file beside it, renamed over it on commit; leaving without
// commit removes it and the target stays as it was. Unbuffered, so that each write reaches the disk
// at once and returns what it really wrote: a buffered QSaveFile writes at commit, and on a full
// disk commits a cut-short file while reporting success.
void OpenReplacement(QSaveFile& file, const std::string& output)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw WriteFailure(output, file.errorString());
}

// Writes the whole of bytes and renames the replacement over the target. A short write sets no
// error of its own, so the count is checked.
void WriteAndCommit(QSaveFile& file, const QByteArray& bytes, const std::string& output)
{
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        throw WriteFailure(output, file.error() != QFileDevice::NoError
                                       ? file.errorString()
                                       : QStringLiteral("only %1 of %2 bytes could be written")
                                             .arg(std::max<qint64>(written, 0))
                                             .arg(bytes.size()));
    if (!file.commit())
        throw WriteFailure(output, file.errorString());
}

// The PDF writer takes a file name: it writes beside the target into a temporary file, which is
// read back whole (WritePdf has checked it) and only then becomes the target.
QByteArray RenderPdf(const TPreparedReport& prepared, std::span<const QImage> pictures,
                     const std::string& output)
{
    QTemporaryFile scratch(LocalPath(output) + QStringLiteral(".XXXXXX.pdf"));
    if (!scratch.open())
        throw WriteFailure(output, scratch.errorString());
    scratch.close(); // kept until scratch goes out of scope; the writer opens it by name
    try {
        WritePdf(prepared, pictures, scratch.fileName());
    } catch (const Exception& e) {
        throw WriteFailure(output, QString::fromUtf8(e.what()));
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw WriteFailure(output, written.errorString());
    return written.readAll();
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
// compact form has the same pixels and makes a smaller file faster.
QByteArray EncodePng(const QImage& image, const std::string& output)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !CompactImage(image).save(&buffer, "PNG"))
        throw WriteFailure(output, QStringLiteral("the PNG encoder failed"));
    return png;
}

void RunLabel(const CliOptions& options)
{
    const QByteArray png = EncodePng(ComposeLabelImage(options), options.output);
    QSaveFile file(LocalPath(options.output));
    OpenReplacement(file, options.output);
    WriteAndCommit(file, png, options.output);
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
    QSaveFile file(LocalPath(options.output));
    OpenReplacement(file, options.output);
    WriteAndCommit(file, RenderPdf(prepared, pictures, options.output), options.output);
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
        err << "quillon-cli: the label reads '" << Printable(scan.Decoded) << "', not '"
            << Printable(scan.Expected) << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::DoesNotScan:
        err << "quillon-cli: the label does not scan; it should read '" << Printable(scan.Expected) << "'\n";
        return kExitDoesNotScan;
    case TScanOutcome::NoReader: break;
    }
    err << "quillon-cli: no scan check for " << KindListEntries[options.kind]
        << ": the decoder has no reader for it\n";
    return kExitNoReader;
}

} // namespace quillon::cli
