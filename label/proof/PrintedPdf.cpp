// Reads a PDF back as a printer would print it, written to the PDF 1.4 reference: objects through the
// cross-reference table (3.4), Flate streams (3.3.3), the page tree (3.6.2), the content operators of
// paths, colours, text and images (4.4, 4.5, 5, 4.8), Type 3 fonts (5.5.4) and Type 0 fonts with an
// embedded TrueType program (5.6, 5.8). Shapes are filled where the centre of a dot lies inside them.
#include "label/proof/PrintedPdf.h"

#include <QByteArray>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <tuple>
#include <variant>
#include <vector>
#include <zlib.h>

#include "data/Escape.h"
#include "report/Units.h"

namespace quillon {

namespace {

// The most a stream may inflate to: far above any page Quillon writes, far below what would exhaust memory.
constexpr std::size_t kMaxInflatedBytes = 256U * 1024U * 1024U;
// Nested arrays and dictionaries deeper than this are no PDF of ours.
constexpr int kMaxDepth = 32;
// A Bezier curve is filled as this many straight pieces: for the glyphs and marks of a label, a few
// tens of dots across at a printer's resolution, the pieces stay within a tenth of a dot of the curve.
constexpr int kCurvePieces = 6;
// Glyphs of an embedded TrueType program are read at this size, one unit of glyph space a pixel.
constexpr double kGlyphUnits = 1000.0;
// A glyph shown again at a position within this fraction of a dot is drawn with the same dots.
constexpr double kGlyphPhases = 65536.0;
constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kOffPaper = 0xFF000000;

// ---- Objects -----------------------------------------------------------------------------------------

struct TName {
    std::string Text{};
};
struct TString {
    std::string Bytes{};
};
struct TRef {
    int Number = 0;
};
struct TKeyword {
    std::string Text{};
};
struct TObject;
using TArray = std::vector<TObject>;
using TDict = std::map<std::string, TObject, std::less<>>;

struct TObject {
    std::variant<std::monostate, bool, double, TName, TString, TRef, std::shared_ptr<TArray>,
                 std::shared_ptr<TDict>, TKeyword>
        Value{};

    const double* Number() const { return std::get_if<double>(&Value); }
    const TName* Name() const { return std::get_if<TName>(&Value); }
    const TString* String() const { return std::get_if<TString>(&Value); }
    const TRef* Ref() const { return std::get_if<TRef>(&Value); }
    const TKeyword* Keyword() const { return std::get_if<TKeyword>(&Value); }
    const TArray* Array() const
    {
        const auto* array = std::get_if<std::shared_ptr<TArray>>(&Value);
        return array != nullptr ? array->get() : nullptr;
    }
    const TDict* Dict() const
    {
        const auto* dict = std::get_if<std::shared_ptr<TDict>>(&Value);
        return dict != nullptr ? dict->get() : nullptr;
    }
};

[[noreturn]] void Unreadable(const std::string& what)
{
    throw TUnreadablePdf("The written PDF cannot be read back: " + what);
}

bool IsWhite(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
           c == '/' || c == '%';
}

// Tokens and objects of PDF's syntax (3.1, 3.2), from a position in some bytes.
class TLexer {
public:
    explicit TLexer(std::string_view bytes, std::size_t at = 0) : FBytes(bytes), FAt(at) {}

    std::size_t At() const { return FAt; }
    bool AtEnd()
    {
        SkipWhite();
        return FAt >= FBytes.size();
    }

    void SkipWhite()
    {
        while (FAt < FBytes.size()) {
            if (IsWhite(FBytes[FAt])) {
                ++FAt;
            } else if (FBytes[FAt] == '%') {
                while (FAt < FBytes.size() && FBytes[FAt] != '\n' && FBytes[FAt] != '\r')
                    ++FAt;
            } else {
                return;
            }
        }
    }

    // The next object; in a content stream an operator comes back as a keyword. "n g R" is a reference
    // when references are allowed.
    TObject Next(bool references, int depth = 0)
    {
        if (depth > kMaxDepth)
            Unreadable("objects nested too deep");
        SkipWhite();
        if (FAt >= FBytes.size())
            Unreadable("it ends in the middle of an object");
        const char c = FBytes[FAt];
        if (c == '/')
            return {TName{Word(FAt + 1)}};
        if (c == '(')
            return {LiteralString()};
        if (c == '<' && Peek(1) == '<')
            return DictionaryObject(references, depth);
        if (c == '<')
            return {HexString()};
        if (c == '[') {
            ++FAt;
            auto array = std::make_shared<TArray>();
            while (true) {
                SkipWhite();
                if (Peek(0) == ']') {
                    ++FAt;
                    return {array};
                }
                array->push_back(Next(references, depth + 1));
            }
        }
        if (c == ']' || c == '>' || c == ')' || c == '{' || c == '}')
            Unreadable(std::string("an unexpected '") + c + "'");
        if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9'))
            return NumberOrReference(references);
        const std::string word = Word(FAt);
        if (word == "true" || word == "false")
            return {word == "true"};
        if (word == "null")
            return {};
        return {TKeyword{word}};
    }

    TObject DictionaryObject(bool references, int depth)
    {
        FAt += 2;
        auto dict = std::make_shared<TDict>();
        while (true) {
            SkipWhite();
            if (Peek(0) == '>' && Peek(1) == '>') {
                FAt += 2;
                return {dict};
            }
            const TObject key = Next(false, depth + 1);
            if (key.Name() == nullptr)
                Unreadable("a dictionary key that is no name");
            (*dict)[key.Name()->Text] = Next(references, depth + 1);
        }
    }

    // Skips to just past `word`, searching forward; false when it does not come.
    bool SkipPast(std::string_view word)
    {
        const std::size_t found = FBytes.find(word, FAt);
        if (found == std::string_view::npos)
            return false;
        FAt = found + word.size();
        return true;
    }

    void SetAt(std::size_t at) { FAt = at; }

    // The operator a content stream names next, as it stands in the bytes, read without making an
    // object of it: a page has one for every few numbers. None when an operand comes next.
    std::optional<std::string_view> Operator()
    {
        SkipWhite();
        std::size_t end = FAt;
        while (end < FBytes.size() && !IsWhite(FBytes[end]) && !IsDelimiter(FBytes[end]))
            ++end;
        const std::string_view word = FBytes.substr(FAt, end - FAt);
        if (word.empty() || word.find('#') != std::string_view::npos || word == "true" || word == "false" ||
            word == "null")
            return std::nullopt;
        const char c = word.front();
        if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9'))
            return std::nullopt;
        FAt = end;
        return word;
    }

private:
    char Peek(std::size_t ahead) const { return FAt + ahead < FBytes.size() ? FBytes[FAt + ahead] : '\0'; }

    // A name or keyword from `from` to the next white space or delimiter; #xx escapes in names.
    std::string Word(std::size_t from)
    {
        std::string word;
        FAt = from;
        while (FAt < FBytes.size() && !IsWhite(FBytes[FAt]) && !IsDelimiter(FBytes[FAt])) {
            if (FBytes[FAt] == '#' && FAt + 2 < FBytes.size() && HexDigitValue(FBytes[FAt + 1]) >= 0 &&
                HexDigitValue(FBytes[FAt + 2]) >= 0) {
                word +=
                    static_cast<char>(HexDigitValue(FBytes[FAt + 1]) * 16 + HexDigitValue(FBytes[FAt + 2]));
                FAt += 3;
                continue;
            }
            word += FBytes[FAt++];
        }
        if (word.empty() && from == FAt && FAt < FBytes.size() && FBytes[FAt] != '/')
            Unreadable(std::string("an unexpected '") + FBytes[FAt] + "'");
        return word;
    }

    double NumberAt()
    {
        const std::size_t start = FAt;
        while (FAt < FBytes.size() && (FBytes[FAt] == '+' || FBytes[FAt] == '-' || FBytes[FAt] == '.' ||
                                       (FBytes[FAt] >= '0' && FBytes[FAt] <= '9')))
            ++FAt;
        std::string_view text = FBytes.substr(start, FAt - start);
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        double value = 0.0;
        // "-.5" and ".5" are numbers in PDF; from_chars wants a digit before the point.
        std::array<char, 64> padded{};
        if ((text.starts_with('.') || text.starts_with("-.")) && text.size() + 1 < padded.size()) {
            const std::size_t point = text.find('.');
            std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(point), padded.begin());
            padded[point] = '0';
            std::copy(text.begin() + static_cast<std::ptrdiff_t>(point), text.end(),
                      padded.begin() + static_cast<std::ptrdiff_t>(point) + 1);
            text = std::string_view(padded.data(), text.size() + 1);
        }
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size())
            Unreadable("a number written as '" + std::string(FBytes.substr(start, FAt - start)) + "'");
        return value;
    }

    TObject NumberOrReference(bool references)
    {
        const double first = NumberAt();
        if (!references || first != std::trunc(first) || first < 0)
            return {first};
        const std::size_t after = FAt;
        SkipWhite();
        if (FAt < FBytes.size() && FBytes[FAt] >= '0' && FBytes[FAt] <= '9') {
            const double generation = NumberAt();
            SkipWhite();
            if (generation == std::trunc(generation) && Peek(0) == 'R' &&
                (IsWhite(Peek(1)) || IsDelimiter(Peek(1)) || Peek(1) == '\0')) {
                ++FAt;
                return {TRef{static_cast<int>(first)}};
            }
        }
        FAt = after;
        return {first};
    }

