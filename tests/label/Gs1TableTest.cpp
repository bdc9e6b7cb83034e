// The whole AI table: every AI of the dictionary accepted with a value made from its components and
// linters, and refused with a value too long, a character outside its set, or one each linter refuses.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "barcode/CheckDigits.h"
#include "label/gs1/Gs1Data.h"
#include "label/gs1/Gs1Table.h"

namespace quillon {
namespace {

using enum TGs1Fault;

struct TSample {
    std::string_view Linter;
    std::string_view Good;
    std::string_view Bad; // empty: no text of the component's set and length breaks it
};

// A value each linter takes, and one of the same length it refuses.
constexpr TSample kSamples[] = {
    {"yymmd0", "250100", "251301"},
    {"yymmdd", "250101", "250230"},
    {"yyyymmd0", "20250100", "20251301"},
    {"yyyymmdd", "20240229", "20230229"},
    {"hhmi", "2359", "2400"},
    {"hh", "23", "24"},
    {"mi", "59", "60"},
    {"ss", "59", "60"},
    {"iso3166", "250", "000"},
    {"iso3166999", "999", "000"},
    {"iso3166alpha2", "FR", "XX"},
    {"iso3166list", "250", "000"},
    {"iso4217", "978", "000"},
    {"iban", "GB82WEST12345698765432", "GB83WEST12345698765432"},
    {"pcenc", "A%20B", "A%2GB"},
    {"latitude", "1800000000", "1800000001"},
    {"longitude", "3599999999", "3600000000"},
    {"yesno", "1", "2"},
    {"hyphen", "-", "+"},
    {"importeridx", "A", "!"},
    {"packagetype", "PX", "0Q"},
    {"mediatype", "01", "11"},
    {"iso5218", "2", "3"},
    {"posinseqslash", "1/2", "3/2"},
    {"winding", "1", "2"},
    {"zero", "0", "1"},
    {"pieceoftotal", "0102", "0201"},
    {"nozeroprefix", "120", "012"},
    {"couponcode", "001234512345615110123", "701234512345615110123"},
    {"couponposoffer", "001234561234560123456", "201234561234560123456"},
};

const TSample* SampleOf(TGs1Linter linter)
{
    for (const TSample& sample : kSamples)
        if (sample.Linter == NameOf(linter))
            return &sample;
    return nullptr;
}

std::string Repeat(std::string_view pattern, std::size_t length)
{
    std::string text;
    while (text.size() < length)
        text += pattern;
    return text.substr(0, length);
}

// A value of the component's set and length that passes its linters: check digits and characters
// computed, a company prefix's digits first, a code list's sample for the rest.
std::string GoodText(const TGs1Component& part)
{
    const TGs1Linter first = part.Linters[0];
    const std::size_t variable = first == kNoLinter ? 3 : 12;
    const std::size_t length =
        part.FixedLength() ? part.MinLength : std::min<std::size_t>(part.MaxLength, variable);
    const std::string_view name = NameOf(first);
    if (name == "csum")
        return AppendModulo10(Repeat("9501101530", length - 1));
    if (name == "csumalpha") {
        const std::string body = Repeat("9506000AB1", length - 2);
        return body + Gs1CheckCharacterPair(body);
    }
    if (name == "gcppos1" || name == "gcppos2")
        return Repeat("9501101AB", length);
    if (name == "nonzero")
        return Repeat("0", length - 1) + "1";
    if (const TSample* sample = SampleOf(first))
        return std::string(sample->Good);
    return Repeat(part.Cset == TGs1Cset::Numeric ? "123" : "AB1", length);
}

// The same component broken for one of its linters, or "" when none can be within its set and length.
std::string BadText(const TGs1Component& part, const std::string& good)
{
    for (const TGs1Linter linter : part.Linters) {
        const std::string_view name = NameOf(linter);
        std::string bad = good;
        if (name == "csum" || name == "csumalpha")
            bad.back() = bad.back() == '2' ? '3' : '2';
        else if (name == "nonzero")
            bad = Repeat("0", good.size());
        else if ((name == "gcppos1" || name == "gcppos2") && part.Cset != TGs1Cset::Numeric)
            bad = "95A";
        else if (name == "hasnondigit")
            bad = AppendModulo10(Repeat("9501101530", good.size() - 1));
        else if (const TSample* sample = SampleOf(linter))
            bad = sample->Bad;
        if (bad != good)
            return bad;
    }
    return {};
}

std::string GoodValue(const TGs1AiEntry& entry)
{
    std::string value;
    for (const TGs1Component& part : entry.Parts())
        value += GoodText(part);
    return value;
}

std::string Message(const TGs1Check& check)
{
    return check.Faults.empty() ? "no fault" : check.Faults.front().Message;
}

// Every AI of the dictionary, the first and last of each run.
std::vector<std::pair<std::string, const TGs1AiEntry*>> EveryAi()
{
    std::vector<std::pair<std::string, const TGs1AiEntry*>> ais;
    for (const TGs1AiEntry& entry : Gs1AiTable()) {
        ais.emplace_back(std::string(entry.First), &entry);
        if (entry.Last != entry.First)
            ais.emplace_back(std::string(entry.Last), &entry);
    }
    return ais;
}

// The AI with the AIs it requires, and theirs: each requisite the message does not meet yet is met by
// its first alternative.
std::vector<TGs1Element> WithRequisites(const std::string& ai, const TGs1AiEntry& entry)
{
    std::vector<TGs1Element> elements{{.Ai = ai, .Value = GoodValue(entry)}};
    for (std::size_t next = 0; next < elements.size(); ++next) {
        for (const std::string_view requisite : FindGs1Ai(elements[next].Ai)->Requires) {
            const std::vector<TGs1Error> faults = CheckGs1(BracketedText(elements)).Faults;
            const bool unmet = std::any_of(faults.begin(), faults.end(), [&](const TGs1Error& fault) {
                return fault.Fault == Requires && fault.Ai == elements[next].Ai && fault.Detail == requisite;
            });
            if (!unmet)
                continue;
            const std::string_view first = requisite.substr(0, requisite.find(','));
            for (std::size_t at = 0; at <= first.size();) {
                const std::size_t end = std::min(first.find('+', at), first.size());
                std::string needed(first.substr(at, end - at));
                std::replace(needed.begin(), needed.end(), 'n', '0');
                if (std::none_of(elements.begin(), elements.end(),
                                 [&](const TGs1Element& element) { return element.Ai == needed; }))
                    elements.push_back({.Ai = needed, .Value = GoodValue(*FindGs1Ai(needed))});
                at = end + 1;
            }
        }
    }
    return elements;
}

TEST(Gs1Table, NamesTheDictionaryReleaseAndHoldsEveryEntry)
{
    EXPECT_EQ(kGs1DictionaryRelease, "2026-01-27");
    EXPECT_GT(Gs1AiTable().size(), 200U);
    EXPECT_EQ(FindGs1Ai("3106"), nullptr); // 310n: n is 0 to 5
    EXPECT_EQ(FindGs1Ai("23"), nullptr);
    EXPECT_EQ(FindGs1Ai("2350"), nullptr);
    ASSERT_NE(FindGs1Ai("3105"), nullptr);
    EXPECT_EQ(FindGs1Ai("3105")->Title, "NET WEIGHT (kg)");
    EXPECT_EQ(Gs1Title("95"), "INTERNAL");
}

TEST(Gs1Table, EveryAiTakesAGoodValueAndRefusesABadOne)
{
    for (const auto& [ai, entry] : EveryAi()) {
        SCOPED_TRACE("(" + ai + ")");
        const std::string good = GoodValue(*entry);
        const std::vector<TGs1Element> elements = WithRequisites(ai, *entry);
        const TGs1Check check = CheckGs1(BracketedText(elements));
        EXPECT_TRUE(check.Faults.empty()) << BracketedText(elements) << ": " << Message(check);
        EXPECT_EQ(ParseElementString(ElementString(check.Elements)), check.Elements);

        // Too long, and a character outside the set, each named as such.
        const std::string prefix = "(" + ai + ")";
        const std::string tooLong = good + Repeat("1", 91);
        const TGs1Fault longFault = CheckGs1(prefix + tooLong).Faults.at(0).Fault;
        EXPECT_TRUE(longFault == TooLong || longFault == Length) << Message(CheckGs1(prefix + tooLong));
        std::string strange = good;
        strange.front() = entry->Parts()[0].Cset == TGs1Cset::Numeric ? 'A' : ' ';
        const TGs1Fault strangeFault = CheckGs1(prefix + strange).Faults.at(0).Fault;
        EXPECT_TRUE(strangeFault == NotDigits || strangeFault == Character)
            << Message(CheckGs1(prefix + strange));

        // Each linted component broken alone: refused, the fault naming that component.
        std::size_t at = 0;
        for (std::size_t index = 0; index < entry->Parts().size(); ++index) {
            const TGs1Component& part = entry->Parts()[index];
            const std::string text = GoodText(part);
            if (const std::string bad = BadText(part, text); !bad.empty()) {
                const std::string value = good.substr(0, at) + bad + good.substr(at + text.size());
                const TGs1Check broken = CheckGs1(prefix + value);
                ASSERT_FALSE(broken.Faults.empty()) << value;
                EXPECT_EQ(broken.Faults.front().Component, entry->Parts().size() > 1 ? int(index) + 1 : 0)
                    << value << ": " << Message(broken);
            }
            at += text.size();
        }
    }
}

TEST(Gs1Table, PredefinedLengthsAreTheGeneralSpecificationsOnes)
{
    // Element strings of predefined length by their first two digits, AI included (GS1 GenSpecs,
    // figure 7.8.5-1): only these need no separator after them.
    const std::map<std::string, std::size_t> predefined = {
        {"00", 20}, {"01", 16}, {"02", 16}, {"03", 16}, {"04", 18}, {"11", 8}, {"12", 8}, {"13", 8},
        {"14", 8},  {"15", 8},  {"16", 8},  {"17", 8},  {"18", 8},  {"19", 8}, {"20", 4}, {"31", 10},
        {"32", 10}, {"33", 10}, {"34", 10}, {"35", 10}, {"36", 10}, {"41", 16}};
    for (const auto& [ai, entry] : EveryAi()) {
        const auto row = predefined.find(ai.substr(0, 2));
        EXPECT_EQ(HasPredefinedLength(ai), row != predefined.end()) << ai;
        if (row != predefined.end()) {
            EXPECT_EQ(ai.size() + GoodValue(*entry).size(), row->second) << ai;
        }
    }
}

} // namespace
} // namespace quillon
