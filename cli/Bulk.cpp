#include "Bulk.h"

#include <QImage>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <utility>
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
#include "label/LabelPdf.h"
#include "label/SymbolKinds.h"
#include "report/PdfOutput.h"

namespace quillon::cli {

namespace {

// Composing and encoding take a core each; more threads than cores only add switching.
constexpr unsigned kMaxWorkers = 8;
// Rows a worker takes at a time: fewer hand-overs, and still a steady progress count.
constexpr std::size_t kChunk = 8;
// Rows made ahead of the calling thread at most: enough to keep the workers busy while it draws a
// page, few enough that the labels held stay a few pages' worth however long the list.
constexpr std::size_t kWindow = 512;
// Pages drawn and waiting for their proof at most; beyond, the calling thread proves one itself.
constexpr std::size_t kMaxWaitingProofs = 4;

// What became of one row. Composing and encoding need no lock and run on the workers; messages and
// progress are printed by the calling thread in the order of the rows, so runs read the same however
// the work was shared out.
struct RowOutcome {
    std::size_t line = 0;
    int copies = 1;
    std::string error{};                            // empty when the row was made (or, for label, written)
    bool fatal = false;                             // the run cannot go on (a file that cannot be written)
    std::vector<std::string> notes{};               // said once in the run
    std::shared_ptr<const TLabelDrawing> drawing{}; // sheet: the label
    TScanExpectation expected{};                    // sheet: what it should read as
    std::string misfit{};                           // sheet: why its cell would cut it off
    std::string changed{};                          // it prints another text than was typed
};

using Work = std::function<RowOutcome(const TListRow& row)>;
using Report = std::function<bool(RowOutcome& outcome)>; // false: stop

RowOutcome Attempt(const Work& work, const TListRow& row)
{
    RowOutcome outcome;
    try {
        outcome = work(row);
    } catch (const std::exception& e) {
        outcome = {.error = e.what(), .fatal = true};
    }
    outcome.line = row.Line;
    outcome.copies = row.Copies;
    return outcome;
}

// The cores left when the calling thread keeps `busy` of them busy itself, at least one.
unsigned WorkerCount(std::size_t jobs, unsigned busy)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(
        std::min<std::size_t>({std::max(1u, cores - std::min(cores, busy)), kMaxWorkers, jobs}));
}

// Makes the rows of a source on a few worker threads, which pull them as they need them, at most
// kWindow ahead of the calling thread; the calling thread hands each outcome to the report in order.
class OrderedRun {
public:
    OrderedRun(CodeSource& source, const Work& work) : FSource(source), FWork(work) {}

    // Once the report says stop, or SIGINT or SIGTERM is noted, no further row starts. Raises what
    // the source raised, after the rows before it were reported.
    void Run(unsigned busy, const Report& report)
    {
        std::vector<std::jthread> workers;
        // Declared after the workers, so that they are told to stop before they are joined, also when
        // the report raises.
        struct StopOnExit {
            OrderedRun& run;
            ~StopOnExit() { run.Stop(); }
        } stopOnExit{*this};
        for (unsigned n = WorkerCount(FSource.Rows(), busy); n > 0; --n)
            workers.emplace_back([this] { Worker(); });
        while (std::optional<RowOutcome> outcome = NextOutcome())
            if (!report(*outcome))
                return;
        const std::lock_guard lock(FMutex);
        if (FSourceFailure && InterruptSignal() == 0)
            std::rethrow_exception(FSourceFailure);
    }

private:
    bool Stopped() const { return FStop || InterruptSignal() != 0; }

    void Stop()
    {
        const std::lock_guard lock(FMutex);
        FStop = true;
        FChanged.notify_all();
    }

