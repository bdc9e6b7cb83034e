#include "Codes.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "barcode/Exception.h"

namespace quillon::cli {

namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr std::size_t kMaxNameCodeBytes = 64;
// No list is larger: its most rows at their longest, each with a CR LF. Standard input past this is no list.
constexpr std::uint64_t kMaxSpooledInputBytes = std::uint64_t{kMaxListRows} * (kMaxListRowBytes + 2);

bool gStandardInputClosed = false;

using FilePointer = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The rows of a list read once from a stream, kept in a file as they came: fixed-size numbers and
// length-prefixed fields, so that a row over the length limit takes no more room than its fault.
class RowSpool {
public:
    explicit RowSpool(const std::string& name) : FFile(std::tmpfile(), &std::fclose), FName(name)
    {
        if (!FFile)
            Fail(errno);
    }

    void Put(const TListRow& row)
    {
        const std::uint64_t line = row.Line;
        const std::int32_t copies = row.Copies;
        const std::uint8_t has = (row.Upper ? 1 : 0) | (row.Lower ? 2 : 0);
        PutBytes(&line, sizeof line);
        PutBytes(&copies, sizeof copies);
        PutBytes(&has, sizeof has);
        PutText(row.Code);
        PutText(EnglishText(row.Problem));
        if (row.Upper)
            PutText(*row.Upper);
        if (row.Lower)
            PutText(*row.Lower);
    }

    void Rewind()
    {
        if (std::fflush(FFile.get()) != 0 || fseeko(FFile.get(), 0, SEEK_SET) != 0)
            Fail(errno);
    }

    std::optional<TListRow> Get()
    {
        std::uint64_t line = 0;
        if (std::fread(&line, sizeof line, 1, FFile.get()) != 1)
            return std::nullopt;
        TListRow row{.Line = static_cast<std::size_t>(line), .Code = {}};
        std::int32_t copies = 1;
        std::uint8_t has = 0;
        GetBytes(&copies, sizeof copies);
        GetBytes(&has, sizeof has);
        row.Copies = copies;
        row.Code = GetText();
        row.Problem = {TMessageCode::Said, {GetText()}}; // the command line only words it, in English
        if ((has & 1) != 0)
            row.Upper = GetText();
        if ((has & 2) != 0)
            row.Lower = GetText();
        return row;
    }

private:
    void PutBytes(const void* bytes, std::size_t size)
    {
        if (std::fwrite(bytes, 1, size, FFile.get()) != size)
            Fail(errno);
    }
    void PutText(const std::string& text)
    {
        const std::uint32_t size = static_cast<std::uint32_t>(text.size());
        PutBytes(&size, sizeof size);
        PutBytes(text.data(), text.size());
    }
    void GetBytes(void* bytes, std::size_t size)
    {
        if (std::fread(bytes, 1, size, FFile.get()) != size)
            Fail(std::ferror(FFile.get()) ? errno : EIO);
    }
    std::string GetText()
    {
        std::uint32_t size = 0;
        GetBytes(&size, sizeof size);
        std::string text(size, '\0');
        if (size > 0)
            GetBytes(text.data(), size);
        return text;
    }
    [[noreturn]] void Fail(int error) const
    {
        throw InputError("cannot keep '" + FName + "' to read it: " + ErrnoText(error));
    }

    FilePointer FFile;
    std::string FName;
};

// A list file, read through once to be checked and counted, then again row by row.
class ListSource : public CodeSource {
public:
    ListSource(FilePointer file, std::string name, int copies)
        : FFile(std::move(file)), FName(std::move(name)), FCopies(copies), FChunk(kReadChunkBytes)
    {
        if (!Rewindable()) { // standard input or a FIFO: its rows kept for the second reading
            FSpool.emplace(FName);
            Survey();
            FSpool->Rewind();
            return;
        }
        Survey();
        if (fseeko(FFile.get(), FStart, SEEK_SET) != 0)
            throw CannotRead(errno);
        FReader.emplace(FFormat, FName);
    }

    std::optional<TListRow> Next() override
    {
        const TListRowSink keep = [this](TListRow&& row) { FReady.push_back(std::move(row)); };
        if (FSpool) {
            if (std::optional<TListRow> row = FSpool->Get())
                keep(std::move(*row));
        }
        while (!FSpool && FReady.empty() && !FEnded) {
            const std::string_view chunk = ReadChunk();
            Guarded([&] { chunk.empty() ? FReader->Finish(keep) : FReader->Add(chunk, keep); });
            FEnded = chunk.empty();
        }
        if (FReady.empty())
            return std::nullopt;
        TListRow row = std::move(FReady.front());
        FReady.pop_front();
        row.Copies *= FCopies;
        // A file that grew since the first reading is not made past the bounds that reading checked.
        if (++FPulledRows > FRows || (FPulledLabels += static_cast<std::uint64_t>(row.Copies)) > FLabels)
            throw InputError("'" + FName + "' changed while it was read");
        return row;
    }

private:
    bool Rewindable()
    {
        struct stat status {};
        FStart = ftello(FFile.get());
        return fstat(fileno(FFile.get()), &status) == 0 && S_ISREG(status.st_mode) && FStart >= 0;
    }

