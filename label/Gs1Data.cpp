// The Application Identifiers in common use, their formats, and the checks of GS1 data.
#include "label/Gs1Data.h"

#include <algorithm>
#include <array>

#include "barcode/CheckDigits.h"

namespace quillon {
namespace {

// A date in the leading digits: YYMMDD, where the GS1 rules for AIs (11) to (17) let DD be 00 for
// "the month as a whole", and (8008) adds the hour, then optionally minutes and seconds.
enum class TAiDate : std::uint8_t { None, DayOrZero, DayAndTime };

// A run of AIs sharing one format. An AI's value is DigitsMin..DigitsMax digits followed by
// TextMin..TextMax characters of the GS1 set of 82; where both are given, the digits are of fixed length.
struct TAiFormat {
    std::string_view First; // the AI, or the first of a run of AIs of the same length
    std::string_view Last;
    char LastDecimal = 0; // set: a fourth digit '0'..LastDecimal follows, the decimal point's place (310n)
    int DigitsMin = 0;
    int DigitsMax = 0;
    int TextMin = 0;
    int TextMax = 0;
    bool CheckDigit = false; // the last of the digits is the GS1 modulo-10 check digit
    TAiDate Date = TAiDate::None;
};

constexpr auto kMonthOrDay = TAiDate::DayOrZero, kDayAndTime = TAiDate::DayAndTime;

// The GS1 rules' definitions of the Application Identifiers.
constexpr TAiFormat kAiFormats[] = {
    {"00", "00", 0, 18, 18, 0, 0, true},                  // SSCC
    {"01", "02", 0, 14, 14, 0, 0, true},                  // GTIN, CONTENT
    {"10", "10", 0, 0, 0, 1, 20},                         // BATCH/LOT
    {"11", "13", 0, 6, 6, 0, 0, false, kMonthOrDay},      // PROD DATE, DUE DATE, PACK DATE
    {"15", "17", 0, 6, 6, 0, 0, false, kMonthOrDay},      // BEST BEFORE, SELL BY, USE BY
    {"20", "20", 0, 2, 2},                                // VARIANT
    {"21", "22", 0, 0, 0, 1, 20},                         // SERIAL, CPV
    {"30", "30", 0, 1, 8},                                // VAR. COUNT
    {"37", "37", 0, 1, 8},                                // COUNT
    {"240", "241", 0, 0, 0, 1, 30},                       // ADDITIONAL ID, CUST. PART No.
    {"250", "251", 0, 0, 0, 1, 30},                       // SECONDARY SERIAL, REF. TO SOURCE
    {"253", "253", 0, 13, 13, 0, 17, true},               // GDTI
    {"254", "254", 0, 0, 0, 1, 20},                       // GLN EXTENSION COMPONENT
    {"310", "316", '5', 6, 6},                            // NET WEIGHT (kg) ... NET VOLUME (m3)
    {"320", "329", '5', 6, 6},                            // NET WEIGHT (lb) ... DEPTH (yd)
    {"330", "337", '5', 6, 6},                            // GROSS WEIGHT (kg) ... KG PER m2
    {"340", "357", '5', 6, 6},                            // GROSS WEIGHT (lb) ... NET VOLUME (oz)
    {"360", "369", '5', 6, 6},                            // NET VOLUME (q) ... VOLUME (yd3), log
    {"390", "390", '9', 1, 15},                           // AMOUNT
    {"391", "391", '9', 4, 18},                           // AMOUNT with ISO currency code
    {"392", "392", '9', 1, 15},                           // PRICE
    {"393", "393", '9', 4, 18},                           // PRICE with ISO currency code
    {"400", "401", 0, 0, 0, 1, 30},                       // ORDER NUMBER, GINC
    {"402", "402", 0, 17, 17, 0, 0, true},                // GSIN
    {"403", "403", 0, 0, 0, 1, 30},                       // ROUTE
    {"410", "417", 0, 13, 13, 0, 0, true},                // SHIP TO LOC ... PARTY (GLNs)
    {"420", "420", 0, 0, 0, 1, 20},                       // SHIP TO POST
    {"421", "421", 0, 3, 3, 1, 9},                        // SHIP TO POST with ISO country code
    {"422", "422", 0, 3, 3},                              // ORIGIN
    {"8003", "8003", 0, 14, 14, 0, 16, true},             // GRAI
    {"8004", "8004", 0, 0, 0, 1, 30},                     // GIAI
    {"8005", "8005", 0, 6, 6},                            // PRICE PER UNIT
    {"8008", "8008", 0, 8, 12, 0, 0, false, kDayAndTime}, // PROD TIME
    {"8018", "8018", 0, 18, 18, 0, 0, true},              // GSRN - RECIPIENT
    {"8020", "8020", 0, 0, 0, 1, 25},                     // REF No.
    {"90", "90", 0, 0, 0, 1, 30},                         // INTERNAL
    {"91", "99", 0, 0, 0, 1, 90},                         // INTERNAL
};

struct TPredefinedLength {
    std::string_view Prefix; // the AI's first two digits
    int Length = 0;          // of the whole element, AI included
};

// The GS1 rules' table of element strings of predefined length: the only ones that
// need no separator after them, whatever their own AI's format says.
constexpr TPredefinedLength kPredefinedLengths[] = {
    {"00", 20}, {"01", 16}, {"02", 16}, {"03", 16}, {"04", 18}, {"11", 8},  {"12", 8}, {"13", 8},
    {"14", 8},  {"15", 8},  {"16", 8},  {"17", 8},  {"18", 8},  {"19", 8},  {"20", 4}, {"31", 10},
    {"32", 10}, {"33", 10}, {"34", 10}, {"35", 10}, {"36", 10}, {"41", 16},
};

// The GS1 AI encodable character set 82, the characters GS1 values may hold.
constexpr std::string_view kGs1Characters = "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_"
                                            "abcdefghijklmnopqrstuvwxyz";
static_assert(kGs1Characters.size() == 82);

constexpr char kGroupSeparator = '\x1d';

constexpr int PredefinedLength(std::string_view ai)
{
    for (const TPredefinedLength& entry : kPredefinedLengths)
        if (ai.substr(0, 2) == entry.Prefix)
            return entry.Length;
    return 0;
}

// The formats agree with the predefined lengths, and digits followed by text are of fixed length.
constexpr bool FormatsAreConsistent()
{
    for (const TAiFormat& format : kAiFormats) {
        const int aiLength = static_cast<int>(format.First.size()) + (format.LastDecimal != 0 ? 1 : 0);
        for (const std::string_view ai : {format.First, format.Last}) {
            const int length = PredefinedLength(ai);
            if (length != 0 && (format.DigitsMin != format.DigitsMax || format.TextMax != 0 ||
                                aiLength + format.DigitsMax != length))
                return false;
        }
        if (format.TextMax != 0 && format.DigitsMin != format.DigitsMax)
            return false;
        if (format.CheckDigit && format.DigitsMin != format.DigitsMax)
            return false;
    }
    return true;
}
static_assert(FormatsAreConsistent());

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

const TAiFormat* FindFormat(std::string_view ai)
{
    for (const TAiFormat& format : kAiFormats) {
        const std::size_t length = format.First.size();
        const bool decimal = format.LastDecimal != 0;
        if (ai.size() != length + (decimal ? 1 : 0) || !AllDigits(ai))
            continue;
        const std::string_view run = ai.substr(0, length);
        if (run >= format.First && run <= format.Last && (!decimal || ai[length] <= format.LastDecimal))
            return &format;
    }
    return nullptr;
}

TGs1Error ErrorAt(std::string_view ai, TGs1Fault fault, const std::string& reason)
{
    return {.Fault = fault, .Message = "(" + std::string(ai) + "): " + reason};
}

// A character as the user would recognise it: itself in quotes, a whole UTF-8 sequence, or its code.
std::string ShowCharacter(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x7f)
        return "\"" + std::string(1, text[at]) + "\"";
    if (byte >= 0xc0) {
        std::size_t end = at + 1;
        while (end < text.size() && end < at + 4 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
            ++end;
        return "\"" + std::string(text.substr(at, end - at)) + "\"";
    }
    return "the character " + std::to_string(byte);
}

int TwoDigits(std::string_view digits, std::size_t at)
{
    return (digits[at] - '0') * 10 + digits[at + 1] - '0';
}

// A leap year is one whose YY is divisible by 4: true of every year the GS1 century rule can give
// (within 50 years of today) except 1900 and 2100, neither of which is in reach until 2050.
bool IsDate(std::string_view digits, bool dayMayBeZero)
{
    constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int year = TwoDigits(digits, 0), month = TwoDigits(digits, 2), day = TwoDigits(digits, 4);
    if (month < 1 || month > 12)
        return false;
    if (day == 0)
        return dayMayBeZero;
    const int days = month == 2 && year % 4 != 0 ? 28 : kDaysInMonth[month - 1];
    return day <= days;
}

// YYMMDDHH, then optionally MM, then optionally SS.
bool IsDateAndTime(std::string_view digits)
{
    if (digits.size() % 2 != 0 || !IsDate(digits, false) || TwoDigits(digits, 6) > 23)
        return false;
    for (std::size_t at = 8; at < digits.size(); at += 2)
        if (TwoDigits(digits, at) > 59)
            return false;
    return true;
}

std::optional<TGs1Error> CheckCharacters(std::string_view ai, std::string_view value)
{
    for (std::size_t at = 0; at < value.size(); ++at)
        if (kGs1Characters.find(value[at]) == std::string_view::npos)
            return ErrorAt(ai, TGs1Fault::Character,
                           ShowCharacter(value, at) + " is not in the GS1 character set");
    return std::nullopt;
}

std::optional<TGs1Error> CheckDigitsOnly(std::string_view ai, const TAiFormat& format, std::string_view value)
{
    const auto letter = std::find_if_not(value.begin(), value.end(), IsDigit);
    if (letter != value.end())
        return ErrorAt(ai, TGs1Fault::Format,
                       "digits only, not " +
                           ShowCharacter(value, static_cast<std::size_t>(letter - value.begin())));
    const int size = static_cast<int>(value.size());
    const std::string count = std::to_string(size);
    if (format.DigitsMin == format.DigitsMax && size != format.DigitsMin)
        return ErrorAt(ai, TGs1Fault::Format,
                       "should be " + std::to_string(format.DigitsMin) + " digits, not " + count);
    if (size < format.DigitsMin)
        return ErrorAt(ai, TGs1Fault::Format,
                       "too short, at least " + std::to_string(format.DigitsMin) + " digits");
    if (size > format.DigitsMax)
        return ErrorAt(ai, TGs1Fault::Format,
                       "too long, at most " + std::to_string(format.DigitsMax) + " digits");
    return std::nullopt;
}

std::optional<TGs1Error> CheckDigitsThenText(std::string_view ai, const TAiFormat& format,
                                             std::string_view value)
{
    const auto digits = static_cast<std::size_t>(format.DigitsMin);
    if (value.size() < digits || !AllDigits(value.substr(0, digits)))
        return ErrorAt(ai, TGs1Fault::Format, "should start with " + std::to_string(digits) + " digits");
    const int size = static_cast<int>(value.size());
    if (size < format.DigitsMin + format.TextMin)
        return ErrorAt(ai, TGs1Fault::Format,
                       "too short, at least " + std::to_string(format.DigitsMin + format.TextMin) +
                           " characters");
    if (size > format.DigitsMax + format.TextMax)
        return ErrorAt(ai, TGs1Fault::Format,
                       "too long, at most " + std::to_string(format.DigitsMax + format.TextMax) +
                           " characters");
    return std::nullopt;
}

std::optional<TGs1Error> CheckLength(std::string_view ai, const TAiFormat& format, std::string_view value)
{
    if (format.TextMax == 0)
        return CheckDigitsOnly(ai, format, value);
    if (format.DigitsMax != 0)
        return CheckDigitsThenText(ai, format, value);
    if (static_cast<int>(value.size()) > format.TextMax)
        return ErrorAt(ai, TGs1Fault::Format,
                       "too long, at most " + std::to_string(format.TextMax) + " characters");
    return std::nullopt;
}

std::optional<TGs1Error> CheckMeaning(std::string_view ai, const TAiFormat& format, std::string_view value)
{
    const std::string_view digits = value.substr(0, static_cast<std::size_t>(format.DigitsMin));
    if (format.CheckDigit) {
        const char expected = AppendModulo10(digits.substr(0, digits.size() - 1)).back();
        if (digits.back() != expected)
            return ErrorAt(ai, TGs1Fault::CheckDigit, std::string("check digit should be ") + expected);
    }
    const std::string_view leading = value.substr(0, std::min(value.size(), std::size_t{12}));
    switch (format.Date) {
    case TAiDate::None: break;
    case TAiDate::DayOrZero:
        if (!IsDate(digits, true))
            return ErrorAt(ai, TGs1Fault::Date, "not a date: " + std::string(digits));
        break;
    case TAiDate::DayAndTime:
        if (!IsDateAndTime(leading))
            return ErrorAt(ai, TGs1Fault::Date, "not a date and time: " + std::string(leading));
        break;
    }
    return std::nullopt;
}

std::optional<TGs1Error> CheckValue(std::string_view ai, const TAiFormat& format, std::string_view value)
{
    if (value.empty())
        return ErrorAt(ai, TGs1Fault::Format, "no data after the AI");
    if (auto error = CheckCharacters(ai, value))
        return error;
    if (auto error = CheckLength(ai, format, value))
        return error;
    return CheckMeaning(ai, format, value);
}

TGs1Result Failed(TGs1Fault fault, std::string message)
{
    return {.Elements = {}, .Error = TGs1Error{.Fault = fault, .Message = std::move(message)}};
}

TGs1Result Failed(TGs1Error error)
{
    return {.Elements = {}, .Error = std::move(error)};
}

// The digits of the AI in brackets at `at`, which holds "(": empty when they are not 2 to 4 digits.
std::string_view AiInBrackets(std::string_view text, std::size_t at)
{
    const std::size_t close = text.find(')', at);
    if (close == std::string_view::npos)
        return {};
    const std::string_view ai = text.substr(at + 1, close - at - 1);
    return ai.size() >= 2 && ai.size() <= 4 && AllDigits(ai) ? ai : std::string_view();
}

TGs1Result BadBrackets(std::string_view text, std::size_t at)
{
    const std::size_t close = text.find(')', at);
    const std::size_t shown = close == std::string_view::npos ? 8 : std::min<std::size_t>(close - at + 1, 8);
    return Failed(TGs1Fault::Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"" +
                                         std::string(text.substr(at, shown)) + "\"");
}

} // namespace

TGs1Result ParseGs1(std::string_view bracketed)
{
    if (bracketed.empty() || bracketed.front() != '(')
        return Failed(TGs1Fault::Syntax, "GS1 data must start with an AI in brackets, such as (01)");
    TGs1Result result;
    for (std::size_t at = 0; at < bracketed.size();) {
        const std::string_view ai = AiInBrackets(bracketed, at);
        if (ai.empty())
            return BadBrackets(bracketed, at);
        const TAiFormat* format = FindFormat(ai);
        if (format == nullptr)
            return Failed(ErrorAt(ai, TGs1Fault::UnknownAi, "not an Application Identifier"));
        const std::size_t start = at + ai.size() + 2;
        const std::size_t end = std::min(bracketed.find('(', start), bracketed.size());
        const std::string_view value = bracketed.substr(start, end - start);
        if (auto error = CheckValue(ai, *format, value))
            return Failed(std::move(*error));
        const auto same = [&](const TGs1Element& element) { return element.Ai == ai; };
        if (std::any_of(result.Elements.begin(), result.Elements.end(), same))
            return Failed(ErrorAt(ai, TGs1Fault::Repeated, "given twice"));
        result.Elements.push_back({.Ai = std::string(ai), .Value = std::string(value)});
        at = end;
    }
    return result;
}

TGs1Result ParseGtin(std::string_view text)
{
    constexpr std::size_t kGtinDigits = 14;
    if (!text.empty() && text.front() == '(') {
        TGs1Result result = ParseGs1(text);
        if (result.Error || (result.Elements.size() == 1 && result.Elements.front().Ai == "01"))
            return result;
    } else if (AllDigits(text) &&
               (text.size() == 8 || text.size() == 12 || text.size() == 13 || text.size() == kGtinDigits)) {
        return ParseGs1("(01)" + std::string(kGtinDigits - text.size(), '0') + std::string(text));
    }
    return Failed(TGs1Fault::Syntax, "Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 "
                                     "digits of a GTIN with its check digit");
}

std::string BracketedText(const std::vector<TGs1Element>& elements)
{
    std::string text;
    for (const TGs1Element& element : elements)
        text += "(" + element.Ai + ")" + element.Value;
    return text;
}

std::string ElementString(const std::vector<TGs1Element>& elements)
{
    std::string text;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        text += elements[i].Ai + elements[i].Value;
        if (i + 1 < elements.size() && !HasPredefinedLength(elements[i].Ai))
            text += kGroupSeparator;
    }
    return text;
}

std::optional<std::vector<TGs1Element>> ParseElementString(std::string_view elementString)
{
    std::vector<TGs1Element> elements;
    for (std::size_t at = 0; at < elementString.size();) {
        std::size_t aiLength = 2;
        while (aiLength <= 4 && FindFormat(elementString.substr(at, aiLength)) == nullptr)
            ++aiLength;
        if (aiLength > 4)
            return std::nullopt;
        const std::string_view ai = elementString.substr(at, aiLength);
        const std::size_t start = at + aiLength;
        std::size_t end = std::min(elementString.find(kGroupSeparator, start), elementString.size());
        if (const int length = PredefinedLength(ai); length != 0)
            end = at + static_cast<std::size_t>(length);
        if (end > elementString.size() || end == start)
            return std::nullopt;
        elements.push_back(
            {.Ai = std::string(ai), .Value = std::string(elementString.substr(start, end - start))});
        at = end < elementString.size() && elementString[end] == kGroupSeparator ? end + 1 : end;
    }
    return elements;
}

bool HasPredefinedLength(std::string_view ai)
{
    return PredefinedLength(ai) != 0;
}

} // namespace quillon
