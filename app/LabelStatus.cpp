// The status line: phrases in both languages, the engine's messages mapped to sentences, and what a
// difference between the typed code and the printed one is put down to.
#include "app/LabelStatus.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <optional>

#include "barcode/CheckDigits.h"
#include "label/compose/SymbolKinds.h"
#include "label/input/TypedChange.h"

namespace quillon {
namespace {

struct TPhrase {
    std::string_view English;
    std::string_view Arabic;
};

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
    phCutWide,
    phCutHigh,
    phBarsTooShort,
    phReadBack,
    phNotChecked,
    phNoneChecked,
    phCheckDigitShould,
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

// %1, %2, ... are filled in order. Each row's Arabic says what its English says.
constexpr std::array<TPhrase, kPhraseCount> kPhrases{{
    {"Scans as %1", "يُقرأ بالماسح: %1"},                           // ScansAs
    {"Scans as %1, not as typed", "يُقرأ بالماسح %1 وليس كما كُتب"}, // ScansOther
    {"Does not scan: try a larger zoom or bar width",
     "لا يُقرأ بالماسح: جرّب تكبيرًا أو عرض عمود أكبر"},                          // DoesNotScan
    {"No scan check for %1", "لا فحص بالماسح لـ %1"},                          // NoScanCheck
    {"Prints as %1: %2", "يُطبع %1: %2"},                                       // PrintsAs
    {"Prints as %1, which does not scan: %2", "يُطبع %1 ولا يُقرأ بالماسح: %2"}, // PrintsAsNoScan
    {"%1 takes %2 digits and a check digit, so a 0 was put in front and %3 became the check digit",
     "يأخذ %1 %2 رقمًا ورقم تحقق، فأُضيف 0 في البداية وصار %3 رقم التحقق"}, // PaddedTaken
    {"%1 takes %2 digits and a check digit, so a 0 was put in front and the check digit %3 replaced the last "
     "digit",
     "يأخذ %1 %2 أرقام ورقم تحقق، فأُضيف 0 في البداية وحلّ رقم التحقق %3 محل الرقم الأخير"}, // PaddedReplaced
    {"%1 takes %2 digits and a check digit, so zeros were put in front",
     "يأخذ %1 %2 رقمًا ورقم تحقق، فأُضيفت أصفار في البداية"}, // ZerosPadded
    {"%1 takes %2 digits and a check digit; the digits after the first %3 were left out",
     "يأخذ %1 %2 رقمًا ورقم تحقق؛ وحُذفت الأرقام بعد أول %3"}, // DigitsCut
    {"the last digit is the check digit and should be %1",
     "الرقم الأخير هو رقم التحقق ويجب أن يكون %1"},                      // WrongCheck
    {"; with its check digit %1 is %2", "؛ ومع رقم التحقق يصبح %1: %2"}, // WithCheck
    {"%1 takes pairs of digits, so a 0 was put in front",
     "يأخذ %1 أزواجًا من الأرقام، فأُضيف 0 في البداية"}, // PairsPadded
    {"the %1 takes %2 digits, so zeros were put in front",
     "يأخذ %1 %2 أرقام، فأُضيفت أصفار في البداية"},                                       // AddonPadded
    {"the %1 takes %2 digits; the rest were left out", "يأخذ %1 %2 أرقام؛ وحُذف الباقي"}, // AddonCut
    {"blanks and control characters were left out", "حُذفت المسافات ومحارف التحكم"},      // BlanksLeftOut
    {"%1 changed what was typed (%2)", "غيّر %1 ما كُتب (%2)"},                            // Changed
    {"Preview at %1%", "معاينة بنسبة %1%"},                                              // PreviewAt
    {"Scans as %1, with the check digit %2 added",
     "يُقرأ بالماسح: %1، مع إضافة رقم التحقق %2"},                                          // ScansWithCheck
    {"Label %1 wide, cell %2: it would be cut off", "الملصق بعرض %1 والخانة %2: سيُقص"},    // CutWide
    {"Label %1 high, cell %2: it would be cut off", "الملصق بارتفاع %1 والخانة %2: سيُقص"}, // CutHigh
    {"Label %1 high, cell %2: its bars cannot reach their minimum height of %3",
     "الملصق بارتفاع %1 والخانة %2: لا تبلغ الأعمدة أدنى ارتفاع لها وهو %3"}, // BarsTooShort
    {"%1 of %2 labels read back at %3 dpi", "قُرئ %1 من %2 ملصقًا بالماسح عند %3 نقطة في البوصة"}, // ReadBack
    {", %1 not checked", "، و%1 بلا فحص"},                                                       // NotChecked
    {"%1 labels not checked: no reader for their kind", "%1 ملصقًا بلا فحص: لا قارئ لنوعها"}, // NoneChecked
    {"Check digit should be %1", "يجب أن يكون رقم التحقق %1"}, // CheckDigitShould (the scan check's words)
    {"Number system should be %1",
     "يجب أن يكون رقم نظام الترقيم %1"}, // NumberSystemShould (the engine's words)
    {"Does not scan: try a larger X-dimension", "لا يُقرأ بالماسح: جرّب بعدًا X أكبر"}, // DoesNotScanStandard
    {"Does not scan: Bar Width %1 draws the wide bars of %2 out of proportion; it takes Bar Width 2",
     "لا يُقرأ بالماسح: عرض العمود %1 يرسم أعمدة %2 العريضة بغير نسبتها؛ ويأخذ عرض العمود 2"}, // BarWidthExact
    {"Does not scan: Bar Width %1 draws the wide bars of %2 too narrow; it takes Bar Width 2 or more",
     "لا يُقرأ بالماسح: عرض العمود %1 يرسم أعمدة %2 العريضة أضيق مما يجب؛ ويأخذ عرض العمود 2 أو أكثر"}, // BarWidthLeast
    {"Does not scan: its narrow bars of %1 mm are finer than the printer's %2 mm dot; raise the zoom to %3",
     "لا يُقرأ بالماسح: أعمدته الرفيعة بعرض %1 مم أدق من نقطة الطابعة البالغة %2 مم؛ ارفع التكبير إلى %3"}, // SmallModule
    {"Does not scan: stretched to fill its cell, the label keeps no quiet zone beside its bars; turn Stretch "
     "off",
     "لا يُقرأ بالماسح: الملصق المشدود ليملأ خانته لا يُبقي منطقة هادئة بجانب أعمدته؛ ألغِ الشد"}, // Stretched
    {"Does not scan: the bars stand %1 mm from the paper's left edge, inside the %2 mm quiet zone they need; "
     "widen the left margin to %3 mm",
     "لا يُقرأ بالماسح: تبعد الأعمدة %1 مم عن حافة الورقة اليسرى، داخل المنطقة الهادئة البالغة %2 مم التي "
     "تحتاجها؛ وسّع الهامش الأيسر إلى %3 مم"}, // MarginLeft
    {"Does not scan: the bars end %1 mm from the paper's right edge, inside the %2 mm quiet zone they need",
     "لا يُقرأ بالماسح: تنتهي الأعمدة على بعد %1 مم من حافة الورقة اليمنى، داخل المنطقة الهادئة البالغة %2 "
     "مم التي تحتاجها"}, // MarginRight
    {"Does not scan: the next label stands %1 mm from the bars, inside the %2 mm quiet zone they need; widen "
     "the column spacing to %3 mm or use fewer columns",
     "لا يُقرأ بالماسح: يقف الملصق المجاور على بعد %1 مم من الأعمدة، داخل المنطقة الهادئة البالغة %2 مم التي "
     "تحتاجها؛ وسّع المسافة بين أعمدة الورقة إلى %3 مم أو قلّل عددها"}, // Neighbour
    {", or set the zoom to %1", "، أو اجعل التكبير %1"},              // OrZoom
    {"; set the zoom to %1", "؛ اجعل التكبير %1"},                    // SetZoom
    {"; lower the zoom, or ", "؛ قلّل التكبير، أو "},                  // CutZoom
    {"use fewer columns or rows", "قلّل أعمدة الورقة أو صفوفها"},      // CutFewer
    {"choose a stock of larger labels", "اختر ورق ملصقات أكبر"},      // CutStock
    {"%1 takes %2 digits and the check digit switch adds the check digit, so the first digit was left "
     "out: "
     "type %2 digits, or turn the switch off",
     "يأخذ %1 %2 أرقام ويضيف مفتاح رقم التحقق رقمَ التحقق، فحُذف الرقم الأول: اكتب %2 أرقام أو أطفئ "
     "المفتاح"}, // FirstLeftOut
}};

static_assert(!kPhrases.back().English.empty(), "every phrase has its row");

// How an engine or label message is recognised.
enum class TMatch : std::uint8_t { Exact, Contains };

// Kinds a sentence is meant for; a row for Any serves the rest.
enum class TKinds : std::uint8_t { Any, Code39, Code39Extended, Code93, Code93Extended };

struct TErrorSentence {
    std::string_view Message; // the engine's text, without the class name and the data
    TMatch Match = TMatch::Contains;
    TKinds Kinds = TKinds::Any;
    std::string_view English;
    std::string_view Arabic;
};

// The engine's messages (barcode/*.cpp) and the label's size messages (label/compose/LabelComposer.cpp) as
// sentences. The first row that matches wins, so the kind-specific rows come first.
constexpr std::array<TErrorSentence, 14> kErrorSentences{{
    {"Barcode must be numeric", TMatch::Exact, TKinds::Any, "%1 takes digits only", "يقبل %1 الأرقام فقط"},
    {":Code39 bad Data <", TMatch::Contains, TKinds::Code39Extended,
     "Code 39 Extended takes ASCII characters only (no accented letters or other scripts)",
     "يقبل Code 39 Extended محارف ASCII فقط (لا حروف مشكّلة ولا حروف لغات أخرى)"},
    {":Code39 bad Data <", TMatch::Contains, TKinds::Any,
     "Code 39 takes capitals, digits, space and - . $ / + % only; * is its start and stop",
     "يقبل Code 39 الحروف الكبيرة والأرقام والمسافة و- . $ / + % فقط؛ و* للبداية والنهاية"},
    {":Code93 bad Data <", TMatch::Contains, TKinds::Code93Extended,
     "Code 93 Extended takes ASCII characters only (no accented letters or other scripts)",
     "يقبل Code 93 Extended محارف ASCII فقط (لا حروف مشكّلة ولا حروف لغات أخرى)"},
    {":Code93 bad Data <", TMatch::Contains, TKinds::Any,
     "Code 93 takes capitals, digits, space and - . $ / + % only",
     "يقبل Code 93 الحروف الكبيرة والأرقام والمسافة و- . $ / + % فقط"},
    {":Code128 bad Data <", TMatch::Contains, TKinds::Any,
     "%1 takes printable ASCII characters only (letters, digits, space and punctuation)",
     "يقبل %1 محارف ASCII المطبوعة فقط (حروف وأرقام ومسافة وعلامات ترقيم)"},
    {":Codabar bad Data <", TMatch::Contains, TKinds::Any,
     "Codabar takes digits and - $ : / . + only; its start and stop letters are added for you",
     "يقبل Codabar الأرقام و- $ : / . + فقط؛ وتُضاف حروف البداية والنهاية تلقائيًا"},
    {": wrong BarcodeType", TMatch::Contains, TKinds::Any,
     "Pick a kind from the list: the kind box names none", "اختر نوعًا من القائمة: خانة النوع لا تسمّي نوعًا"},
    {": barcode too wide", TMatch::Contains, TKinds::Any,
     "The barcode is too wide to draw: shorten the code or lower the zoom",
     "الباركود أعرض من أن يُرسم: قصّر الرمز أو قلّل التكبير"},
    {": internal Error", TMatch::Contains, TKinds::Any, "The barcode could not be drawn (an internal error)",
     "تعذّر رسم الباركود (خطأ داخلي)"},
    {"is not a valid integer value", TMatch::Contains, TKinds::Any, "%1 takes digits only",
     "يقبل %1 الأرقام فقط"},
    {"pixels is too large", TMatch::Contains, TKinds::Any,
     "The label is too large to draw: lower the zoom or the code's length",
     "الملصق أكبر من أن يُرسم: قلّل التكبير أو طول الرمز"},
    {"pixels is empty", TMatch::Contains, TKinds::Any, "The label is empty: type a code",
     "الملصق فارغ: اكتب رمزًا"},
    {"pixels cannot be allocated", TMatch::Contains, TKinds::Any,
     "Not enough memory to draw the label: lower the zoom", "لا تكفي الذاكرة لرسم الملصق: قلّل التكبير"},
}};

// The standard layout's notes (label/compose/StandardLayout.cpp) and the symbol labels'
// (label/compose/SymbolLabel.cpp, label/compose/ZintSymbol.cpp), recognised whole; sizes are in millimetres
// and dots, kind names as the engine or the symbol kinds' table gives them.
struct TNoteSentence {
    std::string_view Pattern;
    std::string_view Arabic;
    bool FitsTheCell = false; // made smaller to fit the cell
};
constexpr std::array<TNoteSentence, 11> kNoteSentences{{
    {R"(^Bars shortened to ([0-9.]+) mm to fit the cell's ([0-9.]+) mm height$)",
     "قُصّرت الأعمدة إلى %1 مم لتلائم ارتفاع الخانة البالغ %2 مم", true},
    {R"(^X-dimension reduced to ([0-9.]+) mm \(([0-9]+) dots at ([0-9]+) dpi\) to fit the cell$)",
     "صُغّر البعد X إلى %1 مم (%2 نقطة عند %3 نقطة في البوصة) ليلائم الخانة", true},
    {R"(^X-dimension ([0-9.]+) mm is outside the ([0-9.]+)-([0-9.]+) mm that (.+) allows: printed at ([0-9.]+) mm )"
     R"(\(([0-9]+) dots at ([0-9]+) dpi\)$)",
     "البعد X البالغ %1 مم خارج المدى %2–%3 مم الذي يسمح به %4: طُبع بعرض %5 مم (%6 نقطة عند %7 نقطة في "
     "البوصة)"},
    {R"(^X-dimension ([0-9.]+) mm in whole dots falls outside the ([0-9.]+)-([0-9.]+) mm that (.+) allows: )"
     R"(printed at ([0-9.]+) mm \(([0-9]+) dots at ([0-9]+) dpi\)$)",
     "البعد X البالغ %1 مم يقع بالنقاط الكاملة خارج المدى %2–%3 مم الذي يسمح به %4: طُبع بعرض %5 مم (%6 "
     "نقطة عند %7 نقطة في البوصة)"},
    {R"(^X-dimension ([0-9.]+) mm printed at ([0-9.]+) mm \(([0-9]+) dots at ([0-9]+) dpi\): a module over )"
     R"(([0-9]+) dots takes whole steps of ([0-9]+) dots$)",
     "البعد X البالغ %1 مم طُبع بعرض %2 مم (%3 نقطة عند %4 نقطة في البوصة): العمود الرفيع الذي يزيد على %5 "
     "نقطة يتدرج بخطوات كاملة من %6 نقطة"},
    {R"(^Wide/narrow ratio ([0-9.]+) \(([0-9]+) to ([0-9]+) dots\) for the ([0-9.]+) asked: whole dots, within )"
     R"(what (.+) allows at this module$)",
     "نسبة العريض إلى الرفيع %1 (%2 إلى %3 نقطة) بدلًا من %4 المطلوبة: بنقاط كاملة وفي حدود ما يسمح به %5 "
     "عند هذا العرض"},
    {R"(^PostNet prints as USPS asks, whatever the X-dimension: ([0-9.]+) mm bars, 22 to the inch, ([0-9.]+) mm )"
     R"(and ([0-9.]+) mm tall$)",
     "يُطبع PostNet كما تطلب هيئة البريد الأمريكية (USPS) أيًّا كان البعد X: أعمدة بعرض %1 مم، 22 عمودًا في "
     "البوصة، بارتفاع %2 مم و%3 مم"},
    {R"(^Angle (-?[0-9.]+) degrees drawn as ([0-9]+): a symbol turns in quarter turns$)",
     "رُسمت الزاوية %1 درجة على %2 درجة: لا يدور الرمز إلا أرباع دورة"},
    {R"(^X-dimension ([0-9.]+) mm is below the ([0-9.]+) mm that (.+) needs: printed at ([0-9.]+) mm )"
     R"(\(([0-9]+) dots at ([0-9]+) dpi\)$)",
     "البعد X البالغ %1 مم أقل من %2 مم التي يحتاجها %3: طُبع بعرض %4 مم (%5 نقطة عند %6 نقطة في البوصة)"},
    {R"(^X-dimension ([0-9.]+) mm in whole dots falls below the ([0-9.]+) mm that (.+) needs: printed at )"
     R"(([0-9.]+) mm \(([0-9]+) dots at ([0-9]+) dpi\)$)",
     "البعد X البالغ %1 مم يقل بالنقاط الكاملة عن %2 مم التي يحتاجها %3: طُبع بعرض %4 مم (%5 نقطة عند %6 "
     "نقطة في البوصة)"},
    {R"(^PDF417 columns raised from ([0-9]+) to ([0-9]+) to hold the data$)",
     "رُفعت أعمدة PDF417 من %1 إلى %2 لتتسع للبيانات"},
}};

const QColor kGoodColor(0, 128, 0);
const QColor kNoteColor(110, 110, 110);
const QColor kWarningColor(179, 106, 0); // amber that still reads on white
const QColor kErrorColor(192, 0, 0);

QString Phrase(TPhraseId id, TLanguage language)
{
    return FromUtf8(language == TLanguage::Arabic ? kPhrases[id].Arabic : kPhrases[id].English);
}

bool KindsFit(TKinds kinds, int kindIndex)
{
    switch (kinds) {
    case TKinds::Any: return true;
    case TKinds::Code39: return kindIndex == bcCode39;
    case TKinds::Code39Extended: return kindIndex == bcCode39Extended;
    case TKinds::Code93: return kindIndex == bcCode93;
    case TKinds::Code93Extended: return kindIndex == bcCode93Extended;
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
        return Phrase(phZerosPadded, language).arg(name).arg(d);
    if (n > d + 1)
        return Phrase(phDigitsCut, language).arg(name).arg(d).arg(d + 1);
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
            return Phrase(phFirstLeftOut, language).arg(name).arg(d);
        return kind.CheckInParities ? Phrase(phChanged, language).arg(name, FromUtf8(digits))
                                    : Phrase(phBlanksLeftOut, language);
    }
    const QString check = QChar(printed.back());
    const QString reason =
        Phrase(kind.CheckInParities ? phPaddedReplaced : phPaddedTaken, language).arg(name).arg(d).arg(check);
    return reason + Phrase(phWithCheck, language)
                        .arg(QString::fromStdString(digits),
                             QString::fromStdString(WithCheckDigit(barcode, digits, kind)));
}

QString CheckDigitText(char digit, TLanguage language)
{
    return language == TLanguage::Arabic ? Phrase(phCheckDigitShould, language).arg(QChar(digit))
                                         : QString::fromStdString(CheckDigitMessage(digit));
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
        return Phrase(static_cast<int>(digits.size()) < text.Digits ? phAddonPadded : phAddonCut, language)
            .arg(KindDisplayName(kind))
            .arg(text.Digits);
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

namespace {

// The engine's refusals of a full UPC-E name the digit that should stand: "Check digit should be 5".
std::optional<QString> DigitShouldText(std::string_view engineMessage, TLanguage language)
{
    constexpr std::array<std::pair<std::string_view, TPhraseId>, 2> kDigitMessages{{
        {"Check digit should be ", phCheckDigitShould},
        {"Number system should be ", phNumberSystemShould},
    }};
    for (const auto& [words, phrase] : kDigitMessages)
        if (engineMessage.size() == words.size() + 1 && engineMessage.starts_with(words))
            return Phrase(phrase, language).arg(QChar(engineMessage.back()));
    return std::nullopt;
}

} // namespace

QString PlainError(std::string_view engineMessage, int kindIndex, TLanguage language)
{
    if (const std::optional<QString> digit = DigitShouldText(engineMessage, language))
        return *digit;
    for (const TErrorSentence& row : kErrorSentences) {
        const bool matches = row.Match == TMatch::Exact
                                 ? engineMessage == row.Message
                                 : engineMessage.find(row.Message) != std::string_view::npos;
        if (matches && KindsFit(row.Kinds, kindIndex)) {
            QString sentence = FromUtf8(language == TLanguage::Arabic ? row.Arabic : row.English);
            return sentence.contains(QStringLiteral("%1")) ? sentence.arg(KindDisplayName(kindIndex))
                                                           : sentence;
        }
    }
    return FromUtf8(engineMessage);
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

QString CellFitText(std::string_view fitMessage, TLanguage language)
{
    static const QRegularExpression kFit(QStringLiteral(
        "^Label (.+ mm) (wide|high), cell (.+ mm): (it would be cut off|its bars cannot reach their minimum "
        "height of (.+ mm))$"));
    const QString message = FromUtf8(fitMessage);
    const QRegularExpressionMatch match = kFit.match(message);
    if (!match.hasMatch())
        return message;
    if (!match.captured(5).isEmpty())
        return Phrase(phBarsTooShort, language).arg(match.captured(1), match.captured(3), match.captured(5));
    return Phrase(match.captured(2) == QLatin1String("wide") ? phCutWide : phCutHigh, language)
        .arg(match.captured(1), match.captured(3));
}

QString StandardNoteText(std::string_view note, TLanguage language)
{
    const QString text = FromUtf8(note);
    if (language != TLanguage::Arabic)
        return text;
    for (const TNoteSentence& sentence : kNoteSentences) {
        const QRegularExpression pattern(FromUtf8(sentence.Pattern));
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch())
            continue;
        QString arabic = FromUtf8(sentence.Arabic);
        for (int group = 1; group <= pattern.captureCount(); ++group)
            arabic = arabic.arg(match.captured(group));
        return arabic;
    }
    return text;
}

bool NoteFitsTheCell(std::string_view note)
{
    return std::any_of(kNoteSentences.begin(), kNoteSentences.end(), [note](const TNoteSentence& sentence) {
        return sentence.FitsTheCell &&
               QRegularExpression(FromUtf8(sentence.Pattern)).match(FromUtf8(note)).hasMatch();
    });
}

std::pair<QString, bool> VerificationText(const TSheetVerification& verification, TLanguage language)
{
    const int notChecked = verification.Labels - verification.Checked;
    if (verification.Checked == 0)
        return {Phrase(phNoneChecked, language).arg(notChecked), true};
    QString text = Phrase(phReadBack, language)
                       .arg(verification.ReadBack)
                       .arg(verification.Checked)
                       .arg(verification.Dpi);
    if (notChecked > 0)
        text += Phrase(phNotChecked, language).arg(notChecked);
    return {text, verification.AllReadBack()};
}

QString PreviewScaleText(int percent, TLanguage language)
{
    return Phrase(phPreviewAt, language).arg(percent);
}

} // namespace quillon
