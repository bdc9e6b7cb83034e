// GS1 data read from brackets and checked against the syntax dictionary's table, its faults worded,
// and the element string a symbol carries.
#include "label/gs1/Gs1Data.h"

#include <algorithm>
#include <array>

#include "label/gs1/Gs1Table.h"

namespace quillon {
namespace {

using enum TGs1Fault;

// The character sets of GS1 values (GS1 GenSpecs, figures 7.11-1 to 7.11-3).
constexpr std::string_view kCset82 = "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_"
                                     "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kCset39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kCset64 = "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
static_assert(kCset82.size() == 82 && kCset39.size() == 39 && kCset64.size() == 64);

constexpr char kGroupSeparator = '\x1d';
constexpr std::string_view kEscapedBracket = "\\(";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

// A character as the user would recognise it: itself in quotes, a whole UTF-8 sequence, or its code.
std::string ShowCharacter(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x7f)
        return Quoted(text.substr(at, 1));
    if (byte >= 0xc0) {
        std::size_t end = at + 1;
        while (end < text.size() && end < at + 4 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
            ++end;
        return Quoted(text.substr(at, end - at));
    }
    return "the character " + std::to_string(byte);
}

TGs1Error Worded(TGs1Error error)
{
    error.Message = Gs1Message(error);
    return error;
}

TGs1Error ValueFault(std::string_view ai, int component, TGs1Fault fault, std::string text,
                     std::string detail = {}, int length = 0)
{
    return Worded({.Fault = fault,
                   .Ai = std::string(ai),
                   .Component = component,
                   .Text = std::move(text),
                   .Detail = std::move(detail),
                   .Length = length});
}

std::string_view Unit(const TGs1AiEntry& entry)
{
    const auto numeric = [](const TGs1Component& part) { return part.Cset == TGs1Cset::Numeric; };
    return std::all_of(entry.Parts().begin(), entry.Parts().end(), numeric) ? "digits" : "characters";
}

// The value as a whole against the least and most its components allow.
std::optional<TGs1Error> CheckTotalLength(std::string_view ai, const TGs1AiEntry& entry,
                                          std::string_view value)
{
    int least = 0, most = 0;
    bool fixed = true;
    for (const TGs1Component& part : entry.Parts()) {
        least += part.Optional ? 0 : part.MinLength;
        most += part.MaxLength;
        fixed = fixed && !part.Optional && part.FixedLength();
    }
    const int size = static_cast<int>(value.size());
    const std::string unit(Unit(entry));
    if (fixed && size != most)
        return ValueFault(ai, 0, Length, std::to_string(size), unit, most);
    if (size > most)
        return ValueFault(ai, 0, TooLong, {}, unit, most);
    if (size < least)
        return ValueFault(ai, 0, TooShort, {}, unit, least);
    return std::nullopt;
}

std::optional<TGs1Error> CheckCharacterSet(std::string_view ai, int component, const TGs1Component& part,
                                           std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        switch (part.Cset) {
        case TGs1Cset::Numeric:
            if (!IsDigit(c))
                return ValueFault(ai, component, NotDigits, ShowCharacter(text, at));
            break;
        case TGs1Cset::Cset82:
            if (kCset82.find(c) == std::string_view::npos)
                return ValueFault(ai, component, Character, ShowCharacter(text, at), "the GS1 character set");
            break;
        case TGs1Cset::Cset39:
            if (kCset39.find(c) == std::string_view::npos)
                return ValueFault(ai, component, Character, ShowCharacter(text, at),
                                  "the GS1 character set 39");
            break;
        case TGs1Cset::Base64Url: {
            // "=" pads the end only.
            const bool padding = c == '=' && text.find_first_not_of('=', at) == std::string_view::npos;
            if (kCset64.find(c) == std::string_view::npos && !padding)
                return ValueFault(ai, component, Character, ShowCharacter(text, at),
                                  "the GS1 character set 64");
            break;
        }
        }
    }
    return std::nullopt;
}

// Each component takes its length from what is left, in order; optional ones may be left out at the end.
std::optional<TGs1Error> CheckComponents(std::string_view ai, const TGs1AiEntry& entry,
                                         std::string_view value)
{
    const int count = static_cast<int>(entry.Parts().size());
    std::vector<std::string_view> texts;
    std::size_t at = 0;
    for (int index = 0; index < count && at < value.size(); ++index) {
        const TGs1Component& part = entry.Parts()[static_cast<std::size_t>(index)];
        const std::size_t left = value.size() - at;
        const std::size_t length =
            part.FixedLength() ? part.MinLength : std::min<std::size_t>(part.MaxLength, left);
        const int shown = count > 1 ? index + 1 : 0;
        if (length > left)
            return ValueFault(ai, shown, Length, std::to_string(left),
                              part.Cset == TGs1Cset::Numeric ? "digits" : "characters", part.MinLength);
        texts.push_back(value.substr(at, length));
        if (auto fault = CheckCharacterSet(ai, shown, part, texts.back()))
            return fault;
        at += length;
    }
    for (std::size_t index = 0; index < texts.size(); ++index)
        for (const TGs1Linter linter : entry.Parts()[index].Linters)
            if (linter != kNoLinter)
                if (auto fault = Lint(linter, texts[index]))
                    return ValueFault(ai, count > 1 ? static_cast<int>(index) + 1 : 0, fault->Fault,
                                      std::string(texts[index]), std::move(fault->Detail));
    return std::nullopt;
}

std::optional<TGs1Error> CheckValue(std::string_view ai, const TGs1AiEntry& entry, std::string_view value)
{
    if (value.empty())
        return ValueFault(ai, 0, Empty, {});
    if (auto fault = CheckTotalLength(ai, entry, value))
        return fault;
    return CheckComponents(ai, entry, value);
}

// "31nn" stands for every AI of four digits starting with 31.
bool Matches(std::string_view pattern, std::string_view ai)
{
    if (pattern.size() != ai.size())
        return false;
    for (std::size_t i = 0; i < ai.size(); ++i)
        if (pattern[i] != ai[i] && !(pattern[i] == 'n' && IsDigit(ai[i])))
            return false;
    return true;
}

std::vector<std::string_view> SplitList(std::string_view list, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(separator, at), list.size());
        parts.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

bool Present(std::string_view pattern, const std::vector<TGs1Element>& elements, const TGs1Element& self)
{
    return std::any_of(elements.begin(), elements.end(), [&](const TGs1Element& element) {
        return &element != &self && Matches(pattern, element.Ai);
    });
}

bool Excluding(const TGs1Element& element, const TGs1Element& other)
{
    if (element.Ai == other.Ai)
        return false;
    const std::vector<std::string_view> patterns = SplitList(FindGs1Ai(element.Ai)->Excludes, ',');
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](std::string_view pattern) { return Matches(pattern, other.Ai); });
}

