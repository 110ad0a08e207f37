// `tubewise-cli validate [--json] [--report FILE]`: the self-check against the published tables
// built into the program.
#pragma once

namespace tubewise::cli {

// Exit status 0 when every figure checked agrees or differs for a known reason, 1 otherwise,
// 64 on a usage error, 73 when the record cannot be written. TUBEWISE_VALIDATE_TABLE, for tests
// only, names a CSV that replaces the three-tube table's printed figures.
int RunValidate(int& argc, char** argv);

}  // namespace tubewise::cli
