// The About panel: geometry, fonts and colours of every control, the brand captions, the fitted
// lines; the font substitutions behind them.
#include "app/AboutPanel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "controls/ProLabel.h"
#include "label/FontSubstitutions.h"

namespace quillon {
namespace {

enum Style { B = 1, I = 2, U = 4 };
constexpr QRgb Clear = 0; // no background of its own: black is 0xFF000000
constexpr QRgb Grey = qRgb(160, 160, 164), Green = qRgb(0, 128, 0), Lime = qRgb(0, 255, 0),
               Red = qRgb(255, 0, 0), Purple = qRgb(128, 0, 128), Blue = qRgb(0, 0, 255),
               Fuchsia = qRgb(255, 0, 255), Yellow = qRgb(255, 255, 0), Black = qRgb(0, 0, 0);

struct LabelRow {
    int No;
    const char* Name;
    QRect Geometry;
    const char* Family;
    int PixelSize, FontStyle;
    QRgb Color, Background;
};

// From the About panel's control table; labels not marked transparent show the panel's grey,
// except Label14 (fuchsia on yellow).
const LabelRow LabelRows[] = {
    {1, "Label61", {72, 2, 127, 19}, "Arial", 16, B, Green, Grey},
    {2, "Label51", {67, 20, 238, 79}, "Smudger LET", 69, B | I, Black, Clear},
    {3, "Label10", {63, 24, 238, 79}, "Smudger LET", 69, B | I, Lime, Clear},
    {4, "Label12", {72, 95, 89, 16}, "MS Sans Serif", 13, B, Red, Clear},
    {5, "Label11", {220, 98, 70, 16}, "Arial", 13, B, Purple, Clear},
    {6, "Label13", {8, 128, 105, 19}, "Arial", 16, B, Green, Clear},
    {7, "Label56", {226, 128, 64, 16}, "Arial", 13, B, Blue, Clear},
    {8, "Label14", {16, 148, 264, 43}, "Arial (Arabic)", 19, B | I, Fuchsia, Yellow},
    {9, "Label55", {8, 190, 132, 16}, "Arial", 13, B | U, Black, Clear},
    {10, "Label57", {155, 190, 112, 16}, "Arial", 13, B, Blue, Clear},
    {11, "Label16", {8, 210, 120, 19}, "Arial", 16, B, Green, Clear},
    {12, "Label17", {20, 226, 264, 19}, "Arial", 16, B, Fuchsia, Clear},
    {13, "Label18", {15, 245, 277, 16}, "Arial", 13, B, Black, Grey},
    {14, "Label19", {5, 264, 286, 16}, "Arial", 13, B, Black, Grey},
    {15, "Label20", {75, 280, 151, 16}, "Arial", 13, B, Black, Grey},
    {16, "Label67", {102, 296, 104, 16}, "Arial", 13, B, Blue, Clear},
};

class AboutPanelTest : public ::testing::Test {
protected:
    // The substitutions must be in place before the panel resolves its fonts.
    static void SetUpTestSuite() { RegisterFontSubstitutions(); }
    QLabel* Label(const char* name) const { return Panel.findChild<QLabel*>(QString::fromLatin1(name)); }
    TAboutPanel Panel;
};

TEST_F(AboutPanelTest, GreyFixedSizePanelWithItsFrameAndOkButton)
{
    EXPECT_EQ(Panel.size(), QSize(297, 343));
    EXPECT_EQ(Panel.palette().color(QPalette::Window).rgb(), Grey);
    EXPECT_TRUE(Panel.autoFillBackground());
    EXPECT_EQ(Panel.layoutDirection(), Qt::LeftToRight);
    const auto* bevel = Panel.findChild<QFrame*>(QStringLiteral("Bevel2"));
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(std::pair(bevel->geometry(), bevel->frameShape()),
              std::pair(QRect(4, 128, 289, 79), QFrame::Box));
    ASSERT_NE(Panel.AboutOk(), nullptr);
    EXPECT_EQ(std::pair(Panel.AboutOk()->geometry(), Panel.AboutOk()->text()),
              std::pair(QRect(110, 314, 75, 25), QStringLiteral("OK")));
    EXPECT_FALSE(Panel.AboutOk()->icon().isNull());
    // The lime title lies over its black copy, which shows 4 px to the right and 4 px up, and Label14 over
    // the frame.
    const QObjectList& stack = Panel.children();
    EXPECT_GT(stack.indexOf(Label("Label10")), stack.indexOf(Label("Label51")));
    EXPECT_EQ(Label("Label51")->pos() - Label("Label10")->pos(), QPoint(4, -4));
    EXPECT_GT(stack.indexOf(Label("Label14")), stack.indexOf(bevel));
}

// The installed faces are wider than the ones the layout was drawn for: every line must still fit its
// box, keeping the table's pixel height, and no letter may fall back to a missing-glyph box (the slanted
// DejaVu faces lack Arabic).
TEST_F(AboutPanelTest, LabelsFollowTheControlTableAndFitTheirBoxesWithEveryGlyph)
{
    for (const LabelRow& row : LabelRows) {
        const QLabel* label = Label(row.Name);
        ASSERT_NE(label, nullptr) << "row " << row.No;
        const QFont font = label->font();
        const int style = (font.bold() ? B : 0) | (font.italic() ? I : 0) | (font.underline() ? U : 0);
        const QRgb background =
            label->autoFillBackground() ? label->palette().color(QPalette::Window).rgb() : Clear;
        EXPECT_EQ(std::tuple(label->geometry(), font.family().toStdString(), font.pixelSize(), style,
                             label->palette().color(QPalette::WindowText).rgb(), background),
                  std::tuple(row.Geometry, std::string(row.Family), row.PixelSize, row.FontStyle, row.Color,
                             row.Background))
            << "row " << row.No;
        const QFontMetrics metrics(font);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        EXPECT_LE(metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text()).width(),
                  label->width())
            << "row " << row.No;
        EXPECT_LE(metrics.height() * (label->wordWrap() ? 2 : 1), label->height() + 2) << "row " << row.No;
        for (uint c : label->text().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c)) << "row " << row.No << " U+" << std::hex << c;
    }
}