bool Met(std::string_view requisite, const std::vector<TGs1Element>& elements, const TGs1Element& self)
{
    const std::vector<std::string_view> alternatives = SplitList(requisite, ',');
    return std::any_of(alternatives.begin(), alternatives.end(), [&](std::string_view alternative) {
        const std::vector<std::string_view> together = SplitList(alternative, '+');
        return std::all_of(together.begin(), together.end(),
                           [&](std::string_view pattern) { return Present(pattern, elements, self); });
    });
}

// No two AIs of which either excludes the other, each pair named once in the order given; then every
// requisite met by one of its alternatives, all the AIs of that alternative present.
void CheckAssociations(const std::vector<TGs1Element>& elements, std::vector<TGs1Error>& faults)
{
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (std::size_t j = i + 1; j < elements.size(); ++j)
            if (Excluding(elements[i], elements[j]) || Excluding(elements[j], elements[i]))
                faults.push_back(Worded({.Fault = Excludes, .Ai = elements[i].Ai, .Text = elements[j].Ai}));
    for (const TGs1Element& element : elements)
        for (const std::string_view requisite : FindGs1Ai(element.Ai)->Requires)
            if (!requisite.empty() && !Met(requisite, elements, element))
                faults.push_back(
                    Worded({.Fault = Requires, .Ai = element.Ai, .Detail = std::string(requisite)}));
}

