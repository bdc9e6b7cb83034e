// TrueType subsets for the lean label PDF, written to Apple's and Microsoft's TrueType reference manuals
// (the sfnt tables 'head', 'hhea', 'maxp', 'hmtx', 'loca', 'glyf', 'cvt ', 'fpgm', 'prep', 'gasp') and
// the PDF 1.4 reference (CIDFontType2 fonts, 5.6; ToUnicode maps, 5.9).
#include "label/render/PdfFonts.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace quillon {

namespace {

// Offsets of the fields read and written, in bytes from their table's start.
constexpr int kHeadUnitsPerEm = 18;
constexpr int kHeadBox = 36; // xMin, yMin, xMax, yMax
constexpr int kHeadMacStyle = 44;
constexpr int kHeadCheckSumAdjustment = 8;
constexpr int kHeadIndexToLocFormat = 50;
constexpr int kHeadSize = 54;
constexpr int kHheaAscender = 4;
constexpr int kHheaDescender = 6;
constexpr int kHheaNumberOfHMetrics = 34;
constexpr int kHheaSize = 36;
constexpr int kMaxpNumGlyphs = 4;
constexpr int kMaxpSize = 6;
constexpr int kGlyphHeader = 10; // numberOfContours, xMin, yMin, xMax, yMax
constexpr int kOs2WeightClass = 4;
constexpr int kOs2FsSelection = 62;
constexpr int kOs2CapHeight = 88; // from version 2 on
constexpr int kPostItalicAngle = 4;
constexpr int kPostIsFixedPitch = 12;
constexpr std::uint32_t kCheckSumMagic = 0xB1B0AFBA;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;

// Composite glyph component flags ('glyf').
constexpr std::uint16_t kArg1And2AreWords = 0x0001;
constexpr std::uint16_t kWeHaveAScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kWeHaveAnXAndYScale = 0x0040;
constexpr std::uint16_t kWeHaveATwoByTwo = 0x0080;

constexpr std::uint16_t kMacStyleItalic = 0x0002;
constexpr std::uint16_t kFsSelectionItalic = 0x0001;
constexpr std::uint16_t kFsSelectionOblique = 0x0200;
constexpr std::uint32_t kBoldWeight = 600;
// Dominant vertical stem widths in thousandths of an em for regular and bold faces: the descriptor
// requires one and no table holds it; rasterisers use it only to emulate a missing font.
constexpr int kStemRegular = 80;
constexpr int kStemBold = 140;

// How far Qt's outline of a glyph may lie from the box its file gives, in thousandths of an em, and still
// be the file's outline: a synthetic slant shears an 'H' by about 150. (Qt's outlines of a synthetic bold
// are the regular ones, which the file's are too.)
constexpr double kOutlineTolerance = 6.0;
// Glyphs that show whether Qt draws a face as its file does: straight stems first.
constexpr char16_t kProbeText[] = u"H0";
// A stretch is kept to a thousandth: finer than Qt's advances, kept to 1/64 of a pixel, show it.
constexpr double kScaleStep = 1e-3;

// PDF names take printable ASCII but for the delimiters (PDF reference, 3.2.4).
constexpr std::string_view kNameDelimiters = "()<>[]{}/%#";
// PostScript names are at most 63 characters (TrueType 'name', name ID 6).
constexpr std::size_t kMaxPostScriptName = 63;
constexpr int kPostScriptNameId = 6;

constexpr std::size_t kCMapBlock = 100; // entries of one bfchar block at most (PDF reference, 5.9.2)
constexpr std::size_t kSubsetTagLetters = 6;

std::uint32_t U16(const QByteArray& data, qsizetype at)
{
    if (at < 0 || at + 2 > data.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return (std::uint32_t(p[0]) << 8) | p[1];
}

int I16(const QByteArray& data, qsizetype at)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16(data, at)));
}

std::uint32_t U32(const QByteArray& data, qsizetype at)
{
    return (U16(data, at) << 16) | U16(data, at + 2);
}

