#include "Bulk.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
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
#include "ZplCommands.h"
#include "barcode/Exception.h"
#include "data/Escape.h"
#include "label/compose/SymbolKinds.h"
#include "label/proof/PrintedPdf.h"
#include "label/render/LabelPdf.h"
#include "label/run/LabelRun.h"
#include "report/PdfOutput.h"

namespace quillon::cli {

namespace {

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
    std::string zpl{};                              // sheet --format zpl: the label's ^XA..^XZ block
};

using Work = std::function<RowOutcome(const TListRow& row)>;

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
    // A row's notes, and why it failed or prints another text than was typed.
    void Row(const RowOutcome& outcome)
    {
        Notes(outcome.notes);
        if (!outcome.error.empty())
            Line(outcome.line, outcome.error);
        if (!outcome.changed.empty())
            Line(outcome.line, outcome.changed);
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

// The rows of the source made by `work` on the run's pool, each outcome handed to `take` in the order
// of the rows, until SIGINT or SIGTERM is noted or a row fails the run as a whole, which is raised as an
// OutputError (a file that cannot be written). Ends the report's count either way.
void RunRows(CodeSource& source, const Work& work, RunReport& report,
             const std::function<void(const RowOutcome&)>& take)
{
    const auto attempt = [&](const TListRow& row) {
        RowOutcome outcome;
        try {
            outcome = work(row);
        } catch (const std::exception& e) {
            outcome = {.error = e.what(), .fatal = true};
        }
        outcome.line = row.Line;
        outcome.copies = row.Copies;
        return outcome;
    };
    std::optional<std::string> fatal;
    try {
        MakeRowsInOrder<RowOutcome>([&] { return source.Next(); }, attempt,
                                    [&](RowOutcome& outcome) {
                                        if (InterruptSignal() != 0)
                                            return false;
                                        if (outcome.fatal)
                                            fatal = outcome.error;
                                        else
                                            take(outcome);
                                        return !fatal;
                                    });
    } catch (...) {
        if (InterruptSignal() == 0)
            throw;
    }
    report.Finish();
    ThrowIfInterrupted();
    if (fatal)
        throw OutputError(*fatal);
}

// A message about a row, ordered by the cells: 2 x cell for a row that takes no cell and comes before
// that cell, 2 x cell + 1 for the label in that cell.
struct CellMessage {
    std::uint64_t key = 0;
    std::size_t line = 0;
    std::string text{};
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
            if (FLean) {
                try {
                    written = FLean->Add(page, 0, labels, FDpi);
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
            FPainted->Add(page, 0, {}, LabelDrawer(labels, FDpi, FFonts));
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

// The sheet as its labels come, a sink of the run's pages: each page is written into the PDF and proved
// from what was written. Messages wait until the cells before them are proved, so that they come in the
// order of the rows.
class SheetRun : public TPageSink {
public:
    SheetRun(const CliOptions& options, RunReport& report)
        : FOptions(options), FReport(report), FSettings(SheetSettingsFrom(options)),
          FPdf(options, TSheetFlow(FSettings).Page(0, 1))
    {
    }

    void Add(const RowOutcome& outcome)
    {
        FReport.Notes(outcome.notes);
        if (!outcome.error.empty()) {
            Say({.key = 2 * FFill.Cells(), .line = outcome.line, .text = outcome.error});
        } else {
            if (!outcome.misfit.empty())
                Say({.key = 2 * FFill.Cells() + 1, .line = outcome.line, .text = outcome.misfit});
            if (!outcome.changed.empty())
                Say({.key = 2 * FFill.Cells() + 1, .line = outcome.line, .text = outcome.changed});
            for (int copy = 0; copy < outcome.copies; ++copy)
                FFill.Add(outcome.drawing, outcome.expected, outcome.line, !outcome.misfit.empty());
        }
        FReport.Done(static_cast<std::uint64_t>(outcome.copies));
        Release();
    }

    // Writes the last page, waits for the proofs, writes the PDF and says what the proof found. Raises
    // InputError when no label could be made, OutputError when the PDF cannot be written.
    void Finish()
    {
        if (FFill.Cells() == 0)
            throw InputError("no code could be made, so '" + FOptions.output + "' was not written");
        FFill.Finish(); // before the writer goes: the proof reads its fonts
        ThrowIfInterrupted();
        FPdf.Commit();
        Release();
        FReport.Finish();
        if (FOptions.verify && !FPdf.ReadBack() && FVerified.Labels > 0)
            FReport.Notes({"the sheet's text is in a font without outlines, which only the painter's PDF "
                           "shows: its cells were not read back"});
        else if (FOptions.verify && FVerified.Checked < FVerified.Labels)
            FReport.Notes({NoReaderNote(FOptions)});
        if (FProofFailed) {
            FReport.SetFailed();
            FReport.Say(VerificationSummary(FVerified));
        }
    }

    TProof Write(const TRunPage& page) override
    {
        std::optional<TWrittenPdfPart> written = FPdf.Add(page.Report, page.Labels);
        if (!FOptions.verify)
            return {};
        // The page as the lean writer wrote it, and the fonts it names, which it writes last; none when
        // the painter's PDF took over, whose pages are not read back.
        auto part = written ? std::make_shared<TWrittenPdfPart>(std::move(*written)) : nullptr;
        return [part, fonts = FPdf.Fonts(), dpi = FOptions.dpi,
                calibration = CalibrationFrom(FOptions)](const TRunPage& proved) {
            if (!part) {
                const auto labels =
                    std::ranges::count_if(proved.Labels, [](const auto& label) { return label != nullptr; });
                return TSheetVerification{.Dpi = dpi, .Labels = static_cast<int>(labels)};
            }
            const TPrintedPdf pdf(std::move(*part), *fonts);
            const std::unique_ptr<TPrintedPdfPage> read = pdf.Page(0, dpi);
            const std::array<const TPrintedPdfPage*, 1> pages{read.get()};
            return VerifyWrittenSheet(proved.Report, proved.Labels, proved.Expected, dpi, pages, calibration);
        };
    }

    // A failing cell is told by its row's line, unless it was told already as cut off.
    void Proved(const TRunPage& page, TSheetVerification verified) override
    {
        FProofFailed = FProofFailed || !verified.Failures.empty();
        for (const TCellFailure& failure : verified.Failures) {
            const auto row = static_cast<std::size_t>(failure.Row);
            if (!page.Told[row])
                Say({.key = 2 * (page.FirstCell + row) + 1,
                     .line = page.Lines[row],
                     .text = EnglishText(failure.Reason)});
        }
        verified.Failures.clear(); // told: a long run keeps only the counts
        AddPageProof(FVerified, std::move(verified), page);
    }

private:
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
        FFill.TakeProved();
        while (!FPending.empty() && (!FOptions.verify || FPending.front().key <= 2 * FFill.ProvedCells())) {
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

    const CliOptions& FOptions;
    RunReport& FReport;
    TSheetSettings FSettings;
    SheetPdfFile FPdf;
    std::deque<CellMessage> FPending{}; // by key
    CellMessage FLastSaid{};
    TSheetVerification FVerified{};
    bool FProofFailed = false;
    TSheetFill FFill{FSettings, *this}; // last: its proofs end before the PDF they read goes
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
        if (!row.Problem.Empty())
            return {.error = EnglishText(row.Problem)};
        const std::string name = NumberedFileName(row.Line, lastLine, row.Code, ".png");
        std::optional<LabelFile> file;
        try {
            file = MakeLabelFile(RowOptions(options, row));
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
        const QByteArray png = EncodePng(file->image, name);
        directory.WriteWhole(name, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        // Set field by field: GCC 12 takes the aggregate's untouched expectation for uninitialised.
        RowOutcome outcome;
        outcome.notes = std::move(file->label.notes);
        outcome.changed = TypedChangeReport(RowOptions(options, row), file->label);
        if (options.verify) {
            const LabelProof proof = ProveWritten(png, file->label);
            if (proof.noReader)
                outcome.notes.push_back(NoReaderNote(options));
            outcome.error = proof.failure;
        }
        return outcome;
    };
    RunReport report(err, source->Rows());
    RunRows(*source, work, report, [&](const RowOutcome& outcome) {
        report.Row(outcome);
        report.Done(1);
    });
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
        if (!row.Problem.Empty())
            return {.error = EnglishText(row.Problem)};
        try {
            const CliOptions rowOptions = RowOptions(labelOptions, row);
            PrintLabel label = MakePrintLabel(rowOptions, cellMm);
            std::string changed = TypedChangeReport(rowOptions, label);
            return {.notes = std::move(label.notes),
                    .drawing = std::move(label.drawing),
                    .expected = std::move(label.expected),
                    .misfit = EnglishText(label.fit.Message),
                    .changed = std::move(changed)};
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
    };
    const InterruptGuard guard; // once the list is read through: reading it may wait on a pipe
    RunReport report(err, source->Labels());
    SheetRun sheet(options, report);
    RunRows(*source, work, report, [&](const RowOutcome& outcome) { sheet.Add(outcome); });
    sheet.Finish();
    return report.Failed() ? 1 : 0;
}

// One ZPL label per row with its copies as ^PQ, each proved from its own block on the workers. The file
// is streamed into the output's replacement and takes its name only when every label reads: a roll with
// a label missing or unreadable is never sent.
int RunBulkZpl(const CliOptions& options, std::ostream& err)
{
    const std::unique_ptr<CodeSource> source = OpenCodes(options);
    CheckAffixes(options);
    const ZplMedia media = ZplMediaFrom(options);
    const CliOptions labelOptions = ZplLabelOptions(options, media);
    const Work work = [&](const TListRow& row) -> RowOutcome {
        if (!row.Problem.Empty())
            return {.error = EnglishText(row.Problem)};
        try {
            const CliOptions rowOptions = RowOptions(labelOptions, row);
            const PrintLabel label = MakePrintLabel(rowOptions, media.labelMm);
            ZplLabelBlock block = MakeZplBlock(rowOptions, media, label, row.Copies);
            RowOutcome outcome;
            outcome.notes = std::move(block.notes);
            if (block.noReader)
                outcome.notes.push_back(NoReaderNote(options));
            outcome.error = std::move(block.failure);
            outcome.changed = TypedChangeReport(rowOptions, label);
            outcome.zpl = std::move(block.zpl);
            return outcome;
        } catch (const Exception& e) {
            return {.error = e.what()};
        }
    };
    const InterruptGuard guard; // once the list is read through: reading it may wait on a pipe
    RunReport report(err, source->Labels());
    ReplacementDevice file(options.output);
    const std::string head = ZplFileHead(ZplSettingsFrom(options));
    file.write(head.data(), static_cast<qint64>(head.size()));
    std::uint64_t written = 0;
    RunRows(*source, work, report, [&](const RowOutcome& outcome) {
        report.Row(outcome);
        if (outcome.error.empty()) {
            file.write(outcome.zpl.data(), static_cast<qint64>(outcome.zpl.size()));
            ++written;
        }
        report.Done(static_cast<std::uint64_t>(outcome.copies));
    });
    file.Check();
    if (report.Failed() || written == 0) {
        report.Say("nothing was written: every label must read before the roll is sent");
        return 1;
    }
    file.Commit();
    return 0;
}

} // namespace quillon::cli
