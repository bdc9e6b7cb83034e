// The GS1 linters: check digits and characters, company prefixes, dates and times, ISO code lists,
// IBAN, percent-encoding, coordinates, sequences and the North American coupon codes.
#include "label/gs1/Gs1Linters.h"

#include <algorithm>
#include <chrono>

#include "barcode/CheckDigits.h"

namespace quillon {
namespace {

using enum TGs1Fault;

struct TCountry {
    std::string_view Numeric;
    std::string_view Alpha2;
};

// ISO 3166-1: every country's numeric and alpha-2 code, by numeric code.
constexpr TCountry kCountries[] = {
    {"004", "AF"}, {"008", "AL"}, {"010", "AQ"}, {"012", "DZ"}, {"016", "AS"}, {"020", "AD"}, {"024", "AO"},
    {"028", "AG"}, {"031", "AZ"}, {"032", "AR"}, {"036", "AU"}, {"040", "AT"}, {"044", "BS"}, {"048", "BH"},
    {"050", "BD"}, {"051", "AM"}, {"052", "BB"}, {"056", "BE"}, {"060", "BM"}, {"064", "BT"}, {"068", "BO"},
    {"070", "BA"}, {"072", "BW"}, {"074", "BV"}, {"076", "BR"}, {"084", "BZ"}, {"086", "IO"}, {"090", "SB"},
    {"092", "VG"}, {"096", "BN"}, {"100", "BG"}, {"104", "MM"}, {"108", "BI"}, {"112", "BY"}, {"116", "KH"},
    {"120", "CM"}, {"124", "CA"}, {"132", "CV"}, {"136", "KY"}, {"140", "CF"}, {"144", "LK"}, {"148", "TD"},
    {"152", "CL"}, {"156", "CN"}, {"158", "TW"}, {"162", "CX"}, {"166", "CC"}, {"170", "CO"}, {"174", "KM"},
    {"175", "YT"}, {"178", "CG"}, {"180", "CD"}, {"184", "CK"}, {"188", "CR"}, {"191", "HR"}, {"192", "CU"},
    {"196", "CY"}, {"203", "CZ"}, {"204", "BJ"}, {"208", "DK"}, {"212", "DM"}, {"214", "DO"}, {"218", "EC"},
    {"222", "SV"}, {"226", "GQ"}, {"231", "ET"}, {"232", "ER"}, {"233", "EE"}, {"234", "FO"}, {"238", "FK"},
    {"239", "GS"}, {"242", "FJ"}, {"246", "FI"}, {"248", "AX"}, {"250", "FR"}, {"254", "GF"}, {"258", "PF"},
    {"260", "TF"}, {"262", "DJ"}, {"266", "GA"}, {"268", "GE"}, {"270", "GM"}, {"275", "PS"}, {"276", "DE"},
    {"288", "GH"}, {"292", "GI"}, {"296", "KI"}, {"300", "GR"}, {"304", "GL"}, {"308", "GD"}, {"312", "GP"},
    {"316", "GU"}, {"320", "GT"}, {"324", "GN"}, {"328", "GY"}, {"332", "HT"}, {"334", "HM"}, {"336", "VA"},
    {"340", "HN"}, {"344", "HK"}, {"348", "HU"}, {"352", "IS"}, {"356", "IN"}, {"360", "ID"}, {"364", "IR"},
    {"368", "IQ"}, {"372", "IE"}, {"376", "IL"}, {"380", "IT"}, {"384", "CI"}, {"388", "JM"}, {"392", "JP"},
    {"398", "KZ"}, {"400", "JO"}, {"404", "KE"}, {"408", "KP"}, {"410", "KR"}, {"414", "KW"}, {"417", "KG"},
    {"418", "LA"}, {"422", "LB"}, {"426", "LS"}, {"428", "LV"}, {"430", "LR"}, {"434", "LY"}, {"438", "LI"},
    {"440", "LT"}, {"442", "LU"}, {"446", "MO"}, {"450", "MG"}, {"454", "MW"}, {"458", "MY"}, {"462", "MV"},
    {"466", "ML"}, {"470", "MT"}, {"474", "MQ"}, {"478", "MR"}, {"480", "MU"}, {"484", "MX"}, {"492", "MC"},
    {"496", "MN"}, {"498", "MD"}, {"499", "ME"}, {"500", "MS"}, {"504", "MA"}, {"508", "MZ"}, {"512", "OM"},
    {"516", "NA"}, {"520", "NR"}, {"524", "NP"}, {"528", "NL"}, {"531", "CW"}, {"533", "AW"}, {"534", "SX"},
    {"535", "BQ"}, {"540", "NC"}, {"548", "VU"}, {"554", "NZ"}, {"558", "NI"}, {"562", "NE"}, {"566", "NG"},
    {"570", "NU"}, {"574", "NF"}, {"578", "NO"}, {"580", "MP"}, {"581", "UM"}, {"583", "FM"}, {"584", "MH"},
    {"585", "PW"}, {"586", "PK"}, {"591", "PA"}, {"598", "PG"}, {"600", "PY"}, {"604", "PE"}, {"608", "PH"},
    {"612", "PN"}, {"616", "PL"}, {"620", "PT"}, {"624", "GW"}, {"626", "TL"}, {"630", "PR"}, {"634", "QA"},
    {"638", "RE"}, {"642", "RO"}, {"643", "RU"}, {"646", "RW"}, {"652", "BL"}, {"654", "SH"}, {"659", "KN"},
    {"660", "AI"}, {"662", "LC"}, {"663", "MF"}, {"666", "PM"}, {"670", "VC"}, {"674", "SM"}, {"678", "ST"},
    {"682", "SA"}, {"686", "SN"}, {"688", "RS"}, {"690", "SC"}, {"694", "SL"}, {"702", "SG"}, {"703", "SK"},
    {"704", "VN"}, {"705", "SI"}, {"706", "SO"}, {"710", "ZA"}, {"716", "ZW"}, {"724", "ES"}, {"728", "SS"},
    {"729", "SD"}, {"732", "EH"}, {"740", "SR"}, {"744", "SJ"}, {"748", "SZ"}, {"752", "SE"}, {"756", "CH"},
    {"760", "SY"}, {"762", "TJ"}, {"764", "TH"}, {"768", "TG"}, {"772", "TK"}, {"776", "TO"}, {"780", "TT"},
    {"784", "AE"}, {"788", "TN"}, {"792", "TR"}, {"795", "TM"}, {"796", "TC"}, {"798", "TV"}, {"800", "UG"},
    {"804", "UA"}, {"807", "MK"}, {"818", "EG"}, {"826", "GB"}, {"831", "GG"}, {"832", "JE"}, {"833", "IM"},
    {"834", "TZ"}, {"840", "US"}, {"850", "VI"}, {"854", "BF"}, {"858", "UY"}, {"860", "UZ"}, {"862", "VE"},
    {"876", "WF"}, {"882", "WS"}, {"887", "YE"}, {"894", "ZM"},
};
static_assert(std::size(kCountries) == 249, "ISO 3166-1 lists 249 countries");

// ISO 4217: the numeric codes of the currencies and funds in use.
constexpr std::string_view kCurrencies[] = {
    "008", "012", "032", "036", "044", "048", "050", "051", "052", "060", "064", "068", "072", "084",
    "090", "096", "104", "108", "116", "124", "132", "136", "144", "152", "156", "170", "174", "188",
    "192", "203", "208", "214", "222", "230", "232", "238", "242", "262", "270", "292", "320", "324",
    "328", "332", "340", "344", "348", "352", "356", "360", "364", "368", "376", "388", "392", "398",
    "400", "404", "408", "410", "414", "417", "418", "422", "426", "430", "434", "446", "454", "458",
    "462", "480", "484", "496", "498", "504", "512", "516", "524", "532", "533", "548", "554", "558",
    "566", "578", "586", "590", "598", "600", "604", "608", "634", "643", "646", "654", "682", "690",
    "694", "702", "704", "706", "710", "728", "748", "752", "756", "760", "764", "776", "780", "784",
    "788", "800", "807", "818", "826", "834", "840", "858", "860", "882", "886", "901", "924", "925",
    "926", "927", "928", "929", "930", "931", "932", "933", "934", "936", "938", "940", "941", "943",
    "944", "946", "947", "948", "949", "950", "951", "952", "953", "955", "956", "957", "958", "959",
    "960", "961", "962", "963", "964", "965", "967", "968", "969", "970", "971", "972", "973", "975",
    "976", "977", "978", "979", "980", "981", "984", "985", "986", "990", "994", "997", "999",
};

struct TIbanCountry {
    std::string_view Country;
    int Length = 0;
};

// ISO 13616: the IBAN's length in each country of the IBAN registry.
constexpr TIbanCountry kIbanLengths[] = {
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22},
    {"BH", 22}, {"BI", 27}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24},
    {"DE", 22}, {"DJ", 27}, {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18},
    {"FK", 18}, {"FO", 18}, {"FR", 27}, {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27},
    {"GT", 28}, {"HN", 28}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26},
    {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20}, {"LB", 28}, {"LC", 32}, {"LI", 21}, {"LT", 20},
    {"LU", 20}, {"LV", 21}, {"LY", 25}, {"MC", 27}, {"MD", 24}, {"ME", 22}, {"MK", 19}, {"MN", 20},
    {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NI", 28}, {"NL", 18}, {"NO", 15}, {"OM", 23}, {"PK", 24},
    {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"RU", 33}, {"SA", 24},
    {"SC", 31}, {"SD", 18}, {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"SO", 23}, {"ST", 25},
    {"SV", 28}, {"TL", 23}, {"TN", 24}, {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20},
    {"YE", 30},
};

