// quillon-cli label: the PNG it writes is the preview's label, pixel for pixel (which reads back as its
// code: label/ScanCheckTest).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "RunCli.h"
#include "label/compose/FontSubstitutions.h"
#include "label/compose/LabelComposer.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

// The settings a command line stands for, written out independently of the command-line parser.
struct LabelSettings {
    TBarcodeType kind = bcCodeEAN13;
    int modul = 1;
    double ratio = 2.0;
    int height = 64;
    TBarcodeOption show = bcoCode;
    TColor barColor = 0;
    std::optional<double> angle = std::nullopt;
    TLabelCaptions captions{.UpperOn = false, .Upper = {}, .LowerOn = false, .Lower = {}};
    std::string text;
};

QImage Expected(const LabelSettings& s)
{
    TBarcode barcode;
    barcode.SetTyp(s.kind), barcode.SetModul(s.modul), barcode.SetRatio(s.ratio), barcode.SetHeight(s.height);
    barcode.SetShowText(s.show), barcode.SetColorBar(s.barColor), barcode.SetText(s.text);
    if (s.angle)
        PlaceForAngle(barcode, *s.angle);
    return ComposeLabel(barcode, s.captions);
}

class LabelCommand : public testing::CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
        RegisterFontSubstitutions();
    }
};

TEST_F(LabelCommand, WritesThePreviewsPixels)
{
    const std::string file = Path("same.png");
    struct Row {
        int line;
        std::vector<std::string> args;
        LabelSettings settings;
    } rows[] = {
        {1, {"6212236011840"}, {.text = "6212236011840"}},
        {2,
         {"-m", "2", "-r", "1.0", "--height", "40", "--bar-color", "0000FF", "--show", "both", "--upper",
          "www.example.com", "--lower", "Description", "6212236011840"},
         {.modul = 2,
          .ratio = 1.0,
          .height = 40,
          .show = bcoBoth,
          .barColor = 0xFF0000, // blue: RRGGBB 0000FF with red in the low byte
          .captions = {.UpperOn = true, .Upper = "www.example.com", .LowerOn = true, .Lower = "Description"},
          .text = "6212236011840"}},
        // Turned 20 degrees past upside down, no line of the reader crosses every bar: not verified.
        {3,
         {"-k", "Code128B", "--angle", "200", "--show", "none", "--lower", "Box 7", "--no-verify", "--",
          "-AB-12"},
         {.kind = bcCode128B,
          .show = bcoNone,
          .angle = 200,
          .captions = {.UpperOn = false, .Upper = {}, .LowerOn = true, .Lower = "Box 7"},
          .text = "-AB-12"}},
    };
    for (Row& row : rows) {
        QFile::remove(QString::fromStdString(file));
        const CliRun run = RunCli(testing::Join({"label", "-o", file}, row.args));
        ASSERT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(run.out + run.err, "") << "row " << row.line;
        const QImage written(QString::fromStdString(file), "PNG");
        ASSERT_FALSE(written.isNull()) << "row " << row.line;
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), Expected(row.settings))
            << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
