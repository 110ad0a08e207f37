// Commands of tubewise-cli that are named by their first word (`tubewise-cli register ...`,
// `tubewise-cli validate ...`) and run instead of the calculation of ROW arguments.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace tubewise::cli {

struct Subcommand {
    std::string_view name;
    // Runs with argv[0] the program and argv[1] the command's name; returns the exit status.
    // Standard streams are prepared and SIGPIPE ignored as for every run.
    std::function<int(int& argc, char** argv)> run;
};

// Every command named by its first word; a new one is one line in Subcommands.cpp.
std::vector<Subcommand> MakeSubcommands();

// The command named by argv[1], if it is one.
std::optional<Subcommand> FindSubcommand(int argc, char** argv);

}  // namespace tubewise::cli
