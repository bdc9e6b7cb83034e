// The control deck's captions, in English as the catalogues translate them: the caption table, the
// fixed button pairs and the language that a choice of the language group stands for.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillon {

// A language the window speaks: an entry of the language table (app/Catalogues.cpp), Arabic and English
// first, as the language group shows them.
struct TLanguage {
    std::uint8_t Index = 1;

    static const TLanguage Arabic;
    static const TLanguage English;
    friend constexpr auto operator<=>(TLanguage, TLanguage) = default;
};
inline constexpr TLanguage TLanguage::Arabic{0};
inline constexpr TLanguage TLanguage::English{1};

// Index 0 of the language group is Arabic, 1 English; no selection (-1) is `other`, the language chosen
// beyond the group's two, or English when there is none.
TLanguage LanguageOfIndex(int selectedIndex, std::optional<TLanguage> other = std::nullopt);

// Text from the UTF-8 bytes that captions, settings, designs and the engine's messages hold.
inline QString FromUtf8(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// One control's caption: its English, UTF-8, marked for the catalogues (context "Captions"), which
// give it in the other languages (translations/).
struct CaptionPair {
    std::string_view Control;
    std::string_view English;
};

// VList, the hidden caption table: element i is row i + 1. The Arabic caption (from the Arabic
// catalogue) is an entry's key, the English caption its value, kept exactly (row 1 ends in a space; its "&"
// marks the accelerator).
inline constexpr std::array<CaptionPair, 10> VList{{
    {.Control = "StChk", .English = QT_TRANSLATE_NOOP("Captions", "Print &Stretch ")}, // 1 print stretch
    {.Control = "lb2", .English = QT_TRANSLATE_NOOP("Captions", "Code")},              // 2 code field
    {.Control = "UChk", .English = QT_TRANSLATE_NOOP("Captions", "Up Label")},         // 3 upper caption
    {.Control = "lb4", .English = QT_TRANSLATE_NOOP("Captions", "Columns")},           // 4 columns
    {.Control = "lb5", .English = QT_TRANSLATE_NOOP("Captions", "Rows")},              // 5 rows
    {.Control = "lb6", .English = QT_TRANSLATE_NOOP("Captions", "Kind")},              // 6 symbology
    {.Control = "lb7", .English = QT_TRANSLATE_NOOP("Captions", "Color")},             // 7 bar colour
    {.Control = "lb8", .English = QT_TRANSLATE_NOOP("Captions", "Zoom")},              // 8 module width
    {.Control = "lb9", .English = QT_TRANSLATE_NOOP("Captions", "Bar Width")},         // 9 ratio
    {.Control = "DChk", .English = QT_TRANSLATE_NOOP("Captions", "Down Label")},       // 10 lower caption
}};

// The print-true controls' captions, switched with the others: the layout switch, the check digit
// switch and the X-dimension's caption, which stands in for the zoom's in the standard layout.
inline constexpr std::array<CaptionPair, 3> PrintTrueCaptions{{
    {.Control = "LayoutChk", .English = QT_TRANSLATE_NOOP("Captions", "Standard")},        // standard layout
    {.Control = "CheckDigitChk", .English = QT_TRANSLATE_NOOP("Captions", "Check digit")}, // Checksum
    {.Control = "lbX", .English = QT_TRANSLATE_NOOP("Captions", "X mm")},                  // X-dimension
}};

// The sheet's captions: the start position above the label, and the design panel's stock, paper
// and calibration.
inline constexpr std::array<CaptionPair, 6> SheetCaptions{{
    {.Control = "lbStart", .English = QT_TRANSLATE_NOOP("Captions", "Start at label")},
    {.Control = "lbStock", .English = QT_TRANSLATE_NOOP("Captions", "Label stock")},
    {.Control = "lbPaper", .English = QT_TRANSLATE_NOOP("Captions", "Paper")},
    {.Control = "CalibrationBtn", .English = QT_TRANSLATE_NOOP("Captions", "Calibration...")},
    {.Control = "lbPlacing", .English = QT_TRANSLATE_NOOP("Captions", "Placing")},
    {.Control = "lbOrder", .English = QT_TRANSLATE_NOOP("Captions", "Fill order")},
}};
// Captions found by their control's name: the language group's items, and the design panel's own beside
// the sheet's (the margins, the maker's marks and its buttons).
inline constexpr std::array<CaptionPair, 11> DesignCaptions{{
    {.Control = "LangArabic", .English = QT_TRANSLATE_NOOP("Captions", "Arabic")}, // the language group
    {.Control = "LangEnglish", .English = QT_TRANSLATE_NOOP("Captions", "English")},
    {.Control = "Label1", .English = QT_TRANSLATE_NOOP("Captions", "Top Margin")},
    {.Control = "Label2", .English = QT_TRANSLATE_NOOP("Captions", "Left Margin")},
    {.Control = "Label3", .English = QT_TRANSLATE_NOOP("Captions", "Column Space")},
    {.Control = "Label4", .English = QT_TRANSLATE_NOOP("Captions", "Right Margin")},
    {.Control = "Label5", .English = QT_TRANSLATE_NOOP("Captions", "Bottom Margin")},
    {.Control = "MarkChk", .English = QT_TRANSLATE_NOOP("Captions", "Maker's mark")},
    {.Control = "FooterChk", .English = QT_TRANSLATE_NOOP("Captions", "Sheet footer")},
    {.Control = "BitBtn1", .English = QT_TRANSLATE_NOOP("Captions", "OK")},
    {.Control = "BitBtn3", .English = QT_TRANSLATE_NOOP("Captions", "Cancel")},
}};
// The orders the cells fill in, in the order list's order: across the rows, down the columns.
inline constexpr std::array<CaptionPair, 2> OrderCaptions{{
    {.Control = "OrderBox", .English = QT_TRANSLATE_NOOP("Captions", "Across rows")},
    {.Control = "OrderBox", .English = QT_TRANSLATE_NOOP("Captions", "Down columns")},
}};
// The placings of a label on a stock's label, in the align list's order: centred, top-left.
inline constexpr std::array<CaptionPair, 2> AlignCaptions{{
    {.Control = "AlignBox", .English = QT_TRANSLATE_NOOP("Captions", "Centred")},
    {.Control = "AlignBox", .English = QT_TRANSLATE_NOOP("Captions", "Top-left")},
}};
// The symbol kinds' option captions, switched with the others; each shows in the bar width's place.
inline constexpr std::array<CaptionPair, 3> SymbolCaptions{{
    {.Control = "lbEcc", .English = QT_TRANSLATE_NOOP("Captions", "ECC")},     // QR Code
    {.Control = "lbShape", .English = QT_TRANSLATE_NOOP("Captions", "Shape")}, // Data Matrix
    {.Control = "lbColumns417",
     .English = QT_TRANSLATE_NOOP("Captions", "Symbol columns")}, // PDF417: not the sheet's columns
}};
// The entries of the option lists that are words: Data Matrix's shapes in TDataMatrixShape order, and
// the PDF417 columns left to the encoder. QR Code's levels keep their letters in both languages.
inline constexpr std::array<CaptionPair, 2> DataMatrixShapeCaptions{{
    {.Control = "ShapeBox", .English = QT_TRANSLATE_NOOP("Captions", "Square")},
    {.Control = "ShapeBox", .English = QT_TRANSLATE_NOOP("Captions", "Rect")},
}};
inline constexpr CaptionPair AutoColumnsCaptions{.Control = "ColumnsSpn",
                                                 .English = QT_TRANSLATE_NOOP("Captions", "Auto")};

// The label source's captions beside the preview, switched with the others: the list's Open button and
// the serial run's fields.
inline constexpr std::array<CaptionPair, 9> SourceCaptions{{
    {.Control = "OpenBtn", .English = QT_TRANSLATE_NOOP("Captions", "Open...")},
    {.Control = "ColumnsBtn", .English = QT_TRANSLATE_NOOP("Captions", "Columns...")},
    {.Control = "ExportBtn", .English = QT_TRANSLATE_NOOP("Captions", "Export...")},
    {.Control = "lbSerialStart", .English = QT_TRANSLATE_NOOP("Captions", "Start")},
    {.Control = "lbSerialStep", .English = QT_TRANSLATE_NOOP("Captions", "Step")},
    {.Control = "lbSerialCount", .English = QT_TRANSLATE_NOOP("Captions", "Count")},
    {.Control = "lbSerialWidth", .English = QT_TRANSLATE_NOOP("Captions", "Digits")},
    {.Control = "lbSerialPrefix", .English = QT_TRANSLATE_NOOP("Captions", "Prefix")},
    {.Control = "lbSerialSuffix", .English = QT_TRANSLATE_NOOP("Captions", "Suffix")},
}};
// The source list's entries, in TLabelSource order.
inline constexpr std::array<CaptionPair, 3> SourceEntryCaptions{{
    {.Control = "SourceBox", .English = QT_TRANSLATE_NOOP("Captions", "One label")},
    {.Control = "SourceBox", .English = QT_TRANSLATE_NOOP("Captions", "List")},
    {.Control = "SourceBox", .English = QT_TRANSLATE_NOOP("Captions", "Serial")},
}};

// The stock list's first entry: a sheet laid out by its margins.
inline constexpr CaptionPair CustomStockCaptions{.Control = "StockBox",
                                                 .English = QT_TRANSLATE_NOOP("Captions", "Custom")};

// The line under the logo, drawn into it in the window's language.
inline constexpr CaptionPair LogoCaptions{.Control = "Image1",
                                          .English = QT_TRANSLATE_NOOP("Captions", "No copying")};

// Said when an X-dimension below the kind's least was raised to it; %1 the value now used.
inline constexpr CaptionPair XDimRaisedCaptions{
    .Control = "XDimSpn",
    .English = QT_TRANSLATE_NOOP("Captions", "Raised to %1 mm, the least this kind prints")};

// A second window on a data folder: its question, its two answers and the mark it then wears.
inline constexpr CaptionPair SecondWindowQuestion{
    .Control = "",
    .English = QT_TRANSLATE_NOOP(
        "Captions",
        "Quillon is already running with this data folder: %1\n\nThis window can go on read-only, "
        "saving nothing in that folder, or quit.")};
inline constexpr CaptionPair GoOnReadOnlyCaptions{
    .Control = "", .English = QT_TRANSLATE_NOOP("Captions", "Go on read-only")};
inline constexpr CaptionPair QuitCaptions{.Control = "", .English = QT_TRANSLATE_NOOP("Captions", "Quit")};
inline constexpr CaptionPair PrintAnywayCaptions{.Control = "",
                                                 .English = QT_TRANSLATE_NOOP("Captions", "Print anyway")};
inline constexpr CaptionPair CloseAnywayQuestion{
    .Control = "", .English = QT_TRANSLATE_NOOP("Captions", "%1\n\nClose anyway?")};
inline constexpr CaptionPair ReadOnlyMarkCaptions{.Control = "ReadOnlyMark",
                                                  .English = QT_TRANSLATE_NOOP("Captions", "Read-only")};

// The label design's menu: the File button above the label and its entries, in TDocumentCommand order.
inline constexpr CaptionPair FileBtnCaptions{.Control = "FileBtn",
                                             .English = QT_TRANSLATE_NOOP("Captions", "File")};
enum class TDocumentCommand : std::uint8_t { Open, Save, SaveAs, Recent, Undo, Redo, NoRecent };
inline constexpr std::array<CaptionPair, 7> DocumentCommandCaptions{{
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Open design...")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Save design")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Save design as...")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Recent designs")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Undo")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "Redo")},
    {.Control = "FileBtn", .English = QT_TRANSLATE_NOOP("Captions", "None yet")},
}};

