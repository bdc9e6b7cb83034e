// The symbol kinds: encoded with libzint, drawn with their quiet zones and read back with ZXing-cpp;
// their options, their names, and every way data can be refused.
#include <gtest/gtest.h>

#include <QTransform>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "label/proof/MatrixReader.h"
#include "tests/label/SymbolImage.h"

namespace quillon {
namespace {

using enum TSymbolKind;
using namespace std::literals;

constexpr TSymbolKind kDataKinds[] = {QRCode, DataMatrix, PDF417, Aztec};
constexpr TSymbolKind kGs1Kinds[] = {GS1_128, GS1_DataMatrix, GS1_QRCode, DataBarExpanded};

std::string AllBytes()
{
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    return bytes;
}

std::string Digits(int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>('0' + i * 7 % 10);
    return digits;
}

TSymbol Encoded(TSymbolKind kind, std::string_view data, const TSymbolOptions& options = {})
{
    TSymbolOutcome outcome = EncodeSymbol(kind, data, options);
    if (const auto* failure = std::get_if<TSymbolFailure>(&outcome))
        ADD_FAILURE() << failure->Message;
    return std::holds_alternative<TSymbol>(outcome) ? std::get<TSymbol>(std::move(outcome)) : TSymbol{};
}

std::optional<TSymbolReading> ReadBack(TSymbolKind kind, const TSymbol& symbol, int turnDegrees = 0)
{
    const QImage image =
        testing::DrawGrid(symbol.Grid, KindInfo(kind), 4).transformed(QTransform().rotate(turnDegrees));
    return ReadSymbol(testing::GreyViewOf(image), kind);
}

struct TRoundTrip {
    TSymbolKind Kind = QRCode;
    std::string Data;
    std::string Reads; // as the reader gives it back, and the human-readable line
    TSymbolOptions Options{};
};

std::vector<TRoundTrip> RoundTrips()
{
    std::vector<TRoundTrip> rows;
    // Text, UTF-8 text as its bytes, every byte from NUL up, and a long run of digits.
    for (const TSymbolKind kind : kDataKinds)
        for (const std::string& data :
             {"https://example.org/a?b=1"s, "Grüße, مرحبا"s, AllBytes(), Digits(300)})
            rows.push_back({kind, data, data});
    // Separators after variable-length elements; a predefined one last (each element string: Gs1DataTest).
    for (const TSymbolKind kind : kGs1Kinds)
        for (const char* data :
             {"(01)09501101530003(17)250101(10)ABC123", "(10)ABC123(21)XYZ(01)09501101530003"})
            rows.push_back({kind, data, data});
    using enum TDataMatrixShape;
    // clang-format off
    rows.insert(rows.end(), {
        {DataBarOmni, "(01)09501101530003", "(01)09501101530003"},
        {DataBarOmni, "9501101530003", "(01)09501101530003"}, // an EAN-13 set right
        {GS1_QRCode, "(01)09501101530003", "(01)09501101530003", {.QrErrorCorrection = TQrErrorCorrection::L}},
        {GS1_QRCode, "(01)09501101530003", "(01)09501101530003", {.QrErrorCorrection = TQrErrorCorrection::H}},
        {DataMatrix, "Quillon 2D", "Quillon 2D", {.DataMatrixShape = Rectangular}},
        {GS1_DataMatrix, "(01)09501101530003", "(01)09501101530003", {.DataMatrixShape = Rectangular}},
        {PDF417, "Quillon PDF417", "Quillon PDF417", {.Pdf417Columns = 1}},
        {PDF417, "Quillon PDF417", "Quillon PDF417", {.Pdf417Columns = 30}},
    });
    // clang-format on
    return rows;
}

TEST(ZintSymbol, EveryKindReadsBackAsItWasEncoded)
{
    for (const TRoundTrip& row : RoundTrips()) {
        SCOPED_TRACE(std::string(KindInfo(row.Kind).Name) + ": " + row.Data.substr(0, 60));
        const TSymbol symbol = Encoded(row.Kind, row.Data, row.Options);
        EXPECT_EQ(symbol.HumanReadable, row.Reads);
        const std::optional<TSymbolReading> reading = ReadBack(row.Kind, symbol);
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->Text, row.Reads);
        EXPECT_TRUE(ReadsAsExpected(*reading, symbol.Expected)) << reading->SymbologyIdentifier;
        if (IsGs1Kind(row.Kind)) {
            EXPECT_EQ(reading->SymbologyIdentifier, KindInfo(row.Kind).Gs1Identifier);
        }
    }
}

TEST(ZintSymbol, OptionsShapeTheSymbol)
{
    const std::string text(100, 'a'); // versions 5, 6, 8 and 10 from L to H
    int previousSize = 0;
    for (const char* level : {"L", "m", "Q", "h"}) {
        const TSymbol symbol =
            Encoded(QRCode, text, {.QrErrorCorrection = *QrErrorCorrectionFromName(level)});
        EXPECT_GT(symbol.Grid.Rows, previousSize) << level; // more correction, a larger version
        previousSize = symbol.Grid.Rows;
        EXPECT_EQ(ReadBack(QRCode, symbol)->ErrorCorrection[0], std::toupper(level[0]));
    }
    const TSymbol square =
        Encoded(DataMatrix, "Quillon 2D", {.DataMatrixShape = *DataMatrixShapeFromName("square")});
    const TSymbol rectangle =
        Encoded(DataMatrix, "Quillon 2D", {.DataMatrixShape = *DataMatrixShapeFromName("rect")});
    EXPECT_EQ(square.Grid.Rows, square.Grid.Columns);
    EXPECT_LT(rectangle.Grid.Rows, rectangle.Grid.Columns);
    // PDF417 rows: start 17, left indicator 17, the columns 17 each, right indicator 17, stop 18 modules.
    EXPECT_EQ(Encoded(PDF417, "Quillon", {.Pdf417Columns = 7}).Grid.Columns, 69 + 7 * 17);
    const TSymbol raised = Encoded(PDF417, std::string(1000, '\x80'), {.Pdf417Columns = 1});
    EXPECT_EQ(EnglishTexts(raised.Notes),
              std::vector<std::string>{"PDF417 columns raised from 1 to 10 to hold the data"});
    EXPECT_FALSE(QrErrorCorrectionFromName("X") || QrErrorCorrectionFromName("") ||
                 DataMatrixShapeFromName("Square"));
}

struct TRefusal {
    TSymbolKind Kind = QRCode;
    std::string Data;
    TSymbolError Error = TSymbolError::Other;
    std::string Message;
    TSymbolOptions Options{};
};

TEST(ZintSymbol, DataAKindCannotHoldIsRefusedNamingTheReason)
{
    using enum TSymbolError;
    const std::string twentyEach =
        "(01)09501101530003(10)" + std::string(20, 'A') + "(21)" + std::string(20, 'B');
    // A version 40 QR Code holds 2953 bytes at level L, 2331 at M (ISO/IEC 18004).
    // clang-format off
    const TRefusal rows[] = {
        {QRCode, std::string(3000, 'x'), TooLong,
         "Too long for QR Code at error correction M: 3000 bytes do not fit in the largest symbol"},
        {QRCode, std::string(2954, '\x80'), TooLong,
         "Too long for QR Code at error correction L: 2954 bytes do not fit in the largest symbol",
         {.QrErrorCorrection = TQrErrorCorrection::L}},
        {DataMatrix, std::string(10240, '\0'), TooLong,
         "Too long for Data Matrix: 10240 bytes do not fit in the largest symbol"},
        {DataMatrix, std::string(100, '\xff'), TooLong,
         "Too long for a rectangular Data Matrix: 100 bytes do not fit in the largest, 16 x 48; "
         "the square shape holds more", {.DataMatrixShape = TDataMatrixShape::Rectangular}},
        {Aztec, std::string(3000, '\xff'), TooLong, "Too long for Aztec: 3000 bytes do not fit in the largest symbol"},
        {PDF417, "", Empty, "Nothing to encode: the data is empty"},
        {PDF417, "x", BadOption, "PDF417 columns must be 1 to 30, or 0 to let them be chosen", {.Pdf417Columns = 31}},
        // The GS1 faults as their kind of error (each fault's sentence: Gs1DataTest).
        {GS1_128, "(01)09501101530004", BadGs1Data, "(01): check digit should be 3"},
        {GS1_QRCode, "(99)é", BadCharacter, "(99): \"é\" is not in the GS1 character set"},
        {GS1_128, twentyEach, TooLong, "Too long for GS1-128: 61 characters, at most 48"},
        {DataBarExpanded, twentyEach + "(240)" + std::string(30, 'C'), TooLong,
         "Too long for GS1 DataBar Expanded: 95 characters do not fit in the largest symbol"},
        {DataBarOmni, "(10)ABC", BadGs1Data,
         "Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of a GTIN with its check digit"},
    };
    // clang-format on
    for (int line = 1; const TRefusal& row : rows) {
        SCOPED_TRACE("row " + std::to_string(line++));
        const TSymbolOutcome outcome = EncodeSymbol(row.Kind, row.Data, row.Options);
        const auto* failure = std::get_if<TSymbolFailure>(&outcome);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Error, row.Error);
        EXPECT_EQ(failure->Message, row.Message);
    }
}