    // The next outcome in order; none after the last, or once a signal stopped the workers.
    std::optional<RowOutcome> NextOutcome()
    {
        std::unique_lock lock(FMutex);
        FChanged.wait(lock, [this] {
            return (!FWindow.empty() && FWindow.front()) || (FWindow.empty() && FExhausted) ||
                   InterruptSignal() != 0;
        });
        if (FWindow.empty() || !FWindow.front())
            return std::nullopt;
        std::optional<RowOutcome> outcome = std::move(FWindow.front());
        FWindow.pop_front();
        ++FFirst;
        if (FWindow.size() + 1 == kWindow)
            FChanged.notify_all(); // room in the window again
        return outcome;
    }

    // Rows pulled from the source, their slots in the window taken. Call with the lock held.
    std::vector<TListRow> Pull()
    {
        std::vector<TListRow> rows;
        try {
            while (rows.size() < kChunk && FWindow.size() < kWindow) {
                std::optional<TListRow> row = FSource.Next();
                if (!row) {
                    FExhausted = true;
                    break;
                }
                rows.push_back(std::move(*row));
                FWindow.emplace_back();
            }
        } catch (...) {
            FSourceFailure = std::current_exception();
            FExhausted = true;
        }
        return rows;
    }

    void Worker()
    {
        std::vector<RowOutcome> made;
        std::unique_lock lock(FMutex);
        while (true) {
            FChanged.wait(lock, [this] { return Stopped() || FExhausted || FWindow.size() < kWindow; });
            if (Stopped() || FExhausted)
                break;
            const std::size_t first = FFirst + FWindow.size();
            const std::vector<TListRow> rows = Pull();
            lock.unlock();
            made.clear();
            for (const TListRow& row : rows)
                made.push_back(Attempt(FWork, row));
            lock.lock();
            for (std::size_t i = 0; i < made.size(); ++i)
                FWindow[first + i - FFirst] = std::move(made[i]);
            FChanged.notify_all();
        }
        FChanged.notify_all(); // a worker stopped by a signal leaves rows undone: nobody waits for them
    }

    CodeSource& FSource;
    const Work& FWork;
    std::mutex FMutex{};
    std::condition_variable FChanged{};
    std::deque<std::optional<RowOutcome>> FWindow{}; // the outcomes from row FFirst on, made or not
    std::size_t FFirst = 0;
    bool FExhausted = false;
    bool FStop = false;
    std::exception_ptr FSourceFailure{};
};

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
        FFd = OpenOutputDirectory(path);
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

// The messages and the progress of a bulk run on standard error: each note once, a row's message under
// its line, and the count of labels done.
class RunReport {
public:
    RunReport(std::ostream& err, std::uint64_t labels)
        : FProgress(err, StandardErrorDisplay(), labels, "labels", Progress::Clock::now())
    {
    }
    RunReport(const RunReport&) = delete;
    RunReport& operator=(const RunReport&) = delete;
    ~RunReport() { FProgress.Finish(); } // a run cut short leaves no count half a line long

