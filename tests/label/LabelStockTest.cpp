// Label stock: the built-in sheets, rolls and tapes fit their paper and are named by their geometry, a
// roll or tape of any sane size is found by its ID; stocks.ini adds a user's own, and a bad entry is told
// with its line and skipped; a search finds stocks by any words of their ID and description.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "label/sheet/LabelStock.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

// A size in hundredths of a millimetre as the IDs print it: to a tenth, without trailing zeros.
std::string IdSize(int hundredths)
{
    const long tenths = std::lround(hundredths / 10.0);
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

// A roll's ID names its size in whole millimetres as sold: 4 x 6 in is roll-102x152.
std::string RollId(const TStockGeometry& g)
{
    const auto mm = [](int hundredths) { return std::to_string(std::lround(hundredths / 100.0)); };
    return g.Media == TStockMedia::Tape ? "tape-" + mm(g.LabelWidth)
                                        : "roll-" + mm(g.LabelWidth) + "x" + mm(g.LabelHeight);
}

TEST(LabelStock, BuiltInStocksAreNamedByTheirGeometryAndFitTheirPaper)
{
    int a4 = 0, letter = 0, rolls = 0;
    std::vector<std::string> ids;
    for (const TBuiltInStock& stock : BuiltInStocks()) {
        const TStockGeometry& g = stock.Geometry;
        const std::string expected = g.Media != TStockMedia::Sheet
                                         ? RollId(g)
                                         : std::string(PaperName(g.Paper)) + "-" + std::to_string(g.Columns) +
                                               "x" + std::to_string(g.Rows) + "-" + IdSize(g.LabelWidth) +
                                               "x" + IdSize(g.LabelHeight);
        EXPECT_EQ(stock.Id, expected);
        EXPECT_EQ(EnglishText(StockFault(g)), "") << stock.Id;
        EXPECT_FALSE(stock.Description.empty()) << stock.Id;
        EXPECT_EQ(std::count(ids.begin(), ids.end(), stock.Id), 0) << stock.Id << " twice";
        ids.emplace_back(stock.Id);
        (g.Paper == TPaperSize::A4 ? a4 : g.Paper == TPaperSize::Letter ? letter : rolls) += 1;
    }
    EXPECT_GE(a4, 10);
    EXPECT_GE(letter, 5);
    EXPECT_GE(rolls, 10);
}

// What a stock's geometry says, for comparing whole.
auto Fields(const TStockGeometry& g)
{
    return std::tuple(g.Paper, g.Columns, g.Rows, g.LabelWidth, g.LabelHeight, g.TopMargin, g.LeftMargin,
                      g.HorizontalPitch, g.VerticalPitch, g.Media, g.PaperWidth, g.PaperLength, g.Shape,
                      g.Layouts);
}

// A roll or tape is found by its size even when not built in, and a built-in one by its product too;
// sizes outside 5 to 1000 mm are refused.
TEST(LabelStock, RollsAndTapesAreFoundByTheirSizeOrProduct)
{
    const struct {
        int line;
        const char* id;
        std::string foundId; // empty: refused with `message`
        int width, height;
        std::string message;
    } rows[] = {
        // clang-format off
        {1, "roll-57x32", "roll-57x32", 5700, 3200, ""},
        {2, "ROLL-60X40", "roll-60x40", 6000, 4000, ""},
        {3, "roll-57.0x32.00", "roll-57x32", 5700, 3200, ""},   // the built-in one
        {4, "roll-60.25x40.5", "roll-60.25x40.5", 6025, 4050, ""},
        {5, "tape-25.4", "tape-25.4", 2540, 2540, ""},
        {6, "roll-5x1000", "roll-5x1000", 500, 100000, ""},
        {7, "roll-2x30", "", 0, 0, "Label stock roll-2x30: a roll's sides are 5 to 1000 mm, not 2 x 30"},
        {8, "roll-60x1000.5", "", 0, 0, "Label stock roll-60x1000.5: a roll's sides are 5 to 1000 mm, not 60 x 1000.5"},
        {9, "tape-4.99", "", 0, 0, "Label stock tape-4.99: a tape's width is 5 to 1000 mm, not 4.99"},
        {10, "roll-60x40x2", "", 0, 0, "Unknown label stock: roll-60x40x2 (known: "},
        {11, "roll-60.125x40", "", 0, 0, "Unknown label stock: roll-60.125x40 (known: "},
        {12, "tape-62x10", "", 0, 0, "Unknown label stock: tape-62x10 (known: "},
        {13, "roll--60x40", "", 0, 0, "Unknown label stock: roll--60x40 (known: "},
        {14, "roll-60.x40", "", 0, 0, "Unknown label stock: roll-60.x40 (known: "},
        // clang-format on
    };
    const TStockCatalogue catalogue;
    for (const auto& row : rows) {
        if (row.foundId.empty()) {
            const std::string message = testing::MessageOf([&] { (void)catalogue.Find(row.id); });
            EXPECT_EQ(message.substr(0, row.message.size()), row.message) << "row " << row.line;
            EXPECT_FALSE(catalogue.Lookup(row.id)) << "row " << row.line;
            continue;
        }
        const TLabelStock& stock = catalogue.Find(row.id);
        const bool tape = row.foundId.starts_with("tape");
        EXPECT_EQ(stock.Id, row.foundId) << "row " << row.line;
        EXPECT_EQ(Fields(stock.Geometry),
                  Fields(tape ? TapeGeometry(row.width, row.height) : RollGeometry(row.width, row.height)))
            << "row " << row.line;
        EXPECT_EQ(catalogue.Lookup(row.id)->Id, row.foundId) << "row " << row.line;
    }
    // The products the issue names, by their number; every word of a search must be found.
    const std::pair<const char*, const char*> products[] = {
        {"dymo 11354", "roll-57x32"}, {"99010", "roll-89x28"},           {"DK-11201", "roll-29x90"},
        {"dk-22205", "tape-62"},      {"101.6 x 152.4", "roll-102x152"}, {"100 x 150", "roll-100x150"}};
    for (const auto& [search, id] : products) {
        const std::vector<TLabelStock> found = catalogue.Search(search);
        EXPECT_EQ(found.size() == 1 ? found[0].Id : "", id) << search;
    }
    EXPECT_EQ(catalogue.Search("").size(), catalogue.Stocks().size());
    EXPECT_TRUE(catalogue.Search("dymo 11354 shipping").empty());
}

// A label larger than its page is refused by both sizes (round labels, several grids: GlabelsTemplates).
TEST(LabelStock, FaultsNameWhatKeepsARollFromUse)
{
    TStockGeometry largeLabel = RollGeometry(5700, 3200), noPaper = largeLabel, twoOnARoll = largeLabel;
    largeLabel.LabelWidth = 6000;
    noPaper.PaperLength = 0;
    twoOnARoll.Rows = 2;
    EXPECT_EQ(EnglishText(StockFault(largeLabel)),
              "the label of 60.00 x 32.00 mm does not fit its page of 57.00 x 32.00 mm");
    EXPECT_EQ(EnglishText(StockFault(noPaper)),
              "the paper is 57.00 x 0.00 mm: its sides are above 0 and at most 10000 mm");
    EXPECT_EQ(EnglishText(StockFault(twoOnARoll)),
              "a roll or tape has one label a page on its own Custom paper");
}

// The sheets the issue names, as printed on them: 63.5 x 38.1 mm from (7.21, 15.15) at 66.04 x 38.1,
// and 2-5/8 x 1 in from (3/16, 1/2) in at 2-3/4 x 1 in, to the nearest hundredth of a millimetre.
TEST(LabelStock, TheNamedSheetsHaveTheirPublishedGeometry)
{
    const TStockCatalogue catalogue;
    const TStockGeometry a4 = catalogue.Find("a4-3x7-63.5x38.1").Geometry;
    EXPECT_EQ(std::tuple(a4.Paper, a4.Columns, a4.Rows, a4.LabelWidth, a4.LabelHeight, a4.TopMargin,
                         a4.LeftMargin, a4.HorizontalPitch, a4.VerticalPitch),
              std::tuple(TPaperSize::A4, 3, 7, 6350, 3810, 1515, 721, 6604, 3810));
    const TStockGeometry letter = catalogue.Find("LETTER-3X10-66.7X25.4").Geometry;
    EXPECT_EQ(std::tuple(letter.Paper, letter.Columns, letter.Rows, letter.LabelHeight, letter.TopMargin,
                         letter.HorizontalPitch, letter.VerticalPitch),
              std::tuple(TPaperSize::Letter, 3, 10, 2540, 1270, 6985, 2540));
    EXPECT_NEAR(letter.LabelWidth, 6667.5, 0.5);
    EXPECT_NEAR(letter.LeftMargin, 476.25, 0.5);
}

TEST(LabelStock, AnUnknownIdIsRefusedNamingTheKnownOnes)
{
    const std::string message = testing::MessageOf([] { (void)TStockCatalogue().Find("a4-9x9"); });
    EXPECT_EQ(message.rfind("Unknown label stock: a4-9x9 (known: a4-3x7-63.5x38.1, a4-3x8-63.5x33.9, ", 0),
              0u)
        << message;
    for (const TBuiltInStock& stock : BuiltInStocks())
        EXPECT_NE(message.find(std::string(stock.Id)), std::string::npos) << stock.Id;
}

// A sound user entry, and the same with one line changed.
constexpr const char* kOwnStock = "[shelf-2x4]\n"
                                  "description = Shelf edge labels\n"
                                  "paper = letter\n"
                                  "columns = 2\n"
                                  "rows = 4\n"
                                  "width = 100\n"
                                  "height = 60.5\n"
                                  "top = 10\n"
                                  "left = 4.7625\n"
                                  "hpitch = 105\n"
                                  "vpitch = 65\n";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

TEST(LabelStock, StocksIniAddsSoundEntriesAndSkipsEachBadOneWithItsLine)
{
    const std::string own = kOwnStock;
    const struct {
        int line;
        std::string text;
        std::vector<std::string> problems;
    } rows[] = {
        // clang-format off
        {1, own, {}},
        {2, "# comment\r\n\r\n" + Replace(own, "rows = 4\n", "; no rows\n"),
         {"stocks.ini line 3: missing rows; the stock shelf-2x4 is skipped"}},
        {3, Replace(own, "columns = 2", "columns = 5"),
         {"stocks.ini line 1: columns out of range: 5 (1 to 4); the stock shelf-2x4 is skipped"}},
        {4, Replace(own, "width = 100", "width = 1O0"),
         {"stocks.ini line 6: width is a length of 0 to 1000 mm, not 1O0; the stock shelf-2x4 is skipped"}},
        {5, Replace(own, "vpitch = 65", "vpitch = 70"),
         {"stocks.ini line 1: 4 rows reach 280.50 mm down paper 279.40 mm long; the stock shelf-2x4 is skipped"}},
        {6, Replace(own, "paper = letter", "paper = legal"),
         {"stocks.ini line 3: paper is a4 or letter, or roll or tape, not legal; the stock shelf-2x4 is skipped"}},
        {7, Replace(own, "[shelf-2x4]", "[a4-3x7-63.5x38.1]"),
         {"stocks.ini line 1: the ID a4-3x7-63.5x38.1 is taken; the stock a4-3x7-63.5x38.1 is skipped"}},
        {8, Replace(own, "[shelf-2x4]", "[my shelf]"),
         {"stocks.ini line 1: an ID holds only letters, digits, '.', '-' and '_'; the entry is skipped"}},
        {9, Replace(own, "[shelf-2x4]", "[Custom]"),
         {"stocks.ini line 1: the ID custom names the sheet laid out by margins; the stock Custom is skipped"}},
        {10, "paper = a4\n" + own + Replace(own, "[shelf-2x4]", "[shelf]") + "colour = red\n",
         {"stocks.ini line 1: outside any [ID] entry; the line is ignored",
          "stocks.ini line 24: unknown key colour; the stock shelf is skipped"}},
        {11, own + Replace(own, "top = 10", "top = 10\nTop = 11"),
         {"stocks.ini line 20: top is given twice; the stock shelf-2x4 is skipped"}},
        // clang-format on
    };
    const std::size_t builtIn = BuiltInStocks().size();
    for (const auto& row : rows) {
        TStockCatalogue catalogue;
        catalogue.AddUserStocks(row.text);
        EXPECT_EQ(EnglishTexts(catalogue.Problems()), row.problems) << "row " << row.line;
        // Rows 10 and 11 have a sound entry beside the bad one.
        const bool added = catalogue.Stocks().size() == builtIn + 1;
        EXPECT_EQ(added, row.problems.empty() || row.line >= 10) << "row " << row.line;
    }
    TStockCatalogue catalogue;
    catalogue.AddUserStocks(own);
    const TLabelStock& shelf = catalogue.Find("Shelf-2x4");
    EXPECT_EQ(EnglishText(shelf.Description), "Shelf edge labels");
    EXPECT_EQ(std::tuple(shelf.Geometry.LabelHeight, shelf.Geometry.LeftMargin), std::tuple(6050, 476));
}

// A roll or tape gives its paper and label size alone; a tape's length is its width unless given.
TEST(LabelStock, StocksIniDeclaresRollsAndTapes)
{
    const struct {
        int line;
        std::string text;
        std::string problem; // none: the entry is a stock of that media and size
        TStockMedia media;
        int width, height;
    } rows[] = {
        // clang-format off
        {1, "[dk-62x29]\npaper = roll\nwidth = 62\nheight = 29\n", "", TStockMedia::Roll, 6200, 2900},
        {2, "[tape]\npaper = TAPE\nwidth = 50\n", "", TStockMedia::Tape, 5000, 5000},
        {3, "[tape]\npaper = tape\nwidth = 50\nheight = 80\n", "", TStockMedia::Tape, 5000, 8000},
        {4, "[r]\npaper = roll\nwidth = 62\n", "stocks.ini line 1: missing height; the stock r is skipped", {}, 0, 0},
        {5, "[r]\npaper = roll\nwidth = 62\nheight = 29\ncolumns = 2\n",
         "stocks.ini line 1: columns is for sheets: a roll or tape has one label a page; the stock r is skipped", {}, 0, 0},
        {6, "[r]\npaper = roll\nwidth = 0\nheight = 29\n",
         "stocks.ini line 1: the labels have no size; the stock r is skipped", {}, 0, 0},
        {7, "[roll-60x40]\npaper = roll\nwidth = 60\nheight = 40\n",
         "stocks.ini line 1: the ID roll-60x40 is taken by the roll of that size; the stock roll-60x40 is "
         "skipped", {}, 0, 0},
        // clang-format on
    };
    for (const auto& row : rows) {
        TStockCatalogue catalogue;
        catalogue.AddUserStocks(row.text);
        EXPECT_EQ(EnglishTexts(catalogue.Problems()),
                  row.problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.problem})
            << "row " << row.line;
        if (!row.problem.empty())
            continue;
        const TLabelStock& own = catalogue.Stocks().back();
        EXPECT_EQ(Fields(own.Geometry),
                  Fields(row.media == TStockMedia::Roll ? RollGeometry(row.width, row.height)
                                                        : TapeGeometry(row.width, row.height)))
            << "row " << row.line;
        EXPECT_EQ(own.Origin, TStockOrigin::StocksFile);
    }
}

TEST(LabelStock, TheDataDirectorysStocksIniIsReadThroughTheSafeFileLayer)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("stocks.ini").toStdString();
    EXPECT_TRUE(LoadStockCatalogue(dir.path().toStdString(), {}).Problems().empty()) << "no file, no problem";
    ASSERT_TRUE(testing::WriteBytes(QString::fromStdString(path), kOwnStock));
    EXPECT_EQ(LoadStockCatalogue(dir.path().toStdString(), {}).Stocks().back().Id, "shelf-2x4");
    ASSERT_TRUE(testing::WriteBytes(QString::fromStdString(path), QByteArray(kMaxStocksFileBytes + 1, '#')));
    EXPECT_EQ(EnglishTexts(LoadStockCatalogue(dir.path().toStdString(), {}).Problems()),
              std::vector<std::string>{"Larger than 64 KiB: " + path +
                                       "; only the built-in label stocks are offered"});
}

} // namespace
} // namespace quillon
