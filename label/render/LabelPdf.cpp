// The lean PDF writer for label sheets, written to the PDF 1.4 reference: a content stream per page in
// the printer's dots; TrueType faces embedded as subsets of their font programs, hinting and all, so that
// rasterisers draw text as crisply as the toolkit's own PDF; other faces as Type 3 fonts of the glyph
// outlines the labels use; a ToUnicode map per font.
#include "label/render/LabelPdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QIODevice>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>
#include <QTransform>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>
#include <variant>
#include <zlib.h>

#include "barcode/Exception.h"
#include "label/render/LabelPainter.h"
#include "label/render/PdfFonts.h"
#include "report/PainterCanvas.h"
#include "report/Units.h"

namespace quillon {

namespace {

// Text is laid out as the painter's PDF lays it out, at its 1200 dpi, whatever dots the page is in.
constexpr double kLayoutDpi = 1200.0;
constexpr double kMetresPerInch = 0.0254;
// Glyph outlines are stored at 1000 units to the em, the size PDF's own fonts are described in.
constexpr int kGlyphUnitsPerEm = 1000;
// A simple font has one-byte codes: a Type 3 face whose labels use more glyphs takes a second font.
constexpr std::size_t kCodesPerFont = 256;
// A TrueType face's glyphs are shown by their two-byte glyph numbers (Identity-H).
constexpr int kGlyphNumberBytes = 2;
// Positions to a thousandth of a dot: finer than any printer, short in the file.
constexpr int kDecimals = 3;
// The page's own scale and size carry enough digits that no printer's dot moves: 72/203 written to a
// thousandth (0.355) put bar edges half a dot off the grid across an A4 page, and renderers inked a
// dot more. Ten significant digits keep every dot of a 2400-dpi page within a millionth of a dot,
// below the single precision renderers compute in.
constexpr int kExactDigits = 10;
// How far past its line a glyph may reach, in dots: a line of text further from the clip is not shaped.
constexpr double kGlyphOvershootDots = 1.0;
// Bezier control points of a quarter ellipse, as a fraction of its radius.
constexpr double kQuarterEllipseKappa = 0.5522847498;
// zlib's speed for its size: on a bulk sheet's pages level 6 is a fifth smaller and takes 2.7 times as
// long, level 1 is a fifth larger and a quarter quicker.
constexpr int kDeflateLevel = 3;
// Shaped texts a page keeps for the labels after: a sheet repeats its captions and the maker's mark.
constexpr std::size_t kMaxShapedTexts = 512;

constexpr char kFileHeader[] = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";

// Numbers as PDF writes them: integers bare, the rest to a thousandth without trailing zeros.
void Number(std::string& out, double value)
{
    constexpr double kScale = 1000.0;
    static_assert(kDecimals == 3);
    double rounded = std::isfinite(value) ? std::round(value * kScale) / kScale : 0.0;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    std::array<char, 32> text{};
    std::to_chars_result end{};
    if (rounded == std::trunc(rounded) && std::abs(rounded) < 1e15)
        end = std::to_chars(text.data(), text.data() + text.size(), static_cast<long long>(rounded));
    else
        end = std::to_chars(text.data(), text.data() + text.size(), rounded, std::chars_format::fixed,
                            kDecimals);
    char* last = end.ptr;
    if (std::find(text.data(), last, '.') != last) {
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.')
            --last;
    }
    out.append(text.data(), last);
}

// A number that places the whole page: as many digits as it needs, up to kExactDigits significant.
void ExactNumber(std::string& out, double value)
{
    std::array<char, 48> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general,
                                   kExactDigits);
    std::string_view digits(text.data(), static_cast<std::size_t>(end.ptr - text.data()));
    if (digits.find('e') != std::string_view::npos) { // PDF has no exponents
        const auto fixed = std::to_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::fixed, kExactDigits);
        digits = std::string_view(text.data(), static_cast<std::size_t>(fixed.ptr - text.data()));
    }
    out += digits == "-0" ? std::string_view("0") : digits;
}

// Numbers separated by spaces, then the operator.
void Op(std::string& out, std::initializer_list<double> operands, std::string_view op)
{
    for (const double operand : operands) {
        Number(out, operand);
        out += ' ';
    }
    out += op;
    out += '\n';
}

std::string Deflated(std::string_view data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), kDeflateLevel) != Z_OK)
        throw Exception("The PDF's content could not be compressed");
    out.resize(size);
    return out;
}

// A code's bytes, high byte first, inside a literal string: half the size of hex, and deflated alike
// (PDF reference, 3.2.3). A carriage return would be read as a line feed.
void StringBytes(std::string& out, unsigned code, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        const auto byte = static_cast<char>((code >> shift) & 0xFFU);
        if (byte == '(' || byte == ')' || byte == '\\')
            out += '\\';
        if (byte == '\r')
            out += "\\r";
        else
            out += byte;
    }
}

// A layout device of the painter's PDF resolution, for resolving fonts and shaping text.
QImage LayoutDevice()
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(kLayoutDpi / kMetresPerInch));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

} // namespace

struct TLabelPdfGlyph {
    std::string Procedure{}; // the drawing, in glyph units with y up: a Type 3 glyph's, or a TrueType one
                             // read by the proof
    int Width = 0;
    QRect Box{};
    QString Text{};           // what it reads as, for pdftotext and copying
    std::uint16_t Number = 0; // in a TrueType face
};

// One font of the PDF: a TrueType face's glyphs, or up to 256 glyph outlines of another face.
struct TLabelPdfFontSlice {
    std::vector<TLabelPdfGlyph> Glyphs{};
    std::shared_ptr<const TTrueTypeFace> TrueType{}; // none for a Type 3 font
    std::string Name{};                              // the face's
    QRawFont Raw{}; // a TrueType face as Qt draws it, for the proof's reading of pages before Finish
};

// The glyphs the pages show, shared by the threads that make them. A TrueType face is one font whose
// codes are its glyph numbers; any other face's glyphs get codes in Type 3 fonts of 256, with their
// outlines. Each glyph keeps its advance and the text it stands for.
class TLabelPdfGlyphs {
public:
    struct TCode {
        int Slice = 0;
        std::uint16_t Code = 0;
        int Width = 0;                // glyph units
        int CodeBytes = 1;            // 2 for a TrueType face's glyph numbers
        double HorizontalScale = 1.0; // a TrueType face drawn wider or narrower than its file has it
    };
    using TGlyph = TLabelPdfGlyph;
    using TSlice = TLabelPdfFontSlice;

