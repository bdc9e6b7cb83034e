// glabels' templates as label stocks: each kind of template written by the test into a folder of its own
// becomes a stock or a problem naming its file; the installed glabels-data gives its whole catalogue; and
// a roll of 100 serial Code 128 labels is written one 57 x 32 mm page a label and read back label for label.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <tuple>
#include <vector>

#include "label/compose/StandardLayout.h"
#include "label/proof/PrintCheck.h"
#include "label/proof/PrintedPdf.h"
#include "label/proof/ScanCheck.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/GlabelsTemplates.h"
#include "label/sheet/SheetRun.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

std::string TemplateFile(const std::string& templates)
{
    return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + templates + "</Glabels-templates>\n";
}

// The folder's files, written; the folder's path.
std::string Folder(const QTemporaryDir& dir, const std::vector<std::pair<QString, std::string>>& files)
{
    for (const auto& [name, text] : files)
        EXPECT_TRUE(testing::WriteBytes(dir.filePath(name), QByteArray::fromStdString(text)));
    return dir.path().toStdString();
}

auto Fields(const TStockGeometry& g)
{
    return std::tuple(g.Paper, g.Columns, g.Rows, g.LabelWidth, g.LabelHeight, g.TopMargin, g.LeftMargin,
                      g.HorizontalPitch, g.VerticalPitch, g.Media, g.PaperWidth, g.PaperLength, g.Shape,
                      g.Layouts);
}

const TLabelStock* Stock(const TTemplateStocks& read, const std::string& id)
{
    for (const TLabelStock& stock : read.Stocks)
        if (stock.Id == id)
            return &stock;
    return nullptr;
}

constexpr const char* kRectangle =
    R"(<Template brand="Avery" part="L7160" size="A4" _description="Address Labels">
  <Meta category="label"/>
  <Label-rectangle id="0" width="63.5mm" height="38.1mm" round="1.5mm" x_waste="0" y_waste="0">
    <Markup-margin size="1.5mm"/>
    <Layout nx="3" ny="7" x0="7.25mm" y0="15.15mm" dx="66mm" dy="38.1mm"/>
  </Label-rectangle>
</Template>
<Template brand="Avery" part="J8160" equiv="L7160"/>
)";

