// The options file: its 15-line text format, the integer and line reader, the writer and the file I/O.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quillon {

inline constexpr char kOptionsFileName[] = "options.txt";
// The most the file is read of: far more than 15 lines need, far less than a runaway file can hold.
inline constexpr std::size_t kOptionsFileLimit = 64 * 1024;
// The longest upper caption, in UTF-16 units, that keeps a written file within that limit: a unit
// takes at most 3 bytes in UTF-8, and the 14 number lines at most 13 bytes each.
inline constexpr int kMaxCaptionLength = 16 * 1024;
static_assert(kMaxCaptionLength * 3 + 2 + 14 * 13 <= kOptionsFileLimit);

// Reads the values of the options file in order. Integers are separated by blanks (any byte up to and
// including the space, line ends included); a line ends in CR LF, LF or a lone CR. Works on raw bytes:
// the caller converts the caption from the locale encoding.
class TOptionsReader {
public:
    explicit TOptionsReader(std::string bytes) : FBytes(std::move(bytes)) {}
    explicit TOptionsReader(const QByteArray& bytes) : FBytes(bytes.toStdString()) {}

    // The next integer: a token of at most 32 characters, decimal with an optional sign, or hexadecimal
    // (a 32-bit pattern) after "$", "x" or "0x"; 0 at the end of the file. The rest of its line is
    // skipped. Raises ELabelMessage "Invalid numeric input".
    std::int32_t ReadInteger();
    // The rest of the current line, spaces kept, without its line end; empty at the end of the file.
    std::string ReadLine();
    bool AtEnd() const { return FPos >= FBytes.size(); }

private:
    void SkipBlanks();
    std::string_view TakeToken();
    void SkipRestOfLine();
    void SkipLineEnd();

    std::string FBytes{};
    std::size_t FPos = 0;
};

// The settings the file keeps, in file order, named after the controls they mirror. A record of the
// file only: the window supplies the designed values of a first run.
struct TOptionsValues {
    std::int32_t TM = 0;        // top margin, mm
    std::int32_t RM = 0;        // right margin, mm
    std::int32_t BM = 0;        // bottom margin, mm
    std::int32_t LM = 0;        // left margin, mm
    std::int32_t CS = 0;        // column spacing, mm
    std::string UEd{};          // upper caption text, bytes in the locale encoding
    std::int32_t CSpn = 0;      // label columns
    std::int32_t RSpn = 0;      // label rows
    std::int32_t BarKindSp = 0; // kind list index: 0-22 the engine's, 23-31 the symbol kinds; -1 for none
    std::int32_t ColorBox1 = 0; // the colour list's control colour, a signed 32-bit colour value
    std::int32_t ZomSpn = 0;    // narrow module width, pixels
    std::int32_t RatioSpn = 0;  // wide-to-narrow ratio
    std::int32_t LangRG = 0;    // 0 Arabic, 1 English, -1 none
    bool StChk = false;         // print stretch
    bool UChk = false;          // upper caption shown

    bool operator==(const TOptionsValues&) const = default;
};

// Reads the 15 values in file order into `values` (a switch is on exactly when its number is 1). A bad
// number raises as ReadInteger does; the values read before it are in `values` then, the rest as they were.
void ReadOptions(TOptionsReader& reader, TOptionsValues& values);

// The file's bytes: 15 lines, each ending in CR LF. Line breaks inside the caption are dropped so
// the file always keeps its 15 lines.
std::string FormatOptions(const TOptionsValues& values);

// The whole file, read through the safe file layer: a missing file, one that is not a regular file (a
// FIFO, a device, a directory, a dangling link), a link to another user's file, one larger than
// kOptionsFileLimit or one that cannot be read raises EFileError naming the fault and the file, which is
// never opened for anything but a bounded read.
QByteArray ReadOptionsFile(const QString& path);
// Replaces the file atomically and durably: on any failure the previous file stays whole and EFileError
// ("<reason>: <path>") is raised.
void WriteOptionsFile(const QString& path, const QByteArray& bytes);

// Where a file that could not be read as options is kept, and keeping it there: options.txt.bad, or
// options.txt.bad.1, .2, ... when that is taken, so that an earlier copy is never overwritten. Returns
// the path used.
QString DamagedOptionsPath(const QString& path);
QString KeepDamagedOptionsFile(const QString& path, const QByteArray& bytes);

// A path as a message quotes it: its bytes, control bytes and bytes that are not UTF-8 escaped.
QString PathForMessage(const QString& path);

// The organisation and application name under which the window and quillon-cli find their data.
inline constexpr char kApplicationName[] = "Quillon";

// Where the options file and the picture table live: C:\quillon on Windows, elsewhere the
// application data directory of kApplicationName (~/.local/share/Quillon/Quillon on Linux). Raises
// Exception when the variable it is made from (XDG_DATA_HOME or HOME) holds bytes that the file name
// encoding cannot give back, rather than use a look-alike folder.
QString DefaultDataDirectory();

// True when the file name encoding gives `bytes` back byte for byte.
bool RepresentableFileName(const std::string& bytes);
// "<source> <name>: the folder name cannot be represented in the file name encoding", the name escaped.
std::string UnrepresentableFolderMessage(const std::string& source, const std::string& bytes);
QString OptionsFilePath(const QString& dataDirectory);
// Creates the directory and its parents when missing; false when it cannot be made.
bool EnsureDirectory(const QString& path);

} // namespace quillon