void PutU16(std::string& out, std::uint32_t value)
{
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void PutU32(std::string& out, std::uint32_t value)
{
    PutU16(out, value >> 16);
    PutU16(out, value & 0xFFFF);
}

void SetU16(std::string& out, std::size_t at, std::uint32_t value)
{
    out[at] = static_cast<char>((value >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

void SetU32(std::string& out, std::size_t at, std::uint32_t value)
{
    SetU16(out, at, value >> 16);
    SetU16(out, at + 2, value & 0xFFFF);
}

// The sum of a table's big-endian 32-bit words, the last padded with zeros.
std::uint32_t CheckSum(std::string_view data)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size(); i += 4) {
        std::uint32_t word = 0;
        for (std::size_t b = 0; b < 4; ++b)
            word = (word << 8) | (i + b < data.size() ? static_cast<unsigned char>(data[i + b]) : 0U);
        sum += word;
    }
    return sum;
}

void PadToFour(std::string& out)
{
    while (out.size() % 4 != 0)
        out += '\0';
}

std::string NameOf(std::string_view raw)
{
    std::string name;
    for (const char c : raw)
        if (c > ' ' && c < 0x7F && kNameDelimiters.find(c) == std::string_view::npos)
            name += c;
    return name.substr(0, kMaxPostScriptName);
}

// Name ID 6 of a 'name' table: Windows' UTF-16 record, else the Macintosh one.
std::string PostScriptNameIn(const QByteArray& table)
{
    const std::uint32_t count = U16(table, 2);
    const std::uint32_t strings = U16(table, 4);
    std::string windows, mac;
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * qsizetype(i);
        if (U16(table, record + 6) != kPostScriptNameId)
            continue;
        const std::uint32_t platform = U16(table, record);
        const qsizetype length = U16(table, record + 8);
        const qsizetype at = strings + U16(table, record + 10);
        if (at + length > table.size())
            continue;
        const QByteArray bytes = table.mid(at, length);
        if (platform == 3 && windows.empty())
            for (qsizetype c = 0; c + 1 < bytes.size(); c += 2)
                windows += U16(bytes, c) < 0x80 ? char(U16(bytes, c)) : '-';
        else if (platform == 1 && mac.empty())
            mac = bytes.toStdString();
    }
    return NameOf(windows.empty() ? mac : windows);
}

// An sfnt file of the tables given (those not empty), with their directory and checksums.
std::string Assembled(const std::map<std::string, std::string>& tables)
{
    std::vector<std::pair<std::string, std::string_view>> present;
    for (const auto& [tag, data] : tables)
        if (!data.empty())
            present.emplace_back(tag, data);
    const auto count = static_cast<std::uint32_t>(present.size());
    std::uint32_t power = 1, selector = 0;
    while (power * 2 <= count)
        power *= 2, ++selector;
    std::string font;
    PutU32(font, kTrueTypeVersion);
    PutU16(font, count);
    PutU16(font, power * 16); // searchRange
    PutU16(font, selector);   // entrySelector
    PutU16(font, count * 16 - power * 16);
    std::string body;
    std::size_t headAt = 0;
    const std::size_t bodyAt = font.size() + 16 * present.size();
    for (const auto& [tag, data] : present) {
        font += tag;
        PutU32(font, CheckSum(data));
        PutU32(font, static_cast<std::uint32_t>(bodyAt + body.size()));
        PutU32(font, static_cast<std::uint32_t>(data.size()));
        if (tag == "head")
            headAt = bodyAt + body.size();
        body += data;
        PadToFour(body);
    }
    font += body;
    SetU32(font, headAt + kHeadCheckSumAdjustment, kCheckSumMagic - CheckSum(font));
    return font;
}

std::string HexCode(unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xFU];
    return out;
}

} // namespace

std::string PdfFontName(const QRawFont& font)
{
    std::string name = PostScriptNameIn(font.fontTable("name"));
    if (name.empty())
        name = NameOf((font.familyName() + '-' + font.styleName()).toStdString());
    return name.empty() ? std::string("Font") : name;
}

