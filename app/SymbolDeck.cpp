// The symbol kinds' module range and their status sentences in both languages.
#include "app/SymbolDeck.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "label/SymbolLabel.h"

namespace quillon {
namespace {

// A matrix module larger than this makes even the smallest QR Code (21 modules and 8 of quiet zone)
// wider than any label stock's cell; the deck offers no more.
constexpr double kMostMatrixModuleMm = 2.0;

struct TRefusal {
    TSymbolError Error = TSymbolError::Other;
    std::string_view Arabic; // %1 is the kind's name
    bool WithDetail = false; // the encoder's English sentence follows, for what it names
};

// In TSymbolError order; each Arabic sentence says what the encoder's English ones say in general.
constexpr std::array<TRefusal, 6> kRefusals{{
    {TSymbolError::Empty, "لا شيء لترميزه: اكتب البيانات", false},
    {TSymbolError::TooLong, "البيانات أطول مما يتسع له أكبر رمز %1", true},
    {TSymbolError::BadCharacter, "في البيانات محرف لا يحمله %1", true},
    {TSymbolError::BadGs1Data, "بيانات GS1 لا توافق قواعد GS1", true},
    {TSymbolError::BadOption, "أحد خيارات %1 خارج مداه", false},
    {TSymbolError::Other, "تعذّر إنشاء رمز %1", true},
}};
constexpr bool InErrorOrder()
{
    for (std::size_t row = 0; row < kRefusals.size(); ++row)
        if (static_cast<std::size_t>(kRefusals[row].Error) != row)
            return false;
    return true;
}
static_assert(InErrorOrder(), "one row per TSymbolError, in order");

struct TPhrase {
    std::string_view English;
    std::string_view Arabic;
};

enum TSymbolPhrase : std::uint8_t {
    spScansAs,
    spScansOther,
    spNotAsGs1,
    spDoesNotScan,
    spNoScanCheck,
    kCount
};

// %1, %2 are filled in order. Each row's Arabic says what its English says.
constexpr std::array<TPhrase, kCount> kPhrases{{
    {"Scans as %1", "يُقرأ بالماسح: %1"},                                                        // ScansAs
    {"Scans as %1, not as typed", "يُقرأ بالماسح %1 وليس كما كُتب"},                              // ScansOther
    {"Scans as %1, but not as GS1 data (%2)", "يُقرأ بالماسح %1 لكن ليس بيانات GS1 (%2)"},       // NotAsGs1
    {"Does not scan: try a larger zoom or module", "لا يُقرأ بالماسح: جرّب تكبيرًا أو وحدة أكبر"}, // DoesNotScan
    {"No scan check for %1", "لا فحص بالماسح لـ %1"},                                           // NoScanCheck
}};

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Phrase(TSymbolPhrase id, TLanguage language)
{
    return FromUtf8(language == TLanguage::Arabic ? kPhrases[id].Arabic : kPhrases[id].English);
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

} // namespace

TMmRange SymbolModuleRange(TSymbolKind kind)
{
    const double most = IsTwoDimensional(kind) ? kMostMatrixModuleMm : XDimensionRange(bcCodeEAN128A).High;
    return {.Low = LeastModuleMm(kind), .High = most};
}

QString SymbolErrorText(TSymbolError error, std::string_view message, TSymbolKind kind, TLanguage language)
{
    if (language != TLanguage::Arabic)
        return FromUtf8(message);
    const auto row = static_cast<std::size_t>(error);
    const TRefusal& refusal = row < kRefusals.size() ? kRefusals[row] : kRefusals.back();
    QString sentence = FromUtf8(refusal.Arabic);
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
