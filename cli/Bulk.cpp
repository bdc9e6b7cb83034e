#include "Bulk.h"

#include <QImage>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <utility>
#include <variant>
#include <vector>

#include "Codes.h"
#include "Commands.h"
#include "Interrupt.h"
#include "OutputFile.h"
#include "PrintLabels.h"
#include "Progress.h"
#include "SheetCommands.h"
#include "barcode/Exception.h"
#include "data/Escape.h"
#include "report/PdfOutput.h"

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
    std::string error;                              // empty when the code was made (or, for label, written)
    bool fatal = false;                             // the run cannot go on (a file that cannot be written)
    std::vector<std::string> notes{};               // said once in the run
    std::shared_ptr<const TLabelDrawing> drawing{}; // sheet: the label
    std::optional<TScanExpectation> expected{};     // sheet: what it should read as
    std::string misfit{};                           // sheet: why its cell would cut it off
};

using Work = std::function<CodeOutcome(std::size_t index)>;
using Report = std::function<bool(std::size_t index, CodeOutcome& outcome)>; // false: stop

CodeOutcome Attempt(const Work& work, std::size_t index)
{
    try {
        return work(index);
    } catch (const std::exception& e) {
        return {.error = e.what(), .fatal = true};
    }
}

// The cores left when the calling thread keeps `busy` of them busy itself, at least one.
unsigned WorkerCount(std::size_t jobs, unsigned busy)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(
        std::min<std::size_t>({std::max(1u, cores - std::min(cores, busy)), kMaxWorkers, jobs}));
}

// Runs work(0..count-1) on a few worker threads and hands each outcome to report, in order, on the
// calling thread, which report keeps busy on `busy` cores. Once report says stop, or SIGINT or SIGTERM
// is noted, no further work starts.
void RunInOrder(std::size_t count, unsigned busy, const Work& work, const Report& report)
{
    std::vector<std::optional<CodeOutcome>> outcomes(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    const auto worker = [&] {
        std::vector<CodeOutcome> made;
        for (std::size_t first = next.fetch_add(kChunk); first < count && !stop && InterruptSignal() == 0;
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
        // A worker that stops for a signal leaves codes undone: the calling thread must not wait for them.
        {
            const std::lock_guard lock(mutex);
        }
        ready.notify_all();
    };
    std::vector<std::jthread> workers;
    // Set before the workers are joined, also when report raises.
    struct StopOnExit {
        std::atomic<bool>& stop;
        ~StopOnExit() { stop = true; }
    } stopOnExit{stop};
    for (unsigned n = WorkerCount(count, busy); n > 0; --n)
        workers.emplace_back(worker);
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return outcomes[i].has_value() || InterruptSignal() != 0; });
        if (!outcomes[i].has_value())
            return;
        CodeOutcome outcome = std::move(*outcomes[i]);
        outcomes[i].reset();
        lock.unlock();
        if (!report(i, outcome))
            return;
    }
}

// Closes the descriptor it holds, whichever way the function that opened it ends.
struct Descriptor {
    int number = -1;
    explicit Descriptor(int fd) : number(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (number >= 0)
            close(number);
    }
};

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The directory that receives the labels, held open so that every file lands in the same one.
//
// A new label is written into an unnamed file (O_TMPFILE) and linked under its name once every byte is
// in: it appears whole or not at all, takes one directory entry instead of a temporary name and a
// rename, and an interrupted run leaves nothing behind. A name that exists already is replaced through
// the safe file access (a link followed only to the user's own regular file, a device or FIFO
// refused), as is every label where unnamed files are not supported. Files are not flushed one by
// one: Sync() flushes the whole run once at its end.
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
        // Linking an unnamed file needs its /proc name, unless the process may read any file.
        FUnnamed = access("/proc/self/fd", X_OK) == 0;
    }
    OutputDirectory(const OutputDirectory&) = delete;
    OutputDirectory& operator=(const OutputDirectory&) = delete;
    ~OutputDirectory() { close(FFd); }

    // Safe to call from several threads at once.
    void WriteWhole(const std::string& name, std::string_view bytes) const
    {
        if (!FUnnamed || !WriteNew(name, bytes))
            ReplaceWhole(PathOf(name), bytes);
    }

    // Brings every label of the run to the disk.
    void Sync() const
    {
        if (syncfs(FFd) != 0)
            throw OutputError("cannot write into '" + FPath + "': " + ErrnoText(errno));
    }

