// The reader of scripts/print-proof: cuts the rasterised pages of a sheet into their cells and reads
// each cell alone with ZXing-cpp, the way a scanner meets one label of a printed sheet; measures the
// printed narrow module and reads ten scan lines across the bars. It writes every cell and every scan
// line as an image of its own, so that a second reader (zbar) can be given the very same pixels.
//
// usage: print_proof_reader --columns C --rows R --dpi N --kind EAN13|Code128|Code39 --out DIR PAGE...
// One line per cell on standard output, tab-separated: page, cell, the text read ("-" for none), the
// narrow elements in dots as LEAST:MOST:MEAN ("-" when nothing read), the scan lines read (of ten), the
// cell's image, the
// ten scan lines' images, and 1 when the symbol's quiet zones lie inside its cell, else 0.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "label/compose/FontSubstitutions.h"
#include "label/proof/ScanReader.h"
#include "label/sheet/SheetRun.h"
#include "report/Units.h"

namespace {

using namespace quillon;

// ISO/IEC 15416 grades a symbol on ten scan lines spread over the middle 80% of its bars.
constexpr int kScanLines = 10;
constexpr double kInspectionBand = 0.8;
// Each scan line is cut as a slice this many rows high, as thin as a reader still takes.
constexpr int kSliceRows = 3;
constexpr int kHalfReflectance = 128;
// Enough for a Letter page at 1200 dpi.
constexpr int kPageAllocationMegabytes = 1024;

struct TKind {
    TBarcodeType Typ = bcCodeEAN13;
    int QuietLeftModules = 10; // GS1 for EAN-13; ISO/IEC 15417 and 16388 for Code 128 and Code 39
    int QuietRightModules = 10;
};

const std::map<std::string, TKind> kKinds = {
    {"EAN13", {bcCodeEAN13, 11, 7}},
    {"Code128", {bcCode128B, 10, 10}},
    {"Code39", {bcCode39, 10, 10}},
};

struct TOptions {
    int Columns = 1;
    int Rows = 1;
    int Dpi = 600;
    TKind Kind{};
    std::string Out{};
    std::vector<std::string> Pages{};
};

[[noreturn]] void Usage(const std::string& why)
{
    std::cerr << "print_proof_reader: " << why << "\nusage: print_proof_reader --columns C --rows R --dpi N"
              << " --kind EAN13|Code128|Code39 --out DIR PAGE...\n";
    std::exit(2);
}

TOptions Parse(int argc, char** argv)
{
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--columns")
            options.Columns = std::stoi(value());
        else if (arg == "--rows")
            options.Rows = std::stoi(value());
        else if (arg == "--dpi")
            options.Dpi = std::stoi(value());
        else if (arg == "--kind") {
            const auto kind = kKinds.find(value());
            if (kind == kKinds.end())
                Usage("unknown kind");
            options.Kind = kind->second;
        } else if (arg == "--out")
            options.Out = value();
        else
            options.Pages.push_back(arg);
    }
    if (options.Out.empty() || options.Pages.empty())
        Usage("needs --out and at least one page");
    return options;
}

// The cells' frames on the page in pixels, as quillon-cli lays the sheet out.
std::vector<QRect> CellFrames(const TOptions& options)
{
    TPrintBarForm form;
    ApplySheetSettings(form, {.Columns = options.Columns, .Rows = options.Rows});
    const TPreparedReport sheet = PrepareSheet(form, options.Columns * options.Rows);
    const double pixelsPerTenth = options.Dpi / kTenthsPerInch;
    std::vector<QRect> frames;
    for (const TPlacedElement& element : sheet.Pages.front().Elements) {
        if (!std::holds_alternative<TPlacedImage>(element.Content))
            continue;
        const TRectTenths& f = element.Frame;
        frames.push_back(
            QRect(QPoint(static_cast<int>(std::lround(f.Left * pixelsPerTenth)),
                         static_cast<int>(std::lround(f.Top * pixelsPerTenth))),
                  QPoint(static_cast<int>(std::lround((f.Left + f.Width) * pixelsPerTenth)) - 1,
                         static_cast<int>(std::lround((f.Top + f.Height) * pixelsPerTenth)) - 1)));
    }
    return frames;
}