    void Notes(const std::vector<std::string>& notes)
    {
        for (const std::string& note : notes)
            if (FNotes.insert(note).second)
                Say(note);
    }
    // A row that could not be made, or a label that would not print as it should.
    void Line(std::size_t line, const std::string& message)
    {
        FFailed = true;
        Say("line " + std::to_string(line) + ": " + message);
    }
    void Say(const std::string& message) { FProgress.Message("quillon-cli: " + EscapeForMessage(message)); }
    void Done(std::uint64_t labels)
    {
        FDone += labels;
        FProgress.Update(FDone, Progress::Clock::now());
    }
    // Ends the count's line; what is said after stands alone.
    void Finish() { FProgress.Finish(); }
    bool Failed() const { return FFailed; }
    void SetFailed() { FFailed = true; }

private:
    Progress FProgress;
    std::set<std::string> FNotes{};
    std::uint64_t FDone = 0;
    bool FFailed = false;
};

// A message about a row, ordered by the cells: 2 x cell for a row that takes no cell and comes before
// that cell, 2 x cell + 1 for the label in that cell.
struct CellMessage {
    std::uint64_t key = 0;
    std::size_t line = 0;
    std::string text{};
};

// A drawn page on its way to the proof, with what its messages need.
struct ProofPage {
    std::size_t index = 0;
    std::uint64_t firstCell = 0;
    TPreparedReport report{};
    TSheetLabels labels{};
    std::vector<TScanExpectation> expected{};
    std::vector<std::size_t> lines{};
    std::vector<bool> misfits{}; // cells already reported as cut off, whatever their reading
    // The page as the PDF writer wrote it, and the fonts it names, which the writer writes last; none
    // when the painter's PDF took over, whose pages are not read back.
    std::optional<TWrittenPdfPart> written{};
    const TPendingFontReader* fonts = nullptr;
};

struct ProvedPage {
    std::uint64_t endCell = 0; // the cells of this page and those before it
    TSheetVerification verified{};
    bool failed = false; // some cell does not read, told or not
    std::vector<CellMessage> failures{};
};

// The proof of the sheet's pages as they are drawn, on helper threads; when kMaxWaitingProofs pages
// wait, the calling thread proves the oldest itself, so that drawn pages and their labels never pile up.
class PageProofs {
public:
    PageProofs(int dpi, const TCalibration& calibration, unsigned helpers)
        : FDpi(dpi), FCalibration(calibration)
    {
        for (unsigned n = std::min(helpers, kMaxWorkers); n > 0; --n)
            FHelpers.emplace_back([this] { Help(); });
    }
    PageProofs(const PageProofs&) = delete;
    PageProofs& operator=(const PageProofs&) = delete;
    ~PageProofs()
    {
        const std::lock_guard lock(FMutex);
        FClosed = true;
        FWaiting.clear(); // a run that ends early drops the pages not begun
        FChanged.notify_all();
    }

    void Offer(ProofPage page)
    {
        std::unique_lock lock(FMutex);
        FWaiting.push_back(std::move(page));
        FChanged.notify_one();
        if (FWaiting.size() > kMaxWaitingProofs)
            ProveOne(lock);
        Rethrow();
    }

    // The pages proved since the last call, in page order as far as none before them is missing.
    std::vector<ProvedPage> Take()
    {
        const std::lock_guard lock(FMutex);
        std::vector<ProvedPage> proved;
        for (auto it = FProved.find(FTaken); it != FProved.end(); it = FProved.find(++FTaken)) {
            proved.push_back(std::move(it->second));
            FProved.erase(it);
        }
        return proved;
    }

    // Proves the pages still waiting, on the helpers and the calling thread. Raises what the proof
    // raised, and Interrupted for SIGINT or SIGTERM.
    void Finish()
    {
        std::unique_lock lock(FMutex);
        FClosed = true;
        FChanged.notify_all();
        while (ProveOne(lock)) {
        }
        FChanged.wait(lock, [this] { return FBusy == 0; });
        Rethrow();
        lock.unlock();
        ThrowIfInterrupted();
    }

private:
    void Rethrow() const
    {
        if (FFailure)
            std::rethrow_exception(FFailure);
    }

