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

struct CapitalRow {
    int No;
    const char* Typed;
    const char* Shown;
};

// Simple one-for-one Unicode case mappings (UnicodeData.txt, field 12).
constexpr CapitalRow kCapitalRows[] = {
    {1, "6212ab", "6212AB"},
    {2, "\u00e9x", "\u00c9X"},           // é -> É
    {3, "\u00df", "\u00df"},             // ß has no one-letter capital: kept, length kept
    {4, "\u0628\u0627", "\u0628\u0627"}, // Arabic has no case
    {5, "\U00010428", "\U00010400"},     // Deseret long I, outside the 16-bit range
};

TEST(UpperCaseEdit, LettersBecomeCapitals)
{
    for (const CapitalRow& row : kCapitalRows)
        EXPECT_EQ(Capitalised(QString::fromUtf8(row.Typed)), QString::fromUtf8(row.Shown))
            << "row " << row.No;
}

TEST(UpperCaseEdit, TypingAndPastingKeepTheCursorAndSignalOnce)
{
    TUpperCaseEdit edit;
    edit.setText("abcd");
    EXPECT_EQ(edit.text(), "ABCD");
    edit.setCursorPosition(2);
    const auto changed = Count(edit, &QLineEdit::textChanged);
    const auto edited = Count(edit, &QLineEdit::textEdited);
    Key(edit, Qt::Key_X, "x");
    EXPECT_EQ(edit.text(), "ABXCD");
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(*edited, 1);
    QApplication::clipboard()->setText("qr");
    edit.paste();
    EXPECT_EQ(edit.text(), "ABXQRCD");
    EXPECT_EQ(edit.cursorPosition(), 5);
    EXPECT_EQ(*edited, 2);
}

TEST(SpinEdit, ArrowsOnlyStepsWithinItsRangeButCannotBeTyped)
{
    TSpinEdit rows(designed::RSpn);
    EXPECT_EQ(std::tuple(rows.minimum(), rows.maximum(), rows.value(), rows.ArrowsOnly()),
              std::tuple(1, 20, 1, true));
    const auto changes = Count(rows, &QSpinBox::valueChanged);
    Key(rows, Qt::Key_End);
    Key(rows, Qt::Key_3, "3");
    EXPECT_EQ(rows.value(), 1);
    Key(rows, Qt::Key_Up);
    EXPECT_EQ(rows.value(), 2);
    rows.setValue(99); // a loaded value above the range becomes the maximum
    rows.setValue(20); // the same value again: no change signal
    Key(rows, Qt::Key_Up);
    EXPECT_EQ(rows.value(), 20);
    EXPECT_EQ(*changes, 2);
}

TEST(SpinEdit, TypedTextAndAnEmptyFieldReadAtOnce)
{
    TSpinEdit zoom(designed::ZomSpn);
    EXPECT_FALSE(zoom.ArrowsOnly());
    const auto changes = Count(zoom, &QSpinBox::valueChanged);
    Key(zoom, Qt::Key_End);
    Key(zoom, Qt::Key_Backspace);
    EXPECT_EQ(zoom.value(), 1); // the minimum
    Key(zoom, Qt::Key_7, "7");
    EXPECT_EQ(zoom.value(), 7);
    EXPECT_EQ(*changes, 2);
}

TEST(ColorBox, SelectionByCodeByKeysAndCustom)
{
    TColorBox box;
    EXPECT_EQ(box.Selected(), 0x000000u);
    EXPECT_EQ(box.currentText(), "Black");
    std::vector<TColor> picked;
    QObject::connect(&box, &TColorBox::selectedChanged, [&picked](TColor c) { picked.push_back(c); });
    box.SetSelected(0x0000FF);
    EXPECT_EQ(box.currentText(), "Red");
    box.SetSelected(syscolor::Highlight);
    EXPECT_EQ(box.currentText(), "Highlight");
    box.SetSelected(0x123456); // no named entry: shown in the custom entry
    EXPECT_EQ(box.currentIndex(), TColorBox::kCustomIndex);
    EXPECT_EQ(box.Selected(), 0x123456u);
    EXPECT_TRUE(picked.empty()); // code changes do not signal

    box.SetSelected(0x000000);
    Key(box, Qt::Key_Down); // Black -> Maroon, as the user steps
    EXPECT_EQ(picked, std::vector<TColor>{0x000080});

    std::optional<TColor> answer; // the user cancels the colour dialog
    box.SetColorPicker([&answer](TColor, QWidget*) { return answer; });
    box.setCurrentIndex(TColorBox::kCustomIndex + 1);
    Key(box, Qt::Key_Up);
    EXPECT_EQ(box.currentText(), "Black"); // the previous choice stands
    EXPECT_EQ(picked.size(), 1u);
    answer = 0x00C0FF;
    Key(box, Qt::Key_Up);
    EXPECT_EQ(box.Selected(), 0x00C0FFu);
    EXPECT_EQ(picked, (std::vector<TColor>{0x000080, 0x00C0FF}));
}

struct ControlColorRow {
    int No;
    std::int32_t Stored; // as the options file writes it
};
// -16777211 = 0xFF000005, the window system colour the list is designed with.
constexpr ControlColorRow kControlColorRows[] = {{1, -16777211}, {2, 0}, {3, 255}, {4, -16777201}};

TEST(ColorBox, ControlColorRoundTripsAndPaintsTheList)
{
    TColorBox box;
    EXPECT_EQ(static_cast<std::int32_t>(box.ControlColor()), -16777211);
    for (const ControlColorRow& row : kControlColorRows) {
        box.SetControlColor(static_cast<TColor>(row.Stored));
        EXPECT_EQ(static_cast<std::int32_t>(box.ControlColor()), row.Stored) << "row " << row.No;
        EXPECT_EQ(box.palette().color(QPalette::Base), ToQColor(box.ControlColor())) << "row " << row.No;
    }
}

} // namespace
} // namespace quillon