bool Dark(const QImage& page, int x, int y)
{
    return page.constScanLine(y)[x] < kHalfReflectance;
}

// The dark pixels of a frame, as a box; empty when it is blank.
QRect InkOf(const QImage& page, const QRect& frame)
{
    QRect ink;
    const QRect area = frame.intersected(page.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Dark(page, x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Each cell's ink with half the white to its neighbours' ink (or all of it to the paper's edge) around
// it: what a scanner held over that label sees, and no part of another.
std::vector<QRect> CellCuts(const QImage& page, const std::vector<QRect>& frames)
{
    std::vector<QRect> inks;
    for (const QRect& frame : frames)
        inks.push_back(InkOf(page, frame));
    std::vector<QRect> cuts;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (inks[i].isEmpty()) {
            cuts.push_back({});
            continue;
        }
        int left = 0, right = page.width() - 1, top = 0, bottom = page.height() - 1;
        for (std::size_t j = 0; j < frames.size(); ++j) {
            if (j == i || inks[j].isEmpty())
                continue;
            const bool sameRow = inks[j].bottom() >= inks[i].top() && inks[j].top() <= inks[i].bottom();
            const bool sameColumn = inks[j].right() >= inks[i].left() && inks[j].left() <= inks[i].right();
            if (sameRow && inks[j].right() < inks[i].left())
                left = std::max(left, (inks[j].right() + inks[i].left()) / 2 + 1);
            if (sameRow && inks[j].left() > inks[i].right())
                right = std::min(right, (inks[i].right() + inks[j].left()) / 2);
            if (sameColumn && inks[j].bottom() < inks[i].top())
                top = std::max(top, (inks[j].bottom() + inks[i].top()) / 2 + 1);
            if (sameColumn && inks[j].top() > inks[i].bottom())
                bottom = std::min(bottom, (inks[i].bottom() + inks[j].top()) / 2);
        }
        cuts.push_back(QRect(QPoint(left, top), QPoint(right, bottom)));
    }
    return cuts;
}

// A scanner's line may cross the label anywhere: every row is tried.
std::optional<TReading> Read(const QImage& grey, TBarcodeType kind)
{
    return ReadGrey({.Pixels = grey.constBits(),
                     .Width = grey.width(),
                     .Height = grey.height(),
                     .BytesPerLine = static_cast<int>(grey.bytesPerLine())},
                    {.Typ = kind,
                     .Checksum = false,
                     .Turned = false,
                     .Formats = TReaderFormats::KindOnly,
                     .TwoLevels = false,
                     .EveryLine = true});
}

// The rows the symbol's first bar covers, through the first row it was read on: its bars' height.
std::pair<int, int> BarRows(const QImage& cell, const TReading& reading)
{
    int x = std::clamp(reading.Left, 0, cell.width() - 1);
    const int y = std::clamp(reading.Top, 0, cell.height() - 1);
    while (x < std::min(cell.width() - 1, reading.Left + 2) && !Dark(cell, x, y))
        ++x;
    x = std::min(x + 1, cell.width() - 1); // inside the bar, off its edge
    int top = y;
    while (top > 0 && Dark(cell, x, top - 1))
        --top;
    int bottom = y;
    while (bottom + 1 < cell.height() && Dark(cell, x, bottom + 1))
        ++bottom;
    return {top, bottom + 1};
}

// The narrow elements along a row the symbol was read on, bars and spaces, in dots: the runs from its
// first bar to its last no wider than one and a half times the narrowest.
struct TNarrow {
    int Least = 0;
    int Most = 0;
    double Mean = 0.0;
};

TNarrow NarrowElements(const QImage& cell, int y, const TReading& reading)
{
    int first = std::max(0, reading.Left - 1);
    while (first < cell.width() && !Dark(cell, first, y))
        ++first;
    int last = std::min(cell.width() - 1, reading.Right + 1);
    while (last > first && !Dark(cell, last, y))
        --last;
    std::vector<int> runs;
    for (int x = first, run = 1; x < last; ++x, ++run)
        if (Dark(cell, x + 1, y) != Dark(cell, x, y)) {
            runs.push_back(run);
            run = 0;
        }
    if (runs.empty())
        return {};
    const int narrowest = *std::min_element(runs.begin(), runs.end());
    TNarrow narrow{.Least = narrowest, .Most = narrowest, .Mean = 0.0};
    int count = 0;
    for (const int run : runs)
        if (run <= 1.5 * narrowest) {
            narrow.Most = std::max(narrow.Most, run);
            narrow.Mean += run;
            ++count;
        }
    narrow.Mean /= count;
    return narrow;
}

void ProveCell(const QImage& page, const QRect& cut, const QRect& frame, const TOptions& options,
               const std::string& name)
{
    const QImage cell = page.copy(cut);
    const std::string cellFile = options.Out + "/" + name + ".png";
    cell.save(QString::fromStdString(cellFile));
    std::cout << name.substr(0, name.find('c')) << '\t' << name << '\t';
    const std::optional<TReading> reading = Read(cell, options.Kind.Typ);
    std::array<std::string, kScanLines> sliceFiles{};
    int linesRead = 0;
    TNarrow module{};
    if (reading) {
        const auto [top, bottom] = BarRows(cell, *reading);
        const double band = (bottom - top) * kInspectionBand;
        for (int line = 0; line < kScanLines; ++line) {
            const int y =
                static_cast<int>(top + (bottom - top - band) / 2 + (line + 0.5) * band / kScanLines);
            const QImage slice = cell.copy(0, std::max(0, y - kSliceRows / 2), cell.width(), kSliceRows);
            sliceFiles[static_cast<std::size_t>(line)] =
                options.Out + "/" + name + "s" + std::to_string(line) + ".png";
            slice.save(QString::fromStdString(sliceFiles[static_cast<std::size_t>(line)]));
            const std::optional<TReading> lineReading = Read(slice, options.Kind.Typ);
            linesRead += lineReading && lineReading->Text == reading->Text ? 1 : 0;
        }
        module = NarrowElements(cell, std::clamp(reading->Top, 0, cell.height() - 1), *reading);
    }
    std::cout << (reading ? reading->Text : "-") << '\t';
    if (reading)
        std::cout << module.Least << ':' << module.Most << ':' << std::round(module.Mean * 100) / 100;
    else
        std::cout << '-';
    std::cout << '\t' << linesRead << '\t' << cellFile;
    for (const std::string& file : sliceFiles)
        std::cout << '\t' << (file.empty() ? "-" : file);
    const int dots = static_cast<int>(std::lround(module.Mean));
    const bool quiet =
        reading && cut.left() + reading->Left - options.Kind.QuietLeftModules * dots >= frame.left() &&
        cut.left() + reading->Right + options.Kind.QuietRightModules * dots <= frame.right() + 1;
    std::cout << '\t' << (quiet ? 1 : 0) << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    const TOptions options = Parse(argc, argv);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    RegisterFontSubstitutions();
    // An A4 page at 600 dpi is read as 140 MB of colour, over Qt's default limit for an image.
    QImageReader::setAllocationLimit(kPageAllocationMegabytes);
    const std::vector<QRect> frames = CellFrames(options);
    for (std::size_t p = 0; p < options.Pages.size(); ++p) {
        QImage page(QString::fromStdString(options.Pages[p]));
        if (page.isNull()) {
            std::cerr << "print_proof_reader: cannot read " << options.Pages[p] << '\n';
            return 1;
        }
        page = page.convertToFormat(QImage::Format_Grayscale8);
        const std::vector<QRect> cuts = CellCuts(page, frames);
        for (std::size_t c = 0; c < cuts.size(); ++c) {
            std::string name = "p"; // built up, as GCC 12 takes "p" + std::to_string() for an overlap
            name += std::to_string(p + 1);
            name += 'c';
            name += std::to_string(c + 1);
            if (cuts[c].isEmpty()) // a blank cell reads as nothing
                std::cout << "p" << p + 1 << '\t' << name
                          << "\t-\t-\t0\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t0\n";
            else
                ProveCell(page, cuts[c], frames[c], options, name);
        }
    }
    return 0;
}
