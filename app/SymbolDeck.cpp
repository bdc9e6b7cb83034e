// The symbol kinds' module range, their status sentences and their refusals in the user's language.
#include "app/SymbolDeck.h"

#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>

#include "app/Catalogues.h"
#include "label/compose/SymbolLabel.h"

namespace quillon {
namespace {

// A matrix module larger than this makes even the smallest QR Code (21 modules and 8 of quiet zone)
// wider than any label stock's cell; the deck offers no more.
constexpr double kMostMatrixModuleMm = 2.0;

struct TRefusal {
    TSymbolError Error = TSymbolError::Other;
    const char* Sentence;    // translated by the "Symbols" catalogue; %1 is the kind's name
    bool WithDetail = false; // the encoder's English sentence follows, for what it names
};

// In TSymbolError order; each sentence says in general what the encoder's English ones say, for the
// languages other than English (which shows the encoder's own).
constexpr std::array<TRefusal, 6> kRefusals{{
    {TSymbolError::Empty, QT_TRANSLATE_NOOP("Symbols", "Nothing to encode: type the data"), false},
    {TSymbolError::TooLong, QT_TRANSLATE_NOOP("Symbols", "The data is longer than the largest %1 holds"),
     true},
    {TSymbolError::BadCharacter, QT_TRANSLATE_NOOP("Symbols", "The data holds a character %1 cannot carry"),
     true},
    {TSymbolError::BadGs1Data, QT_TRANSLATE_NOOP("Symbols", "The GS1 data breaks GS1's rules"), true},
    {TSymbolError::BadOption, QT_TRANSLATE_NOOP("Symbols", "An option of %1 is out of its range"), false},
    {TSymbolError::Other, QT_TRANSLATE_NOOP("Symbols", "The %1 symbol could not be made"), true},
}};
constexpr bool InErrorOrder()
{
    for (std::size_t row = 0; row < kRefusals.size(); ++row)
        if (static_cast<std::size_t>(kRefusals[row].Error) != row)
            return false;
    return true;
}
static_assert(InErrorOrder(), "one row per TSymbolError, in order");

enum TSymbolPhrase : std::uint8_t {
    spScansAs,
    spScansOther,
    spNotAsGs1,
    spDoesNotScan,
    spNoScanCheck,
    kCount
};

struct TSymbolPhraseRow {
    const char* Context;
    const char* Source;
};

// The symbol kinds' status sentences; %1, %2 are filled in order. Those the linear kinds' status line
// says too are the "Status" catalogue's, translated once.
constexpr std::array<TSymbolPhraseRow, kCount> kPhrases{{
    {"Status", QT_TRANSLATE_NOOP("Status", "Scans as %1")},
    {"Status", QT_TRANSLATE_NOOP("Status", "Scans as %1, not as typed")},
    {"Symbols", QT_TRANSLATE_NOOP("Symbols", "Scans as %1, but not as GS1 data (%2)")},
    {"Symbols", QT_TRANSLATE_NOOP("Symbols", "Does not scan: try a larger zoom or module")},
    {"Status", QT_TRANSLATE_NOOP("Status", "No scan check for %1")},
}};

QString Phrase(TSymbolPhrase id, TLanguage language)
{
    return Translated(kPhrases[id].Context, kPhrases[id].Source, language);
}

QString TitleOf(TSymbolKind kind)
{
    return FromUtf8(KindInfo(kind).Title);
}

// English inside an Arabic line, embedded left to right so that its brackets and colons stay in place.
QString LeftToRight(const QString& text)
{
    return QChar(0x202A) + text + QChar(0x202C);
}

// In TGs1Fault order: each GS1 fault for the languages other than English (which shows the GS1 check's
// own). %1 is the AI in brackets, %2 the text at fault, %3 the rule's argument (in English, as the code
// lists and dates name it), %4 a length.
constexpr std::array<const char*, 28> kGs1Faults{{
    QT_TRANSLATE_NOOP("Gs1", "An AI in brackets is 2 to 4 digits, such as (01), not %2"), // Syntax
    QT_TRANSLATE_NOOP("Gs1", "%1 is not a GS1 Application Identifier"),                   // UnknownAi
    QT_TRANSLATE_NOOP("Gs1", "%1: no data after the AI"),                                 // Empty
    QT_TRANSLATE_NOOP("Gs1", "%1: the length is %4, not %2"),                             // Length
    QT_TRANSLATE_NOOP("Gs1", "%1: too short, at least %4"),                               // TooShort
    QT_TRANSLATE_NOOP("Gs1", "%1: too long, at most %4"),                                 // TooLong
    QT_TRANSLATE_NOOP("Gs1", "%1: digits only, not %2"),                                  // NotDigits
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not in %3"),                                      // Character
    QT_TRANSLATE_NOOP("Gs1", "%1: the check digit should be %3"),                         // CheckDigit
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not a date: %3"),                                 // Date
    QT_TRANSLATE_NOOP("Gs1", "%1: given twice with different values"),                    // Repeated
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not a time: %3"),                                 // Time
    QT_TRANSLATE_NOOP("Gs1", "%1: the check characters should be %3"),                    // CheckCharacters
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 does not hold a GS1 Company Prefix"),                // CompanyPrefix
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not an ISO 3166 country code"),                   // Country
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not an ISO 4217 currency code"),                  // Currency
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not an IBAN: %3"),                                // Iban
    QT_TRANSLATE_NOOP("Gs1", "%1: in %2 a % is not followed by two hexadecimal digits"),  // PercentEncoding
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is out of the coordinate's range: %3"),              // Coordinate
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not one of the values allowed: %3"),              // CodeList
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not a valid position: %3"),                       // Sequence
    QT_TRANSLATE_NOOP("Gs1", "%1: the value %2 is refused: %3"),                          // Zero
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 must not start with 0"),                             // ZeroPrefix
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 must hold a character other than a digit"),          // NoNonDigit
    QT_TRANSLATE_NOOP("Gs1", "%1: %2 is not a coupon code: %3"),                          // Coupon
    QT_TRANSLATE_NOOP("Gs1", "%1 needs %3"),                                              // Requires
    QT_TRANSLATE_NOOP("Gs1", "%1 and %2 cannot stand together"),                          // Excludes
    QT_TRANSLATE_NOOP("Gs1", "Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of a "
                             "GTIN with its check digit"), // GtinOnly
}};
static_assert(static_cast<std::size_t>(TGs1Fault::GtinOnly) == 27, "one sentence per TGs1Fault, in order");

// "(01)" for "01", "(31nn)" for a pattern, kept left to right inside the Arabic line.
QString AiInBrackets(std::string_view ai)
{
    return QChar(0x202A) + QStringLiteral("(") + FromUtf8(ai) + QStringLiteral(")") + QChar(0x202C);
}

// The AIs a requisite asks for: "(01) with (21)", or "one of: (01), (02)".
QString RequisiteText(std::string_view requisite, TLanguage language)
{
    QStringList alternatives;
    for (const QString& alternative : FromUtf8(requisite).split(QLatin1Char(','))) {
        QString together;
        for (const QString& ai : alternative.split(QLatin1Char('+')))
            together = together.isEmpty()
                           ? AiInBrackets(ai.toStdString())
                           : Translated("Gs1", QT_TRANSLATE_NOOP("Gs1", "%1 with %2"), language)
                                 .arg(together, AiInBrackets(ai.toStdString()));
        alternatives << together;
    }
    if (alternatives.size() == 1)
        return alternatives.front();
    return Translated("Gs1", QT_TRANSLATE_NOOP("Gs1", "one of: %1"), language)
        .arg(alternatives.join(Translated("Gs1", QT_TRANSLATE_NOOP("Gs1", ", "), language)));
}

QString Gs1FaultText(const TGs1Error& fault, TLanguage language)
{
    const auto row = static_cast<std::size_t>(fault.Fault);
    if (fault.Fault == TGs1Fault::Syntax && fault.Text.empty())
        return Translated(
            "Gs1", QT_TRANSLATE_NOOP("Gs1", "GS1 data must start with an AI in brackets, such as (01)"),
            language);
    const bool needs = fault.Fault == TGs1Fault::Requires;
    const QString other =
        fault.Fault == TGs1Fault::Excludes ? AiInBrackets(fault.Text) : LeftToRight(FromUtf8(fault.Text));
    QString sentence =
        row < kGs1Faults.size() ? Translated("Gs1", kGs1Faults[row], language) : QStringLiteral("%1");
    if (fault.Component > 0)
        sentence.replace(QStringLiteral("%1"),
                         Translated("Gs1", QT_TRANSLATE_NOOP("Gs1", "%1, part %2"), language)
                             .replace(QStringLiteral("%2"), QString::number(fault.Component)));
    return sentence.replace(QStringLiteral("%1"), AiInBrackets(fault.Ai))
        .replace(QStringLiteral("%2"), other)
        .replace(QStringLiteral("%3"),
                 needs ? RequisiteText(fault.Detail, language) : LeftToRight(FromUtf8(fault.Detail)))
        .replace(QStringLiteral("%4"), QString::number(fault.Length));
}

} // namespace

TMmRange SymbolModuleRange(TSymbolKind kind)
{
    const double most = IsTwoDimensional(kind) ? kMostMatrixModuleMm : XDimensionRange(bcCodeEAN128A).High;
    return {.Low = KindInfo(kind).LeastModuleMm, .High = most};
}

QString SymbolErrorText(TSymbolError error, std::string_view message, TSymbolKind kind, TLanguage language,
                        const TGs1Error* gs1Fault)
{
    if (language == TLanguage::English)
        return FromUtf8(message);
    if (gs1Fault != nullptr)
        return Gs1FaultText(*gs1Fault, language);
    const auto row = static_cast<std::size_t>(error);
    const TRefusal& refusal = row < kRefusals.size() ? kRefusals[row] : kRefusals.back();
    QString sentence = Translated("Symbols", refusal.Sentence, language);
    if (sentence.contains(QStringLiteral("%1")))
        sentence = sentence.arg(TitleOf(kind));
    return refusal.WithDetail ? sentence + QStringLiteral(": ") + LeftToRight(FromUtf8(message)) : sentence;
}

TLabelStatus SymbolScanStatus(const TScanResult& scan, TSymbolKind kind, TLanguage language)
{
    const QString decoded = QString::fromStdString(scan.Decoded);
    switch (scan.Outcome) {
    case TScanOutcome::Matches:
        return {.Text = Phrase(spScansAs, language).arg(decoded), .Level = TStatusLevel::Good};
    case TScanOutcome::ReadsOther:
        // GS1 data read as plain text is the same text under another symbology identifier.
        if (scan.Decoded == scan.Expected)
            return {.Text = Phrase(spNotAsGs1, language).arg(decoded, QString::fromStdString(scan.Format)),
                    .Level = TStatusLevel::Error};
        return {.Text = Phrase(spScansOther, language).arg(decoded), .Level = TStatusLevel::Error};
    case TScanOutcome::DoesNotScan:
        return {.Text = Phrase(spDoesNotScan, language), .Level = TStatusLevel::Error};
    case TScanOutcome::NoReader: break;
    }
    return {.Text = Phrase(spNoScanCheck, language).arg(TitleOf(kind)), .Level = TStatusLevel::Note};
}

} // namespace quillon
