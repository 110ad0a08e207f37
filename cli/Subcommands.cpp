// The list of tubewise-cli's commands named by their first word.
#include "cli/Subcommands.h"

#include <cstring>

// ---- Command headers: add yours below this line. ----
#include "cli/ValidateCommand.h"
#include "cli/RegisterCommand.h"

namespace tubewise::cli {

std::vector<Subcommand> MakeSubcommands() {
    std::vector<Subcommand> commands;
    // ---- Commands: add yours below this line, one push_back each. ----
    commands.push_back({"validate", RunValidate});
    commands.push_back({"register", RunRegisterCommand});
    return commands;
}

std::optional<Subcommand> FindSubcommand(int argc, char** argv) {
    if (argc < 2 || !argv[1]) return std::nullopt;
    for (Subcommand& command : MakeSubcommands())
        if (command.name == argv[1]) return command;
    return std::nullopt;
}

}  // namespace tubewise::cli
