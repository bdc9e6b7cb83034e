// The GS1 linters, each on values worked from the GS1 GenSpecs and the ISO code lists.
#include <gtest/gtest.h>

#include <string>

#include "label/gs1/Gs1Linters.h"
#include "label/gs1/Gs1Table.h"

namespace quillon {
namespace {

using enum TGs1Fault;

struct TLintRow {
    std::string_view Linter;
    std::string Text;
    std::optional<TGs1Fault> Fault; // none: the text passes
    std::string Detail{};
};

TGs1Linter Named(std::string_view name)
{
    for (std::size_t i = 1; i < kGs1LinterNames.size(); ++i)
        if (kGs1LinterNames[i] == name)
            return static_cast<TGs1Linter>(i);
    ADD_FAILURE() << "no linter " << name;
    return kNoLinter;
}

TEST(Gs1Linters, EachRuleAcceptsWhatItShouldAndNamesWhatItRefuses)
{
    const TLintRow rows[] = {
        {"csum", "09501101530003", {}},
        {"csum", "09501101530004", CheckDigit, "3"},
        {"csum", "106141411234567897", {}},
        // The GS1 GenSpecs' GMN example, "2K" its check characters.
        {"csumalpha", "1987654Ad4X4bL5ttr2310c2K", {}},
        {"csumalpha", "1987654Ad4X4bL5ttr2310c2L", CheckCharacters, "2K"},
        {"gcppos1", "9501AB", {}},
        {"gcppos1", "950", CompanyPrefix},
        {"gcppos1", "95A1234", CompanyPrefix},
        {"gcppos2", "09501", {}},
        {"gcppos2", "0950", CompanyPrefix, "after its first digit"},
        // Dates: the day 00 only where it stands for the month; leap years by the Gregorian rule.
        {"yymmd0", "250200", {}},
        {"yymmdd", "250200", Date, "there is no day 00"},
        {"yymmd0", "250230", Date, "there is no 30 February"},
        {"yymmd0", "251301", Date, "there is no month 13"},
        {"yymmd0", "250000", Date, "there is no month 0"},
        {"yymmdd", "240229", {}},
        {"yymmdd", "230229", Date, "there is no 29 February in 2023"},
        {"yymmdd", "250431", Date, "there is no 31 April"},
        {"yymmdd", "251231", {}},
        {"yyyymmdd", "20000229", {}},
        {"yyyymmdd", "19000229", Date, "there is no 29 February in 1900"},
        {"yyyymmd0", "21000200", {}},
        // Times: hours 00 to 23, minutes and seconds 00 to 59.
        {"hhmi", "2359", {}},
        {"hhmi", "2400", Time, "there is no hour 24"},
        {"hhmi", "1260", Time, "there is no minute 60"},
        {"hh", "23", {}},
        {"hh", "24", Time, "there is no hour 24"},
        {"mi", "59", {}},
        {"mi", "60", Time, "there is no minute 60"},
        {"ss", "60", Time, "there is no second 60"},
        {"iso3166", "250", {}},
        {"iso3166", "894", {}},
        {"iso3166", "999", Country},
        {"iso3166", "000", Country},
        {"iso3166999", "999", {}},
        {"iso3166999", "998", Country},
        {"iso3166alpha2", "FR", {}},
        {"iso3166alpha2", "XX", Country},
        {"iso3166list", "250276380", {}},
        {"iso3166list", "25027", Country},
        {"iso4217", "978", {}},
        {"iso4217", "840", {}},
        {"iso4217", "123", Currency},
        {"iban", "GB82WEST12345698765432", {}},
        {"iban", "DE89370400440532013000", {}},
        {"iban", "GB83WEST12345698765432", Iban, "its check digits do not hold"},
        {"iban", "GB82WEST1234569876543", Iban, "GB IBANs have 22 characters"},
        {"iban", "gb82WEST12345698765432", Iban, "capitals and digits only"},
        {"iban", "QQ82WEST12345698765432", Iban, "no IBAN country"},
        {"pcenc", "A%20B%2f", {}},
        {"pcenc", "100%", PercentEncoding},
        {"pcenc", "A%2G", PercentEncoding},
        {"latitude", "1800000000", {}},
        {"latitude", "1800000001", Coordinate, "latitude"},
        {"longitude", "3599999999", {}},
        {"longitude", "3600000000", Coordinate, "longitude"},
        {"yesno", "1", {}},
        {"yesno", "2", CodeList, "yes or no (0 or 1)"},
        {"hyphen", "-", {}},
        {"hyphen", "0", CodeList, "a hyphen"},
        {"importeridx", "_", {}},
        {"importeridx", "!", CodeList, "an importer index"},
        {"packagetype", "PX", {}},
        {"packagetype", "QQQ", CodeList, "a package type"},
        {"mediatype", "10", {}},
        {"mediatype", "11", CodeList, "an AIDC media type"},
        {"mediatype", "80", {}},
        {"iso5218", "9", {}},
        {"iso5218", "3", CodeList, "a sex code of ISO 5218 (0, 1, 2 or 9)"},
        {"posinseqslash", "2/3", {}},
        {"posinseqslash", "4/3", Sequence, "position 4 of 3"},
        {"posinseqslash", "0/3", Sequence, "position 0 of 3"},
        {"pieceoftotal", "0202", {}},
        {"pieceoftotal", "0302", Sequence, "piece 3 of 2"},
        {"pieceoftotal", "0002", Sequence, "piece 0 of 2"},
        {"nonzero", "0001", {}},
        {"nonzero", "0000", Zero, "must not be zero"},
        {"winding", "9", {}},
        {"winding", "2", CodeList, "a winding direction (0, 1 or 9)"},
        {"zero", "0", {}},
        {"zero", "1", Zero, "must be 0"},
        {"nozeroprefix", "0", {}},
        {"nozeroprefix", "120", {}},
        {"nozeroprefix", "012", ZeroPrefix},
        {"hasnondigit", "12A", {}},
        {"hasnondigit", "123", NoNonDigit},
        // Coupons: company prefix (VLI 0: 6 digits), offer code, save value, purchase requirement, code,
        // family; then fields 3 (expiry) and 4 (start) in order.
        {"couponcode", "001234512345615110123", {}},
        {"couponcode", "0012345123456151101233251231", {}},
        {"couponcode", "00123451234561511012332512314250101", {}},
        {"couponcode", "00123451234561511012342501013251231", Coupon, "field 3 out of order"},
        {"couponcode", "0012345123456151101233251301", Coupon,
         "field 3 is cut short or holds a value not allowed"},
        {"couponcode", "00123451234561511012332501014251231", Coupon, "it starts after it expires"},
        {"couponcode", "0012345123456151101237", Coupon, "no field 7"},
        {"couponcode", "70123451234561511012", Coupon, "no company prefix and offer code"},
        {"couponposoffer", "001234561234560123456", {}},
        {"couponposoffer", "2012345123456012345", Coupon,
         "not a coupon format, funder, offer code and serial number"},
        {"couponposoffer", "0012345612345601234567", Coupon, "more after its serial number"},
    };
    for (const TLintRow& row : rows) {
        SCOPED_TRACE(std::string(row.Linter) + " " + row.Text);
        const std::optional<TGs1LintFault> fault = Lint(Named(row.Linter), row.Text);
        ASSERT_EQ(fault.has_value(), row.Fault.has_value()) << (fault ? fault->Detail : "passes");
        if (fault) {
            EXPECT_EQ(fault->Fault, *row.Fault);
            if (!row.Detail.empty()) {
                EXPECT_EQ(fault->Detail, row.Detail);
            }
        }
    }
}

TEST(Gs1Linters, EveryLinterTheDictionaryNamesIsOneTheCodeHas)
{
    // LinterNamed stops the build on a name it lacks; here the names are read back out of the table.
    for (const TGs1AiEntry& entry : Gs1AiTable())
        for (const TGs1Component& part : entry.Parts())
            for (const TGs1Linter linter : part.Linters)
                EXPECT_LT(static_cast<std::size_t>(linter), kGs1LinterNames.size()) << entry.First;
}

TEST(Gs1Linters, TwoDigitYearsFallWithinFiftyYearsOfToday)
{
    const struct {
        int Yy, Today, Year;
    } rows[] = {{26, 2026, 2026}, {76, 2026, 2076}, {77, 2026, 1977}, {0, 2026, 2000},
                {0, 2060, 2100},  {99, 2001, 1999}, {51, 2000, 1951}, {50, 2000, 2050}};
    for (const auto& row : rows)
        EXPECT_EQ(Gs1FullYear(row.Yy, row.Today), row.Year) << row.Yy << " in " << row.Today;
}

} // namespace
} // namespace quillon
