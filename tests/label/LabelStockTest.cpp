// Label stock: the built-in sheets fit their paper and are named by their geometry; stocks.ini adds a
// user's own, and a bad entry is told with its line and skipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <string>
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

TEST(LabelStock, BuiltInStocksAreNamedByTheirGeometryAndFitTheirPaper)
{
    int a4 = 0, letter = 0;
    std::vector<std::string> ids;
    for (const TBuiltInStock& stock : BuiltInStocks()) {
        const TStockGeometry& g = stock.Geometry;
        const std::string expected = std::string(PaperName(g.Paper)) + "-" + std::to_string(g.Columns) + "x" +
                                     std::to_string(g.Rows) + "-" + IdSize(g.LabelWidth) + "x" +
                                     IdSize(g.LabelHeight);
        EXPECT_EQ(stock.Id, expected);
        EXPECT_EQ(StockFault(g), "") << stock.Id;
        EXPECT_FALSE(stock.Description.empty()) << stock.Id;
        EXPECT_EQ(std::count(ids.begin(), ids.end(), stock.Id), 0) << stock.Id << " twice";
        ids.emplace_back(stock.Id);
        (g.Paper == TPaperSize::A4 ? a4 : letter) += 1;
    }
    EXPECT_GE(a4, 10);
    EXPECT_GE(letter, 5);
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
         {"stocks.ini line 3: paper is a4 or letter, not legal; the stock shelf-2x4 is skipped"}},
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
        EXPECT_EQ(catalogue.Problems(), row.problems) << "row " << row.line;
        // Rows 10 and 11 have a sound entry beside the bad one.
        const bool added = catalogue.Stocks().size() == builtIn + 1;
        EXPECT_EQ(added, row.problems.empty() || row.line >= 10) << "row " << row.line;
    }
    TStockCatalogue catalogue;
    catalogue.AddUserStocks(own);
    const TLabelStock& shelf = catalogue.Find("Shelf-2x4");
    EXPECT_EQ(shelf.Description, "Shelf edge labels");
    EXPECT_EQ(std::tuple(shelf.Geometry.LabelHeight, shelf.Geometry.LeftMargin), std::tuple(6050, 476));
}

TEST(LabelStock, TheDataDirectorysStocksIniIsReadThroughTheSafeFileLayer)
{
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("stocks.ini").toStdString();
    EXPECT_TRUE(LoadStockCatalogue(dir.path().toStdString()).Problems().empty()) << "no file, no problem";
    ASSERT_TRUE(testing::WriteBytes(QString::fromStdString(path), kOwnStock));
    EXPECT_EQ(LoadStockCatalogue(dir.path().toStdString()).Stocks().back().Id, "shelf-2x4");
    ASSERT_TRUE(testing::WriteBytes(QString::fromStdString(path), QByteArray(kMaxStocksFileBytes + 1, '#')));
    EXPECT_EQ(LoadStockCatalogue(dir.path().toStdString()).Problems(),
              std::vector<std::string>{"Larger than 64 KiB: " + path +
                                       "; only the built-in label stocks are offered"});
}

} // namespace
} // namespace quillon
