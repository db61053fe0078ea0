#pragma once

#include "cli/Args.h"
#include "cli/Console.h"

namespace vaz::cli {

// Exit statuses of every command.
enum Status { Success = 0, Differences = 1, Failure = 2 };

// Runs a parsed command (after --help and --version are dealt with).
int run(const Args &args, Console &console);

// The whole command line: parses, makes the application object the command
// needs (none of them needs a display) and runs it.
int runMain(int argc, char **argv);

}  // namespace vaz::cli
