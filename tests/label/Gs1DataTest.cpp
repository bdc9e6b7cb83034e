// GS1 data: the bracketed form checked AI by AI, the element string built from it and read back.
#include <gtest/gtest.h>

#include <string>

#include "label/Gs1Data.h"

namespace quillon {
namespace {

using enum TGs1Fault;
constexpr char GS = '\x1d';

struct TGoodRow {
    std::string Typed;
    std::string ElementString; // separators only after elements of no predefined length, never last
};

TEST(Gs1Data, GoodDataGivesItsElementString)
{
    // Check digits: the GS1 modulo-10 rule worked by hand; 2, 6 and 7 are GS1's own example keys.
    const TGoodRow rows[] = {
        {"(01)09501101530003(17)250101(10)ABC123", "0109501101530003"
                                                   "17250101"
                                                   "10ABC123"},
        {"(10)ABC123(21)XYZ(01)09501101530003",
         "10ABC123" + std::string{GS} + "21XYZ" + GS + "0109501101530003"},
        {"(00)106141411234567897", "00106141411234567897"},
        // 4, 5: DD 00 stands for a whole month in (11) to (17); 2024 is a leap year.
        {"(3103)001250(15)251200", "3103001250"
                                   "15251200"},
        {"(17)240229(16)250228", "17240229"
                                 "16250228"},
        {"(3921)1250(8008)2501011230", "39211250" + std::string{GS} + "80082501011230"},
        {"(253)9501101530010ABC(414)9501101530027",
         "2539501101530010ABC" + std::string{GS} + "4149501101530027"},
        {"(91)a-z!%\"')*+,./:;<=>?_(421)250ABC", "91a-z!%\"')*+,./:;<=>?_" + std::string{GS} + "421250ABC"},
    };
    for (int line = 1; const TGoodRow& row : rows) {
        SCOPED_TRACE("row " + std::to_string(line++) + ": " + row.Typed);
        const TGs1Result result = ParseGs1(row.Typed);
        ASSERT_FALSE(result.Error) << result.Error->Message;
        EXPECT_EQ(BracketedText(result.Elements), row.Typed);
        EXPECT_EQ(ElementString(result.Elements), row.ElementString);
        EXPECT_EQ(ParseElementString(row.ElementString), result.Elements);
    }
}

struct TBadRow {
    std::string Typed;
    TGs1Fault Fault = Syntax;
    std::string Message;
};

TEST(Gs1Data, EachFaultIsNamedWithItsAi)
{
    const TBadRow rows[] = {
        {"", Syntax, "GS1 data must start with an AI in brackets, such as (01)"},
        {"01)09501101530003", Syntax, "GS1 data must start with an AI in brackets, such as (01)"},
        {"(1A)x", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(1A)\""},
        {"(01", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(01\""},
        {"(23)ABC", UnknownAi, "(23): not an Application Identifier"},
        {"(3106)123456", UnknownAi, "(3106): not an Application Identifier"}, // 310n: n is 0 to 5
        {"(01)09501101530004", CheckDigit, "(01): check digit should be 3"},
        {"(414)9501101530020", CheckDigit, "(414): check digit should be 7"},
        {"(01)0950110153000", Format, "(01): should be 14 digits, not 13"},
        {"(01)0950110153000A", Format, "(01): digits only, not \"A\""},
        {"(30)123456789", Format, "(30): too long, at most 8 digits"},
        {"(3912)978", Format, "(3912): too short, at least 4 digits"},
        {"(253)95011015300", Format, "(253): should start with 13 digits"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", Format, "(10): too long, at most 20 characters"},
        {"(10)(21)A", Format, "(10): no data after the AI"},
        {"(10)AB C", Character, "(10): \" \" is not in the GS1 character set"},
        {"(10)Grüße", Character, "(10): \"ü\" is not in the GS1 character set"},
        {"(10)A\x1d"
         "B",
         Character, "(10): the character 29 is not in the GS1 character set"},
        {"(17)251301", Date, "(17): not a date: 251301"},
        {"(17)250230", Date, "(17): not a date: 250230"},
        {"(11)230229", Date, "(11): not a date: 230229"}, // 2023 is no leap year
        {"(8008)2501012460", Date, "(8008): not a date and time: 2501012460"},
        {"(10)A(21)B(10)C", Repeated, "(10): given twice"},
    };
    for (int line = 1; const TBadRow& row : rows) {
        SCOPED_TRACE("row " + std::to_string(line++) + ": " + row.Typed);
        const TGs1Result result = ParseGs1(row.Typed);
        ASSERT_TRUE(result.Error);
        EXPECT_EQ(result.Error->Fault, row.Fault);
        EXPECT_EQ(result.Error->Message, row.Message);
        EXPECT_TRUE(result.Elements.empty());
    }
}

TEST(Gs1Data, AGtinAloneIsTakenWithItsCheckDigitAndSetRight)
{
    const std::string onlyGtin =
        "Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of "
        "a GTIN with its check digit";
    const struct {
        std::string Typed;
        std::string Gtin14OrMessage;
    } rows[] = {
        {"(01)09501101530003", "09501101530003"},
        {"09501101530003", "09501101530003"},
        {"9501101530003", "09501101530003"}, // an EAN-13, not 13 digits awaiting a check digit
        {"036000291452", "00036000291452"},  // a UPC-A
        {"12345670", "00000012345670"},      // an EAN-8
        {"9501101530004", "(01): check digit should be 3"},
        {"950110153000", "(01): check digit should be 7"},
        {"(01)09501101530003(10)ABC", onlyGtin},
        {"95011015300", onlyGtin},
        {"950110153000A", onlyGtin},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Typed);
        const TGs1Result result = ParseGtin(row.Typed);
        const std::string got = result.Error ? result.Error->Message : result.Elements.at(0).Value;
        EXPECT_EQ(got, row.Gtin14OrMessage);
    }
}

TEST(Gs1Data, ElementStringsThatDoNotDivideIntoAisAreRefused)
{
    for (const std::string& read : {std::string("23ABC"), std::string("01095011015300"), std::string("10"),
                                    std::string("10A") + GS + GS + "21B"})
        EXPECT_FALSE(ParseElementString(read)) << read;
}

} // namespace
} // namespace quillon
