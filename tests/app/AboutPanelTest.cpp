// The About panel: geometry, fonts and colours of every control, the brand captions, the fitted
// lines; the font substitutions behind them.
#include "app/AboutPanel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/FontSubstitutions.h"
#include "controls/ProLabel.h"

namespace quillon {
namespace {

enum Style { Plain = 0, B = 1, I = 2, U = 4 };
enum Fill { Clear, Filled };

struct LabelRow {
    int No;
    const char* Name;
    int Left, Top, Width, Height;
    const char* Family;
    int PixelSize;
    int FontStyle;
    QRgb Color;
    Fill Background;
    QRgb BackgroundColor; // read only for filled labels
};

constexpr QRgb Grey = qRgb(160, 160, 164), Green = qRgb(0, 128, 0), Lime = qRgb(0, 255, 0),
               Red = qRgb(255, 0, 0), Purple = qRgb(128, 0, 128), Blue = qRgb(0, 0, 255),
               Fuchsia = qRgb(255, 0, 255), Yellow = qRgb(255, 255, 0), Black = qRgb(0, 0, 0);

// From the About panel's control table; labels not marked transparent show the panel's grey,
// except Label14 (fuchsia on yellow).
constexpr LabelRow LabelRows[] = {
    {1, "Label61", 72, 2, 127, 19, "Arial", 16, B, Green, Filled, Grey},
    {2, "Label51", 67, 20, 238, 79, "Smudger LET", 69, B | I, Black, Clear, 0},
    {3, "Label10", 63, 24, 238, 79, "Smudger LET", 69, B | I, Lime, Clear, 0},
    {4, "Label12", 72, 95, 89, 16, "MS Sans Serif", 13, B, Red, Clear, 0},
    {5, "Label11", 220, 98, 70, 16, "Arial", 13, B, Purple, Clear, 0},
    {6, "Label13", 8, 128, 105, 19, "Arial", 16, B, Green, Clear, 0},
    {7, "Label56", 226, 128, 64, 16, "Arial", 13, B, Blue, Clear, 0},
    {8, "Label14", 16, 148, 264, 43, "Arial (Arabic)", 19, B | I, Fuchsia, Filled, Yellow},
    {9, "Label55", 8, 190, 132, 16, "Arial", 13, B | U, Black, Clear, 0},
    {10, "Label57", 155, 190, 112, 16, "Arial", 13, B, Blue, Clear, 0},
    {11, "Label16", 8, 210, 120, 19, "Arial", 16, B, Green, Clear, 0},
    {12, "Label17", 20, 226, 264, 19, "Arial", 16, B, Fuchsia, Clear, 0},
    {13, "Label18", 15, 245, 277, 16, "Arial", 13, B, Black, Filled, Grey},
    {14, "Label19", 5, 264, 286, 16, "Arial", 13, B, Black, Filled, Grey},
    {15, "Label20", 75, 280, 151, 16, "Arial", 13, B, Black, Filled, Grey},
    {16, "Label67", 102, 296, 104, 16, "Arial", 13, B, Blue, Clear, 0},
};

// The substitutions must be in place before the panel resolves its fonts.
struct RegisteredFonts {
    RegisteredFonts() { RegisterFontSubstitutions(); }
};

class AboutPanelTest : public ::testing::Test {
protected:
    QLabel* Label(const char* name) const { return Panel.findChild<QLabel*>(QString::fromLatin1(name)); }
    RegisteredFonts Fonts;
    TAboutPanel Panel;
};

TEST_F(AboutPanelTest, PanelIsGreyFixedSizeLeftToRight)
{
    EXPECT_EQ(Panel.size(), QSize(297, 343));
    EXPECT_EQ(Panel.palette().color(QPalette::Window).rgb(), Grey);
    EXPECT_TRUE(Panel.autoFillBackground());
    EXPECT_EQ(Panel.layoutDirection(), Qt::LeftToRight);
}

TEST_F(AboutPanelTest, LabelsFromTheControlTable)
{
    for (const LabelRow& row : LabelRows) {
        const QLabel* label = Label(row.Name);
        ASSERT_NE(label, nullptr) << "row " << row.No;
        EXPECT_EQ(label->geometry(), QRect(row.Left, row.Top, row.Width, row.Height)) << "row " << row.No;
        EXPECT_EQ(label->font().family(), QString::fromLatin1(row.Family)) << "row " << row.No;
        EXPECT_EQ(label->font().pixelSize(), row.PixelSize) << "row " << row.No;
        EXPECT_EQ(label->font().bold(), (row.FontStyle & B) != 0) << "row " << row.No;
        EXPECT_EQ(label->font().italic(), (row.FontStyle & I) != 0) << "row " << row.No;
        EXPECT_EQ(label->font().underline(), (row.FontStyle & U) != 0) << "row " << row.No;
        EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), row.Color) << "row " << row.No;
        EXPECT_EQ(label->autoFillBackground(), row.Background == Filled) << "row " << row.No;
        if (row.Background == Filled) {
            EXPECT_EQ(label->palette().color(QPalette::Window).rgb(), row.BackgroundColor)
                << "row " << row.No;
        }
    }
}

// The lime title lies over its black copy, which shows 4 px to the right and 4 px up.
TEST_F(AboutPanelTest, TitleShadowLiesBeneathTheTitle)
{
    const QObjectList& stack = Panel.children();
    EXPECT_GT(stack.indexOf(Label("Label10")), stack.indexOf(Label("Label51")));
    EXPECT_EQ(Label("Label51")->pos() - Label("Label10")->pos(), QPoint(4, -4));
    EXPECT_GT(stack.indexOf(Label("Label14")),
              stack.indexOf(Panel.findChild<QFrame*>(QStringLiteral("Bevel2"))));
}