    // The first reading: the format from the first bytes, the count of rows and labels, and every
    // refusal of the list before anything is made.
    void Survey()
    {
        std::optional<TListReader> reader;
        const TListRowSink count = [this](TListRow&& row) {
            ++FRows;
            FLabels += static_cast<std::uint64_t>(row.Copies) * static_cast<std::uint64_t>(FCopies);
            FLastLine = row.Line;
            if (FSpool)
                FSpool->Put(row);
        };
        std::uint64_t bytes = 0;
        for (std::string_view chunk = ReadChunk(); !chunk.empty(); chunk = ReadChunk()) {
            if (!reader) {
                FFormat = DetectListFormat(FName, chunk);
                reader.emplace(FFormat, FName);
            }
            if (FSpool && (bytes += chunk.size()) > kMaxSpooledInputBytes)
                throw InputError("'" + FName + "' is larger than any list (over " +
                                 std::to_string(kMaxSpooledInputBytes) + " bytes)");
            Guarded([&] { reader->Add(chunk, count); });
        }
        if (reader)
            Guarded([&] { reader->Finish(count); });
        if (FRows == 0)
            throw InputError("'" + FName + "' holds no codes");
        if (FLabels > kMaxCodes)
            throw InputError("'" + FName + "' asks for " + std::to_string(FLabels) +
                             " labels with the copies, more than the " + std::to_string(kMaxCodes) +
                             " of one run");
    }

    // The next bytes of the file; empty at its end.
    std::string_view ReadChunk()
    {
        const std::size_t n = std::fread(FChunk.data(), 1, FChunk.size(), FFile.get());
        if (n == 0 && std::ferror(FFile.get()))
            throw CannotRead(errno);
        return {FChunk.data(), n};
    }

    // The reader's refusals (no text, too many rows) as refusals of the input.
    template <typename Step> void Guarded(const Step& step)
    {
        try {
            step();
        } catch (const Exception& e) {
            throw InputError(e.what());
        }
    }

    InputError CannotRead(int error) const
    {
        return InputError("cannot read '" + FName + "': " + ErrnoText(error));
    }

    FilePointer FFile;
    std::string FName;
    int FCopies = 1;
    std::vector<char> FChunk;
    off_t FStart = 0; // where the list begins in the file
    TListFormat FFormat = TListFormat::Lines;
    std::optional<TListReader> FReader{};
    std::optional<RowSpool> FSpool{};
    std::deque<TListRow> FReady{};
    bool FEnded = false;
    std::size_t FPulledRows = 0;
    std::uint64_t FPulledLabels = 0;
};

// The numbers of a sequence; one that counts down is an ascending serial run read backwards.
class SequenceSource : public CodeSource {
public:
    explicit SequenceSource(const CliOptions& options) : FCopies(options.copies)
    {
        const Sequence& sequence = *options.sequence;
        FCount = sequence.Count();
        FDescending = sequence.to < sequence.from;
        FRun = {.Start = FDescending ? sequence.from - (FCount - 1) * sequence.step : sequence.from,
                .Step = sequence.step,
                .Count = FCount,
                .Prefix = options.prefix,
                .Suffix = options.suffix,
                .Width = static_cast<int>(sequence.width)};
        CheckSerialRun(FRun);
        FRows = FCount;
        FLabels = FCount * static_cast<std::uint64_t>(FCopies);
        FLastLine = FCount;
    }

    std::optional<TListRow> Next() override
    {
        if (FNext == FCount)
            return std::nullopt;
        const std::uint64_t index = FDescending ? FCount - 1 - FNext : FNext;
        ++FNext;
        return TListRow{.Line = FNext, .Code = SerialCode(FRun, index), .Copies = FCopies};
    }

private:
    TSerialRun FRun{};
    std::uint64_t FCount = 0;
    std::uint64_t FNext = 0;
    bool FDescending = false;
    int FCopies = 1;
};

} // namespace

void HoldClosedStandardInput()
{
    if (fcntl(STDIN_FILENO, F_GETFD) != -1 || errno != EBADF)
        return;
    gStandardInputClosed = true;
    const int placeholder = open("/dev/null", O_RDONLY | O_CLOEXEC); // the lowest free number: 0
    if (placeholder > STDIN_FILENO)
        close(placeholder);
}

std::string ErrnoText(int error)
{
    std::array<char, 256> buffer{};
    return strerror_r(error, buffer.data(), buffer.size()); // the GNU form returns the text
}

std::unique_ptr<CodeSource> OpenCodes(const CliOptions& options)
{
    if (options.sequence)
        return std::make_unique<SequenceSource>(options);
    const std::string& path = *options.codes;
    if (options.codesText) { // read as standard input is, its rows kept for the second reading
        const std::string& text = *options.codesText;
        FilePointer memory(text.empty() ? nullptr
                                        : fmemopen(const_cast<char*>(text.data()), text.size(), "r"),
                           &std::fclose);
        if (!memory)
            throw InputError("'" + path + "' holds no codes");
        return std::make_unique<ListSource>(std::move(memory), path, options.copies);
    }
    if (path == "-" && gStandardInputClosed)
        throw InputError("cannot read standard input: it is closed");
    if (path == "-")
        return std::make_unique<ListSource>(FilePointer(stdin, [](std::FILE*) { return 0; }),
                                            "standard input", options.copies);
    FilePointer file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw InputError("cannot read '" + path + "': " + ErrnoText(errno));
    return std::make_unique<ListSource>(std::move(file), path, options.copies);
}

CliOptions RowOptions(const CliOptions& options, const TListRow& row)
{
    CliOptions rowOptions = options;
    rowOptions.text = row.Code;
    const auto take = [](const std::optional<std::string>& field, std::optional<std::string>& caption) {
        if (field)
            caption = field->empty() ? std::nullopt : field;
    };
    take(row.Upper, rowOptions.upper);
    take(row.Lower, rowOptions.lower);
    return rowOptions;
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
