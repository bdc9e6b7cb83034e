// The symbol kinds' settings for libzint, the checks made before it is called, and its answers turned
// into a module grid or a plain sentence.
#include "label/compose/ZintSymbol.h"

#include <zint.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

#include "label/gs1/Gs1Data.h"

namespace quillon {
namespace {

// The rectangular Data Matrix sizes of ISO/IEC 16022 as libzint numbers them, smallest first:
// 8 x 18, 8 x 32, 12 x 26, 12 x 36, 16 x 36, 16 x 48.
constexpr std::array<int, 6> kRectangularDataMatrixSizes{25, 26, 27, 28, 29, 30};

// More bytes than the largest symbol of any kind holds (a version 40 QR Code of digits only): refused
// before libzint spends time on them.
constexpr std::size_t kMaxDataBytes = 7089;
// A GS1-128 symbol carries at most 48 data characters (the GS1 rules for GS1-128).
constexpr std::size_t kMaxGs1_128Characters = 48;

constexpr std::string_view kQrLevelNames = "LMQH";

using TZintSymbolPtr = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

struct TZintRequest {
    int Symbology = 0;
    int InputMode = DATA_MODE;
    int Option1 = 0;
    int Option2 = 0;
    int Option3 = 0;
};

struct TZintAnswer {
    TZintSymbolPtr Symbol{nullptr, &ZBarcode_Delete};
    int Code = 0; // 0, a warning, or an error from ZINT_ERROR on
};

// The data ready for libzint, with what the label shows and what a reader should give back.
struct TPreparedData {
    std::string Input;
    std::string HumanReadable;
    TExpectedReading Expected{};
    std::size_t Characters = 0; // the size given in a "too long" message
};

TSymbolFailure Failure(TSymbolError error, std::string message)
{
    return {.Error = error, .Message = std::move(message)};
}

std::string TitleOf(TSymbolKind kind)
{
    return std::string(KindInfo(kind).Title);
}

// libzint's text without its "Error 123: " or "Warning 123: " prefix.
std::string ZintReason(const zint_symbol& symbol)
{
    const std::string_view text(symbol.errtxt);
    const std::size_t colon = text.find(": ");
    return std::string(colon == std::string_view::npos ? text : text.substr(colon + 2));
}

std::string TooLongMessage(TSymbolKind kind, const TSymbolOptions& options, std::size_t characters)
{
    const std::string given = std::to_string(characters) + (IsGs1Kind(kind) ? " characters" : " bytes");
    const TSymbolOption option = KindInfo(kind).Option;
    if (option == TSymbolOption::QrErrorCorrection)
        return "Too long for " + TitleOf(kind) + " at error correction " +
               kQrLevelNames[static_cast<std::size_t>(options.QrErrorCorrection)] + ": " + given +
               " do not fit in the largest symbol";
    if (option == TSymbolOption::DataMatrixShape && options.DataMatrixShape == TDataMatrixShape::Rectangular)
        return "Too long for a rectangular " + TitleOf(kind) + ": " + given +
               " do not fit in the largest, 16 x 48; the square shape holds more";
    return "Too long for " + TitleOf(kind) + ": " + given + " do not fit in the largest symbol";
}

TSymbolFailure Gs1Failure(const TGs1Error& error)
{
    const bool character = error.Fault == TGs1Fault::Character;
    TSymbolFailure failure =
        Failure(character ? TSymbolError::BadCharacter : TSymbolError::BadGs1Data, error.Message);
    failure.Gs1Fault = error;
    return failure;
}

// GS1 data checked against the AIs' formats, handed to libzint with its AIs in square brackets (which
// no GS1 value can hold, unlike round ones).
std::variant<TPreparedData, TSymbolFailure> PrepareGs1(TSymbolKind kind, std::string_view data)
{
    const TGs1Result parsed = kind == TSymbolKind::DataBarOmni ? ParseGtin(data) : ParseGs1(data);
    if (parsed.Error)
        return Gs1Failure(*parsed.Error);
    const std::string elementString = ElementString(parsed.Elements);
    if (kind == TSymbolKind::GS1_128 && elementString.size() > kMaxGs1_128Characters)
        return Failure(TSymbolError::TooLong,
                       "Too long for GS1-128: " + std::to_string(elementString.size()) +
                           " characters, at most " + std::to_string(kMaxGs1_128Characters));
    TPreparedData prepared{.Input = {},
                           .HumanReadable = BracketedText(parsed.Elements),
                           .Expected = {},
                           .Characters = elementString.size()};
    prepared.Expected = {.Text = prepared.HumanReadable,
                         .SymbologyIdentifier = std::string(KindInfo(kind).Gs1Identifier)};
    if (kind == TSymbolKind::DataBarOmni)
        prepared.Input = parsed.Elements.front().Value; // the 14 digits, check digit included
    else
        for (const TGs1Element& element : parsed.Elements)
            prepared.Input += "[" + element.Ai + "]" + element.Value;
    return prepared;
}

std::variant<TPreparedData, TSymbolFailure> Prepare(TSymbolKind kind, std::string_view data)
{
    if (IsGs1Kind(kind))
        return PrepareGs1(kind, data);
    const std::string bytes(data);
    return TPreparedData{.Input = bytes,
                         .HumanReadable = bytes,
                         .Expected = {.Text = bytes, .SymbologyIdentifier = {}},
                         .Characters = bytes.size()};
}

TZintRequest RequestFor(TSymbolKind kind, const TSymbolOptions& options)
{
    TZintRequest request{.Symbology = KindInfo(kind).ZintSymbology};
    const bool gs1Mode = IsGs1Kind(kind) && kind != TSymbolKind::DataBarOmni;
    // GS1 data comes checked against GS1's syntax dictionary, newer than the AI table libzint carries,
    // which would refuse AIs such as (7041) and (8030).
    request.InputMode = gs1Mode ? GS1_MODE | GS1NOCHECK_MODE : DATA_MODE;
    switch (KindInfo(kind).Option) {
    case TSymbolOption::QrErrorCorrection:
        request.Option1 = static_cast<int>(options.QrErrorCorrection) + 1;
        break;
    case TSymbolOption::DataMatrixShape: request.Option3 = DM_SQUARE; break;
    case TSymbolOption::Pdf417Columns: request.Option2 = options.Pdf417Columns; break;
    case TSymbolOption::None: break;
    }
    return request;
}

TZintAnswer RunZint(const TZintRequest& request, const std::string& input)
{
    TZintAnswer answer{.Symbol = TZintSymbolPtr(ZBarcode_Create(), &ZBarcode_Delete),
                       .Code = ZINT_ERROR_MEMORY};
    if (!answer.Symbol)
        return answer;
    zint_symbol& symbol = *answer.Symbol;
    symbol.symbology = request.Symbology;
    symbol.input_mode = request.InputMode;
    symbol.option_1 = request.Option1;
    symbol.option_2 = request.Option2;
    symbol.option_3 = request.Option3;
    symbol.output_options = COMPLIANT_HEIGHT; // the standards' bar heights where they set one
    symbol.show_hrt = 0;
    answer.Code = ZBarcode_Encode(answer.Symbol.get(), reinterpret_cast<const unsigned char*>(input.data()),
                                  static_cast<int>(input.size()));
    return answer;
}

// A rectangular Data Matrix: the smallest of the rectangles that holds the data, as libzint chooses
// only among squares (or among both) by itself.
TZintAnswer RunZintRectangular(TZintRequest request, const std::string& input)
{
    TZintAnswer answer;
    request.Option3 = 0;
    for (const int size : kRectangularDataMatrixSizes) {
        request.Option2 = size;
        answer = RunZint(request, input);
        if (answer.Code != ZINT_ERROR_TOO_LONG)
            break;
    }
    return answer;
}

TSymbolFailure ZintFailure(TSymbolKind kind, const TSymbolOptions& options, const TZintAnswer& answer,
                           std::size_t characters)
{
    if (!answer.Symbol || answer.Code == ZINT_ERROR_MEMORY)
        return Failure(TSymbolError::Other, TitleOf(kind) + " could not be made: out of memory");
    const std::string reason = ZintReason(*answer.Symbol);
    switch (answer.Code) {
    case ZINT_ERROR_TOO_LONG:
        return Failure(TSymbolError::TooLong, TooLongMessage(kind, options, characters));
    case ZINT_ERROR_INVALID_DATA:
    case ZINT_ERROR_INVALID_CHECK:
    case ZINT_WARN_NONCOMPLIANT:
        return Failure(IsGs1Kind(kind) ? TSymbolError::BadGs1Data : TSymbolError::BadCharacter,
                       TitleOf(kind) + " cannot carry this data: " + reason);
    default: return Failure(TSymbolError::Other, TitleOf(kind) + " could not be made: " + reason);
    }
}

TModuleGrid GridOf(const zint_symbol& symbol)
{
    TModuleGrid grid{.Rows = symbol.rows, .Columns = symbol.width, .Modules = {}, .RowHeights = {}};
    grid.Modules.reserve(static_cast<std::size_t>(grid.Rows) * static_cast<std::size_t>(grid.Columns));
    for (int row = 0; row < grid.Rows; ++row)
        for (int column = 0; column < grid.Columns; ++column)
            grid.Modules.push_back((symbol.encoded_data[row][column / 8] >> (column % 8)) & 1);
    // Rows libzint leaves at height 0 share what the symbol's height leaves over.
    const float* heights = symbol.row_height;
    const double fixed = std::accumulate(heights, heights + grid.Rows, 0.0);
    const auto open = static_cast<double>(std::count(heights, heights + grid.Rows, 0.0F));
    for (int row = 0; row < grid.Rows; ++row)
        grid.RowHeights.push_back(heights[row] > 0.0F ? heights[row] : (symbol.height - fixed) / open);
    return grid;
}

bool IsNotice(int code)
{
    return code != 0 && code < ZINT_ERROR && code != ZINT_WARN_NONCOMPLIANT;
}

// What libzint changed from the options: for PDF417, the columns it raised to hold the data.
TLabelMessage Notice(TSymbolKind kind, const TSymbolOptions& options, const zint_symbol& symbol)
{
    constexpr int kPdf417ColumnModules = 17, kPdf417FrameModules = 69; // start, row indicators, stop
    if (kind == TSymbolKind::PDF417 && options.Pdf417Columns != 0)
        return {TMessageCode::Pdf417ColumnsRaised,
                {std::to_string(options.Pdf417Columns),
                 std::to_string((symbol.width - kPdf417FrameModules) / kPdf417ColumnModules)}};
    return {TMessageCode::EncoderNotice, {TitleOf(kind), ZintReason(symbol)}};
}

} // namespace

std::optional<TQrErrorCorrection> QrErrorCorrectionFromName(std::string_view name)
{
    if (name.size() != 1)
        return std::nullopt;
    const char letter = name.front() >= 'a' && name.front() <= 'z'
                            ? static_cast<char>(name.front() - 'a' + 'A')
                            : name.front();
    const std::size_t level = kQrLevelNames.find(letter);
    if (level == std::string_view::npos)
        return std::nullopt;
    return static_cast<TQrErrorCorrection>(level);
}

std::optional<TDataMatrixShape> DataMatrixShapeFromName(std::string_view name)
{
    if (name == "square")
        return TDataMatrixShape::Square;
    if (name == "rect")
        return TDataMatrixShape::Rectangular;
    return std::nullopt;
}

TSymbolOutcome EncodeSymbol(TSymbolKind kind, std::string_view data, const TSymbolOptions& options)
{
    if (data.empty())
        return Failure(TSymbolError::Empty, "Nothing to encode: the data is empty");
    if (options.Pdf417Columns < 0 || options.Pdf417Columns > kMaxPdf417Columns)
        return Failure(TSymbolError::BadOption, "PDF417 columns must be 1 to 30, or 0 to let them be chosen");
    if (options.QrErrorCorrection > TQrErrorCorrection::H ||
        options.DataMatrixShape > TDataMatrixShape::Rectangular)
        return Failure(TSymbolError::BadOption, "Unknown QR Code error correction or Data Matrix shape");
    if (data.size() > kMaxDataBytes)
        return Failure(TSymbolError::TooLong, TooLongMessage(kind, options, data.size()));
    std::variant<TPreparedData, TSymbolFailure> prepared = Prepare(kind, data);
    if (auto* failure = std::get_if<TSymbolFailure>(&prepared))
        return std::move(*failure);
    TPreparedData& ready = std::get<TPreparedData>(prepared);
    const TZintRequest request = RequestFor(kind, options);
    const bool rectangular = KindInfo(kind).Option == TSymbolOption::DataMatrixShape &&
                             options.DataMatrixShape == TDataMatrixShape::Rectangular;
    const TZintAnswer answer =
        rectangular ? RunZintRectangular(request, ready.Input) : RunZint(request, ready.Input);
    if (!answer.Symbol || (answer.Code != 0 && !IsNotice(answer.Code)))
        return ZintFailure(kind, options, answer, ready.Characters);
    TSymbol symbol{.Grid = GridOf(*answer.Symbol),
                   .HumanReadable = std::move(ready.HumanReadable),
                   .Expected = std::move(ready.Expected),
                   .Notes = {}};
    if (IsNotice(answer.Code))
        symbol.Notes.push_back(Notice(kind, options, *answer.Symbol));
    return symbol;
}

} // namespace quillon