// The installed faces are wider than the ones the layout was drawn for: every line must still
// fit its box, keeping the table's pixel height.
TEST_F(AboutPanelTest, EveryLineFitsItsBox)
{
    for (const LabelRow& row : LabelRows) {
        const QLabel* label = Label(row.Name);
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(
            QRect(0, 0, label->width(), 1000),
            int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        EXPECT_LE(needed.width(), label->width()) << "row " << row.No;
        EXPECT_LE(metrics.height() * (label->wordWrap() ? 2 : 1), label->height() + 2) << "row " << row.No;
    }
}

// No letter may fall back to a missing-glyph box: the slanted DejaVu faces lack Arabic.
TEST_F(AboutPanelTest, EveryLetterHasAGlyph)
{
    for (const LabelRow& row : LabelRows) {
        const QLabel* label = Label(row.Name);
        const QFontMetrics metrics(label->font());
        for (uint c : label->text().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c)) << "row " << row.No << " U+" << std::hex << c;
    }
}

struct ProLabelRow {
    int No;
    const char* Name;
    QRect Geometry;
    TShadowStyle ShadowStyle;
    TDirection ShadowDirection;
    TDirection HighlightDirection;
};

// From the control table: the same font and depths, differing in style and directions.
const ProLabelRow ProLabelRows[] = {
    {1, "ProLabel1", QRect(11, 7, 33, 105), ssRecessedColor, drUpLeft, drDownRight},
    {2, "ProLabel2", QRect(32, 0, 25, 133), ssRaisedShadow, drDownRight, drUpLeft},
};

TEST_F(AboutPanelTest, BrandCaptionsAreTurnedStyledLabels)
{
    const TProLabel* labels[] = {Panel.ProLabel1(), Panel.ProLabel2()};
    for (const ProLabelRow& row : ProLabelRows) {
        const TProLabel* label = labels[row.No - 1];
        ASSERT_NE(label, nullptr) << "row " << row.No;
        EXPECT_EQ(label->objectName(), QString::fromLatin1(row.Name)) << "row " << row.No;
        EXPECT_EQ(label->geometry(), row.Geometry) << "row " << row.No;
        EXPECT_FALSE(label->Caption().isEmpty()) << "row " << row.No;
        EXPECT_EQ(label->Angle(), 90) << "row " << row.No;
        EXPECT_EQ(label->Font().family(), QStringLiteral("Arabic Transparent")) << "row " << row.No;
        EXPECT_EQ(label->Font().pixelSize(), 24) << "row " << row.No;
        EXPECT_TRUE(label->Font().bold()) << "row " << row.No;
        EXPECT_EQ(label->FontColor(), clBtnFace) << "row " << row.No;
        EXPECT_EQ(label->ShadowStyle(), row.ShadowStyle) << "row " << row.No;
        EXPECT_EQ(label->ShadowDirection(), row.ShadowDirection) << "row " << row.No;
        EXPECT_EQ(label->HighlightDirection(), row.HighlightDirection) << "row " << row.No;
        EXPECT_EQ(label->ShadowDepth(), 1) << "row " << row.No;
        EXPECT_EQ(label->HighlightDepth(), 1) << "row " << row.No;
        EXPECT_EQ(label->ShadowSize(), 1) << "row " << row.No;
        EXPECT_TRUE(label->Transparent()) << "row " << row.No;
        EXPECT_TRUE(label->WordWrap()) << "row " << row.No;
        EXPECT_FALSE(label->AutoSize()) << "row " << row.No;
    }
}

TEST_F(AboutPanelTest, FrameAndOkButton)
{
    const auto* bevel = Panel.findChild<QFrame*>(QStringLiteral("Bevel2"));
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(bevel->geometry(), QRect(4, 128, 289, 79));
    EXPECT_EQ(bevel->frameShape(), QFrame::Box);
    ASSERT_NE(Panel.AboutOk(), nullptr);
    EXPECT_EQ(Panel.AboutOk()->geometry(), QRect(110, 314, 75, 25));
    EXPECT_EQ(Panel.AboutOk()->text(), QStringLiteral("OK"));
    EXPECT_FALSE(Panel.AboutOk()->icon().isNull());
}

struct SubstitutionRow {
    int No;
    const char* Family;
    const char* Face;
    bool BoldItalic;
};

// The families the window definitions name and the installed DejaVu faces that draw them.
constexpr SubstitutionRow SubstitutionRows[] = {
    {1, "MS Sans Serif", "DejaVu Sans Condensed", false}, {2, "Arial", "DejaVu Sans", false},
    {3, "Arial (Arabic)", "DejaVu Sans", true}, {4, "Arabic Transparent", "DejaVu Sans", false},
    {5, "Smudger LET", "DejaVu Serif", true},
};

TEST(FontSubstitutions, FamiliesResolveToDejaVuFaces)
{
    RegisterFontSubstitutions();
    RegisterFontSubstitutions(); // a second registration changes nothing
    for (const SubstitutionRow& row : SubstitutionRows) {
        const QString family = QString::fromLatin1(row.Family);
        EXPECT_EQ(QFont::substitutes(family).size(), 1) << "row " << row.No;
        QFont font(family);
        font.setPixelSize(20);
        font.setBold(row.BoldItalic);
        font.setItalic(row.BoldItalic);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), QString::fromLatin1(row.Face)) << "row " << row.No;
        EXPECT_EQ(info.bold(), row.BoldItalic) << "row " << row.No;
        EXPECT_EQ(info.italic(), row.BoldItalic) << "row " << row.No;
    }
}

} // namespace
} // namespace quillon
