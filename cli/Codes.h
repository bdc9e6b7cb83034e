// The rows of a bulk run, pulled one at a time: the rows of a codes list (one code a line, or CSV with
// captions and copies) from a file or standard input, or the numbers of a sequence; and the names of the
// files made from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "CliOptions.h"
#include "label/input/LabelList.h"

namespace quillon::cli {

// A codes file that cannot be read or is not a list of codes; main prints it and exits with status 1.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows of a run in order, each with its line (the count in a sequence) and its copies, --copies
// included. A list is read through once before the run, so that a file that is no text, holds too many
// rows or asks for more than kMaxCodes labels is refused before anything is made, and the run knows its
// size; then again as the rows are pulled, so that it is never held whole. From standard input and FIFOs
// the rows read are kept in an unnamed temporary file for the second reading: a row over the length
// limit is kept as its fault alone, and an input larger than any list can be is refused.
class CodeSource {
public:
    virtual ~CodeSource() = default;

    // The next row, or none after the last. Raises InputError when the list cannot be read (again).
    virtual std::optional<TListRow> Next() = 0;

    std::size_t Rows() const { return FRows; }
    std::uint64_t Labels() const { return FLabels; } // the rows' copies together
    std::size_t LastLine() const { return FLastLine; }

protected:
    std::size_t FRows = 0;
    std::uint64_t FLabels = 0;
    std::size_t FLastLine = 0;
};

// The source of options.codes or options.sequence. Raises InputError for a list that cannot be read,
// is no text, holds more than kMaxListRows rows or no code at all, or asks for more than kMaxCodes labels.
std::unique_ptr<CodeSource> OpenCodes(const CliOptions& options);

// The options that make the label of one row: its code, and its captions where the list has the
// column (an empty field turns that caption off for the row).
CliOptions RowOptions(const CliOptions& options, const TListRow& row);

// "00042-6212236011840.png": the line number with as many digits as `lastLine` has, and the code
// with every character but letters, digits, "-", "_" and "." turned into "_", cut to 64 bytes.
std::string NumberedFileName(std::size_t line, std::size_t lastLine, std::string_view code,
                             std::string_view extension);

// Notes at start-up whether standard input was closed, and puts /dev/null in its place so that no file
// opened later takes descriptor 0 and is read as the list.
void HoldClosedStandardInput();

// The system's text for an errno value; safe in any thread.
std::string ErrnoText(int error);

} // namespace quillon::cli