// The window's sentences about label designs, in TDesignPhrase order; %1, %2 ... are filled in order. A
// refusal reads "FILE:LINE: reason", as quillon-cli says it.
enum class TDesignPhrase : std::uint8_t {
    Refused,      // %1 file, %2 line, %3 reason: nothing changed
    CannotOpen,   // %1 file, %2 why
    CannotSave,   // %1 file, %2 why
    Empty,        // the TDesignFault reasons, in that order
    NotADesign,   // %1 the first line it should have
    LaterFormat,  // %1 the first line, %2 the one this build reads
    NotASetting,  //
    Section,      //
    UnknownKey,   // %1 key
    SecondValue,  // %1 key, %2 its first line
    BadValue,     // %1 key, %2 what it takes, %3 the value
    UnknownKind,  // %1 file, %2 line, %3 the kind named, %4 the default
    UnknownStock, // %1 file, %2 line, %3 the stock named
    kDesignPhraseCount
};
inline constexpr std::array<CaptionPair, 13> DesignPhrases{{
    {.Control = "Refused",
     .English = QT_TRANSLATE_NOOP("Captions", "%1:%2: %3\n\nThe design is not opened; nothing has changed.")},
    {.Control = "CannotOpen", .English = QT_TRANSLATE_NOOP("Captions", "Cannot open the design %1: %2")},
    {.Control = "CannotSave",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "Cannot save the design %1: %2\n\nThe file that was there is left as it was.")},
    {.Control = "Empty", .English = QT_TRANSLATE_NOOP("Captions", "empty, not a label design")},
    {.Control = "NotADesign",
     .English = QT_TRANSLATE_NOOP("Captions", "not a label design: the first line should read \"%1\"")},
    {.Control = "LaterFormat",
     .English = QT_TRANSLATE_NOOP("Captions", "\"%1\" is a later format than this Quillon reads (%2)")},
    {.Control = "NotASetting",
     .English = QT_TRANSLATE_NOOP("Captions", "not a setting: a line reads \"key = value\"")},
    {.Control = "Section", .English = QT_TRANSLATE_NOOP("Captions", "a section: a label design has none")},
    {.Control = "UnknownKey", .English = QT_TRANSLATE_NOOP("Captions", "no setting is called %1")},
    {.Control = "SecondValue",
     .English = QT_TRANSLATE_NOOP("Captions", "%1 is set a second time (first on line %2)")},
    {.Control = "BadValue", .English = QT_TRANSLATE_NOOP("Captions", "%1 takes %2, not '%3'")},
    {.Control = "UnknownKind",
     .English =
         QT_TRANSLATE_NOOP("Captions", "%1:%2: kind %3 is not one this build makes: opened with %4 instead")},
    {.Control = "UnknownStock",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "%1:%2: label stock %3 is not one this build knows: opened as a custom sheet laid out by its "
         "margins")},
}};
static_assert(DesignPhrases.size() == static_cast<std::size_t>(TDesignPhrase::kDesignPhraseCount));

