// GS1 data: the bracketed form checked AI by AI and as a whole, the element string built from it and
// read back.
#include <gtest/gtest.h>

#include <string>

#include "label/gs1/Gs1Data.h"

namespace quillon {
namespace {

using enum TGs1Fault;
constexpr char GS = '\x1d';

struct TGoodRow {
    std::string Typed;
    std::string ElementString; // separators only after elements of no predefined length, never last
    std::string Bracketed{};   // as written back, when not as typed
};

TEST(Gs1Data, GoodDataGivesItsElementString)
{
    // Check digits: the GS1 modulo-10 rule worked by hand; 2, 6 and 7 are GS1's own example keys.
    const std::string gtin = "(01)09501101530003";
    const TGoodRow rows[] = {
        {"(01)09501101530003(17)250101(10)ABC123", "0109501101530003"
                                                   "17250101"
                                                   "10ABC123"},
        {"(10)ABC123(21)XYZ(01)09501101530003",
         "10ABC123" + std::string{GS} + "21XYZ" + GS + "0109501101530003"},
        {"(00)106141411234567897", "00106141411234567897"},
        // 4, 5: DD 00 stands for a whole month in (11) to (17); 2024 is a leap year.
        {"(3103)001250(15)251200" + gtin, "3103001250"
                                          "15251200"
                                          "0109501101530003"},
        {"(17)240229(16)250228" + gtin, "17240229"
                                        "16250228"
                                        "0109501101530003"},
        {"(3921)1250(8008)2501011230(30)5" + gtin,
         "39211250" + std::string{GS} + "80082501011230" + GS + "305" + GS + "0109501101530003"},
        {"(253)9501101530010ABC(414)9501101530027",
         "2539501101530010ABC" + std::string{GS} + "4149501101530027"},
        {"(91)a-z!%\"')*+,./:;<=>?_(421)250ABC", "91a-z!%\"')*+,./:;<=>?_" + std::string{GS} + "421250ABC"},
        // Values that hold "(", typed "\(": the element string carries the bracket itself.
        {"(10)A\\(B)(21)\\(" + gtin, "10A(B)" + std::string{GS} + "21(" + GS + "0109501101530003"},
        // Newer AIs of the dictionary, and an AI repeated with the same value, carried once.
        {"(7003)2502281230" + gtin + "(8200)https://example.org/p", "70032502281230" + std::string{GS} +
                                                                        "0109501101530003"
                                                                        "8200https://example.org/p"},
        {gtin + "(10)A(10)A",
         "0109501101530003"
         "10A",
         gtin + "(10)A"},
    };
    for (int line = 1; const TGoodRow& row : rows) {
        SCOPED_TRACE("row " + std::to_string(line++) + ": " + row.Typed);
        const TGs1Result result = ParseGs1(row.Typed);
        ASSERT_FALSE(result.Error) << result.Error->Message;
        EXPECT_EQ(BracketedText(result.Elements), row.Bracketed.empty() ? row.Typed : row.Bracketed);
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
    const std::string gtin = "(01)09501101530003";
    const TBadRow rows[] = {
        {"", Syntax, "GS1 data must start with an AI in brackets, such as (01)"},
        {"01)09501101530003", Syntax, "GS1 data must start with an AI in brackets, such as (01)"},
        {"(1A)x", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(1A)\""},
        {"(01", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(01\""},
        {"(1)5", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(1)\""},
        {"(12345)5", Syntax, "An AI in brackets is 2 to 4 digits, such as (01), not \"(12345)\""},
        {"(23)ABC", UnknownAi, "(23): not an Application Identifier"},
        {"(3106)123456", UnknownAi, "(3106): not an Application Identifier"}, // 310n: n is 0 to 5
        {"(01)09501101530004", CheckDigit, "(01): check digit should be 3"},
        {"(414)9501101530020", CheckDigit, "(414): check digit should be 7"},
        {"(01)0950110153000", Length, "(01): should be 14 digits, not 13"},
        {"(01)0950110153000A", NotDigits, "(01): digits only, not \"A\""},
        {"(30)123456789", TooLong, "(30): too long, at most 8 digits"},
        {"(3912)978", TooShort, "(3912): too short, at least 4 digits"},
        {"(3912)0001", Currency, "(3912), part 1: 000 is not an ISO 4217 currency code"},
        {"(253)95011015300", TooShort, "(253): too short, at least 13 characters"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", TooLong, "(10): too long, at most 20 characters"},
        {"(10)(21)A", Empty, "(10): no data after the AI"},
        {"(10)AB C", Character, "(10): \" \" is not in the GS1 character set"},
        {"(10)Grüße", Character, "(10): \"ü\" is not in the GS1 character set"},
        {"(10)A\x1d"
         "B",
         Character, "(10): the character 29 is not in the GS1 character set"},
        {"(10)A\\B", Character, "(10): \"\\\" is not in the GS1 character set"},
        {"(17)251301", Date, "(17): 251301 is not a date: there is no month 13"},
        {"(17)250230", Date, "(17): 250230 is not a date: there is no 30 February"},
        {"(11)230229", Date, "(11): 230229 is not a date: there is no 29 February in 2023"},
        {"(8008)2501012360", Time, "(8008), part 3: 60 is not a time: there is no minute 60"},
        {"(8008)2501012400", Time, "(8008), part 2: 24 is not a time: there is no hour 24"},
        {"(7003)2502301200", Date, "(7003), part 1: 250230 is not a date: there is no 30 February"},
        {"(401)95", CompanyPrefix, "(401): 95 does not hold a GS1 Company Prefix"},
        {"(423)25027", Length, "(423), part 2: should be 3 digits, not 2"},
        {"(8010)95011ab", Character, "(8010): \"a\" is not in the GS1 character set 39"},
        {"(10)A(21)B(10)C" + gtin, Repeated, "(10): given twice with different values"},
        // The AIs as a whole: requisites and exclusions.
        {"(10)ABC", Requires, "(10) needs one of (01), (02), (03), (8006), (8026)"},
        {"(22)ABC", Requires, "(22) needs (01)"},
        {"(7004)12" + gtin, Requires, "(7004) needs (01) with (10)"},
        {"(3922)1250" + gtin, Requires, "(3922) needs one of (30), (31nn), (32nn), (35nn), (36nn)"},
        {gtin + "(02)09501101530003(37)5", Excludes, "(01) and (02) cannot stand together"},
        {gtin + "(37)5", Excludes, "(01) and (37) cannot stand together"},
        {"(3900)5(3901)6(8020)A(415)9501101530027", Excludes, "(3900) and (3901) cannot stand together"},
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

TEST(Gs1Data, EveryFaultIsListedNotOnlyTheFirst)
{
    const TGs1Check check = CheckGs1("(17)250230(10)AB C(22)X");
    std::vector<std::string> messages;
    for (const TGs1Error& fault : check.Faults)
        messages.push_back(fault.Message);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "(17): 250230 is not a date: there is no 30 February",
                            "(10): \" \" is not in the GS1 character set",
                            "(17) needs one of (01), (02), (03), (255), (8006), (8026)",
                            "(10) needs one of (01), (02), (03), (8006), (8026)",
                            "(22) needs (01)",
                        }));
}

TEST(Gs1Data, LargeInputIsRefusedWithTheAiAtFault)
{
    EXPECT_EQ(ParseGs1("(10)" + std::string(10'000, 'A')).Error->Message,
              "(10): too long, at most 20 characters");
    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "(91)" + std::to_string(i);
    EXPECT_EQ(ParseGs1(hundred).Error->Message, "(91): given twice with different values");
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