std::optional<TTrueTypeFace> TTrueTypeFace::Of(const QRawFont& font, quint32 glyph)
{
    TTrueTypeFace face;
    face.FHead = font.fontTable("head");
    face.FHorizontalHeader = font.fontTable("hhea");
    face.FMaximumProfile = font.fontTable("maxp");
    face.FHorizontalMetrics = font.fontTable("hmtx");
    face.FLocations = font.fontTable("loca");
    face.FGlyphs = font.fontTable("glyf");
    if (face.FHead.size() < kHeadSize || face.FHorizontalHeader.size() < kHheaSize ||
        face.FMaximumProfile.size() < kMaxpSize || face.FGlyphs.isEmpty() || face.GlyphCount() == 0 ||
        face.MetricsCount() == 0 || U16(face.FHead, kHeadUnitsPerEm) < 16)
        return std::nullopt;
    face.FControlValues = font.fontTable("cvt ");
    face.FFontProgram = font.fontTable("fpgm");
    face.FControlProgram = font.fontTable("prep");
    face.FGridFitting = font.fontTable("gasp");
    face.FWindowsMetrics = font.fontTable("OS/2");
    face.FPostScript = font.fontTable("post");
    return face.DrawnAsFiled(font, glyph) ? std::optional(std::move(face)) : std::nullopt;
}

// Whether Qt draws the face's glyphs as its file has them, only wider or narrower by a stretch (which
// it then keeps): the box of a glyph that has ink, Qt's way and the file's.
bool TTrueTypeFace::DrawnAsFiled(const QRawFont& font, quint32 glyph)
{
    QRawFont em(font);
    em.setPixelSize(1000);
    QList<quint32> probes = font.glyphIndexesForString(QString::fromUtf16(kProbeText));
    probes.push_back(glyph);
    for (const quint32 probe : probes) {
        const QRectF drawn = em.pathForGlyph(probe).controlPointRect();
        const double advance = em.advancesForGlyphIndexes({probe}).value(0).x();
        const std::optional<std::array<int, 4>> box = GlyphBox(probe);
        const double fileAdvance = Thousandths(AdvanceUnits(probe));
        if (probe == 0 || drawn.isEmpty() || advance <= 0.0 || fileAdvance <= 0.0 || !box)
            continue;
        // To a thousandth, as the page writes it, so that the pen the page keeps is the one readers move.
        FHorizontalScale = std::round(advance / fileAdvance / kScaleStep) * kScaleStep;
        const auto near = [](double a, double b) { return std::abs(a - b) <= kOutlineTolerance; };
        return near(drawn.left(), Thousandths((*box)[0]) * FHorizontalScale) &&
               near(drawn.right(), Thousandths((*box)[2]) * FHorizontalScale) &&
               near(-drawn.bottom(), Thousandths((*box)[1])) && near(-drawn.top(), Thousandths((*box)[3]));
    }
    return false;
}

int TTrueTypeFace::GlyphCount() const
{
    const auto count = static_cast<int>(U16(FMaximumProfile, kMaxpNumGlyphs));
    const qsizetype entry = U16(FHead, kHeadIndexToLocFormat) == 0 ? 2 : 4;
    return FLocations.size() >= (count + 1) * entry ? count : 0;
}

int TTrueTypeFace::MetricsCount() const
{
    const auto count = static_cast<int>(U16(FHorizontalHeader, kHheaNumberOfHMetrics));
    return FHorizontalMetrics.size() >= 4 * qsizetype(count) ? count : 0;
}

double TTrueTypeFace::Thousandths(double units) const
{
    return units * 1000.0 / U16(FHead, kHeadUnitsPerEm);
}

// Glyphs past the last long metric take its advance.
std::uint32_t TTrueTypeFace::AdvanceUnits(quint32 glyph) const
{
    const auto last = static_cast<quint32>(MetricsCount() - 1);
    return U16(FHorizontalMetrics, 4 * qsizetype(std::min(glyph, last)));
}

int TTrueTypeFace::Advance(quint32 glyph) const
{
    return static_cast<int>(std::lround(Thousandths(AdvanceUnits(glyph))));
}

std::string_view TTrueTypeFace::GlyphData(std::uint32_t glyph) const
{
    if (glyph >= static_cast<std::uint32_t>(GlyphCount()))
        return {};
    const bool shortOffsets = U16(FHead, kHeadIndexToLocFormat) == 0;
    const auto offset = [&](std::uint32_t i) -> qsizetype {
        return shortOffsets ? 2 * qsizetype(U16(FLocations, 2 * qsizetype(i)))
                            : qsizetype(U32(FLocations, 4 * qsizetype(i)));
    };
    const qsizetype from = offset(glyph), to = offset(glyph + 1);
    if (from < 0 || to <= from || to > FGlyphs.size())
        return {};
    return {FGlyphs.constData() + from, static_cast<std::size_t>(to - from)};
}

