// The deck's capitalising edit, spin edits and colour list, driven by key events as a user would.
#include "app/DeckControls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

#include "report/PainterCanvas.h"

namespace quillon {
namespace {

// How many times a signal fired.
template <class Sender, class Signal> std::shared_ptr<int> Count(Sender& sender, Signal signal)
{
    auto count = std::make_shared<int>(0);
    QObject::connect(&sender, signal, [count] { ++*count; });
    return count;
}

void Key(QWidget& target, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
}

// Typed, shown: simple one-for-one Unicode case mappings (UnicodeData.txt, field 12).
constexpr std::pair<const char*, const char*> kCapitalRows[] = {
    {"6212ab", "6212AB"},
    {"\u00e9x", "\u00c9X"},           // 2: é -> É
    {"\u00df", "\u00df"},             // 3: ß has no one-letter capital: kept, length kept
    {"\u0628\u0627", "\u0628\u0627"}, // 4: Arabic has no case
    {"\U00010428", "\U00010400"},     // 5: Deseret long I, outside the 16-bit range
};

TEST(UpperCaseEdit, LettersBecomeCapitalsWhenTypedOrPastedAndTheCursorStays)
{
    for (int no = 1; const auto& [typed, shown] : kCapitalRows)
        EXPECT_EQ(Capitalised(QString::fromUtf8(typed)), QString::fromUtf8(shown)) << "row " << no++;
    TUpperCaseEdit edit;
    edit.setText("abcd");
    EXPECT_EQ(edit.text(), "ABCD");
    edit.setCursorPosition(2);
    const auto changed = Count(edit, &QLineEdit::textChanged);
    const auto edited = Count(edit, &QLineEdit::textEdited);
    Key(edit, Qt::Key_X, "x");
    EXPECT_EQ(std::tuple(edit.text(), edit.cursorPosition(), *changed, *edited),
              std::tuple("ABXCD", 3, 1, 1));
    QApplication::clipboard()->setText("qr");
    edit.paste();
    EXPECT_EQ(std::tuple(edit.text(), edit.cursorPosition(), *edited), std::tuple("ABXQRCD", 5, 2));
}

TEST(SpinEdit, ArrowsOnlyStepsWithinItsRangeButOthersReadTypedTextAtOnce)
{
    TSpinEdit rows(limits::kRows, TSpinEntry::ArrowsOnly);
    EXPECT_EQ(std::tuple(rows.minimum(), rows.maximum(), rows.value(), rows.ArrowsOnly()),
              std::tuple(1, 20, 1, true));
    const auto changes = Count(rows, &QSpinBox::valueChanged);
    Key(rows, Qt::Key_End);
    Key(rows, Qt::Key_3, "3");
    EXPECT_EQ(rows.value(), 1); // cannot be typed
    Key(rows, Qt::Key_Up);
    EXPECT_EQ(rows.value(), 2);
    rows.setValue(99); // a loaded value above the range becomes the maximum
    rows.setValue(20); // the same value again: no change signal
    Key(rows, Qt::Key_Up);
    EXPECT_EQ(std::pair(rows.value(), *changes), std::pair(20, 2));

    TSpinEdit zoom(limits::kZoom, TSpinEntry::Typed);
    EXPECT_FALSE(zoom.ArrowsOnly());
    const auto zoomChanges = Count(zoom, &QSpinBox::valueChanged);
    Key(zoom, Qt::Key_End);
    Key(zoom, Qt::Key_Backspace);
    EXPECT_EQ(zoom.value(), 1); // an empty field reads as the minimum
    Key(zoom, Qt::Key_7, "7");
    EXPECT_EQ(std::pair(zoom.value(), *zoomChanges), std::pair(7, 2));
}

TEST(ColorBox, SelectionByCodeByKeysAndCustom)
{
    TColorBox box;
    EXPECT_EQ(std::pair(box.Selected(), box.currentText()), std::pair(TColor{0x000000}, QString("Black")));
    std::vector<TColor> picked;
    QObject::connect(&box, &TColorBox::selectedChanged, [&picked](TColor c) { picked.push_back(c); });
    box.SetSelected(0x0000FF);
    EXPECT_EQ(box.currentText(), "Red");
    box.SetSelected(syscolor::Highlight);
    EXPECT_EQ(box.currentText(), "Highlight");
    box.SetSelected(0x123456); // no named entry: shown in the custom entry
    EXPECT_EQ(std::pair(box.currentIndex(), box.Selected()),
              std::pair(TColorBox::kCustomIndex, TColor{0x123456}));
    EXPECT_TRUE(picked.empty()); // code changes do not signal

    box.SetSelected(0x000000);
    Key(box, Qt::Key_Down); // Black -> Maroon, as the user steps
    EXPECT_EQ(picked, std::vector<TColor>{0x000080});

    std::optional<TColor> answer; // the user cancels the colour dialog
    box.SetColorPicker([&answer](TColor, QWidget*) { return answer; });
    box.setCurrentIndex(TColorBox::kCustomIndex + 1);
    Key(box, Qt::Key_Up);
    EXPECT_EQ(std::pair(box.currentText(), picked.size()),
              std::pair(QString("Black"), std::size_t{1})); // stands
    answer = 0x00C0FF;
    Key(box, Qt::Key_Up);
    EXPECT_EQ(box.Selected(), 0x00C0FFu);
    EXPECT_EQ(picked, (std::vector<TColor>{0x000080, 0x00C0FF}));
}

TEST(ColorBox, ControlColorRoundTripsAndPaintsTheList)
{
    TColorBox box;
    EXPECT_EQ(static_cast<std::int32_t>(box.ControlColor()), -16777211);
    // As the options file writes them; -16777211 = 0xFF000005, the window system colour the list is
    // designed with.
    for (int no = 1; const std::int32_t stored : {-16777211, 0, 255, -16777201}) {
        box.SetControlColor(static_cast<TColor>(stored));
        EXPECT_EQ(static_cast<std::int32_t>(box.ControlColor()), stored) << "row " << no;
        EXPECT_EQ(box.palette().color(QPalette::Base), ToQColor(box.ControlColor())) << "row " << no++;
    }
}

} // namespace
} // namespace quillon