    // Proves the oldest page waiting, unlocking meanwhile; false when none waits or the run stops.
    bool ProveOne(std::unique_lock<std::mutex>& lock)
    {
        if (FWaiting.empty() || FFailure || InterruptSignal() != 0)
            return false;
        ProofPage page = std::move(FWaiting.front());
        FWaiting.pop_front();
        ++FBusy;
        lock.unlock();
        std::optional<ProvedPage> proved;
        std::exception_ptr failure;
        try {
            proved = Prove(page);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        --FBusy;
        if (proved)
            FProved.emplace(page.index, std::move(*proved));
        if (failure)
            FFailure = failure;
        FChanged.notify_all();
        return true;
    }

    void Help()
    {
        std::unique_lock lock(FMutex);
        while (true) {
            FChanged.wait(lock, [this] { return !FWaiting.empty() || FClosed; });
            if (!ProveOne(lock))
                return; // none waits once closed, or the run stops
        }
    }

    // A failing cell is told by its row's line, unless it was told already as cut off.
    ProvedPage Prove(ProofPage& page) const
    {
        ProvedPage proved{.endCell = page.firstCell + page.labels.size(),
                          .verified = VerifyWritten(page),
                          .failed = false,
                          .failures = {}};
        proved.failed = !proved.verified.Failures.empty();
        for (const TCellFailure& failure : proved.verified.Failures) {
            const auto row = static_cast<std::size_t>(failure.Row);
            if (!page.misfits[row])
                proved.failures.push_back(
                    {.key = 2 * (page.firstCell + row) + 1, .line = page.lines[row], .text = failure.Reason});
        }
        proved.verified.Failures.clear();
        return proved;
    }

    // The page's cells read from what was written: nothing is proved that was not read.
    TSheetVerification VerifyWritten(ProofPage& page) const
    {
        if (!page.written) {
            TSheetVerification unread{.Dpi = FDpi};
            for (const auto& label : page.labels)
                unread.Labels += label != nullptr ? 1 : 0;
            return unread;
        }
        const TPrintedPdf pdf(std::move(*page.written), *page.fonts);
        const std::unique_ptr<TPrintedPdfPage> written = pdf.Page(0, FDpi);
        const std::array<const TPrintedPdfPage*, 1> pages{written.get()};
        return VerifyWrittenSheet(page.report, page.labels, page.expected, FDpi, pages, FCalibration);
    }

    int FDpi = kDefaultDpi;
    TCalibration FCalibration{};
    std::mutex FMutex{};
    std::condition_variable FChanged{};
    std::deque<ProofPage> FWaiting{};
    std::map<std::size_t, ProvedPage> FProved{}; // by page, until taken
    std::size_t FTaken = 0;                      // the next page to take
    int FBusy = 0;
    bool FClosed = false;
    std::exception_ptr FFailure{};
    std::vector<std::jthread> FHelpers{}; // last: joined first when it is destroyed
};

// The sheet's PDF, written page by page into the replacement of the output file: the one place that
// knows the PDF writers. The lean label PDF takes it, several times quicker and smaller than the
// painter's; should the labels' font have no outlines to embed, which only the painter's PDF shows, the
// painter's takes over at the first page, before anything is written.
class SheetPdfFile {
public:
    SheetPdfFile(const CliOptions& options, const TPreparedReport& paper)
        : FOutput(options.output), FDevice(options.output), FDpi(options.dpi), FPaper(paper),
          FCalibration(CalibrationFrom(options))
    {
        Guarded([&] {
            FLean.emplace(FDevice, FPaper, FCalibration);
            FLeanFonts.emplace(FLean->PendingFonts());
        });
    }

    // Gives back the page as written, for the proof; nothing from the painter's PDF.
    std::optional<TWrittenPdfPart> Add(const TPreparedReport& page, const TSheetLabels& labels)
    {
        std::optional<TWrittenPdfPart> written;
        Guarded([&] {
            const std::vector<QImage> pictures = PictureSizes(labels, page.PixelsPerInch);
            if (FLean) {
                try {
                    written = FLean->Add(page, 0, labels, FDpi, pictures);
                    return;
                } catch (const TFontWithoutOutlines&) {
                    if (FLean->Pages() > 0)
                        throw;
                }
                FLeanFonts.reset();
                FLean.reset();
                FPainted.emplace(FDevice, FPaper, FCalibration);
                FReadBack = false;
            }
            FPainted->Add(page, 0, pictures, LabelDrawer(labels, FDpi, FFonts));
        });
        FDevice.Check(); // a full disk ends the run now, not after the last page
        return written;
    }

    // The fonts the written pages name, as the lean writer will write them; none for the painter's PDF.
    const TPendingFontReader* Fonts() const { return FLeanFonts ? &*FLeanFonts : nullptr; }
    bool ReadBack() const { return FReadBack; }