// UN/ECE Recommendation 21 package type codes, and GS1's pallet codes added to them (the GS1 code list
// PackageTypeCode).
constexpr std::string_view kPackageTypes[] = {
    "1A",  "1B", "1D", "1F", "1G", "1W", "200", "201", "202", "203", "204", "205", "206", "210", "211", "212",
    "213", "2C", "3A", "3H", "43", "44", "4A",  "4B",  "4C",  "4D",  "4F",  "4G",  "4H",  "5H",  "5L",  "5M",
    "6H",  "6P", "7A", "7B", "8A", "8B", "8C",  "AA",  "AB",  "AC",  "AD",  "AE",  "AF",  "AG",  "AH",  "AI",
    "AJ",  "AL", "AM", "AP", "AT", "AV", "B4",  "BA",  "BB",  "BC",  "BD",  "BE",  "BF",  "BG",  "BH",  "BI",
    "BJ",  "BK", "BL", "BM", "BN", "BO", "BP",  "BQ",  "BR",  "BS",  "BT",  "BU",  "BV",  "BW",  "BX",  "BY",
    "BZ",  "CA", "CB", "CC", "CD", "CE", "CF",  "CG",  "CH",  "CI",  "CJ",  "CK",  "CL",  "CM",  "CN",  "CO",
    "CP",  "CQ", "CR", "CS", "CT", "CU", "CV",  "CW",  "CX",  "CY",  "CZ",  "DA",  "DB",  "DC",  "DG",  "DH",
    "DI",  "DJ", "DK", "DL", "DM", "DN", "DP",  "DR",  "DS",  "DT",  "DU",  "DV",  "DW",  "DX",  "DY",  "EC",
    "ED",  "EE", "EF", "EG", "EH", "EI", "EN",  "FB",  "FC",  "FD",  "FE",  "FI",  "FL",  "FO",  "FP",  "FR",
    "FT",  "FW", "FX", "GB", "GI", "GL", "GR",  "GU",  "GY",  "GZ",  "HA",  "HB",  "HC",  "HG",  "HN",  "HR",
    "IA",  "IB", "IC", "ID", "IE", "IF", "IG",  "IH",  "IK",  "IL",  "IN",  "IZ",  "JB",  "JC",  "JG",  "JR",
    "JT",  "JY", "KG", "KI", "LE", "LG", "LT",  "LU",  "LV",  "LZ",  "MA",  "MB",  "MC",  "ME",  "MR",  "MS",
    "MT",  "MW", "MX", "NA", "NE", "NF", "NG",  "NS",  "NT",  "NU",  "NV",  "OA",  "OB",  "OC",  "OD",  "OE",
    "OF",  "OK", "OT", "OU", "P2", "PA", "PB",  "PC",  "PD",  "PE",  "PF",  "PG",  "PH",  "PI",  "PJ",  "PK",
    "PL",  "PN", "PO", "PP", "PR", "PT", "PU",  "PV",  "PX",  "PY",  "PZ",  "QA",  "QB",  "QC",  "QD",  "QF",
    "QG",  "QH", "QJ", "QK", "QL", "QM", "QN",  "QP",  "QQ",  "QR",  "QS",  "RD",  "RG",  "RJ",  "RK",  "RL",
    "RO",  "RT", "RZ", "SA", "SB", "SC", "SD",  "SE",  "SH",  "SI",  "SK",  "SL",  "SM",  "SO",  "SP",  "SS",
    "ST",  "SU", "SV", "SW", "SX", "SY", "SZ",  "T1",  "TB",  "TC",  "TD",  "TE",  "TG",  "TI",  "TK",  "TL",
    "TN",  "TO", "TR", "TS", "TT", "TU", "TV",  "TW",  "TY",  "TZ",  "UC",  "UN",  "VA",  "VG",  "VI",  "VK",
    "VL",  "VN", "VO", "VP", "VQ", "VR", "VS",  "VY",  "WA",  "WB",  "WC",  "WD",  "WF",  "WG",  "WH",  "WJ",
    "WK",  "WL", "WM", "WN", "WP", "WQ", "WR",  "WS",  "WT",  "WU",  "WV",  "WW",  "WX",  "WY",  "WZ",  "XA",
    "XB",  "XC", "XD", "XF", "XG", "XH", "XJ",  "XK",  "YA",  "YB",  "YC",  "YD",  "YF",  "YG",  "YH",  "YJ",
    "YK",  "YL", "YM", "YN", "YP", "YQ", "YR",  "YS",  "YT",  "YV",  "YW",  "YX",  "YY",  "YZ",  "ZA",  "ZB",
    "ZC",  "ZD", "ZF", "ZG", "ZH", "ZJ", "ZK",  "ZL",  "ZM",  "ZN",  "ZP",  "ZQ",  "ZR",  "ZS",  "ZT",  "ZU",
    "ZV",  "ZW", "ZX", "ZY", "ZZ",
};