    TString LiteralString()
    {
        ++FAt;
        std::string bytes;
        int open = 1;
        while (FAt < FBytes.size()) {
            const char c = FBytes[FAt++];
            if (c == '\\' && FAt < FBytes.size()) {
                const char e = FBytes[FAt++];
                static constexpr std::string_view kFrom = "nrtbf()\\";
                static constexpr std::string_view kTo = "\n\r\t\b\f()\\";
                if (const std::size_t i = kFrom.find(e); i != std::string_view::npos) {
                    bytes += kTo[i];
                } else if (e >= '0' && e <= '7') {
                    int value = e - '0';
                    for (int digits = 1;
                         digits < 3 && FAt < FBytes.size() && FBytes[FAt] >= '0' && FBytes[FAt] <= '7';
                         ++digits)
                        value = value * 8 + (FBytes[FAt++] - '0');
                    bytes += static_cast<char>(value & 0xFF);
                } else if (e == '\r' || e == '\n') {
                    if (e == '\r' && Peek(0) == '\n')
                        ++FAt; // a line continued
                } else {
                    bytes += e;
                }
                continue;
            }
            if (c == '(')
                ++open;
            if (c == ')' && --open == 0)
                return {bytes};
            bytes += c;
        }
        Unreadable("a string without its closing bracket");
    }

    TString HexString()
    {
        ++FAt;
        std::string bytes;
        int high = -1;
        while (FAt < FBytes.size() && FBytes[FAt] != '>') {
            const char c = FBytes[FAt++];
            if (IsWhite(c))
                continue;
            const int value = HexDigitValue(c);
            if (value < 0)
                Unreadable("a hexadecimal string with '" + std::string(1, c) + "'");
            if (high < 0) {
                high = value;
            } else {
                bytes += static_cast<char>(high * 16 + value);
                high = -1;
            }
        }
        if (FAt >= FBytes.size())
            Unreadable("a hexadecimal string without its end");
        ++FAt;
        if (high >= 0)
            bytes += static_cast<char>(high * 16);
        return {bytes};
    }

    std::string_view FBytes;
    std::size_t FAt = 0;
};

std::string Inflated(std::string_view data)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        Unreadable("zlib would not start");
    std::string out;
    std::array<char, 65536> chunk{};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            inflateEnd(&stream);
            Unreadable("a compressed stream is damaged");
        }
        out.append(chunk.data(), chunk.size() - stream.avail_out);
        if (out.size() > kMaxInflatedBytes) {
            inflateEnd(&stream);
            Unreadable("a compressed stream inflates beyond 256 MB");
        }
        if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) {
            inflateEnd(&stream);
            Unreadable("a compressed stream ends early");
        }
    }
    inflateEnd(&stream);
    return out;
}

const TObject kNull{};

const TObject& Get(const TDict& dict, std::string_view key)
{
    const auto found = dict.find(key);
    return found != dict.end() ? found->second : kNull;
}

double NumberOf(const TObject& object, const std::string& what)
{
    if (object.Number() == nullptr)
        Unreadable(what + " is no number");
    return *object.Number();
}

class TFont;

} // namespace

// ---- The file --------------------------------------------------------------------------------------

class TPrintedPdf::TData {
public:
    // A part of a file: its objects where its writer says they are.
    TData(TWrittenPdfPart part, const TPendingFontReader* pending)
        : FBytes(std::move(part.Bytes)), FPending(pending)
    {
        for (const auto& [number, offset] : part.Objects)
            FOffsets[number] = offset;
        if (part.PageObject != 0)
            CollectPages(ObjectNumbered(part.PageObject), {}, 0);
    }

    explicit TData(std::string bytes) : FBytes(std::move(bytes))
    {
        if (!std::string_view(FBytes).starts_with("%PDF-"))
            Unreadable("it does not begin as a PDF does");
        ReadCrossReferences();
        const TDict& trailer = FTrailer;
        const TDict* catalogue = Resolve(Get(trailer, "Root")).Dict();
        if (catalogue == nullptr)
            Unreadable("it has no catalogue");
        CollectPages(Resolve(Get(*catalogue, "Pages")), {}, 0);
    }

    // An indirect object followed to its value, streams as their dictionary; direct objects as they are.
    const TObject& Resolve(const TObject& object) const
    {
        const TRef* ref = object.Ref();
        return ref != nullptr ? ObjectNumbered(ref->Number) : object;
    }

    // The object with that number, parsed once.
    const TObject& ObjectNumbered(int number) const
    {
        const std::lock_guard lock(FMutex);
        const auto known = FObjects.find(number);
        if (known != FObjects.end())
            return known->second.Object;
        return FObjects.emplace(number, Parse(number)).first->second.Object;
    }

    // The bytes of a stream object, inflated when its filter says so.
    std::string StreamData(const TObject& reference) const
    {
        const TRef* ref = reference.Ref();
        if (ref == nullptr)
            Unreadable("a stream that is no indirect object");
        const TObject& dictionary = ObjectNumbered(ref->Number);
        std::string_view raw;
        {
            const std::lock_guard lock(FMutex);
            raw = FObjects.at(ref->Number).Stream;
        }
        if (dictionary.Dict() == nullptr)
            Unreadable("object " + std::to_string(ref->Number) + " is no stream");
        const TObject& filter = Resolve(Get(*dictionary.Dict(), "Filter"));
        if (filter.Value.index() == 0)
            return std::string(raw);
        const TName* name = filter.Name();
        if (name == nullptr && filter.Array() != nullptr && filter.Array()->size() == 1)
            name = filter.Array()->front().Name();
        if (name == nullptr || name->Text != "FlateDecode")
            Unreadable("a stream filtered other than by Flate");
        return Inflated(raw);
    }

    struct TPageEntry {
        const TDict* Page = nullptr;
        std::array<double, 4> MediaBox{};
        const TDict* Resources = nullptr;
    };
    const std::vector<TPageEntry>& Pages() const { return FPages; }

    // The font object with that number, read once for every page that names it.
    const TFont& FontNumbered(int number) const;
    bool Has(int number) const { return FOffsets.contains(number); }

private:
    struct TParsed {
        TObject Object{};
        std::string_view Stream{};
    };

    void ReadCrossReferences()
    {
        const std::string_view bytes(FBytes);
        const std::size_t start = bytes.rfind("startxref");
        if (start == std::string_view::npos)
            Unreadable("it has no cross-reference table (the file is cut short)");
        TLexer lexer(bytes, start + std::string_view("startxref").size());
        const TObject offset = lexer.Next(false);
        if (offset.Number() == nullptr || *offset.Number() < 0 || *offset.Number() >= double(bytes.size()))
            Unreadable("its cross-reference table is not where it says");
        lexer.SetAt(static_cast<std::size_t>(*offset.Number()));
        const TObject keyword = lexer.Next(false);
        if (keyword.Keyword() == nullptr || keyword.Keyword()->Text != "xref")
            Unreadable("its cross-reference table is no table");
        while (true) {
            const TObject first = lexer.Next(false);
            if (first.Keyword() != nullptr && first.Keyword()->Text == "trailer")
                break;
            const TObject count = lexer.Next(false);
            if (first.Number() == nullptr || count.Number() == nullptr)
                Unreadable("a cross-reference section without its numbers");
            for (int n = 0; n < static_cast<int>(*count.Number()); ++n) {
                const TObject at = lexer.Next(false);
                lexer.Next(false); // generation
                const TObject use = lexer.Next(false);
                if (at.Number() == nullptr || use.Keyword() == nullptr)
                    Unreadable("a damaged cross-reference entry");
                if (use.Keyword()->Text == "n")
                    FOffsets[static_cast<int>(*first.Number()) + n] = static_cast<std::size_t>(*at.Number());
            }
        }
        const TObject trailer = lexer.Next(true);
        if (trailer.Dict() == nullptr)
            Unreadable("its trailer is no dictionary");
        FTrailer = *trailer.Dict();
    }

    TParsed Parse(int number) const
    {
        const auto offset = FOffsets.find(number);
        if (offset == FOffsets.end() || offset->second >= FBytes.size())
            Unreadable("object " + std::to_string(number) + " is missing");
        TLexer lexer(FBytes, offset->second);
        const TObject n = lexer.Next(false);
        lexer.Next(false);
        const TObject obj = lexer.Next(false);
        if (n.Number() == nullptr || *n.Number() != number || obj.Keyword() == nullptr ||
            obj.Keyword()->Text != "obj")
            Unreadable("object " + std::to_string(number) + " is not where the table says");
        TParsed parsed{.Object = lexer.Next(true), .Stream = {}};
        const std::size_t afterObject = lexer.At();
        const TObject next = lexer.Next(false);
        if (next.Keyword() != nullptr && next.Keyword()->Text == "stream") {
            std::size_t at = lexer.At();
            if (at < FBytes.size() && FBytes[at] == '\r')
                ++at;
            if (at < FBytes.size() && FBytes[at] == '\n')
                ++at;
            const TDict* dictionary = parsed.Object.Dict();
            if (dictionary == nullptr)
                Unreadable("stream " + std::to_string(number) + " has no dictionary");
            const TObject& lengthObject = Get(*dictionary, "Length");
            double length = 0.0;
            if (const TRef* ref = lengthObject.Ref())
                length = NumberOf(Parse(ref->Number).Object, "a stream's length");
            else
                length = NumberOf(lengthObject, "a stream's length");
            if (length < 0 || at + static_cast<std::size_t>(length) > FBytes.size())
                Unreadable("stream " + std::to_string(number) + " runs past the end of the file");
            parsed.Stream = std::string_view(FBytes).substr(at, static_cast<std::size_t>(length));
            TLexer end(FBytes, at + static_cast<std::size_t>(length));
            const TObject endstream = end.Next(false);
            if (endstream.Keyword() == nullptr || endstream.Keyword()->Text != "endstream")
                Unreadable("stream " + std::to_string(number) + " is not as long as it says");
        } else {
            (void)afterObject;
        }
        return parsed;
    }