std::optional<std::array<int, 4>> TTrueTypeFace::GlyphBox(quint32 glyph) const
{
    const std::string_view data = GlyphData(glyph);
    if (data.size() < kGlyphHeader)
        return std::nullopt;
    const QByteArray header(data.data(), kGlyphHeader);
    return std::array{I16(header, 2), I16(header, 4), I16(header, 6), I16(header, 8)};
}

// Glyphs past the last long metric have their left side bearing in the list after the long metrics.
std::uint32_t TTrueTypeFace::LeftBearingUnits(quint32 glyph) const
{
    const int metrics = MetricsCount();
    return int(glyph) < metrics
               ? U16(FHorizontalMetrics, 4 * qsizetype(glyph) + 2)
               : U16(FHorizontalMetrics, 4 * qsizetype(metrics) + 2 * (qsizetype(glyph) - metrics));
}

TFontMetrics TTrueTypeFace::Metrics() const
{
    const auto thousandths = [&](int units) { return static_cast<int>(std::lround(Thousandths(units))); };
    TFontMetrics metrics{
        .Box = {thousandths(I16(FHead, kHeadBox)), thousandths(I16(FHead, kHeadBox + 2)),
                thousandths(I16(FHead, kHeadBox + 4)), thousandths(I16(FHead, kHeadBox + 6))},
        .Ascent = thousandths(I16(FHorizontalHeader, kHheaAscender)),
        .Descent = thousandths(I16(FHorizontalHeader, kHheaDescender)),
        .ItalicAngle = static_cast<std::int32_t>(U32(FPostScript, kPostItalicAngle)) / 65536.0,
        .StemV = U16(FWindowsMetrics, kOs2WeightClass) >= kBoldWeight ? kStemBold : kStemRegular,
        .Italic = (U16(FHead, kHeadMacStyle) & kMacStyleItalic) != 0 ||
                  (U16(FWindowsMetrics, kOs2FsSelection) & (kFsSelectionItalic | kFsSelectionOblique)) != 0,
        .FixedPitch = U32(FPostScript, kPostIsFixedPitch) != 0,
    };
    // sCapHeight came with version 2 of the 'OS/2' table; before it, the ascent stands in.
    metrics.CapHeight = U16(FWindowsMetrics, 0) >= 2 && FWindowsMetrics.size() >= kOs2CapHeight + 2
                            ? thousandths(I16(FWindowsMetrics, kOs2CapHeight))
                            : metrics.Ascent;
    return metrics;
}

namespace {

// The glyphs a composite glyph is made of (its components' glyph numbers).
std::vector<std::uint16_t> Components(std::string_view glyph)
{
    std::vector<std::uint16_t> parts;
    const QByteArray data = QByteArray::fromRawData(glyph.data(), static_cast<qsizetype>(glyph.size()));
    if (data.size() < kGlyphHeader || I16(data, 0) >= 0)
        return parts;
    qsizetype at = kGlyphHeader;
    for (std::uint32_t flags = kMoreComponents; (flags & kMoreComponents) != 0 && at + 4 <= data.size();) {
        flags = U16(data, at);
        parts.push_back(static_cast<std::uint16_t>(U16(data, at + 2)));
        at += 4 + ((flags & kArg1And2AreWords) != 0 ? 4 : 2);
        if ((flags & kWeHaveAScale) != 0)
            at += 2;
        else if ((flags & kWeHaveAnXAndYScale) != 0)
            at += 4;
        else if ((flags & kWeHaveATwoByTwo) != 0)
            at += 8;
    }
    return parts;
}

} // namespace