TGs1Error SyntaxFault(std::string text, std::size_t position)
{
    return Worded({.Fault = Syntax, .Text = std::move(text), .Position = position});
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

TGs1Error BadBrackets(std::string_view text, std::size_t at)
{
    const std::size_t close = text.find(')', at);
    const std::size_t shown = close == std::string_view::npos ? 8 : std::min<std::size_t>(close - at + 1, 8);
    return SyntaxFault(std::string(text.substr(at, shown)), at);
}

// The value from `at` to the next "(" that is not escaped, "\(" turned to "(".
std::string ValueAt(std::string_view text, std::size_t& at)
{
    std::string value;
    while (at < text.size() && text[at] != '(') {
        if (text.substr(at, kEscapedBracket.size()) == kEscapedBracket) {
            value += '(';
            at += kEscapedBracket.size();
        } else {
            value += text[at++];
        }
    }
    return value;
}

TGs1Result Failed(TGs1Error error)
{
    return {.Elements = {}, .Error = std::move(error)};
}

std::string AiList(std::string_view alternative)
{
    std::string text;
    for (const std::string_view ai : SplitList(alternative, '+'))
        text += (text.empty() ? "(" : " with (") + std::string(ai) + ")";
    return text;
}

// "(01) with (21)", "one of (01), (02)": the AIs a requisite asks for.
std::string RequisiteText(std::string_view requisite)
{
    const std::vector<std::string_view> alternatives = SplitList(requisite, ',');
    if (alternatives.size() == 1)
        return AiList(alternatives.front());
    std::string text = "one of ";
    for (std::size_t i = 0; i < alternatives.size(); ++i)
        text += (i == 0 ? "" : ", ") + AiList(alternatives[i]);
    return text;
}

std::string WhatIsWrong(const TGs1Error& error)
{
    const std::string& text = error.Text;
    const std::string length = std::to_string(error.Length) + " " + error.Detail;
    switch (error.Fault) {
    case Syntax:
    case Requires:
    case Excludes:
    case Repeated:
    case GtinOnly:
    case UnknownAi: return "not an Application Identifier";
    case Empty: return "no data after the AI";
    case Length: return "should be " + length + ", not " + text;
    case TooShort: return "too short, at least " + length;
    case TooLong: return "too long, at most " + length;
    case NotDigits: return "digits only, not " + text;
    case Character: return text + " is not in " + error.Detail;
    case CheckDigit: return "check digit should be " + error.Detail;
    case CheckCharacters: return "check characters should be " + error.Detail;
    case Date: return text + " is not a date: " + error.Detail;
    case Time: return text + " is not a time: " + error.Detail;
    case CompanyPrefix:
        return text + " does not hold a GS1 Company Prefix" +
               (error.Detail.empty() ? "" : " " + error.Detail);
    case Country: return text + " is not an ISO 3166 country code";
    case Currency: return text + " is not an ISO 4217 currency code";
    case Iban: return text + " is not an IBAN: " + error.Detail;
    case PercentEncoding: return text + ": a \"%\" must be followed by two hexadecimal digits";
    case Coordinate: return text + " is not a " + error.Detail;
    case CodeList: return text + " is not " + error.Detail;
    case Sequence: return text + " is not a valid position: " + error.Detail;
    case Zero: return text + " " + error.Detail;
    case ZeroPrefix: return text + " must not start with 0";
    case NoNonDigit: return text + " must hold a character other than a digit";
    case Coupon: return text + " is not a coupon code: " + error.Detail;
    }
    return {};
}

} // namespace

std::string Gs1Message(const TGs1Error& error)
{
    const std::string ai = "(" + error.Ai + ")";
    switch (error.Fault) {
    case Syntax:
        return error.Text.empty()
                   ? "GS1 data must start with an AI in brackets, such as (01)"
                   : "An AI in brackets is 2 to 4 digits, such as (01), not \"" + error.Text + "\"";
    case Requires: return ai + " needs " + RequisiteText(error.Detail);
    case Excludes: return ai + " and (" + error.Text + ") cannot stand together";
    case Repeated: return ai + ": given twice with different values";
    case GtinOnly:
        return "Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of a GTIN with its "
               "check digit";
    default: break;
    }
    const std::string part = error.Component > 0 ? ", part " + std::to_string(error.Component) : "";
    return ai + part + ": " + WhatIsWrong(error);
}