    void CollectPages(const TObject& node, TPageEntry inherited, int depth)
    {
        const TDict* dict = node.Dict();
        if (dict == nullptr || depth > kMaxDepth)
            Unreadable("its page tree is damaged");
        if (const TArray* box = Resolve(Get(*dict, "MediaBox")).Array(); box != nullptr && box->size() == 4)
            for (std::size_t i = 0; i < 4; ++i)
                inherited.MediaBox[i] = NumberOf(Resolve((*box)[i]), "a MediaBox corner");
        if (const TDict* resources = Resolve(Get(*dict, "Resources")).Dict())
            inherited.Resources = resources;
        const TObject& type = Resolve(Get(*dict, "Type"));
        if (type.Name() != nullptr && type.Name()->Text == "Page") {
            inherited.Page = dict;
            if (inherited.MediaBox[2] <= inherited.MediaBox[0] ||
                inherited.MediaBox[3] <= inherited.MediaBox[1])
                Unreadable("page " + std::to_string(FPages.size() + 1) + " has no paper");
            FPages.push_back(inherited);
            return;
        }
        const TArray* kids = Resolve(Get(*dict, "Kids")).Array();
        if (kids == nullptr)
            Unreadable("its page tree has a node without pages");
        for (const TObject& kid : *kids)
            CollectPages(Resolve(kid), inherited, depth + 1);
    }

    std::string FBytes;
    const TPendingFontReader* FPending = nullptr;
    std::map<int, std::size_t> FOffsets{};
    TDict FTrailer{};
    std::vector<TPageEntry> FPages{};
    mutable std::mutex FMutex{};
    mutable std::map<int, TParsed> FObjects{};
    mutable std::mutex FFontMutex{};
    mutable std::map<int, std::unique_ptr<const TFont>> FFonts{};
};

namespace {

// ---- Regions ---------------------------------------------------------------------------------------

using TContour = std::vector<QPointF>;

// A filled region in dots, with its bounding box. An axis-parallel rectangle is kept as one.
struct TRegion {
    std::vector<TContour> Contours{};
    bool EvenOdd = false;
    std::optional<QRectF> Rect{};
    QRectF Box{};
};

TRegion RegionOf(std::vector<TContour> contours, bool evenOdd)
{
    TRegion region{.Contours = std::move(contours), .EvenOdd = evenOdd, .Rect = {}, .Box = {}};
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    std::size_t points = 0;
    for (const TContour& contour : region.Contours)
        for (const QPointF& p : contour) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
            ++points;
        }
    if (points == 0)
        return region;
    region.Box = QRectF(QPointF(left, top), QPointF(right, bottom));
    // A closed four-cornered contour whose corners all lie on the box's edges is that box.
    if (region.Contours.size() == 1) {
        const TContour& c = region.Contours.front();
        const std::size_t corners = c.size() == 5 && c.front() == c.back() ? 4 : c.size();
        if (corners == 4) {
            bool axis = true;
            for (std::size_t i = 0; i < 4; ++i) {
                const QPointF a = c[i];
                const QPointF b = c[(i + 1) % 4];
                axis = axis && (a.x() == b.x() || a.y() == b.y());
            }
            if (axis)
                region.Rect = region.Box;
        }
    }
    return region;
}

// Where a row's dot centres lie inside a region: half-open spans of x.
void SpansOf(const TRegion& region, double y, std::vector<std::pair<double, double>>& spans,
             std::vector<std::pair<double, int>>& crossings)
{
    spans.clear();
    if (region.Rect) {
        if (y >= region.Rect->top() && y < region.Rect->bottom())
            spans.emplace_back(region.Rect->left(), region.Rect->right());
        return;
    }
    crossings.clear();
    for (const TContour& contour : region.Contours) {
        const std::size_t n = contour.size();
        for (std::size_t i = 0; i < n; ++i) {
            const QPointF p = contour[i];
            const QPointF q = contour[(i + 1) % n];
            int direction = 0;
            if (p.y() <= y && q.y() > y)
                direction = 1;
            else if (q.y() <= y && p.y() > y)
                direction = -1;
            if (direction != 0)
                crossings.emplace_back(p.x() + (y - p.y()) * (q.x() - p.x()) / (q.y() - p.y()), direction);
        }
    }
    std::sort(crossings.begin(), crossings.end());
    int winding = 0;
    double start = 0.0;
    for (const auto& [x, direction] : crossings) {
        const bool inside = region.EvenOdd ? (winding & 1) != 0 : winding != 0;
        winding += region.EvenOdd ? 1 : direction;
        const bool after = region.EvenOdd ? (winding & 1) != 0 : winding != 0;
        if (!inside && after)
            start = x;
        else if (inside && !after)
            spans.emplace_back(start, x);
    }
}

// A glyph as a page shows it again and again, at one size and one fraction of a dot, on its own dot
// grid: each row's spans are found when a row first crosses it, and kept. Scan lines cross few rows of
// few glyphs, so no row is found that is not read.
class TGlyphRows {
public:
    explicit TGlyphRows(TRegion region) : FRegion(std::move(region)) {}

    const QRectF& Box() const { return FRegion.Box; }

    // The spans of a row of the glyph's grid, moved `dx` dots along it.
    void SpansAt(int row, double dx, std::vector<std::pair<double, double>>& spans) const
    {
        spans.clear();
        const std::lock_guard lock(FMutex);
        const auto [found, added] = FRows.try_emplace(row);
        if (added) {
            std::vector<std::pair<double, int>> crossings;
            SpansOf(FRegion, row + 0.5, found->second, crossings);
        }
        for (const auto& [from, to] : found->second)
            spans.emplace_back(from + dx, to + dx);
    }

private:
    TRegion FRegion;
    mutable std::mutex FMutex{};
    mutable std::map<int, std::vector<std::pair<double, double>>> FRows{};
};

// ---- Fonts -------------------------------------------------------------------------------------------

// A glyph as filled: contours in glyph space (y up), scaled to text space by the font's matrix.
struct TGlyphShape {
    std::vector<std::vector<QPointF>> Contours{};
    bool EvenOdd = false;
};

void AddCurve(std::vector<QPointF>& contour, QPointF p0, QPointF p1, QPointF p2, QPointF p3)
{
    for (int i = 1; i <= kCurvePieces; ++i) {
        const double t = static_cast<double>(i) / kCurvePieces;
        const double u = 1.0 - t;
        contour.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
    }
}

// A path's subpaths as closed polygons, curves in kCurvePieces pieces.
std::vector<std::vector<QPointF>> ContoursOf(const QPainterPath& path)
{
    std::vector<std::vector<QPointF>> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || contours.empty()) {
            contours.push_back({QPointF(e)});
        } else if (e.isLineTo()) {
            contours.back().push_back(QPointF(e));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            AddCurve(contours.back(), contours.back().back(), QPointF(e), QPointF(path.elementAt(i + 1)),
                     QPointF(path.elementAt(i + 2)));
            i += 2;
        }
    }
    return contours;
}

// A font of a page's resources: how its codes split, how far each advances and what each draws.
class TFont {
public:
    virtual ~TFont() = default;
    // The codes of a string, one or two bytes each.
    virtual std::vector<unsigned> Codes(const std::string& bytes) const = 0;
    // The advance of a code in text space units of one point of font size (glyph width / 1000 for most).
    virtual double Advance(unsigned code) const = 0;
    // The glyph's outline in text space at a size of one.
    virtual const TGlyphShape* Glyph(unsigned code) const = 0;

    // The glyph in dots, drawn with `toDots` as a position within kGlyphPhases of a dot: found once for
    // each size and fraction of a dot it is shown at, and moved by the whole dots returned after, since
    // a sheet shows the same dozen digits thousands of times. None for a code without outline.
    std::shared_ptr<const TGlyphRows> Rows(unsigned code, const QTransform& toDots, QPoint& whole) const
    {
        const TGlyphShape* glyph = Glyph(code);
        if (glyph == nullptr || glyph->Contours.empty())
            return nullptr;
        const auto split = [](double at) {
            const double dots = std::floor(at);
            const double fraction = std::round((at - dots) * kGlyphPhases) / kGlyphPhases;
            return fraction >= 1.0 ? std::pair(dots + 1.0, 0.0) : std::pair(dots, fraction);
        };
        const auto [wholeX, fractionX] = split(toDots.dx());
        const auto [wholeY, fractionY] = split(toDots.dy());
        whole = QPoint(static_cast<int>(wholeX), static_cast<int>(wholeY));
        const QTransform local(toDots.m11(), toDots.m12(), toDots.m21(), toDots.m22(), fractionX, fractionY);
        const std::lock_guard lock(FRowsMutex);
        std::shared_ptr<const TGlyphRows>& rows =
            FRows[{code, local.m11(), local.m12(), local.m21(), local.m22(), fractionX, fractionY}];
        if (!rows) {
            std::vector<TContour> contours;
            for (const TContour& contour : glyph->Contours) {
                TContour mapped;
                mapped.reserve(contour.size());
                for (const QPointF& p : contour)
                    mapped.push_back(local.map(p));
                contours.push_back(std::move(mapped));
            }
            rows = std::make_shared<const TGlyphRows>(RegionOf(std::move(contours), glyph->EvenOdd));
        }
        return rows;
    }

private:
    using TRowsKey = std::tuple<unsigned, double, double, double, double, double, double>;
    mutable std::mutex FRowsMutex{};
    mutable std::map<TRowsKey, std::shared_ptr<const TGlyphRows>> FRows{};
};

class TPathBuilder;
void InterpretGlyphProc(std::string_view content, TGlyphShape& shape);

// A Type 3 font: each glyph a content stream of paths in the font's own glyph space.
class TType3Font : public TFont {
public:
    TType3Font(const TPrintedPdf::TData& file, const TDict& font)
    {
        const TArray* matrix = file.Resolve(Get(font, "FontMatrix")).Array();
        if (matrix == nullptr || matrix->size() != 6)
            Unreadable("a Type 3 font without its matrix");
        std::array<double, 6> m{};
        for (std::size_t i = 0; i < 6; ++i)
            m[i] = NumberOf(file.Resolve((*matrix)[i]), "a font matrix entry");
        FMatrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
        const double firstChar = NumberOf(file.Resolve(Get(font, "FirstChar")), "FirstChar");
        if (const TArray* widths = file.Resolve(Get(font, "Widths")).Array())
            for (std::size_t i = 0; i < widths->size(); ++i)
                FWidths[static_cast<unsigned>(firstChar) + static_cast<unsigned>(i)] =
                    NumberOf(file.Resolve((*widths)[i]), "a glyph width") * m[0];
        const TDict* procs = file.Resolve(Get(font, "CharProcs")).Dict();
        const TDict* encoding = file.Resolve(Get(font, "Encoding")).Dict();
        if (procs == nullptr || encoding == nullptr)
            Unreadable("a Type 3 font without its glyphs or encoding");
        const TArray* differences = file.Resolve(Get(*encoding, "Differences")).Array();
        if (differences == nullptr)
            Unreadable("a Type 3 font without its differences");
        unsigned code = 0;
        for (const TObject& entry : *differences) {
            if (const double* number = entry.Number()) {
                code = static_cast<unsigned>(*number);
            } else if (const TName* name = entry.Name()) {
                const TObject& proc = Get(*procs, name->Text);
                if (proc.Ref() != nullptr) {
                    TGlyphShape shape;
                    InterpretGlyphProc(file.StreamData(proc), shape);
                    for (auto& contour : shape.Contours)
                        for (QPointF& point : contour)
                            point = FMatrix.map(point);
                    FGlyphs[code] = std::move(shape);
                }
                ++code;
            }
        }
    }

