#include "label/input/LabelList.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "barcode/Exception.h"

namespace quillon {

namespace {

// The columns a CSV header may name, in the order a list without a header gives them, and "ignore".
constexpr std::array<std::string_view, kListColumnCount> kColumnNames{"code", "upper", "lower", "copies",
                                                                      "ignore"};
constexpr std::size_t kMappedColumns = 4; // all but Ignore
using enum TListColumn;

// The words of a header that name a column, as shops' and spreadsheets' exports write them; a caption
// word gives the upper caption first, then the lower.
struct TColumnWord {
    std::string_view Word;
    TListColumn Column = Ignore;
};
constexpr TColumnWord kColumnWords[] = {
    {"code", Code},    {"barcode", Code},      {"sku", Code},      {"ean", Code},      {"upc", Code},
    {"gtin", Code},    {"isbn", Code},         {"article", Code},  {"item", Code},     {"upper", Upper},
    {"name", Upper},   {"description", Upper}, {"title", Upper},   {"product", Upper}, {"caption", Upper},
    {"text", Upper},   {"lower", Lower},       {"copies", Copies}, {"qty", Copies},    {"quantity", Copies},
    {"count", Copies},
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsWithNoCase(std::string_view text, std::string_view tail)
{
    if (text.size() < tail.size())
        return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The separator of a CSV list, from its first line: TAB when it holds one, else the semicolon when it
// holds more of them than commas, as lists saved where the comma is the decimal mark do.
char SeparatorOf(std::string_view firstLine)
{
    if (firstLine.find('\t') != std::string_view::npos)
        return '\t';
    const auto count = [&](char c) { return std::count(firstLine.begin(), firstLine.end(), c); };
    return count(';') > count(',') ? ';' : ',';
}

// The column each header field names; none when the fields are not a header.
std::optional<std::array<int, kMappedColumns>> HeaderColumns(const std::vector<std::string>& fields)
{
    std::array<int, kMappedColumns> columns{-1, -1, -1, -1};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = LowerAscii(Trimmed(fields[i]));
        const auto it = std::find(kColumnNames.begin(), kColumnNames.begin() + kMappedColumns, name);
        if (it == kColumnNames.begin() + kMappedColumns ||
            columns[static_cast<std::size_t>(it - kColumnNames.begin())] >= 0)
            return std::nullopt;
        columns[static_cast<std::size_t>(it - kColumnNames.begin())] = static_cast<int>(i);
    }
    if (columns[0] < 0)
        return std::nullopt;
    return columns;
}

// The field index of each column the fields are mapped to, the first field of a column winning.
std::array<int, kMappedColumns> ColumnIndices(const std::vector<TListColumn>& fields)
{
    std::array<int, kMappedColumns> columns{-1, -1, -1, -1};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto column = static_cast<std::size_t>(fields[i]);
        if (column < kMappedColumns && columns[column] < 0)
            columns[column] = static_cast<int>(i);
    }
    return columns;
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A field that is a word: a letter (any byte of a UTF-8 letter outside ASCII counts) and no digit.
bool IsWord(std::string_view field)
{
    const bool letter = std::any_of(field.begin(), field.end(), [](char c) {
        return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
    });
    const bool digit = std::any_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    return letter && !digit;
}

// The column the first of a field's ASCII words names; none when no word does.
std::optional<TListColumn> ColumnOfWords(std::string_view field)
{
    std::string word;
    const auto named = [&word]() -> std::optional<TListColumn> {
        for (const TColumnWord& entry : kColumnWords)
            if (word == entry.Word)
                return entry.Column;
        return std::nullopt;
    };
    for (std::size_t i = 0; i <= field.size(); ++i) {
        if (i < field.size() && IsAsciiLetter(field[i])) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(field[i])));
            continue;
        }
        if (const std::optional<TListColumn> column = named())
            return column;
        word.clear();
    }
    return std::nullopt;
}

std::optional<int> ParseCopies(const std::string& text)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return 1;
    int copies = 0;
    const char* last = trimmed.data() + trimmed.size();
    const auto [end, error] = std::from_chars(trimmed.data(), last, copies);
    if (error != std::errc() || end != last || copies < 1 || copies > kMaxRowCopies)
        return std::nullopt;
    return copies;
}

} // namespace

std::string_view ListColumnName(TListColumn column)
{
    return kColumnNames.at(static_cast<std::size_t>(column));
}

std::optional<TListColumn> ListColumnNamed(std::string_view name)
{
    const auto it = std::find(kColumnNames.begin(), kColumnNames.end(), name);
    if (it == kColumnNames.end())
        return std::nullopt;
    return static_cast<TListColumn>(it - kColumnNames.begin());
}