    // A face by its key (its name, style and the stretch asked of it), for Code.
    int Face(const QString& key)
    {
        const std::lock_guard lock(FMutex);
        const auto [found, isNew] = FFaceNumbers.try_emplace(key, static_cast<int>(FFaces.size()));
        if (isNew)
            FFaces.emplace_back();
        return found->second;
    }

    // The code of a glyph of a face, registering it the first time with the text that textOf() gives.
    TCode Code(int face, const QRawFont& font, quint32 glyph, const auto& textOf)
    {
        const std::lock_guard lock(FMutex);
        TFace& entry = FFaces[static_cast<std::size_t>(face)];
        if (const auto found = entry.Glyphs.find(glyph); found != entry.Glyphs.end())
            return found->second;
        if (!entry.Probed) {
            entry.Probed = true;
            if (std::optional<TTrueTypeFace> trueType = TTrueTypeFace::Of(font, glyph))
                entry.TrueType = std::make_shared<const TTrueTypeFace>(*std::move(trueType));
            entry.Name = PdfFontName(font);
        }
        if (entry.TrueType)
            return TrueTypeCode(entry, font, glyph, textOf());
        if (entry.Slice < 0 ||
            FSlices[static_cast<std::size_t>(entry.Slice)].Glyphs.size() == kCodesPerFont) {
            entry.Slice = static_cast<int>(FSlices.size());
            FSlices.push_back({.Name = entry.Name});
        }
        TGlyph outline = Outline(font, glyph);
        outline.Text = textOf();
        TSlice& slice = FSlices[static_cast<std::size_t>(entry.Slice)];
        const TCode code{.Slice = entry.Slice,
                         .Code = static_cast<std::uint8_t>(slice.Glyphs.size()),
                         .Width = outline.Width};
        slice.Glyphs.push_back(std::move(outline));
        entry.Glyphs.emplace(glyph, code);
        return code;
    }

    // Once every page is made.
    const std::vector<TSlice>& Slices() const { return FSlices; }

    // A glyph as the font of its slice will hold it, while pages are still being made: a Type 3 glyph's
    // procedure, or a TrueType glyph's outline as its file has it.
    std::optional<TPendingGlyph> Pending(int slice, unsigned code)
    {
        const std::lock_guard lock(FMutex);
        if (slice < 0 || static_cast<std::size_t>(slice) >= FSlices.size())
            return std::nullopt;
        const TSlice& font = FSlices[static_cast<std::size_t>(slice)];
        if (!font.TrueType) {
            if (code >= font.Glyphs.size())
                return std::nullopt;
            return TPendingGlyph{.Outline = font.Glyphs[code].Procedure,
                                 .Advance = static_cast<double>(font.Glyphs[code].Width)};
        }
        auto& glyphs = FSlices[static_cast<std::size_t>(slice)].Glyphs;
        const auto glyph =
            std::find_if(glyphs.begin(), glyphs.end(), [code](const TGlyph& g) { return g.Number == code; });
        if (glyph == glyphs.end())
            return std::nullopt;
        // Drawn once, the first time a page is read: the file keeps the program, not the drawing.
        if (glyph->Procedure.empty())
            glyph->Procedure = Outline(font.Raw, code, font.TrueType->HorizontalScale()).Procedure;
        return TPendingGlyph{.Outline = glyph->Procedure, .Advance = static_cast<double>(glyph->Width)};
    }

    // The bytes of a code and the codes a slice's font holds.
    int CodeBytes(int slice)
    {
        const std::lock_guard lock(FMutex);
        if (slice < 0 || static_cast<std::size_t>(slice) >= FSlices.size())
            return 0;
        return FSlices[static_cast<std::size_t>(slice)].TrueType ? kGlyphNumberBytes : 1;
    }
    std::vector<unsigned> Codes(int slice)
    {
        const std::lock_guard lock(FMutex);
        std::vector<unsigned> codes;
        if (slice < 0 || static_cast<std::size_t>(slice) >= FSlices.size())
            return codes;
        const TSlice& font = FSlices[static_cast<std::size_t>(slice)];
        for (std::size_t code = 0; code < font.Glyphs.size(); ++code)
            codes.push_back(font.TrueType ? font.Glyphs[code].Number : static_cast<unsigned>(code));
        return codes;
    }

private:
    struct TFace {
        std::map<quint32, TCode> Glyphs{};
        int Slice = -1; // the one that takes new glyphs
        bool Probed = false;
        std::shared_ptr<const TTrueTypeFace> TrueType{};
        std::string Name{};
    };

    TCode TrueTypeCode(TFace& entry, const QRawFont& font, quint32 glyph, QString text)
    {
        if (entry.Slice < 0) {
            entry.Slice = static_cast<int>(FSlices.size());
            FSlices.push_back({.TrueType = entry.TrueType, .Name = entry.Name, .Raw = font});
        }
        const auto number = static_cast<std::uint16_t>(glyph);
        const TCode code{.Slice = entry.Slice,
                         .Code = number,
                         .Width = entry.TrueType->Advance(glyph),
                         .CodeBytes = kGlyphNumberBytes,
                         .HorizontalScale = entry.TrueType->HorizontalScale()};
        FSlices[static_cast<std::size_t>(entry.Slice)].Glyphs.push_back(
            {.Width = code.Width, .Text = std::move(text), .Number = number});
        entry.Glyphs.emplace(glyph, code);
        return code;
    }

    // A glyph's outline as a Type 3 procedure; narrowed by xScale to the outline its font file holds.
    static TGlyph Outline(const QRawFont& font, quint32 glyph, double xScale = 1.0)
    {
        QRawFont em(font);
        em.setPixelSize(kGlyphUnitsPerEm);
        const QPainterPath path = QTransform::fromScale(1.0 / xScale, 1.0).map(em.pathForGlyph(glyph));
        if (path.isEmpty() && !em.boundingRect(glyph).isEmpty())
            throw TFontWithoutOutlines("The font '" + font.familyName().toStdString() +
                                       "' has no outlines to embed in the PDF");
        TGlyph outline;
        outline.Width = static_cast<int>(std::lround(em.advancesForGlyphIndexes({glyph}).value(0).x()));
        // y up, as glyph space has it; an empty box for a glyph without ink.
        const QRectF bounds = path.boundingRect();
        const std::array<double, 4> box =
            path.isEmpty() ? std::array<double, 4>{}
                           : std::array{std::floor(bounds.left()), std::floor(-bounds.bottom()),
                                        std::ceil(bounds.right()), std::ceil(-bounds.top())};
        if (!path.isEmpty())
            outline.Box = QRect(QPoint(int(box[0]), int(box[1])), QPoint(int(box[2]), int(box[3])));
        std::string& out = outline.Procedure;
        Op(out, {double(outline.Width), 0, box[0], box[1], box[2], box[3]}, "d1");
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            if (e.isMoveTo()) {
                Op(out, {std::round(e.x), std::round(-e.y)}, "m");
            } else if (e.isLineTo()) {
                Op(out, {std::round(e.x), std::round(-e.y)}, "l");
            } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
                const QPainterPath::Element c2 = path.elementAt(i + 1);
                const QPainterPath::Element to = path.elementAt(i + 2);
                Op(out,
                   {std::round(e.x), std::round(-e.y), std::round(c2.x), std::round(-c2.y), std::round(to.x),
                    std::round(-to.y)},
                   "c");
                i += 2;
            }
        }
        if (!path.isEmpty())
            out += "f\n";
        return outline;
    }

    std::mutex FMutex{};
    std::map<QString, int> FFaceNumbers{};
    std::vector<TFace> FFaces{};
    std::vector<TSlice> FSlices{};
};

