// quillon-cli for the kinds libzint encodes: kinds lists them, label writes files that read back as
// typed in both layouts, verify tells the reading, their options reach the symbol, and everything
// the engine's commands or the kind cannot take is refused.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "RunCli.h"
#include "tests/label/SymbolImage.h"
#include "tests/support/PdfRaster.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::kLabelUsage;
using testing::RunCli;

constexpr char kUrl[] = "https://example.org/a?b=1";
constexpr char kGs1[] = "(01)09501101530003(17)250101(10)ABC123";
const std::string kVerifyUsage = "usage: quillon-cli verify [options] TEXT\n";

std::optional<TSymbolReading> ReadImage(const QImage& image, TSymbolKind kind)
{
    return ReadSymbol(testing::GreyViewOf(image.convertToFormat(QImage::Format_Grayscale8)), kind);
}

class SymbolCommand : public testing::CliFiles {
protected:
    // The file's own pixels read back as the kind.
    std::optional<TSymbolReading> ReadFile(const std::string& name, TSymbolKind kind) const
    {
        return ReadImage(QImage(QString::fromStdString(Path(name))), kind);
    }
};

TEST(SymbolCli, KindsListsThe23EngineKindsThenTheNineOfLibzint)
{
    const CliRun run = RunCli({"kinds"});
    ASSERT_EQ(run.status, 0);
    const std::string tail = "22\tCodeEAN128C\tEAN128C\n"
                             "23\tQRCode\tQR Code\n"
                             "24\tDataMatrix\tData Matrix\n"
                             "25\tPDF417\tPDF417\n"
                             "26\tAztec\tAztec\n"
                             "27\tGS1_128\tGS1-128\n"
                             "28\tGS1_DataMatrix\tGS1 Data Matrix\n"
                             "29\tGS1_QRCode\tGS1 QR Code\n"
                             "30\tDataBarOmni\tGS1 DataBar Omnidirectional\n"
                             "31\tDataBarExpanded\tGS1 DataBar Expanded\n";
    EXPECT_TRUE(run.out.starts_with("0\tCode_2_5_interleaved\t2_5_interleaved\n")) << run.out;
    EXPECT_TRUE(run.out.ends_with(tail)) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 32);
}

struct LabelRow {
    std::string kind; // as -k takes it: names in any case, or ordinals
    TSymbolKind reads = TSymbolKind::QRCode;
    std::string text;
    std::string expected; // the reading; for GS1 data the AIs in brackets
};

TEST_F(SymbolCommand, LabelFilesReadBackAsTypedInBothLayouts)
{
    // The kinds' names and ordinals: label/ZintSymbolTest; every kind read back: label/SymbolLabelTest.
    const LabelRow rows[] = {
        {"datamatrix", TSymbolKind::DataMatrix, kUrl, kUrl},
        {"27", TSymbolKind::GS1_128, kGs1, kGs1},
    };
    const std::vector<std::string> layouts[] = {{}, {"--layout", "standard", "--dpi", "300"}};
    for (int line = 1; const LabelRow& row : rows) {
        for (const std::vector<std::string>& layout : layouts) {
            SCOPED_TRACE("row " + std::to_string(line) + (layout.empty() ? " classic" : " standard"));
            const CliRun run = RunCli(testing::Join({"label", "-k", row.kind, "-o", Path("l.png")},
                                                    testing::Join(layout, {"--", row.text})));
            EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(0, "", ""));
            const std::optional<TSymbolReading> reading = ReadFile("l.png", row.reads);
            ASSERT_TRUE(reading);
            EXPECT_EQ(reading->Text, row.expected);
            if (IsGs1Kind(row.reads)) {
                EXPECT_EQ(reading->SymbologyIdentifier, KindInfo(row.reads).Gs1Identifier);
            }
        }
        ++line;
    }
}

// The sheet proves every cell as printed, and the PDF, rendered as a printer driver would, reads back in
// every cell of the stock (its cells 63.5 x 38.1 mm from 7.21, 15.15 mm, 66.04 mm apart across).
TEST_F(SymbolCommand, SheetCellsReadBackAsTyped)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const std::vector<std::string> sheet{"sheet",    "-k",      "QRCode",           "--layout",
                                         "standard", "--stock", "a4-3x7-63.5x38.1", "--dpi",
                                         "300",      "-o",      Path("q.pdf")};
    const std::string ownStocks = "XDG_DATA_HOME=" + testing::ShellQuote(Path("share")) + " ";
    const CliRun run = RunCli(testing::Join(sheet, {kUrl}), ownStocks);
    ASSERT_EQ(std::tuple(run.status, run.err), std::tuple(0, ""));
    for (const testing::TRaster raster : {testing::TRaster::Mono, testing::TRaster::Grey}) {
        const QImage page = testing::RenderPdf(QString::fromStdString(Path("q.pdf")), 300, raster).at(0);
        int read = 0;
        const auto px = [](double mm) { return static_cast<int>(mm * 300 / 25.4); };
        for (int cell = 0; cell < 21; ++cell) {
            const QImage crop =
                page.copy(px(7.21 + 66.04 * (cell % 3)), px(15.15 + 38.1 * (cell / 3)), px(63.5), px(38.1));
            const std::optional<TSymbolReading> reading = ReadImage(crop, TSymbolKind::QRCode);
            read += reading && reading->Text == kUrl ? 1 : 0;
        }
        EXPECT_EQ(read, 21);
    }
}

