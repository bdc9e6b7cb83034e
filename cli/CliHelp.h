// The usage lines, --help texts and --version line of quillon-cli.
#pragma once

#include <string>
#include <string_view>

namespace quillon::cli {

// "usage: ..." with the command's forms, one line each; every command's for an empty or unknown
// command. Ends in a newline.
std::string UsageText(std::string_view command);

// What quillon-cli --help (empty command) or quillon-cli COMMAND --help prints: the usage, what the
// command does, each option it takes and the exit statuses. Ends in a newline.
std::string HelpText(std::string_view command);

// "quillon-cli 1.1.0" and a newline.
std::string VersionText();

} // namespace quillon::cli
