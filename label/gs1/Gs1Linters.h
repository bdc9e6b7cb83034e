// The content checks ("linters") that GS1's Barcode Syntax Dictionary names for the components of AI
// values, written from the GS1 GenSpecs and the ISO code lists they cite. Plain C++.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// What is wrong with GS1 data: the code of a message, worded by Gs1Message (label/gs1/Gs1Data.h).
enum class TGs1Fault : std::uint8_t {
    Syntax,          // not "(AI)value" pairs
    UnknownAi,       // a number in brackets that is no Application Identifier
    Empty,           // no value after the AI
    Length,          // not the length a fixed component has
    TooShort,        // shorter than the components that must be there
    TooLong,         // longer than all components together
    NotDigits,       // something else where digits belong
    Character,       // a character outside the component's GS1 character set
    CheckDigit,      // the check digit of a GTIN, SSCC, GLN, ... does not hold
    Date,            // not a date, or a day the month does not have
    Repeated,        // the same AI twice with different values
    Time,            // not a time of day
    CheckCharacters, // the check character pair of a GMN or MUDI does not hold
    CompanyPrefix,   // no GS1 Company Prefix where one must start
    Country,         // not an ISO 3166 country code
    Currency,        // not an ISO 4217 currency code
    Iban,            // not an IBAN
    PercentEncoding, // a "%" not followed by two hexadecimal digits
    Coordinate,      // a latitude or longitude out of range
    CodeList,        // not one of the codes a GS1 code list allows (Detail names the list)
    Sequence,        // a piece beyond its total, a position beyond its sequence
    Zero,            // a zero where none may be, or not the zero required
    ZeroPrefix,      // a number with a leading zero
    NoNonDigit,      // digits only where a letter is required
    Coupon,          // a coupon code that does not follow the GS1 North American coupon format
    Requires,        // an AI without the AIs it needs
    Excludes,        // two AIs that cannot stand together
    GtinOnly,        // more or other than the GTIN alone that GS1 DataBar Omnidirectional carries
};

// The linters by name, in TGs1Linter order; kGs1LinterNames[0] is no linter.
inline constexpr std::array<std::string_view, 37> kGs1LinterNames{
    "",
    "csum",
    "csumalpha",
    "gcppos1",
    "gcppos2",
    "yymmd0",
    "yymmdd",
    "yyyymmd0",
    "yyyymmdd",
    "hhmi",
    "hh",
    "mi",
    "ss",
    "iso3166",
    "iso3166999",
    "iso3166alpha2",
    "iso3166list",
    "iso4217",
    "iban",
    "pcenc",
    "latitude",
    "longitude",
    "yesno",
    "hyphen",
    "importeridx",
    "packagetype",
    "mediatype",
    "iso5218",
    "posinseqslash",
    "nonzero",
    "winding",
    "zero",
    "pieceoftotal",
    "nozeroprefix",
    "hasnondigit",
    "couponcode",
    "couponposoffer",
};

enum class TGs1Linter : std::uint8_t {};
inline constexpr TGs1Linter kNoLinter{};

// The linter of that name; a name no linter has stops the build where a table is made of names.
consteval TGs1Linter LinterNamed(std::string_view name)
{
    for (std::size_t i = 1; i < kGs1LinterNames.size(); ++i)
        if (kGs1LinterNames[i] == name)
            return static_cast<TGs1Linter>(i);
    throw "the GS1 syntax dictionary names a linter that Gs1Linters.cpp lacks";
}

constexpr std::string_view NameOf(TGs1Linter linter)
{
    return kGs1LinterNames[static_cast<std::size_t>(linter)];
}

// What a linter found wrong: the fault and the argument its message needs ("there is no 30 February",
// the check digit due, the code list's name).
struct TGs1LintFault {
    TGs1Fault Fault = TGs1Fault::Syntax;
    std::string Detail{};
};

// Checks one component's text, already of its character set and length, against a linter.
std::optional<TGs1LintFault> Lint(TGs1Linter linter, std::string_view component);

// The full year of a two-digit GS1 year, by the GS1 rule that keeps it within 49 years before and
// 50 after `currentYear`.
int Gs1FullYear(int yy, int currentYear);

// The GS1 check character pair of a GMN body (the characters before the pair), from the set of 32.
std::string Gs1CheckCharacterPair(std::string_view body);

} // namespace quillon
