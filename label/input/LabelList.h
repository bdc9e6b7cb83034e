// Lists of labels: a text file of one code per line, or a CSV file whose rows carry a code, the two
// captions and a number of copies; and serial runs of numbers. Read the same way by the window and by
// quillon-cli, as a stream, so that a list of a million rows is never held whole. Plain C++.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "label/words/LabelMessage.h"

namespace quillon {

// The most rows one list holds, the longest row read, and the most copies of one row.
inline constexpr std::size_t kMaxListRows = 1'000'000;
inline constexpr std::size_t kMaxListRowBytes = 1024;
inline constexpr int kMaxRowCopies = 10'000;

// One row of a list: a code and its captions, printed Copies times.
struct TListRow {
    std::size_t Line = 0; // the line the row starts on, from 1
    std::string Code;
    std::optional<std::string> Upper{}; // none: the list has no such column
    std::optional<std::string> Lower{};
    int Copies = 1;
    TLabelMessage Problem{}; // why the row cannot be printed ("row over 1 KiB"); empty when it can

    bool operator==(const TListRow&) const = default;
};

// One code per line, or CSV: comma, semicolon or TAB separated, fields quoted as RFC 4180 says.
enum class TListFormat : std::uint8_t { Lines, Csv };

// What a field of a CSV row is for.
enum class TListColumn : std::uint8_t { Code, Upper, Lower, Copies, Ignore };
inline constexpr std::size_t kListColumnCount = 5;

// "code", "upper", "lower", "copies" and "ignore": the words a header names the columns by.
std::string_view ListColumnName(TListColumn column);
std::optional<TListColumn> ListColumnNamed(std::string_view name);

// When the first row of a CSV list is a header rather than a row of labels.
enum class THeaderRule : std::uint8_t {
    Named,  // when it names the columns (code, upper, lower, copies): quillon-cli's rule
    Worded, // also when its fields are words and no code: "code,name", "SKU;Description;Qty"
    Always, // as the user said
    Never,
};

// How a list's rows are read: which first row is a header, and what each field is for. The default is
// the rule quillon-cli has always read lists by.
struct TListColumns {
    THeaderRule Header = THeaderRule::Named;
    // By the field's place; fields past the end are ignored. Empty: by the header's names, or by a guess
    // from a worded header's words, or code, upper, lower, copies for a list without a header.
    std::vector<TListColumn> Fields{};
    // Under Worded, whether a text is a code of the kind the labels are made in: a first row of words
    // that are codes (a Code 39 list of names) stays a row. None: no word is a code.
    std::function<bool(std::string_view)> IsCode{};
};

// Each field of a header by its words: the first of "code", "SKU", "barcode", "EAN" ... the code, the
// first of "name", "description", "title" ... the upper caption and the second the lower, the first of
// "copies", "qty", "quantity", "count" the copies, the others ignored. Without a code-like word the
// first field left is the code.
std::vector<TListColumn> GuessListColumns(const std::vector<std::string>& header);

// CSV when the name ends in .csv or .tsv, when the columns are mapped, or when the first line is a
// header by the columns' rule; otherwise one code per line, so that a code holding a comma keeps it.
TListFormat DetectListFormat(std::string_view fileName, std::string_view firstBytes,
                             const TListColumns& columns = {});

using TListRowSink = std::function<void(TListRow&& row)>;

// Reads a list as its bytes come in, handing each complete row to the sink: blank lines are skipped,
// CR LF is read as LF, a UTF-8 byte order mark is dropped. A row that cannot be printed is handed on
// with its Problem, and the rows after it still count. Raises Exception, naming the list, for bytes
// that are no text (a NUL byte) and for more than kMaxListRows rows.
class TListReader {
public:
    TListReader(TListFormat format, std::string name, TListColumns columns = {});

    void Add(std::string_view bytes, const TListRowSink& sink);
    // The last row, when the list does not end in a line end.
    void Finish(const TListRowSink& sink);
    // True once a CSV header row naming the columns has been read.
    bool HasHeader() const { return FHeaderFields > 0; }
    // The header's fields as read; empty without a header.
    const std::vector<std::string>& Header() const { return FHeader; }
    // From now on every record goes to `sink` as its fields, unread as a row: to show a list's columns.
    void TakeRecords(std::function<void(std::vector<std::string>&& fields)> sink)
    {
        FRecords = std::move(sink);
    }

private:
    enum class TFieldState : std::uint8_t { Start, Plain, Quoted, QuoteInQuoted };

    void ReplayPartialMark(const TListRowSink& sink);
    void Take(char c, const TListRowSink& sink);
    void TakeFirstLine(const TListRowSink& sink);
    void AddLineByte(char c, const TListRowSink& sink);
    void AddCsvByte(char c, const TListRowSink& sink);
    void EndField();
    void EndRecord(const TListRowSink& sink);
    void TakeHeaderOrRow(const TListRowSink& sink);
    bool IsHeader(const std::vector<std::string>& fields) const;
    void UseFields(const std::vector<TListColumn>& fields);
    void Emit(TListRow&& row, const TListRowSink& sink);
    [[noreturn]] void NotText() const;

    TListFormat FFormat = TListFormat::Lines;
    std::string FName;
    std::size_t FLine = 1;        // the line being read
    std::size_t FRecordLine = 1;  // the line the current record started on
    std::size_t FRecordBytes = 0; // bytes of the current record, however many were kept
    std::size_t FRows = 0;
    bool FAtStart = true; // a byte order mark may come first
    std::size_t FBomBytes = 0;
    bool FSeparatorKnown = false;
    char FSeparator = ',';
    bool FHeaderKnown = false;
    int FColumns[4] = {0, 1, 2, 3}; // field index of code, upper, lower, copies; -1 absent
    int FHeaderFields = 0;          // 0 without a header
    TListColumns FMapping{};
    std::vector<std::string> FHeader{};
    std::function<void(std::vector<std::string>&&)> FRecords{};
    TFieldState FState = TFieldState::Start;
    std::string FField;
    std::string FFirstLine; // the first line, kept to choose the separator
    std::vector<std::string> FFields{};
    bool FPendingCr = false;
    bool FUnclosedQuote = false; // a quoted field ran past the longest row
};

// Reads a whole list held in memory.
void ReadList(std::string_view bytes, TListFormat format, const std::string& name, const TListRowSink& sink,
              const TListColumns& columns = {});

// The first `count` records of a CSV list as their fields, the header among them: what a list's columns
// are shown by. Raises as the reader does.
std::vector<std::vector<std::string>> ListRecords(std::string_view bytes, const std::string& name,
                                                  std::size_t count);

// A run of serial numbers: Count codes from Start by Step, each the Prefix, the number with at least
// Width digits (leading zeros), and the Suffix.
struct TSerialRun {
    std::uint64_t Start = 1;
    std::uint64_t Step = 1;
    std::uint64_t Count = 1;
    std::string Prefix{};
    std::string Suffix{};
    int Width = 1;
};

inline constexpr int kMaxSerialWidth = 18;

// Raises Exception naming the field for a count or step of 0, a count over kMaxListRows, a width
// outside 1 to 18, or a last number past 18 digits.
void CheckSerialRun(const TSerialRun& run);
// The code at index 0 .. Count - 1 of a checked run.
std::string SerialCode(const TSerialRun& run, std::uint64_t index);

} // namespace quillon
