// tubewise-cli: the MPN calculation from the command line, for scripts and checks.
#include "cli/Report.h"

int main(int argc, char** argv) {
    return tubewise::cli::Run(argc, argv);
}