    std::vector<unsigned> Codes(const std::string& bytes) const override
    {
        std::vector<unsigned> codes;
        for (const char c : bytes)
            codes.push_back(static_cast<unsigned char>(c));
        return codes;
    }
    double Advance(unsigned code) const override
    {
        const auto found = FWidths.find(code);
        return found != FWidths.end() ? found->second : 0.0;
    }
    const TGlyphShape* Glyph(unsigned code) const override
    {
        const auto found = FGlyphs.find(code);
        return found != FGlyphs.end() ? &found->second : nullptr;
    }

private:
    QTransform FMatrix{};
    std::map<unsigned, double> FWidths{};
    std::map<unsigned, TGlyphShape> FGlyphs{};
};

// A Type 0 font of two-byte glyph identifiers (Identity-H) over an embedded TrueType program.
class TTrueTypeFont : public TFont {
public:
    TTrueTypeFont(const TPrintedPdf::TData& file, const TDict& font)
    {
        const TObject& encoding = file.Resolve(Get(font, "Encoding"));
        if (encoding.Name() == nullptr || encoding.Name()->Text != "Identity-H")
            Unreadable("a Type 0 font not encoded Identity-H");
        const TArray* descendants = file.Resolve(Get(font, "DescendantFonts")).Array();
        const TDict* cidFont = descendants != nullptr && descendants->size() == 1
                                   ? file.Resolve(descendants->front()).Dict()
                                   : nullptr;
        if (cidFont == nullptr)
            Unreadable("a Type 0 font without its descendant");
        const TDict* descriptor = file.Resolve(Get(*cidFont, "FontDescriptor")).Dict();
        if (descriptor == nullptr || Get(*descriptor, "FontFile2").Ref() == nullptr)
            Unreadable("a Type 0 font without an embedded TrueType program");
        const std::string program = file.StreamData(Get(*descriptor, "FontFile2"));
        FRaw = QRawFont(QByteArray(program.data(), static_cast<qsizetype>(program.size())), kGlyphUnits,
                        QFont::PreferNoHinting);
        if (!FRaw.isValid())
            Unreadable("an embedded TrueType program Qt cannot load");
        const TObject& defaultWidth = file.Resolve(Get(*cidFont, "DW"));
        FDefaultWidth = defaultWidth.Number() != nullptr ? *defaultWidth.Number() : 1000.0;
        if (const TArray* widths = file.Resolve(Get(*cidFont, "W")).Array())
            ReadWidths(file, *widths);
    }

    std::vector<unsigned> Codes(const std::string& bytes) const override
    {
        std::vector<unsigned> codes;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            codes.push_back(static_cast<unsigned char>(bytes[i]) * 256U +
                            static_cast<unsigned char>(bytes[i + 1]));
        return codes;
    }
    double Advance(unsigned code) const override
    {
        const auto found = FWidths.find(code);
        return (found != FWidths.end() ? found->second : FDefaultWidth) / kGlyphUnits;
    }
    const TGlyphShape* Glyph(unsigned code) const override
    {
        const std::lock_guard lock(FMutex);
        const auto known = FGlyphs.find(code);
        if (known != FGlyphs.end())
            return &known->second;
        // Qt's outlines are y down at 1000 pixels; text space is y up at a size of one.
        const QPainterPath path = FRaw.pathForGlyph(code);
        // Flattened at 1000 units, where Qt's flattening is fine enough, then scaled.
        TGlyphShape shape{.Contours = ContoursOf(path), .EvenOdd = path.fillRule() == Qt::OddEvenFill};
        for (auto& contour : shape.Contours)
            for (QPointF& point : contour)
                point = QPointF(point.x() / kGlyphUnits, -point.y() / kGlyphUnits);
        return &FGlyphs.emplace(code, std::move(shape)).first->second;
    }

private:
    void ReadWidths(const TPrintedPdf::TData& file, const TArray& widths)
    {
        for (std::size_t i = 0; i < widths.size();) {
            const unsigned first = static_cast<unsigned>(NumberOf(file.Resolve(widths[i]), "a /W entry"));
            if (i + 1 >= widths.size())
                Unreadable("a /W array cut short");
            if (const TArray* run = file.Resolve(widths[i + 1]).Array()) {
                for (std::size_t k = 0; k < run->size(); ++k)
                    FWidths[first + static_cast<unsigned>(k)] = NumberOf(file.Resolve((*run)[k]), "a width");
                i += 2;
            } else {
                if (i + 2 >= widths.size())
                    Unreadable("a /W array cut short");
                const auto last = static_cast<unsigned>(NumberOf(file.Resolve(widths[i + 1]), "a /W entry"));
                const double width = NumberOf(file.Resolve(widths[i + 2]), "a width");
                for (unsigned c = first; c <= last && c - first < 65536U; ++c)
                    FWidths[c] = width;
                i += 3;
            }
        }
    }

    QRawFont FRaw{};
    double FDefaultWidth = 1000.0;
    std::map<unsigned, double> FWidths{};
    mutable std::mutex FMutex{};
    mutable std::map<unsigned, TGlyphShape> FGlyphs{};
};

} // namespace

namespace {

// A font the writer has yet to write, as it will be.
class TPendingFont : public TFont {
public:
    TPendingFont(const TPendingFonts& pending, int object)
        : FPending(pending), FObject(object), FBytesPerCode(pending.BytesPerCode(object))
    {
    }

    std::vector<unsigned> Codes(const std::string& bytes) const override
    {
        std::vector<unsigned> codes;
        if (FBytesPerCode == 1) {
            for (const char c : bytes)
                codes.push_back(static_cast<unsigned char>(c));
            return codes;
        }
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            codes.push_back(static_cast<unsigned char>(bytes[i]) * 256U +
                            static_cast<unsigned char>(bytes[i + 1]));
        return codes;
    }
    double Advance(unsigned code) const override { return Entry(code).Advance; }
    const TGlyphShape* Glyph(unsigned code) const override { return &Entry(code).Shape; }

private:
    struct TEntry {
        TGlyphShape Shape{};
        double Advance = 0.0;
    };

    const TEntry& Entry(unsigned code) const
    {
        const std::lock_guard lock(FMutex);
        const auto known = FEntries.find(code);
        if (known != FEntries.end())
            return known->second;
        const std::optional<TPendingGlyph> glyph = FPending.Glyph(FObject, code);
        if (!glyph)
            Unreadable("the page shows code " + std::to_string(code) + " of font object " +
                       std::to_string(FObject) + ", which its writer does not have");
        TEntry entry{.Shape = {}, .Advance = glyph->Advance / kGlyphUnits};
        InterpretGlyphProc(glyph->Outline, entry.Shape);
        for (auto& contour : entry.Shape.Contours)
            for (QPointF& point : contour)
                point /= kGlyphUnits;
        return FEntries.emplace(code, std::move(entry)).first->second;
    }

    const TPendingFonts& FPending;
    int FObject = 0;
    int FBytesPerCode = 1;
    mutable std::mutex FMutex{};
    mutable std::map<unsigned, TEntry> FEntries{};
};

// ---- Paths -------------------------------------------------------------------------------------------

// The subpaths of a path under construction (4.4.1), each point mapped as it is given.
class TPathBuilder {
public:
    void SetTransform(const QTransform& transform) { FTransform = transform; }

    void MoveTo(QPointF p)
    {
        KeepLoneRect();
        Close();
        FCurrent = p;
        FStart = p;
        FContours.push_back({FTransform.map(p)});
    }
    void LineTo(QPointF p)
    {
        KeepLoneRect();
        Open().push_back(FTransform.map(p));
        FCurrent = p;
    }
    void CurveTo(QPointF c1, QPointF c2, QPointF p)
    {
        KeepLoneRect();
        TContour& contour = Open();
        AddCurve(contour, contour.back(), FTransform.map(c1), FTransform.map(c2), FTransform.map(p));
        FCurrent = p;
    }
    QPointF Current() const { return FCurrent; }
    void Close()
    {
        KeepLoneRect();
        if (!FContours.empty() && FContours.back().size() > 1 && !FClosed.empty() && !FClosed.back()) {
            FContours.back().push_back(FContours.back().front());
            FClosed.back() = true;
            FCurrent = FStart;
        }
    }
    void Rect(double x, double y, double w, double h)
    {
        // A path of one rectangle, a bar, is kept as its corners: most of a sheet is bars, and they need
        // no contour until something else joins the path.
        if (FContours.empty() && !FLoneRect) {
            FLoneRect = {FTransform.map(QPointF(x, y)), FTransform.map(QPointF(x + w, y)),
                         FTransform.map(QPointF(x + w, y + h)), FTransform.map(QPointF(x, y + h))};
            FCurrent = FStart = {x, y};
            return;
        }
        MoveTo({x, y});
        LineTo({x + w, y});
        LineTo({x + w, y + h});
        LineTo({x, y + h});
        Close();
    }
    bool Empty() const { return FContours.empty() && !FLoneRect; }

