// The options file: reading its integers and lines, formatting it, replacing it atomically and
// turning file errors into the messages the user sees.
#include "data/OptionsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <optional>

#include "barcode/Exception.h"

namespace quillon {
namespace {

// Reasons by POSIX errno, worded as the program's file errors have always been worded
// (ENOENT depends on the directory and is decided in FileErrorReason).
struct ErrnoReason {
    int Errno = 0;
    const char* Reason = "";
};
constexpr ErrnoReason kErrnoReasons[] = {
    {ENOTDIR, "Invalid filename"},      // a part of the path is a file, not a directory
    {ENAMETOOLONG, "Invalid filename"}, // the path or a name in it is too long
    {ELOOP, "Invalid filename"},        // a loop of symbolic links in the path
    {EACCES, "File access denied"},     // no permission on the file or its folder
    {EPERM, "File access denied"},      // not permitted (an immutable file, ...)
    {EROFS, "File access denied"},      // a read-only file system
    {EISDIR, "File access denied"},     // the name is a directory
    {ETXTBSY, "File access denied"},    // the file is busy
    {EMFILE, "Too many open files"},    // the process's own limit
    {ENFILE, "Too many open files"},    // the system-wide limit
    {ENOSPC, "Disk full"},              // no space left on the device
    {EDQUOT, "Disk full"},              // the user's quota is used up
    {EFBIG, "Disk full"},               // the file size limit is reached
};

// A longer token is refused rather than cut: reading only its first 32 characters would silently
// give another number ("000...00012" as 1).
constexpr std::size_t kMaxTokenLength = 32;
constexpr std::uint64_t kMaxHexPattern = 0xFFFFFFFFu;
constexpr std::int64_t kMaxPositive = 2147483647;
constexpr std::int64_t kMaxNegativeMagnitude = 2147483648;

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

[[noreturn]] void ThrowInvalidNumber()
{
    throw Exception("Invalid numeric input");
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The digits after a hexadecimal prefix ("0x", "0X", "$", "x", "X"), or nothing for a decimal token.
std::optional<std::string_view> HexDigits(std::string_view token)
{
    if (token.starts_with("0x") || token.starts_with("0X"))
        return token.substr(2);
    if (token.starts_with('$') || token.starts_with('x') || token.starts_with('X'))
        return token.substr(1);
    return std::nullopt;
}

// Hexadecimal is read as a 32-bit pattern up to FFFFFFFF: colours are system-colour patterns, so
// "$FF000005" reads as -16777211, the number the writer puts on that line. No sign is taken.
std::int32_t ParseHex(std::string_view digits)
{
    if (digits.empty())
        ThrowInvalidNumber();
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            ThrowInvalidNumber();
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > kMaxHexPattern)
            ThrowInvalidNumber();
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t ParseDecimal(std::string_view token)
{
    const bool negative = token.starts_with('-');
    if (negative || token.starts_with('+'))
        token.remove_prefix(1);
    if (token.empty())
        ThrowInvalidNumber();
    const std::int64_t limit = negative ? kMaxNegativeMagnitude : kMaxPositive;
    std::int64_t value = 0;
    for (const char c : token) {
        if (c < '0' || c > '9')
            ThrowInvalidNumber();
        value = value * 10 + (c - '0');
        if (value > limit)
            ThrowInvalidNumber(); // checked per digit, so 32 digits cannot overflow
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t ParseInteger(std::string_view token)
{
    if (token.size() > kMaxTokenLength)
        ThrowInvalidNumber();
    if (const auto digits = HexDigits(token))
        return ParseHex(*digits);
    return ParseDecimal(token);
}

// An edit box holds one line; a stray line break would shift every later line of the file.
std::string SingleLine(const std::string& text)
{
    std::string line;
    line.reserve(text.size());
    for (const char c : text)
        if (!IsLineEnd(c))
            line += c;
    return line;
}

void AppendLine(std::string& out, const std::string& line)
{
    out += line;
    out += "\r\n";
}

enum class Access : std::uint8_t { Read, Write };

// Qt reports file errors without the system's number; errno, saved right after the failing call,
// still holds it. Where Qt refuses on its own checks (a directory, a read-only file) errno may be
// stale, so those cases are told from the file itself.
int FailureErrno(int savedErrno, const QString& path, Access wanted)
{
    const QFileInfo info(path);
    if (info.isDir())
        return EISDIR;
    const bool permitted = wanted == Access::Write ? info.isWritable() : info.isReadable();
    if (info.exists() && !permitted)
        return EACCES;
    if (savedErrno != 0)
        return savedErrno;
    return info.exists() ? EIO : ENOENT;
}

[[noreturn]] void ThrowFileError(int savedErrno, const QString& path, Access wanted)
{
    const int code = FailureErrno(savedErrno, path, wanted);
    throw Exception(FileErrorReason(code, path) + ": " + QDir::toNativeSeparators(path).toStdString());
}

} // namespace

void TOptionsReader::SkipBlanks()
{
    while (!AtEnd() && IsBlank(FBytes[FPos]))
        ++FPos;
}

// At most one character beyond the limit is taken, enough to tell that the token is too long.
std::string_view TOptionsReader::TakeToken()
{
    const std::size_t start = FPos;
    while (!AtEnd() && !IsBlank(FBytes[FPos]) && FPos - start <= kMaxTokenLength)
        ++FPos;
    return std::string_view(FBytes).substr(start, FPos - start);
}

// A line ends in CR LF, LF or a lone CR.
void TOptionsReader::SkipLineEnd()
{
    if (AtEnd())
        return;
    if (FBytes[FPos] == '\r') {
        ++FPos;
        if (!AtEnd() && FBytes[FPos] == '\n')
            ++FPos;
    } else if (FBytes[FPos] == '\n') {
        ++FPos;
    }
}

void TOptionsReader::SkipRestOfLine()
{
    while (!AtEnd() && !IsLineEnd(FBytes[FPos]))
        ++FPos;
    SkipLineEnd();
}

std::int32_t TOptionsReader::ReadInteger()
{
    SkipBlanks();
    if (AtEnd())
        return 0; // a short file is no error
    const std::string_view token = TakeToken();
    SkipRestOfLine();
    return ParseInteger(token);
}

std::string TOptionsReader::ReadLine()
{
    const std::size_t start = FPos;
    while (!AtEnd() && !IsLineEnd(FBytes[FPos]))
        ++FPos;
    std::string line = FBytes.substr(start, FPos - start);
    SkipLineEnd();
    return line;
}

std::string FormatOptions(const TOptionsValues& values)
{
    std::string out;
    const auto integer = [&out](std::int32_t value) { AppendLine(out, std::to_string(value)); };
    integer(values.TM);
    integer(values.RM);
    integer(values.BM);
    integer(values.LM);
    integer(values.CS);
    AppendLine(out, SingleLine(values.UEd));
    integer(values.CSpn);
    integer(values.RSpn);
    integer(values.BarKindSp);
    integer(values.ColorBox1);
    integer(values.ZomSpn);
    integer(values.RatioSpn);
    integer(values.LangRG);
    integer(values.StChk ? 1 : 0);
    integer(values.UChk ? 1 : 0);
    return out;
}

std::string FileErrorReason(int errnoCode, const QString& path)
{
    if (errnoCode == ENOENT)
        return QFileInfo(path).absoluteDir().exists() ? "File not found" : "Invalid filename";
    for (const auto& row : kErrnoReasons)
        if (row.Errno == errnoCode)
            return row.Reason;
    return "I/O error " + std::to_string(errnoCode);
}

QByteArray ReadOptionsFile(const QString& path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int saved = errno;
        ThrowFileError(saved, path, Access::Read);
    }
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        const int saved = errno;
        ThrowFileError(saved, path, Access::Read);
    }
    return bytes;
}

// QSaveFile writes a temporary file beside the target and renames it over the target only when
// everything was written, so a failure leaves the previous file whole. Unbuffered on purpose: with
// Qt's write buffer a failing flush inside commit() goes unnoticed and a truncated file replaces
// the old one (seen with a full disk); unbuffered, write() itself fails and leaves its errno.
void WriteOptionsFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int saved = errno;
        ThrowFileError(saved, path, Access::Write);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int saved = errno;
        file.cancelWriting();
        ThrowFileError(saved, path, Access::Write);
    }
    errno = 0;
    if (!file.commit()) {
        const int saved = errno;
        ThrowFileError(saved, path, Access::Write);
    }
}

QString DefaultDataDirectory()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/quillon");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

QString OptionsFilePath(const QString& dataDirectory)
{
    return QDir(dataDirectory).filePath(QString::fromLatin1(kOptionsFileName));
}

bool EnsureDirectory(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

} // namespace quillon
