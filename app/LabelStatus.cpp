// The status line: its phrases in the user's language, the engine's messages mapped to sentences, and
// what a difference between the typed code and the printed one is put down to.
#include "app/LabelStatus.h"

#include "app/Catalogues.h"

#include <algorithm>
#include <array>
#include <optional>

#include "barcode/CheckDigits.h"
#include "label/compose/SymbolKinds.h"
#include "label/input/TypedChange.h"

namespace quillon {
namespace {

enum TPhraseId : std::uint8_t {
    phScansAs,
    phScansOther,
    phDoesNotScan,
    phNoScanCheck,
    phPrintsAs,
    phPrintsAsNoScan,
    phPaddedTaken,
    phPaddedReplaced,
    phZerosPadded,
    phDigitsCut,
    phWrongCheck,
    phWithCheck,
    phPairsPadded,
    phAddonPadded,
    phAddonCut,
    phBlanksLeftOut,
    phChanged,
    phPreviewAt,
    phScansWithCheck,
    phReadBack,
    phNotChecked,
    phNoneChecked,
    phNumberSystemShould,
    phDoesNotScanStandard,
    phBarWidthExact,
    phBarWidthLeast,
    phSmallModule,
    phStretched,
    phMarginLeft,
    phMarginRight,
    phNeighbour,
    phOrZoom,
    phSetZoom,
    phCutZoom,
    phCutFewer,
    phCutStock,
    phFirstLeftOut,
    kPhraseCount
};

// The status line's sentences, translated by the "Status" catalogue; %1, %2, ... are filled in order and
// %n is the count that picks a plural form.
constexpr std::array<const char*, kPhraseCount> kPhrases{{
    QT_TRANSLATE_NOOP("Status", "Scans as %1"),                                   // ScansAs
    QT_TRANSLATE_NOOP("Status", "Scans as %1, not as typed"),                     // ScansOther
    QT_TRANSLATE_NOOP("Status", "Does not scan: try a larger zoom or bar width"), // DoesNotScan
    QT_TRANSLATE_NOOP("Status", "No scan check for %1"),                          // NoScanCheck
    QT_TRANSLATE_NOOP("Status", "Prints as %1: %2"),                              // PrintsAs
    QT_TRANSLATE_NOOP("Status", "Prints as %1, which does not scan: %2"),         // PrintsAsNoScan
    QT_TRANSLATE_N_NOOP("Status", "%1 takes %n digits and a check digit, so a 0 was put in front and %2 "
                                  "became the check digit"), // PaddedTaken
    QT_TRANSLATE_N_NOOP("Status", "%1 takes %n digits and a check digit, so a 0 was put in front and the "
                                  "check digit %2 replaced the last digit"), // PaddedReplaced
    QT_TRANSLATE_N_NOOP("Status",
                        "%1 takes %n digits and a check digit, so zeros were put in front"), // ZerosPadded
    QT_TRANSLATE_N_NOOP(
        "Status",
        "%1 takes %n digits and a check digit; the digits after the first %2 were left out"), // DigitsCut
    QT_TRANSLATE_NOOP("Status", "the last digit is the check digit and should be %1"),        // WrongCheck
    QT_TRANSLATE_NOOP("Status", "; with its check digit %1 is %2"),                           // WithCheck
    QT_TRANSLATE_NOOP("Status", "%1 takes pairs of digits, so a 0 was put in front"),         // PairsPadded
    QT_TRANSLATE_N_NOOP("Status", "the %1 takes %n digits, so zeros were put in front"),      // AddonPadded
    QT_TRANSLATE_N_NOOP("Status", "the %1 takes %n digits; the rest were left out"),          // AddonCut
    QT_TRANSLATE_NOOP("Status", "blanks and control characters were left out"),               // BlanksLeftOut
    QT_TRANSLATE_NOOP("Status", "%1 changed what was typed (%2)"),                            // Changed
    QT_TRANSLATE_NOOP("Status", "Preview at %1%"),                                            // PreviewAt
    QT_TRANSLATE_NOOP("Status", "Scans as %1, with the check digit %2 added"),        // ScansWithCheck
    QT_TRANSLATE_N_NOOP("Status", "%1 of %n labels read back at %2 dpi"),             // ReadBack
    QT_TRANSLATE_N_NOOP("Status", ", %n not checked"),                                // NotChecked
    QT_TRANSLATE_N_NOOP("Status", "%n labels not checked: no reader for their kind"), // NoneChecked
    QT_TRANSLATE_NOOP("Status", "Number system should be %1"), // NumberSystemShould (the engine's words)
    QT_TRANSLATE_NOOP("Status", "Does not scan: try a larger X-dimension"), // DoesNotScanStandard
    QT_TRANSLATE_NOOP("Status", "Does not scan: Bar Width %1 draws the wide bars of %2 out of proportion; it "
                                "takes Bar Width 2"), // BarWidthExact
    QT_TRANSLATE_NOOP("Status", "Does not scan: Bar Width %1 draws the wide bars of %2 too narrow; it takes "
                                "Bar Width 2 or more"), // BarWidthLeast
    QT_TRANSLATE_NOOP("Status", "Does not scan: its narrow bars of %1 mm are finer than the printer's %2 mm "
                                "dot; raise the zoom to %3"), // SmallModule
    QT_TRANSLATE_NOOP("Status", "Does not scan: stretched to fill its cell, the label keeps no quiet zone "
                                "beside its bars; turn Stretch off"), // Stretched
    QT_TRANSLATE_NOOP("Status", "Does not scan: the bars stand %1 mm from the paper's left edge, inside the "
                                "%2 mm quiet zone they need; widen the left margin to %3 mm"), // MarginLeft
    QT_TRANSLATE_NOOP("Status", "Does not scan: the bars end %1 mm from the paper's right edge, inside the "
                                "%2 mm quiet zone they need"), // MarginRight
    QT_TRANSLATE_NOOP("Status",
                      "Does not scan: the next label stands %1 mm from the bars, inside the %2 mm quiet zone "
                      "they need; widen the column spacing to %3 mm or use fewer columns"), // Neighbour
    QT_TRANSLATE_NOOP("Status", ", or set the zoom to %1"),                                 // OrZoom
    QT_TRANSLATE_NOOP("Status", "; set the zoom to %1"),                                    // SetZoom
    QT_TRANSLATE_NOOP("Status", "; lower the zoom, or "),                                   // CutZoom
    QT_TRANSLATE_NOOP("Status", "use fewer columns or rows"),                               // CutFewer
    QT_TRANSLATE_NOOP("Status", "choose a stock of larger labels"),                         // CutStock
    QT_TRANSLATE_N_NOOP("Status",
                        "%1 takes %n digits and the check digit switch adds the check digit, so the first "
                        "digit was left out: type %n digits, or turn the switch off"), // FirstLeftOut
}};

static_assert(kPhrases.back() != nullptr, "every phrase has its row");

// Kinds a sentence is meant for; a row for Any serves the rest.
enum class TKinds : std::uint8_t { Any, Code39, Code39Extended, Code93, Code93Extended, Codabar };

struct TErrorSentence {
    TFault Fault = TFault::Other;
    TKinds Kinds = TKinds::Any;
    const char* Sentence; // translated by the "Errors" catalogue; %1 is the kind's name
};

// The engine's refusals (barcode/*.cpp) and the label's size refusals (label/compose) as sentences. The
// first row that fits wins, so the kind-specific rows come first.
constexpr std::array<TErrorSentence, 14> kErrorSentences{{
    {TFault::NotNumeric, TKinds::Any, QT_TRANSLATE_NOOP("Errors", "%1 takes digits only")},
    {TFault::BadCharacter, TKinds::Code39Extended,
     QT_TRANSLATE_NOOP(
         "Errors", "Code 39 Extended takes ASCII characters only (no accented letters or other scripts)")},
    {TFault::BadCharacter, TKinds::Code39,
     QT_TRANSLATE_NOOP(
         "Errors", "Code 39 takes capitals, digits, space and - . $ / + % only; * is its start and stop")},
    {TFault::BadCharacter, TKinds::Code93Extended,
     QT_TRANSLATE_NOOP(
         "Errors", "Code 93 Extended takes ASCII characters only (no accented letters or other scripts)")},
    {TFault::BadCharacter, TKinds::Code93,
     QT_TRANSLATE_NOOP("Errors", "Code 93 takes capitals, digits, space and - . $ / + % only")},
    {TFault::BadCharacter, TKinds::Codabar,
     QT_TRANSLATE_NOOP(
         "Errors",
         "Codabar takes digits and - $ : / . + only; its start and stop letters are added for you")},
    {TFault::BadCharacter, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors",
                       "%1 takes printable ASCII characters only (letters, digits, space and punctuation)")},
    {TFault::WrongKind, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors", "Pick a kind from the list: the kind box names none")},
    {TFault::TooWide, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors", "The barcode is too wide to draw: shorten the code or lower the zoom")},
    {TFault::Internal, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors", "The barcode could not be drawn (an internal error)")},
    {TFault::NotAnInteger, TKinds::Any, QT_TRANSLATE_NOOP("Errors", "%1 takes digits only")},
    {TFault::LabelTooLarge, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors", "The label is too large to draw: lower the zoom or the code's length")},
    {TFault::LabelEmpty, TKinds::Any, QT_TRANSLATE_NOOP("Errors", "The label is empty: type a code")},
    {TFault::OutOfMemory, TKinds::Any,
     QT_TRANSLATE_NOOP("Errors", "Not enough memory to draw the label: lower the zoom")},
}};

const QColor kGoodColor(0, 128, 0);
const QColor kNoteColor(110, 110, 110);
const QColor kWarningColor(179, 106, 0); // amber that still reads on white
const QColor kErrorColor(192, 0, 0);

// A phrase with a %n takes `count`'s plural form in the language.
QString Phrase(TPhraseId id, TLanguage language, int count = -1)
{
    return Translated("Status", kPhrases[id], language, count);
}

bool KindsFit(TKinds kinds, int kindIndex)
{
    switch (kinds) {
    case TKinds::Any: return true;
    case TKinds::Code39: return kindIndex == bcCode39;
    case TKinds::Code39Extended: return kindIndex == bcCode39Extended;
    case TKinds::Code93: return kindIndex == bcCode93;
    case TKinds::Code93Extended: return kindIndex == bcCode93Extended;
    case TKinds::Codabar: return kindIndex == bcCodeCodabar;
    }
    return false;
}

// EAN and UPC digits as they are printed under the bars.
QString Grouped(TBarcodeType kind, const std::string& digits)
{
    const QString text = QString::fromStdString(digits);
    const auto split = [&text](std::initializer_list<int> sizes) {
        QStringList parts;
        int at = 0;
        for (int size : sizes) {
            parts << text.mid(at, size);
            at += size;
        }
        return at == text.size() ? parts.join(' ') : text;
    };
    switch (kind) {
    case bcCodeEAN8: return split({4, 4});
    case bcCodeEAN13: return split({1, 6, 6});
    case bcCodeUPC_A: return split({1, 5, 5, 1});
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: return split({1, 6, 1});
    default: return text;
    }
}

// The typed digits followed by the check digit the kind gives them.
std::string WithCheckDigit(const TBarcode& barcode, const std::string& digits, const TKindText& kind)
{
    if (!kind.CheckInParities)
        return AppendModulo10(digits);
    TBarcode probe = barcode; // the engine knows the UPC-E check digit of the six digits
    probe.SetText(digits + "0");
    probe.BuildPattern();
    return digits + probe.LastEncoding()->ScanText->back();
}

// EAN and UPC: the kind takes kind.Digits data digits before its check digit, which UPC-E works out
// itself instead of drawing the typed one.
QString DigitsReason(const TBarcode& barcode, const std::string& digits, const std::string& printed,
                     const TKindText& kind, TLanguage language)
{
    const QString name = KindDisplayName(barcode.Typ());
    const int n = static_cast<int>(digits.size());
    const int d = kind.Digits;
    if (n < d)
        return Phrase(phZerosPadded, language, d).arg(name);
    if (n > d + 1)
        return Phrase(phDigitsCut, language, d).arg(name).arg(d + 1);
    if (n == d + 1) {
        // The engine drew its own check digit in place of the typed one, or the typed one is wrong.
        const std::optional<char> right =
            kind.CheckInParities ? std::optional(printed.back()) : RightCheckDigit(barcode);
        if (right && *right != digits.back())
            return Phrase(phWrongCheck, language).arg(QChar(*right));
        // With the check digit switch on, UPC-A puts the right check digit in the last one's place, and
        // EAN-8 takes the last seven digits before its check digit.
        const auto same = [&](std::size_t from) {
            return printed.compare(0, digits.size() - 1, digits, from, digits.size() - 1) == 0;
        };
        if (!kind.CheckInParities && printed.size() == digits.size() && same(0))
            return Phrase(phWrongCheck, language).arg(QChar(printed.back()));
        if (!kind.CheckInParities && printed.size() == digits.size() && same(1))
            return Phrase(phFirstLeftOut, language, d).arg(name);
        return kind.CheckInParities ? Phrase(phChanged, language).arg(name, FromUtf8(digits))
                                    : Phrase(phBlanksLeftOut, language);
    }
    const QString check = QChar(printed.back());
    const QString reason =
        Phrase(kind.CheckInParities ? phPaddedReplaced : phPaddedTaken, language, d).arg(name, check);
    return reason + Phrase(phWithCheck, language)
                        .arg(QString::fromStdString(digits),
                             QString::fromStdString(WithCheckDigit(barcode, digits, kind)));
}

QString CheckDigitText(char digit, TLanguage language)
{
    return MessageText({TMessageCode::CheckDigitShould, {std::string(1, digit)}}, language);
}

// Why the printed text differs from the typed one.
QString DifferenceReason(const TBarcode& barcode, std::string_view typed, const std::string& printed,
                         TLanguage language)
{
    const TBarcodeType kind = barcode.Typ();
    const std::string digits(TrimBlanksAndControls(typed));
    const TKindTraits& traits = KindTraits(kind);
    const TKindText& text = traits.Text;
    if (traits.Layout.Family == TKindFamily::Retail && !digits.empty())
        return DigitsReason(barcode, digits, printed, text, language);
    if (text.PairsPadded && digits.size() % 2 == 1)
        return Phrase(phPairsPadded, language).arg(KindDisplayName(kind));
    if (traits.Layout.Family == TKindFamily::AddOn)
        return Phrase(static_cast<int>(digits.size()) < text.Digits ? phAddonPadded : phAddonCut, language,
                      text.Digits)
            .arg(KindDisplayName(kind));
    if (text.NumericOnly && digits != typed)
        return Phrase(phBlanksLeftOut, language);
    return Phrase(phChanged, language)
        .arg(KindDisplayName(kind), QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size())));
}

} // namespace

QColor StatusColor(TStatusLevel level)
{
    switch (level) {
    case TStatusLevel::Good: return kGoodColor;
    case TStatusLevel::Note: return kNoteColor;
    case TStatusLevel::Warning: return kWarningColor;
    case TStatusLevel::Error: return kErrorColor;
    }
    return kNoteColor;
}

QString KindDisplayName(int kindIndex)
{
    if (const std::optional<TSymbolKind> symbol = SymbolKindOf(kindIndex))
        return FromUtf8(KindInfo(*symbol).Title);
    if (kindIndex < 0 || kindIndex >= kBarcodeTypeCount)
        return QStringLiteral("?");
    return FromUtf8(KindTraits(kindIndex).DisplayName);
}

QString PlainError(TFault fault, std::string_view detail, std::string_view message, int kindIndex,
                   TLanguage language)
{
    // A full UPC-E's digit that should stand: "Check digit should be 5".
    if (fault == TFault::CheckDigit)
        return MessageText({TMessageCode::CheckDigitShould, {std::string(detail)}}, language);
    if (fault == TFault::NumberSystem)
        return Phrase(phNumberSystemShould, language).arg(FromUtf8(detail));
    for (const TErrorSentence& row : kErrorSentences) {
        if (row.Fault == fault && KindsFit(row.Kinds, kindIndex)) {
            QString sentence = Translated("Errors", row.Sentence, language);
            return sentence.contains(QStringLiteral("%1")) ? sentence.arg(KindDisplayName(kindIndex))
                                                           : sentence;
        }
    }
    return FromUtf8(message);
}

TLabelStatus LabelStatusOf(std::string_view typed, const TBarcode& barcode, const TScanResult& scan,
                           TLanguage language, const TScanAdvice& advice)
{
    const std::optional<TEncoding>& encoding = barcode.LastEncoding();
    const std::string printed =
        encoding ? encoding->ScanText.value_or(encoding->DrawnText) : std::string(typed);
    const bool scans = scan.Outcome == TScanOutcome::Matches;
    const bool checked = scan.Outcome != TScanOutcome::NoReader;
    const bool changed = encoding && TypedChange(typed, barcode).has_value();
    // The check digit switch adds what the kind computes: the code as typed, and its check digit.
    if (!changed && barcode.Checksum() && scans && printed.size() > typed.size() &&
        printed.starts_with(typed))
        return {.Text = Phrase(phScansWithCheck, language)
                            .arg(QString::fromStdString(scan.Decoded),
                                 QString::fromStdString(printed.substr(typed.size()))),
                .Level = TStatusLevel::Good};
    if (changed) {
        const QString reason = DifferenceReason(barcode, typed, printed, language);
        const QString shown = Grouped(barcode.Typ(), printed);
        return {.Text =
                    Phrase(checked && !scans ? phPrintsAsNoScan : phPrintsAs, language).arg(shown, reason),
                .Level = TStatusLevel::Warning};
    }
    const QString decoded = QString::fromStdString(scan.Decoded);
    switch (scan.Outcome) {
    case TScanOutcome::Matches:
        return {.Text = Phrase(phScansAs, language).arg(decoded), .Level = TStatusLevel::Good};
    case TScanOutcome::ReadsOther:
        return {.Text = Phrase(phScansOther, language).arg(decoded), .Level = TStatusLevel::Error};
    case TScanOutcome::DoesNotScan:
        return {.Text = ScanAdviceText(advice, barcode.Typ(), language), .Level = TStatusLevel::Error};
    case TScanOutcome::NoReader: break;
    }
    return {.Text = Phrase(phNoScanCheck, language).arg(KindDisplayName(barcode.Typ())),
            .Level = TStatusLevel::Note};
}

std::optional<char> RightCheckDigitOf(const TBarcode& barcode, const TScanResult& scan)
{
    if (scan.RightCheckDigit)
        return scan.RightCheckDigit;
    // Only EAN and UPC draw a typed check digit; UPC-E works its own out.
    const TKindTraits& kind = KindTraits(barcode.Typ());
    if (kind.Layout.Family != TKindFamily::Retail || kind.Text.CheckInParities)
        return std::nullopt;
    if (const std::optional<char> right = RightCheckDigit(barcode))
        return right;
    // With the check digit switch on, a code typed with its check digit is drawn as typed (EAN-13, EAN-8
    // at full length): its last digit is the check digit all the same.
    const std::optional<TEncoding>& drawn = barcode.LastEncoding();
    const std::string& text = barcode.Text();
    if (!barcode.Checksum() || !drawn || drawn->ScanText != text || text.size() < 2)
        return std::nullopt;
    const char right = AppendModulo10(std::string_view(text).substr(0, text.size() - 1)).back();
    return right == text.back() ? std::nullopt : std::optional(right);
}

QString ScanAdviceText(const TScanAdvice& advice, int kindIndex, TLanguage language)
{
    const auto mm = [](double value) { return QString::number(value, 'f', 1); };
    const QString orZoom = advice.Zoom > 0 ? Phrase(phOrZoom, language).arg(advice.Zoom) : QString();
    switch (advice.Cause) {
    case TScanCause::CheckDigit: return CheckDigitText(advice.Digit, language);
    case TScanCause::BarWidth:
        return Phrase(advice.ExactWidth ? phBarWidthExact : phBarWidthLeast, language)
            .arg(QString::number(advice.BarWidth), KindDisplayName(kindIndex));
    case TScanCause::SmallModule:
        return Phrase(phSmallModule, language)
            .arg(QString::number(advice.ModuleMm, 'f', 2), QString::number(advice.DotMm, 'f', 2))
            .arg(advice.ZoomForDot);
    case TScanCause::Stretched: return Phrase(phStretched, language);
    case TScanCause::Margin:
        if (advice.Side == TSide::Right)
            return Phrase(phMarginRight, language).arg(mm(advice.HaveMm), mm(advice.NeedMm)) +
                   (advice.Zoom > 0 ? Phrase(phSetZoom, language).arg(advice.Zoom) : QString());
        return Phrase(phMarginLeft, language)
                   .arg(mm(advice.HaveMm), mm(advice.NeedMm))
                   .arg(advice.WidenToMm) +
               orZoom;
    case TScanCause::Neighbour:
        return Phrase(phNeighbour, language).arg(mm(advice.HaveMm), mm(advice.NeedMm)).arg(advice.WidenToMm) +
               orZoom;
    case TScanCause::Unknown: break;
    }
    return Phrase(advice.Layout == TLabelLayout::Standard ? phDoesNotScanStandard : phDoesNotScan, language);
}

QString CutRemedyText(TLabelLayout layout, bool onStock, TLanguage language)
{
    const QString room = Phrase(onStock ? phCutStock : phCutFewer, language);
    return layout == TLabelLayout::Classic ? Phrase(phCutZoom, language) + room : "; " + room;
}

QString MessageText(const TLabelMessage& message, TLanguage language)
{
    const auto wordingIn = [](std::string_view english, const void* in) {
        return Translated(kMessageContext, english, *static_cast<const TLanguage*>(in)).toStdString();
    };
    return FromUtf8(Worded(message, wordingIn, &language));
}

std::pair<QString, bool> VerificationText(const TSheetVerification& verification, TLanguage language)
{
    const int notChecked = verification.Labels - verification.Checked;
    if (verification.Checked == 0)
        return {Phrase(phNoneChecked, language, notChecked), true};
    QString text =
        Phrase(phReadBack, language, verification.Checked).arg(verification.ReadBack).arg(verification.Dpi);
    if (notChecked > 0)
        text += Phrase(phNotChecked, language, notChecked);
    return {text, verification.AllReadBack()};
}

QString PreviewScaleText(int percent, TLanguage language)
{
    return Phrase(phPreviewAt, language).arg(percent);
}

} // namespace quillon
