#include "Commands.h"

#include "barcode/KindNames.h"

namespace quillon::cli {

TBarcode MakeBarcode(const CliOptions& options)
{
    TBarcode barcode;
    barcode.SetTyp(options.kind);
    barcode.SetChecksum(options.checksum);
    barcode.SetCheckSumMethod(options.method);
    barcode.SetModul(options.modul);
    barcode.SetRatio(options.ratio);
    barcode.SetHeight(options.height.value_or(64));
    barcode.SetAngle(options.angle);
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

}  // namespace quillon::cli
