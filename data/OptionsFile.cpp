// The options file: reading its integers and lines, formatting it, and reading and replacing it
// through the safe file layer.
#include "data/OptionsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

#include "barcode/Exception.h"
#include "data/Escape.h"
#include "data/SafeFile.h"
#include "label/words/LabelMessage.h"

namespace quillon {
namespace {

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
    throw ELabelMessage({TMessageCode::InvalidNumericInput});
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

std::string Bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QByteArray ToQByteArray(const std::string& bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
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

void ReadOptions(TOptionsReader& reader, TOptionsValues& values)
{
    for (std::int32_t* margin : {&values.TM, &values.RM, &values.BM, &values.LM, &values.CS})
        *margin = reader.ReadInteger();
    values.UEd = reader.ReadLine();
    for (std::int32_t* value : {&values.CSpn, &values.RSpn, &values.BarKindSp, &values.ColorBox1,
                                &values.ZomSpn, &values.RatioSpn, &values.LangRG})
        *value = reader.ReadInteger();
    values.StChk = reader.ReadInteger() == 1;
    values.UChk = reader.ReadInteger() == 1;
}

QByteArray ReadOptionsFile(const QString& path)
{
    const std::string name = Bytes(path);
    // Refused before anything is opened: a FIFO would block, a device or a foreign link must not be
    // read as options. A folder that cannot be written still lets the file be read.
    try {
        CheckReplaceable(name);
    } catch (const EFileError& e) {
        if (e.Fault() != TFileFault::AccessDenied && e.Fault() != TFileFault::WriteProtected)
            throw;
    }
    return ToQByteArray(ReadRegularFile(name, kOptionsFileLimit));
}

void WriteOptionsFile(const QString& path, const QByteArray& bytes)
{
    const std::string name = Bytes(path);
    ReplaceFile(name, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString DamagedOptionsPath(const QString& path)
{
    return path + QStringLiteral(".bad");
}

QString KeepDamagedOptionsFile(const QString& path, const QByteArray& bytes)
{
    const std::string kept =
        WriteNewFile(Bytes(DamagedOptionsPath(path)),
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return QFile::decodeName(QByteArray::fromStdString(kept));
}

QString PathForMessage(const QString& path)
{
    return QString::fromStdString(EscapeForMessage(Bytes(path)));
}

bool RepresentableFileName(const std::string& bytes)
{
    return QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(bytes))).toStdString() == bytes;
}

std::string UnrepresentableFolderMessage(const std::string& source, const std::string& bytes)
{
    return source + " " + EscapeForMessage(bytes) +
           ": the folder name cannot be represented in the file name encoding";
}

QString DefaultDataDirectory()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/quillon");
#else
    // Qt decodes these variables; a byte that does not decode would become U+FFFD and name a look-alike
    // folder, where the user's files seem to have vanished.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const bool dataHomeUsed = !dataHome.isEmpty() && dataHome.startsWith('/');
    const char* source = dataHomeUsed ? "XDG_DATA_HOME" : "HOME";
    if (const std::string value = qgetenv(source).toStdString(); !RepresentableFileName(value))
        throw Exception(UnrepresentableFolderMessage(source, value));
    // Named here rather than trusted to the caller, so that quillon-cli reads the window's folder.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
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
