// The codes of a bulk run: the lines of a codes file or of standard input, or the numbers of a
// sequence; and the names of the files made from them.
#pragma once

#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CliOptions.h"

namespace quillon::cli {

// A codes file that cannot be read or is not a list of codes; main prints it and exits with status 1.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest code taken from a file; a longer line is reported and skipped. No label of a longer
// code fits a sheet's cell, and the limit keeps a runaway line from filling the memory.
inline constexpr std::size_t kMaxCodeBytes = 1024;
// All codes of one run together.
inline constexpr std::size_t kMaxCodeFileBytes = 64 * 1024 * 1024;

struct CodeLine {
    std::size_t line = 0; // 1-based line of the file, or the count in a sequence
    std::string code;
    std::string problem; // why the line cannot be made, before it reaches the engine; empty if none
};

// The non-blank lines of `file`, each without its line end (LF or CR LF). `name` is what messages
// call the file. Raises InputError when it cannot be read, holds a NUL byte (it is no text file) or
// holds more than kMaxCodes codes or kMaxCodeFileBytes of them.
std::vector<CodeLine> ReadCodes(std::FILE* file, const std::string& name);

// ReadCodes of the file at `path`, or of standard input for "-".
std::vector<CodeLine> ReadCodesFrom(const std::string& path);

// The numbers of the sequence, each with at least sequence.width digits.
std::vector<CodeLine> SequenceCodes(const Sequence& sequence);

// "00042-6212236011840.png": the line number with as many digits as `lastLine` has, and the code
// with every character but letters, digits, "-", "_" and "." turned into "_", cut to 64 bytes.
std::string NumberedFileName(std::size_t line, std::size_t lastLine, std::string_view code,
                             std::string_view extension);

// The system's text for an errno value; safe in any thread.
std::string ErrnoText(int error);

} // namespace quillon::cli