    // Gives the whole PDF the output's name.
    void Commit()
    {
        Guarded([&] {
            if (FLean)
                TPrintedPdf::CheckWrittenFonts(FLean->Finish(), FLean->PendingFonts());
            else
                FPainted->Finish();
        });
        FLeanFonts.reset();
        FLean.reset();
        FPainted.reset();
        FDevice.Commit();
    }

private:
    // The writer's refusals, after the device's own reason when it has one.
    template <typename Step> void Guarded(const Step& step)
    {
        try {
            step();
        } catch (const Exception& e) {
            FDevice.Check();
            throw CannotWrite(FOutput, e.what());
        }
    }

    std::string FOutput;
    ReplacementDevice FDevice;
    int FDpi = kDefaultDpi;
    TPreparedReport FPaper{};
    TCalibration FCalibration{};
    std::shared_ptr<TLabelFonts> FFonts = std::make_shared<TLabelFonts>(); // the painter's, page to page
    // After the device, so that they end before the device does.
    std::optional<TLabelPdf> FLean{};
    std::optional<TPendingFontReader> FLeanFonts{}; // its glyphs as the proof reads them, page to page
    std::optional<TPdfPages> FPainted{};
    bool FReadBack = true; // false once the painter's PDF took over
};

// The sheet as its labels come: a page is drawn once its cells are filled and a label beyond it shows
// that it is not the last, then proved, and its labels dropped. Messages wait until the cells before
// them are proved, so that they come in the order of the rows.
class SheetRun {
public:
    SheetRun(const CliOptions& options, RunReport& report)
        : FOptions(options), FReport(report), FPager(options),
          FPdf(options, FPager.Page(0, FPager.CellsOn(0), LastPage::No))
    {
        if (options.verify)
            FProofs.emplace(options.dpi, CalibrationFrom(options),
                            std::max(1u, std::thread::hardware_concurrency()) - 1);
    }

    void Add(const RowOutcome& outcome)
    {
        FReport.Notes(outcome.notes);
        if (!outcome.error.empty()) {
            Say({.key = 2 * FCells, .line = outcome.line, .text = outcome.error});
        } else {
            if (!outcome.misfit.empty())
                Say({.key = 2 * FCells + 1, .line = outcome.line, .text = outcome.misfit});
            if (!outcome.changed.empty())
                Say({.key = 2 * FCells + 1, .line = outcome.line, .text = outcome.changed});
            for (int copy = 0; copy < outcome.copies; ++copy)
                AddCell(outcome);
        }
        FReport.Done(static_cast<std::uint64_t>(outcome.copies));
        Release();
    }

    // Draws the last page, writes the PDF and says what the proof found. Raises InputError when no
    // label could be made, OutputError when the PDF cannot be written.
    void Finish()
    {
        if (FCells == 0)
            throw InputError("no code could be made, so '" + FOptions.output + "' was not written");
        DrawPage(LastPage::Yes);
        if (FProofs)
            FProofs->Finish(); // before the writer goes: the proof reads its fonts
        FPdf.Commit();
        Release();
        FReport.Finish();
        if (FProofs && !FPdf.ReadBack() && FVerified.Labels > 0)
            FReport.Notes({"the sheet's text is in a font without outlines, which only the painter's PDF "
                           "shows: its cells were not read back"});
        else if (FProofs && FVerified.Checked < FVerified.Labels)
            FReport.Notes({NoReaderNote(FOptions)});
        if (FProofFailed) {
            FReport.SetFailed();
            FReport.Say(VerificationSummary(FVerified));
        }
    }

private:
    void AddCell(const RowOutcome& outcome)
    {
        if (FPage.labels.size() == FPager.CellsOn(FPage.index))
            DrawPage(LastPage::No);
        FPage.labels.push_back(outcome.drawing);
        FPage.expected.push_back(outcome.expected);
        FPage.lines.push_back(outcome.line);
        FPage.misfits.push_back(!outcome.misfit.empty());
        ++FCells;
    }

