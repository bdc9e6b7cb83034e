#include "label/sheet/GlabelsTemplates.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "data/SafeFile.h"

namespace quillon {

namespace {

// The units of glabels' lengths, in millimetres; a number without one is in points.
struct TUnit {
    std::string_view Name;
    double Mm = 0.0;
};
constexpr std::array kUnits{
    TUnit{"pt", 25.4 / 72.0}, // PostScript point, the default
    TUnit{"in", 25.4},        // inch
    TUnit{"mm", 1.0},         // millimetre
    TUnit{"cm", 10.0},        // centimetre
    TUnit{"pc", 25.4 / 6.0},  // pica, 12 points
};

// The papers every template may name without paper-sizes.xml.
constexpr std::string_view kA4 = "A4";
constexpr std::string_view kLetter = "US-Letter";
constexpr std::string_view kOwnPaper = "Other"; // the template's own width and height
constexpr std::string_view kPaperSizesFile = "paper-sizes.xml";

// Far beyond any paper, and well inside the range of hundredths in an int.
constexpr double kLongestMm = 100000.0;

struct TPaperMm {
    int Width = 0; // hundredths of a millimetre
    int Length = 0;
};
using TPapers = std::map<std::string, TPaperMm, std::less<>>;

// A template as read, before the templates it borrows from are known.
struct TTemplate {
    std::string File{};
    int Line = 0;
    std::string Brand{};
    std::string Part{};
    std::string Equiv{}; // the part whose geometry it borrows
    std::string Description{};
    TStockGeometry Geometry{};
    std::string Paper{};   // as the size attribute names it
    TLabelMessage Fault{}; // the first bad value: the template is skipped
};

std::string Utf8(QStringView text)
{
    return text.toString().toStdString();
}

// A length such as "2.625in", "63.5mm" or "9" (points) in hundredths of a millimetre.
std::optional<int> Hundredths(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    const std::string_view unit = text.substr(static_cast<std::size_t>(end - text.data()));
    double mm = value * kUnits[0].Mm;
    if (!unit.empty()) {
        const auto found =
            std::find_if(kUnits.begin(), kUnits.end(), [unit](const TUnit& u) { return u.Name == unit; });
        if (found == kUnits.end())
            return std::nullopt;
        mm = value * found->Mm;
    }
    if (std::abs(mm) > kLongestMm)
        return std::nullopt;
    return static_cast<int>(std::lround(mm * 100.0));
}

// Reads the attributes of one element into a template, keeping the first fault.
class TAttributes {
public:
    TAttributes(const QXmlStreamReader& xml, TTemplate& entry) : FAttributes(xml.attributes()), FEntry(entry)
    {
    }

    bool Has(const char* name) const { return FAttributes.hasAttribute(QLatin1String(name)); }
    std::string Text(const char* name) const { return Utf8(FAttributes.value(QLatin1String(name))); }

    int Length(const char* element, const char* name)
    {
        const std::string text = Text(name);
        if (text.empty() && std::string_view(element) == "Layout")
            return 0; // an empty offset is none, as glabels reads it (Zweckform 3490's x0="")
        const std::optional<int> hundredths = Hundredths(text);
        if (!hundredths)
            Fail({TMessageCode::TemplateNotLength, {element, name, text}});
        return hundredths.value_or(0);
    }

    int Count(const char* name)
    {
        const std::string text = Text(name);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 1000)
            Fail({TMessageCode::TemplateNotCount, {name, text}});
        return value;
    }

