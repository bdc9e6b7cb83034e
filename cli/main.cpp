// quillon-cli: the barcode engine and the label sheet for scripts.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "app/FontSubstitutions.h"

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

int Run(const quillon::cli::CliOptions& options)
{
    using namespace quillon::cli;
    if (options.command == "kinds")
        RunKinds(std::cout);
    else if (options.command == "pattern")
        RunPattern(options, std::cout);
    else if (options.command == "width")
        RunWidth(options, std::cout);
    else if (options.command == "label") {
        const auto app = StartGui();
        RunLabel(options);
    } else if (options.command == "sheet") {
        const auto app = StartGui();
        RunSheet(options);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << quillon::cli::kUsage << "\n\n" << quillon::cli::kHelp << '\n';
        return 0;
    }
    try {
        return Run(quillon::cli::ParseCommandLine(args));
    } catch (const quillon::cli::UsageError& e) {
        std::cerr << "quillon-cli: " << e.what() << '\n' << quillon::cli::kUsage << '\n';
        return 2;
    } catch (const quillon::cli::OutputError& e) {
        std::cerr << "quillon-cli: " << e.what() << '\n';
        return 1;
    } catch (const quillon::Exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