    void DrawPage(LastPage last)
    {
        FPage.report = FPager.Page(FPage.index, FPage.labels.size(), last);
        FPage.written = FPdf.Add(FPage.report, FPage.labels);
        FPage.fonts = FPdf.Fonts();
        const ProofPage next{.index = FPage.index + 1, .firstCell = FCells};
        if (FProofs)
            FProofs->Offer(std::move(FPage));
        FPage = next;
    }

    void Say(CellMessage message)
    {
        const auto later =
            std::upper_bound(FPending.begin(), FPending.end(), message.key,
                             [](std::uint64_t key, const CellMessage& m) { return key < m.key; });
        FPending.insert(later, std::move(message));
    }

    // Says the messages whose cells, and every cell before them, are proved.
    void Release()
    {
        if (FProofs)
            for (ProvedPage& page : FProofs->Take()) {
                Tally(page.verified);
                FProofFailed = FProofFailed || page.failed;
                for (CellMessage& failure : page.failures)
                    Say(std::move(failure));
                FProvedCells = page.endCell;
            }
        while (!FPending.empty() && (!FProofs || FPending.front().key <= 2 * FProvedCells)) {
            SayNow(FPending.front());
            FPending.pop_front();
        }
    }

    // The copies of a row print alike: their message is said once.
    void SayNow(const CellMessage& message)
    {
        if (message.line == FLastSaid.line && message.text == FLastSaid.text)
            return;
        FReport.Line(message.line, message.text);
        FLastSaid = message;
    }

    void Tally(const TSheetVerification& page)
    {
        FVerified.Dpi = page.Dpi;
        FVerified.Labels += page.Labels;
        FVerified.Checked += page.Checked;
        FVerified.ReadBack += page.ReadBack;
        FVerified.DistinctCells += page.DistinctCells;
    }

