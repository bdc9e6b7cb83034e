#include "label/proof/PrintedLabel.h"

#include <cmath>
#include <string>

#include "label/proof/PrintCheck.h"

namespace quillon {

namespace {

// Why a reading of an engine label fails, in the words a printed cell's proof uses.
TLabelMessage FailureOf(const TScanResult& scan)
{
    if (scan.RightCheckDigit)
        return {TMessageCode::CheckDigitShould, {std::string(1, *scan.RightCheckDigit)}};
    if (scan.Outcome == TScanOutcome::ReadsOther)
        return {TMessageCode::ReadsOther, {scan.Decoded, scan.Expected}};
    return {TMessageCode::DoesNotScan, {}};
}

} // namespace

TLabelMessage SymbolFailure(const TScanResult& scan, const TSymbolExpectation& expected)
{
    if (scan.Outcome != TScanOutcome::ReadsOther)
        return {TMessageCode::DoesNotScan, {}};
    if (scan.Decoded == scan.Expected)
        return {TMessageCode::ReadsNotGs1, {scan.Decoded, scan.Format, expected.Reading.SymbologyIdentifier}};
    return {TMessageCode::ReadsOther, {scan.Decoded, scan.Expected}};
}

TLabelReading ReadPrintedLabel(const QImage& image, const TLabelDrawing& drawing, const TBarcode& barcode,
                               const TSymbolLabel* symbol)
{
    if (symbol != nullptr) {
        const TScanResult scan = CheckSymbolImage(image, *symbol);
        if (scan.Outcome == TScanOutcome::NoReader)
            return {.Failure = {}, .NoReader = true};
        return {.Failure = scan.Outcome == TScanOutcome::Matches
                               ? TLabelMessage{}
                               : SymbolFailure(scan, ExpectSymbolScan(*symbol)),
                .NoReader = false};
    }
    if (barcode.Angle() != 0.0) {
        const int dpi = static_cast<int>(std::lround(drawing.UnitsPerInch));
        const TPrintVerdict verdict = VerifyLabelAlone(drawing, barcode, dpi);
        return {.Failure = verdict.Reason, .NoReader = verdict.Scan.Outcome == TScanOutcome::NoReader};
    }
    const TScanResult scan = CheckScan(image, barcode);
    if (scan.Outcome == TScanOutcome::NoReader)
        return {.Failure = {}, .NoReader = true};
    return {.Failure = scan.Outcome == TScanOutcome::Matches ? TLabelMessage{} : FailureOf(scan),
            .NoReader = false};
}

} // namespace quillon