namespace {

// Glyphs of one font on one baseline, their positions in layout pixels from the text's top-left.
struct TGlyphRow {
    int Slice = 0;
    double PixelSize = 0.0;
    double Baseline = 0.0;
    int CodeBytes = 1;
    double HorizontalScale = 1.0;
    std::vector<std::uint16_t> Codes{};
    std::vector<int> Widths{};
    std::vector<double> X{};
};

struct TShapedText {
    double Width = 0.0;      // layout pixels
    double LineAscent = 0.0; // of the first line
    std::vector<TGlyphRow> Rows{};
};

// A face as the PDF's fonts tell it apart: fallback faces come with their own name, and a face asked
// for at another stretch is drawn wider or narrower.
QString FaceKey(const QRawFont& font, int stretch)
{
    return font.familyName() + '\n' + font.styleName() + '\n' + QString::number(font.weight()) + '\n' +
           QString::number(int(font.style())) + '\n' + QString::number(stretch);
}

// What each glyph of a laid-out text stands for: the characters of the graphemes it shows where it
// first stands (a ligature shows several; a letter that comes again is the same glyph elsewhere).
class TGlyphTexts {
public:
    TGlyphTexts(const QTextLayout& layout, int stretch) : FLayout(layout), FStretch(stretch) {}

    QString Of(const QString& face, quint32 glyph)
    {
        if (!FTexts)
            Collect();
        const auto found = FTexts->find({face, glyph});
        return found == FTexts->end() ? QString() : found->second.Text;
    }

private:
    struct TFirst {
        QPointF At{};
        QString Text{};
    };

    void Collect()
    {
        FTexts.emplace();
        const QString& text = FLayout.text();
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
        for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > from;
             from = to, to = graphemes.toNextBoundary()) {
            const QString cluster = text.mid(from, to - from);
            for (const QGlyphRun& run :
                 FLayout.glyphRuns(static_cast<int>(from), static_cast<int>(to - from))) {
                const QString face = FaceKey(run.rawFont(), FStretch);
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                    const auto entry = FTexts->try_emplace({face, glyphs[i]}, TFirst{positions[i], {}}).first;
                    if (entry->second.At == positions[i])
                        entry->second.Text += cluster;
                }
            }
        }
    }

    const QTextLayout& FLayout;
    int FStretch = 0;
    std::optional<std::map<std::pair<QString, quint32>, TFirst>> FTexts{};
};

// The glyphs of a laid-out text, coded in the PDF's fonts.
TShapedText Coded(const QTextLayout& layout, int stretch, TLabelPdfGlyphs& glyphs)
{
    TShapedText shaped;
    TGlyphTexts texts(layout, stretch);
    // Qt hands the runs of a line out in no fixed order (one a font, gathered in a hash): in reading
    // order, line by line and left to right, the same text writes the same bytes every run.
    QList<QGlyphRun> runs = layout.glyphRuns();
    const auto start = [](const QGlyphRun& run) {
        const QList<QPointF> positions = run.positions();
        return positions.isEmpty() ? std::pair(0.0, 0.0)
                                   : std::pair(positions.front().y(), positions.front().x());
    };
    std::stable_sort(runs.begin(), runs.end(),
                     [&](const QGlyphRun& a, const QGlyphRun& b) { return start(a) < start(b); });
    for (const QGlyphRun& run : runs) {
        const QRawFont font = run.rawFont();
        const QString key = FaceKey(font, stretch);
        const int face = glyphs.Face(key);
        const double pixelSize = font.pixelSize();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
            const quint32 glyph = indexes[i];
            const TLabelPdfGlyphs::TCode code =
                glyphs.Code(face, font, glyph, [&] { return texts.Of(key, glyph); });
            if (shaped.Rows.empty() || shaped.Rows.back().Slice != code.Slice ||
                shaped.Rows.back().Baseline != positions[i].y() || shaped.Rows.back().PixelSize != pixelSize)
                shaped.Rows.push_back({.Slice = code.Slice,
                                       .PixelSize = pixelSize,
                                       .Baseline = positions[i].y(),
                                       .CodeBytes = code.CodeBytes,
                                       .HorizontalScale = code.HorizontalScale});
            TGlyphRow& row = shaped.Rows.back();
            row.Codes.push_back(code.Code);
            row.Widths.push_back(code.Width);
            row.X.push_back(positions[i].x());
        }
    }
    return shaped;
}

// Line and paragraph separators would start new lines; a label's text stands on one.
QString OnOneLine(QString text)
{
    for (QChar& c : text)
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

TLabelPdfImage ImageOf(const QImage& picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white); // the paper under a picture's transparent pixels
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    const bool grey = flat.allGray();
    flat = flat.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(flat.width()) * (grey ? 1 : 3);
    std::string pixels;
    pixels.reserve(rowBytes * static_cast<std::size_t>(flat.height()));
    for (int y = 0; y < flat.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(flat.constScanLine(y)), rowBytes);
    return {.Width = flat.width(), .Height = flat.height(), .Grey = grey, .Pixels = Deflated(pixels)};
}

// A font that sets the characters of kDigitLine by their advances, with their codes as the page shows
// them once used.
struct TDigitFont {
    TDigitAdvances Line{};
    int Face = 0;
    std::array<std::optional<TLabelPdfGlyphs::TCode>, kDigitLineSize> Codes{};
};

std::optional<TDigitFont> DigitFontOf(const QFont& font, QPaintDevice& device, TLabelPdfGlyphs& glyphs)
{
    std::optional<TDigitAdvances> line = DigitAdvancesOf(font, device);
    if (!line)
        return std::nullopt;
    const int face = glyphs.Face(FaceKey(line->Font, font.stretch()));
    return TDigitFont{.Line = *std::move(line), .Face = face, .Codes = {}};
}

