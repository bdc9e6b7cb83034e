// quillon-cli: the barcode engine and the label sheet for scripts.
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Bulk.h"
#include "CliHelp.h"
#include "Codes.h"
#include "Commands.h"
#include "DesignOptions.h"
#include "Gs1Command.h"
#include "Interrupt.h"
#include "PrintCommand.h"
#include "SheetCommands.h"
#include "barcode/Exception.h"
#include "data/Escape.h"
#include "data/SafeFile.h"
#include "label/compose/FontSubstitutions.h"

namespace {

// Images need a GUI application; the text commands stay without one, so they start fast. Without a
// display the offscreen platform serves, and Qt never sees our own arguments.
std::unique_ptr<QGuiApplication> StartGui()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Standard error carries this tool's own messages only, not the toolkit's remarks about its
    // environment (a missing runtime directory, what the offscreen platform cannot do).
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << quillon::EscapeForMessage(message.toStdString()) << '\n';
    });
    static int argc = 1;
    static char name[] = "quillon-cli";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    quillon::RegisterFontSubstitutions();
    return app;
}

int RunComposing(const quillon::cli::CliOptions& options)
{
    using namespace quillon::cli;
    const auto app = StartGui();
    if (options.command == "verify")
        return RunVerify(options, std::cout, std::cerr);
    if (options.command == "calibration") {
        RunCalibration(options);
        return 0;
    }
    if (options.command == "label") {
        return options.Bulk() ? RunBulkLabels(options, std::cerr) : RunLabel(options, std::cerr);
    }
    if (options.command == "print")
        return RunPrint(options, std::cerr);
    return RunSheetFile(options, std::cerr);
}

int Run(const quillon::cli::CliOptions& options)
{
    using namespace quillon::cli;
    if (options.version)
        std::cout << VersionText();
    else if (options.help)
        std::cout << HelpText(options.command);
    else if (options.command == "kinds")
        RunKinds(std::cout);
    else if (options.command == "pattern")
        RunPattern(options, std::cout);
    else if (options.command == "width")
        RunWidth(options, std::cout);
    else if (options.command == "stocks")
        RunStocks(options, std::cout, std::cerr);
    else if (options.command == "gs1")
        return RunGs1(options.text, std::cout, std::cerr);
    else
        return RunComposing(options);
    return 0;
}

// A message quotes what the user gave (a text, a file name): its control bytes are escaped, so that
// it cannot steer the terminal.
void PrintError(const std::string& message)
{
    std::cerr << quillon::EscapeForMessage(message) << '\n';
}

int RunAndReport(const std::vector<std::string>& args)
{
    using namespace quillon::cli;
    try {
        return Run(ParseWithDesign(args, std::cerr));
    } catch (const UsageError& e) {
        PrintError("quillon-cli: " + std::string(e.what()));
        std::cerr << UsageText(args.empty() ? "" : args[0]);
        return 2;
    } catch (const OutputError& e) {
        PrintError("quillon-cli: " + std::string(e.what()));
    } catch (const InputError& e) {
        PrintError("quillon-cli: " + std::string(e.what()));
    } catch (const Interrupted& e) {
        PrintError("quillon-cli: " + std::string(e.what()));
        return e.Status();
    } catch (const quillon::Exception& e) {
        PrintError(e.what());
    } catch (const std::exception& e) { // a file the run needs that cannot be read, named with its fault
        PrintError("quillon-cli: " + std::string(e.what()));
    }
    return 1;
}

// Output that cannot be written (a full disk, a closed pipe's reader gone) must not pass for success.
int FinishStandardOutput(int status)
{
    errno = 0;
    std::cout.flush();
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
    if (!failed)
        return status;
    const int error = errno;
    std::cerr << "quillon-cli: cannot write standard output"
              << (error != 0 ? ": " + quillon::cli::ErrnoText(error) : std::string()) << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit then fails a write with a message instead of killing the program midway.
    quillon::IgnoreFileSizeSignal();
    quillon::cli::IgnoreBrokenPipes();
    quillon::cli::HoldClosedStandardInput();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return FinishStandardOutput(RunAndReport(args));
}
