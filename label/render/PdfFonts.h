// Fonts of the lean label PDF: a TrueType face cut down to the glyphs a file shows, embedded whole with
// its hinting as the font program of a CIDFontType2 font, and the ToUnicode maps that give text back.
#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace quillon {

// What a font descriptor tells of a face, in thousandths of an em (PDF reference, 5.7).
struct TFontMetrics {
    std::array<int, 4> Box{}; // left, bottom, right, top
    int Ascent = 0;
    int Descent = 0;
    int CapHeight = 0;
    double ItalicAngle = 0.0;
    int StemV = 0;
    bool Italic = false;
    bool FixedPitch = false;
};

// A TrueType face as its file has it, read table by table through Qt: what a subset is cut from.
class TTrueTypeFace {
public:
    // None for a font without TrueType outlines (CFF or bitmaps) or one whose outlines Qt gives otherwise
    // than its file does (a synthetic slant): such faces keep their glyphs as Qt's outlines. The glyph
    // given is tried with others to see that Qt draws the file's outlines.
    static std::optional<TTrueTypeFace> Of(const QRawFont& font, quint32 glyph);

    // How much wider than its file Qt draws the face, for a stretch asked of it: 1 unstretched.
    double HorizontalScale() const { return FHorizontalScale; }
    // A glyph's advance in thousandths of an em, as the file has it (unstretched).
    int Advance(quint32 glyph) const;
    TFontMetrics Metrics() const;
    // The font program with the outlines of `glyphs` alone, with .notdef and the parts of composite
    // glyphs, each glyph under its own number, and the hinting programs whole (TrueType, 'glyf').
    std::string Subset(const std::set<std::uint16_t>& glyphs) const;

private:
    TTrueTypeFace() = default;
    bool DrawnAsFiled(const QRawFont& font, quint32 glyph);
    int GlyphCount() const;
    int MetricsCount() const; // long metrics in 'hmtx'
    double Thousandths(double units) const;
    std::uint32_t AdvanceUnits(quint32 glyph) const;
    std::uint32_t LeftBearingUnits(quint32 glyph) const;
    std::string_view GlyphData(std::uint32_t glyph) const;
    std::optional<std::array<int, 4>> GlyphBox(quint32 glyph) const; // in font units, y up

    QByteArray FHead{}, FHorizontalHeader{}, FMaximumProfile{}, FHorizontalMetrics{}, FLocations{}, FGlyphs{},
        FControlValues{}, FFontProgram{}, FControlProgram{}, FGridFitting{}, FWindowsMetrics{}, FPostScript{};
    double FHorizontalScale = 1.0;
};

// A face's PostScript name from its 'name' table (any sfnt font), else its family and style, fit to be
// a PDF name.
std::string PdfFontName(const QRawFont& font);

// What each code of a font reads as, for pdftotext and copying (PDF reference, 5.9.2), with codes of one
// byte (a simple font) or two (Identity-H).
std::string ToUnicodeMap(std::span<const std::pair<unsigned, QString>> codes, int codeBytes);

// The /W array of a CIDFont from glyph numbers and their widths, in ascending order.
std::string CidWidths(std::span<const std::pair<std::uint16_t, int>> widths);

// The six capitals and '+' that tell one subset of a face from another (PDF reference, 5.5.3), the same
// for the same seed.
std::string SubsetTag(std::string_view seed);

} // namespace quillon