// Each kind of template: the stock it gives (geometry, and the fault StockFault finds), in the units it
// is written in.
TEST(GlabelsTemplates, EachKindOfTemplateBecomesAStock)
{
    const std::string templates =
        std::string(kRectangle) +
        R"(<Template brand="Avery" part="5160" size="US-Letter" _description="Address Labels">
  <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in">
    <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
  </Label-rectangle>
</Template>
<Template brand="Dymo" part="11354" size="Other" width="32mm" height="57mm" _description="Return Address Labels">
  <Label-rectangle id="0" width="32mm" height="57mm" round="0pt">
    <Layout nx="1" ny="1" x0="0pt" y0="0pt" dx="32mm" dy="57mm"/>
  </Label-rectangle>
</Template>
<Template brand="Brother" part="DK-1201" size="Other" width="82pt" height="255pt" description="Address">
  <Label-rectangle id="0" width="82pt" height="255pt" round="4pt"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle>
</Template>
<Template brand="Herma" part="5051" size="A5" _description="Small sheet">
  <Label-rectangle id="0" width="4cm" height="2cm"><Layout nx="3" ny="5" x0="1cm" y0="1cm" dx="4.5cm" dy="2.5cm"/></Label-rectangle>
</Template>
<Template brand="Avery" part="3274.2" size="US-Letter" _description="Small Round Labels">
  <Label-round id="0" radius="0.75in"><Layout nx="4" ny="5" x0="0.5in" y0="0.75in" dx="2in" dy="2in"/></Label-round>
</Template>
<Template brand="Avery" part="L7676" size="A4" _description="CD Labels">
  <Label-cd id="0" radius="58.5mm" hole="20.5mm"><Layout nx="1" ny="2" x0="46.5mm" y0="14.5mm" dx="0" dy="151mm"/></Label-cd>
</Template>
<Template brand="Avery" part="L7651" size="A4" _description="Mini Labels">
  <Label-rectangle id="0" width="38.1mm" height="21.2mm"><Layout nx="5" ny="13" x0="4.7mm" y0="10.7mm" dx="40.6mm" dy="21.2mm"/></Label-rectangle>
</Template>
<Template brand="Online Labels" part="OL 5 [box]" size="A4" _description="Two grids">
  <Label-rectangle id="0" width="50mm" height="20mm">
    <Layout nx="2" ny="2" x0="10mm" y0="10mm" dx="60mm" dy="25mm"/>
    <Layout nx="1" ny="2" x0="10mm" y0="100mm" dx="0" dy="25mm"/>
  </Label-rectangle>
</Template>
<Template brand="Herma" part="10801" equiv="4608"/>
)";
    QTemporaryDir dir;
    const TTemplateStocks read = ReadTemplateStocks({Folder(
        dir,
        {{"own-templates.xml", TemplateFile(templates)},
         {"paper-sizes.xml",
          R"(<Glabels-paper-sizes><Paper-size id="A5" _name="A5" width="148mm" height="210mm"/></Glabels-paper-sizes>)"}})});
    EXPECT_TRUE(read.Problems.empty());
    using enum TPaperSize;
    using enum TStockMedia;
    const struct {
        int line;
        std::string id;
        TStockGeometry geometry; // paper, columns, rows, label size, top, left, pitches, media, paper size
        std::string fault;
    } rows[] = {
        // clang-format off
        {1, "Avery-L7160", {A4, 3, 7, 6350, 3810, 1515, 725, 6600, 3810}, ""},
        {2, "Avery-J8160", {A4, 3, 7, 6350, 3810, 1515, 725, 6600, 3810}, ""},  // borrows L7160's
        {3, "Avery-5160", {Letter, 3, 10, 6668, 2540, 1270, 476, 6985, 2540}, ""},
        {4, "Dymo-11354", {Custom, 1, 1, 3200, 5700, 0, 0, 3200, 5700, Roll, 3200, 5700}, ""},
        {5, "Brother-DK-1201", {Custom, 1, 1, 2893, 8996, 0, 0, 0, 0, Roll, 2893, 8996}, ""},
        {6, "Herma-5051", {Custom, 3, 5, 4000, 2000, 1000, 1000, 4500, 2500, Sheet, 14800, 21000}, ""},
        {7, "Avery-3274.2", {Letter, 4, 5, 3810, 3810, 1905, 1270, 5080, 5080, Sheet, 0, 0, TStockShape::Round},
         "round labels cannot be placed"},
        {8, "Avery-L7676", {A4, 1, 2, 11700, 11700, 1450, 4650, 0, 15100, Sheet, 0, 0, TStockShape::Cd},
         "CD labels cannot be placed"},
        {9, "Avery-L7651", {A4, 5, 13, 3810, 2120, 1070, 470, 4060, 2120}, "columns out of range: 5 (1 to 4)"},
        {10, "Online_Labels-OL_5_box_", {A4, 2, 2, 5000, 2000, 1000, 1000, 6000, 2500, Sheet, 0, 0, {}, 2},
         "the labels lie in 2 grids; one grid can be placed"},
        {11, "Herma-10801", {.Layouts = 0}, "no labels are laid out"},
        // clang-format on
    };
    ASSERT_EQ(read.Stocks.size(), std::size(rows));
    for (const auto& row : rows) {
        const TLabelStock* stock = Stock(read, row.id);
        ASSERT_NE(stock, nullptr) << "row " << row.line;
        EXPECT_EQ(Fields(stock->Geometry), Fields(row.geometry)) << "row " << row.line;
        EXPECT_EQ(EnglishText(StockFault(stock->Geometry)), row.fault) << "row " << row.line;
        // Listed, and marked when it cannot be used.
        const std::string listing = EnglishText(StockListing(*stock));
        EXPECT_EQ(listing.find("cannot be used") != std::string::npos, !row.fault.empty())
            << "row " << row.line << ": " << listing;
    }
    EXPECT_EQ(EnglishText(Stock(read, "Avery-L7160")->Description),
              "Avery L7160: Address Labels (63.5 x 38.1 mm, 3 x 7, A4)");
    EXPECT_EQ(EnglishText(Stock(read, "Dymo-11354")->Description),
              "Dymo 11354: Return Address Labels (32 x 57 mm, 1 x 1, roll)");
    EXPECT_EQ(Stock(read, "Avery-J8160")->Part, "J8160");

    // Chosen, one that cannot be placed is refused by name.
    TStockCatalogue catalogue;
    catalogue.AddTemplateStocks(read.Stocks);
    TPrintBarForm form;
    const TSheetSettings round{.Stock = catalogue.Find("avery-3274.2").Geometry, .StockId = "Avery-3274.2"};
    EXPECT_EQ(testing::MessageOf([&] { ApplySheetSettings(form, round); }),
              "Label stock Avery-3274.2: round labels cannot be placed");
}