// From the control table: the same font and depths, differing in style and directions (shadow, highlight).
// Each turned caption is set in the largest size up to the designed 24 pixels whose line, every mark
// included, fits across its narrow box: the Arabic brand would otherwise lose the tops of its letters.
TEST_F(AboutPanelTest, BrandCaptionsAreTurnedStyledLabels)
{
    const auto shared = [](const TProLabel* l) {
        return std::tuple(l->Angle(), l->Font().family(), l->Font().bold(), l->FontColor(),
                          int{l->ShadowDepth()}, l->HighlightDepth(), int{l->ShadowSize()}, l->Transparent(),
                          l->WordWrap(), l->AutoSize(), l->Caption().isEmpty());
    };
    ASSERT_TRUE(Panel.ProLabel1() && Panel.ProLabel2());
    EXPECT_EQ(shared(Panel.ProLabel1()), std::tuple(90, QStringLiteral("Arabic Transparent"), true, clBtnFace,
                                                    1, 1, 1, true, true, false, false));
    for (const TProLabel* label : {Panel.ProLabel1(), Panel.ProLabel2()}) {
        const QFontMetrics metrics(label->Font());
        const QRect ink = metrics.boundingRect(label->Caption());
        EXPECT_LE(label->Font().pixelSize(), 24);
        EXPECT_LE(metrics.height(), label->width()) << label->objectName().toStdString();
        EXPECT_GE(metrics.ascent() + ink.top(), 0) << label->objectName().toStdString();
        EXPECT_LE(metrics.horizontalAdvance(label->Caption()), label->height())
            << label->objectName().toStdString();
    }
    EXPECT_EQ(shared(Panel.ProLabel2()), shared(Panel.ProLabel1()));
    const std::tuple<const TProLabel*, const char*, QRect, TShadowStyle, TDirection, TDirection> rows[] = {
        {Panel.ProLabel1(), "ProLabel1", {11, 7, 33, 105}, ssRecessedColor, drUpLeft, drDownRight},
        {Panel.ProLabel2(), "ProLabel2", {32, 0, 25, 133}, ssRaisedShadow, drDownRight, drUpLeft},
    };
    for (const auto& [label, name, geometry, style, shadow, highlight] : rows)
        EXPECT_EQ(std::tuple(label->objectName().toStdString(), label->geometry(), label->ShadowStyle(),
                             label->ShadowDirection(), label->HighlightDirection()),
                  std::tuple(std::string(name), geometry, style, shadow, highlight));
}

// The families the window definitions name and the installed DejaVu faces that draw them, bold italic or not.
constexpr std::tuple<const char*, const char*, bool> SubstitutionRows[] = {
    {"MS Sans Serif", "DejaVu Sans Condensed", false},
    {"Arial", "DejaVu Sans", false},
    {"Arial (Arabic)", "DejaVu Sans", true},
    {"Arabic Transparent", "DejaVu Sans", false},
    {"Smudger LET", "DejaVu Serif", true},
};

TEST(FontSubstitutions, FamiliesResolveToDejaVuFaces)
{
    RegisterFontSubstitutions();
    RegisterFontSubstitutions(); // a second registration changes nothing
    for (int no = 1; const auto& [family, face, boldItalic] : SubstitutionRows) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(20), font.setBold(boldItalic), font.setItalic(boldItalic);
        const QFontInfo info(font);
        EXPECT_EQ(std::tuple(QFont::substitutes(font.family()).size(), info.family().toStdString(),
                             info.bold(), info.italic()),
                  std::tuple(1, std::string(face), boldItalic, boldItalic))
            << "row " << no++;
    }
}

} // namespace
} // namespace quillon
