// The page model of a report: paper, margins and column spacing, columns, zoom and design-pixel units.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace quillon {

// The seven page values, by the index under which a report reads and writes each of them.
enum class TPageValue : std::uint8_t {
    BottomMargin = 0,
    Length = 1, // paper length
    TopMargin = 2,
    Width = 3, // paper width
    LeftMargin = 4,
    RightMargin = 5,
    ColumnSpace = 6, // gap between adjacent columns
};
inline constexpr int kPageValueCount = 7;

// A4 is 210 x 297 mm; US Letter is 8.5 x 11 in, 215.9 x 279.4 mm.
enum class TPaperSize : std::uint8_t { A4, Letter, Custom };
enum class TOrientation : std::uint8_t { Portrait, Landscape };

// Rounds to the nearest integer, ties to the even one, as every rounding of the page flow does.
std::int64_t RoundHalfEven(double value);
// RoundHalfEven saturated to the 32-bit range; NaN gives 0. The run state of a report is 32-bit.
std::int32_t RoundToInt32(double value);
std::int32_t ClampToInt32(std::int64_t value);
// Raises "<what> out of range: <value> (<low> to <high>)" unless low <= value <= high.
void CheckRange(const char* what, int value, int low, int high);
void CheckRange(const char* what, double value, double low, double high); // NaN is out of range

// A standard paper's width and length in tenths of a millimetre, upright; Custom has none (0 x 0).
struct TPaperTenths {
    double Width = 0.0;
    double Length = 0.0;
};
TPaperTenths PaperTenths(TPaperSize paper);
// "a4" or "letter", as the command line and the stock list name them; Custom is "custom".
const char* PaperName(TPaperSize paper);
// The paper a name gives, any letter case; raises "Unknown paper: <name> (a4, letter)" for another.
TPaperSize PaperFromName(const std::string& name);

// Design pixels are pixels of the report's design surface: the screen's pixels per inch at the
// report's zoom. Page positions are tenths of a millimetre.
struct TDesignScale {
    int ZoomPercent = 100;
    int PixelsPerInch = 96;

    double DesignPixelsToTenths(double designPixels) const;
    double TenthsToDesignPixels(double tenths) const;
};

class TPageModel {
public:
    static constexpr double kA4WidthTenths = 2100.0;
    static constexpr double kA4LengthTenths = 2970.0;
    static constexpr double kLetterWidthTenths = 2159.0;
    static constexpr double kLetterLengthTenths = 2794.0;
    // Upper bound of every page value: keeps all later arithmetic far from overflow.
    static constexpr double kMaxValueTenths = 100000.0; // 10 m
    static constexpr int kMaxColumns = 100;
    static constexpr int kMinZoomPercent = 10;
    static constexpr int kMaxZoomPercent = 1000;
    static constexpr int kMinPixelsPerInch = 10;
    static constexpr int kMaxPixelsPerInch = 10000;

    double ValueTenths(TPageValue index) const { return FValues[static_cast<std::size_t>(index)]; }
    double ValueMm(TPageValue index) const { return ValueTenths(index) / 10.0; }
    // Raise on a value outside 0..10 m, or a paper length or width of 0.
    void SetValueTenths(TPageValue index, double tenths);
    void SetValueMm(TPageValue index, double mm) { SetValueTenths(index, mm * 10.0); }
    // The index as an integer 0..6, for callers that hold it as a number; raises outside that range.
    static TPageValue PageValueFromIndex(int index);

    TPaperSize PaperSize() const { return FPaperSize; }
    // A4 and Letter set the paper width and length for the current orientation.
    void SetPaperSize(TPaperSize v);
    TOrientation Orientation() const { return FOrientation; }
    // A change swaps the paper width and length.
    void SetOrientation(TOrientation v);

    int Columns() const { return FColumns; }
    void SetColumns(int v); // 1 to 100
    int ZoomPercent() const { return FScale.ZoomPercent; }
    void SetZoomPercent(int v); // 10 to 1000
    int PixelsPerInch() const { return FScale.PixelsPerInch; }
    void SetPixelsPerInch(int v); // 10 to 10000
    const TDesignScale& Scale() const { return FScale; }

    double DesignPixelsToTenths(double designPixels) const
    {
        return FScale.DesignPixelsToTenths(designPixels);
    }
    double TenthsToDesignPixels(double tenths) const { return FScale.TenthsToDesignPixels(tenths); }

    // Called after every change, so that the owner can lay its bands out again at once.
    void SetOnChange(std::function<void()> v) { FOnChange = std::move(v); }

private:
    void SetValueQuietly(TPageValue index, double tenths);
    void Changed() const;

    // A4 with 10 mm margins all round and columns 2 mm apart, by index.
    std::array<double, kPageValueCount> FValues{
        100.0,           // 0 bottom margin
        kA4LengthTenths, // 1 paper length
        100.0,           // 2 top margin
        kA4WidthTenths,  // 3 paper width
        100.0,           // 4 left margin
        100.0,           // 5 right margin
        20.0,            // 6 column spacing
    };
    TPaperSize FPaperSize = TPaperSize::A4;
    TOrientation FOrientation = TOrientation::Portrait;
    int FColumns = 1;
    TDesignScale FScale{};
    std::function<void()> FOnChange;
};

} // namespace quillon