// The two button captions that are held as fixed pairs rather than in the table.
inline constexpr CaptionPair DesBtnCaptions{.Control = "DesBtn",
                                            .English = QT_TRANSLATE_NOOP("Captions", "Design")};
inline constexpr CaptionPair AboutBtnCaptions{.Control = "AboutBtn",
                                              .English = QT_TRANSLATE_NOOP("Captions", "About")};

QString CaptionText(const CaptionPair& pair, TLanguage language);

struct ControlCaption {
    std::string_view Control;
    QString Text;
};

inline constexpr std::size_t SwitchedCaptionCount = 2 + VList.size();

// The twelve captions of a language in the order the language switch sets them: DesBtn,
// AboutBtn, then the controls of rows 1 to 10.
std::array<ControlCaption, SwitchedCaptionCount> CaptionsFor(TLanguage language);

// The tooltips of the deck's and the design panel's controls, switched with the captions. The exit
// button and the blink slider keep their designed hints, which carry both languages.
inline constexpr std::array<CaptionPair, 40> ToolTips{{
    {.Control = "FileBtn",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "Open (Ctrl+O) and save (Ctrl+S) the label design; undo (Ctrl+Z) and redo (Ctrl+Y)")},
    {.Control = "SpeedButton1",
     .English = QT_TRANSLATE_NOOP("Captions", "Print a sheet of this label (Ctrl+P)")},
    {.Control = "StChk", .English = QT_TRANSLATE_NOOP("Captions", "Stretch each label to fill its cell")},
    {.Control = "LangArabic",
     .English =
         QT_TRANSLATE_NOOP("Captions", "Show the captions in Arabic; a right click offers every language")},
    {.Control = "LangEnglish",
     .English =
         QT_TRANSLATE_NOOP("Captions", "Show the captions in English; a right click offers every language")},
    {.Control = "UChk", .English = QT_TRANSLATE_NOOP("Captions", "Print the upper caption over the bars")},
    {.Control = "UEd", .English = QT_TRANSLATE_NOOP("Captions", "The upper caption's text")},
    {.Control = "DChk", .English = QT_TRANSLATE_NOOP("Captions", "Print the lower caption under the bars")},
    {.Control = "DEd", .English = QT_TRANSLATE_NOOP("Captions", "The lower caption's text")},
    {.Control = "BarEd", .English = QT_TRANSLATE_NOOP("Captions", "The code to encode")},
    {.Control = "CSpn", .English = QT_TRANSLATE_NOOP("Captions", "Label columns on the sheet (1 to 4)")},
    {.Control = "RSpn",
     .English = QT_TRANSLATE_NOOP("Captions", "Label rows on the sheet (1 to 20); they set the bar height")},
    {.Control = "BarKindSp", .English = QT_TRANSLATE_NOOP("Captions", "The kind of barcode")},
    {.Control = "ColorBox1", .English = QT_TRANSLATE_NOOP("Captions", "The colour of the bars")},
    {.Control = "ZomSpn",
     .English = QT_TRANSLATE_NOOP("Captions", "Zoom: the narrow bar's width in pixels (1 to 10)")},
    {.Control = "RatioSpn",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "Bar width: how many times wider a wide bar is than a narrow one (0 to 10)")},
    {.Control = "DesBtn",
     .English = QT_TRANSLATE_NOOP("Captions", "Set the sheet's margins and column spacing")},
    {.Control = "AboutBtn", .English = QT_TRANSLATE_NOOP("Captions", "About Quillon")},
    {.Control = "TM", .English = QT_TRANSLATE_NOOP("Captions", "Top margin in millimetres")},
    {.Control = "LM", .English = QT_TRANSLATE_NOOP("Captions", "Left margin in millimetres")},
    {.Control = "CS", .English = QT_TRANSLATE_NOOP("Captions", "Space between label columns in millimetres")},
    {.Control = "RM", .English = QT_TRANSLATE_NOOP("Captions", "Right margin in millimetres")},
    {.Control = "BM", .English = QT_TRANSLATE_NOOP("Captions", "Bottom margin in millimetres")},
    {.Control = "BitBtn1", .English = QT_TRANSLATE_NOOP("Captions", "Apply these margins to the sheet")},
    {.Control = "BitBtn3", .English = QT_TRANSLATE_NOOP("Captions", "Keep the sheet as it was (Escape)")},
    {.Control = "AboutOk", .English = QT_TRANSLATE_NOOP("Captions", "Back to the labels (Return or Escape)")},
    {.Control = "LayoutChk",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "Standard layout: the barcode at its published size in millimetres with its quiet zones, on "
         "whole printer dots")},
    {.Control = "CheckDigitChk",
     .English = QT_TRANSLATE_NOOP("Captions", "Work out the kind's check digit and add it to the code")},
    {.Control = "XDimSpn",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "X-dimension: the narrow bar's width in millimetres, in the range the kind allows")},
    {.Control = "EccBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "QR Code error correction: how much of it can be restored when damaged (L about 7%, M about "
         "15%, Q about 25%, H about 30%)")},
    {.Control = "ShapeBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "The Data Matrix symbol's shape: square, or rectangular for a narrow strip")},
    {.Control = "ColumnsSpn",
     .English =
         QT_TRANSLATE_NOOP("Captions", "PDF417 data columns (1 to 30), or Auto to let the encoder choose")},
    {.Control = "StartSpn",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "Start printing at this label of the first sheet, to use up a partly used sheet (1 to the "
         "labels on a sheet)")},
    {.Control = "StockBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "The label sheet you print on: Custom lays the cells out by the margins and column spacing, "
         "a stock puts each label exactly where it lies on the sheet")},
    {.Control = "PaperBox",
     .English = QT_TRANSLATE_NOOP("Captions", "The paper of a custom sheet; a label stock has its own")},
    {.Control = "OrderBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "The order the cells fill in, and so the cells \"Start at label\" leaves empty: across the "
         "rows, left to right and top to bottom, or down the columns")},
    {.Control = "AlignBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "Where the label sits on each label of the stock: centred, or at the top-left past the inset")},
    {.Control = "InsetSpin",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "The safety margin in millimetres between the cut and the code's quiet zone, so that a "
                     "printer's misregistration keeps the code on the label")},
    {.Control = "CalibrationBtn",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "Correct where and how large each printer prints, and print the calibration page to "
                     "measure it")},
    {.Control = "PreviewScale",
     .English = QT_TRANSLATE_NOOP("Captions",
                                  "The label is larger than the preview area and is shown smaller, whole")},
}};