TEST(ZintSymbol, AnyDataGivesAWholeSymbolOrAReason)
{
    const std::string hostile[] = {"\0"s,
                                   "\0(01)"s,
                                   "(((("s,
                                   ")"s,
                                   "(01)"s,
                                   "(8008)"s,
                                   "[01]09501101530003"s,
                                   std::string(10240, '9'),
                                   std::string(7089, '9'),
                                   AllBytes()};
    for (int ordinal = kFirstSymbolKind; ordinal < kLabelKindCount; ++ordinal)
        for (const std::string& data : hostile) {
            const TSymbolOutcome outcome = EncodeSymbol(*SymbolKindOf(ordinal), data);
            if (const auto* symbol = std::get_if<TSymbol>(&outcome)) {
                const TModuleGrid& grid = symbol->Grid;
                EXPECT_GT(grid.Rows * grid.Columns, 0);
                EXPECT_EQ(grid.Modules.size(), static_cast<std::size_t>(grid.Rows * grid.Columns));
                EXPECT_EQ(grid.RowHeights.size(), static_cast<std::size_t>(grid.Rows));
            } else {
                EXPECT_FALSE(std::get<TSymbolFailure>(outcome).Message.empty());
            }
        }
}

TEST(SymbolKinds, NamesFollowTheEngineKinds)
{
    EXPECT_EQ(LabelKindName(14), "CodeEAN13");
    EXPECT_EQ(LabelKindName(23), "QRCode");
    EXPECT_EQ(LabelKindName(31), "DataBarExpanded");
    EXPECT_EQ(LabelKindTitle(29), "GS1 QR Code");
    EXPECT_EQ(LabelKindName(32), "");
    for (int ordinal = 0; ordinal < kLabelKindCount; ++ordinal) {
        std::string lower(LabelKindName(ordinal));
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        EXPECT_EQ(LabelKindFromName(lower), ordinal);
        EXPECT_EQ(LabelKindFromName(std::to_string(ordinal)), ordinal);
    }
    EXPECT_FALSE(LabelKindFromName("32") || LabelKindFromName("QR") || LabelKindFromName("-1"));
}

} // namespace
} // namespace quillon