// A font resolved for the layout device, with the measures a label's text is placed by.
struct TLayoutFont {
    QFont Font{};
    double Ascent = 0.0;
    double Height = 0.0;
    double Leading = 0.0;
};

// One page's content in the printer's dots, y down from the paper's top-left corner.
class TPageContent {
public:
    TPageContent(TLabelPdfGlyphs& glyphs, Qt::LayoutDirection direction, double gridDpi)
        : FGlyphs(glyphs), FDirection(direction), FDotsPerLayoutPixel(gridDpi / kLayoutDpi)
    {
    }

    std::string& Out() { return FOut; }
    std::vector<int> Fonts() const { return {FSlicesUsed.begin(), FSlicesUsed.end()}; }
    std::vector<TLabelPdfImage>& Images() { return FImages; }

    // Opens a group whose coordinates start at origin, cut to clip when given (in the page's dots).
    void Begin(QPointF origin, const std::optional<QRectF>& clip)
    {
        FOut += "q\n";
        if (origin != QPointF())
            Op(FOut, {1, 0, 0, 1, origin.x(), origin.y()}, "cm");
        FClip = clip ? std::optional(clip->translated(-origin)) : std::nullopt;
        if (FClip)
            Op(FOut, {FClip->x(), FClip->y(), FClip->width(), FClip->height()}, "re W n");
    }
    void End()
    {
        FOut += "Q\n";
        FFill.reset();
        FClip.reset();
    }

    void Fill(const QColor& color)
    {
        if (FFill == color.rgb())
            return;
        FFill = color.rgb();
        if (color.red() == color.green() && color.green() == color.blue())
            Op(FOut, {color.redF()}, "g");
        else
            Op(FOut, {color.redF(), color.greenF(), color.blueF()}, "rg");
    }

    void Rect(const QRectF& rect, const QColor& color)
    {
        Fill(color);
        Op(FOut, {rect.x(), rect.y(), rect.width(), rect.height()}, "re f");
    }

    // Whether a line of text from top, height high, misses the group's clip.
    bool OutsideClip(double top, double height) const
    {
        return FClip && (top + height + kGlyphOvershootDots <= FClip->top() ||
                         top - kGlyphOvershootDots >= FClip->bottom());
    }

    const TLayoutFont& Font(const std::string& family, double layoutPixels, int stretch)
    {
        const auto key = std::make_tuple(family, layoutPixels, stretch);
        if (const auto found = FLayoutFonts.find(key); found != FLayoutFonts.end())
            return found->second;
        QFont request(QString::fromStdString(family));
        request.setPointSizeF(PointsOfDots(layoutPixels, kLayoutDpi));
        if (stretch > 0)
            request.setStretch(stretch);
        QFont font(request, &FDevice);
        const QFontMetricsF metrics(font, &FDevice);
        return FLayoutFonts
            .emplace(key, TLayoutFont{.Font = std::move(font),
                                      .Ascent = metrics.ascent(),
                                      .Height = metrics.height(),
                                      .Leading = metrics.leading()})
            .first->second;
    }

    // A text on one line, shaped once for every label of the page that shows it.
    const TShapedText& OneLine(const QString& text, const TLayoutFont& font)
    {
        auto key = std::make_pair(&font, text);
        if (const auto found = FShaped.find(key); found != FShaped.end())
            return found->second;
        if (FShaped.size() >= kMaxShapedTexts)
            FShaped.clear();
        if (std::optional<TShapedText> digits = Digits(text, font))
            return FShaped.emplace(std::move(key), *std::move(digits)).first->second;
        QTextLayout layout(text, font.Font, &FDevice);
        QTextOption option;
        option.setTextDirection(FDirection);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        TShapedText shaped = Coded(layout, font.Font.stretch(), FGlyphs);
        shaped.Width = line.isValid() ? line.horizontalAdvance() : 0.0;
        shaped.LineAscent = line.isValid() ? line.ascent() : 0.0;
        return FShaped.emplace(std::move(key), std::move(shaped)).first->second;
    }

    // A line of digits (a label's human-readable line) by its characters' advances, when the font sets
    // them so: shaping each would cost more than everything else on the page. Spaces at either end, which
    // a line's advance may leave out, and right-to-left pages, which turn the asterisks, are shaped.
    std::optional<TShapedText> Digits(const QString& text, const TLayoutFont& font)
    {
        if (FDirection != Qt::LeftToRight || !SetByAdvances(text))
            return std::nullopt;
        auto [found, isNew] = FDigitFonts.try_emplace(&font);
        if (isNew)
            found->second = DigitFontOf(font.Font, FDevice, FGlyphs);
        if (!found->second)
            return std::nullopt;
        TDigitFont& digits = *found->second;
        const TDigitAdvances& line = digits.Line;
        TShapedText shaped{.Width = 0.0, .LineAscent = line.Baseline, .Rows = {}};
        for (const QChar c : text) {
            const std::size_t i = *DigitIndex(c);
            if (!digits.Codes[i])
                digits.Codes[i] =
                    FGlyphs.Code(digits.Face, line.Font, line.Glyphs[i], [c] { return QString(c); });
            const TLabelPdfGlyphs::TCode& code = *digits.Codes[i];
            if (shaped.Rows.empty() || shaped.Rows.back().Slice != code.Slice)
                shaped.Rows.push_back({.Slice = code.Slice,
                                       .PixelSize = line.Font.pixelSize(),
                                       .Baseline = line.Baseline,
                                       .CodeBytes = code.CodeBytes,
                                       .HorizontalScale = code.HorizontalScale});
            shaped.Rows.back().Codes.push_back(code.Code);
            shaped.Rows.back().Widths.push_back(code.Width);
            shaped.Rows.back().X.push_back(shaped.Width);
            shaped.Width += line.Advances[i];
        }
        return shaped;
    }