    // The path when it is one rectangle whose sides run along the dot grid's axes, as a box; the
    // builder is then empty. Any other path stays.
    std::optional<QRectF> TakeAxisRect()
    {
        if (!FLoneRect)
            return std::nullopt;
        const auto& c = *FLoneRect;
        for (std::size_t i = 0; i < 4; ++i)
            if (c[i].x() != c[(i + 1) % 4].x() && c[i].y() != c[(i + 1) % 4].y())
                return std::nullopt;
        const auto [left, right] = std::minmax({c[0].x(), c[1].x(), c[2].x(), c[3].x()});
        const auto [top, bottom] = std::minmax({c[0].y(), c[1].y(), c[2].y(), c[3].y()});
        FLoneRect.reset();
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }

    // The subpaths and whether each was closed; the builder is empty after.
    std::vector<TContour> Take()
    {
        KeepLoneRect();
        std::vector<TContour> contours = std::move(FContours);
        FContours.clear();
        FClosed.clear();
        return contours;
    }

private:
    // The lone rectangle as the closed contour it is, before the path goes on.
    void KeepLoneRect()
    {
        if (!FLoneRect)
            return;
        const auto c = *FLoneRect;
        FLoneRect.reset();
        FContours.push_back({c[0], c[1], c[2], c[3], c[0]});
        FClosed.resize(FContours.size(), false);
        FClosed.back() = true;
    }

    TContour& Open()
    {
        if (FContours.empty())
            Unreadable("a path drawn without a starting point");
        if (FClosed.size() < FContours.size())
            FClosed.resize(FContours.size(), false);
        if (FClosed.back()) { // drawing on after a close starts at the closed subpath's start
            FContours.push_back({FContours.back().front()});
            FClosed.push_back(false);
        }
        return FContours.back();
    }

    QTransform FTransform{};
    std::optional<std::array<QPointF, 4>> FLoneRect{};
    std::vector<TContour> FContours{};
    std::vector<bool> FClosed{};
    QPointF FCurrent{};
    QPointF FStart{};
};

// The last `count` operands (at most six) as numbers.
std::array<double, 6> TakeNumbers(std::vector<TObject>& operands, std::size_t count, std::string_view op)
{
    if (operands.size() < count || count > 6)
        Unreadable("'" + std::string(op) + "' without its " + std::to_string(count) + " numbers");
    std::array<double, 6> numbers{};
    for (std::size_t i = 0; i < count; ++i) {
        const double* number = operands[operands.size() - count + i].Number();
        if (number == nullptr)
            Unreadable("an operand of '" + std::string(op) + "' is no number");
        numbers[i] = *number;
    }
    return numbers;
}

// Path construction shared by pages and Type 3 glyphs: true when `op` was one.
bool PathOperator(std::string_view op, std::vector<TObject>& operands, TPathBuilder& path)
{
    if (op == "re") {
        const auto n = TakeNumbers(operands, 4, op);
        path.Rect(n[0], n[1], n[2], n[3]);
    } else if (op == "m" || op == "l") {
        const auto n = TakeNumbers(operands, 2, op);
        op == "m" ? path.MoveTo({n[0], n[1]}) : path.LineTo({n[0], n[1]});
    } else if (op == "c") {
        const auto n = TakeNumbers(operands, 6, op);
        path.CurveTo({n[0], n[1]}, {n[2], n[3]}, {n[4], n[5]});
    } else if (op == "v") {
        const auto n = TakeNumbers(operands, 4, op);
        path.CurveTo(path.Current(), {n[0], n[1]}, {n[2], n[3]});
    } else if (op == "y") {
        const auto n = TakeNumbers(operands, 4, op);
        path.CurveTo({n[0], n[1]}, {n[2], n[3]}, {n[2], n[3]});
    } else if (op == "h") {
        path.Close();
    } else {
        return false;
    }
    return true;
}

// Calls apply(op, operands) for each operator of a content stream, with the operands before it (3.7.1).
template <typename Apply> void EachOperator(std::string_view content, const Apply& apply)
{
    TLexer lexer(content);
    std::vector<TObject> operands;
    while (!lexer.AtEnd()) {
        if (const std::optional<std::string_view> op = lexer.Operator()) {
            apply(*op, operands);
            operands.clear();
            continue;
        }
        TObject object = lexer.Next(false);
        if (const TKeyword* keyword = object.Keyword()) { // one with #-escapes
            apply(keyword->Text, operands);
            operands.clear();
        } else {
            operands.push_back(std::move(object));
        }
    }
}

void InterpretGlyphProc(std::string_view content, TGlyphShape& shape)
{
    TPathBuilder path;
    EachOperator(content, [&](std::string_view op, std::vector<TObject>& operands) {
        if (PathOperator(op, operands, path)) {
        } else if (op == "f" || op == "F" || op == "f*") {
            path.Close();
            for (TContour& contour : path.Take())
                shape.Contours.push_back(std::move(contour));
            shape.EvenOdd = op == "f*";
        } else if (op == "d0" || op == "d1" || op == "n" || op == "q" || op == "Q") {
            path.Take();
        } else {
            Unreadable("a glyph drawn with '" + std::string(op) + "'");
        }
    });
}

// A clip path: the intersection of the regions.
struct TClip {
    std::vector<TRegion> Regions{};
};

struct TImage {
    QImage Pixels{};
    QTransform DotsToUnit{}; // from a dot's centre to the unit square the image fills
};

// One thing a page paints, in order.
struct TPaint {
    TRegion Region{};
    std::shared_ptr<const TImage> Image{}; // the region is then the image's outline
    QRgb Color = 0xFF000000;
    std::shared_ptr<const TClip> Clip{};
    double OffGridDots = -1.0; // for an inked rectangle: how far its edges lie off the dot grid
    // A glyph: its rows, moved by whole dots (the region holds only their box)
    std::shared_ptr<const TGlyphRows> Glyph{};
    QPoint GlyphAt{};
};

double OffGrid(double v)
{
    return std::abs(v - std::round(v));
}

QRgb Gray(double g)
{
    const int v = std::clamp(static_cast<int>(std::lround(g * 255.0)), 0, 255);
    return qRgb(v, v, v);
}

QRgb ColorFrom(const std::array<double, 6>& c, std::size_t components)
{
    const auto byte = [](double v) { return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255); };
    if (components == 1)
        return Gray(c[0]);
    if (components == 3)
        return qRgb(byte(c[0]), byte(c[1]), byte(c[2]));
    if (components == 4)
        return qRgb(byte((1 - c[0]) * (1 - c[3])), byte((1 - c[1]) * (1 - c[3])),
                    byte((1 - c[2]) * (1 - c[3])));
    Unreadable("a colour of " + std::to_string(components) + " components");
}

struct TGraphicsState {
    QTransform Ctm{};
    QRgb Fill = 0xFF000000;
    QRgb Stroke = 0xFF000000;
    std::size_t FillComponents = 1;
    std::size_t StrokeComponents = 1;
    double LineWidth = 1.0;
    int LineCap = 0;
    std::shared_ptr<const TClip> Clip{};
    // Text state (5.2)
    const TFont* Font = nullptr;
    double FontSize = 0.0;
    double CharSpacing = 0.0;
    double WordSpacing = 0.0;
    double HorizontalScale = 1.0;
    double Leading = 0.0;
    double Rise = 0.0;
    int RenderMode = 0;
};

// Interprets a page's content onto the dot grid: everything it paints, in order.
class TContentReader {
public:
    TContentReader(const TPrintedPdf::TData& file, std::vector<TPaint>& paints) : FFile(file), FPaints(paints)
    {
    }

    void Run(std::string_view content, const TDict* resources, const QTransform& ctm, int depth)
    {
        if (depth > kMaxDepth)
            Unreadable("forms nested too deep");
        FState.Ctm = ctm;
        TRun run{.Resources = resources, .Depth = depth};
        run.Path.SetTransform(FState.Ctm);
        EachOperator(content, [&](std::string_view op, std::vector<TObject>& operands) {
            if (!PathOperator(op, operands, run.Path) && !PaintOperator(op, run) &&
                !ColourOperator(op, operands) && !StateOperator(op, operands, run) &&
                !TextOperator(op, operands, run))
                Unreadable("an operator it does not know: '" + std::string(op) + "'");
        });
    }

private:
    // What one content stream keeps between its operators.
    struct TRun {
        const TDict* Resources = nullptr;
        int Depth = 0;
        std::vector<TGraphicsState> Saved{};
        TPathBuilder Path{};
        std::optional<bool> PendingClip{}; // even-odd or not, for the path painted next
        QTransform TextMatrix{};
        QTransform LineMatrix{};
    };

    bool StateOperator(std::string_view op, std::vector<TObject>& operands, TRun& run)
    {
        if (op == "q") {
            run.Saved.push_back(FState);
        } else if (op == "Q") {
            if (run.Saved.empty())
                Unreadable("'Q' without its 'q'");
            FState = run.Saved.back();
            run.Saved.pop_back();
            run.Path.SetTransform(FState.Ctm);
        } else if (op == "cm") {
            const auto n = TakeNumbers(operands, 6, op);
            FState.Ctm = QTransform(n[0], n[1], n[2], n[3], n[4], n[5]) * FState.Ctm;
            run.Path.SetTransform(FState.Ctm);
        } else if (op == "W" || op == "W*") {
            run.PendingClip = op == "W*";
        } else if (op == "w") {
            FState.LineWidth = TakeNumbers(operands, 1, op)[0];
        } else if (op == "J") {
            FState.LineCap = static_cast<int>(TakeNumbers(operands, 1, op)[0]);
        } else if (op == "j" || op == "M" || op == "d" || op == "i" || op == "ri" || op == "gs" ||
                   op == "BX" || op == "EX" || op == "MP" || op == "DP" || op == "BMC" || op == "BDC" ||
                   op == "EMC") {
            // Joins, dashes, flatness, intent and marked content change no dot of ours.
        } else if (op == "Do") {
            if (operands.empty() || operands.back().Name() == nullptr)
                Unreadable("'Do' without its name");
            Draw(run.Resources, operands.back().Name()->Text, run.Depth);
        } else {
            return false;
        }
        return true;
    }

