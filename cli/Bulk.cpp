#include "Bulk.h"

#include <QImage>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

#include "Codes.h"
#include "Commands.h"
#include "CompactImage.h"
#include "Progress.h"
#include "barcode/Exception.h"

namespace quillon::cli {

namespace {

// Composing and encoding take a core each; more threads than cores only add switching.
constexpr unsigned kMaxWorkers = 8;
// Codes a worker takes at a time: fewer hand-overs, and still a steady progress count.
constexpr std::size_t kChunk = 8;

// What became of one code. Composing and encoding need no lock and run on the workers; messages and
// progress are printed by the calling thread in the order of the codes, so runs read the same
// however the work was shared out.
struct CodeOutcome {
    QImage image;       // sheet: the label
    std::string error;  // empty when the code was made
    bool fatal = false; // the run cannot go on (a file that cannot be written)
};

using Work = std::function<CodeOutcome(std::size_t index)>;
using Report = std::function<bool(std::size_t index, CodeOutcome& outcome)>; // false: stop

CodeOutcome Attempt(const Work& work, std::size_t index)
{
    try {
        return work(index);
    } catch (const std::exception& e) {
        return {.image = {}, .error = e.what(), .fatal = true};
    }
}

unsigned WorkerCount(std::size_t jobs)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>({cores, kMaxWorkers, jobs}));
}

// Runs work(0..count-1) on a few worker threads and hands each outcome to report, in order, on the
// calling thread. Once report says stop, no further work starts.
void RunInOrder(std::size_t count, const Work& work, const Report& report)
{
    std::vector<std::optional<CodeOutcome>> outcomes(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    const auto worker = [&] {
        std::vector<CodeOutcome> made;
        for (std::size_t first = next.fetch_add(kChunk); first < count && !stop;
             first = next.fetch_add(kChunk)) {
            const std::size_t end = std::min(count, first + kChunk);
            made.clear();
            for (std::size_t i = first; i < end; ++i)
                made.push_back(Attempt(work, i));
            {
                const std::lock_guard lock(mutex);
                for (std::size_t i = first; i < end; ++i)
                    outcomes[i] = std::move(made[i - first]);
            }
            ready.notify_all();
        }
    };
    std::vector<std::jthread> workers;
    // Set before the workers are joined, also when report raises.
    struct StopOnExit {
        std::atomic<bool>& stop;
        ~StopOnExit() { stop = true; }
    } stopOnExit{stop};
    for (unsigned n = WorkerCount(count); n > 0; --n)
        workers.emplace_back(worker);
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return outcomes[i].has_value(); });
        CodeOutcome outcome = std::move(*outcomes[i]);
        outcomes[i].reset();
        lock.unlock();
        if (!report(i, outcome))
            return;
    }
}

// ".PID.tmp": another run's temporary files have other names.
std::string TemporarySuffix()
{
    std::string suffix(1, '.');
    suffix += std::to_string(getpid());
    suffix += ".tmp";
    return suffix;
}

// The directory that receives the labels, held open so that every file lands in the same one.
class OutputDirectory {
public:
    explicit OutputDirectory(const std::string& path) : FPath(path)
    {
        std::error_code error;
        std::filesystem::create_directories(path, error);
        if (error)
            throw OutputError("cannot make the directory '" + path + "': " + error.message());
        FFd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (FFd < 0)
            throw OutputError("cannot write into '" + path + "': " + ErrnoText(errno));
    }
    OutputDirectory(const OutputDirectory&) = delete;
    OutputDirectory& operator=(const OutputDirectory&) = delete;
    ~OutputDirectory() { close(FFd); }