    // Lines of text laid out in a frame as the painter's drawText lays them: top-aligned, each line
    // aligned in the frame's width, wrapped at words when asked.
    TShapedText InFrame(const QString& text, const TLayoutFont& font, double widthPixels, Qt::Alignment align,
                        bool wrap)
    {
        QString lines = text;
        lines.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(lines, font.Font, &FDevice);
        QTextOption option(align);
        option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
        option.setTextDirection(FDirection);
        layout.setTextOption(option);
        layout.beginLayout();
        double height = 0.0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(widthPixels);
            height += std::max(0.0, font.Leading);
            line.setPosition(QPointF(0.0, height));
            height += line.height();
        }
        layout.endLayout();
        return Coded(layout, font.Font.stretch(), FGlyphs);
    }

    // The glyphs with the text's top-left corner at `at` (in the group's dots), in color.
    void Glyphs(const TShapedText& shaped, QPointF at, const QColor& color)
    {
        if (shaped.Rows.empty())
            return;
        Fill(color);
        FOut += "BT\n";
        for (const TGlyphRow& row : shaped.Rows) {
            FSlicesUsed.insert(row.Slice);
            const double size = row.PixelSize * FDotsPerLayoutPixel;
            // Glyph units to dots along the line: a stretched face is drawn wider than its file has it.
            const double advanceDots = size * row.HorizontalScale / kGlyphUnitsPerEm;
            FOut += "/F" + std::to_string(row.Slice) + ' ';
            Op(FOut, {size}, "Tf");
            double pen = at.x() + row.X[0] * FDotsPerLayoutPixel;
            Op(FOut, {row.HorizontalScale, 0, 0, -1, pen, at.y() + row.Baseline * FDotsPerLayoutPixel}, "Tm");
            FOut += "[(";
            for (std::size_t i = 0; i < row.Codes.size(); ++i) {
                if (i > 0) {
                    // Kerning and shaping move glyphs from where their advance would leave them.
                    const double target = at.x() + row.X[i] * FDotsPerLayoutPixel;
                    const double adjust = advanceDots > 0.0 ? std::round((pen - target) / advanceDots) : 0.0;
                    if (adjust != 0.0) {
                        FOut += ")";
                        Number(FOut, adjust);
                        FOut += "(";
                        pen -= adjust * advanceDots;
                    }
                }
                StringBytes(FOut, row.Codes[i], row.CodeBytes);
                pen += row.Widths[i] * advanceDots;
            }
            FOut += ")] TJ\n";
        }
        FOut += "ET\n";
    }

    double DotsPerLayoutPixel() const { return FDotsPerLayoutPixel; }

private:
    TLabelPdfGlyphs& FGlyphs;
    Qt::LayoutDirection FDirection = Qt::LeftToRight;
    double FDotsPerLayoutPixel = 1.0;
    QImage FDevice = LayoutDevice();
    std::string FOut{};
    std::set<int> FSlicesUsed{};
    std::vector<TLabelPdfImage> FImages{};
    std::optional<QRgb> FFill{};
    std::optional<QRectF> FClip{};
    std::map<std::tuple<std::string, double, int>, TLayoutFont> FLayoutFonts{};
    std::map<std::pair<const TLayoutFont*, QString>, TShapedText> FShaped{}; // fonts of FLayoutFonts
    std::map<const TLayoutFont*, std::optional<TDigitFont>> FDigitFonts{};
};

// Replays a label's drawing calls into a page's content, as PaintLabel paints them.
class TLabelWriter {
public:
    TLabelWriter(TPageContent& page, const TLabelPlacement& placement, double unitsPerInch,
                 const QPalette& palette)
        : FPage(page), FPlace(placement), FUnitsPerInch(unitsPerInch), FPalette(palette)
    {
    }

    void operator()(const TRecordedPolygon& polygon)
    {
        const std::optional<QColor> color = PolygonInk(polygon, FPalette);
        if (!color)
            return;
        if (const std::optional<QRect> bar = BarPixels(polygon.Points)) {
            FPage.Rect(Snapped(bar->left(), bar->top(), bar->right() + 1, bar->bottom() + 1), *color);
            return;
        }
        std::string& out = FPage.Out();
        FPage.Fill(*color);
        for (std::size_t i = 0; i < polygon.Points.size(); ++i) {
            const QPointF p = Device(polygon.Points[i].X, polygon.Points[i].Y);
            Op(out, {p.x(), p.y()}, i == 0 ? "m" : "l");
        }
        out += "h f*\n";
    }

    // The baseline lies a font's ascent below the text's top-left corner, as the label was composed.
    void operator()(const TRecordedText& text)
    {
        const double dots = TextPixels(text, FPlace, FUnitsPerInch);
        const int stretch = TextStretch(FPlace);
        const double scale = FPage.DotsPerLayoutPixel();
        const TLayoutFont& font = FPage.Font(text.Font.Name, dots / scale, stretch);
        const QPointF at = Device(text.TopLeft.X, text.TopLeft.Y);
        if (FPage.OutsideClip(at.y(), font.Height * scale))
            return; // shaping a line that no dot of shows is most of what it would cost
        const TShapedText& shaped = FPage.OneLine(OnOneLine(QString::fromStdString(text.Text)), font);
        if (text.Brush.Style == bsSolid)
            FPage.Rect(QRectF(at, QSizeF(shaped.Width * scale, font.Height * scale)),
                       ToQColor(text.Brush.Color, FPalette));
        FPage.Glyphs(shaped, at + QPointF(0, (font.Ascent - shaped.LineAscent) * scale),
                     ToQColor(text.Font.Color, FPalette));
    }

    // A one-pixel line paints its start pixel and leaves out its end.
    void operator()(const TRecordedLine& line)
    {
        const QColor color = FillColor(line.Pen.Color, line.Pen.Mode, FPalette);
        const TPoint from = line.From;
        const TPoint to = line.To;
        if (const std::optional<QRect> pixels = LinePixels(line)) {
            FPage.Rect(Snapped(pixels->left(), pixels->top(), pixels->right() + 1, pixels->bottom() + 1),
                       color);
        } else if (from != to) {
            // A painter's pen ends square, half its width past either end.
            std::string& out = FPage.Out();
            Op(out, {color.redF(), color.greenF(), color.blueF()}, "RG");
            Op(out, {FPlace.ScaleY}, "w 2 J");
            const QPointF a = Device(from.X, from.Y);
            const QPointF b = Device(to.X, to.Y);
            Op(out, {a.x(), a.y()}, "m");
            Op(out, {b.x(), b.y()}, "l S");
        }
    }

    void operator()(const TRecordedEllipse& ellipse)
    {
        const QRectF box(Device(ellipse.TopLeft.X, ellipse.TopLeft.Y),
                         Device(ellipse.BottomRight.X, ellipse.BottomRight.Y));
        const double rx = box.width() / 2, ry = box.height() / 2;
        const double cx = box.center().x(), cy = box.center().y();
        const double kx = rx * kQuarterEllipseKappa, ky = ry * kQuarterEllipseKappa;
        std::string& out = FPage.Out();
        FPage.Fill(FillColor(ellipse.Brush.Color, ellipse.Pen.Mode, FPalette));
        Op(out, {cx + rx, cy}, "m");
        Op(out, {cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry}, "c");
        Op(out, {cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy}, "c");
        Op(out, {cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry}, "c");
        Op(out, {cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy}, "c");
        out += "f\n";
    }

private:
    // In the group's dots, whose origin is the label's corner.
    QPointF Device(double x, double y) const { return {x * FPlace.ScaleX, y * FPlace.ScaleY}; }