private:
    // False, with nothing written, when the name exists or this file system has no unnamed files.
    bool WriteNew(const std::string& name, std::string_view bytes) const
    {
        const Descriptor file(openat(FFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (file.number < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            FUnnamed = false; // EISDIR: a kernel that does not know O_TMPFILE
            return false;
        }
        if (file.number < 0)
            throw Failure(name, errno);
        if (const int error = WriteAll(file.number, bytes); error != 0)
            throw Failure(name, error);
        const std::string procName = "/proc/self/fd/" + std::to_string(file.number);
        if (linkat(AT_FDCWD, procName.c_str(), FFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno == EEXIST)
            return false;
        // A /proc that hides descriptors, a file system without links: the replacement still serves.
        if (errno == ENOENT || errno == EPERM || errno == EOPNOTSUPP) {
            FUnnamed = false;
            return false;
        }
        throw Failure(name, errno);
    }

    std::string PathOf(const std::string& name) const
    {
        return (std::filesystem::path(FPath) / name).string();
    }

    OutputError Failure(const std::string& name, int error) const
    {
        return CannotWrite(PathOf(name), ErrnoText(error));
    }

    std::string FPath;
    int FFd = -1;
    mutable std::atomic<bool> FUnnamed = false;
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
// code could not be made; raises OutputError for a fatal outcome, after the messages before it, and
// Interrupted when SIGINT or SIGTERM came (no further code is started then). Call inside an
// InterruptGuard. keep keeps the calling thread busy on `busy` cores.
int RunCodes(const std::vector<CodeLine>& codes, std::ostream& err, unsigned busy, const Work& work,
             const std::function<void(std::size_t index, CodeOutcome&)>& keep)
{
    Progress progress(err, StandardErrorDisplay(), codes.size(), "labels", Progress::Clock::now());
    bool someFailed = false;
    std::optional<std::string> fatal;
    std::set<std::string> notesSaid;
    RunInOrder(codes.size(), busy, work, [&](std::size_t i, CodeOutcome& outcome) {
        if (InterruptSignal() != 0)
            return false;
        if (outcome.fatal) {
            fatal = outcome.error;
            return false;
        }
        for (const std::string& note : outcome.notes)
            if (notesSaid.insert(note).second)
                progress.Message("quillon-cli: " + EscapeForMessage(note));
        if (outcome.error.empty()) {
            keep(i, outcome);
        } else {
            progress.Message("quillon-cli: line " + std::to_string(codes[i].line) + ": " +
                             EscapeForMessage(outcome.error));
            someFailed = true;
        }
        progress.Update(i + 1, Progress::Clock::now());
        return true;
    });
    progress.Finish();
    ThrowIfInterrupted();
    if (fatal)
        throw OutputError(*fatal);
    return someFailed ? 1 : 0;
}

bool SameElement(const TPlacedElement& a, const TPlacedElement& b)
{
    const TRectTenths& f = a.Frame;
    const TRectTenths& g = b.Frame;
    if (f.Left != g.Left || f.Top != g.Top || f.Width != g.Width || f.Height != g.Height ||
        a.Content.index() != b.Content.index())
        return false;
    if (const auto* image = std::get_if<TPlacedImage>(&a.Content)) {
        const auto& other = std::get<TPlacedImage>(b.Content);
        return image->Row == other.Row && image->Stretch == other.Stretch && image->Center == other.Center;
    }
    const auto& text = std::get<TPlacedText>(a.Content);
    const auto& other = std::get<TPlacedText>(b.Content);
    return text.Text == other.Text && text.Font.Family == other.Font.Family &&
           text.Font.PointSize == other.Font.PointSize && text.Alignment == other.Alignment &&
           text.WordWrap == other.WordWrap && text.AutoSize == other.AutoSize;
}

bool SamePage(const TPreparedPage& a, const TPreparedPage& b)
{
    return std::equal(a.Elements.begin(), a.Elements.end(), b.Elements.begin(), b.Elements.end(),
                      SameElement);
}

// The sheet's PDF, drawn page by page while the labels of later pages are still being made: the PDF
// writer and the label makers then share the cores instead of taking turns, and each page drawn is
// offered to the proof, when there is one. A page is drawn once a label beyond it has been made, so
// that it is not the sheet's last page, which the final count of labels may lay out otherwise; the rest
// once all are made. Should the final sheet differ on a page drawn early, it is all drawn anew.
class SheetPdf {
public:
    // mostCells: the sheet were every code to make a label.
    SheetPdf(const CliOptions& options, TPreparedReport mostCells, SheetProof* proof)
        : FOptions(options), FMost(std::move(mostCells)), FCalibration(CalibrationFrom(options)),
          FProof(proof)
    {
        for (std::size_t page = 0; page < FMost.Pages.size(); ++page)
            FLastRows.push_back(LastRowOf(FMost.Pages[page]));
    }

    // Draws the pages that the labels made so far complete. A PDF that cannot be made is reported by
    // Write.
    void Made(const TSheetLabels& labels, const std::vector<TScanExpectation>& expected)
    {
        try {
            while (!FFailure && FDrawn < FLastRows.size() &&
                   FLastRows[FDrawn] + 1 < static_cast<std::int64_t>(labels.size()))
                Draw(FMost, labels, expected);
        } catch (const Exception& e) {
            FFailure = e.what();
        }
    }

    // Draws the pages left of the final sheet and writes the PDF to options.output in one piece.
    // Raises OutputError when it cannot.
    void Write(const TPreparedReport& sheet, const TSheetLabels& labels,
               const std::vector<TScanExpectation>& expected)
    {
        QByteArray pdf;
        try {
            if (FFailure)
                throw Exception(*FFailure);
            if (sheet.Pages.size() < FDrawn ||
                !std::equal(FMost.Pages.begin(), FMost.Pages.begin() + static_cast<std::ptrdiff_t>(FDrawn),
                            sheet.Pages.begin(), SamePage)) {
                FPdf.reset();
                FDrawn = 0;
                if (FProof != nullptr)
                    FProof->Restart();
            }
            while (FDrawn < sheet.Pages.size())
                Draw(sheet, labels, expected);
            pdf = FPdf->Finish();
        } catch (const Exception& e) {
            throw CannotWrite(FOptions.output, e.what());
        }
        WriteOutputFile(FOptions.output,
                        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    }

private:
    static std::int64_t LastRowOf(const TPreparedPage& page)
    {
        std::int64_t last = -1;
        for (const TPlacedElement& element : page.Elements)
            if (const auto* image = std::get_if<TPlacedImage>(&element.Content))
                last = std::max(last, image->Row);
        return last;
    }

    // The next page, alone with its labels.
    void Draw(const TPreparedReport& sheet, const TSheetLabels& labels,
              const std::vector<TScanExpectation>& expected)
    {
        SheetPage page = PageAlone(sheet, FDrawn, labels, FProof != nullptr ? &expected : nullptr);
        if (!FPdf)
            FPdf.emplace(sheet, FCalibration);
        FPdf->Add(page.Report, 0, PictureSizes(page.Labels, sheet.PixelsPerInch),
                  LabelDrawer(page.Labels, FOptions.dpi, FFonts));
        ++FDrawn;
        if (FProof != nullptr)
            FProof->Offer(std::move(page));
    }

    const CliOptions& FOptions;
    TPreparedReport FMost;
    std::vector<std::int64_t> FLastRows{}; // of each page of FMost
    TCalibration FCalibration{};
    SheetProof* FProof = nullptr;
    std::optional<TPdfPages> FPdf{};
    std::shared_ptr<TLabelFonts> FFonts = std::make_shared<TLabelFonts>(); // kept from page to page
    std::size_t FDrawn = 0;                                                // pages drawn
    std::optional<std::string> FFailure{};
};

} // namespace

// A label whose file is written but which would not read as typed is reported as one that could not
// be made, by its line.
int RunBulkLabels(const CliOptions& options, std::ostream& err)
{
    const std::vector<CodeLine> codes = CodesOf(options);
    const InterruptGuard guard; // once the codes are read: reading them may wait on a pipe
    const OutputDirectory directory(options.output);
    const std::size_t lastLine = codes.back().line;
    const Work work = [&](std::size_t i) -> CodeOutcome {
        const CodeLine& code = codes[i];
        if (!code.problem.empty())
            return {.error = code.problem};
        const std::string name = NumberedFileName(code.line, lastLine, code.code, ".png");
        std::optional<LabelFile> file;
        try {
            file = MakeLabelFile(WithText(options, code.code));
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
        const QByteArray png = EncodePng(file->image, name);
        directory.WriteWhole(name, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        CodeOutcome outcome;
        outcome.notes = std::move(file->label.notes);
        if (options.verify) {
            const LabelProof proof = ProveWritten(file->image, file->label);
            if (proof.noReader)
                outcome.notes.push_back(NoReaderNote(options));
            outcome.error = proof.failure;
        }
        return outcome;
    };
    const int status = RunCodes(codes, err, 0, work, [](std::size_t, CodeOutcome&) {});
    directory.Sync();
    return status;
}

// The labels are composed on the workers, fitted to the sheet's cell, while the calling thread draws
// the pages they fill; each page drawn is proved on its own, on the cores left.
int RunBulkSheet(const CliOptions& options, std::ostream& err)
{
    const std::vector<CodeLine> codes = CodesOf(options);
    const CliOptions labelOptions = SheetLabelOptions(options);
    const QSizeF cellMm = CellSizeMm(PrepareSheetFor(options, 1));
    const Work work = [&](std::size_t i) -> CodeOutcome {
        const CodeLine& code = codes[i];
        if (!code.problem.empty())
            return {.error = code.problem};
        try {
            PrintLabel label = MakePrintLabel(WithText(labelOptions, code.code), cellMm);
            return {.error = {},
                    .fatal = false,
                    .notes = std::move(label.notes),
                    .drawing = std::move(label.drawing),
                    .expected = label.expected,
                    .misfit = std::move(label.fit.Message)};
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
    };
    const InterruptGuard guard; // once the codes are read: reading them may wait on a pipe
    TSheetLabels labels;
    std::vector<TScanExpectation> expected;
    std::vector<std::string> misfits;
    std::vector<std::string> where;
    std::optional<SheetProof> proof;
    if (options.verify)
        proof.emplace(options.dpi, std::max(1u, std::thread::hardware_concurrency()) - 1);
    const auto mostCells =
        static_cast<int>(std::min<std::size_t>(codes.size(), std::numeric_limits<int>::max()));
    SheetPdf pdf(options, PrepareSheetFor(options, mostCells), proof ? &*proof : nullptr);
    const int status = RunCodes(codes, err, 1, work, [&](std::size_t i, CodeOutcome& outcome) {
        labels.push_back(std::move(outcome.drawing));
        expected.push_back(*std::move(outcome.expected));
        misfits.push_back(std::move(outcome.misfit));
        where.push_back("line " + std::to_string(codes[i].line) + ": ");
        pdf.Made(labels, expected);
    });
    if (labels.empty())
        throw InputError("no code could be made, so '" + options.output + "' was not written");
    const TPreparedReport sheet = PrepareSheetFor(options, static_cast<int>(labels.size()));
    pdf.Write(sheet, labels, expected);
    const std::optional<TSheetVerification> verified =
        proof ? std::optional(proof->Finish(sheet.Pages.size())) : std::nullopt;
    ProofReport report(err);
    ProveSheet(options, sheet, labels, expected, misfits, where, report, verified ? &*verified : nullptr);
    return report.Failed() ? 1 : status;
}

} // namespace quillon::cli