// The GS1 character set 82 in its own order, which gives each character its value in the check
// character pair; and the set of 32 the pair is written in (GS1 GenSpecs, 7.9.5).
constexpr std::string_view kCset82 = "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_"
                                     "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kCset32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kCheckPairPrimes[] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                                    41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83};

// The importer index of AI (7040): one of 64 characters (EU tobacco traceability).
constexpr std::string_view kImporterIndexes =
    "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

constexpr std::string_view kMonthNames[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};

// The shortest GS1 Company Prefix.
constexpr std::size_t kLeastCompanyPrefix = 4;

using TResult = std::optional<TGs1LintFault>;

TResult Fault(TGs1Fault fault, std::string detail = {})
{
    return TGs1LintFault{.Fault = fault, .Detail = std::move(detail)};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

int Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

template <class Range> bool Contains(const Range& range, std::string_view code)
{
    return std::find(std::begin(range), std::end(range), code) != std::end(range);
}

int CurrentYear()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<int>(std::chrono::year_month_day(today).year());
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Year, month and day: `dayMayBeZero` lets DD be 00, "the month as a whole".
TResult CheckDate(int year, int month, int day, bool dayMayBeZero)
{
    if (month < 1 || month > 12)
        return Fault(Date, "there is no month " + std::to_string(month));
    if (day == 0)
        return dayMayBeZero ? std::nullopt : Fault(Date, "there is no day 00");
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::string name(kMonthNames[month - 1]);
    if (day > kDays[month - 1])
        return Fault(Date, "there is no " + std::to_string(day) + " " + name);
    if (month == 2 && day == 29 && !IsLeapYear(year))
        return Fault(Date, "there is no 29 February in " + std::to_string(year));
    return std::nullopt;
}

TResult ShortDate(std::string_view digits, bool dayMayBeZero)
{
    return CheckDate(Gs1FullYear(Number(digits.substr(0, 2)), CurrentYear()), Number(digits.substr(2, 2)),
                     Number(digits.substr(4, 2)), dayMayBeZero);
}

TResult LongDate(std::string_view digits, bool dayMayBeZero)
{
    return CheckDate(Number(digits.substr(0, 4)), Number(digits.substr(4, 2)), Number(digits.substr(6, 2)),
                     dayMayBeZero);
}

TResult TimePart(std::string_view digits, std::string_view unit, int limit)
{
    const int value = Number(digits);
    if (value >= limit)
        return Fault(Time, "there is no " + std::string(unit) + " " + std::string(digits));
    return std::nullopt;
}

TResult HourAndMinute(std::string_view digits)
{
    if (auto fault = TimePart(digits.substr(0, 2), "hour", 24))
        return fault;
    return TimePart(digits.substr(2, 2), "minute", 60);
}

TResult ModuloTenCheck(std::string_view digits)
{
    const char expected = AppendModulo10(digits.substr(0, digits.size() - 1)).back();
    return digits.back() == expected ? std::nullopt : Fault(CheckDigit, std::string(1, expected));
}

TResult CheckCharacterPair(std::string_view text)
{
    if (text.size() < 2)
        return Fault(CheckCharacters, "two check characters");
    const std::string expected = Gs1CheckCharacterPair(text.substr(0, text.size() - 2));
    return text.substr(text.size() - 2) == expected ? std::nullopt : Fault(CheckCharacters, expected);
}

TResult CompanyPrefixAt(std::string_view text, std::size_t position)
{
    if (text.size() < position + kLeastCompanyPrefix ||
        !AllDigits(text.substr(position, kLeastCompanyPrefix)))
        return Fault(CompanyPrefix, position == 0 ? "" : "after its first digit");
    return std::nullopt;
}

TResult CountryCode(std::string_view code, bool allow999)
{
    if (allow999 && code == "999")
        return std::nullopt;
    const bool known = std::any_of(std::begin(kCountries), std::end(kCountries),
                                   [&](const TCountry& country) { return country.Numeric == code; });
    return known ? std::nullopt : Fault(TGs1Fault::Country);
}

TResult CountryList(std::string_view codes)
{
    if (codes.empty() || codes.size() % 3 != 0)
        return Fault(TGs1Fault::Country);
    for (std::size_t at = 0; at < codes.size(); at += 3)
        if (auto fault = CountryCode(codes.substr(at, 3), false))
            return fault;
    return std::nullopt;
}

TResult CountryAlpha2(std::string_view code)
{
    const bool known = std::any_of(std::begin(kCountries), std::end(kCountries),
                                   [&](const TCountry& country) { return country.Alpha2 == code; });
    return known ? std::nullopt : Fault(TGs1Fault::Country);
}

// ISO 13616: country, two check digits, then the account in capitals and digits, of the country's
// length; moved to the end and read as a number, modulo 97 gives 1.
TResult IbanCheck(std::string_view iban)
{
    const auto capitalOrDigit = [](char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z'); };
    if (!std::all_of(iban.begin(), iban.end(), capitalOrDigit))
        return Fault(Iban, "capitals and digits only");
    const auto country =
        std::find_if(std::begin(kIbanLengths), std::end(kIbanLengths),
                     [&](const TIbanCountry& entry) { return iban.substr(0, 2) == entry.Country; });
    if (iban.size() < 4 || country == std::end(kIbanLengths))
        return Fault(Iban, "no IBAN country");
    if (static_cast<int>(iban.size()) != country->Length)
        return Fault(Iban, std::string(country->Country) + " IBANs have " + std::to_string(country->Length) +
                               " characters");
    if (!AllDigits(iban.substr(2, 2)))
        return Fault(Iban, "its check digits are not digits");
    const std::string moved = std::string(iban.substr(4)) + std::string(iban.substr(0, 4));
    int remainder = 0;
    for (const char c : moved) {
        const int value = IsDigit(c) ? c - '0' : c - 'A' + 10;
        remainder = (value >= 10 ? remainder * 100 : remainder * 10) + value;
        remainder %= 97;
    }
    return remainder == 1 ? std::nullopt : Fault(Iban, "its check digits do not hold");
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

TResult PercentEncoded(std::string_view text)
{
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 3))
        if (at + 2 >= text.size() || !IsHexDigit(text[at + 1]) || !IsHexDigit(text[at + 2]))
            return Fault(PercentEncoding);
    return std::nullopt;
}

// Degrees plus 90 (latitude) or 180 (longitude), times 10^7, in ten digits.
TResult CoordinateWithin(std::string_view digits, long long most, std::string_view what)
{
    long long value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value <= most ? std::nullopt : Fault(TGs1Fault::Coordinate, std::string(what));
}

TResult OneOf(std::string_view text, std::string_view allowed, std::string_view list)
{
    return text.size() == 1 && allowed.find(text[0]) != std::string_view::npos
               ? std::nullopt
               : Fault(CodeList, std::string(list));
}

// "n/m": position n of a sequence of m, both 1 to 9.
TResult PositionInSequence(std::string_view text)
{
    if (text.size() != 3 || text[1] != '/' || !IsDigit(text[0]) || !IsDigit(text[2]))
        return Fault(Sequence, "not a position such as 1/2");
    if (text[0] == '0' || text[2] == '0' || text[0] > text[2])
        return Fault(Sequence, "position " + std::string(1, text[0]) + " of " + std::string(1, text[2]));
    return std::nullopt;
}

// Two digits of piece, two of total: 01 to the total.
TResult PieceOfTotal(std::string_view digits)
{
    const int piece = Number(digits.substr(0, 2)), total = Number(digits.substr(2, 2));
    if (piece == 0 || total == 0 || piece > total)
        return Fault(Sequence, "piece " + std::to_string(piece) + " of " + std::to_string(total));
    return std::nullopt;
}

// The GS1 North American coupon codes: digits read field by field, some fields' lengths given by a
// variable length indicator (VLI) before them. Reads fail past the end or on a value not allowed.
class TCouponReader {
public:
    explicit TCouponReader(std::string_view text) : FText(text) {}

    bool AtEnd() const { return FAt >= FText.size(); }
    std::optional<std::string_view> Field(std::size_t length)
    {
        if (FAt + length > FText.size())
            return std::nullopt;
        const std::string_view field = FText.substr(FAt, length);
        FAt += length;
        return field;
    }
    // One digit, which must be among `allowed`.
    std::optional<int> Digit(std::string_view allowed)
    {
        const auto field = Field(1);
        if (!field || allowed.find((*field)[0]) == std::string_view::npos)
            return std::nullopt;
        return (*field)[0] - '0';
    }
    // A VLI among `allowed` and the field of `base` + VLI digits after it.
    bool Sized(std::string_view allowed, std::size_t base)
    {
        const auto vli = Digit(allowed);
        return vli && Field(base + static_cast<std::size_t>(*vli));
    }

private:
    std::string_view FText;
    std::size_t FAt = 0;
};

TResult NotACoupon(std::string what)
{
    return Fault(Coupon, std::move(what));
}

// A second or third qualifying purchase: requirement, its code, family, and company prefix (VLI 9: none).
bool QualifyingPurchase(TCouponReader& reader)
{
    if (!reader.Sized("12345", 0) || !reader.Digit("012349") || !reader.Field(3))
        return false;
    const auto vli = reader.Digit("01234569");
    return vli && (*vli == 9 || reader.Field(6 + static_cast<std::size_t>(*vli)));
}

// AI (8110): company prefix, offer code, save value, primary purchase; then optional fields, each after
// its indicator digit, in ascending order.
TResult CouponCode(std::string_view text)
{
    if (!AllDigits(text))
        return NotACoupon("digits only");
    TCouponReader reader(text);
    if (!reader.Sized("0123456", 6) || !reader.Field(6))
        return NotACoupon("no company prefix and offer code");
    if (!reader.Sized("12345", 0) || !reader.Sized("12345", 0) || !reader.Digit("012349") || !reader.Field(3))
        return NotACoupon("no save value and primary purchase");
    char last = '0';
    std::optional<int> expiry, start;
    while (!reader.AtEnd()) {
        const auto indicator = reader.Field(1);
        if ((*indicator)[0] <= last)
            return NotACoupon("field " + std::string(*indicator) + " out of order");
        last = (*indicator)[0];
        bool read = false;
        switch (last) {
        case '1': read = reader.Digit("0123") && QualifyingPurchase(reader); break;
        case '2': read = QualifyingPurchase(reader); break;
        case '3':
        case '4': {
            const auto date = reader.Field(6);
            read = date && !ShortDate(*date, false);
            if (read)
                (last == '3' ? expiry : start) = Number(*date);
            break;
        }
        case '5': read = reader.Sized("0123456789", 6); break;
        case '6': read = reader.Sized("1234567", 6); break;
        case '9':
            read = reader.Digit("01256") && reader.Digit("012") && reader.Field(1) && reader.Digit("01");
            break;
        default: return NotACoupon("no field " + std::string(*indicator));
        }
        if (!read)
            return NotACoupon("field " + std::string(1, last) + " is cut short or holds a value not allowed");
    }
    if (expiry && start && *start > *expiry)
        return NotACoupon("it starts after it expires");
    return std::nullopt;
}

// AI (8112), a paperless coupon: format, funder, offer code and serial number, nothing after.
TResult PositiveOfferCoupon(std::string_view text)
{
    if (!AllDigits(text))
        return NotACoupon("digits only");
    TCouponReader reader(text);
    if (!reader.Digit("01") || !reader.Sized("0123456", 6) || !reader.Field(6) ||
        !reader.Sized("0123456789", 6))
        return NotACoupon("not a coupon format, funder, offer code and serial number");
    return reader.AtEnd() ? std::nullopt : NotACoupon("more after its serial number");
}

using TLinterFunction = TResult (*)(std::string_view);

// In kGs1LinterNames order.
constexpr TLinterFunction kLinters[] = {
    [](std::string_view) -> TResult { return std::nullopt; },
    [](std::string_view t) { return ModuloTenCheck(t); },
    [](std::string_view t) { return CheckCharacterPair(t); },
    [](std::string_view t) { return CompanyPrefixAt(t, 0); },
    [](std::string_view t) { return CompanyPrefixAt(t, 1); },
    [](std::string_view t) { return ShortDate(t, true); },
    [](std::string_view t) { return ShortDate(t, false); },
    [](std::string_view t) { return LongDate(t, true); },
    [](std::string_view t) { return LongDate(t, false); },
    [](std::string_view t) { return HourAndMinute(t); },
    [](std::string_view t) { return TimePart(t, "hour", 24); },
    [](std::string_view t) { return TimePart(t, "minute", 60); },
    [](std::string_view t) { return TimePart(t, "second", 60); },
    [](std::string_view t) { return CountryCode(t, false); },
    [](std::string_view t) { return CountryCode(t, true); },
    [](std::string_view t) { return CountryAlpha2(t); },
    [](std::string_view t) { return CountryList(t); },
    [](std::string_view t) { return Contains(kCurrencies, t) ? std::nullopt : Fault(Currency); },
    [](std::string_view t) { return IbanCheck(t); },
    [](std::string_view t) { return PercentEncoded(t); },
    [](std::string_view t) { return CoordinateWithin(t, 1'800'000'000, "latitude"); },
    [](std::string_view t) { return CoordinateWithin(t, 3'599'999'999, "longitude"); },
    [](std::string_view t) { return OneOf(t, "01", "yes or no (0 or 1)"); },
    [](std::string_view t) { return OneOf(t, "-", "a hyphen"); },
    [](std::string_view t) { return OneOf(t, kImporterIndexes, "an importer index"); },
    [](std::string_view t) {
        return Contains(kPackageTypes, t) ? std::nullopt : Fault(CodeList, "a package type");
    },
    [](std::string_view t) {
        const int code = t.size() == 2 && AllDigits(t) ? Number(t) : 0;
        return (code >= 1 && code <= 10) || code >= 80 ? std::nullopt : Fault(CodeList, "an AIDC media type");
    },
    [](std::string_view t) { return OneOf(t, "0129", "a sex code of ISO 5218 (0, 1, 2 or 9)"); },
    [](std::string_view t) { return PositionInSequence(t); },
    [](std::string_view t) {
        return AllDigits(t) && Number(t) == 0 ? Fault(Zero, "must not be zero") : std::nullopt;
    },
    [](std::string_view t) { return OneOf(t, "019", "a winding direction (0, 1 or 9)"); },
    [](std::string_view t) { return t == "0" ? std::nullopt : Fault(Zero, "must be 0"); },
    [](std::string_view t) { return PieceOfTotal(t); },
    [](std::string_view t) { return t.size() > 1 && t[0] == '0' ? Fault(ZeroPrefix) : std::nullopt; },
    [](std::string_view t) { return AllDigits(t) ? Fault(NoNonDigit) : std::nullopt; },
    [](std::string_view t) { return CouponCode(t); },
    [](std::string_view t) { return PositiveOfferCoupon(t); },
};
static_assert(std::size(kLinters) == kGs1LinterNames.size(), "one linter function per name, in order");

} // namespace

int Gs1FullYear(int yy, int currentYear)
{
    const int century = currentYear / 100 * 100;
    const int difference = yy - currentYear % 100;
    if (difference >= 51)
        return century - 100 + yy;
    if (difference <= -50)
        return century + 100 + yy;
    return century + yy;
}

std::string Gs1CheckCharacterPair(std::string_view body)
{
    int sum = 0;
    std::size_t weight = 0;
    for (auto c = body.rbegin(); c != body.rend(); ++c, ++weight) {
        const std::size_t value = kCset82.find(*c);
        sum += static_cast<int>(value == std::string_view::npos ? 0 : value) *
               kCheckPairPrimes[weight % std::size(kCheckPairPrimes)];
    }
    sum %= 1021;
    return {kCset32[static_cast<std::size_t>(sum / 32)], kCset32[static_cast<std::size_t>(sum % 32)]};
}

std::optional<TGs1LintFault> Lint(TGs1Linter linter, std::string_view component)
{
    const auto index = static_cast<std::size_t>(linter);
    return index < std::size(kLinters) ? kLinters[index](component) : std::nullopt;
}

} // namespace quillon
