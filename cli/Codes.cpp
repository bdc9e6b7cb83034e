#include "Codes.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace quillon::cli {

namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr std::size_t kMaxNameCodeBytes = 64;

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Gathers the lines as the chunks come in. Only the first kMaxCodeBytes + 1 bytes of a line are
// kept: enough to know that it is too long, however long it is.
class LineCollector {
public:
    explicit LineCollector(const std::string& name) : FName(name) {}

    void Add(std::string_view chunk)
    {
        for (const char c : chunk) {
            if (c == '\n') {
                EndLine();
                continue;
            }
            if (c == '\0')
                throw InputError("'" + FName + "' is not a text file: line " + std::to_string(FLine + 1) +
                                 " holds a NUL byte");
            if (FCurrent.size() <= kMaxCodeBytes + 1)
                FCurrent += c;
            ++FLength;
            FLast = c;
        }
    }

    std::vector<CodeLine> Finish()
    {
        if (FLength > 0)
            EndLine(); // a last line without a line end
        return std::move(FCodes);
    }

private:
    void EndLine()
    {
        ++FLine;
        std::size_t length = FLength;
        if (length > 0 && FLast == '\r') { // CR LF
            if (FCurrent.size() == length)
                FCurrent.pop_back();
            --length;
        }
        if (length > kMaxCodeBytes)
            AddCode({.line = FLine, .code = {}, .problem = TooLong(length)});
        else if (!IsBlank(FCurrent))
            AddCode({.line = FLine, .code = std::move(FCurrent), .problem = {}});
        FCurrent.clear();
        FLength = 0;
        FLast = '\0';
    }

    void AddCode(CodeLine&& code)
    {
        FBytes += code.code.size();
        if (FCodes.size() >= kMaxCodes)
            throw InputError("'" + FName + "' holds more than " + std::to_string(kMaxCodes) + " codes");
        if (FBytes > kMaxCodeFileBytes)
            throw InputError("'" + FName + "' holds more than " +
                             std::to_string(kMaxCodeFileBytes / 1024 / 1024) + " MB of codes");
        FCodes.push_back(std::move(code));
    }

    static std::string TooLong(std::size_t length)
    {
        return "the line of " + std::to_string(length) + " bytes is longer than the " +
               std::to_string(kMaxCodeBytes) + " a code may have";
    }

    std::string FName;
    std::vector<CodeLine> FCodes{};
    std::string FCurrent{};
    std::size_t FLength = 0; // of the current line, including what was not kept
    char FLast = '\0';       // the current line's last byte
    std::size_t FLine = 0;   // lines ended so far
    std::size_t FBytes = 0;  // of the codes kept
};

} // namespace

std::string ErrnoText(int error)
{
    std::array<char, 256> buffer{};
    return strerror_r(error, buffer.data(), buffer.size()); // the GNU form returns the text
}

std::vector<CodeLine> ReadCodes(std::FILE* file, const std::string& name)
{
    LineCollector lines(name);
    const auto chunk = std::make_unique<char[]>(kReadChunkBytes);
    while (true) {
        const std::size_t n = std::fread(chunk.get(), 1, kReadChunkBytes, file);
        lines.Add(std::string_view(chunk.get(), n));
        if (n < kReadChunkBytes)
            break;
    }
    if (std::ferror(file))
        throw InputError("cannot read '" + name + "': " + ErrnoText(errno));
    return lines.Finish();
}

std::vector<CodeLine> ReadCodesFrom(const std::string& path)
{
    if (path == "-")
        return ReadCodes(stdin, "standard input");
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw InputError("cannot read '" + path + "': " + ErrnoText(errno));
    return ReadCodes(file.get(), path);
}

std::vector<CodeLine> SequenceCodes(const Sequence& sequence)
{
    std::vector<CodeLine> codes;
    const std::uint64_t count = sequence.Count();
    codes.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t value = sequence.from <= sequence.to ? sequence.from + i * sequence.step
                                                                 : sequence.from - i * sequence.step;
        std::string digits = std::to_string(value);
        if (digits.size() < sequence.width)
            digits.insert(0, sequence.width - digits.size(), '0');
        codes.push_back({.line = i + 1, .code = std::move(digits), .problem = {}});
    }
    return codes;
}

std::string NumberedFileName(std::size_t line, std::size_t lastLine, std::string_view code,
                             std::string_view extension)
{
    std::string name = std::to_string(line);
    const std::size_t width = std::to_string(lastLine).size();
    if (name.size() < width)
        name.insert(0, width - name.size(), '0');
    name += '-';
    for (const char c : code.substr(0, kMaxNameCodeBytes)) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '_' || c == '.';
        name += safe ? c : '_';
    }
    return name.append(extension);
}

} // namespace quillon::cli