    // In the group's dots, on the page's whole dots as the painter snaps them.
    QRectF Snapped(int left, int top, int right, int bottom) const
    {
        return FPlace.Snapped(left, top, right, bottom).translated(-FPlace.Origin);
    }

    TPageContent& FPage;
    const TLabelPlacement& FPlace;
    double FUnitsPerInch = 96.0;
    const QPalette& FPalette;
};

// The parts of one page, in dots: its cells and texts as the page renderer paints them.
class TPageMaker {
public:
    TPageMaker(TPageContent& content, const TPreparedReport& report, const TSheetLabels& labels,
               std::span<const QImage> pictures, const QTransform& toDots, double gridDpi,
               const QPalette& palette)
        : FContent(content), FReport(report), FLabels(labels), FPictures(pictures), FToDots(toDots),
          FGridDpi(gridDpi), FPalette(palette)
    {
    }

    void Element(const TPlacedElement& element)
    {
        const QRectF frame = FrameMm(element.Frame);
        if (const auto* image = std::get_if<TPlacedImage>(&element.Content))
            Cell(frame, *image);
        else
            Text(frame, std::get<TPlacedText>(element.Content));
    }

private:
    template <class Rows> static auto RowOf(const Rows& rows, std::int64_t row) -> decltype(&rows[0])
    {
        return row >= 0 && static_cast<std::uint64_t>(row) < rows.size()
                   ? &rows[static_cast<std::size_t>(row)]
                   : nullptr;
    }

    void Cell(const QRectF& frame, const TPlacedImage& image)
    {
        const QImage* picture = RowOf(FPictures, image.Row);
        if (picture != nullptr && picture->isNull())
            picture = nullptr;
        const auto* shared = RowOf(FLabels, image.Row);
        const TLabelDrawing* label = shared != nullptr ? shared->get() : nullptr;
        if ((picture == nullptr && label == nullptr) || frame.isEmpty())
            return;
        const TPictureCell cell{.FrameMm = frame,
                                .Image = image,
                                .PixelsPerInch = FReport.PixelsPerInch,
                                .ToDevice = FToDots,
                                .DeviceDpi = FGridDpi};
        if (label != nullptr)
            Label(*label, PlaceInCell(*label, cell, FGridDpi));
        else
            Picture(*picture, cell);
    }

    void Label(const TLabelDrawing& label, const TPlacedCell& placed)
    {
        const TLabelPlacement& placement = placed.Placement;
        FContent.Begin(placement.Origin, placed.Inside ? std::nullopt : std::optional(placed.Frame));
        TLabelWriter writer(FContent, placement, label.UnitsPerInch > 0 ? label.UnitsPerInch : 96.0,
                            FPalette);
        for (const TRecordedCall& call : label.Calls)
            std::visit(writer, call);
        FContent.End();
    }

    // Pixel for pixel, unsmoothed, cut to its frame; written once however many of the page's cells show it.
    void Picture(const QImage& picture, const TPictureCell& cell)
    {
        const auto [known, isNew] = FImageNumbers.try_emplace(picture.cacheKey(), FContent.Images().size());
        if (isNew)
            FContent.Images().push_back(ImageOf(picture));
        const std::size_t number = known->second;
        const QRectF t = FToDots.mapRect(
            PictureTargetMm(cell.FrameMm, QSizeF(picture.size()), cell.Image, cell.PixelsPerInch));
        FContent.Begin({}, FToDots.mapRect(cell.FrameMm));
        Op(FContent.Out(), {t.width(), 0, 0, -t.height(), t.left(), t.bottom()}, "cm");
        FContent.Out() += "/I" + std::to_string(number) + " Do\n";
        FContent.End();
    }

    void Text(const QRectF& frameMm, const TPlacedText& text)
    {
        const QRectF frame = FToDots.mapRect(frameMm);
        const double scale = FContent.DotsPerLayoutPixel();
        const double dots = MmOfPoints(text.Font.PointSize) * FToDots.m22();
        const TLayoutFont& font = FContent.Font(text.Font.Family, dots / scale, 0);
        const TShapedText shaped =
            FContent.InFrame(QString::fromStdString(text.Text), font, frame.width() / scale,
                             HorizontalAlignmentOf(text.Alignment), text.WordWrap);
        FContent.Begin({}, text.AutoSize ? std::nullopt : std::optional(frame));
        FContent.Glyphs(shaped, frame.topLeft(), Qt::black);
        FContent.End();
    }

    TPageContent& FContent;
    const TPreparedReport& FReport;
    const TSheetLabels& FLabels;
    std::span<const QImage> FPictures;
    std::map<qint64, std::size_t> FImageNumbers{}; // of the page's images, by the picture's cache key
    QTransform FToDots;
    double FGridDpi = 600.0;
    const QPalette& FPalette;
};

} // namespace

namespace {

std::string ImageDictionary(const TLabelPdfImage& image)
{
    return "/Type /XObject /Subtype /Image /Width " + std::to_string(image.Width) + " /Height " +
           std::to_string(image.Height) + " /ColorSpace " + (image.Grey ? "/DeviceGray" : "/DeviceRGB") +
           " /BitsPerComponent 8 /Filter /FlateDecode";
}

} // namespace

TLabelPdf::TLabelPdf(QIODevice& out, const TPreparedReport& paper, const TCalibration& calibration)
    : FOut(out), FCalibration(calibration), FPalette(QGuiApplication::palette()),
      FDirection(QGuiApplication::layoutDirection()), FGlyphs(std::make_unique<TLabelPdfGlyphs>()),
      FPending(std::make_unique<TPending>(*this))
{
    // From the paper's millimetres: Qt's points are whole (A4 595 x 842, not 595.276 x 841.89).
    const QRectF mm = PageLayoutOf(paper).fullRect(QPageLayout::Millimeter);
    FPaperWidthPoints = PointsOfMm(mm.width());
    FPaperHeightPoints = PointsOfMm(mm.height());
    CheckCalibration(calibration);
    if (!FOut.isWritable())
        throw Exception("Cannot write the PDF: its file is not open for writing");
    NewObject(); // 1: the catalogue, written with the page list at the end
    NewObject(); // 2: the page list
}

TLabelPdf::~TLabelPdf() = default;