    bool PaintOperator(std::string_view op, TRun& run)
    {
        if (op == "f" || op == "F" || op == "f*" || op == "B" || op == "B*" || op == "b" || op == "b*" ||
            op == "S" || op == "s" || op == "n") {
            if (op == "b" || op == "b*" || op == "s")
                run.Path.Close();
            const bool evenOdd = op.back() == '*';
            const bool fill = op != "S" && op != "s" && op != "n";
            const bool stroke = op == "S" || op == "s" || op.starts_with('B') || op.starts_with('b');
            if (fill && !stroke && !run.PendingClip)
                if (const std::optional<QRectF> bar = run.Path.TakeAxisRect()) {
                    AddRect(*bar, FState.Fill);
                    return true;
                }
            std::vector<TContour> contours = run.Path.Take();
            if (fill)
                AddFill(contours, evenOdd, FState.Fill, TInk::Path);
            if (stroke)
                AddStroke(contours);
            if (run.PendingClip) {
                auto clip = std::make_shared<TClip>(FState.Clip ? *FState.Clip : TClip{});
                clip->Regions.push_back(RegionOf(contours, *run.PendingClip));
                FState.Clip = std::move(clip);
                run.PendingClip.reset();
            }
        } else {
            return false;
        }
        return true;
    }

    bool ColourOperator(std::string_view op, std::vector<TObject>& operands)
    {
        if (op == "g" || op == "G" || op == "rg" || op == "RG" || op == "k" || op == "K") {
            const std::size_t count = op.starts_with('r') || op.starts_with('R')   ? 3
                                      : op.size() == 1 && (op == "k" || op == "K") ? 4
                                                                                   : 1;
            const QRgb color = ColorFrom(TakeNumbers(operands, count, op), count);
            (std::islower(static_cast<unsigned char>(op[0])) ? FState.Fill : FState.Stroke) = color;
        } else if (op == "cs" || op == "CS") {
            const TName* name = operands.empty() ? nullptr : operands.back().Name();
            const std::size_t count = name == nullptr              ? 0
                                      : name->Text == "DeviceGray" ? 1
                                      : name->Text == "DeviceRGB"  ? 3
                                      : name->Text == "DeviceCMYK" ? 4
                                                                   : 0;
            if (count == 0)
                Unreadable("a colour space other than DeviceGray, DeviceRGB or DeviceCMYK");
            (op == "cs" ? FState.FillComponents : FState.StrokeComponents) = count;
            (op == "cs" ? FState.Fill : FState.Stroke) = count == 4 ? qRgb(0, 0, 0) : qRgb(0, 0, 0);
        } else if (op == "sc" || op == "scn" || op == "SC" || op == "SCN") {
            const bool fill = op[0] == 's';
            const std::size_t count = fill ? FState.FillComponents : FState.StrokeComponents;
            (fill ? FState.Fill : FState.Stroke) = ColorFrom(TakeNumbers(operands, count, op), count);
        } else {
            return false;
        }
        return true;
    }

    bool TextOperator(std::string_view op, std::vector<TObject>& operands, TRun& run)
    {
        if (op == "BT") {
            run.TextMatrix = QTransform();
            run.LineMatrix = QTransform();
        } else if (op == "ET") {
        } else if (op == "Tf") {
            if (operands.size() < 2 || operands[operands.size() - 2].Name() == nullptr)
                Unreadable("'Tf' without a font and size");
            FState.Font = &FontOf(run.Resources, operands[operands.size() - 2].Name()->Text);
            FState.FontSize = NumberOf(operands.back(), "a font size");
        } else if (op == "Tm") {
            const auto n = TakeNumbers(operands, 6, op);
            run.TextMatrix = run.LineMatrix = QTransform(n[0], n[1], n[2], n[3], n[4], n[5]);
        } else if (op == "Td" || op == "TD") {
            const auto n = TakeNumbers(operands, 2, op);
            if (op == "TD")
                FState.Leading = -n[1];
            run.TextMatrix = run.LineMatrix = QTransform::fromTranslate(n[0], n[1]) * run.LineMatrix;
        } else if (op == "T*") {
            run.TextMatrix = run.LineMatrix = QTransform::fromTranslate(0, -FState.Leading) * run.LineMatrix;
        } else if (op == "TL") {
            FState.Leading = TakeNumbers(operands, 1, op)[0];
        } else if (op == "Tc") {
            FState.CharSpacing = TakeNumbers(operands, 1, op)[0];
        } else if (op == "Tw") {
            FState.WordSpacing = TakeNumbers(operands, 1, op)[0];
        } else if (op == "Tz") {
            FState.HorizontalScale = TakeNumbers(operands, 1, op)[0] / 100.0;
        } else if (op == "Ts") {
            FState.Rise = TakeNumbers(operands, 1, op)[0];
        } else if (op == "Tr") {
            FState.RenderMode = static_cast<int>(TakeNumbers(operands, 1, op)[0]);
        } else if (op == "Tj" || op == "'" || op == "\"") {
            if (op != "Tj")
                run.TextMatrix = run.LineMatrix =
                    QTransform::fromTranslate(0, -FState.Leading) * run.LineMatrix;
            if (operands.empty() || operands.back().String() == nullptr)
                Unreadable("'" + std::string(op) + "' without its text");
            ShowText(operands.back().String()->Bytes, run.TextMatrix);
        } else if (op == "TJ") {
            const TArray* array = operands.empty() ? nullptr : operands.back().Array();
            if (array == nullptr)
                Unreadable("'TJ' without its array");
            for (const TObject& item : *array) {
                if (const TString* text = item.String())
                    ShowText(text->Bytes, run.TextMatrix);
                else
                    run.TextMatrix = QTransform::fromTranslate(-NumberOf(item, "a TJ adjustment") / 1000.0 *
                                                                   FState.FontSize * FState.HorizontalScale,
                                                               0) *
                                     run.TextMatrix;
            }
        } else {
            return false;
        }
        return true;
    }

private:
    // Only a filled path can be a bar: a glyph that happens to be a rectangle (a hyphen, an I) lies
    // where its font puts it, and a stroke where its line does.
    enum class TInk : std::uint8_t { Path, Stroke, Glyph };

    void AddFill(std::vector<TContour> contours, bool evenOdd, QRgb color, TInk ink)
    {
        if (contours.empty())
            return;
        TRegion region = RegionOf(std::move(contours), evenOdd);
        if (ink == TInk::Path && region.Rect) {
            AddRect(*region.Rect, color);
            return;
        }
        FPaints.push_back({.Region = std::move(region),
                           .Image = {},
                           .Color = color,
                           .Clip = FState.Clip,
                           .OffGridDots = -1.0});
    }

    // A filled rectangle along the grid's axes: a bar when inked, whose edges must lie on the dots.
    void AddRect(const QRectF& rect, QRgb color)
    {
        TPaint paint{.Region = {.Contours = {}, .EvenOdd = false, .Rect = rect, .Box = rect},
                     .Image = {},
                     .Color = color,
                     .Clip = FState.Clip,
                     .OffGridDots = -1.0};
        if (color != kPaper)
            paint.OffGridDots = std::max(
                {OffGrid(rect.left()), OffGrid(rect.right()), OffGrid(rect.top()), OffGrid(rect.bottom())});
        FPaints.push_back(std::move(paint));
    }

    // A stroke as the quadrilaterals of its straight pieces, a half line width either side, ends
    // extended by half the width for projecting and round caps.
    void AddStroke(const std::vector<TContour>& contours)
    {
        const QTransform& m = FState.Ctm;
        const double scale = std::sqrt(std::abs(m.m11() * m.m22() - m.m12() * m.m21()));
        const double half = std::max(FState.LineWidth * scale, 1.0) / 2.0; // a thin line is a dot wide
        std::vector<TContour> pieces;
        for (const TContour& contour : contours)
            for (std::size_t i = 0; i + 1 < contour.size(); ++i) {
                QPointF a = contour[i];
                QPointF b = contour[i + 1];
                const QPointF d = b - a;
                const double length = std::hypot(d.x(), d.y());
                if (length == 0.0)
                    continue;
                const QPointF along = d / length * half;
                const QPointF across(-along.y(), along.x());
                if (FState.LineCap != 0) {
                    a -= along;
                    b += along;
                }
                pieces.push_back({a + across, b + across, b - across, a - across});
            }
        for (TContour& piece : pieces)
            AddFill({std::move(piece)}, false, FState.Stroke, TInk::Stroke);
    }

    const TFont& FontOf(const TDict* resources, const std::string& name)
    {
        const TDict* fonts = resources != nullptr ? FFile.Resolve(Get(*resources, "Font")).Dict() : nullptr;
        const TObject* font = fonts != nullptr ? &Get(*fonts, name) : nullptr;
        if (font == nullptr || font->Ref() == nullptr)
            Unreadable("the page names a font /" + name + " it does not have");
        return FFile.FontNumbered(font->Ref()->Number);
    }

    void ShowText(const std::string& bytes, QTransform& textMatrix)
    {
        if (FState.Font == nullptr)
            Unreadable("text shown before a font was chosen");
        const TGraphicsState& s = FState;
        for (const unsigned code : s.Font->Codes(bytes)) {
            if (s.RenderMode != 3 && s.RenderMode != 7) {
                AddGlyph(*s.Font, code,
                         QTransform(s.FontSize * s.HorizontalScale, 0, 0, s.FontSize, 0, s.Rise) *
                             textMatrix * s.Ctm);
            }
            const double spacing = s.CharSpacing + (bytes.size() == 1 && code == 32 ? s.WordSpacing : 0.0);
            const double advance = (s.Font->Advance(code) * s.FontSize + spacing) * s.HorizontalScale;
            textMatrix = QTransform::fromTranslate(advance, 0) * textMatrix;
        }
    }

