// The symbol kinds' module range and their status sentences in both languages.
#include "app/SymbolDeck.h"

#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>

#include "label/compose/SymbolLabel.h"

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

// In TGs1Fault order: each GS1 fault in Arabic. %1 is the AI in brackets, %2 the text at fault, %3 the
// rule's argument (in English, as the code lists and dates name it), %4 a length.
constexpr std::array<std::string_view, 28> kGs1FaultsArabic{{
    "معرّف التطبيق بين القوسين من 2 إلى 4 أرقام، مثل (01)، وليس %2", // Syntax
    "%1 ليس معرّف تطبيق في GS1",                                     // UnknownAi
    "%1: لا بيانات بعد المعرّف",                                     // Empty
    "%1: الطول %4، لا %2",                                          // Length
    "%1: قصير جدًا، %4 على الأقل",                                   // TooShort
    "%1: طويل جدًا، %4 على الأكثر",                                  // TooLong
    "%1: أرقام فقط، لا %2",                                         // NotDigits
    "%1: %2 ليس من %3",                                             // Character
    "%1: رقم التحقق يجب أن يكون %3",                                // CheckDigit
    "%1: %2 ليس تاريخًا: %3",                                        // Date
    "%1: مكرر بقيمتين مختلفتين",                                    // Repeated
    "%1: %2 ليس وقتًا: %3",                                          // Time
    "%1: محرفا التحقق يجب أن يكونا %3",                             // CheckCharacters
    "%1: %2 لا يحمل بادئة شركة GS1",                                // CompanyPrefix
    "%1: %2 ليس رمز بلد في ISO 3166",                               // Country
    "%1: %2 ليس رمز عملة في ISO 4217",                              // Currency
    "%1: %2 ليس رقم IBAN: %3",                                      // Iban
    "%1: في %2 علامة % لا يتبعها رقمان ست عشريان",                  // PercentEncoding
    "%1: %2 خارج مدى الإحداثي: %3",                                 // Coordinate
    "%1: %2 ليس من القيم المسموح بها: %3",                          // CodeList
    "%1: %2 ليس موضعًا صحيحًا: %3",                                   // Sequence
    "%1: القيمة %2 مرفوضة: %3",                                     // Zero
    "%1: %2 يجب ألا يبدأ بصفر",                                     // ZeroPrefix
    "%1: %2 يجب أن يحوي محرفًا غير الأرقام",                         // NoNonDigit
    "%1: %2 ليس رمز قسيمة: %3",                                     // Coupon
    "%1 يحتاج إلى %3",                                              // Requires
    "%1 و%2 لا يجتمعان",                                            // Excludes
    // GtinOnly
    "لا يحمل هذا الرمز إلا GTIN: (01) و14 رقمًا، أو 8 أو 12 أو 13 أو 14 رقمًا برقم التحقق",
}};
static_assert(static_cast<std::size_t>(TGs1Fault::GtinOnly) == 27,
              "one Arabic sentence per TGs1Fault, in order");

// "(01)" for "01", "(31nn)" for a pattern, kept left to right inside the Arabic line.
QString AiInBrackets(std::string_view ai)
{
    return QChar(0x202A) + QStringLiteral("(") + FromUtf8(ai) + QStringLiteral(")") + QChar(0x202C);
}

// The AIs a requisite asks for: "(01) مع (21)", or "واحد من: (01)، (02)".
QString RequisiteArabic(std::string_view requisite)
{
    QStringList alternatives;
    for (const QString& alternative : FromUtf8(requisite).split(QLatin1Char(','))) {
        QStringList together;
        for (const QString& ai : alternative.split(QLatin1Char('+')))
            together << AiInBrackets(ai.toStdString());
        alternatives << together.join(QStringLiteral(" مع "));
    }
    return alternatives.size() == 1 ? alternatives.front()
                                    : QStringLiteral("واحد من: ") + alternatives.join(QStringLiteral("، "));
}

QString Gs1FaultArabic(const TGs1Error& fault)
{
    const auto row = static_cast<std::size_t>(fault.Fault);
    if (fault.Fault == TGs1Fault::Syntax && fault.Text.empty())
        return QStringLiteral("تبدأ بيانات GS1 بمعرّف تطبيق بين قوسين، مثل (01)");
    const bool needs = fault.Fault == TGs1Fault::Requires;
    const QString other =
        fault.Fault == TGs1Fault::Excludes ? AiInBrackets(fault.Text) : LeftToRight(FromUtf8(fault.Text));
    QString sentence = FromUtf8(row < kGs1FaultsArabic.size() ? kGs1FaultsArabic[row] : "%1");
    if (fault.Component > 0)
        sentence.replace(QStringLiteral("%1"),
                         QStringLiteral("%1، الجزء ") + QString::number(fault.Component));
    return sentence.replace(QStringLiteral("%1"), AiInBrackets(fault.Ai))
        .replace(QStringLiteral("%2"), other)
        .replace(QStringLiteral("%3"),
                 needs ? RequisiteArabic(fault.Detail) : LeftToRight(FromUtf8(fault.Detail)))
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
    if (language != TLanguage::Arabic)
        return FromUtf8(message);
    if (gs1Fault != nullptr)
        return Gs1FaultArabic(*gs1Fault);
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
