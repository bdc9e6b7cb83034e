// The label design file: what it writes reads back the same, a damaged or foreign file is refused at its
// line, and a kind or stock this build lacks is read as the default and noted.
#include <gtest/gtest.h>

#include "barcode/Canvas.h"
#include "label/compose/SymbolKinds.h"
#include "label/sheet/LabelDesign.h"
#include "tests/support/ExpectMessage.h"

namespace quillon {
namespace {

using testing::MessageOf;

const std::string kHeader = "Quillon label design 1\n";

TReadDesign Parse(const std::string& bytes)
{
    return ParseLabelDesign(bytes, TStockCatalogue(), "d.qld");
}

// Every key away from its default, and texts that need every escape.
TLabelDesign Unusual()
{
    TLabelDesign design;
    design.Kind = *LabelKindFromName("DataMatrix");
    design.Code = "  ab\\c\t=[x];#\n";
    design.Source = TDesignSource::Serial;
    design.ListFile = "/tmp/prices list.csv";
    design.ListText = "code,upper\n1,\xD8\xB4\xD8\xA7\xD9\x8A\n";
    design.Serial = {
        .Start = "000123", .Step = "7", .Count = 40, .Width = 9, .Prefix = "P-", .Suffix = " /s "};
    design.Upper = {.On = true, .Text = "\xD9\x83\xD9\x88\xD9\x8A\xD9\x84\xD9\x88\xD9\x86 "};
    design.Lower = {.On = true, .Text = "Tea, 250 g"};
    design.Layout = TDesignLayout::Standard;
    design.Zoom = 7;
    design.Ratio = 3;
    design.XDimensionMm = 0.5;
    design.ModuleMm = 0.75;
    design.BarColor = 0x00FF8040;
    design.CheckDigit = true;
    design.Symbol = {.QrErrorCorrection = TQrErrorCorrection::H,
                     .DataMatrixShape = TDataMatrixShape::Rectangular,
                     .Pdf417Columns = 12};
    design.Stock = "a4-3x7-63.5x38.1";
    design.Paper = TPaperSize::Letter;
    design.Columns = 3;
    design.Rows = 17;
    design.Margins = {.Top = 0, .Right = 5, .Bottom = 50, .Left = 12};
    design.SpacingMm = 0;
    design.Stretch = true;
    design.Order = TCellOrder::DownColumns;
    design.Start = 9;
    design.Align = TPictureAlign::TopLeft;
    design.InsetMm = 2.5;
    return design;
}

TEST(LabelDesign, WhatIsWrittenReadsBackTheSame)
{
    for (const TLabelDesign& design : {TLabelDesign{}, Unusual()}) {
        const std::string text = FormatLabelDesign(design);
        const TReadDesign read = Parse(text);
        EXPECT_TRUE(read.Notes.empty());
        EXPECT_EQ(FormatLabelDesign(read.Design), text);
        EXPECT_TRUE(read.Design == design);
    }
    // The system colours keep their number; a plain colour is written #RRGGBB, red first.
    EXPECT_EQ(FormatDesignColor(0x00FF8040), "#4080FF");
    EXPECT_EQ(FormatDesignColor(SystemColor(8)), "system:8");
    EXPECT_EQ(ParseDesignColor("system:8"), SystemColor(8));
}

// A key left out takes its default; blank lines, comments, CR LF, a byte order mark and blanks around
// the "=" are read; names of kinds and stocks in any case, kinds by ordinal too.
TEST(LabelDesign, AHandWrittenDesignNeedsOnlyWhatItChanges)
{
    EXPECT_TRUE(Parse(kHeader).Design == TLabelDesign{});
    const TReadDesign read =
        Parse("\xEF\xBB\xBFQuillon label design 1\r\n\r\n; a shelf label\r\n"
              "# prices\r\nkind=qrcode\r\n  code =  ABC \r\nstock = A4-3X7-63.5X38.1\r\n");
    EXPECT_EQ(read.Design.Kind, *LabelKindFromName("QRCode"));
    EXPECT_EQ(read.Design.Code, "ABC");
    EXPECT_EQ(read.Design.Stock, "a4-3x7-63.5x38.1");
    EXPECT_EQ(Parse(kHeader + "kind = 5\n").Design.Kind, 5);
}

// Each damage refused at its line, as quillon-cli and the window say it.
TEST(LabelDesign, ADamagedOrForeignFileIsRefusedAtItsLine)
{
    struct Row {
        int No;
        std::string Bytes;
        std::string Message;
    };
    const Row rows[] = {
        {1, "", "d.qld:1: empty, not a label design"},
        {2, "; Quillon settings\nkind = QRCode\n",
         "d.qld:1: not a label design: the first line should read \"Quillon label design 1\""},
        {3, "\x89PNG\r\n\x1A\n",
         "d.qld:1: not a label design: the first line should read \"Quillon label design 1\""},
        {4, "Quillon label design 2\nshape = star\n",
         "d.qld:1: \"Quillon label design 2\" is a later format than this Quillon reads (Quillon label "
         "design 1)"},
        {5, kHeader + "kind QRCode\n", "d.qld:2: not a setting: a line reads \"key = value\""},
        {6, kHeader + "code = A\\qB\n", "d.qld:2: not a setting: a line reads \"key = value\""},
        {7, kHeader + "\n[sheet]\nrows = 2\n", "d.qld:4: a section: a label design has none"},
        {8, kHeader + "zoom = 2\nsize = 3\n", "d.qld:3: no setting is called size"},
        {9, kHeader + "rows = 2\n\nrows = 3\n", "d.qld:4: rows is set a second time (first on line 2)"},
        {10, kHeader + "zoom = 12\n", "d.qld:2: zoom takes 1..10, not '12'"},
        {11, kHeader + "columns = 2.5\n", "d.qld:2: columns takes 1..4, not '2.5'"},
        {12, kHeader + "margins_mm = 10,10,10\n", "d.qld:2: margins_mm takes T,R,B,L 0..50, not '10,10,10'"},
        {13, kHeader + "margins_mm = 10,10,10,10,10\n",
         "d.qld:2: margins_mm takes T,R,B,L 0..50, not '10,10,10,10,10'"},
        {14, kHeader + "bar_color = red\n", "d.qld:2: bar_color takes #RRGGBB|system:N, not 'red'"},
        {15, kHeader + "x_dim_mm = 0.05\n", "d.qld:2: x_dim_mm takes 0.1..2, not '0.05'"},
        {16, kHeader + "x_dim_mm = nan\n", "d.qld:2: x_dim_mm takes 0.1..2, not 'nan'"},
        {17, kHeader + "serial_start = 12a\n", "d.qld:2: serial_start takes digits, not '12a'"},
        {18, kHeader + "source = file\n", "d.qld:2: source takes one|list|serial, not 'file'"},
        {19, kHeader + "stretch = yes\n", "d.qld:2: stretch takes 0|1, not 'yes'"},
        {20, kHeader + "kind =\n", "d.qld:2: kind takes a kind (quillon-cli kinds), not ''"},
        {21, kHeader + "code = " + std::string(9000, '7') + "\n",
         "d.qld:2: code takes text of up to 8192 bytes, not '" + std::string(40, '7') + "...'"},
        {22, kHeader + "start = 0\n", "d.qld:2: start takes 1..80, not '0'"},
    };
    for (const Row& row : rows) {
        const std::string message = MessageOf<EDesignError>([&] { Parse(row.Bytes); });
        EXPECT_EQ(message, row.Message) << "row " << row.No;
    }
}

// Parts this build lacks take the default, each noted with its line; the rest is read.
TEST(LabelDesign, AKindOrStockThisBuildLacksIsReadAsTheDefaultAndNoted)
{
    const TReadDesign read = Parse(kHeader + "kind = HanXin\ncode = 42\nstock = a4-9x9-1x1\nrows = 3\n");
    EXPECT_EQ(read.Design.Kind, bcCodeEAN13);
    EXPECT_EQ(read.Design.Stock, "custom");
    EXPECT_EQ(read.Design.Code, "42");
    EXPECT_EQ(read.Design.Rows, 3);
    ASSERT_EQ(read.Notes.size(), 2u);
    EXPECT_EQ(DesignNoteText(read.Notes[0]), "kind HanXin is not one this build makes: CodeEAN13 instead");
    EXPECT_EQ(read.Notes[0].Line, 2);
    EXPECT_EQ(DesignNoteText(read.Notes[1]),
              "label stock a4-9x9-1x1 is not one this build knows: the sheet is laid out by its margins");
    EXPECT_EQ(read.Notes[1].Line, 4);
}

} // namespace
} // namespace quillon