    // Writes the file whole or not at all: into a temporary file beside it, renamed to its name once
    // every byte is written. No flush to the disk per file, as cp does none: it costs about 4 ms a
    // file on an ordinary disk, 40 s for 10,000 labels.
    void WriteWhole(const std::string& name, const QByteArray& bytes) const
    {
        const std::string temporary = name + FTemporarySuffix;
        const int fd = openat(FFd, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0)
            throw Failure(name, errno);
        int error = WriteAll(fd, bytes);
        if (close(fd) != 0 && error == 0)
            error = errno;
        if (error == 0 && renameat(FFd, temporary.c_str(), FFd, name.c_str()) != 0)
            error = errno;
        if (error != 0) {
            unlinkat(FFd, temporary.c_str(), 0);
            throw Failure(name, error);
        }
    }

private:
    // 0, or the errno of the write that failed.
    static int WriteAll(int fd, const QByteArray& bytes)
    {
        const char* data = bytes.constData();
        std::size_t left = static_cast<std::size_t>(bytes.size());
        while (left > 0) {
            const ssize_t n = write(fd, data, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 ? errno : ENOSPC;
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        return 0;
    }

    OutputError Failure(const std::string& name, int error) const
    {
        return OutputError("cannot write '" + (std::filesystem::path(FPath) / name).string() +
                           "': " + ErrnoText(error));
    }

    std::string FPath;
    int FFd = -1;
    std::string FTemporarySuffix = TemporarySuffix();
};

std::vector<CodeLine> CodesOf(const CliOptions& options)
{
    if (options.sequence)
        return SequenceCodes(*options.sequence);
    std::vector<CodeLine> codes = ReadCodesFrom(*options.codes);
    if (codes.empty())
        throw InputError("'" + (*options.codes == "-" ? std::string("standard input") : *options.codes) +
                         "' holds no codes");
    return codes;
}

// The options that make the label of one code.
CliOptions WithText(const CliOptions& options, const std::string& code)
{
    CliOptions codeOptions = options;
    codeOptions.text = code;
    return codeOptions;
}

// Runs work over the codes with the progress and the messages of a bulk run. Returns 1 when some
// code could not be made; raises OutputError for a fatal outcome, after the messages before it.
int RunCodes(const std::vector<CodeLine>& codes, std::ostream& err, const Work& work,
             const std::function<void(CodeOutcome&)>& keep)
{
    Progress progress(err, StandardErrorDisplay(), codes.size(), "labels", Progress::Clock::now());
    bool someFailed = false;
    std::optional<std::string> fatal;
    RunInOrder(codes.size(), work, [&](std::size_t i, CodeOutcome& outcome) {
        if (outcome.fatal) {
            fatal = outcome.error;
            return false;
        }
        if (outcome.error.empty()) {
            keep(outcome);
        } else {
            progress.Message("quillon-cli: line " + std::to_string(codes[i].line) + ": " +
                             Printable(outcome.error));
            someFailed = true;
        }
        progress.Update(i + 1, Progress::Clock::now());
        return true;
    });
    progress.Finish();
    if (fatal)
        throw OutputError(*fatal);
    return someFailed ? 1 : 0;
}

} // namespace

int RunBulkLabels(const CliOptions& options, std::ostream& err)
{
    const std::vector<CodeLine> codes = CodesOf(options);
    const OutputDirectory directory(options.output);
    const std::size_t lastLine = codes.back().line;
    const Work work = [&](std::size_t i) -> CodeOutcome {
        const CodeLine& code = codes[i];
        if (!code.problem.empty())
            return {.image = {}, .error = code.problem, .fatal = false};
        const std::string name = NumberedFileName(code.line, lastLine, code.code, ".png");
        QImage label;
        try {
            label = ComposeLabelImage(WithText(options, code.code));
        } catch (const Exception& e) {
            return {.image = {}, .error = e.what(), .fatal = false};
        }
        directory.WriteWhole(name, EncodePng(label, name));
        return {};
    };
    return RunCodes(codes, err, work, [](CodeOutcome&) {});
}

int RunBulkSheet(const CliOptions& options, std::ostream& err)
{
    const std::vector<CodeLine> codes = CodesOf(options);
    const CliOptions labelOptions = SheetLabelOptions(options);
    const Work work = [&](std::size_t i) -> CodeOutcome {
        const CodeLine& code = codes[i];
        if (!code.problem.empty())
            return {.image = {}, .error = code.problem, .fatal = false};
        try {
            // Kept compact: a 10,000-code sheet holds its labels in 40 MB rather than 160.
            return {.image = CompactImage(ComposeLabelImage(WithText(labelOptions, code.code))),
                    .error = {},
                    .fatal = false};
        } catch (const Exception& e) {
            return {.image = {}, .error = e.what(), .fatal = false};
        }
    };
    std::vector<QImage> labels;
    labels.reserve(codes.size());
    const int status =
        RunCodes(codes, err, work, [&](CodeOutcome& outcome) { labels.push_back(std::move(outcome.image)); });
    if (labels.empty())
        throw InputError("no code could be made, so '" + options.output + "' was not written");
    WriteSheet(options, labels);
    return status;
}

} // namespace quillon::cli