TGs1Check CheckGs1(std::string_view bracketed)
{
    TGs1Check check;
    if (bracketed.empty() || bracketed.front() != '(') {
        check.Faults.push_back(SyntaxFault({}, 0));
        return check;
    }
    for (std::size_t at = 0; at < bracketed.size();) {
        const std::string_view ai = AiInBrackets(bracketed, at);
        if (ai.empty()) {
            check.Faults.push_back(BadBrackets(bracketed, at));
            return check;
        }
        const TGs1AiEntry* entry = FindGs1Ai(ai);
        if (entry == nullptr) {
            check.Faults.push_back(ValueFault(ai, 0, UnknownAi, {}));
            return check;
        }
        at += ai.size() + 2;
        std::string value = ValueAt(bracketed, at);
        if (auto fault = CheckValue(ai, *entry, value))
            check.Faults.push_back(std::move(*fault));
        const auto same = std::find_if(check.Elements.begin(), check.Elements.end(),
                                       [&](const TGs1Element& element) { return element.Ai == ai; });
        if (same == check.Elements.end())
            check.Elements.push_back({.Ai = std::string(ai), .Value = std::move(value)});
        else if (same->Value != value)
            check.Faults.push_back(ValueFault(ai, 0, Repeated, {}));
    }
    // AIs whose values are wrong still count as present: their requisites and exclusions hold or not
    // all the same.
    CheckAssociations(check.Elements, check.Faults);
    return check;
}

TGs1Result ParseGs1(std::string_view bracketed)
{
    TGs1Check check = CheckGs1(bracketed);
    if (!check.Faults.empty())
        return Failed(std::move(check.Faults.front()));
    return {.Elements = std::move(check.Elements), .Error = std::nullopt};
}

TGs1Result ParseGtin(std::string_view text)
{
    constexpr std::size_t kGtinDigits = 14;
    if (!text.empty() && text.front() == '(') {
        // A fault of the brackets or of the GTIN itself is told as such; any other AI is not carried.
        TGs1Check check = CheckGs1(text);
        const bool gtinAlone = check.Elements.size() == 1 && check.Elements.front().Ai == "01";
        if (!check.Faults.empty() && (gtinAlone || check.Elements.empty()))
            return Failed(std::move(check.Faults.front()));
        if (gtinAlone)
            return {.Elements = std::move(check.Elements), .Error = std::nullopt};
    } else if (AllDigits(text) &&
               (text.size() == 8 || text.size() == 12 || text.size() == 13 || text.size() == kGtinDigits)) {
        return ParseGs1("(01)" + std::string(kGtinDigits - text.size(), '0') + std::string(text));
    }
    return Failed(Worded({.Fault = GtinOnly}));
}

std::string_view Gs1Title(std::string_view ai)
{
    const TGs1AiEntry* entry = FindGs1Ai(ai);
    return entry == nullptr ? std::string_view() : entry->Title;
}

std::string BracketedText(const std::vector<TGs1Element>& elements)
{
    std::string text;
    for (const TGs1Element& element : elements) {
        text += "(" + element.Ai + ")";
        for (const char c : element.Value)
            text += c == '(' ? std::string(kEscapedBracket) : std::string(1, c);
    }
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
        while (aiLength <= 4 && FindGs1Ai(elementString.substr(at, aiLength)) == nullptr)
            ++aiLength;
        if (aiLength > 4)
            return std::nullopt;
        const std::string_view ai = elementString.substr(at, aiLength);
        const TGs1AiEntry& entry = *FindGs1Ai(ai);
        const std::size_t start = at + aiLength;
        std::size_t end = std::min(elementString.find(kGroupSeparator, start), elementString.size());
        if (entry.PredefinedLength) {
            std::size_t length = 0;
            for (const TGs1Component& part : entry.Parts())
                length += part.MaxLength;
            end = start + length;
        }
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
    const TGs1AiEntry* entry = FindGs1Ai(ai);
    return entry != nullptr && entry->PredefinedLength;
}

} // namespace quillon