    void AddGlyph(const TFont& font, unsigned code, const QTransform& toDots)
    {
        QPoint whole;
        std::shared_ptr<const TGlyphRows> rows = font.Rows(code, toDots, whole);
        if (!rows)
            return;
        const QRectF box = rows->Box().translated(whole);
        FPaints.push_back({.Region = {.Contours = {}, .EvenOdd = false, .Rect = {}, .Box = box},
                           .Image = {},
                           .Color = FState.Fill,
                           .Clip = FState.Clip,
                           .OffGridDots = -1.0,
                           .Glyph = std::move(rows),
                           .GlyphAt = whole});
    }

    void Draw(const TDict* resources, const std::string& name, int depth)
    {
        const TDict* objects =
            resources != nullptr ? FFile.Resolve(Get(*resources, "XObject")).Dict() : nullptr;
        const TObject* reference = objects != nullptr ? &Get(*objects, name) : nullptr;
        if (reference == nullptr || reference->Ref() == nullptr)
            Unreadable("the page draws /" + name + ", which it does not have");
        const TDict* dict = FFile.Resolve(*reference).Dict();
        const TObject& subtype = dict != nullptr ? FFile.Resolve(Get(*dict, "Subtype")) : kNull;
        if (subtype.Name() != nullptr && subtype.Name()->Text == "Image") {
            AddImage(*dict, FFile.StreamData(*reference));
            return;
        }
        if (subtype.Name() != nullptr && subtype.Name()->Text == "Form") {
            QTransform matrix;
            if (const TArray* m = FFile.Resolve(Get(*dict, "Matrix")).Array(); m != nullptr && m->size() == 6)
                matrix = QTransform(NumberOf((*m)[0], "Matrix"), NumberOf((*m)[1], "Matrix"),
                                    NumberOf((*m)[2], "Matrix"), NumberOf((*m)[3], "Matrix"),
                                    NumberOf((*m)[4], "Matrix"), NumberOf((*m)[5], "Matrix"));
            const TGraphicsState outer = FState;
            const TDict* inner = FFile.Resolve(Get(*dict, "Resources")).Dict();
            Run(FFile.StreamData(*reference), inner != nullptr ? inner : resources, matrix * FState.Ctm,
                depth + 1);
            FState = outer;
            return;
        }
        Unreadable("/" + name + " is neither an image nor a form");
    }

    void AddImage(const TDict& dict, const std::string& data)
    {
        const int width = static_cast<int>(NumberOf(FFile.Resolve(Get(dict, "Width")), "an image's width"));
        const int height =
            static_cast<int>(NumberOf(FFile.Resolve(Get(dict, "Height")), "an image's height"));
        const int bits =
            static_cast<int>(NumberOf(FFile.Resolve(Get(dict, "BitsPerComponent")), "an image's bits"));
        const TObject& space = FFile.Resolve(Get(dict, "ColorSpace"));
        const int components = space.Name() != nullptr && space.Name()->Text == "DeviceRGB"    ? 3
                               : space.Name() != nullptr && space.Name()->Text == "DeviceGray" ? 1
                                                                                               : 0;
        if (width <= 0 || height <= 0 || bits != 8 || components == 0)
            Unreadable("an image other than 8-bit grey or RGB");
        const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
        if (data.size() < rowBytes * static_cast<std::size_t>(height))
            Unreadable("an image with fewer pixels than it says");
        QImage pixels(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            const auto* source =
                reinterpret_cast<const unsigned char*>(data.data()) + rowBytes * std::size_t(y);
            for (int x = 0; x < width; ++x, source += components)
                line[x] = components == 1 ? qRgb(source[0], source[0], source[0])
                                          : qRgb(source[0], source[1], source[2]);
        }
        // The image fills the unit square of its space, its first row at the top (4.8.3).
        const QTransform unitToDots = FState.Ctm;
        bool invertible = false;
        const QTransform dotsToUnit = unitToDots.inverted(&invertible);
        if (!invertible)
            return;
        const TContour outline{unitToDots.map(QPointF(0, 0)), unitToDots.map(QPointF(1, 0)),
                               unitToDots.map(QPointF(1, 1)), unitToDots.map(QPointF(0, 1))};
        FPaints.push_back({.Region = RegionOf({outline}, false),
                           .Image = std::make_shared<const TImage>(
                               TImage{.Pixels = std::move(pixels), .DotsToUnit = dotsToUnit}),
                           .Color = 0,
                           .Clip = FState.Clip,
                           .OffGridDots = -1.0});
    }

    const TPrintedPdf::TData& FFile;
    std::vector<TPaint>& FPaints;
    TGraphicsState FState{};
};

// The page read: what it paints, indexed by bands of rows.
class TReadPage : public TPrintedPdfPage {
public:
    TReadPage(const TPrintedPdf::TData& file, const TPrintedPdf::TData::TPageEntry& entry, double dpi)
    {
        const double scale = dpi / kPointsPerInch;
        const auto& box = entry.MediaBox;
        FWidthDots = (box[2] - box[0]) * scale;
        FHeightDots = (box[3] - box[1]) * scale;
        // The page's top-left corner at dot (0, 0), y down, as a printer feeds it.
        const QTransform toDots(scale, 0, 0, -scale, -box[0] * scale, box[3] * scale);
        std::string content;
        const TObject& contents = Get(*entry.Page, "Contents");
        if (const TArray* parts = file.Resolve(contents).Array()) {
            for (const TObject& part : *parts)
                content += file.StreamData(part) + "\n";
        } else if (contents.Ref() != nullptr) {
            content = file.StreamData(contents);
        }
        FPaints.reserve(content.size() / kContentBytesPerPaint);
        TContentReader(file, FPaints).Run(content, entry.Resources, toDots, 0);
        FTileColumns = std::max(1, static_cast<int>(std::ceil(FWidthDots / kTile)));
        FTileRows = std::max(1, static_cast<int>(std::ceil(FHeightDots / kTile)));
        FTiles.resize(static_cast<std::size_t>(FTileColumns) * static_cast<std::size_t>(FTileRows));
        for (std::size_t i = 0; i < FPaints.size(); ++i) {
            const QRectF& box = FPaints[i].Region.Box;
            if (box.isNull() && !FPaints[i].Region.Rect)
                continue;
            const QRect tiles = TilesOver(box.adjusted(-1, -1, 1, 1));
            for (int ty = tiles.top(); ty <= tiles.bottom(); ++ty)
                for (int tx = tiles.left(); tx <= tiles.right(); ++tx)
                    FTiles[static_cast<std::size_t>(ty * FTileColumns + tx)].push_back(i);
        }
    }

    QSize SizeDots() const override
    {
        return {static_cast<int>(std::lround(FWidthDots)), static_cast<int>(std::lround(FHeightDots))};
    }

    TPaintedRows Paint(QImage& image, const QRect& bounds, const TRowSpread& rows,
                       const std::optional<QRectF>& paper) const override
    {
        PaintPaper(image, bounds, rows, paper.value_or(QRectF(0, 0, FWidthDots, FHeightDots)));
        TPaintedRows painted{};
        std::vector<std::pair<double, double>> spans;
        std::vector<std::pair<double, double>> clipped;
        std::vector<std::pair<double, int>> crossings;
        const QRectF area(bounds);
        // Paint by paint rather than row by row: each dot still ends as the last paint over it, and a
        // paint meets only the few rows it crosses instead of every row meeting every paint.
        for (const std::size_t index : PaintsOver(area)) {
            const TPaint& paint = FPaints[index];
            const QRectF& box = paint.Region.Box;
            if (box.right() < area.left() || box.left() > area.right() + 1)
                continue;
            bool crossed = false;
            const auto [firstLine, endLine] = LinesNear(rows, bounds, box);
            for (int line = firstLine; line < endLine; ++line) {
                const int row = rows.First + line * rows.Step;
                const double y = bounds.top() + row + 0.5;
                if (row < 0 || row >= image.height() || y < 0.0 || y >= FHeightDots || y < box.top() ||
                    y >= box.bottom() + 1e-9)
                    continue;
                crossed = true;
                auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
                if (paint.Region.Rect && !paint.Clip) { // most paints: a bar
                    if (y < paint.Region.Rect->bottom())
                        Fill(pixels, bounds, y, paint.Region.Rect->left(), paint.Region.Rect->right(), paint);
                    continue;
                }
                if (paint.Glyph)
                    paint.Glyph->SpansAt(bounds.top() + row - paint.GlyphAt.y(), paint.GlyphAt.x(), spans);
                else
                    SpansOf(paint.Region, y, spans, crossings);
                if (paint.Clip)
                    for (const TRegion& clip : paint.Clip->Regions) {
                        std::vector<std::pair<double, double>> within;
                        SpansOf(clip, y, clipped, crossings);
                        for (const auto& a : spans)
                            for (const auto& b : clipped)
                                if (std::max(a.first, b.first) < std::min(a.second, b.second))
                                    within.emplace_back(std::max(a.first, b.first),
                                                        std::min(a.second, b.second));
                        spans = std::move(within);
                    }
                for (const auto& [from, to] : spans)
                    Fill(pixels, bounds, y, from, to, paint);
            }
            if (crossed && paint.OffGridDots > 0.0 && box.right() > area.left() &&
                box.left() < area.right() + 1)
                painted.OffGridDots = std::max(painted.OffGridDots, paint.OffGridDots);
        }
        return painted;
    }

private:
    // A sheet's content takes about this many bytes for each thing it paints ("12 0 6 144 re f").
    static constexpr std::size_t kContentBytesPerPaint = 16;
    // Paints are found through square tiles of the page: a bar's few, a scene's few dozen.
    static constexpr double kTile = 128.0;

    // The tiles a rectangle of dots touches, clamped to the page's.
    QRect TilesOver(const QRectF& box) const
    {
        const auto tile = [](double v, int count) {
            return std::clamp(static_cast<int>(std::floor(v / kTile)), 0, count - 1);
        };
        return QRect(QPoint(tile(box.left(), FTileColumns), tile(box.top(), FTileRows)),
                     QPoint(tile(box.right(), FTileColumns), tile(box.bottom(), FTileRows)));
    }