    void Fail(TLabelMessage fault)
    {
        if (FEntry.Fault.Empty())
            FEntry.Fault = std::move(fault);
    }

private:
    QXmlStreamAttributes FAttributes;
    TTemplate& FEntry;
};

TStockShape ShapeOf(QStringView element)
{
    if (element == u"Label-round")
        return TStockShape::Round;
    if (element == u"Label-ellipse")
        return TStockShape::Ellipse;
    if (element == u"Label-cd")
        return TStockShape::Cd;
    return TStockShape::Rectangle;
}

void ReadTemplateElement(const QXmlStreamReader& xml, TTemplate& entry)
{
    TAttributes a(xml, entry);
    entry.Line = static_cast<int>(xml.lineNumber());
    entry.Brand = a.Text("brand");
    entry.Part = a.Text("part");
    entry.Equiv = a.Text("equiv");
    entry.Description = a.Has("_description") ? a.Text("_description") : a.Text("description");
    entry.Paper = a.Text("size");
    if (entry.Brand.empty() || entry.Part.empty())
        a.Fail({TMessageCode::TemplateWithoutName});
    if (entry.Equiv.empty() && (entry.Paper.empty() || entry.Paper == kOwnPaper)) {
        entry.Geometry.PaperWidth = a.Length("Template", "width");
        entry.Geometry.PaperLength = a.Length("Template", "height");
    }
}

// The first label element gives the labels' size and shape; glabels has one per template.
void ReadLabelElement(const QXmlStreamReader& xml, TTemplate& entry)
{
    TAttributes a(xml, entry);
    TStockGeometry& g = entry.Geometry;
    const QStringView name = xml.name();
    g.Shape = ShapeOf(name);
    const std::string element = Utf8(name);
    if (g.Shape == TStockShape::Round || g.Shape == TStockShape::Cd) {
        // A business-card CD is cut to a width or height less than its diameter.
        const int diameter = 2 * a.Length(element.c_str(), "radius");
        g.LabelWidth = a.Has("width") ? a.Length(element.c_str(), "width") : diameter;
        g.LabelHeight = a.Has("height") ? a.Length(element.c_str(), "height") : diameter;
    } else if (name == u"Label-rectangle" || name == u"Label-ellipse") {
        g.LabelWidth = a.Length(element.c_str(), "width");
        g.LabelHeight = a.Length(element.c_str(), "height");
    } else {
        a.Fail({TMessageCode::UnknownShape, {element}});
    }
}

void ReadLayoutElement(const QXmlStreamReader& xml, TTemplate& entry)
{
    TStockGeometry& g = entry.Geometry;
    g.Layouts += 1;
    if (g.Layouts > 1)
        return; // counted: a sheet of several grids is listed and refused
    TAttributes a(xml, entry);
    g.Columns = a.Count("nx");
    g.Rows = a.Count("ny");
    g.LeftMargin = a.Length("Layout", "x0");
    g.TopMargin = a.Length("Layout", "y0");
    g.HorizontalPitch = g.Columns > 1 || a.Has("dx") ? a.Length("Layout", "dx") : g.LabelWidth;
    g.VerticalPitch = g.Rows > 1 || a.Has("dy") ? a.Length("Layout", "dy") : g.LabelHeight;
}

// The templates of one file, or the fault that keeps the whole file out.
struct TFileTemplates {
    std::vector<TTemplate> Templates{};
    TLabelMessage Fault{}; // why the whole file is skipped
};

TFileTemplates ParseTemplateFile(const QByteArray& bytes, const std::string& file)
{
    TFileTemplates read;
    QXmlStreamReader xml(bytes);
    std::optional<TTemplate> entry;
    bool inLabel = false;
    if (xml.readNextStartElement() && xml.name() != u"Glabels-templates")
        return read; // paper sizes, categories, vendors: not templates
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QStringView name = xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"Template") {
                entry.emplace();
                entry->File = file;
                entry->Geometry.Layouts = 0;
                ReadTemplateElement(xml, *entry);
            } else if (entry && name.startsWith(u"Label-")) {
                inLabel = true;
                if (entry->Geometry.LabelWidth == 0)
                    ReadLabelElement(xml, *entry);
            } else if (entry && inLabel && name == u"Layout") {
                ReadLayoutElement(xml, *entry);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name.startsWith(u"Label-"))
                inLabel = false;
            else if (name == u"Template" && entry)
                read.Templates.push_back(std::move(*std::exchange(entry, std::nullopt)));
        }
    }
    if (xml.hasError())
        read.Fault = {TMessageCode::TemplateFileDamaged,
                      {file, std::to_string(xml.lineNumber()), xml.errorString().toStdString()}};
    return read;
}

