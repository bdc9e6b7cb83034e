// Command-line options of quillon-cli and their parser.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "barcode/Barcode.h"

namespace quillon::cli {

// A malformed command line; main prints the usage line and exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Margins {
    int top = 10;
    int right = 10;
    int bottom = 10;
    int left = 10;
};

struct CliOptions {
    std::string command;
    TBarcodeType kind = bcCodeEAN13;
    bool checksum = false;
    TCheckSumMethod method = csmModulo10;
    int modul = 1;
    double ratio = 2.0;
    std::optional<int> height;                  // unset: the command's own default
    std::optional<double> angle = std::nullopt; // unset: the barcode keeps its unturned placement at (0, 0)
    std::optional<TBarcodeOption> show;         // unset: the command's own default
    TColor barColor = 0;
    std::optional<std::string> upper;
    std::optional<std::string> lower;
    int columns = 1;
    int rows = 1;
    Margins margins;
    int spacing = 2;
    bool stretch = false;
    std::string output;
    std::string text;
};

// Parses argv[1..]; raises UsageError for anything it cannot accept.
CliOptions ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;
// The rest of the --help text after the usage line: the commands and the options.
extern const char* const kHelp;

} // namespace quillon::cli
