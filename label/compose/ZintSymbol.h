// The one interface to libzint: a symbol kind and its data in, the symbol as a grid of modules out, or
// a plain sentence saying why it cannot be made. libzint stays out of this header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "label/compose/SymbolKinds.h"
#include "label/gs1/Gs1Data.h"
#include "label/words/LabelMessage.h"

namespace quillon {

enum class TQrErrorCorrection : std::uint8_t { L, M, Q, H }; // about 7, 15, 25 and 30 % restored
enum class TDataMatrixShape : std::uint8_t { Square, Rectangular };

inline constexpr int kMaxPdf417Columns = 30;

struct TSymbolOptions {
    TQrErrorCorrection QrErrorCorrection = TQrErrorCorrection::M; // QR Code and GS1 QR Code
    TDataMatrixShape DataMatrixShape = TDataMatrixShape::Square;  // Data Matrix and GS1 Data Matrix
    int Pdf417Columns = 0; // data columns, 1 to 30; 0 lets the encoder choose
};

// The option names the CLI takes: "L".."H" (any case) and "square" or "rect".
std::optional<TQrErrorCorrection> QrErrorCorrectionFromName(std::string_view name);
std::optional<TDataMatrixShape> DataMatrixShapeFromName(std::string_view name);

// The symbol's modules, row after row, without quiet zones.
struct TModuleGrid {
    int Rows = 0;
    int Columns = 0;
    std::vector<std::uint8_t> Modules{}; // Rows x Columns, 1 dark, 0 light
    // The height of each row in modules: 1 for the matrix codes, 3 for PDF417's rows, the standard's
    // height for DataBar (33 or 34); for GS1-128 the GS1 logistics height (31.75 mm at a 0.495 mm
    // module, about 64 modules), which a layout may replace with its own bar height.
    std::vector<double> RowHeights{};

    bool IsDark(int row, int column) const
    {
        return Modules[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                       static_cast<std::size_t>(column)] != 0;
    }
};

// What a reader should give back for a symbol: compared after reading, so a label that does not
// carry what was asked for is caught.
struct TExpectedReading {
    std::string Text;                // the data's bytes; for GS1 kinds the AIs in brackets
    std::string SymbologyIdentifier; // GS1 kinds only: "]C1", "]d2", "]Q3", "]e0"
};

struct TSymbol {
    TModuleGrid Grid{};
    std::string HumanReadable{}; // the data as typed; for GS1 kinds the AIs in brackets
    TExpectedReading Expected{};
    std::vector<TLabelMessage> Notes{}; // what the encoder changed from the options
};

// Why a symbol could not be made; the window words each kind in the interface language.
enum class TSymbolError : std::uint8_t {
    Empty,        // no data
    TooLong,      // more than the largest symbol holds
    BadCharacter, // a character the kind cannot carry
    BadGs1Data,   // GS1 data that breaks the GS1 rules
    BadOption,    // an option out of its range
    Other,        // anything else the encoder refuses
};

struct TSymbolFailure {
    TSymbolError Error = TSymbolError::Other;
    std::string Message; // a plain English sentence naming the reason
    std::optional<TGs1Error>
        Gs1Fault{}; // for BadGs1Data and a GS1 value's BadCharacter: the fault as a value
};

using TSymbolOutcome = std::variant<TSymbol, TSymbolFailure>;

// Encodes `data`: any bytes for QR Code, Data Matrix, PDF417 and Aztec (UTF-8 text is carried as its
// bytes, without an ECI); GS1 data in brackets for the GS1 kinds (see label/gs1/Gs1Data.h). Either the
// whole symbol or the failure, whatever the data.
TSymbolOutcome EncodeSymbol(TSymbolKind kind, std::string_view data, const TSymbolOptions& options = {});

} // namespace quillon