TLabelPdfPage TLabelPdf::MakePage(const TPreparedReport& report, std::size_t pageIndex,
                                  const TSheetLabels& labels, double gridDpi,
                                  std::span<const QImage> pictures) const
{
    if (!std::isfinite(gridDpi) || gridDpi <= 0)
        throw Exception("The PDF needs a printer resolution above 0 dpi");
    if (pageIndex >= report.Pages.size())
        throw Exception("The report has no page " + std::to_string(pageIndex + 1));
    TPageContent content(*FGlyphs, FDirection, gridDpi);
    // The page in the printer's dots, y down from the paper's corner, as the painter's PDF has it.
    const double pointsPerDot = PointsOfDots(1.0, gridDpi);
    for (const double value : {pointsPerDot, 0.0, 0.0, -pointsPerDot, 0.0, FPaperHeightPoints}) {
        ExactNumber(content.Out(), value);
        content.Out() += ' ';
    }
    content.Out() += "cm\n";
    const QTransform toDots =
        PaperTransform(TPaintTarget{.ResolutionDpi = gridDpi, .Calibration = FCalibration});
    TPageMaker maker(content, report, labels, pictures, toDots, gridDpi, FPalette);
    for (const TPlacedElement& element : report.Pages[pageIndex].Elements)
        maker.Element(element);
    return {
        .Content = Deflated(content.Out()), .Fonts = content.Fonts(), .Images = std::move(content.Images())};
}

int TLabelPdf::NewObject()
{
    FOffsets.push_back(0);
    return static_cast<int>(FOffsets.size());
}

void TLabelPdf::BeginObject(int number)
{
    FOffsets[static_cast<std::size_t>(number - 1)] = FWritten;
    if (FPart)
        FPart->Objects.emplace_back(number, FPart->Bytes.size());
    Write(std::to_string(number) + " 0 obj\n");
}

void TLabelPdf::Write(std::string_view bytes)
{
    if (FFailed)
        throw Exception("The PDF could not be written in full");
    const auto size = static_cast<qint64>(bytes.size());
    if (FOut.write(bytes.data(), size) != size) {
        FFailed = true;
        throw Exception("Cannot write the PDF: " + FOut.errorString().toStdString());
    }
    FWritten += bytes.size();
    if (FPart)
        FPart->Bytes += bytes;
}

void TLabelPdf::BeginPart()
{
    FPart.emplace();
}

TWrittenPdfPart TLabelPdf::EndPart(int pageObject)
{
    TWrittenPdfPart part = std::move(*FPart);
    FPart.reset();
    part.PageObject = pageObject;
    return part;
}

void TLabelPdf::WriteStream(int number, std::string_view dictionary, std::string_view data)
{
    BeginObject(number);
    Write("<<" + std::string(dictionary) + " /Length " + std::to_string(data.size()) + " >>\nstream\n");
    Write(data);
    Write("\nendstream\nendobj\n");
}

int TLabelPdf::FontObject(int slice)
{
    const std::lock_guard lock(FFontObjectsMutex); // pages are read beside the writer
    if (FFontObjects.size() <= static_cast<std::size_t>(slice))
        FFontObjects.resize(static_cast<std::size_t>(slice) + 1, 0);
    int& number = FFontObjects[static_cast<std::size_t>(slice)];
    if (number == 0)
        number = NewObject();
    return number;
}

TWrittenPdfPart TLabelPdf::AddPage(const TLabelPdfPage& page)
{
    if (FFinished)
        throw Exception("The PDF is finished: no page can be added");
    if (FWritten == 0)
        Write(kFileHeader);
    BeginPart();
    const int contentObject = NewObject();
    WriteStream(contentObject, "/Filter /FlateDecode", page.Content);
    std::string resources = "/Resources <<";
    if (!page.Fonts.empty()) {
        resources += " /Font <<";
        for (const int slice : page.Fonts)
            resources += " /F" + std::to_string(slice) + ' ' + std::to_string(FontObject(slice)) + " 0 R";
        resources += " >>";
    }
    if (!page.Images.empty()) {
        resources += " /XObject <<";
        for (std::size_t i = 0; i < page.Images.size(); ++i) {
            const int number = NewObject();
            WriteStream(number, ImageDictionary(page.Images[i]), page.Images[i].Pixels);
            resources += " /I" + std::to_string(i) + ' ' + std::to_string(number) + " 0 R";
        }
        resources += " >>";
    }
    resources += " >>";
    const int pageObject = NewObject();
    BeginObject(pageObject);
    std::string dictionary = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
    ExactNumber(dictionary, FPaperWidthPoints);
    dictionary += ' ';
    ExactNumber(dictionary, FPaperHeightPoints);
    dictionary += "] " + resources + " /Contents " + std::to_string(contentObject) + " 0 R >>\nendobj\n";
    Write(dictionary);
    FPageObjects.push_back(pageObject);
    return EndPart(pageObject);
}

void TLabelPdf::WriteFonts()
{
    const std::vector<TLabelPdfGlyphs::TSlice>& slices = FGlyphs->Slices();
    for (std::size_t s = 0; s < FFontObjects.size() && s < slices.size(); ++s) {
        if (FFontObjects[s] == 0)
            continue;
        if (slices[s].TrueType)
            WriteTrueTypeFont(FFontObjects[s], slices[s], s);
        else
            WriteType3Font(FFontObjects[s], slices[s], s);
    }
}

namespace {

std::vector<std::pair<unsigned, QString>> CodeTexts(const TLabelPdfGlyphs::TSlice& slice)
{
    std::vector<std::pair<unsigned, QString>> texts;
    for (std::size_t code = 0; code < slice.Glyphs.size(); ++code) {
        const TLabelPdfGlyphs::TGlyph& glyph = slice.Glyphs[code];
        texts.emplace_back(slice.TrueType ? glyph.Number : static_cast<unsigned>(code), glyph.Text);
    }
    std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return texts;
}

} // namespace

