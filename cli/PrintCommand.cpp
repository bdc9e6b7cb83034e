#include "PrintCommand.h"

#include <QTemporaryDir>
#include <cstdint>

#include "Bulk.h"
#include "Commands.h"
#include "data/Escape.h"
#include "data/SafeFile.h"
#include "label/send/PrintJob.h"

namespace quillon::cli {

namespace {

std::string PrinterName(const CliOptions& options)
{
    return options.printTo ? ParseRawPrinterAddress(*options.printTo).Name() : options.printer.value_or("");
}

std::string ReadJob(const std::string& path)
{
    try {
        return ReadRegularFile(path, SIZE_MAX);
    } catch (const EFileError& e) {
        throw PrintFailure("cannot read the job made in '" + path + "' (" + e.what() + "); nothing was sent");
    }
}

// The job's name on the printer: the code printed, or where the codes came from.
std::string JobTitle(const CliOptions& options)
{
    if (options.sequence)
        return "Quillon: " + options.prefix + std::to_string(options.sequence->from) + ".." +
               std::to_string(options.sequence->to) + options.suffix;
    if (options.codes)
        return "Quillon: " + *options.codes;
    return "Quillon: " + options.text;
}

} // namespace

int RunSheetFile(const CliOptions& options, std::ostream& err)
{
    if (options.Bulk())
        return options.Zpl() ? RunBulkZpl(options, err) : RunBulkSheet(options, err);
    return RunSheet(options, err);
}

int RunPrint(const CliOptions& options, std::ostream& err)
{
    // The job is the file sheet -o writes, made by the same run in a folder of our own and read back
    // whole: only a job that was made and proved in full is sent.
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw PrintFailure("cannot make a folder for the job: " + folder.errorString().toStdString());
    CliOptions job = options;
    job.output = folder.filePath(options.Zpl() ? "job.zpl" : "job.pdf").toStdString();
    if (const int status = RunSheetFile(job, err); status != 0) {
        err << "quillon-cli: nothing was sent to " << EscapeForMessage(PrinterName(options)) << '\n';
        return status;
    }
    const std::string bytes = ReadJob(job.output);
    const std::chrono::seconds timeout(options.timeoutSeconds);
    if (options.printTo)
        SendRaw(ParseRawPrinterAddress(*options.printTo), bytes, timeout);
    else
        SendCups(*options.printer, bytes, options.Zpl() ? PrintDocument::RawZpl : PrintDocument::Pdf,
                 JobTitle(options), timeout);
    return 0;
}

} // namespace quillon::cli