std::vector<TListColumn> GuessListColumns(const std::vector<std::string>& header)
{
    std::vector<TListColumn> fields(header.size(), Ignore);
    bool taken[kMappedColumns] = {};
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::optional<TListColumn> column = ColumnOfWords(header[i]);
        if (column == Upper && taken[static_cast<std::size_t>(Upper)])
            column = Lower; // the second caption word
        if (!column || taken[static_cast<std::size_t>(*column)])
            continue;
        fields[i] = *column;
        taken[static_cast<std::size_t>(*column)] = true;
    }
    if (!taken[static_cast<std::size_t>(Code)]) {
        const auto first = std::find(fields.begin(), fields.end(), Ignore);
        if (first != fields.end())
            *first = Code;
    }
    return fields;
}

TListFormat DetectListFormat(std::string_view fileName, std::string_view firstBytes,
                             const TListColumns& columns)
{
    if (EndsWithNoCase(fileName, ".csv") || EndsWithNoCase(fileName, ".tsv") || !columns.Fields.empty() ||
        columns.Header == THeaderRule::Always)
        return TListFormat::Csv;
    if (firstBytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        firstBytes.remove_prefix(kByteOrderMark.size());
    std::string_view firstLine = firstBytes.substr(0, firstBytes.find('\n'));
    if (!firstLine.empty() && firstLine.back() == '\r')
        firstLine.remove_suffix(1);
    // Read as the CSV reader reads a row, so that a quoted header ("code","upper") is told the same way
    // from a file, standard input or a paste.
    TListReader header(TListFormat::Csv, {}, columns);
    const TListRowSink ignore = [](TListRow&&) {};
    try {
        header.Add(firstLine, ignore);
        header.Finish(ignore);
    } catch (const Exception&) {
        return TListFormat::Lines; // no text: told by the reader that reads the whole list
    }
    return header.HasHeader() ? TListFormat::Csv : TListFormat::Lines;
}

TListReader::TListReader(TListFormat format, std::string name, TListColumns columns)
    : FFormat(format), FName(std::move(name)), FMapping(std::move(columns))
{
    if (!FMapping.Fields.empty())
        UseFields(FMapping.Fields);
    FSeparatorKnown = FFormat == TListFormat::Lines || EndsWithNoCase(FName, ".tsv");
    if (EndsWithNoCase(FName, ".tsv"))
        FSeparator = '\t';
}

void TListReader::NotText() const
{
    throw Exception("'" + FName + "' is not a text file: line " + std::to_string(FLine) +
                    " holds a NUL byte");
}

void TListReader::Add(std::string_view bytes, const TListRowSink& sink)
{
    for (const char c : bytes) {
        // A byte order mark at the very start is no part of the first code.
        if (FAtStart && FBomBytes < kByteOrderMark.size() && c == kByteOrderMark[FBomBytes]) {
            if (++FBomBytes == kByteOrderMark.size())
                FAtStart = false;
            continue;
        }
        if (FAtStart)
            ReplayPartialMark(sink);
        if (c == '\0')
            NotText();
        if (std::exchange(FPendingCr, false) && c != '\n')
            Take('\r', sink); // a CR alone is an ordinary byte
        if (c == '\r')
            FPendingCr = true;
        else
            Take(c, sink);
    }
}

void TListReader::Finish(const TListRowSink& sink)
{
    if (FAtStart)
        ReplayPartialMark(sink);
    FPendingCr = false; // a CR LF cut short at the end still ends the last line
    if (!FSeparatorKnown)
        TakeFirstLine(sink);
    if (FRecordBytes > 0 || !FFields.empty() || FState != TFieldState::Start)
        EndRecord(sink);
}

// The bytes taken for a byte order mark that turned out to be none.
void TListReader::ReplayPartialMark(const TListRowSink& sink)
{
    FAtStart = false;
    for (const char c : kByteOrderMark.substr(0, std::exchange(FBomBytes, 0)))
        Take(c, sink);
}

void TListReader::Take(char c, const TListRowSink& sink)
{
    if (!FSeparatorKnown) {
        // The first line is held until its end shows which separator the list uses; one longer than a
        // row may be is told by its first bytes, so that a file without line ends is never held whole.
        FFirstLine += c;
        if (c == '\n' || FFirstLine.size() > kMaxListRowBytes)
            TakeFirstLine(sink);
        return;
    }
    if (FFormat == TListFormat::Lines)
        AddLineByte(c, sink);
    else
        AddCsvByte(c, sink);
}

void TListReader::TakeFirstLine(const TListRowSink& sink)
{
    FSeparator = SeparatorOf(FFirstLine);
    FSeparatorKnown = true;
    for (const char c : std::exchange(FFirstLine, {}))
        AddCsvByte(c, sink);
}

void TListReader::AddLineByte(char c, const TListRowSink& sink)
{
    if (c == '\n') {
        EndRecord(sink);
        ++FLine;
        FRecordLine = FLine;
        return;
    }
    if (++FRecordBytes <= kMaxListRowBytes)
        FField += c;
}

void TListReader::AddCsvByte(char c, const TListRowSink& sink)
{
    if (c == '\n' && FState != TFieldState::Quoted) {
        EndRecord(sink);
        ++FLine;
        FRecordLine = FLine;
        return;
    }
    if (c == '\n')
        ++FLine; // a line end inside quotes belongs to the field
    const bool keep = ++FRecordBytes <= kMaxListRowBytes;
    if (!keep && FState == TFieldState::Quoted) {
        // No row is this long: the quote was never closed. The field ends here, so that the rows after
        // the next line end are read again instead of vanishing into it.
        FUnclosedQuote = true;
        FState = TFieldState::Plain;
    }
    switch (FState) {
    case TFieldState::Start:
        if (c == '"') {
            FState = TFieldState::Quoted;
            return;
        }
        FState = TFieldState::Plain;
        [[fallthrough]];
    case TFieldState::Plain:
        if (c == FSeparator) {
            EndField();
            return;
        }
        break;
    case TFieldState::Quoted:
        if (c == '"') {
            FState = TFieldState::QuoteInQuoted;
            return;
        }
        break;
    case TFieldState::QuoteInQuoted:
        if (c == '"') { // "" is a quote within the field
            FState = TFieldState::Quoted;
            break;
        }
        if (c == FSeparator) {
            EndField();
            return;
        }
        FState = TFieldState::Plain; // text after the closing quote is kept as it stands
        break;
    }
    if (keep)
        FField += c;
}

void TListReader::EndField()
{
    if (FRecordBytes <= kMaxListRowBytes)
        FFields.push_back(std::move(FField));
    FField.clear();
    FState = TFieldState::Start;
}

void TListReader::EndRecord(const TListRowSink& sink)
{
    const bool unclosedAtEnd = FState == TFieldState::Quoted; // only at the end of the list
    const bool unclosed = unclosedAtEnd || std::exchange(FUnclosedQuote, false);
    EndField();
    const std::size_t bytes = std::exchange(FRecordBytes, 0);
    std::vector<std::string> fields = std::exchange(FFields, {});
    const auto blank = [](const std::string& field) { return IsBlank(field); };
    if (unclosed) {
        const TLabelMessage problem =
            FLine > FRecordLine ? TLabelMessage{TMessageCode::QuoteNotClosedOverLines,
                                                {std::to_string(FRecordLine), std::to_string(FLine)}}
                                : TLabelMessage{TMessageCode::QuoteNotClosed, {}};
        Emit({.Line = FRecordLine, .Code = {}, .Problem = problem}, sink);
        return;
    }
    if (bytes > kMaxListRowBytes) {
        Emit(
            {.Line = FRecordLine, .Code = {}, .Problem = {TMessageCode::RowTooLong, {std::to_string(bytes)}}},
            sink);
        return;
    }
    if (std::all_of(fields.begin(), fields.end(), blank))
        return; // a blank line
    if (FRecords) {
        FRecords(std::move(fields));
        return;
    }
    if (FFormat == TListFormat::Lines) {
        Emit({.Line = FRecordLine, .Code = std::move(fields[0])}, sink);
        return;
    }
    FFields = std::move(fields);
    TakeHeaderOrRow(sink);
    FFields.clear();
}

void TListReader::UseFields(const std::vector<TListColumn>& fields)
{
    const std::array<int, kMappedColumns> columns = ColumnIndices(fields);
    std::copy(columns.begin(), columns.end(), FColumns);
}

// Named: the header names the columns. Worded: or its fields are words, and either the first is no code
// of the kind or two of them name columns (a Code 128 list's "code,name" is no row of labels).
bool TListReader::IsHeader(const std::vector<std::string>& fields) const
{
    switch (FMapping.Header) {
    case THeaderRule::Always: return true;
    case THeaderRule::Never: return false;
    case THeaderRule::Named: return HeaderColumns(fields).has_value();
    case THeaderRule::Worded: break;
    }
    if (HeaderColumns(fields))
        return true;
    if (fields.empty() || !std::all_of(fields.begin(), fields.end(),
                                       [](const std::string& field) { return IsWord(Trimmed(field)); }))
        return false;
    const auto naming = std::count_if(fields.begin(), fields.end(), [](const std::string& field) {
        return ColumnOfWords(field).has_value();
    });
    return naming >= 2 || !FMapping.IsCode || !FMapping.IsCode(Trimmed(fields.front()));
}

void TListReader::TakeHeaderOrRow(const TListRowSink& sink)
{
    if (!FHeaderKnown) {
        FHeaderKnown = true;
        if (IsHeader(FFields)) {
            FHeaderFields = static_cast<int>(FFields.size());
            FHeader = FFields;
            if (!FMapping.Fields.empty())
                return; // mapped as the user said
            if (const auto columns = HeaderColumns(FFields))
                std::copy(columns->begin(), columns->end(), FColumns);
            else
                UseFields(GuessListColumns(FFields));
            return;
        }
    }
    const auto field = [&](TListColumn column) -> std::optional<std::string> {
        const int index = FColumns[static_cast<std::size_t>(column)];
        if (index < 0 || (FHeaderFields == 0 && index >= static_cast<int>(FFields.size())))
            return std::nullopt; // a column the list does not have
        return index < static_cast<int>(FFields.size()) ? FFields[static_cast<std::size_t>(index)]
                                                        : std::string(); // a row short of a field
    };
    TListRow row{
        .Line = FRecordLine, .Code = field(Code).value_or(""), .Upper = field(Upper), .Lower = field(Lower)};
    const std::optional<std::string> copies = field(Copies);
    const std::optional<int> count = copies ? ParseCopies(*copies) : 1;
    if (FHeaderFields > 0 && static_cast<int>(FFields.size()) > FHeaderFields)
        row.Problem = {TMessageCode::MoreFieldsThanHeader,
                       {std::to_string(FFields.size()), std::to_string(FHeaderFields)}};
    else if (IsBlank(row.Code))
        row.Problem = {TMessageCode::NoCode, {}};
    else if (!count)
        row.Problem = {TMessageCode::BadCopies, {std::to_string(kMaxRowCopies), *copies}};
    row.Copies = count.value_or(1);
    Emit(std::move(row), sink);
}

void TListReader::Emit(TListRow&& row, const TListRowSink& sink)
{
    if (++FRows > kMaxListRows)
        throw Exception("'" + FName + "' holds more than " + std::to_string(kMaxListRows) + " rows");
    sink(std::move(row));
}

void ReadList(std::string_view bytes, TListFormat format, const std::string& name, const TListRowSink& sink,
              const TListColumns& columns)
{
    TListReader reader(format, name, columns);
    reader.Add(bytes, sink);
    reader.Finish(sink);
}

std::vector<std::vector<std::string>> ListRecords(std::string_view bytes, const std::string& name,
                                                  std::size_t count)
{
    std::vector<std::vector<std::string>> records;
    TListReader reader(TListFormat::Csv, name);
    reader.TakeRecords(
        [&records](std::vector<std::string>&& fields) { records.push_back(std::move(fields)); });
    const TListRowSink none = [](TListRow&&) {};
    // Fed a piece at a time, so that only the rows shown are read of a long list.
    constexpr std::size_t kPiece = 4096;
    for (std::size_t at = 0; at < bytes.size() && records.size() < count; at += kPiece)
        reader.Add(bytes.substr(at, kPiece), none);
    if (records.size() < count)
        reader.Finish(none);
    records.resize(std::min(records.size(), count));
    return records;
}

void CheckSerialRun(const TSerialRun& run)
{
    if (run.Count == 0 || run.Count > kMaxListRows)
        throw Exception("Count out of range: " + std::to_string(run.Count) + " (1 to " +
                        std::to_string(kMaxListRows) + ")");
    if (run.Step == 0)
        throw Exception("Step out of range: 0 (1 or more)");
    if (run.Width < 1 || run.Width > kMaxSerialWidth)
        throw Exception("Width out of range: " + std::to_string(run.Width) + " (1 to " +
                        std::to_string(kMaxSerialWidth) + ")");
    constexpr std::uint64_t kLargest = 999'999'999'999'999'999; // 18 digits
    const std::uint64_t steps = run.Count - 1;
    if (run.Start > kLargest || (steps > 0 && run.Step > (kLargest - run.Start) / steps))
        throw Exception("The run passes " + std::to_string(kLargest) + ": start " +
                        std::to_string(run.Start) + ", step " + std::to_string(run.Step) + ", count " +
                        std::to_string(run.Count));
}

std::string SerialCode(const TSerialRun& run, std::uint64_t index)
{
    const std::string digits = std::to_string(run.Start + index * run.Step);
    const std::size_t width = static_cast<std::size_t>(run.Width);
    return run.Prefix + std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits +
           run.Suffix;
}

} // namespace quillon
