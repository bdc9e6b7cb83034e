// Runs the built quillon-cli as a script would and captures its output, error text and exit status.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quillon::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// shellPrologue runs in the same shell first, such as a limit on the size of the files written.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& shellPrologue = "")
{
    // One file per process: ctest runs the tests of this binary in parallel processes.
    const std::string errFile = ::testing::TempDir() + "cli_stderr_" + std::to_string(getpid()) + ".txt";
    std::string command = shellPrologue + ShellQuote(QUILLON_CLI);
    for (const auto& arg : args)
        command += " " + ShellQuote(arg);
    command += " 2>" + ShellQuote(errFile);

    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream errText;
    errText << err.rdbuf();
    run.err = errText.str();
    return run;
}

// Standard error without the progress lines that a run over a second prints, however slow the
// machine running the tests is.
inline std::string WithoutProgress(const std::string& err)
{
    static const std::regex progress("quillon-cli: [0-9]+ of [0-9]+ labels\n");
    return std::regex_replace(err, progress, "");
}

} // namespace quillon::testing