// Each level's symbol and the shapes' sizes: label/ZintSymbolTest; here the options reach it.
TEST_F(SymbolCommand, TheOptionsReachTheSymbol)
{
    ASSERT_EQ(RunCli({"label", "-k", "QRCode", "--ecc", "h", "-o", Path("q.png"), kUrl}).status, 0);
    const std::optional<TSymbolReading> qr = ReadFile("q.png", TSymbolKind::QRCode);
    ASSERT_TRUE(qr);
    EXPECT_EQ(qr->ErrorCorrection, "H");
    ASSERT_EQ(
        RunCli({"label", "-k", "DataMatrix", "--dm-shape", "rect", "-o", Path("d.png"), "Quillon"}).status,
        0);
    const std::optional<TSymbolReading> dm = ReadFile("d.png", TSymbolKind::DataMatrix);
    ASSERT_TRUE(dm);
    EXPECT_GT(dm->Right - dm->Left, 2 * (dm->Bottom - dm->Top)) << "lying on its side";
}

TEST(SymbolCli, VerifyTellsTheReadingAndTheSymbology)
{
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    // clang-format off
    const Row rows[] = {
        {1, {"-k", "QRCode", kUrl}, 0, std::string(kUrl) + "\nQRCode\n", ""},
        {2, {"-k", "GS1_QRCode", "--ecc", "h", "--layout", "standard", kGs1}, 0, std::string(kGs1) + "\nQRCode ]Q3\n", ""},
        // Red modules vanish in a scanner's red light.
        {3, {"-k", "Aztec", "--bar-color", "FF0000", "Quillon"}, 3, "",
         "quillon-cli: the label does not scan; it should read 'Quillon'\n"},
        {4, {"-k", "DataBarExpanded", "(01)09501101530003"}, 4, "",
         "quillon-cli: no scan check for DataBarExpanded carrying (01) alone: the decoder cannot read it\n"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const CliRun run = RunCli(testing::Join({"verify"}, row.args));
        EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(row.status, row.out, row.err))
            << "row " << row.line;
    }
}

TEST_F(SymbolCommand, WhatTheKindCannotTakeIsRefusedAndNoFileIsWritten)
{
    const std::string out = Path("r.png");
    // clang-format off
    testing::ExpectFailures({
        // The encoder's own sentence, exit 1 (every sentence: label/ZintSymbolTest and label/Gs1DataTest).
        {1, {"label", "-k", "GS1_128", "-o", out, "(01)09501101530004"}, 1, "(01): check digit should be 3\n"},
        // Usage errors, exit 2.
        {2, {"pattern", "-k", "QRCode", "x"}, 2, "quillon-cli: pattern and width are for the linear kinds the engine "
         "draws; QRCode is a two-dimensional code\nusage: quillon-cli pattern [options] TEXT\n"},
        {3, {"width", "-k", "30", "9501101530003"}, 2, "quillon-cli: pattern and width are for the linear kinds the "
         "engine draws; DataBarOmni is encoded by libzint, not the engine\nusage: quillon-cli width [options] TEXT\n"},
        {4, {"verify", "-k", "Code128B", "--ecc", "L", "x"}, 2,
         "quillon-cli: --ecc is for QRCode and GS1_QRCode, not Code128B\n" + kVerifyUsage},
        {5, {"verify", "-k", "QRCode", "--dm-shape", "rect", "x"}, 2,
         "quillon-cli: --dm-shape is for DataMatrix and GS1_DataMatrix, not QRCode\n" + kVerifyUsage},
        {6, {"verify", "--columns-417", "3", "-k", "Aztec", "x"}, 2,
         "quillon-cli: --columns-417 is for PDF417, not Aztec\n" + kVerifyUsage},
        {7, {"verify", "-k", "QRCode", "--ecc", "X", "x"}, 2, "quillon-cli: --ecc takes L, M, Q or H, not 'X'\n" + kVerifyUsage},
        {8, {"verify", "-k", "DataMatrix", "--dm-shape", "Square", "x"}, 2,
         "quillon-cli: --dm-shape takes square or rect, not 'Square'\n" + kVerifyUsage},
        {9, {"verify", "-k", "PDF417", "--columns-417", "31", "x"}, 2,
         "quillon-cli: --columns-417 takes a whole number from 0 to 30, not '31'\n" + kVerifyUsage},
        {10, {"label", "-k", "QRCode", "--checksum", "-o", out, "x"}, 2,
         "quillon-cli: --checksum is not an option of QRCode: it is for the kinds the engine draws\n" + kLabelUsage},
        {11, {"label", "-k", "Aztec", "--height", "20", "-o", out, "x"}, 2,
         "quillon-cli: --height is for the linear kinds; Aztec takes its height from its modules\n" + kLabelUsage},
        // A sheet is refused whole: nothing is written.
        {12, {"sheet", "-k", "GS1_128", "-o", Path("r.pdf"), "(01)09501101530004"}, 1, "(01): check digit should be 3\n"},
    });
    // clang-format on
    EXPECT_TRUE(Files().isEmpty()) << Files().join(", ").toStdString();
}

} // namespace
} // namespace quillon