// paper-sizes.xml: <Paper-size id="A5" width="148mm" height="210mm"/>, the first of an ID kept.
void ReadPaperSizes(const QByteArray& bytes, TPapers& papers)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Paper-size")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const std::optional<int> width = Hundredths(Utf8(a.value(QLatin1String("width"))));
        const std::optional<int> length = Hundredths(Utf8(a.value(QLatin1String("height"))));
        if (width && length)
            papers.emplace(Utf8(a.value(QLatin1String("id"))), TPaperMm{*width, *length});
    }
}

// A file's bytes, or its problem.
std::optional<QByteArray> ReadBytes(const std::string& path, std::vector<TLabelMessage>& problems)
{
    try {
        const std::string bytes = ReadRegularFile(path, kMaxTemplateFileBytes);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const EFileError& e) {
        problems.push_back({TMessageCode::TemplateFileUnreadable, {}, {e.Message()}});
        return std::nullopt;
    }
}

std::vector<std::string> TemplateFiles(const std::string& folder)
{
    std::vector<std::string> paths;
    const QDir dir(QFile::decodeName(folder.c_str()));
    for (const QString& name :
         dir.entryList({QStringLiteral("*.xml"), QStringLiteral("*.template")}, QDir::Files, QDir::Name))
        paths.push_back(QFile::encodeName(dir.filePath(name)).toStdString());
    return paths;
}

// ---- Stocks ----

// The paper a template's size attribute names; false when none of the known ones.
bool SetPaper(TTemplate& entry, const TPapers& papers)
{
    TStockGeometry& g = entry.Geometry;
    if (entry.Paper == kA4 || entry.Paper == kLetter) {
        g.Paper = entry.Paper == kA4 ? TPaperSize::A4 : TPaperSize::Letter;
        return true;
    }
    g.Paper = TPaperSize::Custom;
    if (entry.Paper.empty() || entry.Paper == kOwnPaper) {
        g.Media = g.Layouts == 1 && g.Columns == 1 && g.Rows == 1 ? TStockMedia::Roll : TStockMedia::Sheet;
        return true;
    }
    const auto paper = papers.find(entry.Paper);
    if (paper == papers.end())
        return false;
    g.PaperWidth = paper->second.Width;
    g.PaperLength = paper->second.Length;
    return true;
}

std::string PaperText(const TTemplate& entry)
{
    const TStockGeometry& g = entry.Geometry;
    if (g.Media == TStockMedia::Roll)
        return "roll";
    if (g.Paper == TPaperSize::A4)
        return "A4";
    if (g.Paper == TPaperSize::Letter)
        return "US Letter";
    if (entry.Paper.empty() || entry.Paper == kOwnPaper)
        return StockMmText(g.PaperWidth) + " x " + StockMmText(g.PaperLength) + " mm paper";
    return entry.Paper;
}

// "Avery 5160: Address Labels (66.68 x 25.4 mm, 3 x 10, US Letter)".
std::string DescriptionOf(const TTemplate& entry)
{
    const TStockGeometry& g = entry.Geometry;
    std::string text = entry.Brand + " " + entry.Part + ": " + entry.Description + " (" +
                       StockMmText(g.LabelWidth) + " x " + StockMmText(g.LabelHeight) + " mm, " +
                       std::to_string(g.Columns) + " x " + std::to_string(g.Rows) + ", " + PaperText(entry) +
                       ")";
    return text;
}

// Brand-Part with every run of other characters than letters, digits, '.', '-' and '_' as one '_'.
std::string IdOf(const TTemplate& entry)
{
    std::string id;
    for (const char c : entry.Brand + "-" + entry.Part) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '-' || c == '_';
        if (kept)
            id += c;
        else if (id.empty() || id.back() != '_')
            id += '_';
    }
    return id;
}

std::string KeyOf(const std::string& brand, const std::string& part)
{
    return brand + '\n' + part;
}