std::string TTrueTypeFace::Subset(const std::set<std::uint16_t>& glyphs) const
{
    // .notdef, the glyphs shown, and every glyph a composite one is made of, however deep.
    std::set<std::uint16_t> kept{0};
    std::vector<std::uint16_t> pending(glyphs.begin(), glyphs.end());
    while (!pending.empty()) {
        const std::uint16_t glyph = pending.back();
        pending.pop_back();
        if (glyph >= GlyphCount() || !kept.insert(glyph).second)
            continue;
        for (const std::uint16_t part : Components(GlyphData(glyph)))
            pending.push_back(part);
    }
    // Glyph numbers stay as they are; the file ends at the last one kept, unkept ones are empty.
    const std::uint32_t count = *kept.rbegin() + 1U;
    std::string outlines, metrics;
    std::vector<std::uint32_t> offsets;
    for (std::uint32_t glyph = 0; glyph < count; ++glyph) {
        offsets.push_back(static_cast<std::uint32_t>(outlines.size()));
        const bool keep = kept.contains(static_cast<std::uint16_t>(glyph));
        if (keep) {
            outlines += GlyphData(glyph);
            PadToFour(outlines);
        }
        PutU16(metrics, keep ? AdvanceUnits(glyph) : 0U);
        PutU16(metrics, keep ? LeftBearingUnits(glyph) : 0U);
    }
    offsets.push_back(static_cast<std::uint32_t>(outlines.size()));
    const bool shortOffsets = outlines.size() / 2 <= 0xFFFF;
    std::string locations;
    for (const std::uint32_t offset : offsets) {
        if (shortOffsets)
            PutU16(locations, offset / 2); // outlines padded to four bytes have even offsets
        else
            PutU32(locations, offset);
    }

    std::string head = FHead.toStdString(), horizontal = FHorizontalHeader.toStdString(),
                profile = FMaximumProfile.toStdString();
    SetU32(head, kHeadCheckSumAdjustment, 0);
    SetU16(head, kHeadIndexToLocFormat, shortOffsets ? 0 : 1);
    SetU16(horizontal, kHheaNumberOfHMetrics, count); // every glyph its own advance
    SetU16(profile, kMaxpNumGlyphs, count);
    // In the order of their tags, as the table directory lists them.
    const std::map<std::string, std::string> tables{
        {"cvt ", FControlValues.toStdString()},
        {"fpgm", FFontProgram.toStdString()},
        {"gasp", FGridFitting.toStdString()},
        {"glyf", outlines},
        {"head", head},
        {"hhea", horizontal},
        {"hmtx", metrics},
        {"loca", locations},
        {"maxp", profile},
        {"prep", FControlProgram.toStdString()},
    };
    return Assembled(tables);
}

std::string ToUnicodeMap(std::span<const std::pair<unsigned, QString>> codes, int codeBytes)
{
    const std::string range = codeBytes == 1 ? "<00> <FF>" : "<0000> <FFFF>";
    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n" +
                       range + "\nendcodespacerange\n";
    std::vector<std::pair<unsigned, QString>> texts;
    for (const auto& entry : codes)
        if (!entry.second.isEmpty())
            texts.push_back(entry);
    for (std::size_t first = 0; first < texts.size(); first += kCMapBlock) {
        const std::size_t last = std::min(texts.size(), first + kCMapBlock);
        cmap += std::to_string(last - first) + " beginbfchar\n";
        for (std::size_t i = first; i < last; ++i) {
            cmap += '<' + HexCode(texts[i].first, 2 * codeBytes) + "> <";
            for (const QChar c : texts[i].second)
                cmap += HexCode(c.unicode(), 4);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

std::string CidWidths(std::span<const std::pair<std::uint16_t, int>> widths)
{
    // Runs of consecutive glyph numbers share their first number: "c [w1 w2 ...]" (PDF reference, 5.6.3).
    std::string out = "[";
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i == 0 || widths[i].first != widths[i - 1].first + 1)
            out += (i == 0 ? "" : "] ") + std::to_string(widths[i].first) + " [";
        else
            out += ' ';
        out += std::to_string(widths[i].second);
    }
    return out + (widths.empty() ? "]" : "]]");
}

std::string SubsetTag(std::string_view seed)
{
    // FNV-1a: the same glyphs of the same face give the same tag in every file.
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : seed)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    std::string tag;
    for (std::size_t i = 0; i < kSubsetTagLetters; ++i, hash /= 26)
        tag += static_cast<char>('A' + hash % 26);
    return tag + '+';
}

} // namespace quillon
