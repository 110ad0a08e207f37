// `tubewise-cli register ...`: adds samples to the register, corrects them, lists them, shows
// their history, verifies the register, exports it as CSV and copies it.
#pragma once

namespace tubewise::cli {

// Runs with argv[1] "register"; returns the exit status.
int RunRegisterCommand(int& argc, char** argv);

}  // namespace tubewise::cli