// The templates as stocks, each that borrows taking its geometry and description from the one it
// names; one that names none is listed with no labels.
void MakeStocks(std::vector<TTemplate>& templates, const TPapers& papers, TTemplateStocks& out)
{
    std::map<std::string, const TTemplate*> own;
    for (TTemplate& entry : templates) {
        if (entry.Equiv.empty() && entry.Fault.Empty() && !SetPaper(entry, papers))
            entry.Fault = {TMessageCode::PaperNotInSizes, {entry.Paper, std::string(kPaperSizesFile)}};
        if (!entry.Fault.Empty())
            out.Problems.push_back({TMessageCode::TemplateSkipped,
                                    {entry.File, std::to_string(entry.Line), entry.Brand + " " + entry.Part},
                                    {entry.Fault}});
        else if (entry.Equiv.empty())
            own.emplace(KeyOf(entry.Brand, entry.Part), &entry);
    }
    for (TTemplate& entry : templates) {
        if (!entry.Fault.Empty())
            continue;
        std::string description;
        TLabelMessage unusable;
        if (!entry.Equiv.empty()) {
            const auto base = own.find(KeyOf(entry.Brand, entry.Equiv));
            if (base == own.end()) {
                entry.Geometry = TStockGeometry{.Layouts = 0};
                description = entry.Brand + " " + entry.Part;
                unusable = {TMessageCode::BorrowsMissingTemplate,
                            {description, entry.Brand + " " + entry.Equiv}};
            } else {
                const std::string brand = entry.Brand, part = entry.Part;
                entry = *base->second;
                entry.Brand = brand;
                entry.Part = part;
            }
        }
        out.Stocks.push_back(
            {.Id = IdOf(entry),
             .Description = {TMessageCode::Said, {description.empty() ? DescriptionOf(entry) : description}},
             .Geometry = entry.Geometry,
             .Origin = TStockOrigin::Template,
             .Brand = entry.Brand,
             .Part = entry.Part,
             .Unusable = unusable.Empty() ? StockFault(entry.Geometry) : unusable});
    }
}

} // namespace

std::vector<std::string> DefaultTemplateFolders()
{
    std::vector<std::string> folders{kSystemTemplateFolder};
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config != nullptr && config[0] == '/')
        folders.push_back(std::string(config) + "/libglabels/templates");
    else if (home != nullptr && home[0] == '/')
        folders.push_back(std::string(home) + "/.config/libglabels/templates");
    return folders;
}

TTemplateStocks ReadTemplateStocks(const std::vector<std::string>& folders)
{
    TTemplateStocks out;
    TPapers papers{{std::string(kA4), {21000, 29700}}, {std::string(kLetter), {21590, 27940}}};
    std::vector<TTemplate> templates;
    std::vector<std::string> files;
    for (const std::string& folder : folders)
        for (std::string& path : TemplateFiles(folder))
            files.push_back(std::move(path));
    for (const std::string& path : files) {
        const std::optional<QByteArray> bytes = ReadBytes(path, out.Problems);
        if (!bytes)
            continue;
        if (path.ends_with("/" + std::string(kPaperSizesFile))) {
            ReadPaperSizes(*bytes, papers);
            continue;
        }
        TFileTemplates read = ParseTemplateFile(*bytes, path);
        if (!read.Fault.Empty()) {
            out.Problems.push_back(read.Fault);
            continue;
        }
        std::move(read.Templates.begin(), read.Templates.end(), std::back_inserter(templates));
    }
    MakeStocks(templates, papers, out);
    return out;
}

// The whole catalogue is read here, beside the templates' reader, so that stocks.ini's parser stays
// plain C++ without Qt.
TStockCatalogue LoadStockCatalogue(const std::string& dataDirectory,
                                   const std::vector<std::string>& templateFolders)
{
    TStockCatalogue catalogue;
    const std::string path = dataDirectory + "/" + kStocksFileName;
    try {
        catalogue.AddUserStocks(ReadRegularFile(path, kMaxStocksFileBytes), path);
    } catch (const EFileError& e) {
        if (e.Fault() != TFileFault::NotFound)
            catalogue.AddProblem({TMessageCode::StocksFileUnreadable, {}, {e.Message()}});
    }
    // After the user's own, so that a template never takes a name the user chose.
    TTemplateStocks templates = ReadTemplateStocks(templateFolders);
    catalogue.AddTemplateStocks(std::move(templates.Stocks));
    for (TLabelMessage& problem : templates.Problems)
        catalogue.AddProblem(std::move(problem));
    return catalogue;
}

} // namespace quillon
