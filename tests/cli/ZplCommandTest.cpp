// label and sheet --format zpl, read back as an independent renderer (zpl-renderer-js) prints them and
// decoded with ZXing-cpp: every kind with a native command, native and graphic, at 203 and 300 dpi.
#include <gtest/gtest.h>

#include <QFile>
#include <string>
#include <vector>

#include "tests/cli/RunCli.h"
#include "tests/support/Rasterisers.h"
#include "tests/support/ZplRenderer.h"

namespace quillon::testing {
namespace {

std::string TempZpl(const std::string& name)
{
    return ::testing::TempDir() + "zpl_" + std::to_string(getpid()) + "_" + name + ".zpl";
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every label the renderer prints, as ZXing-cpp reads it ("" where it reads nothing).
std::vector<std::string> ReadRendered(const std::string& path, int dpi)
{
    const ZplRendering rendering = RenderZpl(path, dpi);
    EXPECT_EQ(rendering.error, "");
    std::vector<std::string> texts;
    for (const QImage& label : rendering.labels) {
        const std::vector<TZxingReading> readings = ReadWithZxing(label);
        texts.push_back(readings.empty() ? std::string() : readings.front().Text);
    }
    return texts;
}

struct KindRow {
    int row = 0;
    const char* kind = "";
    const char* text = "";
    const char* reads = "";   // what ZXing-cpp gives back
    const char* command = ""; // the native command written, or "" where the bars go as a graphic
    const char* ratio = "";   // -r: 3 gives the two-width kinds a ratio ZPL's ^BY takes
};
// Readings: the check digits each kind's standard adds, as ZXing-cpp reports them.
const KindRow kKinds[] = {
    {1, "CodeEAN13", "5901234123457", "5901234123457", "^BE"},
    {2, "CodeEAN8", "96385074", "96385074", ""},
    {3, "CodeUPC_A", "036000291452", "036000291452", ""},
    {4, "Code128A", "ABC-12", "ABC-12", ""},
    {5, "Code128B", "Tea>1^~", "Tea>1^~", "^BC"},
    {6, "Code128C", "12345678", "12345678", "^BC"},
    {7, "Code39", "ABC123", "ABC123", "^B3", "3"},
    {8, "Code93", "ABC123", "ABC123", ""},
    {9, "Code_2_5_interleaved", "12345670", "12345670", "^B2", "3"},
    {10, "QRCode", "https://example.org/a?b=1", "https://example.org/a?b=1", ""},
    {11, "DataMatrix", "QUILLON-42", "QUILLON-42", ""},
    {12, "PDF417", "Quillon label", "Quillon label", ""},
};

struct ZplCase {
    KindRow kind;
    bool native = true;
    int dpi = 203;
};

class ZplKinds : public ::testing::TestWithParam<ZplCase> {};

TEST_P(ZplKinds, RendersAndReadsAsTyped)
{
    const ZplCase& c = GetParam();
    const std::string path =
        TempZpl(std::to_string(c.kind.row) + (c.native ? "n" : "g") + std::to_string(c.dpi));
    std::vector<std::string> args{"label",
                                  "--format",
                                  "zpl",
                                  "--zpl",
                                  c.native ? "native" : "graphic",
                                  "--layout",
                                  "standard",
                                  "--dpi",
                                  std::to_string(c.dpi),
                                  "-k",
                                  c.kind.kind,
                                  "-o",
                                  path};
    if (*c.kind.ratio != '\0')
        args.insert(args.end(), {"-r", c.kind.ratio});
    args.insert(args.end(), {"--", c.kind.text});
    const CliRun run = RunCli(args);
    ASSERT_EQ(run.status, 0) << "row " << c.kind.row << ": " << run.err;
    const std::string zpl = FileText(path);
    const bool nativeCommand = c.native && *c.kind.command != '\0';
    EXPECT_EQ(zpl.find(nativeCommand ? c.kind.command : "^FD") != std::string::npos, nativeCommand)
        << "row " << c.kind.row << ":\n"
        << zpl;
    EXPECT_EQ(ReadRendered(path, c.dpi), std::vector<std::string>{c.kind.reads}) << "row " << c.kind.row;
    QFile::remove(QString::fromStdString(path));
}

std::vector<ZplCase> AllCases()
{
    std::vector<ZplCase> cases;
    for (const KindRow& kind : kKinds)
        for (const bool native : {true, false})
            for (const int dpi : {203, 300})
                cases.push_back({.kind = kind, .native = native, .dpi = dpi});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, ZplKinds, ::testing::ValuesIn(AllCases()), [](const auto& info) {
    return std::string(info.param.kind.kind) + (info.param.native ? "Native" : "Graphic") +
           std::to_string(info.param.dpi);
});

TEST(ZplCommand, ArabicCaptionPrintsAsGraphic)
{
    const std::string path = TempZpl("arabic");
    const CliRun run = RunCli({"label", "--format", "zpl", "--dpi", "203", "-k", "Code128B", "--lower",
                               "شاي، ٢٥٠ غ", "-o", path, "Tea-250"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string zpl = FileText(path);
    EXPECT_NE(zpl.find("^GFA"), std::string::npos);
    EXPECT_EQ(zpl.find("\xd8"), std::string::npos) << "the caption goes as dots, not as text";
    EXPECT_EQ(ReadRendered(path, 203), std::vector<std::string>{"Tea-250"});
}

// Refusals: exit 2 for a usage error, and nothing written.
struct RefusalRow {
    int row = 0;
    std::vector<std::string> args;
    const char* message = "";
};
const RefusalRow kRefusals[] = {
    {1, {"label", "--format", "pdf"}, "quillon-cli: --format pdf is for sheet; label writes png or zpl\n"},
    {2, {"sheet", "--format", "png"}, "quillon-cli: --format png is for label; sheet writes pdf or zpl\n"},
    {3, {"label", "--zpl", "graphic"}, "quillon-cli: --zpl is for --format zpl\n"},
    {4,
     {"label", "--format", "zpl", "--dpi", "400"},
     "quillon-cli: --format zpl takes --dpi 203, 300 or 600, a label printer's resolution, not 400\n"},
    {5,
     {"sheet", "--format", "zpl", "--stock", "a4-3x7-63.5x38.1"},
     "quillon-cli: ZPL is written for a roll; a4-3x7-63.5x38.1 is a sheet of 3 x 7 labels\n"},
    {6,
     {"sheet", "--format", "zpl", "--columns", "2"},
     "quillon-cli: --columns is for a sheet; ZPL is written for a roll, one label at a time\n"},
    {7,
     {"label", "--format", "zpl", "--darkness", "31"},
     "quillon-cli: --darkness takes a whole number from 0 to 30, not '31'\n"},
};

TEST(ZplCommand, RefusesWhatItCannotWrite)
{
    for (const RefusalRow& r : kRefusals) {
        const bool zpl = std::find(r.args.begin(), r.args.end(), "zpl") != r.args.end();
        const std::string path =
            TempZpl("refused" + std::to_string(r.row)) + (zpl                    ? ""
                                                          : r.args[0] == "label" ? ".png"
                                                                                 : ".pdf");
        std::vector<std::string> args = r.args;
        args.insert(args.end(), {"-o", path, "5901234123457"});
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << "row " << r.row;
        EXPECT_EQ(run.err.substr(0, run.err.find("usage:")), r.message) << "row " << r.row;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << "row " << r.row;
    }
}

TEST(ZplCommand, LabelThatWouldNotReadIsNotWritten)
{
    const std::string path = TempZpl("wrong");
    const CliRun run = RunCli({"label", "--format", "zpl", "--dpi", "203", "-o", path, "5901234123458"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Check digit should be 7"), std::string::npos) << run.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

// A roll of 57 x 32 mm labels with 100 serial numbers, native and graphic: every label read back.
TEST(ZplCommand, SlowRollOfHundredSerialCode128)
{
    for (const char* mode : {"native", "graphic"}) {
        const std::string path = TempZpl(std::string("roll-") + mode);
        const CliRun run =
            RunCli({"sheet", "--format", "zpl", "--zpl", mode, "--dpi", "203", "--stock", "roll-57x32",
                    "--layout", "standard", "-k", "Code128C", "--sequence", "000001..000100", "-o", path});
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> expected;
        for (int i = 1; i <= 100; ++i)
            expected.push_back(QString("%1").arg(i, 6, 10, QChar('0')).toStdString());
        EXPECT_EQ(ReadRendered(path, 203), expected) << mode;
    }
}

// Classic layout on a roll: the bars reach the graphic's right edge, where a row ends in black (written
// out, since renderers read ZPL's '!' fill otherwise), and the digits stand over the bars.
TEST(ZplCommand, SlowClassicRollLabelsRead)
{
    const KindRow kinds[] = {kKinds[0], kKinds[5]}; // EAN-13, Code 128 C
    for (const KindRow& kind : kinds)
        for (const char* mode : {"native", "graphic"})
            for (const int dpi : {203, 300}) {
                const std::string path = TempZpl(std::string("classic-") + mode + std::to_string(dpi));
                const CliRun run = RunCli({"sheet", "--format", "zpl", "--zpl", mode, "--dpi",
                                           std::to_string(dpi), "--stock", "roll-57x32", "--layout",
                                           "classic", "-k", kind.kind, "-o", path, kind.text});
                ASSERT_EQ(run.status, 0) << run.err;
                EXPECT_EQ(ReadRendered(path, dpi), std::vector<std::string>{kind.reads})
                    << kind.kind << " " << mode << dpi;
                QFile::remove(QString::fromStdString(path));
            }
}

// A 4 x 6 in shipping label: GS1-128 with a caption, native and graphic, at 203 and 300 dpi.
TEST(ZplCommand, SlowShippingLabelWithGs1128)
{
    for (const char* mode : {"native", "graphic"})
        for (const int dpi : {203, 300}) {
            const std::string path = TempZpl(std::string("ship-") + mode + std::to_string(dpi));
            const CliRun run = RunCli({"sheet", "--format", "zpl", "--zpl", mode, "--dpi",
                                       std::to_string(dpi), "--stock", "roll-102x152", "--layout", "standard",
                                       "-k", "GS1_128", "--lower", "Ship to: Quillon Ltd, Dock 4", "-o", path,
                                       "(01)09501101530003(17)250101(10)ABC123"});
            ASSERT_EQ(run.status, 0) << run.err;
            const std::vector<std::string> texts = ReadRendered(path, dpi);
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_NE(texts[0].find("0109501101530003"), std::string::npos)
                << mode << dpi << ": " << texts[0];
            EXPECT_NE(texts[0].find("10ABC123"), std::string::npos) << mode << dpi << ": " << texts[0];
        }
}

} // namespace
} // namespace quillon::testing