    // The paints that may show in an area, in the order the page paints them.
    std::vector<std::size_t> PaintsOver(const QRectF& area) const
    {
        std::vector<std::size_t> shown;
        const QRect tiles = TilesOver(area);
        for (int ty = tiles.top(); ty <= tiles.bottom(); ++ty)
            for (int tx = tiles.left(); tx <= tiles.right(); ++tx)
                for (const std::size_t index : FTiles[static_cast<std::size_t>(ty * FTileColumns + tx)]) {
                    const QRectF& box = FPaints[index].Region.Box;
                    if (box.right() >= area.left() && box.left() <= area.right() + 1 &&
                        box.bottom() >= area.top() && box.top() <= area.bottom() + 1)
                        shown.push_back(index);
                }
        std::sort(shown.begin(), shown.end());
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
        return shown;
    }

    // Each row once: the paper where the sheet has it, the colour off it elsewhere.
    void PaintPaper(QImage& image, const QRect& bounds, const TRowSpread& rows, const QRectF& sheet) const
    {
        // The dots whose centres lie on the paper, x + 0.5 within [left, right).
        const int paperFrom =
            std::clamp(static_cast<int>(std::ceil(sheet.left() - 0.5)) - bounds.left(), 0, bounds.width());
        const int paperTo = std::clamp(static_cast<int>(std::ceil(sheet.right() - 0.5)) - bounds.left(),
                                       paperFrom, bounds.width());
        for (int line = 0; line < rows.Count; ++line) {
            const int row = rows.First + line * rows.Step;
            if (row < 0 || row >= image.height())
                continue;
            auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
            const double y = bounds.top() + row + 0.5;
            const bool onPaper = y >= sheet.top() && y < sheet.bottom();
            std::fill(pixels, pixels + paperFrom, kOffPaper);
            std::fill(pixels + paperFrom, pixels + paperTo, onPaper ? kPaper : kOffPaper);
            std::fill(pixels + paperTo, pixels + bounds.width(), kOffPaper);
        }
    }

    // The lines of a spread that may cross a box, a line to spare each side; the caller checks each.
    static std::pair<int, int> LinesNear(const TRowSpread& rows, const QRect& bounds, const QRectF& box)
    {
        if (rows.Step <= 0)
            return {0, rows.Count};
        const auto lineOf = [&](double y) { return (y - 0.5 - bounds.top() - rows.First) / rows.Step; };
        const double first = std::max(0.0, std::floor(lineOf(box.top())) - 1.0);
        const double end = std::min(static_cast<double>(rows.Count), std::ceil(lineOf(box.bottom())) + 2.0);
        return {static_cast<int>(first), static_cast<int>(std::max(first, end))};
    }

    // The dots of a row whose centres lie in [from, to).
    void Fill(QRgb* pixels, const QRect& bounds, double y, double from, double to, const TPaint& paint) const
    {
        const int first =
            std::max({0, static_cast<int>(std::ceil(from - 0.5)) - bounds.left(), -bounds.left()});
        const int end = std::min(bounds.width(), static_cast<int>(std::ceil(to - 0.5)) - bounds.left());
        const int onPage = std::min(end, static_cast<int>(std::ceil(FWidthDots - 0.5)) - bounds.left());
        if (!paint.Image) {
            if (first < onPage)
                std::fill(pixels + first, pixels + onPage, paint.Color);
            return;
        }
        for (int x = first; x < onPage; ++x) {
            const double cx = bounds.left() + x + 0.5;
            const QPointF unit = paint.Image->DotsToUnit.map(QPointF(cx, y));
            const QImage& image = paint.Image->Pixels;
            const int column =
                std::clamp(static_cast<int>(std::floor(unit.x() * image.width())), 0, image.width() - 1);
            const int line = std::clamp(static_cast<int>(std::floor((1.0 - unit.y()) * image.height())), 0,
                                        image.height() - 1);
            pixels[x] = reinterpret_cast<const QRgb*>(image.constScanLine(line))[column];
        }
    }

    double FWidthDots = 0.0;
    double FHeightDots = 0.0;
    std::vector<TPaint> FPaints{};
    std::vector<std::vector<std::size_t>> FTiles{}; // by row of tiles, then column
    int FTileColumns = 1;
    int FTileRows = 1;
};

} // namespace

class TPendingFontReader::TData {
public:
    explicit TData(const TPendingFonts& pending) : FPending(pending) {}

    const TFont& FontNumbered(int number) const
    {
        const std::lock_guard lock(FMutex);
        const auto known = FFonts.find(number);
        if (known != FFonts.end())
            return *known->second;
        if (FPending.BytesPerCode(number) == 0)
            Unreadable("the page names font object " + std::to_string(number) +
                       ", which its writer does not have");
        return *FFonts.emplace(number, std::make_unique<TPendingFont>(FPending, number)).first->second;
    }

private:
    const TPendingFonts& FPending;
    mutable std::mutex FMutex{};
    mutable std::map<int, std::unique_ptr<const TFont>> FFonts{};
};

const TFont& TPrintedPdf::TData::FontNumbered(int number) const
{
    const std::lock_guard lock(FFontMutex);
    const auto known = FFonts.find(number);
    if (known != FFonts.end())
        return *known->second;
    if (!Has(number) && FPending != nullptr)
        return FPending->Data().FontNumbered(number);
    const TDict* font = ObjectNumbered(number).Dict();
    if (font == nullptr)
        Unreadable("font object " + std::to_string(number) + " is no dictionary");
    const TObject& subtype = Resolve(Get(*font, "Subtype"));
    std::unique_ptr<const TFont> read;
    if (subtype.Name() != nullptr && subtype.Name()->Text == "Type3")
        read = std::make_unique<TType3Font>(*this, *font);
    else if (subtype.Name() != nullptr && subtype.Name()->Text == "Type0")
        read = std::make_unique<TTrueTypeFont>(*this, *font);
    else
        Unreadable("a font other than Type 3 or Type 0 with TrueType outlines");
    return *FFonts.emplace(number, std::move(read)).first->second;
}

TPrintedPdf::TPrintedPdf(std::string bytes) : FData(std::make_unique<TData>(std::move(bytes))) {}

TPendingFontReader::TPendingFontReader(const TPendingFonts& pending) : FData(std::make_unique<TData>(pending))
{
}

TPendingFontReader::~TPendingFontReader() = default;

TPrintedPdf::TPrintedPdf(TWrittenPdfPart page, const TPendingFontReader& fonts)
    : FData(std::make_unique<TData>(std::move(page), &fonts))
{
    if (FData->Pages().size() != 1)
        Unreadable("the part written holds no page");
}

namespace {

// Two outlines are the same glyph when, on a grid of a hundredth of an em, every cell whose centre lies
// inside one and outside the other has a cell beside it that both agree on: they differ by less than a
// cell, as the writer's rounding of outlines to thousandths makes them.
bool SameOutline(const TGlyphShape& a, const TGlyphShape& b)
{
    constexpr double kCell = 0.01;
    const TRegion ra = RegionOf(a.Contours, a.EvenOdd);
    const TRegion rb = RegionOf(b.Contours, b.EvenOdd);
    const QRectF box = ra.Box.united(rb.Box).adjusted(-kCell, -kCell, kCell, kCell);
    const int columns = static_cast<int>(std::ceil(box.width() / kCell));
    const int rows = static_cast<int>(std::ceil(box.height() / kCell));
    if (columns <= 0 || rows <= 0)
        return ra.Box.isNull() == rb.Box.isNull();
    const auto cells = [&](const TRegion& region) {
        std::vector<std::vector<bool>> inside(static_cast<std::size_t>(rows), std::vector<bool>(columns));
        std::vector<std::pair<double, double>> spans;
        std::vector<std::pair<double, int>> crossings;
        for (int row = 0; row < rows; ++row) {
            SpansOf(region, box.top() + (row + 0.5) * kCell, spans, crossings);
            for (int column = 0; column < columns; ++column) {
                const double x = box.left() + (column + 0.5) * kCell;
                inside[row][column] = std::any_of(
                    spans.begin(), spans.end(), [x](const auto& s) { return x >= s.first && x < s.second; });
            }
        }
        return inside;
    };
    const auto inA = cells(ra);
    const auto inB = cells(rb);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (inA[row][column] == inB[row][column])
                continue;
            bool edge = false; // a neighbour where b says what a says here, and one where a says what b says
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const int y = row + dy, x = column + dx;
                    edge = y >= 0 && y < rows && x >= 0 && x < columns && inB[y][x] == inA[row][column];
                }
            if (!edge)
                return false;
        }
    return true;
}

} // namespace

void TPrintedPdf::CheckWrittenFonts(TWrittenPdfPart fonts, const TPendingFonts& pending)
{
    const TData written(std::move(fonts), nullptr);
    const TPendingFontReader reader(pending);
    const TData promised(TWrittenPdfPart{}, &reader);
    for (const auto& [object, code] : pending.Codes()) {
        if (!written.Has(object))
            Unreadable("font object " + std::to_string(object) + " was never written");
        const TFont& font = written.FontNumbered(object);
        const TFont& expected = promised.FontNumbered(object);
        const TGlyphShape* glyph = font.Glyph(code);
        const std::string which =
            "code " + std::to_string(code) + " of font object " + std::to_string(object);
        if (glyph == nullptr)
            Unreadable(which + " was written without its glyph");
        if (std::abs(font.Advance(code) - expected.Advance(code)) > 1e-6 ||
            !SameOutline(*glyph, *expected.Glyph(code)))
            Unreadable(which + " was written other than the pages were read with");
    }
}

TPrintedPdf::~TPrintedPdf() = default;

std::size_t TPrintedPdf::Pages() const
{
    return FData->Pages().size();
}

std::unique_ptr<TPrintedPdfPage> TPrintedPdf::Page(std::size_t index, double dpi) const
{
    if (index >= FData->Pages().size())
        Unreadable("it has no page " + std::to_string(index + 1));
    if (!(dpi > 0.0))
        Unreadable("a resolution that is not above 0 dpi");
    return std::make_unique<TReadPage>(*FData, FData->Pages()[index], dpi);
}

} // namespace quillon
