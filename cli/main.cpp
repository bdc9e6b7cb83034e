// quillon-cli: the barcode engine and the label sheet for scripts.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Bulk.h"
#include "CliHelp.h"
#include "Codes.h"
#include "Commands.h"
#include "barcode/Exception.h"
#include "label/FontSubstitutions.h"

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
            std::cerr << message.toStdString() << '\n';
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
    if (options.command == "label") {
        if (options.Bulk())
            return RunBulkLabels(options, std::cerr);
        RunLabel(options);
        return 0;
    }
    if (options.Bulk())
        return RunBulkSheet(options, std::cerr);
    RunSheet(options);
    return 0;
}

int Run(const quillon::cli::CliOptions& options)
{
    using namespace quillon::cli;
    int status = 0;
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
    else
        status = RunComposing(options);
    std::cout.flush();
    return std::cout ? status : 1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace quillon::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return Run(ParseCommandLine(args));
    } catch (const UsageError& e) {
        std::cerr << "quillon-cli: " << e.what() << '\n' << UsageText(args.empty() ? "" : args[0]);
        return 2;
    } catch (const OutputError& e) {
        std::cerr << "quillon-cli: " << e.what() << '\n';
        return 1;
    } catch (const InputError& e) {
        std::cerr << "quillon-cli: " << Printable(e.what()) << '\n';
        return 1;
    } catch (const quillon::Exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
