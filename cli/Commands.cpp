#include "Commands.h"

#include <QImage>
#include <QSaveFile>
#include <QString>

#include "app/LabelComposer.h"
#include "barcode/KindNames.h"

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

QImage ComposeLabelImage(const CliOptions& options)
{
    CliOptions labelOptions = options;
    labelOptions.show = options.show.value_or(bcoCode);
    TBarcode barcode = MakeBarcode(labelOptions);
    // Unless asked for, the barcode stays at (0, 0) unturned, as the window starts; the window's
    // placement for angle 0 would put the bars below the label.
    if (options.angle)
        PlaceForAngle(barcode, *options.angle);
    return ComposeLabel(barcode, CaptionsFrom(options));
}

void RunLabel(const CliOptions& options)
{
    const QImage image = ComposeLabelImage(options);
    const QString path =
        QString::fromLocal8Bit(options.output.data(), static_cast<qsizetype>(options.output.size()));
    const auto failure = [&](const QString& reason) {
        return OutputError("cannot write '" + options.output + "': " + reason.toStdString());
    };
    QSaveFile file(path); // a temporary file beside the target, renamed over it on commit
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    // Leaving without commit removes the temporary file: the target stays as it was.
    if (!image.save(&file, "PNG"))
        throw failure(file.error() == QFileDevice::NoError ? QStringLiteral("the PNG encoder failed")
                                                           : file.errorString());
    if (!file.commit())
        throw failure(file.errorString());
}

} // namespace quillon::cli