// The label source's tooltips, switched with the others.
inline constexpr std::array<CaptionPair, 14> SourceToolTips{{
    {.Control = "SourceBox",
     .English = QT_TRANSLATE_NOOP(
         "Captions", "Where the labels come from: the code field, a list of codes, or a serial run")},
    {.Control = "ListEd",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "One label a line: a code, or CSV with the columns code, upper, lower and copies (a first row "
         "may name them); a row's captions take the caption texts' place")},
    {.Control = "OpenBtn", .English = QT_TRANSLATE_NOOP("Captions", "Open a text or CSV file of codes")},
    {.Control = "SerialStartEd", .English = QT_TRANSLATE_NOOP("Captions", "The run's first number")},
    {.Control = "SerialStepEd",
     .English = QT_TRANSLATE_NOOP("Captions", "What each number adds to the one before")},
    {.Control = "SerialCountSpn",
     .English = QT_TRANSLATE_NOOP("Captions", "How many labels the run makes (1 to 1,000,000)")},
    {.Control = "SerialWidthSpn",
     .English = QT_TRANSLATE_NOOP(
         "Captions",
         "The least digits of each number, zeros put in front (1 to 18); kinds with a check digit get "
         "theirs added")},
    {.Control = "SerialPrefixEd", .English = QT_TRANSLATE_NOOP("Captions", "Text before each number")},
    {.Control = "SerialSuffixEd", .English = QT_TRANSLATE_NOOP("Captions", "Text after each number")},
    {.Control = "PrevRowBtn", .English = QT_TRANSLATE_NOOP("Captions", "The row before")},
    {.Control = "NextRowBtn", .English = QT_TRANSLATE_NOOP("Captions", "The next row")},
    {.Control = "ProblemList",
     .English =
         QT_TRANSLATE_NOOP("Captions", "The rows that cannot be printed, by line: printing leaves them out")},
    {.Control = "ColumnsBtn",
     .English = QT_TRANSLATE_NOOP("Captions", "What each column of a CSV list is for, kept for each file")},
    {.Control = "ExportBtn",
     .English = QT_TRANSLATE_NOOP("Captions", "Save the rows listed to a CSV file: line, code and reason")},
}};

} // namespace quillon