    const CliOptions& FOptions;
    RunReport& FReport;
    SheetPager FPager;
    SheetPdfFile FPdf;
    std::optional<PageProofs> FProofs{}; // after the PDF: its helpers end before the file is dropped
    ProofPage FPage{};                   // the page being filled
    std::uint64_t FCells = 0;            // cells filled so far
    std::uint64_t FProvedCells = 0;      // the leading cells whose pages are proved
    std::deque<CellMessage> FPending{};  // by key
    CellMessage FLastSaid{};
    TSheetVerification FVerified{};
    bool FProofFailed = false;
};

// A --prefix or --suffix that the kind cannot encode would fail every code of the sequence alike: it
// is refused up front, naming the option, when the numbers alone would have been made.
void CheckAffixes(const CliOptions& options)
{
    if (!options.sequence || (options.prefix.empty() && options.suffix.empty()))
        return;
    const auto failure = [&](const std::string& prefix,
                             const std::string& suffix) -> std::optional<std::string> {
        CliOptions tried = options;
        tried.prefix = prefix;
        tried.suffix = suffix;
        const TListRow first = *OpenCodes(tried)->Next();
        try {
            MakePrintLabel(RowOptions(tried, first), std::nullopt);
            return std::nullopt;
        } catch (const Exception& e) {
            return first.Code + "': " + e.what();
        }
    };
    const std::optional<std::string> whole = failure(options.prefix, options.suffix);
    if (!whole || failure("", ""))
        return;
    const std::string prefix = "--prefix '" + options.prefix + "'";
    const std::string suffix = "--suffix '" + options.suffix + "'";
    std::string named = prefix + " with " + suffix;
    if (options.prefix.empty() || options.suffix.empty()) {
        named = options.prefix.empty() ? suffix : prefix;
    } else {
        const bool prefixFails = failure(options.prefix, "").has_value();
        const bool suffixFails = failure("", options.suffix).has_value();
        if (prefixFails != suffixFails)
            named = prefixFails ? prefix : suffix;
    }
    const int ordinal = options.symbol ? OrdinalOf(*options.symbol) : options.kind;
    throw UsageError(named + " makes codes that " + std::string(LabelKindName(ordinal)) +
                     " cannot encode ('" + *whole + ")");
}

} // namespace

// A label whose file is written but which would not read as typed is reported as one that could not
// be made, by its line. A list's copies make no more files: one image serves them all.
int RunBulkLabels(const CliOptions& options, std::ostream& err)
{
    const std::unique_ptr<CodeSource> source = OpenCodes(options);
    CheckAffixes(options);
    const InterruptGuard guard; // once the list is read through: reading it may wait on a pipe
    const OutputDirectory directory(options.output);
    const std::size_t lastLine = source->LastLine();
    const Work work = [&](const TListRow& row) -> RowOutcome {
        if (!row.Problem.empty())
            return {.error = row.Problem};
        const std::string name = NumberedFileName(row.Line, lastLine, row.Code, ".png");
        std::optional<LabelFile> file;
        try {
            file = MakeLabelFile(RowOptions(options, row));
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
        const QByteArray png = EncodePng(file->image, name);
        directory.WriteWhole(name, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        RowOutcome outcome{.notes = std::move(file->label.notes),
                           .changed = TypedChangeReport(RowOptions(options, row), file->label)};
        if (options.verify) {
            const LabelProof proof = ProveWritten(png, file->label);
            if (proof.noReader)
                outcome.notes.push_back(NoReaderNote(options));
            outcome.error = proof.failure;
        }
        return outcome;
    };
    RunReport report(err, source->Rows());
    std::optional<std::string> fatal;
    OrderedRun(*source, work).Run(0, [&](RowOutcome& outcome) {
        if (InterruptSignal() != 0)
            return false;
        if (outcome.fatal) {
            fatal = outcome.error;
            return false;
        }
        report.Notes(outcome.notes);
        if (!outcome.error.empty())
            report.Line(outcome.line, outcome.error);
        if (!outcome.changed.empty())
            report.Line(outcome.line, outcome.changed);
        report.Done(1);
        return true;
    });
    report.Finish();
    ThrowIfInterrupted();
    if (fatal)
        throw OutputError(*fatal);
    directory.Sync();
    return report.Failed() ? 1 : 0;
}

// The labels are composed on the workers, fitted to the sheet's cell, while the calling thread draws
// the pages they fill; each page drawn is proved on its own, on the cores left.
int RunBulkSheet(const CliOptions& options, std::ostream& err)
{
    const std::unique_ptr<CodeSource> source = OpenCodes(options);
    CheckAffixes(options);
    const CliOptions labelOptions = SheetLabelOptions(options);
    const QSizeF cellMm = CellSizeMm(PrepareSheetFor(options, 1));
    const Work work = [&](const TListRow& row) -> RowOutcome {
        if (!row.Problem.empty())
            return {.error = row.Problem};
        try {
            const CliOptions rowOptions = RowOptions(labelOptions, row);
            PrintLabel label = MakePrintLabel(rowOptions, cellMm);
            std::string changed = TypedChangeReport(rowOptions, label);
            return {.notes = std::move(label.notes),
                    .drawing = std::move(label.drawing),
                    .expected = std::move(label.expected),
                    .misfit = std::move(label.fit.Message),
                    .changed = std::move(changed)};
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
    };
    const InterruptGuard guard; // once the list is read through: reading it may wait on a pipe
    RunReport report(err, source->Labels());
    SheetRun sheet(options, report);
    std::optional<std::string> fatal;
    OrderedRun(*source, work).Run(1, [&](RowOutcome& outcome) {
        if (InterruptSignal() != 0)
            return false;
        if (outcome.fatal) {
            fatal = outcome.error;
            return false;
        }
        sheet.Add(outcome);
        return true;
    });
    report.Finish();
    ThrowIfInterrupted();
    if (fatal)
        throw OutputError(*fatal);
    sheet.Finish();
    return report.Failed() ? 1 : 0;
}

} // namespace quillon::cli
