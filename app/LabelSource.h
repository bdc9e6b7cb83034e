// Where the window's labels come from besides the code field: a list pasted or opened from a text or CSV
// file, or a serial run. TLabelRows holds the rows either gives; TLabelSourcePanel is their part of the
// window, with the row the preview shows and the rows that cannot be printed.
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Captions.h"
#include "label/input/LabelList.h"
#include "label/input/TypedChange.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace quillon {

class TSpinEdit;

// One label from the code field, a label per row of a list, or a label per number of a serial run; in
// the order of the source box's entries.
enum class TLabelSource : std::uint8_t { OneLabel, List, Serial };

// The rows of a list, or the codes of a serial run made as they are asked for.
class TLabelRows {
public:
    TLabelRows() = default;
    static TLabelRows OfList(std::vector<TListRow> rows);
    static TLabelRows OfSerial(const TSerialRun& run); // a run CheckSerialRun passed

    std::size_t Count() const;
    // The row at 0 .. Count() - 1; a serial code's line is its number in the run, from 1.
    TListRow Row(std::size_t index) const;
    bool IsSerial() const { return FSerial.has_value(); }
    // The labels the rows print: their copies, the rows that cannot be printed left out.
    std::uint64_t Labels() const;

private:
    std::vector<TListRow> FList{};
    std::optional<TSerialRun> FSerial{};
};

// A list as read: its rows, and the message of what stopped the reading early (a NUL byte, too many
// rows) with the rows before it kept; empty when it was read whole.
struct TReadList {
    std::vector<TListRow> Rows{};
    std::string Stopped{};
    bool HasHeader = false; // its first row named the columns
};

// Reads the bytes of a list named `name` (a file name, which may say .csv, or none for pasted text),
// its format told by the name, the columns' mapping and the first line.
TReadList ReadListBytes(const std::string& bytes, const std::string& name, const TListColumns& columns = {});

// The first line of a list, from bytes that may be cut short, under the header rule: is it a header?
bool FirstRowIsHeader(std::string_view bytes, const TListColumns& columns);

// The largest list file the window opens; quillon-cli reads larger ones as they stream in.
inline constexpr std::size_t kMaxListFileBytes = 64 * 1024 * 1024;

// The bytes of a list file, refused with a message naming the file when it is no regular file, too
// large, not UTF-8 text or holds a NUL byte.
std::string ReadListFile(const QString& path);

// The serial run the fields show; raises with a message naming the field for a start or step that is
// not a whole number of up to 18 digits, and what CheckSerialRun raises.
struct TSerialFields {
    QString Start{};
    QString Step{};
    int Count = 1;
    QString Prefix{};
    QString Suffix{};
    int Width = 1;
};
TSerialRun SerialRunOf(const TSerialFields& fields);

// The window's own sentences about sources, in the user's language; %1, %2 ... are filled in order.
enum class TSourcePhrase : std::uint8_t {
    RowOf,         // "Row 3 of 250"
    NoRows,        // the list holds nothing yet
    ProblemLine,   // "Line 7: no code"
    NumberProblem, // "Number 7: ..." of a serial run
    LeftOut,       // asked before printing the others
    NothingLeft,   // no row can be printed
    CutOff,        // labels their cells would cut off
    MoreCutOff,    // and how many more
    Composing,     // the progress dialog's two steps
    Checking,      //
    Cancel,        // its button
    EmptyList,     // the preview of a list without rows
    TooManyLabels, // more labels than one print from the window takes
    OpenFailed,    // a list file that cannot be opened
    MoreRows,      // what the problem list leaves out
    PrintsOther,   // "0123456 prints as 00123457"
    ChangedAsk,    // asked before printing rows that print another number than typed
    ColumnsTitle,  // the column dialog's title
    HeaderRow,     // its switch: the first row names the columns
    ColumnCode,    // the columns a field may be, in TListColumn order
    ColumnUpper,   //
    ColumnLower,   //
    ColumnCopies,  //
    ColumnIgnore,  //
    CheckingRows,  // "Checking the rows: 640 of 10000"
    CheckedAll,    // every row prints as it should
    CheckedSome,   // "3 of 250 rows will not print as typed"
    ExportTitle,   // the export's file dialog
    ExportFailed,  // the bad rows could not be written
    LastListGone,  // the list opened last is not there at start-up
    kSourcePhraseCount
};
// A count's sentences (%n) take the plural form the language gives it.
QString SourceText(TSourcePhrase phrase, TLanguage language, int count = -1);

// "0123456 prints as 00123457": a row that prints another text than was typed, in `language`.
QString ChangeText(const TTypedChange& change, TLanguage language);

// The list box with its Open button, or the serial run's fields; the row navigation and the list of
// rows that cannot be printed. Hidden while the source is one label.
class TLabelSourcePanel : public QWidget {
public:
    explicit TLabelSourcePanel(QWidget* parent);

    QWidget* ListPage = nullptr;
    QPlainTextEdit* ListEd = nullptr; // pasted or opened text, one row a line
    QPushButton* OpenBtn = nullptr;
    QPushButton* ColumnsBtn = nullptr; // what each field of a CSV list is for
    QWidget* SerialPage = nullptr;
    QLabel* lbSerialStart = nullptr;
    QLineEdit* SerialStartEd = nullptr; // up to 18 digits
    QLabel* lbSerialStep = nullptr;
    QLineEdit* SerialStepEd = nullptr;
    QLabel* lbSerialCount = nullptr;
    TSpinEdit* SerialCountSpn = nullptr;
    QLabel* lbSerialWidth = nullptr;
    TSpinEdit* SerialWidthSpn = nullptr; // zero-padded to at least this many digits
    QLabel* lbSerialPrefix = nullptr;
    QLineEdit* SerialPrefixEd = nullptr;
    QLabel* lbSerialSuffix = nullptr;
    QLineEdit* SerialSuffixEd = nullptr;
    QToolButton* PrevRowBtn = nullptr;
    QLabel* RowLabel = nullptr; // "Row 3 of 250"
    QToolButton* NextRowBtn = nullptr;
    QLabel* CheckState = nullptr;       // the load check's progress, or what it found
    QPushButton* ExportBtn = nullptr;   // the rows listed, written to a CSV file
    QListWidget* ProblemList = nullptr; // "Line 7: no code", one row each, its whole text in its tooltip

    // The list page or the serial page; the panel hides for one label.
    void ShowSource(TLabelSource source);
    TSerialFields SerialFields() const;
    // The row shown, from 0, of `count`; the buttons go grey at either end.
    void ShowRow(std::size_t index, std::size_t count, TLanguage language);
    void ShowProblems(const QStringList& lines);
};

} // namespace quillon