// A Type 0 font over a CIDFontType2 font whose program is the face's subset: codes are glyph numbers
// (Identity-H, CIDToGIDMap /Identity), and the subset keeps every glyph under its own number.
void TLabelPdf::WriteTrueTypeFont(int number, const TLabelPdfFontSlice& slice, std::size_t index)
{
    std::set<std::uint16_t> numbers;
    std::vector<std::pair<std::uint16_t, int>> widths;
    for (const TLabelPdfGlyphs::TGlyph& glyph : slice.Glyphs) {
        numbers.insert(glyph.Number);
        widths.emplace_back(glyph.Number, glyph.Width);
    }
    std::sort(widths.begin(), widths.end());
    std::string seed = slice.Name + '\n' + std::to_string(index);
    for (const std::uint16_t glyph : numbers)
        seed += ' ' + std::to_string(glyph);
    const std::string name = SubsetTag(seed) + slice.Name;
    const std::string program = slice.TrueType->Subset(numbers);
    const int fontFile = NewObject();
    WriteStream(fontFile, "/Length1 " + std::to_string(program.size()) + " /Filter /FlateDecode",
                Deflated(program));
    const TFontMetrics m = slice.TrueType->Metrics();
    // Flags: symbolic (4), its glyphs being chosen by number, not by a standard encoding; italic (64).
    const int flags = 4 | (m.FixedPitch ? 1 : 0) | (m.Italic ? 64 : 0);
    const int descriptor = NewObject();
    BeginObject(descriptor);
    std::string text = "<< /Type /FontDescriptor /FontName /" + name + " /Flags " + std::to_string(flags) +
                       " /FontBBox [" + std::to_string(m.Box[0]) + ' ' + std::to_string(m.Box[1]) + ' ' +
                       std::to_string(m.Box[2]) + ' ' + std::to_string(m.Box[3]) + "] /ItalicAngle ";
    Number(text, m.ItalicAngle);
    text += " /Ascent " + std::to_string(m.Ascent) + " /Descent " + std::to_string(m.Descent) +
            " /CapHeight " + std::to_string(m.CapHeight) + " /StemV " + std::to_string(m.StemV) +
            " /FontFile2 " + std::to_string(fontFile) + " 0 R >>\nendobj\n";
    Write(text);
    const int cidFont = NewObject();
    BeginObject(cidFont);
    Write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
          std::to_string(descriptor) + " 0 R /W " + CidWidths(widths) +
          " /CIDToGIDMap /Identity >>\nendobj\n");
    const int toUnicode = NewObject();
    WriteStream(toUnicode, "", ToUnicodeMap(CodeTexts(slice), kGlyphNumberBytes));
    BeginObject(number);
    Write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [" +
          std::to_string(cidFont) + " 0 R] /ToUnicode " + std::to_string(toUnicode) + " 0 R >>\nendobj\n");
}

// A Type 3 font of the glyphs' outlines, named after its face and slice: /Name as PDF 1.0 asked, and
// /BaseFont, the name that pdffonts and other readers list.
void TLabelPdf::WriteType3Font(int number, const TLabelPdfFontSlice& slice, std::size_t index)
{
    const std::vector<TLabelPdfGlyphs::TGlyph>& glyphs = slice.Glyphs;
    std::string procedures;
    std::string differences;
    std::string widths;
    QRect box(QPoint(0, 0), QPoint(0, 0)); // the origin, where a glyph without ink has its empty box
    for (std::size_t code = 0; code < glyphs.size(); ++code) {
        const int procedure = NewObject();
        WriteStream(procedure, "", glyphs[code].Procedure);
        procedures += " /g" + std::to_string(code) + ' ' + std::to_string(procedure) + " 0 R";
        differences += " /g" + std::to_string(code);
        widths += ' ' + std::to_string(glyphs[code].Width);
        box |= glyphs[code].Box;
    }
    const int toUnicode = NewObject();
    WriteStream(toUnicode, "", ToUnicodeMap(CodeTexts(slice), 1));
    const std::string name = slice.Name + '-' + std::to_string(index);
    BeginObject(number);
    Write("<< /Type /Font /Subtype /Type3 /Name /" + name + " /BaseFont /" + name +
          " /FontMatrix [0.001 0 0 0.001 0 0] /FontBBox [" + std::to_string(box.left()) + ' ' +
          std::to_string(box.top()) + ' ' + std::to_string(box.right()) + ' ' + std::to_string(box.bottom()) +
          "] /Resources << >> /CharProcs <<" + procedures +
          " >> /Encoding << /Type /Encoding /Differences [0" + differences + "] >> /FirstChar 0 /LastChar " +
          std::to_string(glyphs.empty() ? 0 : glyphs.size() - 1) + " /Widths [" + widths + " ] /ToUnicode " +
          std::to_string(toUnicode) + " 0 R >>\nendobj\n");
}

TWrittenPdfPart TLabelPdf::Finish()
{
    // An empty PDF would pass for a report that printed nothing.
    if (FPageObjects.empty())
        throw Exception("The report has no pages to write");
    if (FFinished)
        throw Exception("The PDF is finished already");
    BeginPart();
    WriteFonts();
    BeginObject(1);
    Write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    BeginObject(2);
    std::string kids;
    for (const int page : FPageObjects)
        kids += std::to_string(page) + " 0 R ";
    Write("<< /Type /Pages /Count " + std::to_string(FPageObjects.size()) + " /Kids [" + kids +
          "] >>\nendobj\n");
    const std::uint64_t xref = FWritten;
    std::string table = "xref\n0 " + std::to_string(FOffsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::uint64_t offset : FOffsets) {
        std::array<char, 24> entry{};
        std::snprintf(entry.data(), entry.size(), "%010llu 00000 n \n",
                      static_cast<unsigned long long>(offset));
        table += entry.data();
    }
    table += "trailer\n<< /Size " + std::to_string(FOffsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
             std::to_string(xref) + "\n%%EOF\n";
    Write(table);
    FFinished = true;
    return EndPart(0);
}

// The Type 3 fonts as WriteFonts will write them: each slice's glyph procedures and widths.
class TLabelPdf::TPending : public TPendingFonts {
public:
    explicit TPending(const TLabelPdf& pdf) : FPdf(pdf) {}

    int BytesPerCode(int fontObject) const override { return FPdf.FGlyphs->CodeBytes(SliceOf(fontObject)); }

    std::optional<TPendingGlyph> Glyph(int fontObject, unsigned code) const override
    {
        const int slice = SliceOf(fontObject);
        if (slice < 0)
            return std::nullopt;
        return FPdf.FGlyphs->Pending(slice, code);
    }

    std::vector<std::pair<int, unsigned>> Codes() const override
    {
        std::vector<std::pair<int, unsigned>> codes;
        const std::lock_guard lock(FPdf.FFontObjectsMutex);
        for (std::size_t slice = 0; slice < FPdf.FFontObjects.size(); ++slice)
            if (const int object = FPdf.FFontObjects[slice]; object != 0)
                for (const unsigned code : FPdf.FGlyphs->Codes(static_cast<int>(slice)))
                    codes.emplace_back(object, code);
        return codes;
    }

private:
    int SliceOf(int fontObject) const
    {
        const std::lock_guard lock(FPdf.FFontObjectsMutex);
        const auto& objects = FPdf.FFontObjects;
        const auto found = std::find(objects.begin(), objects.end(), fontObject);
        return fontObject != 0 && found != objects.end() ? static_cast<int>(found - objects.begin()) : -1;
    }

    const TLabelPdf& FPdf;
};

const TPendingFonts& TLabelPdf::PendingFonts() const
{
    return *FPending;
}

} // namespace quillon
