// The About panel as it shows: every line fits its box with every glyph drawn, the turned brand captions
// fit their narrow boxes, and the families the window names resolve to installed faces.
#include "app/AboutPanel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include "controls/ProLabel.h"
#include "label/compose/FontSubstitutions.h"

namespace quillon {
namespace {

class AboutPanelTest : public ::testing::Test {
protected:
    // The substitutions must be in place before the panel resolves its fonts.
    static void SetUpTestSuite() { RegisterFontSubstitutions(); }
    TAboutPanel Panel;
};

// The installed faces are wider than the ones the layout was drawn for: every line must still fit its
// box, and no letter may fall back to a missing-glyph box (the slanted DejaVu faces lack Arabic).
TEST_F(AboutPanelTest, EveryLineFitsItsBoxWithEveryGlyph)
{
    const QList<QLabel*> labels = Panel.findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 16);
    for (const QLabel* label : labels) {
        const std::string name = label->objectName().toStdString();
        const QFontMetrics metrics(label->font());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        EXPECT_LE(metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text()).width(),
                  label->width())
            << name;
        EXPECT_LE(metrics.height() * (label->wordWrap() ? 2 : 1), label->height() + 2) << name;
        for (uint c : label->text().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c)) << name << " U+" << std::hex << c;
    }
}

// Each turned caption is set in the largest size up to the designed 24 pixels whose line, every mark
// included, fits across its narrow box: the Arabic brand would otherwise lose the tops of its letters.
TEST_F(AboutPanelTest, TurnedBrandCaptionsFitTheirBoxes)
{
    for (const TProLabel* label : {Panel.ProLabel1(), Panel.ProLabel2()}) {
        ASSERT_NE(label, nullptr);
        const std::string name = label->objectName().toStdString();
        const QFontMetrics metrics(label->Font());
        EXPECT_EQ(label->Angle(), 90) << name;
        EXPECT_LE(label->Font().pixelSize(), 24) << name;
        EXPECT_LE(metrics.height(), label->width()) << name;
        EXPECT_GE(metrics.ascent() + metrics.boundingRect(label->Caption()).top(), 0) << name;
        EXPECT_LE(metrics.horizontalAdvance(label->Caption()), label->height()) << name;
    }
}

TEST(FontSubstitutions, EveryNamedFamilyResolvesToOneInstalledFace)
{
    RegisterFontSubstitutions();
    RegisterFontSubstitutions(); // a second registration changes nothing
    for (const char* family :
         {"MS Sans Serif", "Arial", "Arial (Arabic)", "Arabic Transparent", "Smudger LET"}) {
        const QFont font(QString::fromLatin1(family));
        EXPECT_EQ(QFont::substitutes(font.family()).size(), 1) << family;
        EXPECT_TRUE(QFontInfo(font).family().startsWith("DejaVu")) << family;
    }
}

} // namespace
} // namespace quillon