// A file that is not well-formed is skipped whole, naming itself; a template with a bad value alone; the
// other files still load, and a name taken is made unique.
TEST(GlabelsTemplates, ADamagedFileIsSkippedWithItsNameAndTheOthersLoad)
{
    QTemporaryDir system, own;
    const std::string systemFolder = Folder(
        system, {{"a-templates.xml", TemplateFile(kRectangle)},
                 {"b-templates.xml",
                  TemplateFile("<Template brand=\"X\" part=\"1\" size=\"A4\">\n<Label-rectangle>")},
                 {"c-templates.xml", TemplateFile(R"(<Template brand="Y" part="2" size="A4" _description="">
  <Label-rectangle id="0" width="2 inch" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle>
</Template>
<Template brand="Y" part="3" size="B7" _description=""><Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>
<Template brand="Y" part="4" size="A4" _description=""><Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>
)")}});
    const std::string ownFolder = Folder(own, {{"mine.xml", TemplateFile(kRectangle)}});
    const TTemplateStocks read = ReadTemplateStocks({systemFolder, ownFolder, "/nonexistent/folder"});
    EXPECT_EQ(
        EnglishTexts(read.Problems),
        (std::vector<std::string>{
            systemFolder +
                "/b-templates.xml line 4: Opening and ending tag mismatch.; its templates are skipped",
            systemFolder + "/c-templates.xml line 3: template Y 2: Label-rectangle width is not a length: "
                           "'2 inch'; the template is skipped",
            systemFolder + "/c-templates.xml line 6: template Y 3: paper B7 is not in paper-sizes.xml; the "
                           "template is skipped"}));
    std::vector<std::string> ids;
    for (const TLabelStock& stock : read.Stocks)
        ids.push_back(stock.Id);
    EXPECT_EQ(ids,
              (std::vector<std::string>{"Avery-L7160", "Avery-J8160", "Y-4", "Avery-L7160", "Avery-J8160"}));
    TStockCatalogue catalogue;
    catalogue.AddUserStocks("[avery-j8160]\npaper=roll\nwidth=50\nheight=30\n");
    catalogue.AddTemplateStocks(read.Stocks);
    const std::vector<TLabelStock>& stocks = catalogue.Stocks();
    ASSERT_GE(stocks.size(), 6u);
    EXPECT_EQ(stocks.back().Origin, TStockOrigin::StocksFile) << "the user's own come last";
    EXPECT_EQ(stocks.back().Id, "avery-j8160");
    EXPECT_EQ(catalogue.Find("Avery-J8160_2").Origin, TStockOrigin::Template);
    EXPECT_EQ(catalogue.Find("Avery-L7160_2").Brand, "Avery");
    EXPECT_EQ(catalogue.Find("Avery-J8160_3").Part, "J8160");
}

// The catalogue users already have: glabels-data's templates, the Dymo roll found by its number.
TEST(GlabelsTemplates, TheInstalledGlabelsDataGivesItsWholeCatalogue)
{
    if (!QDir(kSystemTemplateFolder).exists())
        GTEST_SKIP() << kSystemTemplateFolder << " is not there (Debian's glabels-data)";
    const TStockCatalogue catalogue =
        LoadStockCatalogue(QDir::tempPath().toStdString() + "/no-such-folder", {kSystemTemplateFolder});
    EXPECT_TRUE(catalogue.Problems().empty());
    EXPECT_GT(catalogue.Stocks().size() - BuiltInStocks().size(), 1700u);
    bool dymo = false;
    for (const TLabelStock& stock : catalogue.Search("11354"))
        dymo = dymo || stock.Id == "Dymo-11354";
    EXPECT_TRUE(dymo);
    const TLabelStock& avery = catalogue.Find("avery-5160");
    EXPECT_EQ(EnglishText(StockFault(avery.Geometry)), "");
    EXPECT_EQ(std::tuple(avery.Geometry.Paper, avery.Geometry.Columns, avery.Geometry.Rows),
              std::tuple(TPaperSize::Letter, 3, 10));
}

// ---- A roll, written and read back ----

// 100 serial Code 128 labels on the 57 x 32 mm roll: a page each, the page the label's size, and each
// label read back from the written PDF as the code it carries.
TEST(GlabelsTemplates, SlowARollOf100SerialLabelsIsOnePageALabelReadBackLabelForLabel)
{
    constexpr int kDpi = 203;
    constexpr int kLabels = 100;
    const TStockCatalogue catalogue;
    const TSheetSettings settings{
        .Stock = catalogue.Find("roll-57x32").Geometry, .StockId = "roll-57x32", .Placing = TCellPlacing{}};
    TPrintBarForm form;
    ApplySheetSettings(form, settings);
    const TPreparedReport sheet = PrepareSheet(form, kLabels);
    ASSERT_EQ(sheet.Pages.size(), std::size_t{kLabels});
    const QSizeF roomMm = RoomMm(CellRoomOf(settings, CellSizeMm(sheet)));
    TSheetLabels labels;
    std::vector<TScanExpectation> expected;
    for (int n = 1; n <= kLabels; ++n) {
        TBarcode barcode;
        barcode.SetTyp(bcCode128B);
        barcode.SetShowText(bcoCode);
        barcode.SetText("QL-" + std::string(5 - std::to_string(n).size(), '0') + std::to_string(n));
        const TFittedLabel fitted =
            FitStandardLabel(barcode, {}, {.XDimensionMm = 0.25, .Dpi = kDpi}, roomMm);
        ASSERT_TRUE(fitted.Fit.Fits) << n;
        labels.push_back(std::make_shared<const TLabelDrawing>(fitted.Label.Drawing));
        expected.push_back(ExpectScan(barcode));
    }
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        TLabelPdf writer(file, sheet);
        for (std::size_t page = 0; page < sheet.Pages.size(); ++page)
            writer.Add(sheet, page, labels, kDpi);
        writer.Finish();
    }
    const TPrintedPdf read(file.data().toStdString());
    ASSERT_EQ(read.Pages(), std::size_t{kLabels});
    std::vector<std::unique_ptr<TPrintedPdfPage>> pages;
    std::vector<const TPrintedPdfPage*> written;
    for (std::size_t page = 0; page < read.Pages(); ++page) {
        pages.push_back(read.Page(page, kDpi));
        written.push_back(pages.back().get());
        // 57 x 32 mm at 203 dpi: 455.6 x 255.7 dots.
        EXPECT_EQ(pages.back()->SizeDots(), QSize(456, 256)) << "page " << page + 1;
    }
    const TSheetVerification proof = VerifyWrittenSheet(sheet, labels, expected, kDpi, written);
    EXPECT_EQ(proof.Checked, kLabels);
    EXPECT_EQ(proof.ReadBack, kLabels) << VerificationSummary(proof);
    EXPECT_TRUE(proof.Failures.empty());
}

// A tape's page is as wide as the tape and as long as the settings make its label.
TEST(GlabelsTemplates, ATapesPageIsAsLongAsTheLabel)
{
    const TStockCatalogue catalogue;
    const TSheetSettings settings{
        .Stock = catalogue.Find("tape-62").Geometry, .StockId = "tape-62", .TapeLengthMm = 40.5};
    TPrintBarForm form;
    ApplySheetSettings(form, settings);
    const TPreparedReport sheet = PrepareSheet(form, 3);
    ASSERT_EQ(sheet.Pages.size(), 3u);
    EXPECT_EQ(std::tuple(sheet.PaperSize, sheet.PaperWidthTenths, sheet.PaperLengthTenths),
              std::tuple(TPaperSize::Custom, 620.0, 405.0));
    EXPECT_EQ(CellSizeMm(sheet), QSizeF(62.0, 40.5));
    TSheetSettings tooLong = settings;
    tooLong.TapeLengthMm = 1200;
    EXPECT_EQ(testing::MessageOf([&] { ApplySheetSettings(form, tooLong); }),
              "Tape length in mm out of range: 1200 (5 to 1000)");
}

} // namespace
} // namespace quillon
