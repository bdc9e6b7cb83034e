// quillon-cli: the barcode engine and the label sheet for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

int Run(const quillon::cli::CliOptions& options)
{
    using namespace quillon::cli;
    if (options.command == "kinds")
        RunKinds(std::cout);
    else if (options.command == "pattern")
        RunPattern(options, std::cout);
    else if (options.command == "width")
        RunWidth(options, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << quillon::cli::kUsage << '\n';
        return 0;
    }
    try {
        return Run(quillon::cli::ParseCommandLine(args));
    } catch (const quillon::cli::UsageError& e) {
        std::cerr << "quillon-cli: " << e.what() << '\n' << quillon::cli::kUsage << '\n';
        return 2;
    } catch (const quillon::Exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
