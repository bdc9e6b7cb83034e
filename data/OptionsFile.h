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

// Reads the values of the options file in order. Integers are separated by blanks (any byte up to and
// including the space, line ends included); a line ends in CR LF, LF or a lone CR. Works on raw bytes:
// the caller converts the caption from the locale encoding.
class TOptionsReader {
public:
    explicit TOptionsReader(std::string bytes) : FBytes(std::move(bytes)) {}
    explicit TOptionsReader(const QByteArray& bytes) : FBytes(bytes.toStdString()) {}

    // The next integer: a token of at most 32 characters, decimal with an optional sign, or hexadecimal
    // (a 32-bit pattern) after "$", "x" or "0x"; 0 at the end of the file. The rest of its line is
    // skipped. Raises Exception("Invalid numeric input").
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

// The settings the file keeps, in file order, named after the controls they mirror.
// The defaults are the designed values a first run writes; the caption is the caller's designed text.
struct TOptionsValues {
    std::int32_t TM = 10;               // top margin, mm
    std::int32_t RM = 10;               // right margin, mm
    std::int32_t BM = 10;               // bottom margin, mm
    std::int32_t LM = 10;               // left margin, mm
    std::int32_t CS = 2;                // column spacing, mm
    std::string UEd{};                  // upper caption text, bytes in the locale encoding
    std::int32_t CSpn = 1;              // label columns
    std::int32_t RSpn = 1;              // label rows
    std::int32_t BarKindSp = 9;         // symbology list index, -1 for none
    std::int32_t ColorBox1 = -16777211; // the colour list's control colour: system colour 5 (window)
    std::int32_t ZomSpn = 2;            // narrow module width, pixels
    std::int32_t RatioSpn = 1;          // wide-to-narrow ratio
    std::int32_t LangRG = 1;            // 0 Arabic, 1 English, -1 none
    bool StChk = false;                 // print stretch
    bool UChk = true;                   // upper caption shown

    bool operator==(const TOptionsValues&) const = default;
};

// The file's bytes: 15 lines, each ending in CR LF. Line breaks inside the caption are dropped so
// the file always keeps its 15 lines.
std::string FormatOptions(const TOptionsValues& values);

// The whole file. Raises Exception("<reason>: <path>") when it is missing or cannot be read.
QByteArray ReadOptionsFile(const QString& path);
// Replaces the file atomically: on any failure the previous file stays whole and Exception
// ("<reason>: <path>") is raised, the reason being "File not found", "Invalid filename",
// "File access denied", "Disk full", "Too many open files" or "I/O error <errno>".
void WriteOptionsFile(const QString& path, const QByteArray& bytes);

// The reason text for an operating-system error number, as the messages above carry it.
// ENOENT reads "Invalid filename" when the file's directory is missing, else "File not found".
std::string FileErrorReason(int errnoCode, const QString& path);

// Where the options file and the picture table live: C:\quillon on Windows, elsewhere the
// application data directory.
QString DefaultDataDirectory();
QString OptionsFilePath(const QString& dataDirectory);
// Creates the directory and its parents when missing; false when it cannot be made.
bool EnsureDirectory(const QString& path);

} // namespace quillon
